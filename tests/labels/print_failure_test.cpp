// A printer that loses the document (it cannot be opened, written or handed over) stops the print
// run at once, throws the incomplete document away and tells the operator which printer and why.
#include "tests/labels/print_fixture.h"

namespace {

const QString kReason = QStringLiteral("disco cheio");
const QString kMessage = QStringLiteral("Não foi possível imprimir na impressora \"Zebra\": disco cheio");

struct Path {
    const char* name;
    std::function<void(PrintDesk&)> load;
    // What the window holds after the run shows how far it went: the EAN-13 or pack code of the
    // last label the run got to.
    std::function<QString(PrintDesk&)> reached;
    QString lastOfWholeRun;
    QString firstLabel;  // empty: the run fails before its first label, leaving the window as it was
};

TEST(PrintFailureTest, TheRunStopsAtTheFirstFailureAndNamesThePrinterAndTheReason)
{
    const auto barra = [](PrintDesk& d) { return d.f.lblbarra.caption; };
    const Path paths[] = {
        {"box front", [](PrintDesk& d) { d.twoSizes(PrintDesk::kFrente); }, barra, "7891234567819", "7891234567802"},
        {"hidden", [](PrintDesk& d) { d.twoSizes(PrintDesk::kOculta); }, barra, "7891234567819", "7891234567802"},
        {"box front with the order header",
         [](PrintDesk& d) {
             d.twoSizes(PrintDesk::kFrente);
             d.f.Frame2.visible = true;
         },
         barra, "7891234567819", ""},
        {"100 x 40",
         [](PrintDesk& d) {
             d.twoSizes(PrintDesk::kFrente);
             d.f.cmbtipo.text = PrintDesk::k100x40;
         },
         barra, "7891234567819", "7891234567802"},
        {"accessory", [](PrintDesk& d) { d.accessoryOrder(); }, barra, "5601234000122", "5601234000122"},
        {"carton",
         [](PrintDesk& d) {
             d.cartonOrder();
             d.volumes("1", "4");
         },
         [](PrintDesk& d) { return d.f.txtbarra.text; }, "7891234500045", "7891234500014"},
    };
    struct When {
        const char* name;
        int page;  // 1: the document cannot be opened; 0: it cannot be handed over
    };
    const When whens[] = {{"cannot be opened", 1}, {"cannot be handed over", 0}};
    for (const Path& path : paths) {
        for (const When& when : whens) {
            SCOPED_TRACE(std::string(path.name) + ", " + when.name);
            PrintDesk d;
            path.load(d);
            const QString before = path.reached(d);
            d.chosen.setFailure(kReason, when.page);
            d.run();

            EXPECT_EQ(d.tw.messages.texts(), QStringList{kMessage});
            EXPECT_EQ(mb::iconOf(d.tw.messages.shown().back().style), mb::Critical);
            EXPECT_TRUE(d.nothingPrinted()) << "the incomplete document is thrown away";
            EXPECT_EQ(d.chosen.discarded(), 1);
            EXPECT_TRUE(d.defaultCurrent());
            // Failing at once, the run goes no further than the first label; failing at the
            // end, it has drawn them all.
            if (when.page == 1)
                EXPECT_EQ(path.reached(d), path.firstLabel.isEmpty() ? before : path.firstLabel);
            else
                EXPECT_EQ(path.reached(d), path.lastOfWholeRun);
        }
    }
}

TEST(PrintFailureTest, AFailureOnALaterPageStopsThereAndAWholeRunSaysNothing)
{
    PrintDesk d;
    d.cartonOrder();
    d.volumes("1", "4");
    d.chosen.setFailure(kReason, 3);
    d.run();
    EXPECT_EQ(d.tw.messages.texts(), QStringList{kMessage});
    EXPECT_EQ(d.f.txtbarra.text, QStringLiteral("7891234500038")) << "the third volume was the last one drawn";
    EXPECT_TRUE(d.nothingPrinted());

    // The printer is whole again: the next run prints and says nothing.
    d.tw.messages.clear();
    d.chosen.setFailure(QString());
    d.run();
    EXPECT_TRUE(d.tw.messages.texts().isEmpty());
    EXPECT_EQ(d.printed().size(), 4u);
}

}  // namespace
