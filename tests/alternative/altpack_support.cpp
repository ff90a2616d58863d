#include "tests/alternative/altpack_support.h"

#include "platform/qtprinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include "tests/common/symbols.h"

namespace altpack {


QSizeF MeasuredPrinter::measure(const QString& text, const PrinterFont& font) const
{
    if (width)
        if (const auto w = width(text, font.size))
            return {*w, font.size * 0.4};
    return RecordingPrinter::measure(text, font);
}

Carton::Carton(const QString& javaBody) : java(javaBody)
{
    QDir().mkpath(t.path(QStringLiteral("tmp")));
    station.processes = &processes;
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
    t.g.margem_pack_x = 3;
    t.g.margem_pack_y = 3;
    t.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
    t.g.codigo_marca = QStringLiteral("K");
    volumes(1, 3);
}

void Carton::volumes(int first, int last)
{
    QStringList entries;
    for (int v = first; v <= last; ++v)
        entries << QStringLiteral("%1|C%2|%2/%3").arg(master).arg(v).arg(last);
    pack(entries, first, last);
}

void Carton::pack(const QStringList& entries, int first, int last)
{
    f.txtcodigo1.text = master;
    f.lsteanpack.items = entries;
    // The order lines of the entries, of 14 fields: an entry of another master code is a line of
    // another item.
    f.List1.clear();
    for (const QString& entry : entries) {
        const QStringList parts = entry.split(u'|');
        f.List1.addItem(QStringLiteral("24;01;%1;FORNECEDOR;PRETO;TENIS;%2;P24;37 38;2 4;24;32;CD;%3")
                            .arg(parts.value(0), parts.value(1), parts.value(2)));
    }
    f.cmb_referencia1.clear();
    f.cmb_referencia1.addItem(master.trimmed() + QStringLiteral(" | TENIS | PRETO"));
    f.cmb_referencia1.setListIndex(0);
    f.cmb_vol1.clear();
    f.cmb_vol2.clear();
    for (int v = first; v <= last; ++v) {
        f.cmb_vol1.addItem(QString::number(v));
        f.cmb_vol2.addItem(QString::number(v));
    }
    f.lblmax.caption = QString::number(last);
}

std::vector<Carton::Page> Carton::print(Layout layout, int from, int to)
{
    MeasuredPrinter& pr = printer();
    pr.setScaleMode(ScaleMode::Millimetres);
    pr.setWidth(Twips{9000});
    pr.setHeight(Twips{9000});
    pr.setPaperSize(Printer::kUserPaper);
    pr.setFontName(t.g.fonte_etiqueta);
    m_cd = f.txtdestino1.text;
    m_codigo = f.txtean.text;
    error.reset();
    const size_t before = pr.documents().size();
    try {
        layout(program, t.g.codigo_marca, m_cd, QStringLiteral("pedido?"), QStringLiteral("master?"),
               QStringLiteral("fornecedor?"), QStringLiteral("descricao?"), f.txtcor1.text, m_codigo,
               QStringLiteral("grade?"), QStringLiteral("qte?"), f.txttotgrade.text, static_cast<int16_t>(from),
               static_cast<int16_t>(to), QStringLiteral("semana?"));
    } catch (const ProgramError& e) {
        error = e.description();
    }
    pr.endDoc();
    if (pr.documents().size() == before)
        return {};
    return pr.documents().back().pages;
}

std::vector<const Carton::Op*> Carton::ofKind(const Page& page, RecordingPrinter::Kind kind)
{
    std::vector<const Op*> out;
    for (const Op& op : page.ops)
        if (op.kind == kind)
            out.push_back(&op);
    return out;
}

const Carton::Op* Carton::textAt(const Page& page, double y, double minX)
{
    for (const Op& op : page.ops)
        if (op.kind == RecordingPrinter::Kind::Text && std::abs(op.y - y) < 1e-4 && op.x > minX)
            return &op;
    return nullptr;
}

QString printPdf(Carton& c, Layout layout, int from, int to)
{
    installFontSubstitutes();
    QtPrinterSystem printers(c.t.files);
    Workstation station{c.t.files, c.t.profile, printers, c.t.messages, c.t.screen};
    station.processes = &c.processes;
    Program program{station, c.f, c.t.g};
    printers.makeCurrent(printers.count() - 1);
    if (printers.deviceName(printers.count() - 1) != QtPrinterSystem::kFilePrinterName)
        return {};

    Printer& pr = printers.current();
    pr.setScaleMode(ScaleMode::Millimetres);
    pr.setWidth(Twips{9000});
    pr.setHeight(Twips{9000});
    pr.setPaperSize(Printer::kUserPaper);
    pr.setFontName(c.t.g.fonte_etiqueta);
    c.m_cd = c.f.txtdestino1.text;
    c.m_codigo = c.f.txtean.text;
    layout(program, c.t.g.codigo_marca, c.m_cd, c.f.txtarquivo.text, c.f.txtcodigo1.text, c.f.txtfornecedor1.text,
           c.f.txtdescricao1.text, c.f.txtcor1.text, c.m_codigo, c.f.txtgrade1.text, c.f.txtgrade2.text,
           c.f.txttotgrade.text, static_cast<int16_t>(from), static_cast<int16_t>(to), c.f.txtsemana1.text);
    pr.endDoc();
    return printers.writtenFiles().value(0);
}

QString decode(const QImage& image, bool qr)
{
    return symbols::read(image, qr ? ZXing::BarcodeFormat::QRCode : ZXing::BarcodeFormat::Code39);
}



}  // namespace altpack
