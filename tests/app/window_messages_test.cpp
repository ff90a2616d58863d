// The program's real message boxes over its windows: a box belongs to the window that is active
// when it shows, and that window has the keyboard again when the box is answered. The same under
// a real window manager: tests/x11.
#include "app/qtmessages.h"
#include "app/wiring.h"
#include "settings/printers.h"
#include "setup/setupdialogs.h"
#include "tests/app/windowfixture.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest/qtestkeyboard.h>

namespace {

// The main window as main() builds it, with QtMessages in place of the scripted ones.
struct WindowMessages : ::testing::Test {
    TestWorkstation t;
    QtMessages messages;
    QtKeystrokes keys;
    Workstation ws{t.files, t.profile, t.printers, messages, t.screen};
    Program program{ws, t.form, t.g};
    std::unique_ptr<FrmPadrao> window;
    std::unique_ptr<SetupDialogs> dialogs;

    // Each box shown: its text and the window it belongs to; answered with its default button.
    struct Seen {
        QString text;
        QPointer<QWidget> owner;
    };
    std::vector<Seen> seen;
    QTimer answer;

    void SetUp() override
    {
        for (int i = 0; i < t.printers.count(); ++i)
            t.printers.printer(i).setFonts({kLabelFonts.begin(), kLabelFonts.end()});
        QImage logo(8, 8, QImage::Format_RGB32);
        logo.fill(Qt::red);
        logo.save(t.path(QStringLiteral("mervalk.jpg")), "JPG");
        logo.save(t.path(QStringLiteral("orvenna.jpg")), "JPG");
        ws.keystrokes = &keys;
        window = std::make_unique<FrmPadrao>(program, MainWindowEvents{});
        dialogs = std::make_unique<SetupDialogs>(program, window.get());
        window->events() = programEvents(*dialogs);
        attachMessages(messages, keys, *window);
        answer.setInterval(10);
        QObject::connect(&answer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.push_back({box->text(), box->parentWidget()});
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        answer.start();
        window->load();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        answer.stop();
        dialogs.reset();
        window.reset();
    }
};

TEST_F(WindowMessages, AMarginDialogsMessageBelongsToItAndItsBlankBoxGetsTheTypedDigits)
{
    dialogs->openMargin(SetupDialogs::kCaixa);
    MarginDialogView* view = dialogs->margin(SetupDialogs::kCaixa);
    ASSERT_TRUE(view);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == view; }));
    auto* blank = view->findChild<QLineEdit*>(QStringLiteral("txtmargem2"));
    blank->clear();
    auto* teste = view->findChild<QPushButton*>(QStringLiteral("cmd_teste"));
    teste->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(teste, Qt::Key_Return);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QStringLiteral("Informe a Margem..."));
    EXPECT_EQ(seen[0].owner, view);
    // Nothing forces the activation here: the box's closing gives the keyboard back.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == view; }, 2000));
    ASSERT_EQ(QApplication::focusWidget(), blank);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("38"));
    EXPECT_EQ(blank->text(), QStringLiteral("38"));
}

TEST_F(WindowMessages, AMainWindowMessageBelongsToTheMainWindow)
{
    auto* calibra = window->findChild<QPushButton*>(QStringLiteral("cmd_calibra"));
    calibra->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(calibra, Qt::Key_Return);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QStringLiteral("Selecione um Pedido para realizar a Calibragem..."));
    EXPECT_EQ(seen[0].owner, window.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }, 2000));
    // The box took the move that Enter queued.
    QTest::qWait(20);
    EXPECT_EQ(QApplication::focusWidget(), calibra);
}

TEST_F(WindowMessages, TheParametersDialogsMessageBelongsToItAndItStaysOpen)
{
    dialogs->openParametros();
    QPointer<FrmParametroImpressoraView> view = dialogs->parametros();
    ASSERT_TRUE(view);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == view; }));
    view->model().txtjava.text = t.folder();
    view->findChild<QPushButton*>(QStringLiteral("cmd_grava"))->click();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].owner, view);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == view; }, 2000));
    EXPECT_EQ(dialogs->parametros(), view);
}

}  // namespace
