#include "labels/product/run_steps.h"

#include "platform/messages.h"
#include "platform/vb.h"
#include "settings/printers.h"
#include "settings/settings.h"


namespace printrun {

namespace {

using Entry = MarginFamily::Entry;
constexpr Entry kBoxFront[]{{&ini::kMx4045_1, &Globals::margem_caixa_col1},
                            {&ini::kMx4045_2, &Globals::margem_caixa_col2},
                            {&ini::kMx4045, &Globals::margem_caixa_topo}};
constexpr Entry kHidden[]{{&ini::kMargemOculta1, &Globals::margem_oculta_col1},
                          {&ini::kMargemOculta11, &Globals::margem_oculta_col2},
                          {&ini::kMargemOculta2, &Globals::margem_oculta_topo}};
constexpr Entry kPack[]{{&ini::kPackX, &Globals::margem_pack_x}, {&ini::kPackY, &Globals::margem_pack_y}};

}  // namespace

const MarginFamily kBoxFrontMargins{kBoxFront, false};
const MarginFamily kHiddenMargins{kHidden, false};
const MarginFamily kPackMargins{kPack, true};

void onPrinter(Program& p, std::initializer_list<PrinterStep> steps)
{
    for (const PrinterStep& step : steps)
        onPrinter(p, step);
}

PrinterStep millimetres()
{
    return [](Printer& printer) { printer.setScaleMode(ScaleMode::Millimetres); };
}

PrinterStep userPaper()
{
    return [](Printer& printer) { printer.setPaperSize(Printer::kUserPaper); };
}

PrinterStep width(Twips w)
{
    return [w](Printer& printer) { printer.setWidth(w); };
}

PrinterStep height(Twips h)
{
    return [h](Printer& printer) { printer.setHeight(h); };
}

PrinterStep fontName(const QString& name)
{
    return [name](Printer& printer) { printer.setFontName(name); };
}

void selectChosenPrinter(Program& p)
{
    tryStep([&] { define_impressora(p.ws.printers, p.form.CMBPRINTER.text); });
}

bool documentFailed(Program& p)
{
    bool failed = false;
    onPrinter(p, [&](Printer& printer) { failed = printer.failed(); });
    return failed;
}

EndedDocument endDocument(Program& p)
{
    EndedDocument d;
    onPrinter(p, [&](Printer& printer) {
        d.whole = printer.endDoc();
        d.printer = printer.deviceName();
        d.reason = printer.failure();
    });
    tryStep([&] { define_impressora(p.ws.printers, p.form.lblprinterdefault.caption); });
    return d;
}

void tellFailedDocument(Program& p, const EndedDocument& d)
{
    if (!d.whole)
        p.ws.messages.show(QStringLiteral("Não foi possível imprimir na impressora \"%1\": %2").arg(d.printer, d.reason),
                           mb::OKOnly | mb::Critical);
}

namespace why {

QString sizeNotNumber()
{
    return QStringLiteral("o tamanho não é um número, e o EAN só é procurado para tamanhos numéricos");
}

QString noEan() { return QStringLiteral("o pedido não tem o EAN deste tamanho"); }

QString noItemEan() { return QStringLiteral("o pedido não tem o EAN deste item"); }

QString noMaster() { return QStringLiteral("o pedido não tem o código master deste tamanho"); }

QString badQuantity(const QString& typed, bool itemTotal)
{
    return (itemTotal ? QStringLiteral("o Total de Itens \"%1\"") : QStringLiteral("a quantidade \"%1\"")).arg(typed) +
           QStringLiteral(" não é um número inteiro de 0 a 32767");
}

QString roundsToNoLabel(const QString& typed, bool itemTotal)
{
    const QString what = itemTotal ? QStringLiteral("o Total de Itens \"%1\" arredondado")
                                   : QStringLiteral("a quantidade \"%1\" arredondada");
    return what.arg(typed) + QStringLiteral(" dá 0 etiquetas");
}

QString doubledPastLimit(const QString& typed)
{
    return QStringLiteral("a quantidade \"%1\" dá mais de 32767 etiquetas ocultas (duas por par)").arg(typed);
}

QString afterStop() { return QStringLiteral("a impressão parou antes deste tamanho (Erro - 1012)"); }

QString refusedSymbol(const QString& drawerText)
{
    return QStringLiteral("o código de barras não pôde ser gerado (%1)").arg(drawerText);
}

}  // namespace why

namespace {

// The operator's own 0 ("0", "00", "0,0"), not a fraction that rounds to no label ("0,4").
bool typedZero(const QString& typed)
{
    const std::optional<double> v = vb::parseNumber(typed);
    return v && *v == 0;
}

}  // namespace

std::optional<int16_t> labelCount(const QString& typed, bool doubled)
{
    std::optional<int16_t> count;
    tryStep([&] { count = doubled ? vb::CInt(vb::CDbl(typed) * 2) : vb::CInt(typed); });
    return count;
}

QString quantityReason(const QString& typed, bool doubled, bool itemTotal)
{
    const std::optional<int16_t> count = labelCount(typed, doubled);
    if (count && *count > 0)
        return {};
    if (count && *count == 0)
        return typedZero(typed) ? QString() : why::roundsToNoLabel(vb::Trim(typed), itemTotal);
    // A doubled count out of range from a quantity that is in range: the doubling is the cause.
    if (doubled && !count) {
        const std::optional<int16_t> pairs = labelCount(typed, false);
        if (pairs && *pairs >= 0)
            return why::doubledPastLimit(vb::Trim(typed));
    }
    return why::badQuantity(vb::Trim(typed), itemTotal);
}

std::optional<int16_t> countNotingWhy(UnprintedLabels& unprinted, const QString& label, const QString& code,
                                      const QString& typed, bool doubled, bool itemTotal)
{
    if (const QString reason = quantityReason(typed, doubled, itemTotal); !reason.isEmpty())
        unprinted.append({label, code, reason});
    return labelCount(typed, doubled);
}

bool asksForLabels(const QString& typed, bool doubled)
{
    const std::optional<int16_t> count = labelCount(typed, doubled);
    return !count || *count != 0 || !typedZero(typed);
}

QString sizeLabel(const QString& caption) { return QStringLiteral("tamanho ") + vb::Trim(caption); }

QString missingCodesReason(Program& p, const QString& caption)
{
    if (!vb::parseNumber(caption))
        return why::sizeNotNumber();
    return vb::Trim(p.form.lblbarra.caption).isEmpty() ? why::noEan() : why::noMaster();
}

void noteCellsAfterStop(Program& p, int first, bool doubled, UnprintedLabels& unprinted)
{
    MainForm& f = p.form;
    for (int i = first; i < MainForm::kSizeCells; ++i) {
        const QString typed = f.txtnumero[i].text;
        if (!vb::Trim(typed).isEmpty() && asksForLabels(typed, doubled))
            unprinted.append({sizeLabel(f.Label7[i].caption), QString(), why::afterStop()});
    }
}

void tellUnprinted(Program& p, const UnprintedLabels& unprinted)
{
    if (unprinted.isEmpty())
        return;
    QString text = QStringLiteral("Etiquetas não impressas:");
    for (const UnprintedLabel& u : unprinted) {
        text += u'\n' + u.label;
        if (!u.code.isEmpty())
            text += QStringLiteral(", código \"") + u.code + u'"';
        text += QStringLiteral(": ") + u.reason;
    }
    p.ws.messages.show(text, mb::OKOnly | mb::Exclamation);
}

bool colourAccepted(Program& p, const QString& cor)
{
    if (!vb::Trim(cor).isEmpty())
        return true;
    return p.ws.messages.show(QStringLiteral("O Item está sem COR!, Imprimir mesmo assim"), mb::YesNo | mb::Question) !=
           mb::No;
}

bool logosPresent(Program& p)
{
    if (p.g.tem_logo1 && p.g.tem_logo2)
        return true;
    p.ws.messages.show(QStringLiteral("O Arquivo do Logotipo não foi localizado"), mb::OKOnly | mb::Critical);
    return false;
}

void showSelectItem(Program& p) { p.ws.messages.show(QStringLiteral("Selecione o Item que deseja Imprimir")); }

void showInvalidCode(Program& p) { p.ws.messages.show(QStringLiteral("Código Inválido")); }

void setBrandLetter(Program& p)
{
    p.g.codigo_marca = vb::Left(p.form.LBLMERVALK.caption, 1) == QStringLiteral("O") ? QStringLiteral("O")
                                                                                      : QStringLiteral("K");
}

void readMargins(Program& p, const MarginFamily& family)
{
    Globals& g = p.g;
    if (family.presetFallback)
        for (const Entry& e : family.entries)
            g.*e.variable = e.key->printFallback;

    bool fileFound = true;
    const QString path = settingsPath(p.ws.files);
    tryStep([&] { fileFound = p.ws.files.fileExists(path); });
    for (const Entry& e : family.entries) {
        if (!fileFound) {
            g.*e.variable = e.key->printFallback;
            continue;
        }
        tryStep([&] {
            const QString value = le_ini(p.ws.profile, path, qs(ini::kMargens), qs(e.key->key), QString());
            // A blank key falls back; text that is no number raises here and leaves the margin.
            g.*e.variable = vb::Trim(value).isEmpty() ? e.key->printFallback : vb::CSng(value);
        });
    }
}

}  // namespace printrun
