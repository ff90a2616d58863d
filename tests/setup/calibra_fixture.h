#pragma once

#include "orders/carrega_pedido.h"
#include "platform/recordingprinter.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

// The main window as the operator leaves it before calibrating: two recording printers, the
// default "Padrao" and the chosen "Zebra", logos loaded, a settings file with the margins a first
// start writes, and an order loaded through the order loader.
struct CalibraDesk {
    using Page = RecordingPrinter::Page;
    using Op = RecordingPrinter::Op;

    static inline const QString kFrente = QStringLiteral("Frente de Caixa");
    static inline const QString kOculta = QStringLiteral("Oculta");
    static inline const QString kAcessorio = QStringLiteral("Acessório");
    static inline const QString kCorrugado = QStringLiteral("Corrugado");
    static inline const QString kMargins = QStringLiteral(
        "[MargemOcultaZebra]\r\nMargem_oculta1=0\r\nMargem_oculta11=40\r\nMargem_oculta2=2,2\r\nMx4045_1=0\r\n"
        "Mx4045_2=40\r\nMx4045=2,2\r\nPackX=2,2\r\nPackY=2,1\r\n");

    TestWorkstation tw{{QStringLiteral("Padrao"), QStringLiteral("Zebra")}, 0};
    MainForm& f = tw.form;
    Globals& g = tw.g;
    Program& p = tw.program;
    RecordingPrinter& standard = tw.printers.printer(0);
    RecordingPrinter& chosen = tw.printers.printer(1);

    CalibraDesk()
    {
        f.lblpath.caption = tw.folder();
        f.lblprinterdefault.caption = QStringLiteral("Padrao");
        f.CMBPRINTER.text = QStringLiteral("Zebra");
        QDir().mkpath(tw.path(QStringLiteral("tmp")));
        g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
        g.tem_logo1 = g.tem_logo2 = true;
        f.pctlogo1.picture = logo(QStringLiteral("mervalk.jpg"));
        f.pctlogo2.picture = logo(QStringLiteral("orvenna.jpg"));
        tw.write(QStringLiteral("Pendrova.ini"), kMargins);
    }

    static Picture logo(const QString& file)
    {
        Picture pic;
        pic.image = QImage(200, 40, QImage::Format_RGB32);
        pic.image.fill(Qt::gray);
        pic.file = file;
        return pic;
    }

    QByteArray settingsFile() const { return tw.readBytes(QStringLiteral("Pendrova.ini")); }

    void order(const QString& tipo, const QString& numero, const QString& word, const QStringList& lines)
    {
        tw.write(QStringLiteral("PEDIDO %1 %2.txt").arg(numero, word), lines.join(QStringLiteral("\r\n")) + "\r\n");
        f.cmbtipo.text = tipo;
        f.txtarquivo.text = numero;
        f.cmb_referencia.clear();
        carrega_pedido(p);
    }

    // Box-front or hidden order of one item: (quantity, size, EAN, master) per line; an empty EAN
    // is a size whose codes are not found.
    struct SizeLine {
        QString qte, tamanho, ean, master;
    };
    void boxFrontOrder(const QString& tipo, const std::vector<SizeLine>& sizes, const QString& preco = QString(),
                       const QString& descricao = QStringLiteral("TENIS CASUAL"))
    {
        QStringList lines{QStringLiteral("ORVENNA;PEDIDO 780001;LOJA EXEMPLO"),
                          QStringLiteral("QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA")};
        for (const SizeLine& s : sizes)
            lines << QStringLiteral("%1;PRETO;%2;REF 1;%3;%4;%5;23;A;;2;L1").arg(s.qte, s.tamanho, descricao, s.ean, s.master);
        order(tipo, QStringLiteral("780001"), QStringLiteral("FRENTE"), lines);
        f.txtpreco.text = preco;
    }

    void accessoryOrder()
    {
        order(kAcessorio, QStringLiteral("780002"), QStringLiteral("ACESSORIO"),
              {QStringLiteral("MERVALK;PEDIDO 780002;LOJA EXEMPLO"),
               QStringLiteral("QTDE;COR;TAMANHO;DESCRICAO;SEMANA;FAIXA;EAN;CODIGO;PRECO;SUFIXO;PROMOCAO;LOJA"),
               QStringLiteral("5;PRETO;U;BOLSA TIRACOLO;23;A;5601234000122;7001234001;149,90;2;;L1")});
    }

    // A carton of nine volumes with a department header, pack codes 78912345000v0; its QR images
    // are already in tmp and a runtime stands in the Java folder, so no generator is started.
    void cartonOrder()
    {
        QStringList lines{QStringLiteral("MERVALK;PEDIDO 780003;DISTRIBUIDORA"),
                          QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;SEMANA;"
                                         "DESTINO;VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO")};
        for (int v = 1; v <= 9; ++v) {
            const QString code = QStringLiteral("78912345000%1").arg(v) + u'0';
            lines << QStringLiteral("24;01;4402318;PASSO FIRME LTDA;PRETO;TENIS CASUAL MASCULINO;%1;37 38 39;2 4 6;24;"
                                    "32;CD CAJAMAR;%2/9;2026;VERAO;MASCULINO;01/12/2026")
                         .arg(code)
                         .arg(v);
            QImage qr(66, 66, QImage::Format_RGB32);
            qr.fill(Qt::white);
            qr.save(tw.path(QStringLiteral("tmp/%1.jpg").arg(code)), "JPG");
        }
        tw.write(QStringLiteral("jre/java"), QStringLiteral("#!/bin/sh\n"));
        tw.write(QStringLiteral("jre/java.exe"), QStringLiteral("#!/bin/sh\n"));
        f.lbljava.caption = tw.path(QStringLiteral("jre"));
        order(kCorrugado, QStringLiteral("780003"), QStringLiteral("CORRUGADO"), lines);
    }

    std::vector<Page> printed() const
    {
        std::vector<Page> out;
        for (const auto& doc : chosen.documents())
            out.insert(out.end(), doc.pages.begin(), doc.pages.end());
        return out;
    }
    // The barcode pictures printed on the chosen printer, one per label.
    std::vector<Op> barcodes() const
    {
        std::vector<Op> out;
        for (const Page& page : printed())
            for (const Op& op : page.ops)
                if (op.kind == RecordingPrinter::Kind::Picture && !op.barcode.isEmpty())
                    out.push_back(op);
        return out;
    }
    bool nothingPrinted() const
    {
        return chosen.documents().empty() && !chosen.openDocument() && standard.documents().empty() &&
               !standard.openDocument();
    }
    bool defaultCurrent() const { return tw.printers.currentIndex() == 0; }
};
