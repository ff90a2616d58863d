#include "labels/product/eti100_40_1.h"

#include "labels/toolkit/description.h"
#include "labels/toolkit/digits.h"
#include "labels/toolkit/elements.h"
#include "labels/toolkit/price.h"
#include "labels/toolkit/symbol.h"
#include "platform/errors.h"
#include "platform/vb.h"

#include <array>

using namespace labels;

namespace {

enum class Field { LogoO, LogoK, Product, Line1, Line2, Reference, AfterReference, Size, BoldOff, Box, Symbol, Price,
                   Code, Digits1, Digits2, Digits3 };
enum class When { Always, BrandO, OtherBrand, HasPicture, SizeGiven, Price };
using Row = Element<Field, When>;

constexpr Bold On = Bold::On, Off = Bold::Off;

// The label from the top down; x and y in millimetres from the drawing origin. No row names a
// font: everything prints in the label font the caller left on the printer.
constexpr std::array kLabel{
    Row{Field::LogoO, When::BrandO, {}, 58, 3.2, 20, 8},
    Row{Field::LogoK, When::OtherBrand, {}, 55, 3.2, 24, 10},
    Row{Field::Product, When::HasPicture, {}, 6, 18, 20, 20},
    Row{Field::Line1, When::Always, {nullptr, 11, On}, 5, 5},
    Row{Field::Line2, When::Always, {nullptr, 11, On}, 5, 10},
    Row{Field::Reference, When::Always, {nullptr, 26, Off}, 83, 3.5},
    // The reference leaves black text and bold behind it, which the size and the rest inherit.
    Row{Field::AfterReference, When::Always, {nullptr, 0, On}},
    Row{Field::Size, When::SizeGiven, {nullptr, 26, On}, 34, 28},
    Row{Field::BoldOff, When::SizeGiven, {nullptr, 0, Off}},
    // The size frame: 0.5 mm rules from (32, 25) to (45.5, 36.5).
    Row{Field::Box, When::SizeGiven, {}, 32, 25, 45 - 32, 25.5 - 25},
    Row{Field::Box, When::SizeGiven, {}, 32, 36, 45 - 32, 36.5 - 36},
    Row{Field::Box, When::SizeGiven, {}, 32, 25, 32.5 - 32, 36.5 - 25},
    Row{Field::Box, When::SizeGiven, {}, 45, 25, 45.5 - 45, 36.5 - 25},
    Row{Field::Symbol, When::Always, {}, 47, 17, 60, 20},
    Row{Field::Price, When::Price, {nullptr, 14, On}, 70, 16.5},
    Row{Field::Code, When::Always, {nullptr, 10, Off}, 63, 22.2},
    Row{Field::Digits1, When::Always, {nullptr, 9.5, Off}, 51, 35},
    Row{Field::Digits2, When::Always, {nullptr, 9.5, Off}, 60, 35},
    Row{Field::Digits3, When::Always, {nullptr, 9.5, Off}, 80, 35},
    // The L rule left of and under the reference.
    Row{Field::Box, When::Always, {}, 81, 2.7, 81.5 - 81, 12 - 2.7},
    Row{Field::Box, When::Always, {}, 81, 12, 98 - 81, 12.5 - 12},
};

constexpr double kDescriptionSize = 11;   // points
constexpr double kDescriptionLimit = 50;  // mm

// One line when the description is at most 50 mm wide; else cut at the last blank at or before
// the first prefix that reaches 50 mm, or after that prefix when it holds no blank.
DescriptionLines splitDescription(const QString& m_descricao, const TextWidth& width)
{
    if (widthAgainst(m_descricao, width, kDescriptionLimit) <= kDescriptionLimit)
        return {m_descricao, {}};
    const int n = firstPrefix(m_descricao, width, [](int, double w) { return w >= kDescriptionLimit; });
    if (n == 0)  // only a width rule that disagrees with itself gets here
        return {m_descricao, {}};
    // Only a blank breaks this description; a hyphen or a slash stays inside its word.
    const int j = lastBreak(m_descricao, n, u" ");
    const int cut = j > 0 ? j : n;
    return {vb::Trim(vb::Left(m_descricao, cut)), vb::Trim(vb::Mid(m_descricao, cut + 1))};
}

}  // namespace

void Eti100_40_1(Program& program, const QString& M_TIPO, const QString& m_descricao, const QString& m_referencia,
                 const QString& m_codigo, const QString& m_codbar, const QString& m_tamanho, const QString& m_preco,
                 int16_t m_qte)
{
    const Globals& g = program.g;
    MainForm& form = program.form;
    Printer& printer = program.ws.printers.current();

    // Measured in whatever bold the printer holds on entry, though both lines print bold.
    printer.setFontName(g.fonte_etiqueta);
    printer.setFontSize(kDescriptionSize);
    const DescriptionLines lines =
        splitDescription(m_descricao, [&](const QString& s) { return printer.textWidth(s); });
    printer.setScaleMode(ScaleMode::Millimetres);

    const bool price = !sem_preco(m_preco);
    const bool sizeGiven = !vb::Trim(m_tamanho).isEmpty();
    const auto holds = [&](When w) {
        switch (w) {
        case When::Always: return true;
        case When::BrandO: return M_TIPO == QStringLiteral("O");
        case When::OtherBrand: return M_TIPO != QStringLiteral("O");
        case When::HasPicture: return form.tem_imagem;
        case When::SizeGiven: return sizeGiven;
        case When::Price: return price;
        }
        return false;
    };

    drawSymbolBeforeLabels(program, m_codbar, m_qte);
    for (int n = 1; n <= m_qte; ++n) {
        try {
            QStringList digits;
            drawElements(printer, kLabel, g.origem_x, g.origem_y, holds, [&](const Row& e, double x, double y) {
                switch (e.field) {
                case Field::LogoO: paintElement(printer, form.pctlogo2.picture, e, x, y); break;
                case Field::LogoK: paintElement(printer, form.pctlogo1.picture, e, x, y); break;
                case Field::Product: paintElement(printer, form.pctimage.picture, e, x, y); break;
                case Field::Line1: printAt(printer, x, y, lines.first); break;
                case Field::Line2: printAt(printer, x, y, lines.second); break;
                case Field::Reference: printAt(printer, x, y, m_referencia); break;
                case Field::AfterReference: printer.setForeColor(0x000000); break;
                case Field::Size: printAt(printer, x, y, m_tamanho); break;
                case Field::BoldOff: break;
                case Field::Box: fillElement(printer, e, x, y); break;
                case Field::Symbol:
                    form.txtbarra.text = m_codbar;
                    drawLabelSymbol(program);
                    paintElement(printer, form.Picture1.picture(), e, x, y);
                    digits = digitGroups(form.txtbarra.text, {1, 6, 6});
                    break;
                case Field::Price: printAt(printer, x, y, m_preco); break;
                case Field::Code: printAt(printer, x, y, QStringLiteral("COD: ") + m_codigo); break;
                case Field::Digits1: printAt(printer, x, y, digits.value(0)); break;
                case Field::Digits2: printAt(printer, x, y, digits.value(1)); break;
                case Field::Digits3: printAt(printer, x, y, digits.value(2)); break;
                }
            });
        } catch (const ProgramError&) {
            // The label stays as far as it got, but on a page of its own.
            printer.newPage();
            throw;
        }
        printer.newPage();
    }
}
