// Keyboard and window focus in real windows under a window manager: keys typed with the X test
// extension reach whatever window the manager made active, so a message box that gives the
// keyboard to the wrong window shows here.
#include "app/frmpadrao.h"
#include "app/qtkeystrokes.h"
#include "app/qtmessages.h"
#include "app/wiring.h"
#include "settings/printers.h"
#include "setup/qtfolderpicker.h"
#include "setup/setupdialogs.h"
#include "tests/app/qtprint.h"
#include "tests/common/testworkstation.h"
#include "tests/x11/xinput.h"
#include "tests/x11/xsession.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QTimer>
#include <QtTest/qtestsystem.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The managed windows from bottom to top.
QList<quint64> stacking()
{
    return windowIds(runTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")}));
}

QString property(const QWidget* w, const QString& name)
{
    return runTool(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(xid(w)), name});
}

// Answers each message box with Enter once the manager has made it the active window, and keeps
// what it saw: the text and the window the box belonged to.
class Answerer {
public:
    struct Seen {
        QString text;
        QPointer<QWidget> owner;
    };
    Answerer()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == answered_ || QApplication::activeWindow() != box || activeX() != xid(box))
                return;
            answered_ = box;
            seen.push_back({box->text(), box->parentWidget()});
            key(QStringLiteral("Return"));
        });
        timer_.start();
    }
    std::vector<Seen> seen;

private:
    QTimer timer_;
    QPointer<QMessageBox> answered_;
};

// What the window asks of the manager: flags, functions, decorations of the Motif hints (the
// manager may still offer minimising from its menu), and what the manager allows.
void expectNoMinimiseOrMaximise(const QWidget* w)
{
    constexpr uint kFunctionsGiven = 1, kAllFunctions = 1, kMinimise = 8, kMaximise = 16;
    constexpr uint kMinimiseButton = 32, kMaximiseButton = 64;
    const QString line = property(w, QStringLiteral("_MOTIF_WM_HINTS"));
    const QStringList fields = line.section(u'=', 1).split(u',', Qt::SkipEmptyParts);
    ASSERT_GE(fields.size(), 3) << qPrintable(line);
    const uint flags = fields[0].trimmed().toUInt(nullptr, 0), functions = fields[1].trimmed().toUInt(nullptr, 0);
    const uint decorations = fields[2].trimmed().toUInt(nullptr, 0);
    EXPECT_TRUE(flags & kFunctionsGiven) << qPrintable(line);
    EXPECT_EQ(functions & (kAllFunctions | kMinimise | kMaximise), 0u) << qPrintable(line);
    EXPECT_EQ(decorations & (kMinimiseButton | kMaximiseButton), 0u) << qPrintable(line);
    const QString actions = property(w, QStringLiteral("_NET_WM_ALLOWED_ACTIONS"));
    EXPECT_TRUE(actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE"))) << qPrintable(actions);
    EXPECT_FALSE(actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE"))) << qPrintable(actions);
    EXPECT_FALSE(actions.contains(QStringLiteral("_NET_WM_ACTION_RESIZE"))) << qPrintable(actions);
}

// The window with the frame the manager gives it. Not Qt's frameGeometry(): Qt may take the frame's
// size while the manager is still building it (1 by 1) and then keep margins that shrink the
// window to a point.
QRect frameOnScreen(const QWidget* w)
{
    // left, right, top, bottom
    const QStringList sides = property(w, QStringLiteral("_NET_FRAME_EXTENTS")).section(u'=', 1).split(u',', Qt::SkipEmptyParts);
    const QRect client = w->geometry();
    if (sides.size() != 4)
        return client;
    return client.adjusted(-sides[0].trimmed().toInt(), -sides[2].trimmed().toInt(), sides[1].trimmed().toInt(),
                           sides[3].trimmed().toInt());
}

bool offTaskBar(const QWidget* w)
{
    return property(w, QStringLiteral("_NET_WM_STATE")).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR"));
}

// The program as main() puts it together, with the real message boxes and keystrokes, over a
// temporary program folder whose start-up has nothing to complain about.
struct Focus : ::testing::Test {
    TestWorkstation t;
    QtMessages messages;
    QtKeystrokes keys;
    Workstation ws{t.files, t.profile, t.printers, messages, t.screen};
    Program program{ws, t.form, t.g};
    std::unique_ptr<FrmPadrao> window;
    std::unique_ptr<SetupDialogs> dialogs;
    bool ended = false;

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
        window->events().endProgram = [this] { ended = true; };
        attachMessages(messages, keys, *window);
        window->load();
        window->show();
        ASSERT_TRUE(activate(window.get()));
    }

    void TearDown() override
    {
        dialogs.reset();
        window.reset();
    }

    template <class W>
    W* child(const QString& name) const
    {
        return window->findChild<W*>(name);
    }
    QString focusName() const
    {
        const QWidget* f = QApplication::focusWidget();
        return f ? f->objectName() : QString();
    }
    // Puts the keyboard on a control of the active window, as a click would.
    void focusOn(QWidget* w)
    {
        ASSERT_EQ(QApplication::activeWindow(), w->window());
        w->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == w; }));
    }
};

TEST_F(Focus, EnterOnAMainWindowButtonPressesItAndThenTheFocusMovesOn)
{
    Answerer answerer;
    QString focusAtClick;
    window->events().cmd_printacessorio_Click = [&](Program&) { focusAtClick = focusName(); };

    // The press comes first, with the focus still on the button; the move follows.
    focusOn(child<QPushButton>(QStringLiteral("cmd_printacessorio")));
    key(QStringLiteral("Return"));
    ASSERT_TRUE(waitFor([&] { return focusName() == QStringLiteral("cmd_calibra"); }));
    EXPECT_EQ(focusAtClick, QStringLiteral("cmd_printacessorio"));

    // A message box takes the move: the focus stays, and the main window has the keyboard again.
    key(QStringLiteral("Return"));
    ASSERT_TRUE(waitFor([&] { return answerer.seen.size() == 1 && isActive(window.get()); }));
    EXPECT_EQ(answerer.seen[0].text, QStringLiteral("Selecione um Pedido para realizar a Calibragem..."));
    EXPECT_EQ(answerer.seen[0].owner, window.get());
    QTest::qWait(50);
    EXPECT_EQ(focusName(), QStringLiteral("cmd_calibra"));

    // The printer-parameters dialog opens; the move happens in the window the key was pressed in.
    focusOn(child<QPushButton>(QStringLiteral("cmd_parametro")));
    key(QStringLiteral("KP_Enter"));
    ASSERT_TRUE(waitFor([&] { return dialogs->parametros() && isActive(dialogs->parametros()); }));
    EXPECT_EQ(window->focusWidget(), child<QPushButton>(QStringLiteral("cmd_sair")));
    dialogs->parametros()->close();
    window->activateWindow();
    ASSERT_TRUE(waitFor([&] { return isActive(window.get()); }));

    // "&Sair" saves and ends the program.
    t.form.txtlote.text = QStringLiteral("77");
    window->refresh();
    focusOn(child<QPushButton>(QStringLiteral("cmd_sair")));
    key(QStringLiteral("Return"));
    ASSERT_TRUE(waitFor([&] { return ended; }));
    EXPECT_TRUE(t.readBytes(QStringLiteral("Pendrova.ini")).contains("Lote=77"));
    EXPECT_EQ(answerer.seen.size(), 1u);
}

TEST_F(Focus, AfterInformeAMargemTypedDigitsLandInTheBlankBoxWithoutAClick)
{
    Answerer answerer;
    dialogs->openMargin(SetupDialogs::kCaixa);
    MarginDialogView* view = dialogs->margin(SetupDialogs::kCaixa);
    ASSERT_TRUE(view);
    ASSERT_TRUE(waitFor([&] { return isActive(view); }));
    EXPECT_TRUE(offTaskBar(view));
    expectNoMinimiseOrMaximise(view);
    auto* blank = view->findChild<QLineEdit*>(QStringLiteral("txtmargem2"));
    blank->clear();
    // Enter on the focused button presses it in a dialog too.
    focusOn(view->findChild<QPushButton*>(QStringLiteral("cmd_teste")));
    key(QStringLiteral("Return"));
    ASSERT_TRUE(waitFor([&] { return answerer.seen.size() == 1; }));
    EXPECT_EQ(answerer.seen[0].text, QStringLiteral("Informe a Margem..."));
    EXPECT_EQ(answerer.seen[0].owner, view);
    EXPECT_TRUE(waitFor([&] { return isActive(view); }, 2000)) << "active: " << activeX();
    EXPECT_EQ(QApplication::focusWidget(), blank);

    typeText(QStringLiteral("38"));
    EXPECT_TRUE(waitFor([&] { return blank->text() == QStringLiteral("38"); }, 2000)) << qPrintable(blank->text());
    EXPECT_EQ(t.form.txtarquivo.text, QString());  // the main window's field that had its focus
}

TEST_F(Focus, TheParametersDialogIsAToolWindowThatStaysAboveTheMainWindowAfterItsMessages)
{
    Answerer answerer;
    dialogs->openParametros();
    FrmParametroImpressoraView* view = dialogs->parametros();
    ASSERT_TRUE(view);
    ASSERT_TRUE(waitFor([&] { return isActive(view); }));

    // A tool window, off the task bar, of one size, without minimise and maximise.
    EXPECT_TRUE(property(view, QStringLiteral("_NET_WM_WINDOW_TYPE")).contains(QStringLiteral("_NET_WM_WINDOW_TYPE_UTILITY")));
    EXPECT_TRUE(offTaskBar(view)) << qPrintable(property(view, QStringLiteral("_NET_WM_STATE")));
    expectNoMinimiseOrMaximise(view);
    EXPECT_FALSE(offTaskBar(window.get()));

    // The Java folder has no java.exe: its message, and the dialog stays, above the main window.
    view->model().txtjava.text = t.folder();
    focusOn(view->findChild<QPushButton*>(QStringLiteral("cmd_grava")));
    key(QStringLiteral("Return"));
    ASSERT_TRUE(waitFor([&] { return answerer.seen.size() == 1; }));
    EXPECT_EQ(answerer.seen[0].text, QStringLiteral("A pasta %1, não foi localizado o arquivo Java.exe").arg(t.folder()));
    EXPECT_EQ(answerer.seen[0].owner, view);
    ASSERT_TRUE(waitFor([&] { return isActive(view); })) << "active: " << activeX();
    EXPECT_EQ(dialogs->parametros(), view);
    ASSERT_TRUE(waitFor([&] {
        const QList<quint64> order = stacking();
        return order.indexOf(xid(view)) > order.indexOf(xid(window.get())) && order.contains(xid(window.get()));
    }));
    // The keyboard is the dialog's: Tab moves between its controls.
    key(QStringLiteral("Tab"));
    EXPECT_TRUE(waitFor([&] { return focusName() == QStringLiteral("cmd_sair"); })) << qPrintable(focusName());

    // Its locked folder box selects nothing when tabbed into.
    auto* path = view->findChild<QLineEdit*>(QStringLiteral("TXTPATH"));
    ASSERT_FALSE(path->text().isEmpty());
    focusOn(view->findChild<QPushButton*>(QStringLiteral("CMD_GETPATH")));
    key(QStringLiteral("Tab"));
    ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == path; })) << qPrintable(focusName());
    EXPECT_FALSE(path->hasSelectedText()) << qPrintable(path->selectedText());
}

TEST_F(Focus, TabbingIntoALockedFieldSelectsNothingAndKeepsTheCaret)
{
    t.form.txtcodigo.text = QStringLiteral("4501237038");
    t.form.txtcor.text = QStringLiteral("PRETO");
    t.form.txtsemana.text = QStringLiteral("23");
    window->refresh();
    auto* codigo = child<QLineEdit>(QStringLiteral("txtcodigo"));
    ASSERT_TRUE(codigo->isReadOnly());
    focusOn(child<QComboBox>(QStringLiteral("cmb_referencia")));
    key(QStringLiteral("Tab"));
    ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == codigo; }));
    EXPECT_FALSE(codigo->hasSelectedText()) << qPrintable(codigo->selectedText());
    EXPECT_EQ(codigo->cursorPosition(), 0);

    // The caret the operator left is where the next visit finds it, also when Enter moves in.
    codigo->setCursorPosition(4);
    key(QStringLiteral("Return"));
    ASSERT_TRUE(waitFor([&] { return focusName() == QStringLiteral("txtcor"); }));
    key(QStringLiteral("Up"));
    ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == codigo; }));
    EXPECT_FALSE(codigo->hasSelectedText());
    EXPECT_EQ(codigo->cursorPosition(), 4);

    // A field with a rule of its own still selects: txtcor highlights and selects on entry.
    key(QStringLiteral("Tab"));
    ASSERT_TRUE(waitFor([&] { return focusName() == QStringLiteral("txtcor"); }));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtcor"))->selectedText(), QStringLiteral("PRETO"));
    // The next one without a rule does not.
    key(QStringLiteral("Tab"));
    ASSERT_TRUE(waitFor([&] { return focusName() == QStringLiteral("txtsemana"); }));
    EXPECT_FALSE(child<QLineEdit>(QStringLiteral("txtsemana"))->hasSelectedText());
}

TEST_F(Focus, OpeningAListWithTheMouseIsNoLostFocusOnlyLeavingItIs)
{
    Answerer answerer;
    t.write(QStringLiteral("PEDIDO 880001 FRENTE.txt"),
            QStringLiteral("MERVALK;PEDIDO 880001\r\n"
                           "QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA\r\n"
                           "2;PRETO;38;R;SAPATO SOCIAL;789912340001;4501237038;23;A;;2;L1\r\n"
                           "3;CARAMELO;35;R;SANDALIA RASTEIRA;789912340101;4503388035;24;B;;1;L1\r\n"));
    int tipoLost = 0, referenciaLost = 0;
    MainWindowEvents& e = window->events();
    e.cmbtipo_LostFocus = [&, load = e.cmbtipo_LostFocus](Program& p) { ++tipoLost; load(p); };
    e.cmb_referencia_LostFocus = [&, load = e.cmb_referencia_LostFocus](Program& p) { ++referenciaLost; load(p); };
    auto* tipo = child<QComboBox>(QStringLiteral("cmbtipo"));
    auto* referencia = child<QComboBox>(QStringLiteral("cmb_referencia"));
    auto* print = child<QPushButton>(QStringLiteral("cmd_printacessorio"));
    auto popupOpen = [] { return QApplication::activePopupWidget() != nullptr; };

    ASSERT_EQ(focusName(), QStringLiteral("txtarquivo"));
    typeText(QStringLiteral("880001"));
    key(QStringLiteral("Return"));
    ASSERT_TRUE(waitFor([&] { return referencia->count() == 2 && focusName() == QStringLiteral("cmbtipo"); }));
    click(print);
    ASSERT_TRUE(waitFor([&] { return focusName() == QStringLiteral("cmd_printacessorio"); }));
    ASSERT_EQ(tipoLost, 1);
    QTest::qWait(100);

    // The item list opened with the mouse keeps the focus: nothing reloads the item.
    click(referencia);
    ASSERT_TRUE(waitFor(popupOpen));
    QTest::qWait(100);
    EXPECT_EQ(referenciaLost, 0);
    // The second item, clicked in the drop-down, loads when the list is left.
    auto* items = referencia->view();
    clickAt(items->viewport(), items->visualRect(items->model()->index(1, 0)).center());
    ASSERT_TRUE(waitFor([&] { return !popupOpen() && focusName() == QStringLiteral("cmb_referencia"); }));
    EXPECT_EQ(referenciaLost, 0);
    key(QStringLiteral("Tab"));
    ASSERT_TRUE(waitFor([&] { return referenciaLost == 1; }));
    EXPECT_EQ(t.form.txtdescricao.text, QStringLiteral("SANDALIA RASTEIRA"));

    // From the print button, the type list's arrow gives the list the focus and no more: the
    // order is not read again and the chosen item stays.
    click(print);
    ASSERT_TRUE(waitFor([&] { return focusName() == QStringLiteral("cmd_printacessorio"); }));
    QTest::qWait(100);
    clickAt(tipo, QPoint(tipo->width() - 8, tipo->height() / 2));
    ASSERT_TRUE(waitFor(popupOpen));
    QTest::qWait(100);
    EXPECT_EQ(tipoLost, 1);
    EXPECT_EQ(referenciaLost, 1);
    EXPECT_EQ(t.form.txtdescricao.text, QStringLiteral("SANDALIA RASTEIRA"));
    key(QStringLiteral("Escape"));
    ASSERT_TRUE(waitFor([&] { return !popupOpen() && focusName() == QStringLiteral("cmbtipo"); }));
    EXPECT_EQ(tipoLost, 1);

    // Leaving the type list is its lost focus, which reads the order again from its first item.
    key(QStringLiteral("Tab"));
    ASSERT_TRUE(waitFor([&] { return tipoLost == 2; }));
    EXPECT_EQ(t.form.txtdescricao.text, QStringLiteral("SAPATO SOCIAL"));
    for (const auto& seen : answerer.seen)
        ADD_FAILURE() << "message: " << qPrintable(seen.text);
}

// The folder browser of the printer-parameters dialog holds that dialog only: the main window
// takes a real click and real keys while the browser is up, and the dialog takes neither.
TEST_F(Focus, TheFolderBrowserLeavesTheMainWindowToTheKeyboard)
{
    QtFolderPicker picker;
    ws.folderPicker = &picker;
    Answerer answerer;
    dialogs->openParametros();
    FrmParametroImpressoraView* view = dialogs->parametros();
    ASSERT_TRUE(view);
    ASSERT_TRUE(waitFor([&] { return isActive(view); }));
    auto* pedido = child<QLineEdit>(QStringLiteral("txtarquivo"));
    auto* sair = view->findChild<QPushButton*>(QStringLiteral("cmd_sair"));
    const QRect pedidoOnScreen(pedido->mapToGlobal(QPoint(0, 0)), pedido->size());

    // Run inside the browser's own loop: each step waits for the manager's answer.
    bool browserActive = false, mainActive = false, dialogStayed = false;
    QString typed;
    QPointer<QWidget> owner;
    bool done = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* browser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (done || !browser || !browser->isVisible())
            return;
        done = true;
        owner = browser->parentWidget();
        browserActive = waitFor([&] { return isActive(browser); });
        // Both out of the way of the order number, so the click lands on it.
        const std::vector<QWidget*> above{view, browser};
        for (QWidget* w : above) {
            if (frameOnScreen(w).intersects(pedidoOnScreen))
                w->move(pedidoOnScreen.right() + 40, w->y());
        }
        const bool moved = waitFor([&] {
            return std::none_of(above.begin(), above.end(),
                                [&](const QWidget* w) { return frameOnScreen(w).intersects(pedidoOnScreen); });
        });
        EXPECT_TRUE(moved) << "a window stays over the order number";
        click(pedido);
        mainActive = waitFor([&] { return isActive(window.get()) && QApplication::focusWidget() == pedido; });
        typeText(QStringLiteral("900013"));
        waitFor([&] { return pedido->text() == QStringLiteral("900013"); }, 10000);
        typed = pedido->text();
        click(sair);
        QTest::qWait(200);
        dialogStayed = dialogs->parametros() == view;
        browser->reject();
    });
    poll.start(10);
    view->findChild<QPushButton*>(QStringLiteral("CMD_GETPATH"))->click();
    poll.stop();

    ASSERT_TRUE(done);
    EXPECT_EQ(owner.data(), view);
    EXPECT_TRUE(browserActive) << "active: " << activeX();
    EXPECT_TRUE(mainActive) << "active: " << activeX() << ", focus " << qPrintable(focusName());
    EXPECT_EQ(typed, QStringLiteral("900013"));
    EXPECT_TRUE(dialogStayed) << "the dialog took the click on its \"&Sair\" under the browser";
}

}  // namespace
