#include "alternative/layouts/v1imprime_oculta_40_20_2.h"

#include "labels/toolkit/description.h"
#include "labels/toolkit/digits.h"
#include "labels/toolkit/elements.h"
#include "labels/toolkit/symbol.h"
#include "labels/toolkit/twoacross.h"
#include "platform/vb.h"

#include <array>

using namespace labels;

namespace {

enum class Field { Reference, Symbol, Code, Digit1, Digits2, Digits3, Size, Line1, Line2, Line3 };
enum class When { Always, SizeShort, Size3 };
using Row = Element<Field, When>;

constexpr Bold On = Bold::On, Off = Bold::Off, Keep = Bold::Keep;

// The label from the top down; x and y in millimetres from the label's origin. No row names a
// font: every text is in the label font. The reference keeps the bold it finds (the caller's on
// the first label, then what the size left); the lines keep what the size left on this label.
constexpr std::array kLabel{
    Row{Field::Reference, When::Always, {nullptr, 18, Keep}, 30, 0.3},
    Row{Field::Symbol, When::Always, {nullptr, 0, Off}, 8.7, 5.8, 35, 8},
    Row{Field::Code, When::Always, {nullptr, 7, Off}, 19, 6.5},
    Row{Field::Digit1, When::Always, {nullptr, 7, Off}, 11, 12.7},
    Row{Field::Digits2, When::Always, {nullptr, 7, Off}, 16, 13},
    Row{Field::Digits3, When::Always, {nullptr, 7, Off}, 27, 13},
    Row{Field::Size, When::SizeShort, {nullptr, 20, On}, 2, 8},
    Row{Field::Size, When::Size3, {nullptr, 18, On}, 2, 8},
    Row{Field::Line1, When::Always, {nullptr, 7, Keep}, 0, 0},
    Row{Field::Line2, When::Always, {nullptr, 7, Keep}, 0, 2.2},
    Row{Field::Line3, When::Always, {nullptr, 7, Keep}, 0, 4.5},
};

constexpr double kDescriptionLimit = 24.5;  // mm, at 8 pt

// Past the limit the description breaks after the first blank, "-", "/" or "." whose prefix is
// wider than the limit; the separator stays on the first line. One without such a break, or
// exactly as wide as the limit, stays whole on the first line instead of searching on.
DescriptionLines splitDescription(const QString& text, const TextWidth& width)
{
    if (width(text) < kDescriptionLimit)
        return {text, {}};
    const int i = firstPrefix(text, width, [&](int n, double w) { return w > kDescriptionLimit && isBreakAt(text, n); });
    if (i == 0)
        return {text, {}};
    return {vb::Left(text, i), vb::Mid(text, i + 1)};
}

}  // namespace

void V1_Imprime_Oculta_40_20_2(Program& program, QString& M_TIPO, const QString& m_descricao,
                               const QString& m_referencia, const QString& m_codigo, const QString& m_codbar,
                               const QString& m_tamanho, int16_t m_qte, const QString& m_cor)
{
    Globals& g = program.g;
    MainForm& form = program.form;
    Printer& printer = program.ws.printers.current();

    M_TIPO = QStringLiteral("O");
    // Measured at 8 pt in the caller's scale and bold; printed at 7 pt.
    printer.setFontName(g.fonte_etiqueta);
    printer.setFontSize(8);
    const DescriptionLines description =
        splitDescription(m_descricao, [&](const QString& s) { return printer.textWidth(s); });
    // Only an exactly empty second line hands its place to the colour.
    const std::array<QString, 3> lines = description.second.isEmpty()
                                             ? std::array<QString, 3>{description.first, m_cor, QString()}
                                             : std::array<QString, 3>{description.first, description.second, m_cor};

    const bool sizeGiven = !vb::Trim(m_tamanho).isEmpty();
    const int sizeLength = vb::Len(m_tamanho);
    const auto holds = [&](When w) {
        switch (w) {
        case When::Always: return true;
        case When::SizeShort: return sizeGiven && (sizeLength == 1 || sizeLength == 2);
        case When::Size3: return sizeGiven && sizeLength == 3;
        }
        return false;
    };

    const Columns at{g.margem_oculta_col1, g.margem_oculta_col2, g.margem_oculta_topo};
    printTwoAcross(
        printer, g.coluna_etiqueta, m_qte, at,
        [&](double X, double Y) {
            drawElements(printer, kLabel, X, Y, holds, [&](const Row& e, double x, double y) {
                const auto digits = [&](int n) { return digitGroups(form.txtbarra.text, {1, 6, 6}).at(n); };
                switch (e.field) {
                case Field::Reference: printAt(printer, x, y, m_referencia); break;
                case Field::Symbol: {
                    drawLabelSymbolInPixels(program, m_codbar);
                    paintElement(printer, form.Picture1.picture(), e, x, y);
                    break;
                }
                case Field::Code: printAt(printer, x, y, m_codigo); break;
                case Field::Digit1: printAt(printer, x, y, digits(0)); break;
                case Field::Digits2: printAt(printer, x, y, digits(1)); break;
                case Field::Digits3: printAt(printer, x, y, digits(2)); break;
                case Field::Size: printAt(printer, x, y, m_tamanho); break;
                case Field::Line1: printAt(printer, x, y, vb::Trim(lines[0])); break;
                case Field::Line2: printAt(printer, x, y, vb::Trim(lines[1])); break;
                case Field::Line3: printAt(printer, x, y, vb::Trim(lines[2])); break;
                }
            });
        },
        RowRule::RightEndsRow);
}
