// The carton print run: the volumes it prints, and the 100 x 40 box-front labels.
#include "tests/labels/print_fixture.h"

#include <algorithm>
#include <functional>

namespace {

struct PrintCartonTest : ::testing::Test, PrintDesk {
    PrintCartonTest() { cartonOrder(); }
};

TEST_F(PrintCartonTest, OnePagePerVolumeOfTheChosenRange)
{
    struct Case {
        const char* first;
        const char* last;
        QStringList volumes;
    };
    const Case cases[] = {
        {"1", "4", {"1/4", "2/4", "3/4", "4/4"}},
        {"3", "1", {"3/4"}},  // a first volume past the last prints the first alone
        {"2", "2", {"2/4"}},
    };
    // Each volume's pack code, as the QR image names it.
    const QStringList codes{"7891234500014", "7891234500021", "7891234500038", "7891234500045"};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " to " + c.last);
        PrintDesk d;
        d.cartonOrder();
        ASSERT_FALSE(d.f.Frame1.visible);
        d.f.cmbtipo.text = "anything";  // the carton path does not look at the type
        d.volumes(c.first, c.last);
        d.run();
        ASSERT_EQ(d.chosen.documents().size(), 1u);
        const auto pages = d.printed();
        ASSERT_EQ(pages.size(), static_cast<std::size_t>(c.volumes.size()));
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const QString volume = c.volumes[static_cast<int>(i)];
            EXPECT_NE(pages[i].findText("Volume: " + volume), nullptr) << textsOf(pages[i]).join("|").toStdString();
            EXPECT_NE(pages[i].findText(codes[volume.left(1).toInt() - 1]), nullptr);
            EXPECT_NEAR(pages[i].sizeMm.width(), 158.75, 0.01);
            EXPECT_NEAR(pages[i].sizeMm.height(), 158.75, 0.01);
        }
        EXPECT_TRUE(d.tw.messages.shown().empty());
        EXPECT_TRUE(d.defaultCurrent());
        EXPECT_EQ(d.g.codigo_marca, "K");
    }
}

TEST_F(PrintCartonTest, VolumesThatAreNoNumbersPrintNothingAndTheRunStillEnds)
{
    for (const char* volume : {"", "x", "40000"}) {
        SCOPED_TRACE(volume);
        PrintDesk d;
        d.cartonOrder();
        d.volumes("1", volume);
        d.run();
        EXPECT_TRUE(d.nothingPrinted());
        EXPECT_TRUE(d.java.calls().isEmpty());  // the pack layout was never called
        EXPECT_TRUE(d.tw.messages.shown().empty());
        EXPECT_TRUE(d.defaultCurrent());
        // The page was still set up for the carton before the range was read.
        EXPECT_EQ(d.chosen.height(), Twips{9000});
    }
}

TEST_F(PrintCartonTest, NoQrImagesMeansTheLayoutsMessageAndNoPages)
{
    const struct {
        const char* name;
        QString generator;
    } cases[] = {
        {"no files", QStringLiteral("exit 0")},
        {"files that are no images",
         QStringLiteral("echo \"$CODES\" | while read -r c; do echo text > \"tmp/$c.jpg\"; done")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDesk d{c.generator};
        d.cartonOrder();
        d.volumes("1", "4");
        d.run();
        EXPECT_EQ(d.tw.messages.texts(), QStringList{"Erro ao Gerar o QRcode"});
        EXPECT_TRUE(d.nothingPrinted());
        EXPECT_TRUE(d.defaultCurrent());
    }
}

TEST_F(PrintCartonTest, TheOlderLayoutWorksOnCopiesAndItsFailureEndsOnlyThatCall)
{
    f.pack_novo = false;
    f.txtfornecedor1.text = "CALCADOS PASSO FIRME INDUSTRIA LTDA";
    const QString fornecedor = f.txtfornecedor1.text, descricao = f.txtdescricao1.text;
    const QString destino = f.txtdestino1.text, ean = f.txtean.text;
    volumes("1", "2");
    run();
    // Its Code 39 symbol refuses the "|" of the pack-list entry, which ends the layout at the
    // symbol of the first volume; the run still ends its document and restores the printer.
    ASSERT_EQ(chosen.documents().size(), 1u);
    const auto pages = printed();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].findText("CD - DESTINO"), nullptr);  // the older label's own caption
    EXPECT_NE(pages[0].findText("CALCADOS PASSO FIRME"), nullptr);  // its copy cut to 20
    EXPECT_TRUE(java.calls().isEmpty());  // no QR images for the older label
    EXPECT_TRUE(tw.messages.shown().empty());
    EXPECT_EQ(f.txtfornecedor1.text, fornecedor);
    EXPECT_EQ(f.txtdescricao1.text, descricao);
    EXPECT_EQ(f.txtdestino1.text, destino);
    EXPECT_EQ(f.txtean.text, ean);
    EXPECT_TRUE(defaultCurrent());
}

TEST_F(PrintCartonTest, TheCurrentLayoutLeavesTheWindowsFieldsAsTheyWere)
{
    volumes("1", "1");
    const QString destino = f.txtdestino1.text, ean = f.txtean.text, departamento = f.txtdepartamento.text;
    run();
    ASSERT_EQ(printed().size(), 1u);
    EXPECT_EQ(f.txtdestino1.text, destino);
    EXPECT_EQ(f.txtean.text, ean);
    EXPECT_EQ(f.txtdepartamento.text, departamento);
}

struct Print100x40Test : ::testing::Test, PrintDesk {};

TEST_F(Print100x40Test, OneLabelPerPageAtFixedPlacesOnTheLabelsOwnHeight)
{
    twoSizes(kFrente);
    f.cmbtipo.text = k100x40;
    f.txtpreco.text = " ";
    g.margem_oculta_col1 = 9, g.margem_oculta_col2 = 9, g.margem_oculta_topo = 9;
    g.origem_x = 5, g.origem_y = 5;
    g.coluna_etiqueta = 2;
    chosen.setHeight(Twips{5000});
    f.Frame2.visible = true;
    run();
    ASSERT_EQ(chosen.documents().size(), 1u);
    const auto pages = printed();
    ASSERT_EQ(pages.size(), 3u);  // 2 of size 38, then 1 of size 39
    const QString codes[] = {"7891234567802", "7891234567802", "7891234567819"};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        QStringList barcodes;
        for (const auto& op : pages[i].ops)
            if (!op.barcode.isEmpty())
                barcodes << op.barcode;
        EXPECT_EQ(barcodes, QStringList{codes[i]});
        EXPECT_NEAR(pages[i].sizeMm.width(), 158.75, 0.01);
        EXPECT_NEAR(pages[i].sizeMm.height(), 40, 0.01);
        EXPECT_FALSE(textsOf(pages[i]).contains("Pedido: 780001"));  // no header on this branch
    }
    EXPECT_EQ(f.txtpreco.text, "0,00");
    EXPECT_FLOAT_EQ(g.margem_oculta_col1, 3);
    EXPECT_FLOAT_EQ(g.margem_oculta_col2, 45);
    EXPECT_FLOAT_EQ(g.margem_oculta_topo, 3);
    EXPECT_FLOAT_EQ(g.origem_x, 0);
    EXPECT_FLOAT_EQ(g.origem_y, 0);
    EXPECT_EQ(g.coluna_etiqueta, 2);  // not this branch's counter
    EXPECT_TRUE(defaultCurrent());
}

// Whatever page the printer holds from before, the 100 x 40 labels get their 40 mm: the lowest
// drawing on the label (the barcode digits at 35 mm) stays on the page.
TEST_F(Print100x40Test, ARunAfterAnyOtherPageStillGetsTheLabelsHeight)
{
    struct Case {
        const char* before;
        std::function<void(PrintDesk&)> earlier;
    };
    const Case cases[] = {
        {"the printer's first page", [](PrintDesk&) {}},
        {"a hidden-label run", [](PrintDesk& d) {
             d.twoSizes(kOculta);
             d.run();
         }},
        {"a box-front run", [](PrintDesk& d) {
             d.twoSizes(kFrente);
             d.run();
         }},
        {"a carton run", [](PrintDesk& d) {
             d.cartonOrder();
             d.volumes("1", "1");
             d.run();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        PrintDesk d;
        c.earlier(d);
        const std::size_t before = d.chosen.documents().size();
        d.twoSizes(kFrente);
        d.f.cmbtipo.text = k100x40;
        d.run();
        ASSERT_EQ(d.chosen.documents().size(), before + 1);
        const auto& pages = d.chosen.documents().back().pages;
        ASSERT_EQ(pages.size(), 3u);
        for (const auto& page : pages) {
            EXPECT_NEAR(page.sizeMm.height(), 40, 0.01);
            double lowest = 0;
            for (const auto& op : page.ops)
                lowest = std::max(lowest, op.y + (op.kind == RecordingPrinter::Kind::Text ? 0.0 : op.height));
            EXPECT_GT(lowest, 35);
            EXPECT_LT(lowest, page.sizeMm.height());
        }
    }
}

}  // namespace
