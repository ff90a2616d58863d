// The folder browser of the printer-parameters dialog, the real one, over the real main window:
// it holds only that dialog, and the main window goes on taking the mouse and the keyboard.
#include "app/wiring.h"
#include "setup/qtfolderpicker.h"
#include "setup/setupdialogs.h"
#include "tests/app/windowfixture.h"

#include <QFileDialog>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest/qtestkeyboard.h>
#include <QtTest/qtestmouse.h>

namespace {

class FolderBrowser : public WindowTest {
protected:
    void SetUp() override
    {
        t->ws.folderPicker = &picker;
        dialogs = std::make_unique<SetupDialogs>(t->program);
        events = programEvents(*dialogs);
        start();
        dialogs->setParent(window.get());
    }
    void TearDown() override
    {
        dialogs.reset();
        window.reset();
    }

    // A click at the middle of a widget, and keys typed, through its window as the system hands
    // them over: a window a modal one blocks never sees them.
    static void clickThroughWindow(QWidget* w)
    {
        QWidget* top = w->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, w->rect().center()));
    }
    static void typeThroughWindow(QWidget* w, const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClick(w->window()->windowHandle(), static_cast<Qt::Key>(c.unicode()), {});
    }

    QtFolderPicker picker;
    std::unique_ptr<SetupDialogs> dialogs;
};

TEST_F(FolderBrowser, HoldsOnlyThePrinterParametersDialog)
{
    dialogs->openParametros();
    FrmParametroImpressoraView* parametros = dialogs->parametros();
    ASSERT_TRUE(parametros);
    auto* getPath = parametros->findChild<QPushButton*>(QStringLiteral("CMD_GETPATH"));
    auto* sair = parametros->findChild<QPushButton*>(QStringLiteral("cmd_sair"));
    auto* pedido = child<QLineEdit>(QStringLiteral("txtarquivo"));
    ASSERT_TRUE(getPath && sair && pedido);

    // While the browser is up: a click and keys into the main window's order number, and a click
    // on the dialog's "&Sair"; then the browser is cancelled.
    bool browserSeen = false, busy = false;
    QPointer<QWidget> browserOwner;
    QString typed;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* browser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (busy || !browser || !browser->isVisible())
            return;
        busy = true;
        browserSeen = true;
        browserOwner = browser->parentWidget();
        clickThroughWindow(pedido);
        typeThroughWindow(pedido, QStringLiteral("900013"));
        settle();
        typed = pedido->text();
        clickThroughWindow(sair);
        settle();
        browser->reject();
    });
    poll.start(10);
    getPath->click();
    poll.stop();
    settle();

    ASSERT_TRUE(browserSeen);
    EXPECT_EQ(browserOwner.data(), parametros);
    EXPECT_EQ(typed, QStringLiteral("900013"));
    EXPECT_EQ(dialogs->parametros(), parametros) << "the dialog took the click on its \"&Sair\" under the browser";
}

}  // namespace
