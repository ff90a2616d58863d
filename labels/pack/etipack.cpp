#include "labels/pack/etipack.h"

#include "barcode/code39.h"
#include "labels/pack/ajusta_fonte.h"
#include "labels/toolkit/elements.h"
#include "platform/vb.h"

#include <array>
#include <cmath>
#include <cstdlib>

using labels::Bold;
using labels::FontSpec;

namespace {

enum class Field { Logo, Box, Fixed, Destination, Order, Master, Supplier, Symbol, Caption, Description, Colour,
                   Total, Grade1, Grade2, Volume, Week };
enum class When { Always, BrandO, OtherBrand, ShortVolume, LongVolume };

// One row of the label. Texts and the symbol stand at x, y from the pack margins; the logo and
// the rules from the rule origin, 2.7 mm left of and 3 mm above them.
struct Row {
    Field field;
    When when;
    const char* text;  // fixed texts
    FontSpec font;
    double x, y;
    double x2, y2;  // boxes: the opposite corner; pictures: width and height
};

constexpr Bold On = Bold::On, Off = Bold::Off;

constexpr Row box(double x1, double y1, double x2, double y2)
{
    return {Field::Box, When::Always, nullptr, {}, x1, y1, x2, y2};
}
constexpr Row fixed(const char* text, double size, Bold bold, double x, double y)
{
    return {Field::Fixed, When::Always, text, {nullptr, size, bold}, x, y, 0, 0};
}
constexpr Row value(Field field, double size, double x, double y, When when = When::Always)
{
    return {field, when, nullptr, {nullptr, size, On}, x, y, 0, 0};
}
constexpr Row picture(Field field, When when, double x, double y, double width, double height)
{
    return {field, when, nullptr, {}, x, y, width, height};
}

// The label in printing order.
constexpr std::array kLabel{
    picture(Field::Logo, When::BrandO, 15, 5.9, 70, 17),
    picture(Field::Logo, When::OtherBrand, 3, 6.5, 70, 17),
    box(2, 5, 99, 5.4),        // top rule
    box(2, 23, 99, 23.4),      // under the top row
    box(35.6, 5, 35.9, 23.4),  // divider of the top row
    fixed("CD - DESTINO", 14, Off, 34, 5),
    value(Field::Destination, 18, 34, 11.7),
    fixed("PEDIDO", 16, Off, 14, 21),
    fixed("Cód. Master", 16, Off, 55, 21),
    value(Field::Order, 20, 4.5, 26.7),
    value(Field::Master, 20, 55, 26.7),
    box(2, 37, 99, 37.3),      // under the order row
    box(53, 23, 53.3, 37),     // divider of the order row
    fixed("FORNECEDOR", 16, Off, 26, 34.4),
    value(Field::Supplier, 20, 13, 39.7),
    box(2, 49.7, 99, 50),      // under the supplier row
    // The symbol goes down before the colour, two rules and the first grade line, which lie
    // partly over it.
    picture(Field::Symbol, When::Always, 13, 75, 70, 35),
    // Measured while the supplier's bold still holds, then printed regular, centred on 50.
    Row{Field::Caption, When::Always, nullptr, {nullptr, 13, Bold::Keep}, 50, 102, 0, 0},
    fixed("NOTA FISCAL:", 16, Off, 2, 50),
    box(2, 64, 99, 64.3),      // under the invoice row
    fixed("Descrição", 14, Off, 36, 62.5),
    value(Field::Description, 14, 1.5, 68.4),
    box(2, 77, 99, 77.3),      // under the description row
    fixed("COR", 14, Off, 2, 74.5),
    value(Field::Colour, 16, 2, 79.7),
    box(2, 110.5, 99, 110.8),  // above the grid and total row
    fixed("TOTAL", 16, On, 77, 110),
    value(Field::Total, 25, 93, 117),  // right edge
    value(Field::Grade1, 24, 35, 108),  // centre
    value(Field::Grade2, 0, 35, 117),   // centre, at the size the first line came to
    box(2, 119.5, 74, 119.8),  // between the two grade lines
    box(74, 110.5, 74.3, 129.8),  // between grid and total
    box(2, 129.5, 99, 129.8),  // above the volume row
    box(51, 129.5, 51.3, 140.3),  // divider of the volume row
    fixed("Volume:", 18, Off, 2, 130),
    value(Field::Volume, 16, 30, 130, When::ShortVolume),
    value(Field::Volume, 12, 25.2, 131.7, When::LongVolume),
    fixed("Semana:", 18, Off, 50, 130),
    value(Field::Week, 18, 75, 130),
    box(2, 89, 99, 89.3),      // under the colour row
    box(2, 5, 2.2, 140),       // left edge
    box(99, 5, 99.2, 140),     // right edge
    box(2, 140, 99.2, 140.3),  // bottom edge
};

constexpr double kLogoSourceWidth = 300;  // mm, from the logo's left edge, whatever its own width
constexpr int16_t kBarHeight = 1;         // bars of 10 pixels
constexpr int kSupplierLength = 20;
constexpr int kDescriptionLength = 35;

// Steps of a shrinking size that keep it above zero: a text that never fits stops at the
// smallest positive size, and a printer that does not lower the size it reports cannot keep
// the loop going.
constexpr int positiveSteps(double start, double step)
{
    int n = 0;
    while (start - (n + 1) * step > 1e-9)
        ++n;
    return n;
}

// font kept, bold, start, step, width, strictly below, counter start, bound, size set after.
constexpr Ajuste kDescription{nullptr, true, 14, 0.3, 92, false, 0, positiveSteps(14, 0.3) - 1, false};
constexpr Ajuste kGrade{nullptr, true, 24, 0.3, 60, false, 0, positiveSteps(24, 0.3) - 1, true};

QString padded(int v, int digits)
{
    const QString n = QString::number(std::abs(v)).rightJustified(digits, u'0');
    return v < 0 ? u'-' + n : n;
}

// "3/7", "03/12", "003/120", "0005/1000": the volume padded to the length of the count; a count of
// any other length gives the plain volume over the run's last volume.
QString volumeText(int volume, const QString& lblmax, int fim)
{
    const int length = vb::Len(lblmax);
    if (length >= 1 && length <= 4)
        return padded(volume, length) + u'/' + lblmax;
    return vb::CStr(volume) + u'/' + vb::CStr(fim);
}

// The whole pack-list entry of a volume; a volume outside the list has an empty code, which
// still prints a page with a start-and-stop symbol.
QString entryOf(const ListBox& lsteanpack, int volume)
{
    const int at = volume - 1;
    return at >= 0 && at < lsteanpack.listCount() ? lsteanpack.items.at(at) : QString();
}

}  // namespace

void EtiPack(Program& p, const QString& M_TIPO, const QString& m_cd, const QString& m_pedido, const QString& m_master,
             QString& m_fornecedor, QString& m_descricao, const QString& m_cor, QString& m_codigo,
             const QString& /*m_grade*/, const QString& /*m_qte*/, const QString& m_total, int16_t m_inicio,
             int16_t m_fim, const QString& m_semana)
{
    MainForm& f = p.form;
    Globals& g = p.g;
    Printer& pr = p.ws.printers.current();

    g.fonte_etiqueta = QStringLiteral("Franklin Gothic Medium");
    pr.setFontName(g.fonte_etiqueta);
    pr.setScaleMode(ScaleMode::Millimetres);
    g.origem_x = g.margem_pack_x - 2.7f;
    g.origem_y = g.margem_pack_y - 3.0f;
    const double X = g.margem_pack_x, Y = g.margem_pack_y;
    const double Ox = g.origem_x, Oy = g.origem_y;

    for (int i = m_inicio; i <= m_fim && !pr.failed(); ++i) {
        m_codigo = entryOf(f.lsteanpack, i);
        const QString volume = volumeText(i, f.lblmax.caption, m_fim);
        double gradeSize = kGrade.inicial;

        const auto holds = [&](When w) {
            switch (w) {
            case When::Always: return true;
            case When::BrandO: return M_TIPO == QStringLiteral("O");
            case When::OtherBrand: return M_TIPO != QStringLiteral("O");
            case When::ShortVolume: return vb::Len(volume) <= 5;
            case When::LongVolume: return vb::Len(volume) > 5;
            }
            return false;
        };
        const auto text = [&](const Row& r) -> QString {
            switch (r.field) {
            case Field::Fixed: return QString::fromUtf8(r.text);
            case Field::Destination: return m_cd;
            case Field::Order: return m_pedido;
            case Field::Master: return m_master;
            case Field::Supplier: return m_fornecedor;
            case Field::Caption: return f.txtbarra.text;
            case Field::Description: return m_descricao;
            case Field::Colour: return m_cor;
            case Field::Total: return m_total;
            case Field::Grade1: return f.txtgrade1.text;
            case Field::Grade2: return f.txtgrade2.text;
            case Field::Volume: return volume;
            case Field::Week: return m_semana;
            case Field::Logo:
            case Field::Box:
            case Field::Symbol: break;
            }
            return {};
        };

        for (const Row& r : kLabel) {
            if (!holds(r.when))
                continue;
            switch (r.field) {
            case Field::Logo: {
                const Picture& logo = M_TIPO == QStringLiteral("O") ? f.pctlogo2.picture : f.pctlogo1.picture;
                pr.paintPicture(logo, Ox + r.x, Oy + r.y, r.x2, r.y2,
                                Printer::Region{0, 0, kLogoSourceWidth, logo.heightMm()});
                continue;
            }
            case Field::Box: pr.filledBox(Ox + r.x, Oy + r.y, Ox + r.x2, Oy + r.y2); continue;
            case Field::Symbol: {
                f.txtbarra.text = m_codigo;
                // With the EAN field hidden the code is a pre-pack code, of which 12 characters are drawn.
                const QString symbol = f.txtean.visible ? f.txtbarra.text : vb::Left(f.txtbarra.text, 12);
                DrawCode39(f.Picture1, kBarHeight, symbol, false, false);
                pr.setScaleMode(ScaleMode::Millimetres);
                pr.paintPicture(f.Picture1.picture(), X + r.x, Y + r.y, r.x2, r.y2);
                continue;
            }
            default: break;
            }

            if (r.field == Field::Supplier && vb::Len(m_fornecedor) > kSupplierLength)
                m_fornecedor = vb::Left(m_fornecedor, kSupplierLength);
            if (r.field == Field::Description && vb::Len(m_descricao) > kDescriptionLength)
                m_descricao = vb::Left(m_descricao, kDescriptionLength);

            const QString t = text(r);
            labels::applyFont(pr, r.font);
            double x = X + r.x;
            switch (r.field) {
            case Field::Caption: {
                const double w = std::trunc(pr.textWidth(t));
                pr.setFontBold(false);
                x -= w / 2;
                break;
            }
            case Field::Description: ajusta_fonte(pr, t, kDescription); break;
            case Field::Grade1:
                gradeSize = ajusta_fonte(pr, t, kGrade);
                x -= pr.textWidth(t) / 2;
                break;
            case Field::Grade2:
                pr.setFontBold(true);
                pr.setFontSize(gradeSize);
                x -= pr.textWidth(t) / 2;
                break;
            case Field::Total: x -= pr.textWidth(t); break;
            default: break;
            }
            labels::printAt(pr, x, Y + r.y, t);
        }
        pr.newPage();
    }
}
