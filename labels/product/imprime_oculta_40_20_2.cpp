#include "labels/product/imprime_oculta_40_20_2.h"

#include "labels/toolkit/description.h"
#include "labels/toolkit/digits.h"
#include "labels/toolkit/elements.h"
#include "labels/toolkit/symbol.h"
#include "labels/toolkit/twoacross.h"
#include "platform/vb.h"

#include <array>

using namespace labels;

namespace {

enum class Field { Reference, Symbol, Code, Digits1, Digits2, SizeFont, Size, Line1, Line2, Line3 };
enum class When { Always, Size1, Size2, Size3, Lines };
using Row = Element<Field, When>;

constexpr const char* kCalibri = "Calibri";
constexpr const char* kFranklin = "Franklin Gothic Medium";
constexpr Bold On = Bold::On, Off = Bold::Off;

// Offsets of the two columns from their margins.
constexpr double kLeftOffset = 2.3;
constexpr double kRightOffset = 5;

// The label from the top down; x and y in millimetres from the label's origin.
constexpr std::array kLabel{
    Row{Field::Reference, When::Always, {kCalibri, 20, On}, 28, -1},
    Row{Field::Symbol, When::Always, {}, 9.3, 10, 35, 8},
    Row{Field::Code, When::Always, {kFranklin, 6, Off}, 18.3, 7.5},
    Row{Field::Digits1, When::Always, {kFranklin, 6, Off}, 14.2, 13.8},
    Row{Field::Digits2, When::Always, {kFranklin, 6, Off}, 25.4, 13.8},
    // Calibri bold from here on, size or no size: the next call measures in that weight.
    Row{Field::SizeFont, When::Always, {kCalibri, 0, On}},
    Row{Field::Size, When::Size1, {kCalibri, 20, On}, 4, 8.5},
    Row{Field::Size, When::Size2, {kCalibri, 26, On}, 1, 7},
    Row{Field::Size, When::Size3, {kCalibri, 20, On}, 0.2, 7.8},
    Row{Field::Line1, When::Lines, {kFranklin, 6, Off}, 0.5, 0.2},
    Row{Field::Line2, When::Lines, {kFranklin, 6, Off}, 0.5, 2.4},
    Row{Field::Line3, When::Lines, {kFranklin, 6, Off}, 0.5, 4.7},
};

constexpr double kDescriptionLimit = 23;  // mm, in "Franklin Gothic Medium" 7 pt

// Past the limit the description breaks after a blank, "-", "/" or ".", or before a digit that
// follows a non-digit, whichever comes first. One that never passes the limit (exactly as wide
// as it) or offers no break stays whole on the first line.
DescriptionLines splitDescription(const QString& text, const TextWidth& width)
{
    return breakAtSeparatorOrDigit(text, width, kDescriptionLimit);
}

}  // namespace

void Imprime_Oculta_40_20_2(Program& program, const QString& M_TIPO, const QString& m_descricao,
                            const QString& m_referencia, const QString& m_codigo, const QString& m_codbar,
                            const QString& m_tamanho, int16_t m_qte, const QString& m_cor)
{
    Globals& g = program.g;
    MainForm& form = program.form;
    Printer& printer = program.ws.printers.current();

    // The weight is left as it is: the description is measured in whatever the printer holds.
    g.fonte_etiqueta = QStringLiteral("Franklin Gothic Medium");
    printer.setFontName(g.fonte_etiqueta);
    printer.setFontSize(7);
    const DescriptionLines description =
        splitDescription(m_descricao, [&](const QString& s) { return printer.textWidth(s); });
    // A description that fits leaves its second line to the colour.
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
        // Brand "O" always shows its description; the other brand only beside a size.
        case When::Lines: return M_TIPO == QStringLiteral("O") || sizeGiven;
        }
        return false;
    };

    drawSymbolBeforeLabels(program, m_codbar, m_qte);
    const Columns at{g.margem_oculta_col1 + kLeftOffset, g.margem_oculta_col2 + kRightOffset, g.margem_oculta_topo};
    printTwoAcross(printer, g.coluna_etiqueta, m_qte, at, [&](double X, double Y) {
        drawElements(printer, kLabel, X, Y, holds, [&](const Row& e, double x, double y) {
            switch (e.field) {
            case Field::Reference: printAt(printer, x, y, m_referencia); break;
            case Field::Symbol:
                form.txtbarra.text = m_codbar;
                drawLabelSymbol(program);
                paintElement(printer, form.Picture1.picture(), e, x, y);
                break;
            case Field::Code: printAt(printer, x, y, m_codigo); break;
            case Field::Digits1: printAt(printer, x, y, digitGroups(form.txtbarra.text, {6, 7}).at(0)); break;
            case Field::Digits2: printAt(printer, x, y, digitGroups(form.txtbarra.text, {6, 7}).at(1)); break;
            case Field::SizeFont: break;
            case Field::Size: printAt(printer, x, y, m_tamanho); break;
            case Field::Line1: printAt(printer, x, y, vb::Trim(lines[0])); break;
            case Field::Line2: printAt(printer, x, y, vb::Trim(lines[1])); break;
            case Field::Line3: printAt(printer, x, y, vb::Trim(lines[2])); break;
            }
        });
    });
}
