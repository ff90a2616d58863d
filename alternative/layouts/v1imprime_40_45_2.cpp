#include "alternative/layouts/v1imprime_40_45_2.h"

#include "alternative/layouts/sides.h"
#include "labels/toolkit/description.h"
#include "labels/toolkit/digits.h"
#include "labels/toolkit/elements.h"
#include "labels/toolkit/price.h"
#include "labels/toolkit/symbol.h"
#include "platform/vb.h"

#include <array>

using namespace labels;

namespace {

enum class Field {
    Symbol, LogoO, LogoK, Reference, Cash, PriceAmount, PriceCents, Code, Line1, Line2, Colour, Size, Week,
    Promotion, Digit1, Digits2, Digits3
};
enum class When {
    Always, BrandOLeft, BrandORight, BrandO, OtherBrand, Price, OneLine, TwoLines, Size1O, Size2O, Size3O, Size1K,
    Size2K, Size3K
};
using Row = Element<Field, When>;

constexpr Bold On = Bold::On, Off = Bold::Off;
constexpr double kDescription = 0;  // the description's size, 9 or 7 pt, is chosen per call

// The label from the top down; x and y in millimetres from the label's origin. No row names a
// font: every text is in the label font.
constexpr std::array kLabel{
    Row{Field::Symbol, When::Always, {}, 10, 24.6, 35, 14},
    // The "O" logo sits 0.8 mm further left in the right column.
    Row{Field::LogoO, When::BrandOLeft, {}, 1.9, 0, 20, 10, 30},
    Row{Field::LogoO, When::BrandORight, {}, 1.1, 0, 20, 10, 30},
    Row{Field::LogoK, When::OtherBrand, {}, 2, 2.5, 21, 6, 55},
    Row{Field::Reference, When::BrandO, {nullptr, 30, On}, 23.5, 0.4},
    Row{Field::Reference, When::OtherBrand, {nullptr, 30, On}, 23.5, 1.0},
    Row{Field::Cash, When::Price, {nullptr, 6, Off}, 6.5, 12.6},
    Row{Field::PriceAmount, When::Price, {nullptr, 14, On}, 16.5, 10.5},
    Row{Field::PriceCents, When::Price, {nullptr, 8, On}, 16.5 + 0.4, 10.5},  // plus the amount's width
    Row{Field::Code, When::OneLine, {nullptr, 9, Off}, 2.3, 19},
    Row{Field::Code, When::TwoLines, {nullptr, 9, Off}, 2.3, 16},
    Row{Field::Line1, When::OneLine, {nullptr, kDescription, Off}, 2.3, 22},
    Row{Field::Line1, When::TwoLines, {nullptr, kDescription, Off}, 2.3, 19},
    Row{Field::Line2, When::TwoLines, {nullptr, kDescription, Off}, 2.3, 22},
    Row{Field::Colour, When::Always, {nullptr, kDescription, Off}, 2.3, 25},
    Row{Field::Size, When::Size1O, {nullptr, 24, On}, 3.7, 31.5},
    Row{Field::Size, When::Size2O, {nullptr, 24, On}, 2.5, 31.5},
    Row{Field::Size, When::Size3O, {nullptr, 20, On}, 2.3, 32},
    Row{Field::Size, When::Size1K, {nullptr, 24, On}, 3.8, 31.5},
    Row{Field::Size, When::Size2K, {nullptr, 24, On}, 2.8, 31.5},
    Row{Field::Size, When::Size3K, {nullptr, 20, On}, 2.5, 32},
    Row{Field::Week, When::Always, {nullptr, 9, On}, 20, 27.4},
    Row{Field::Promotion, When::Always, {nullptr, 12, On}, 35, 26.9},
    Row{Field::Digit1, When::Always, {nullptr, 8, Off}, 12.5, 37},
    Row{Field::Digits2, When::Always, {nullptr, 8, Off}, 16, 37.2},
    Row{Field::Digits3, When::Always, {nullptr, 8, Off}, 27.7, 37.2},
};

constexpr double kLargeDescription = 45;  // mm at 9 pt: wider than this prints at 7 pt
constexpr double kDescriptionLimit = 35;  // mm: from here the description takes two lines

// A description past the limit is cut after the last blank up to the character that reaches it,
// or after that character when there is no blank; the second line takes the rest, however wide.
DescriptionLines splitDescription(const QString& text, const TextWidth& width)
{
    if (width(text) <= kDescriptionLimit)
        return {text, {}};
    const int n = firstPrefix(text, width, [](int, double w) { return w >= kDescriptionLimit; });
    if (n == 0)
        return {text, {}};
    const int blank = lastBreak(text, n, u" ");
    const int cut = blank > 0 ? blank : n;
    return {vb::Left(text, cut), vb::Mid(text, cut + 1)};
}

}  // namespace

void v1Imprime_40_45_2(Program& program, const QString& M_TIPO, const QString& m_descricao, const QString& m_cor,
                       const QString& m_referencia, const QString& m_codigo, const QString& m_codbar,
                       const QString& m_tamanho, const QString& m_preco, int16_t m_qte, const QString& m_promocao,
                       const QString& m_semana)
{
    Globals& g = program.g;
    MainForm& form = program.form;
    Printer& printer = program.ws.printers.current();

    // Measured in the caller's scale and bold, before this layout touches either.
    printer.setFontName(g.fonte_etiqueta);
    double descriptionSize = 9;
    printer.setFontSize(descriptionSize);
    if (printer.textWidth(m_descricao) > kLargeDescription) {
        descriptionSize = 7;
        printer.setFontSize(descriptionSize);
    }
    const DescriptionLines lines =
        splitDescription(m_descricao, [&](const QString& s) { return printer.textWidth(s); });
    printer.setScaleMode(ScaleMode::Millimetres);

    const bool brandO = M_TIPO == QStringLiteral("O");
    const bool price = !sem_preco(m_preco);
    const bool twoLines = !vb::Trim(lines.second).isEmpty();
    const bool sizeGiven = !vb::Trim(m_tamanho).isEmpty();
    const int sizeLength = sizeGiven ? vb::Len(m_tamanho) : 0;
    const PriceParts parts = splitPrice(m_preco);

    const Columns at{g.margem_caixa_col1, g.margem_caixa_col2, g.margem_caixa_topo};
    printTwoAcrossBySide(printer, g.coluna_etiqueta, m_qte, at, [&](double X, double Y, Side side) {
        const auto holds = [&](When w) {
            switch (w) {
            case When::Always: return true;
            case When::BrandOLeft: return brandO && side == Side::Left;
            case When::BrandORight: return brandO && side == Side::Right;
            case When::BrandO: return brandO;
            case When::OtherBrand: return !brandO;
            case When::Price: return price;
            case When::OneLine: return !twoLines;
            case When::TwoLines: return twoLines;
            case When::Size1O: return brandO && sizeLength == 1;
            case When::Size2O: return brandO && sizeLength == 2;
            case When::Size3O: return brandO && sizeLength == 3;
            case When::Size1K: return !brandO && sizeLength == 1;
            case When::Size2K: return !brandO && sizeLength == 2;
            case When::Size3K: return !brandO && sizeLength == 3;
            }
            return false;
        };
        double amountWidth = 0;
        QStringList digits;
        const auto describe = [&](double x, double y, const QString& text) {
            printer.setFontSize(descriptionSize);
            printAt(printer, x, y, vb::Trim(text));
        };
        drawElements(printer, kLabel, X, Y, holds, [&](const Row& e, double x, double y) {
            switch (e.field) {
            case Field::Symbol:
                form.txtbarra.text = m_codbar;
                drawLabelSymbol(program);
                digits = digitGroups(form.txtbarra.text, {1, 6, 6});
                paintElement(printer, form.Picture1.picture(), e, x, y);
                break;
            case Field::LogoO: paintElement(printer, form.pctlogo2.picture, e, x, y); break;
            case Field::LogoK: paintElement(printer, form.pctlogo1.picture, e, x, y); break;
            case Field::Reference: printAt(printer, x, y, m_referencia); break;
            case Field::Cash: printAt(printer, x, y, cashText()); break;
            case Field::PriceAmount:
                amountWidth = printer.textWidth(parts.integer);
                printAt(printer, x, y, parts.integer);
                break;
            case Field::PriceCents: printAt(printer, x + amountWidth, y, parts.cents); break;
            case Field::Code: printAt(printer, x, y, m_codigo); break;
            case Field::Line1: describe(x, y, lines.first); break;
            case Field::Line2: describe(x, y, lines.second); break;
            case Field::Colour: describe(x, y, m_cor); break;
            case Field::Size: printAt(printer, x, y, m_tamanho); break;
            case Field::Week: printAt(printer, x, y, vb::Trim(m_semana)); break;
            case Field::Promotion: printAt(printer, x, y, vb::Trim(m_promocao)); break;
            case Field::Digit1: printAt(printer, x, y, digits.at(0)); break;
            case Field::Digits2: printAt(printer, x, y, digits.at(1)); break;
            case Field::Digits3: printAt(printer, x, y, digits.at(2)); break;
            }
        });
    });
}
