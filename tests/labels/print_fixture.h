#pragma once

#include "labels/product/cmd_printacessorio.h"
#include "orders/carrega_corrugado.h"
#include "orders/carrega_pedido.h"
#include "platform/processes.h"
#include "platform/recordingprinter.h"
#include "tests/common/testworkstation.h"
#include "tests/labels/pack_support.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

// Texts in failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << "{\"" << l.join("\", \"").toStdString() << "\"}"; }

// A workstation with two recording printers, the default "Padrao" and the chosen "Zebra", a
// settings file, logos loaded and a fake QR generator: the state the window is in when the
// operator presses "&Imprimir Etiquetas".
struct PrintDesk {
    using Page = RecordingPrinter::Page;

    static inline const QString kFrente = QStringLiteral("Frente de Caixa");
    static inline const QString kOculta = QStringLiteral("Oculta");
    static inline const QString kAcessorio = QStringLiteral("Acessório");
    static inline const QString kCorrugado = QStringLiteral("Corrugado");
    static inline const QString k100x40 = QStringLiteral("Frente de Caixa100x40");

    TestWorkstation tw{{QStringLiteral("Padrao"), QStringLiteral("Zebra")}, 0};
    MainForm& f = tw.form;
    Globals& g = tw.g;
    Program& p = tw.program;
    RecordingPrinter& standard = tw.printers.printer(0);
    RecordingPrinter& chosen = tw.printers.printer(1);
    QtProcesses processes;
    FakeJava java;
    QStringList closed;  // the margin dialogs the run closed, in order

    // javaBody: what the stand-in QR generator does (pack_support.h).
    explicit PrintDesk(const QString& javaBody = FakeJava::writesAll()) : java(javaBody)
    {
        f.lblpath.caption = tw.folder();
        f.lblprinterdefault.caption = QStringLiteral("Padrao");
        f.CMBPRINTER.text = QStringLiteral("Zebra");
        f.lbljava.caption = java.folder();
        tw.ws.processes = &processes;
        QDir().mkpath(tw.path(QStringLiteral("tmp")));
        g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
        g.tem_logo1 = g.tem_logo2 = true;
        f.pctlogo1.picture = logo(QStringLiteral("mervalk.jpg"));
        f.pctlogo2.picture = logo(QStringLiteral("orvenna.jpg"));
        margins(QStringLiteral("Margem_oculta1=0\r\nMargem_oculta11=40\r\nMargem_oculta2=2,2\r\nMx4045_1=0\r\n"
                               "Mx4045_2=40\r\nMx4045=2,2\r\nPackX=2,2\r\nPackY=2,1\r\n"));
    }

    static Picture logo(const QString& file)
    {
        Picture pic;
        pic.image = QImage(200, 40, QImage::Format_RGB32);
        pic.image.fill(Qt::gray);
        pic.file = file;
        return pic;
    }

    // The settings file with these lines in "MargemOcultaZebra".
    void margins(const QString& lines) const
    {
        tw.write(QStringLiteral("Pendrova.ini"), QStringLiteral("[MargemOcultaZebra]\r\n") + lines);
    }
    void removeSettings() const { QFile::remove(tw.path(QStringLiteral("Pendrova.ini"))); }

    // Writes an order file and loads it as the window does for this label type.
    void order(const QString& tipo, const QString& numero, const QString& word, const QStringList& lines)
    {
        tw.write(QStringLiteral("PEDIDO %1 %2.txt").arg(numero, word), lines.join(QStringLiteral("\r\n")) + "\r\n");
        f.cmbtipo.text = tipo;
        f.txtarquivo.text = numero;
        f.cmb_referencia.clear();
        carrega_pedido(p);
    }

    // A box-front order of one item, "4501237", with the given (quantity, size, EAN, master)
    // lines. The brand caption it gets is "ORVENNA".
    struct SizeLine {
        QString qte, tamanho, ean, master;
    };
    void boxFrontOrder(const QString& tipo, const std::vector<SizeLine>& sizes, const QString& cor = "PRETO",
                       const QString& descricao = "TENIS CASUAL")
    {
        QStringList lines{QStringLiteral("ORVENNA;PEDIDO 780001;LOJA EXEMPLO"),
                          QStringLiteral("QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA")};
        for (const SizeLine& s : sizes)
            lines << QStringLiteral("%1;%2;%3;REF 1;%4;%5;%6;23;A;;2;L1")
                         .arg(s.qte, cor, s.tamanho, descricao, s.ean, s.master);
        order(tipo, QStringLiteral("780001"), QStringLiteral("FRENTE"), lines);
    }
    // Cells 38 x 2 and 39 x 1, both with codes.
    void twoSizes(const QString& tipo, const QString& cor = "PRETO", const QString& descricao = "TENIS CASUAL")
    {
        boxFrontOrder(tipo, {{"2", "38", "789123456780", "4501237038"}, {"1", "39", "789123456781", "4501237039"}},
                      cor, descricao);
    }

    void accessoryOrder(const QString& qte = QStringLiteral("3"), const QString& preco = QStringLiteral("149,90"))
    {
        order(kAcessorio, QStringLiteral("780002"), QStringLiteral("ACESSORIO"),
              {QStringLiteral("MERVALK;PEDIDO 780002;LOJA EXEMPLO"),
               QStringLiteral("QTDE;COR;TAMANHO;DESCRICAO;SEMANA;FAIXA;EAN;CODIGO;PRECO;SUFIXO;PROMOCAO;LOJA"),
               QStringLiteral("%1;PRETO;U;BOLSA TIRACOLO;23;A;5601234000122;7001234001;%2;2;;L1").arg(qte, preco)});
    }

    // A carton of four volumes, master "4402318", pack codes 7891234500014, ...21, ...38, ...45.
    void cartonOrder()
    {
        QStringList lines{QStringLiteral("MERVALK;PEDIDO 780003;DISTRIBUIDORA"),
                          QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;SEMANA;"
                                         "DESTINO;VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO")};
        const char* eans[] = {"7891234500014", "7891234500021", "7891234500038", "7891234500045"};
        for (int v = 1; v <= 4; ++v)
            lines << QStringLiteral("24;01;4402318;PASSO FIRME LTDA;PRETO;TENIS CASUAL MASCULINO;%1;37 38 39;2 4 6;24;"
                                    "32;CD CAJAMAR;%2/4;2026;VERAO;MASCULINO;01/12/2026")
                         .arg(QString::fromLatin1(eans[v - 1]))
                         .arg(v);
        order(kCorrugado, QStringLiteral("780003"), QStringLiteral("CORRUGADO"), lines);
    }
    // A carton of master "4402318" with or without the department column: one line per entry of
    // lines, each a pack code and its volume text ("3/4").
    struct CartonLine {
        QString code, volume;
    };
    void cartonOrderOf(bool departamento, const std::vector<CartonLine>& entries)
    {
        QStringList lines{QStringLiteral("MERVALK;PEDIDO 780004;DISTRIBUIDORA")};
        if (departamento)
            lines << QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;SEMANA;"
                                    "DESTINO;VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO");
        else
            lines << QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;PRE PACK;GRADE;QTDE GRADE;TOTAL;"
                                    "SEMANA;DESTINO;VOLUME");
        for (const CartonLine& e : entries)
            lines << (departamento ? QStringLiteral("24;01;4402318;PASSO FIRME LTDA;PRETO;TENIS CASUAL MASCULINO;%1;"
                                                    "37 38 39;2 4 6;24;32;CD CAJAMAR;%2;2026;VERAO;MASCULINO;01/12/2026")
                                   : QStringLiteral("24;01;4402318;PASSO FIRME LTDA;PRETO;TENIS CASUAL MASCULINO;%1;"
                                                    "4402318P24;37 38 39;2 4 6;24;32;CD CAJAMAR;%2"))
                         .arg(e.code, e.volume);
        order(kCorrugado, QStringLiteral("780004"), QStringLiteral("CORRUGADO"), lines);
    }
    // Cartons of one master code, "4402318", and one description, one per colour, their lines
    // one after the other; volume v of a carton is "v/<its count>".
    struct ColourCarton {
        QString colour;
        QStringList codes;
    };
    void twoColourOrder(bool departamento, const std::vector<ColourCarton>& cartons)
    {
        QStringList lines{QStringLiteral("MERVALK;PEDIDO 780006;DISTRIBUIDORA")};
        lines << (departamento ? QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;"
                                                "SEMANA;DESTINO;VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO")
                               : QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;PRE PACK;GRADE;QTDE GRADE;"
                                                "TOTAL;SEMANA;DESTINO;VOLUME"));
        for (const ColourCarton& c : cartons)
            for (int v = 1; v <= c.codes.size(); ++v)
                lines << (departamento ? QStringLiteral("24;01;4402318;PASSO FIRME LTDA;%1;TENIS CASUAL;%2;37 38 39;"
                                                        "2 4 6;24;32;CD CAJAMAR;%3/%4;2026;VERAO;MASCULINO;01/12/2026")
                                       : QStringLiteral("24;01;4402318;PASSO FIRME LTDA;%1;TENIS CASUAL;%2;4402318P24;"
                                                        "37 38 39;2 4 6;24;32;CD CAJAMAR;%3/%4"))
                             .arg(c.colour, c.codes[v - 1])
                             .arg(v)
                             .arg(c.codes.size());
        order(kCorrugado, QStringLiteral("780006"), QStringLiteral("CORRUGADO"), lines);
    }
    // Picks an item in "Produto" and leaves the list, which loads it.
    void chooseCarton(int index)
    {
        f.cmb_referencia1.setListIndex(index);
        carrega_corrugado(p);
    }
    // The codes the last QR request asked for, in its order.
    QStringList requested() const
    {
        QStringList out;
        const QString request = QString::fromLatin1(tw.readBytes(QStringLiteral("tmp/qr.xml")));
        for (const QString& line : request.split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("   <codigo>")))
                out << line.mid(11).chopped(9);
        return out;
    }
    // A JPEG whose compressed data is most of the file, so a cut lands in it; made once.
    static QString writeNoisyJpeg()
    {
        static QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/noisy.jpg");
        if (!QFile::exists(path)) {
            QImage image(240, 240, QImage::Format_Grayscale8);
            quint32 seed = 12345;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    seed = seed * 1664525u + 1013904223u;
                    image.setPixel(x, y, qRgb(seed >> 24, seed >> 24, seed >> 24));
                }
            image.save(path, "JPEG", 90);
        }
        return path;
    }

    void volumes(const QString& first, const QString& last)
    {
        f.cmb_vol1.text = first;
        f.cmb_vol2.text = last;
    }

    void run()
    {
        cmd_printacessorio_Click(p, [this](Program&, const QString& dialog) { closed << dialog; });
    }

    // The pages of the documents a printer ended, all in one list.
    static std::vector<Page> printedOn(const RecordingPrinter& printer)
    {
        std::vector<Page> out;
        for (const auto& doc : printer.documents())
            out.insert(out.end(), doc.pages.begin(), doc.pages.end());
        return out;
    }
    std::vector<Page> printed() const { return printedOn(chosen); }
    // How many barcode pictures of each code a printer printed: one per label.
    static QMap<QString, int> labelsByCodeOn(const RecordingPrinter& printer)
    {
        QMap<QString, int> out;
        for (const Page& page : printedOn(printer))
            for (const auto& op : page.ops)
                if (op.kind == RecordingPrinter::Kind::Picture && !op.barcode.isEmpty())
                    ++out[op.barcode];
        return out;
    }
    QMap<QString, int> labelsByCode() const { return labelsByCodeOn(chosen); }
    // Nothing drawn on either printer, nothing left open, and the default printer current.
    bool nothingPrinted() const
    {
        return chosen.documents().empty() && !chosen.openDocument() && standard.documents().empty() &&
               !standard.openDocument();
    }
    bool defaultCurrent() { return tw.printers.currentIndex() == 0; }
};

// The file of the picture painted on a page (a carton's QR image); empty when none.
inline QString qrFileOf(const RecordingPrinter::Page& page)
{
    for (const auto& op : page.ops)
        if (op.kind == RecordingPrinter::Kind::Picture && !op.file.isEmpty())
            return op.file;
    return {};
}

// Texts of a page, in drawing order.
inline QStringList textsOf(const RecordingPrinter::Page& page)
{
    QStringList out;
    for (const auto* op : page.texts())
        out << op->text;
    return out;
}
