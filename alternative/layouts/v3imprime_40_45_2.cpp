#include "alternative/layouts/v3imprime_40_45_2.h"

#include "labels/toolkit/description.h"
#include "labels/toolkit/digits.h"
#include "labels/toolkit/elements.h"
#include "labels/toolkit/price.h"
#include "labels/toolkit/symbol.h"
#include "labels/toolkit/twoacross.h"
#include "platform/vb.h"

#include <array>

using namespace labels;

namespace {

enum class Field {
    Week, Promotion, Symbol, Logo, Reference, PriceInteger, PriceCents, Currency, Cash, PriceEnd, Code, Line1,
    Line2, Colour, Millimetres, Size, Digits1, Digits2
};
enum class When { Always, Price, OneLine, TwoLines, Size1, Size2, Size3 };
using Row = Element<Field, When>;

constexpr Bold On = Bold::On, Off = Bold::Off;

// The description's own size, 9 or 7 pt, is set by the rows that print it.
constexpr double kDescriptionSize = 0;

// The label from the top down; x and y in millimetres from the label's top-left corner. No row
// names a font: every text is in the label font.
constexpr std::array kLabel{
    Row{Field::Week, When::Always, {nullptr, 9, On}, 16, 30.2},
    Row{Field::Promotion, When::Always, {nullptr, 12, On}, 32, 29.5},
    Row{Field::Symbol, When::Always, {}, 10.6, 33, 35, 14},
    // The leftmost 30 mm of the brand "O" logo.
    Row{Field::Logo, When::Always, {}, 1.9, 0, 20, 10, 30},
    Row{Field::Reference, When::Always, {nullptr, 34, On}, 21.5, -0.6},
    // Right-aligned on measured widths against 35 mm: the cents end 0.1 before it.
    Row{Field::PriceInteger, When::Price, {nullptr, 22, On}, 35 + 0.1, 9.2, 0, 0, 0, kCentsWidth | kIntegerWidth},
    Row{Field::PriceCents, When::Price, {nullptr, 9, On}, 35 - 0.1, 9, 0, 0, 0, kCentsWidth},
    Row{Field::Currency, When::Price, {nullptr, 8, Off}, 35 - 0.35, 12.7, 0, 0, 0,
        kCentsWidth | kIntegerWidth | kCurrencyWidth},
    Row{Field::Cash, When::Price, {nullptr, 7, Off}, 35 - 1, 12.7, 0, 0, 0,
        kCentsWidth | kIntegerWidth | kCurrencyWidth | kCashWidth},
    Row{Field::PriceEnd, When::Always, {nullptr, 0, Off}},
    Row{Field::Code, When::OneLine, {nullptr, 8, Off}, 2.3, 19},
    Row{Field::Line1, When::OneLine, {nullptr, kDescriptionSize, Off}, 2.3, 22.2},
    Row{Field::Colour, When::OneLine, {nullptr, kDescriptionSize, Off}, 2.3, 25.4},
    Row{Field::Code, When::TwoLines, {nullptr, 8, Off}, 2.3, 16},
    Row{Field::Line1, When::TwoLines, {nullptr, kDescriptionSize, Off}, 2.3, 19.2},
    Row{Field::Line2, When::TwoLines, {nullptr, kDescriptionSize, Off}, 2.3, 22.4},
    Row{Field::Colour, When::TwoLines, {nullptr, kDescriptionSize, Off}, 2.3, 25.6},
    Row{Field::Millimetres, When::Always, {}},
    Row{Field::Size, When::Size1, {nullptr, 30, On}, 4.5, 33.4},
    Row{Field::Size, When::Size2, {nullptr, 30, On}, 1.8, 33.4},
    Row{Field::Size, When::Size3, {nullptr, 22, On}, 0.4, 33.4},
    Row{Field::Digits1, When::Always, {nullptr, 7, Off}, 15.8, 39.8},
    Row{Field::Digits2, When::Always, {nullptr, 7, Off}, 27.2, 39.8},
};

// Each price part is measured in the size and weight that prints it.
constexpr PriceFonts kPriceFonts{{{nullptr, 9, On}, {nullptr, 22, On}, {nullptr, 8, Off}, {nullptr, 7, Off}}};

constexpr double kSmallerAbove = 45;  // mm at 9 pt: wider descriptions print at 7 pt
constexpr double kSplitAbove = 35;    // mm at the description's size

// A description wider than the limit breaks at the last blank up to the first prefix that
// reaches the limit, the blank staying on the first line; without a blank there the word is cut
// after that prefix.
DescriptionLines splitDescription(const QString& text, const TextWidth& width)
{
    if (width(text) <= kSplitAbove)
        return {text, {}};
    const int k = firstPrefix(text, width, [](int, double w) { return w >= kSplitAbove; });
    if (k == 0)
        return {text, {}};
    const int j = lastBreak(text, k, u" ");
    const int cut = j > 0 ? j : k;
    return {vb::Left(text, cut), vb::Mid(text, cut + 1)};
}

}  // namespace

void V3Imprime_40_45_2(Program& program, QString& M_TIPO, const QString& m_descricao, const QString& m_cor,
                       const QString& m_referencia, const QString& m_codigo, const QString& m_codbar,
                       const QString& m_tamanho, const QString& m_preco, int16_t m_qte, const QString& m_promocao,
                       const QString& m_semana)
{
    Globals& g = program.g;
    MainForm& form = program.form;
    Printer& printer = program.ws.printers.current();

    M_TIPO = QStringLiteral("O");
    // Measured in the caller's scale and in the bold the printer holds.
    printer.setFontName(g.fonte_etiqueta);
    printer.setFontSize(9);
    const TextWidth width = [&](const QString& s) { return printer.textWidth(s); };
    double d = 9;
    if (width(m_descricao) > kSmallerAbove) {
        printer.setFontSize(7);
        d = 7;
    }
    const DescriptionLines lines = splitDescription(m_descricao, width);
    printer.setScaleMode(ScaleMode::Millimetres);

    const bool price = !sem_preco(m_preco);
    const bool twoLines = !vb::Trim(lines.second).isEmpty();
    const bool sizeGiven = !vb::Trim(m_tamanho).isEmpty();
    const int sizeLength = vb::Len(m_tamanho);
    const PriceParts parts = splitPrice(m_preco);
    const auto holds = [&](When w) {
        switch (w) {
        case When::Always: return true;
        case When::Price: return price;
        case When::OneLine: return !twoLines;
        case When::TwoLines: return twoLines;
        case When::Size1: return sizeGiven && sizeLength == 1;
        case When::Size2: return sizeGiven && sizeLength == 2;
        case When::Size3: return sizeGiven && sizeLength == 3;
        }
        return false;
    };
    const auto printDescription = [&](double x, double y, const QString& text) {
        printer.setFontSize(d);
        printAt(printer, x, y, text);
    };

    const Columns at{g.margem_caixa_col1, g.margem_caixa_col2, g.margem_caixa_topo};
    printTwoAcross(printer, g.coluna_etiqueta, m_qte, at, [&](double X, double Y) {
        printer.setFontBold(false);
        form.txtbarra.text = m_codbar;
        printer.setFontBold(true);
        const QStringList digits = digitGroups(form.txtbarra.text, {6, 7});
        const PriceWidths widths = price ? measurePrice(printer, parts, kPriceFonts) : PriceWidths{};
        drawElements(printer, kLabel, X, Y, holds, [&](const Row& e, double x, double y) {
            switch (e.field) {
            case Field::Week: printAt(printer, x, y, vb::Trim(m_semana)); break;
            case Field::Promotion: printAt(printer, x, y, vb::Trim(m_promocao)); break;
            case Field::Symbol:
                drawLabelSymbol(program);
                printer.setScaleMode(ScaleMode::Millimetres);
                paintElement(printer, form.Picture1.picture(), e, x, y);
                break;
            case Field::Logo: paintElement(printer, form.pctlogo2.picture, e, x, y); break;
            case Field::Reference: printAt(printer, x, y, m_referencia); break;
            case Field::PriceInteger: printAt(printer, x, y, parts.integer); break;
            case Field::PriceCents: printAt(printer, x, y, parts.cents); break;
            case Field::Currency: printAt(printer, x, y, currencyText()); break;
            case Field::Cash: printAt(printer, x, y, cashText()); break;
            case Field::PriceEnd: break;
            case Field::Code: printAt(printer, x, y, m_codigo); break;
            case Field::Line1: printDescription(x, y, vb::Trim(lines.first)); break;
            case Field::Line2: printDescription(x, y, vb::Trim(lines.second)); break;
            case Field::Colour: printDescription(x, y, vb::Trim(m_cor)); break;
            case Field::Millimetres: printer.setScaleMode(ScaleMode::Millimetres); break;
            case Field::Size: printAt(printer, x, y, m_tamanho); break;
            case Field::Digits1: printAt(printer, x, y, digits.at(0)); break;
            case Field::Digits2: printAt(printer, x, y, digits.at(1)); break;
            }
        }, &widths);
    });
}
