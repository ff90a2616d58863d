#include "alternative/layouts/voldimprime_oculta_40_20_2.h"

#include "labels/toolkit/description.h"
#include "labels/toolkit/digits.h"
#include "labels/toolkit/elements.h"
#include "labels/toolkit/symbol.h"
#include "labels/toolkit/twoacross.h"
#include "platform/vb.h"

#include <array>

using namespace labels;

namespace {

enum class Field { Reference, Rule, Caption, Symbol, Code, Digit1, Digits2, Digits3, Size, Line1, Line2, Line3 };
enum class When { Always, BrandO, OtherBrand, Size1O, Size2O, Size3O, Size1K, Size2K, Size3K, SizeO, SizeK };
using Row = Element<Field, When>;

constexpr Bold On = Bold::On, Off = Bold::Off, Keep = Bold::Keep;

// A black box by its two corners.
constexpr Row box(When w, double x1, double y1, double x2, double y2)
{
    return Row{Field::Rule, w, {}, x1, y1, x2 - x1, y2 - y1};
}

// The label from the top down; x and y in millimetres from the label's origin. No row names a
// font: every text is in the label font. The "O" reference and the description keep the bold
// they find: the caller's on the first label, then whatever the size left.
constexpr std::array kLabel{
    Row{Field::Reference, When::BrandO, {nullptr, 16, Keep}, 30, 0.3},
    box(When::BrandO, 28, -0.5, 28.5, 5),
    box(When::BrandO, 28, 5, 39, 5.5),
    Row{Field::Caption, When::OtherBrand, {nullptr, 9, On}, 22.8, 2},
    Row{Field::Reference, When::OtherBrand, {nullptr, 16, On}, 29, 0.5},
    Row{Field::Symbol, When::Always, {nullptr, 0, Off}, 8.7, 5.8, 35, 8},
    Row{Field::Code, When::Always, {nullptr, 7, Off}, 15.5, 6.9},
    Row{Field::Digit1, When::Always, {nullptr, 7, Off}, 11, 12.7},
    Row{Field::Digits2, When::Always, {nullptr, 7, Off}, 16, 13},
    Row{Field::Digits3, When::Always, {nullptr, 7, Off}, 27, 13},
    Row{Field::Size, When::Size1O, {nullptr, 16, On}, 2.9, 9.3},
    Row{Field::Size, When::Size2O, {nullptr, 16, On}, 1.6, 9.7},
    Row{Field::Size, When::Size3O, {nullptr, 10, On}, 1.7, 9.9},
    Row{Field::Size, When::Size1K, {nullptr, 16, On}, 2.9, 9.3},
    Row{Field::Size, When::Size2K, {nullptr, 16, On}, 1.7, 9.3},
    Row{Field::Size, When::Size3K, {nullptr, 10, On}, 1.8, 9.8},
    // Brand "O": an open corner down to 15 mm; the other brand: a closed box down to 14.5 mm.
    box(When::SizeO, 0.8, 8, 9, 8.5),
    box(When::SizeO, 9, 8, 9.4, 15),
    box(When::SizeK, 0.8, 8, 9, 8.5),
    box(When::SizeK, 0.8, 14, 9, 14.5),
    box(When::SizeK, 0.8, 8, 1.2, 14.5),
    box(When::SizeK, 9, 8, 9.4, 14.5),
    Row{Field::Line1, When::Always, {nullptr, 7, Keep}, 0, 0},
    Row{Field::Line2, When::Always, {nullptr, 7, Keep}, 0, 2.2},
    Row{Field::Line3, When::Always, {nullptr, 7, Keep}, 0, 4.5},
};

constexpr double kLimitO = 24;      // mm at 8 pt, brand "O"
constexpr double kLimitOther = 22;  // mm at 8 pt, any other brand

// A text narrower than the limit stays whole; a wider one is cut after the first character whose
// prefix passes the limit, word or not. One exactly as wide as the limit has no such prefix and
// stays whole too.
DescriptionLines cutAtLimit(const QString& text, double limit, const TextWidth& width)
{
    if (width(text) < limit)
        return {text, {}};
    const int n = firstPrefix(text, width, [&](int, double w) { return w > limit; });
    if (n == 0)
        return {text, {}};
    return {vb::Left(text, n), vb::Mid(text, n + 1)};
}

}  // namespace

void VoldImprime_Oculta_40_20_2(Program& program, const QString& M_TIPO, const QString& m_descricao,
                                const QString& m_referencia, const QString& m_codigo, const QString& m_codbar,
                                const QString& m_tamanho, int16_t m_qte)
{
    Globals& g = program.g;
    MainForm& form = program.form;
    Printer& printer = program.ws.printers.current();
    const bool brandO = M_TIPO == QStringLiteral("O");

    // Measured at 8 pt in the caller's scale and bold; printed at 7 pt.
    printer.setFontName(g.fonte_etiqueta);
    printer.setFontSize(8);
    const TextWidth width = [&](const QString& s) { return printer.textWidth(s); };
    const double limit = brandO ? kLimitO : kLimitOther;
    const DescriptionLines head = cutAtLimit(m_descricao, limit, width);
    const DescriptionLines tail = cutAtLimit(head.second, limit, width);
    const std::array<QString, 3> lines{head.first, tail.first, tail.second};

    const bool sizeGiven = !vb::Trim(m_tamanho).isEmpty();
    const int sizeLength = sizeGiven ? vb::Len(m_tamanho) : 0;
    const bool sized = sizeLength >= 1 && sizeLength <= 3;
    const auto holds = [&](When w) {
        switch (w) {
        case When::Always: return true;
        case When::BrandO: return brandO;
        case When::OtherBrand: return !brandO;
        case When::Size1O: return brandO && sizeLength == 1;
        case When::Size2O: return brandO && sizeLength == 2;
        case When::Size3O: return brandO && sizeLength == 3;
        case When::Size1K: return !brandO && sizeLength == 1;
        case When::Size2K: return !brandO && sizeLength == 2;
        case When::Size3K: return !brandO && sizeLength == 3;
        case When::SizeO: return brandO && sized;
        case When::SizeK: return !brandO && sized;
        }
        return false;
    };

    const Columns at{g.margem_oculta_col1, g.margem_oculta_col2, g.margem_oculta_topo};
    printTwoAcross(
        printer, g.coluna_etiqueta, m_qte, at,
        [&](double X, double Y) {
            drawElements(printer, kLabel, X, Y, holds, [&](const Row& e, double x, double y) {
                switch (e.field) {
                case Field::Reference: printAt(printer, x, y, m_referencia); break;
                case Field::Rule: fillElement(printer, e, x, y); break;
                case Field::Caption: printAt(printer, x, y, QStringLiteral("Ref.")); break;
                case Field::Symbol: {
                    drawLabelSymbolInPixels(program, m_codbar);
                    paintElement(printer, form.Picture1.picture(), e, x, y);
                    break;
                }
                case Field::Code: printAt(printer, x, y, QStringLiteral("COD: ") + m_codigo); break;
                case Field::Digit1: printAt(printer, x, y, digitGroups(form.txtbarra.text, {1, 6, 6}).at(0)); break;
                case Field::Digits2: printAt(printer, x, y, digitGroups(form.txtbarra.text, {1, 6, 6}).at(1)); break;
                case Field::Digits3: printAt(printer, x, y, digitGroups(form.txtbarra.text, {1, 6, 6}).at(2)); break;
                case Field::Size: printAt(printer, x, y, m_tamanho); break;
                case Field::Line1: printAt(printer, x, y, lines[0]); break;
                case Field::Line2: printAt(printer, x, y, lines[1]); break;
                case Field::Line3: printAt(printer, x, y, lines[2]); break;
                }
            });
        },
        RowRule::RightEndsRow);
}
