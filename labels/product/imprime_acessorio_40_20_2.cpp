#include "labels/product/imprime_acessorio_40_20_2.h"

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
    LogoO, LogoK, PriceInteger, PriceCents, Currency, Cash, Line1, Line2, DrawSymbol, PaintSymbol, Symbol, Code,
    Flag, Week, Digits1, Digits2, Promotion, Reference
};
enum class When { Always, BrandO, OtherBrand, Price, NoPrice };
using Row = Element<Field, When>;

constexpr const char* kCalibri = "Calibri";
constexpr const char* kFranklin = "Franklin Gothic Medium";
constexpr const char* kMalgun = "Malgun Gothic Semilight";
constexpr Bold On = Bold::On, Off = Bold::Off;

// How far each call moves the two column margins to the left, in place.
constexpr double kLeftShift = 4.8;
constexpr double kRightShift = 1.5;

constexpr std::array kLogo{
    Row{Field::LogoO, When::BrandO, {}, 9, 0.5, 28, 6, 300},
    Row{Field::LogoK, When::OtherBrand, {}, 7.7, -0.4, 22, 5, 300},
};

// Right-aligned on measured widths; the cents are measured at 5 pt but printed at 12.
constexpr PriceFonts kPriceFonts{{{kCalibri, 5, On}, {kCalibri, 24, On}, {kMalgun, 7, On}, {kFranklin, 6, Off}}};
constexpr std::array kPrice{
    Row{Field::PriceInteger, When::Price, {kCalibri, 24, On}, 44.4 - 0.3, -1.1, 0, 0, 0, kCentsWidth | kIntegerWidth},
    Row{Field::PriceCents, When::Price, {kCalibri, 12, On}, 43, 0.3, 0, 0, 0, kCentsWidth},
    Row{Field::Currency, When::Price, {kMalgun, 7, On}, 44.4 - 0.35, 3.9, 0, 0, 0,
        kCentsWidth | kIntegerWidth | kCurrencyWidth},
    Row{Field::Cash, When::Price, {kFranklin, 6, Off}, 44.4 - 1, 4.55, 0, 0, 0,
        kCentsWidth | kIntegerWidth | kCurrencyWidth | kCashWidth},
};

constexpr FontSpec kBody{kFranklin, 5, On};
// The symbol is drawn into Picture1 after the lines and painted after the week.
constexpr std::array kBodyTwoLines{
    Row{Field::Line1, When::Always, kBody, 7, 7.1},
    Row{Field::Line2, When::Always, kBody, 7, 8.7},
    Row{Field::DrawSymbol, When::Always, {}},
    Row{Field::Code, When::Always, kBody, 7, 10.5},
    Row{Field::Flag, When::Always, kBody, 18.7, 10.5},
    Row{Field::Week, When::Always, kBody, 23.2, 10.5},
    Row{Field::PaintSymbol, When::Always, {}, 4.6, 12.7, 35, 10},
    Row{Field::Digits1, When::Always, kBody, 9.8, 16.7},
    Row{Field::Digits2, When::Always, kBody, 21.2, 16.7},
};
constexpr std::array kBodyOneLine{
    Row{Field::Line1, When::Always, kBody, 7, 7.2},
    Row{Field::Symbol, When::Always, {}, 4.6, 12, 35, 11},
    Row{Field::Code, When::Always, kBody, 7, 9.3},
    Row{Field::Flag, When::Always, kBody, 18.7, 9.4},
    Row{Field::Week, When::Always, kBody, 23.2, 9.3},
    Row{Field::Digits1, When::Always, kBody, 9.8, 16.7},
    Row{Field::Digits2, When::Always, kBody, 21.2, 16.7},
};

constexpr std::array kPromotionAndReference{
    Row{Field::Promotion, When::Price, {kFranklin, 14, On}, 37.5, 9.1},
    Row{Field::Promotion, When::NoPrice, {kFranklin, 14, On}, 37.5, 8.1},
    Row{Field::Reference, When::Price, {kFranklin, 8, On}, 35.4, 14.5},
    Row{Field::Reference, When::NoPrice, {kFranklin, 12, On}, 34, 13},
};

constexpr double kDescriptionLimit = 52;  // mm, in "Franklin Gothic Medium" 7 pt

// Past the limit the description breaks at the last blank, "-", "/" or "." of the first prefix
// wider than the limit. A prefix without any of them is cut where the text stops fitting, and a
// description exactly as wide as the limit fits, so every description ends up on the label.
DescriptionLines splitDescription(const QString& text, const TextWidth& width)
{
    return breakAtLastSeparatorOrCut(text, width, kDescriptionLimit);
}

}  // namespace

void Imprime_Acessorio_40_20_2(Program& program, const QString& M_TIPO, const QString& m_descricao,
                               const QString& /*m_referencia*/, const QString& m_codigo, const QString& m_codbar,
                               const QString& /*m_tamanho*/, const QString& m_preco, int16_t m_qte,
                               const QString& m_bandeira, const QString& m_semana, const QString& m_promocao)
{
    Globals& g = program.g;
    MainForm& form = program.form;
    Printer& printer = program.ws.printers.current();

    form.txtbarra.text = m_codbar;
    g.margem_oculta_col1 = static_cast<float>(g.margem_oculta_col1 - kLeftShift);
    g.margem_oculta_col2 = static_cast<float>(g.margem_oculta_col2 - kRightShift);
    // Bold is left as the printer has it.
    g.fonte_etiqueta = QStringLiteral("Franklin Gothic Medium");
    printer.setFontName(g.fonte_etiqueta);
    printer.setFontSize(7);
    DescriptionLines lines = splitDescription(m_descricao, [&](const QString& s) { return printer.textWidth(s); });
    // Trimmed once, not at every label: the second line holds the rest of a description of any length.
    lines.second = vb::Trim(lines.second);

    const bool price = !sem_preco(m_preco);
    const bool twoLines = !lines.second.isEmpty();
    const PriceParts parts = splitPrice(m_preco);
    const QStringList digits = digitGroups(m_codbar, {6, 7});
    const auto holds = [&](When w) {
        switch (w) {
        case When::Always: return true;
        case When::BrandO: return M_TIPO == QStringLiteral("O");
        case When::OtherBrand: return M_TIPO != QStringLiteral("O");
        case When::Price: return price;
        case When::NoPrice: return !price;
        }
        return false;
    };

    std::optional<PriceWidths> measured;
    drawSymbolBeforeLabels(program, m_codbar, m_qte);
    const Columns at{g.margem_oculta_col1, g.margem_oculta_col2, g.margem_oculta_topo};
    printTwoAcross(printer, g.coluna_etiqueta, m_qte, at, [&](double X, double Y) {
        const auto draw = [&](const Row& e, double x, double y) {
            switch (e.field) {
            case Field::LogoO: paintElement(printer, form.pctlogo2.picture, e, x, y); break;
            case Field::LogoK: paintElement(printer, form.pctlogo1.picture, e, x, y); break;
            case Field::PriceInteger: printAt(printer, x, y, parts.integer); break;
            case Field::PriceCents: printAt(printer, x, y, parts.cents); break;
            case Field::Currency: printAt(printer, x, y, currencyText()); break;
            case Field::Cash: printAt(printer, x, y, cashText()); break;
            case Field::Line1: printAt(printer, x, y, vb::Trim(lines.first)); break;
            case Field::Line2: printAt(printer, x, y, lines.second); break;
            case Field::DrawSymbol: drawLabelSymbol(program); break;
            case Field::PaintSymbol: paintElement(printer, form.Picture1.picture(), e, x, y); break;
            case Field::Symbol:
                drawLabelSymbol(program);
                paintElement(printer, form.Picture1.picture(), e, x, y);
                break;
            case Field::Code: printAt(printer, x, y, m_codigo); break;
            case Field::Flag: printAt(printer, x, y, vb::Trim(m_bandeira)); break;
            case Field::Week: printAt(printer, x, y, vb::Trim(m_semana)); break;
            case Field::Digits1: printAt(printer, x, y, digits.at(0)); break;
            case Field::Digits2: printAt(printer, x, y, digits.at(1)); break;
            case Field::Promotion: printAt(printer, x, y, m_promocao); break;
            case Field::Reference: printAt(printer, x, y, vb::Right(m_codigo, 3)); break;
            }
        };
        drawElements(printer, kLogo, X, Y, holds, draw);
        if (price) {
            // Measured at the first label; the price rows set their whole font before printing.
            if (!measured)
                measured = measurePrice(printer, parts, kPriceFonts);
            drawElements(printer, kPrice, X, Y, holds, draw, &*measured);
        }
        if (twoLines)
            drawElements(printer, kBodyTwoLines, X, Y, holds, draw);
        else
            drawElements(printer, kBodyOneLine, X, Y, holds, draw);
        drawElements(printer, kPromotionAndReference, X, Y, holds, draw);
    });
}
