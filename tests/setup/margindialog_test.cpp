// The margin-dialog pattern on a dialog of two columns and a top, as the running dialogs have.
#include "settings/fields.h"
#include "settings/settings.h"
#include "setup/margindialog.h"
#include "setup/margindialogview.h"
#include "tests/common/smalldisk.h"
#include "tests/common/testworkstation.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest/qtestkeyboard.h>
#include <gtest/gtest.h>

namespace {

MarginDialogLayout twoColumns()
{
    MarginDialogLayout l;
    l.caption = QStringLiteral("Calibrar Margens - Teste");
    l.width = 6615;
    l.height = 4035;
    l.frame.name = QStringLiteral("Frame1");
    l.frame.caption = QStringLiteral("Etiqueta 40x20x2");
    l.frame.move(240, 120, 6135, 3615);
    l.labels.push_back(marginCaption("Label2", QStringLiteral("3"), 960, 480, 375, 255));
    const struct {
        const char* name;
        const char* key;
        const char* load;
        const char* save;
        KeyFilter filter;
        bool selects;
        int maxLength;
    } boxes[] = {
        {"txtmargem1", "ColunaA", "3", "3", KeyFilter::Decimal, true, 4},
        {"txtmargem2", "ColunaB", "45", "45", KeyFilter::Inteiro, true, 4},
        {"txtmargemsuperior", "Topo", "3", "10", KeyFilter::None, false, 0},
    };
    int tab = 0;
    for (const auto& b : boxes) {
        MarginBox m;
        m.box.name = QString::fromLatin1(b.name);
        m.box.move(840 + 1000 * tab, 1680, 615, 285);
        m.box.tabIndex = tab++;
        m.key = QString::fromLatin1(b.key);
        m.loadStandard = QString::fromLatin1(b.load);
        m.saveStandard = QString::fromLatin1(b.save);
        m.filter = b.filter;
        m.selectsOnFocus = b.selects;
        m.maxLength = b.maxLength;
        l.boxes.push_back(m);
    }
    placeMarginButtons(l, 2880, {120, 2160, 4200}, {1815, 1815, 1815}, 495, {3, 4, 5});
    return l;
}

// Keeps what each test print saw in the boxes.
class TwoColumns : public MarginDialog {
public:
    explicit TwoColumns(Workstation& ws, std::vector<QStringList>* tests = nullptr)
        : MarginDialog(ws, twoColumns()), tests_(tests)
    {
    }
    int loads = 0;

protected:
    void loaded() override { ++loads; }
    void testPrint() override
    {
        QStringList seen;
        for (MarginBox& b : boxes())
            seen << b.box.text;
        if (tests_)
            tests_->push_back(seen);
    }

private:
    std::vector<QStringList>* tests_;
};

QStringList texts(MarginDialog& d)
{
    QStringList out;
    for (MarginBox& b : d.boxes())
        out << b.box.text;
    return out;
}

// A closed window is deleted once an event loop runs.
void settle()
{
    QTest::qWait(20);
}

QString setting(TestWorkstation& t, const char* key) { return readSetting(t.ws, "MargemOcultaZebra", key); }

}  // namespace

TEST(MarginDialogTest, LoadTakesStoredTextsAndStandardsForTheRest)
{
    struct {
        const char* file;  // nullptr: no settings file
        QStringList shown;
    } rows[] = {
        {nullptr, {"3", "45", "3"}},
        {"[MargemOcultaZebra]\r\nColunaA=2,2\r\nColunaB=\r\n", {"2,2", "45", "3"}},
        {"[MargemOcultaZebra]\r\nColunaA=\"  \"\r\nColunaB=-\r\nTopo=abc\r\n", {"3", "-", "abc"}},
        {"[Impressora]\r\nColunaA=9\r\n", {"3", "45", "3"}},
    };
    for (const auto& r : rows) {
        TestWorkstation t;
        if (r.file)
            t.write(QStringLiteral("Pendrova.ini"), QString::fromLatin1(r.file));
        TwoColumns d(t.ws);
        d.box(QStringLiteral("txtmargem1")).text = QStringLiteral("left over");
        d.Form_Load();
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(d.loads, 1);
        EXPECT_EQ(texts(d), r.shown) << (r.file ? r.file : "no file");
    }
}

TEST(MarginDialogTest, SaveWritesEveryBoxABlankOneAsItsSaveStandardThenCloses)
{
    TestWorkstation t;
    TwoColumns d(t.ws);
    d.Form_Load();
    d.box(QStringLiteral("txtmargem1")).text = QStringLiteral("1,5");
    d.box(QStringLiteral("txtmargem2")).text = QStringLiteral("   ");
    d.box(QStringLiteral("txtmargemsuperior")).text.clear();
    d.cmd_gravar_Click();
    EXPECT_FALSE(d.isOpen());
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")).toStdString(),
              "[MargemOcultaZebra]\r\nColunaA=1,5\r\nColunaB=45\r\nTopo=10\r\n");
}

// A disk that cannot take the margins: the file stays as it was, the operator is told once, and
// the dialog stays open with what was typed, to be saved again.
TEST(MarginDialogTest, AFullDiskKeepsTheFileAndTheDialogWithWhatWasTyped)
{
    TestWorkstation t;
    SmallDisk disk(t.folder(), t.files, 64);
    t.writeBytes(QStringLiteral("Pendrova.ini"), "[MargemOcultaZebra]\r\nColunaA=3\r\nColunaB=45\r\nTopo=3\r\n");
    const QByteArray file = t.readBytes(QStringLiteral("Pendrova.ini"));
    TwoColumns d(t.ws);
    d.Form_Load();
    d.box(QStringLiteral("txtmargem1")).text = QStringLiteral("1,5");
    disk.fill();
    d.cmd_gravar_Click();
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), file);
    EXPECT_EQ(t.messages.texts(), QStringList{QStringLiteral("Não foi possível gravar o arquivo ") +
                                              t.path(QStringLiteral("Pendrova.ini")) +
                                              QStringLiteral(": não há espaço livre no disco.")});
    EXPECT_TRUE(d.isOpen());
    EXPECT_EQ(texts(d), (QStringList{QStringLiteral("1,5"), QStringLiteral("45"), QStringLiteral("3")}));
}

TEST(MarginDialogTest, LeavingWritesNothingAndLosesWhatWasTyped)
{
    TestWorkstation t;
    t.write(QStringLiteral("Pendrova.ini"), QStringLiteral("[MargemOcultaZebra]\r\nColunaA=4\r\n"));
    TwoColumns d(t.ws);
    d.Form_Load();
    d.box(QStringLiteral("txtmargem1")).text = QStringLiteral("8");
    d.cmd_exit_Click();
    EXPECT_FALSE(d.isOpen());
    EXPECT_EQ(setting(t, "ColunaA"), u"4");
    d.Form_Load();
    EXPECT_EQ(d.box(QStringLiteral("txtmargem1")).text, u"4");
}

TEST(MarginDialogTest, TestPrintSeesTheTypedTextsAndWritesNothing)
{
    TestWorkstation t;
    std::vector<QStringList> tests;
    TwoColumns d(t.ws, &tests);
    d.Form_Load();
    d.box(QStringLiteral("txtmargem2")).text = QStringLiteral("50");
    d.cmd_teste_Click();
    ASSERT_EQ(tests.size(), 1u);
    EXPECT_EQ(tests[0], (QStringList{"3", "50", "3"}));
    EXPECT_TRUE(d.isOpen());
    EXPECT_FALSE(t.exists(QStringLiteral("Pendrova.ini")));
}

TEST(MarginDialogTest, KeyFiltersSelectionAndUnknownBoxes)
{
    TestWorkstation t;
    TwoColumns d(t.ws);
    const struct {
        int box;
        int16_t typed, kept;
    } keys[] = {
        {0, '.', ','}, {0, ',', ','}, {0, 'x', 0},   {0, '5', '5'}, {1, '.', 0},   {1, ',', 0},
        {1, '-', '-'}, {1, 8, 8},     {2, 'x', 'x'}, {2, '.', '.'},
    };
    for (const auto& k : keys)
        EXPECT_EQ(d.KeyPress(k.box, k.typed), k.kept) << k.box << " " << k.typed;

    d.boxes()[0].box.text = QStringLiteral("  12 ");
    d.GotFocus(0);
    EXPECT_EQ(d.boxes()[0].box.selStart, 0);
    EXPECT_EQ(d.boxes()[0].box.selLength, 2);
    d.boxes()[2].box.text = QStringLiteral("12");
    d.GotFocus(2);
    EXPECT_EQ(d.boxes()[2].box.selLength, 0);

    EXPECT_THROW(d.box(QStringLiteral("txtmargem3")), ProgramError);
}

TEST(MarginDialogViewTest, ShowsTheModelWithoutBlockingAndFiltersTyping)
{
    TestWorkstation t;
    auto* view = new MarginDialogView(std::make_unique<TwoColumns>(t.ws));
    QPointer<MarginDialogView> alive(view);
    view->open();
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(view->isModal());
    EXPECT_EQ(view->windowTitle(), u"Calibrar Margens - Teste");

    auto* col1 = view->findChild<QLineEdit*>(QStringLiteral("txtmargem1"));
    auto* col2 = view->findChild<QLineEdit*>(QStringLiteral("txtmargem2"));
    auto* top = view->findChild<QLineEdit*>(QStringLiteral("txtmargemsuperior"));
    ASSERT_TRUE(col1 && col2 && top);
    EXPECT_EQ(col1->text(), u"3");

    col1->clear();
    QTest::keyClicks(col1, QStringLiteral("1.5a"));
    EXPECT_EQ(col1->text(), u"1,5");
    EXPECT_EQ(view->model().box(QStringLiteral("txtmargem1")).text, u"1,5");
    col2->clear();
    QTest::keyClicks(col2, QStringLiteral("-12345"));
    EXPECT_EQ(col2->text(), u"-123");

    // Entering a box selects its trimmed text; the top box selects nothing.
    col2->setText(QStringLiteral(" 7 "));
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(col2, &in);
    EXPECT_EQ(col2->selectionStart(), 0);
    EXPECT_EQ(col2->selectedText(), u" ");  // as long as the trimmed text, from the start
    QApplication::sendEvent(top, &in);
    EXPECT_FALSE(top->hasSelectedText());

    view->findChild<QPushButton*>(QStringLiteral("cmd_gravar"))->click();
    settle();
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(setting(t, "ColunaA"), u"1,5");
    EXPECT_EQ(setting(t, "ColunaB"), u" 7 ");  // saved as typed
}

TEST(MarginDialogViewTest, TheCloseBoxWritesNothingAndTestKeepsTheWindow)
{
    TestWorkstation t;
    std::vector<QStringList> tests;
    auto* view = new MarginDialogView(std::make_unique<TwoColumns>(t.ws, &tests));
    QPointer<MarginDialogView> alive(view);
    view->open();
    auto* col1 = view->findChild<QLineEdit*>(QStringLiteral("txtmargem1"));
    col1->clear();
    QTest::keyClicks(col1, QStringLiteral("9"));
    view->findChild<QPushButton*>(QStringLiteral("cmd_teste"))->click();
    ASSERT_EQ(tests.size(), 1u);
    EXPECT_EQ(tests[0][0], u"9");
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(view->close());
    EXPECT_FALSE(view->isVisible());
    settle();
    EXPECT_TRUE(alive.isNull());
    EXPECT_FALSE(t.exists(QStringLiteral("Pendrova.ini")));
}
