#include "labels/product/imprime_40_45_2.h"

#include "labels/toolkit/description.h"
#include "labels/toolkit/digits.h"
#include "labels/toolkit/elements.h"
#include "labels/toolkit/price.h"
#include "labels/toolkit/symbol.h"
#include "labels/toolkit/twoacross.h"
#include "platform/vb.h"

#include <array>
#include <optional>

using namespace labels;

namespace {

enum class Field {
    Week, Promotion, Symbol, LogoO, LogoK, Reference, PriceInteger, PriceCents, Currency, Cash, Flag, Code,
    Line1, Line2, Colour, SizeFont, Size, Digits1, Digits2
};
enum class When {
    Always, LongPromotion, ShortPromotion, BrandO, OtherBrand, Price, NoPrice, OneLine, TwoLines,
    SizeGiven, Size1, Size2, Size3
};
using Row = Element<Field, When>;

constexpr const char* kCalibri = "Calibri";
constexpr const char* kFranklin = "Franklin Gothic Medium";
constexpr const char* kMalgun = "Malgun Gothic Semilight";
constexpr Bold On = Bold::On, Off = Bold::Off;

// The label from the top down; x and y in millimetres from the label's top-left corner.
constexpr std::array kLabel{
    Row{Field::Week, When::Always, {kCalibri, 8, Off}, 17, 29.4},
    Row{Field::Promotion, When::LongPromotion, {kCalibri, 14, On}, 30, 27},
    Row{Field::Promotion, When::ShortPromotion, {kCalibri, 16, On}, 30, 27},
    Row{Field::Symbol, When::Always, {}, 11.4, 33, 35, 14},
    Row{Field::LogoO, When::BrandO, {}, 2.5, 0, 38, 10, 300},
    Row{Field::LogoK, When::OtherBrand, {}, 2.5, 1.5, 38, 6, 355},
    Row{Field::Reference, When::Price, {kFranklin, 12, On}, 30, -0.3},
    Row{Field::Reference, When::NoPrice, {kFranklin, 30, On}, 20, -2.5},
    // The price is right-aligned on measured widths: the cents end at 39.2, the integer part
    // overlaps them by 0.2, "R$" and "À VISTA" stand to their left.
    Row{Field::PriceInteger, When::Price, {kCalibri, 30, On}, 39.3 + 0.1, 6.7, 0, 0, 0, kCentsWidth | kIntegerWidth},
    Row{Field::PriceCents, When::Price, {kCalibri, 9, On}, 39.3 - 0.1, 9, 0, 0, 0, kCentsWidth},
    Row{Field::Currency, When::Price, {kMalgun, 7, On}, 38.5 - 0.35, 13.4, 0, 0, 0,
        kCentsWidth | kIntegerWidth | kCurrencyWidth},
    Row{Field::Cash, When::Price, {kFranklin, 6, Off}, 38.5 - 1, 14.4, 0, 0, 0,
        kCentsWidth | kIntegerWidth | kCurrencyWidth | kCashWidth},
    Row{Field::Flag, When::Always, {kFranklin, 7, Off}, 35, 18.7},
    Row{Field::Code, When::OneLine, {kFranklin, 7, On}, 2.3, 19},
    Row{Field::Code, When::TwoLines, {kFranklin, 7, On}, 2.3, 18},
    Row{Field::Line1, When::Always, {kFranklin, 7, Off}, 2.3, 21},
    Row{Field::Line2, When::TwoLines, {kFranklin, 7, Off}, 2.3, 24},
    Row{Field::Colour, When::OneLine, {kFranklin, 7, Off}, 2.3, 24},
    Row{Field::Colour, When::TwoLines, {kFranklin, 7, Off}, 2.3, 27},
    // A given size switches to Calibri bold before its length is looked at, so the digits below
    // follow it in Calibri even when the size is too long to print.
    Row{Field::SizeFont, When::SizeGiven, {kCalibri, 0, On}},
    Row{Field::Size, When::Size1, {kCalibri, 32, On}, 4.1, 31},
    Row{Field::Size, When::Size2, {kCalibri, 32, On}, 1.6, 31},
    Row{Field::Size, When::Size3, {kCalibri, 22, On}, 1.2, 34},
    Row{Field::Digits1, When::Always, {nullptr, 7, Off}, 16.4, 39.5},
    Row{Field::Digits2, When::Always, {nullptr, 7, Off}, 27.7, 39.5},
};

// Price parts are measured each in the font that prints it.
constexpr PriceFonts kPriceFonts{{{kCalibri, 9, On}, {kCalibri, 30, On}, {kMalgun, 7, On}, {kFranklin, 6, Off}}};

constexpr double kDescriptionLimit = 32;  // mm, in "Franklin Gothic Semilight" 7 pt

// A description wider than the limit is cut after the first prefix that reaches it, word or not.
DescriptionLines splitDescription(const QString& text, const TextWidth& width)
{
    if (widthAgainst(text, width, kDescriptionLimit) <= kDescriptionLimit)
        return {text, {}};
    const int n = firstPrefix(text, width, [](int, double w) { return w >= kDescriptionLimit; });
    if (n == 0)
        return {text, {}};
    return {vb::Left(text, n), vb::Mid(text, n + 1)};
}

}  // namespace

void Imprime_40_45_2(Program& program, const QString& M_TIPO, const QString& m_descricao, const QString& m_cor,
                     const QString& m_referencia, const QString& m_codigo, const QString& m_codbar,
                     const QString& m_tamanho, const QString& m_preco, int16_t m_qte, const QString& m_promocao,
                     const QString& m_semana, const QString& m_bandeira)
{
    Globals& g = program.g;
    MainForm& form = program.form;
    Printer& printer = program.ws.printers.current();

    g.fonte_etiqueta = QStringLiteral("Franklin Gothic Semilight");
    const QString descricao = withoutLineBreaks(m_descricao);
    printer.setFontName(g.fonte_etiqueta);
    printer.setFontSize(7);
    const DescriptionLines lines =
        splitDescription(descricao, [&](const QString& s) { return printer.textWidth(s); });
    printer.setScaleMode(ScaleMode::Millimetres);

    const bool price = !sem_preco(m_preco);
    const bool twoLines = !vb::Trim(lines.second).isEmpty();
    const bool sizeGiven = !vb::Trim(m_tamanho).isEmpty();
    const int sizeLength = vb::Len(m_tamanho);
    const PriceParts parts = splitPrice(m_preco);

    const auto holds = [&](When w) {
        switch (w) {
        case When::Always: return true;
        case When::LongPromotion: return vb::Len(m_promocao) > 2;
        case When::ShortPromotion: return vb::Len(m_promocao) <= 2;
        case When::BrandO: return M_TIPO == QStringLiteral("O");
        case When::OtherBrand: return M_TIPO != QStringLiteral("O");
        case When::Price: return price;
        case When::NoPrice: return !price;
        case When::OneLine: return !twoLines;
        case When::TwoLines: return twoLines;
        case When::SizeGiven: return sizeGiven;
        case When::Size1: return sizeGiven && sizeLength == 1;
        case When::Size2: return sizeGiven && sizeLength == 2;
        case When::Size3: return sizeGiven && sizeLength == 3;
        }
        return false;
    };

    // The price is measured at the first label; every label of the call prints it alike, and each
    // row sets its whole font, so what the measuring left set is never printed with.
    std::optional<PriceWidths> measured;
    drawSymbolBeforeLabels(program, m_codbar, m_qte);
    const Columns at{g.margem_caixa_col1, g.margem_caixa_col2, g.margem_caixa_topo};
    printTwoAcross(printer, g.coluna_etiqueta, m_qte, at, [&](double X, double Y) {
        printer.setFontBold(false);
        form.txtbarra.text = m_codbar;
        const QStringList digits = digitGroups(form.txtbarra.text, {6, 7});
        if (!measured)
            measured = price ? measurePrice(printer, parts, kPriceFonts) : PriceWidths{};
        const PriceWidths& widths = *measured;
        drawElements(printer, kLabel, X, Y, holds, [&](const Row& e, double x, double y) {
            switch (e.field) {
            case Field::Week: printAt(printer, x, y, vb::Trim(m_semana)); break;
            case Field::Promotion: printAt(printer, x, y, vb::Trim(m_promocao)); break;
            case Field::Symbol:
                drawLabelSymbol(program);
                paintElement(printer, form.Picture1.picture(), e, x, y);
                break;
            case Field::LogoO: paintElement(printer, form.pctlogo2.picture, e, x, y); break;
            case Field::LogoK: paintElement(printer, form.pctlogo1.picture, e, x, y); break;
            case Field::Reference: printAt(printer, x, y, m_referencia); break;
            case Field::PriceInteger: printAt(printer, x, y, parts.integer); break;
            case Field::PriceCents: printAt(printer, x, y, parts.cents); break;
            case Field::Currency: printAt(printer, x, y, currencyText()); break;
            case Field::Cash: printAt(printer, x, y, cashText()); break;
            case Field::Flag: printAt(printer, x, y, m_bandeira); break;
            case Field::Code: printAt(printer, x, y, m_codigo); break;
            case Field::Line1: printAt(printer, x, y, lines.first); break;
            case Field::Line2: printAt(printer, x, y, lines.second); break;
            case Field::Colour: printAt(printer, x, y, vb::Trim(m_cor)); break;
            case Field::SizeFont: break;
            case Field::Size: printAt(printer, x, y, m_tamanho); break;
            case Field::Digits1: printAt(printer, x, y, digits.at(0)); break;
            case Field::Digits2: printAt(printer, x, y, digits.at(1)); break;
            }
        }, &widths);
    });
}
