#include "tests/labels/print_fixture.h"

#include <optional>

namespace {

// The margins a run reads from "MargemOcultaZebra", family by family. Before each run the
// variables hold 7, 8 and 9, standing for what an earlier run or test print left.
TEST(PrintMarginsTest, FileKeysAndFallbacksPerFamily)
{
    enum class Family { BoxFront, Hidden, Pack };
    struct Case {
        const char* name;
        Family family;
        std::optional<QString> settings;  // nullopt: no settings file
        std::vector<float> want;
    };
    const Case cases[] = {
        /* 0 */ {"box front, no settings file", Family::BoxFront, std::nullopt, {0, 40, 3}},
        /* 1 */ {"hidden, no settings file", Family::Hidden, std::nullopt, {3, 45, 3}},
        /* 2 */ {"pack, no settings file", Family::Pack, std::nullopt, {3, 3}},
        /* 3 */
        {"box front, all keys", Family::BoxFront, "Mx4045_1=1,5\r\nMx4045_2=41,25\r\nMx4045=2,2\r\n", {1.5f, 41.25f, 2.2f}},
        /* 4 */
        {"box front, right column blank", Family::BoxFront, "Mx4045_1=1\r\nMx4045_2=  \r\nMx4045=2\r\n", {1, 40, 2}},
        /* 5 */
        {"box front, top not a number keeps the earlier value", Family::BoxFront,
         "Mx4045_1=1\r\nMx4045_2=41\r\nMx4045=abc\r\n", {1, 41, 9}},
        /* 6 */ {"box front, keys missing", Family::BoxFront, "Mx4045_1=1\r\n", {1, 40, 3}},
        /* 7 */
        {"hidden, right column blank; the left keeps its own key", Family::Hidden,
         "Margem_oculta1=2,5\r\nMargem_oculta11=\r\nMargem_oculta2=1\r\n", {2.5f, 45, 1}},
        /* 8 */
        {"hidden, a point is no decimal separator here", Family::Hidden,
         "Margem_oculta1=2.5\r\nMargem_oculta11=46\r\nMargem_oculta2=1\r\n", {7, 46, 1}},
        /* 9 */ {"pack, abc and a decimal comma", Family::Pack, "PackX=abc\r\nPackY=2,2\r\n", {3, 2.2f}},
        /* 10 */ {"pack, blank and missing", Family::Pack, "PackX=\r\n", {3, 3}},
        /* 11 */ {"pack, both read", Family::Pack, "PackX=4\r\nPackY= 1,5 \r\n", {4, 1.5f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDesk d;
        std::vector<float Globals::*> vars;
        switch (c.family) {
        case Family::BoxFront:
            d.twoSizes(PrintDesk::kFrente);
            vars = {&Globals::margem_caixa_col1, &Globals::margem_caixa_col2, &Globals::margem_caixa_topo};
            break;
        case Family::Hidden:
            d.twoSizes(PrintDesk::kOculta);
            vars = {&Globals::margem_oculta_col1, &Globals::margem_oculta_col2, &Globals::margem_oculta_topo};
            break;
        case Family::Pack:
            d.cartonOrder();
            d.volumes("1", "1");
            vars = {&Globals::margem_pack_x, &Globals::margem_pack_y};
            break;
        }
        if (c.settings)
            d.margins(*c.settings);
        else
            d.removeSettings();
        for (std::size_t i = 0; i < vars.size(); ++i)
            d.g.*vars[i] = 7 + static_cast<float>(i);
        d.run();
        ASSERT_EQ(vars.size(), c.want.size());
        for (std::size_t i = 0; i < vars.size(); ++i)
            EXPECT_FLOAT_EQ(d.g.*vars[i], c.want[i]) << "margin " << i;
        ASSERT_FALSE(d.printed().empty());
        if (c.family == Family::Pack) {
            // The pack label draws from its margins less its own offsets.
            EXPECT_FLOAT_EQ(d.g.origem_x, c.want[0] - 2.7f);
            EXPECT_FLOAT_EQ(d.g.origem_y, c.want[1] - 3.0f);
        }
    }
}

// What the margins mean on the page: without a price the box-front reference stands 20 mm right
// of its column.
TEST(PrintMarginsTest, TheLabelsStandWhereTheFileSays)
{
    PrintDesk d;
    d.twoSizes(PrintDesk::kFrente);
    d.margins("Mx4045_1=1,5\r\nMx4045_2=43\r\nMx4045=4\r\n");
    d.run();
    const auto pages = d.printed();
    ASSERT_FALSE(pages.empty());
    std::vector<double> xs;
    for (const auto* op : pages.front().texts())
        if (op->text == "237")
            xs.push_back(op->x);
    ASSERT_EQ(xs.size(), 2u);
    EXPECT_NEAR(xs.at(0), 1.5 + 20, 1e-4);
    EXPECT_NEAR(xs.at(1), 43 + 20, 1e-4);
}

}  // namespace
