// The design values of the main window's model.
#include "form/mainform.h"
#include "tests/app/qtprint.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(FormDesignTest, TabIndexesOfTheDesignAreUniqueAndInPlace)
{
    MainForm f;
    struct {
        const char* name;
        int tab;
    } rows[] = {
        {"txtlote", 0},      {"txtarquivo", 1},  {"cmbtipo", 2},      {"txtcliente", 3}, {"cmb_referencia", 4},
        {"txtcodigo", 5},    {"txtcor", 6},      {"txtsemana", 7},    {"txtbandeira", 8}, {"txtpreco", 9},
        {"txtdescricao", 10}, {"txtpromocao", 11},
    };
    for (const auto& r : rows) {
        Control* c = f.find(QString::fromLatin1(r.name));
        ASSERT_NE(c, nullptr) << r.name;
        EXPECT_EQ(c->tabIndex, r.tab) << r.name;
    }
    for (int k = 0; k < MainForm::kSizeCells; ++k)
        EXPECT_EQ(f.txtnumero[k].tabIndex, 31 + k);
    QSet<int> seen;
    f.forEachControl([&](Control& c) {
        if (c.tabIndex < 0)
            return;
        EXPECT_FALSE(seen.contains(c.tabIndex)) << c.name.toStdString() << " " << c.tabIndex;
        seen.insert(c.tabIndex);
    });
}

TEST(FormDesignTest, EveryControlHasANameAContainerThatExistsAndTheDesignFont)
{
    MainForm f;
    f.forEachControl([&](Control& c) {
        EXPECT_FALSE(c.name.isEmpty());
        if (!c.container.isEmpty()) {
            const Control* panel = f.find(c.container);
            ASSERT_NE(panel, nullptr) << c.name.toStdString();
            EXPECT_TRUE(panel->container.isEmpty()) << "panels sit in the window";
        }
        if (&c != &f.Frame3) {
            EXPECT_EQ(c.font.name, QStringLiteral("Arial")) << c.name.toStdString();
            EXPECT_DOUBLE_EQ(c.font.size, 9.75);
            EXPECT_TRUE(c.font.bold);
        }
    });
    EXPECT_EQ(f.Frame3.font.name, QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(f.Frame3.font.size, 8.25);
    EXPECT_TRUE(f.Frame3.font.bold);
    // Frame3 is designed off the window; start-up moves it onto Frame1.
    EXPECT_GE(f.Frame3.left, MainForm::kWidth);
    EXPECT_EQ(f.Frame3.width, f.Frame1.width);
    EXPECT_EQ(f.Frame3.height, f.Frame1.height);
    // The visible controls of the window lie inside it; the holders below it.
    for (const Control* c : {static_cast<Control*>(&f.lblpath), static_cast<Control*>(&f.lblpacknovo),
                             static_cast<Control*>(&f.List1)})
        EXPECT_GT(c->top, MainForm::kHeight) << c->name.toStdString();
}
