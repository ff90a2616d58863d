#include "alternative/layouts/v3imprime_oculta_40_20_2.h"

#include "labels/toolkit/description.h"
#include "labels/toolkit/digits.h"
#include "labels/toolkit/elements.h"
#include "labels/toolkit/symbol.h"
#include "labels/toolkit/twoacross.h"
#include "platform/vb.h"

#include <array>

using namespace labels;

namespace {

enum class Field { Reference, Symbol, Code, Digits1, Digits2, Size, Line1, Line2, Line3 };
enum class When { Always, Size1, Size2, Size3 };
using Row = Element<Field, When>;

constexpr Bold On = Bold::On, Off = Bold::Off;

// Offsets of the two columns from their margins.
constexpr double kLeftOffset = 2.1;
constexpr double kRightOffset = 4.8;

// The label from the top down; x and y in millimetres from the label's origin. No row names a
// font: every text is in the label font. Only the symbol is drawn without bold, so every label
// ends bold and the next call measures its description bold.
constexpr std::array kLabel{
    Row{Field::Reference, When::Always, {nullptr, 18, On}, 29, 0.2},
    Row{Field::Symbol, When::Always, {nullptr, 0, Off}, 9.3, 10, 35, 8},
    Row{Field::Code, When::Always, {nullptr, 7, On}, 18.3, 7.5},
    Row{Field::Digits1, When::Always, {nullptr, 7, On}, 14.2, 13.8},
    Row{Field::Digits2, When::Always, {nullptr, 7, On}, 25.4, 13.8},
    Row{Field::Size, When::Size1, {nullptr, 26, On}, 3.4, 8.8},
    Row{Field::Size, When::Size2, {nullptr, 26, On}, 1.2, 8.8},
    Row{Field::Size, When::Size3, {nullptr, 24, On}, 0.1, 8.8},
    Row{Field::Line1, When::Always, {nullptr, 6, On}, 0, 0},
    Row{Field::Line2, When::Always, {nullptr, 6, On}, 0, 2.2},
    Row{Field::Line3, When::Always, {nullptr, 6, On}, 0, 4.5},
};

constexpr double kDescriptionLimit = 23;  // mm, at 6 pt

// Past the limit the description breaks after a blank, "-", "/" or ".", or before a digit that
// follows a non-digit, whichever comes first. One without such a break, or exactly as wide as
// the limit, stays whole on the first line instead of searching on.
DescriptionLines splitDescription(const QString& text, const TextWidth& width)
{
    return breakAtSeparatorOrDigit(text, width, kDescriptionLimit);
}

}  // namespace

void v3Imprime_Oculta_40_20_2(Program& program, const QString& /*M_TIPO*/, const QString& m_descricao,
                              const QString& m_referencia, const QString& m_codigo, const QString& m_codbar,
                              const QString& m_tamanho, int16_t m_qte, const QString& m_cor)
{
    Globals& g = program.g;
    MainForm& form = program.form;
    Printer& printer = program.ws.printers.current();

    // Measured and printed at 6 pt, in the bold the printer holds.
    printer.setFontName(g.fonte_etiqueta);
    printer.setFontSize(6);
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
        case When::Size1: return sizeGiven && sizeLength == 1;
        case When::Size2: return sizeGiven && sizeLength == 2;
        case When::Size3: return sizeGiven && sizeLength == 3;
        }
        return false;
    };

    const Columns at{g.margem_oculta_col1 + kLeftOffset, g.margem_oculta_col2 + kRightOffset, g.margem_oculta_topo};
    printTwoAcross(
        printer, g.coluna_etiqueta, m_qte, at,
        [&](double X, double Y) {
            drawElements(printer, kLabel, X, Y, holds, [&](const Row& e, double x, double y) {
                const auto digits = [&](int n) { return digitGroups(form.txtbarra.text, {6, 7}).at(n); };
                switch (e.field) {
                case Field::Reference: printAt(printer, x, y, m_referencia); break;
                case Field::Symbol: {
                    drawLabelSymbolInPixels(program, m_codbar);
                    paintElement(printer, form.Picture1.picture(), e, x, y);
                    break;
                }
                case Field::Code: printAt(printer, x, y, m_codigo); break;
                case Field::Digits1: printAt(printer, x, y, digits(0)); break;
                case Field::Digits2: printAt(printer, x, y, digits(1)); break;
                case Field::Size: printAt(printer, x, y, m_tamanho); break;
                case Field::Line1: printAt(printer, x, y, vb::Trim(lines[0])); break;
                case Field::Line2: printAt(printer, x, y, vb::Trim(lines[1])); break;
                case Field::Line3: printAt(printer, x, y, vb::Trim(lines[2])); break;
                }
            });
        },
        RowRule::RightEndsRow);
}
