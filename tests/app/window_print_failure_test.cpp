// The real main window printing to the PDF file printer whose folder is on a read-only disk: the
// operator gets a real message box naming the printer and the reason, and no PDF is left.
#include "app/frmpadrao.h"
#include "app/qtkeystrokes.h"
#include "app/qtmessages.h"
#include "app/wiring.h"
#include "platform/qtprinter.h"
#include "setup/setupdialogs.h"
#include "tests/app/qtprint.h"
#include "tests/common/mountedfolder.h"
#include "tests/common/testworkstation.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/qtestkeyboard.h>
#include <QtTest/qtestmouse.h>
#include <gtest/gtest.h>

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Answers every message box the program shows, as the operator would with OK, and keeps what
// each said.
struct Operator {
    QStringList seen;
    QTimer timer;
    Operator()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen << box->text();
            box->defaultButton() ? box->defaultButton()->click() : box->accept();
        });
        timer.start();
    }
};

TEST(WindowPrintFailure, APrintToAReadOnlyPdfFolderShowsAMessageBoxAndLeavesNoPdf)
{
    TestWorkstation t;
    const QString demo = sourceDir() + QStringLiteral("/demo");
    QDirIterator it(demo, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        QFile f(from);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        t.writeBytes(QDir(demo).relativeFilePath(from), f.readAll());
    }
    MountedFolder readOnly(t.path(QStringLiteral("impressos")), QStringLiteral("size=1m,ro"));
    ASSERT_TRUE(readOnly.ok()) << "could not mount a read-only disk: " << readOnly.reason().toStdString();

    Operator person;
    QtPrinterSystem printers{t.files};
    QtMessages messages;
    QtKeystrokes keys;
    Workstation ws{t.files, t.profile, printers, messages, t.screen};
    ws.keystrokes = &keys;
    Program program{ws, t.form, t.g};
    FrmPadrao window(program, MainWindowEvents{});
    SetupDialogs dialogs(program, &window);
    window.events() = programEvents(dialogs);
    attachMessages(messages, keys, window);
    window.load();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    settle();

    auto* printerList = window.findChild<QComboBox*>(QStringLiteral("CMBPRINTER"));
    ASSERT_NE(printerList, nullptr);
    printerList->setCurrentIndex(printerList->count() - 1);
    settle();
    ASSERT_EQ(t.form.CMBPRINTER.text, QtPrinterSystem::kFilePrinterName);
    auto* order = window.findChild<QLineEdit*>(QStringLiteral("txtarquivo"));
    ASSERT_NE(order, nullptr);
    order->setFocus(Qt::MouseFocusReason);
    order->selectAll();
    QTest::keyClicks(order, QStringLiteral("1400050831"));
    QTest::keyClick(order, Qt::Key_Return);
    settle();
    ASSERT_FALSE(t.form.cmb_referencia.text.isEmpty()) << "the demo order was not loaded";

    person.seen.clear();  // start-up may have named fonts this machine lacks
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmd_printacessorio")), Qt::LeftButton);
    settle();

    ASSERT_EQ(person.seen.size(), 1) << person.seen.join(u'|').toStdString();
    EXPECT_TRUE(person.seen[0].startsWith(QStringLiteral("Não foi possível imprimir na impressora \"") +
                                          QtPrinterSystem::kFilePrinterName + QStringLiteral("\": ")))
        << person.seen[0].toStdString();
    EXPECT_TRUE(person.seen[0].contains(QStringLiteral("o disco só permite leitura"))) << person.seen[0].toStdString();
    EXPECT_TRUE(printers.writtenFiles().isEmpty());
    EXPECT_TRUE(QDir(t.path(QStringLiteral("impressos")))
                    .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());
    EXPECT_EQ(printers.current().deviceName(), t.form.lblprinterdefault.caption);
}

}  // namespace
