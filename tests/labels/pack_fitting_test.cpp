#include "labels/pack/ajusta_fonte.h"
#include "tests/labels/pack_layout_fixture.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double kEps = 1e-4;

TEST(AjustaFonte, FirstTestIsInclusiveAndTheStrictStopTakesOneStepMore)
{
    // Seven characters: the width in millimetres equals the size in points.
    const QString text = QStringLiteral("ABCDEFG");
    struct {
        const char* name;
        double start, limit;
        bool strict;
        double size;
    } const cases[] = {
        {"fits at the start", 17, 17, true, 17},
        {"stops at the limit", 17, 16.75, false, 16.75},
        {"strict stop goes below the limit", 17, 16.75, true, 16.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPrinter pr;
        const Ajuste a{"ARIAL", true, c.start, 0.25, c.limit, c.strict, 0, 60, false};
        EXPECT_NEAR(ajusta_fonte(pr, text, a), c.size, kEps);
        EXPECT_NEAR(pr.fontSize(), c.size, kEps);
        EXPECT_EQ(pr.fontName(), QStringLiteral("ARIAL"));
        EXPECT_TRUE(pr.fontBold());
    }
}

// A field that never fits shrinks only as far as its own step bound allows.
TEST(PackLabel, FittedFieldsStopAtTheirStepBounds)
{
    struct {
        const char* name;
        void (*set)(MainForm&, const QString&);
        const char* text;
        double y;
        double size;
    } const cases[] = {
        {"campaign: 42 steps of 0.2", [](MainForm& f, const QString& t) { f.txtcampanha.text = t; }, "PROMOCAO", 28,
         24 - 42 * 0.2},
        {"supplier: 65 steps of 0.2", [](MainForm& f, const QString& t) { f.txtfornecedor1.text = t; }, "FORNECEDOR",
         53.5, 18 - 65 * 0.2},
        {"description: 61 steps of 0.2", [](MainForm& f, const QString& t) { f.txtdescricao1.text = t; }, "DESCRICAO",
         87.8, 17 - 61 * 0.2},
        {"total: 61 steps of 0.3", [](MainForm& f, const QString& t) { f.txttotgrade.text = t; }, "1000", 117.4,
         44 - 61 * 0.3},
        // These would pass zero within their bound: the last size above zero stays.
        {"grid line", [](MainForm& f, const QString& t) { f.txtgrade1.text = t; }, "34 35 36", 98, 17.5 - 58 * 0.3},
        {"volume text", [](MainForm& f, const QString&) { f.lblmax.caption = QStringLiteral("1"); }, "Volume: 1/1", 133,
         16 - 53 * 0.3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PackLayout pl;
        pl.volumes(1, 1);
        c.set(pl.ws.form, QString::fromLatin1(c.text));
        pl.printer().setTextWidth(QString::fromLatin1(c.text), 1000);
        const auto pages = pl.print(1, 1);
        ASSERT_EQ(pages.size(), 1u);
        const auto* op = pages[0].findText(QString::fromLatin1(c.text));
        ASSERT_NE(op, nullptr);
        EXPECT_NEAR(op->y, c.y, kEps);
        EXPECT_NEAR(op->font.size, c.size, kEps);
    }
}

TEST(PackLabel, CoarseFontSizesCannotKeepTheFittingLooping)
{
    PackLayout pl;
    pl.volumes(1, 1);
    // A printer that realises whole points only: lowering by 0.2 never changes the size.
    pl.printer().setFontRealiser([](double points) { return std::round(points); });
    pl.ws.form.txtcampanha.text = QStringLiteral("LIQUIDACAO-DE-VERAO-COM-DESCONTOS");
    const auto pages = pl.print(1, 1);
    ASSERT_EQ(pages.size(), 1u);
    const auto* op = pages[0].findText(pl.ws.form.txtcampanha.text);
    ASSERT_NE(op, nullptr);
    // After its 42 steps the running size 15.6 is applied, which this printer makes 16.
    EXPECT_NEAR(op->font.size, 16, kEps);
}

TEST(PackLabel, GridLinesAreFittedOncePerRun)
{
    PackLayout pl;
    std::vector<double> asked;
    pl.printer().setFontRealiser([&](double points) {
        asked.push_back(points);
        return points;
    });
    // 20 characters: 50 mm at 17.5 points, 35.5 mm or less from 12.4 (17 steps of 0.3).
    pl.ws.form.txtgrade1.text = QStringLiteral("33 34 35 36 37 38 39");
    auto firstSteps = [&] {
        return std::count_if(asked.begin(), asked.end(), [](double s) { return std::abs(s - 17.2) < kEps; });
    };

    const auto pages = pl.print(1, 3);
    ASSERT_EQ(pages.size(), 3u);
    for (const auto& page : pages) {
        const auto* op = page.findText(pl.ws.form.txtgrade1.text);
        ASSERT_NE(op, nullptr);
        EXPECT_NEAR(op->font.size, 12.4, kEps);
        EXPECT_EQ(op->font.name, QStringLiteral("ARIAL"));
        EXPECT_FALSE(op->font.bold);
    }
    EXPECT_EQ(firstSteps(), 1) << "later volumes reuse the fitted size";

    pl.print(1, 1);
    EXPECT_EQ(firstSteps(), 2) << "a new run fits again";
}

}  // namespace
