#pragma once

#include "labels/pack/novo_etipack.h"
#include "platform/processes.h"
#include "tests/common/testworkstation.h"
#include "tests/labels/pack_support.h"

#include <QDir>
#include <vector>

// A carton on the main window, a fake generator that makes every image, and the recording
// printer set up as the print command sets it up for pack labels.
struct PackLayout {
    using Page = RecordingPrinter::Page;
    using Op = RecordingPrinter::Op;

    explicit PackLayout(const QString& javaBody = FakeJava::writesAll()) : java(javaBody)
    {
        QDir().mkpath(ws.path(QStringLiteral("tmp")));
        ws.ws.processes = &processes;
        MainForm& f = ws.form;
        f.lbljava.caption = java.folder();
        f.txtdestino1.text = QStringLiteral("CD CAJAMAR");
        f.txtarquivo.text = QStringLiteral("780123");
        f.txtsemana1.text = QStringLiteral("32/2026");
        f.txtdepartamento.text = QStringLiteral("MASCULINO");
        f.txtfornecedor1.text = QStringLiteral("PASSO FIRME");
        f.txtcor1.text = QStringLiteral("PRETO");
        f.txtdescricao1.text = QStringLiteral("TENIS CASUAL");
        f.txtgrade1.text = QStringLiteral("37 38 39");
        f.txtgrade2.text = QStringLiteral("2 4 6");
        f.txttotgrade.text = QStringLiteral("24");
        f.tem_departamento = true;
        ws.g.margem_pack_x = 3;
        ws.g.margem_pack_y = 3;
        ws.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
        volumes(1, 3);
    }

    // Volumes first..last of the carton, the pack code of volume v being "C<v>".
    void volumes(int first, int last)
    {
        QStringList pack;
        for (int v = first; v <= last; ++v)
            pack << QStringLiteral("%1|C%2|%2/%3").arg(master).arg(v).arg(last);
        fillCarton(ws.form, master, pack, first, last);
    }

    RecordingPrinter& printer() { return ws.printers.recording(); }

    // One print run from the print command's copies of the fields; the pages it ended with.
    std::vector<Page> print(int from, int to)
    {
        RecordingPrinter& pr = printer();
        pr.setScaleMode(ScaleMode::Millimetres);
        pr.setWidth(Twips{9000});
        pr.setHeight(Twips{9000});
        pr.setPaperSize(Printer::kUserPaper);
        pr.setFontName(ws.g.fonte_etiqueta);
        const MainForm& f = ws.form;
        m_cd = f.txtdestino1.text;
        m_codigo = f.txtean.text;
        const size_t before = pr.documents().size();
        Novo_EtiPack(ws.program, ws.g.codigo_marca, m_cd, f.txtarquivo.text, f.txtcodigo1.text, f.txtfornecedor1.text,
                     f.txtdescricao1.text, f.txtcor1.text, m_codigo, f.txtgrade1.text, f.txtgrade2.text,
                     f.txttotgrade.text, static_cast<int16_t>(from), static_cast<int16_t>(to), f.txtsemana1.text);
        pr.endDoc();
        if (pr.documents().size() == before)
            return {};
        return pr.documents().back().pages;
    }

    // The codes the last request asked for, in its order.
    QStringList requested() const
    {
        QStringList out;
        const QString request = QString::fromLatin1(ws.readBytes(QStringLiteral("tmp/qr.xml")));
        for (const QString& line : request.split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("   <codigo>")))
                out << line.mid(11).chopped(9);
        return out;
    }

    // The text printed with its top at y, or null.
    static const Op* textAt(const Page& page, double y)
    {
        for (const Op& op : page.ops)
            if (op.kind == RecordingPrinter::Kind::Text && std::abs(op.y - y) < 1e-4)
                return &op;
        return nullptr;
    }
    static std::vector<const Op*> pictures(const Page& page)
    {
        std::vector<const Op*> out;
        for (const Op& op : page.ops)
            if (op.kind == RecordingPrinter::Kind::Picture)
                out.push_back(&op);
        return out;
    }

    QString master = QStringLiteral("4402318");
    TestWorkstation ws;
    QtProcesses processes;
    FakeJava java;
    QString m_cd, m_codigo;
};
