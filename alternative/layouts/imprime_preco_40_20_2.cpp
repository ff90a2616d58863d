#include "alternative/layouts/imprime_preco_40_20_2.h"

#include "alternative/layouts/sides.h"
#include "labels/toolkit/elements.h"

#include <array>

using namespace labels;

namespace {

enum class Field { Reference, Rule, Caption, FirstPrice, PriceBox, SecondPrice, Code, LogoO, LogoK };
enum class When { Always, BrandO, OtherBrand, Left, Right, LogoO, LogoK };
using Row = Element<Field, When>;

constexpr Bold On = Bold::On, Off = Bold::Off, Keep = Bold::Keep;

// A black box by its two corners.
constexpr Row box(Field f, When w, double x1, double y1, double x2, double y2)
{
    return Row{f, w, {}, x1, y1, x2 - x1, y2 - y1};
}

// The label from the top down; x and y in millimetres from the label's origin. No row names a
// font: the label prints in the caller's. The prices stand 0.1 mm lower in the right column.
constexpr std::array kLabel{
    // Brand "O" keeps the bold it finds, which after a first label is off.
    Row{Field::Reference, When::BrandO, {nullptr, 16, Keep}, 31, 2.8},
    box(Field::Rule, When::BrandO, 28, 1.8, 28.5, 7.3),
    box(Field::Rule, When::BrandO, 28, 7.3, 39, 7.8),
    Row{Field::Caption, When::OtherBrand, {nullptr, 10, On}, 24, 4.3},
    Row{Field::Reference, When::OtherBrand, {nullptr, 16, On}, 31, 2.8},
    Row{Field::FirstPrice, When::Left, {nullptr, 11, Off}, 0, 10.6},
    Row{Field::FirstPrice, When::Right, {nullptr, 11, Off}, 0, 10.7},
    box(Field::PriceBox, When::Always, 17.7, 9.9, 39.9, 14.8),
    Row{Field::SecondPrice, When::Left, {nullptr, 11, Off}, 20.4, 10.6},
    Row{Field::SecondPrice, When::Right, {nullptr, 11, Off}, 20.4, 10.7},
    Row{Field::Code, When::Always, {nullptr, 8, Off}, 0, 15.6},
    Row{Field::LogoO, When::LogoO, {}, 1, 2, 24.5, 5},
    Row{Field::LogoK, When::LogoK, {}, 0, 2.3, 24.3, 5},
};

constexpr QRgb kWhite = 0xFFFFFF, kBlack = 0x000000;

}  // namespace

void Imprime_Preco_40_20_2(Program& program, const QString& M_TIPO, bool m_logo, const QString& m_referencia,
                           const QString& m_codigo, int16_t m_qte, const QString& m_preco1, const QString& m_preco2)
{
    Globals& g = program.g;
    MainForm& form = program.form;
    Printer& printer = program.ws.printers.current();
    const bool brandO = M_TIPO == QStringLiteral("O");

    const Columns at{g.margem_preco_1, g.margem_preco_2, g.margem_preco_3};
    printTwoAcrossBySide(printer, g.coluna_etiqueta, m_qte, at, [&](double X, double Y, Side side) {
        const auto holds = [&](When w) {
            switch (w) {
            case When::Always: return true;
            case When::BrandO: return brandO;
            case When::OtherBrand: return !brandO;
            case When::Left: return side == Side::Left;
            case When::Right: return side == Side::Right;
            case When::LogoO: return m_logo && brandO;
            case When::LogoK: return m_logo && !brandO;
            }
            return false;
        };
        // A logo that never loaded paints nothing.
        const auto logo = [&](const Picture& picture, const Row& e, double x, double y) {
            if (!picture.isNull())
                paintElement(printer, picture, e, x, y);
        };
        drawElements(printer, kLabel, X, Y, holds, [&](const Row& e, double x, double y) {
            switch (e.field) {
            case Field::Reference: printAt(printer, x, y, m_referencia); break;
            case Field::Rule:
            case Field::PriceBox: fillElement(printer, e, x, y); break;
            case Field::Caption: printAt(printer, x, y, QStringLiteral("Ref.")); break;
            case Field::FirstPrice: printAt(printer, x, y, QStringLiteral("De: ") + m_preco1); break;
            case Field::SecondPrice:
                printer.setForeColor(kWhite);
                printAt(printer, x, y, QStringLiteral("Por: ") + m_preco2);
                printer.setForeColor(kBlack);
                break;
            case Field::Code: printAt(printer, x, y, QStringLiteral("COD: ") + m_codigo); break;
            case Field::LogoO: logo(form.pctlogo2.picture, e, x, y); break;
            case Field::LogoK: logo(form.pctlogo1.picture, e, x, y); break;
            }
        });
    });
}
