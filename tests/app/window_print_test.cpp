#include "app/frmpadrao.h"
#include "app/qtkeystrokes.h"
#include "app/wiring.h"
#include "orders/ret_codcomplemento.h"
#include "platform/qtprinter.h"
#include "platform/vb.h"
#include "setup/setupdialogs.h"
#include "tests/app/qtprint.h"
#include "tests/common/pdftools.h"
#include "tests/common/symbols.h"
#include "tests/common/testworkstation.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/qtestkeyboard.h>
#include <QtTest/qtestmouse.h>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 600;

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Every EAN-13 on a row of 40 mm labels: the left and the right label are read apart.
QStringList decodeRow(const QImage& page)
{
    QStringList out;
    for (double left : {0.0, 40.0}) {
        const QString code = symbols::readBand(page, kDpi, left, left + 40, ZXing::BarcodeFormat::EAN13);
        if (!code.isEmpty())
            out << code;
    }
    return out;
}

// The real program as a user starts it: the demo program folder, the window with its handlers,
// and the PDF file printer.
struct WindowPrint : ::testing::Test {
    TestWorkstation t;
    QtPrinterSystem printers{t.files};
    QtKeystrokes keys;
    Workstation ws{t.files, t.profile, printers, t.messages, t.screen};
    Program program{ws, t.form, t.g};
    std::unique_ptr<FrmPadrao> window;
    std::unique_ptr<SetupDialogs> dialogs;

    void SetUp() override
    {
        const QString demo = sourceDir() + QStringLiteral("/demo");
        QDirIterator it(demo, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            t.writeBytes(QDir(demo).relativeFilePath(from), [&] {
                QFile f(from);
                return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            }());
        }
        ws.keystrokes = &keys;
        window = std::make_unique<FrmPadrao>(program, MainWindowEvents{});
        dialogs = std::make_unique<SetupDialogs>(program, window.get());
        window->events() = programEvents(*dialogs);
        window->load();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        settle();
    }

    template <class W>
    W* child(const QString& name) const
    {
        return window->findChild<W*>(name);
    }

    void typeOrder(const QString& number)
    {
        QLineEdit* order = child<QLineEdit>(QStringLiteral("txtarquivo"));
        ASSERT_NE(order, nullptr);
        order->setFocus(Qt::MouseFocusReason);
        settle();
        order->selectAll();
        for (const QChar c : number) {
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), static_cast<Qt::Key>(c.unicode()), QString(c),
                                Qt::NoModifier);
            settle();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        settle();
    }
};

}  // namespace

TEST_F(WindowPrint, ADemoOrderPrintsFromTheButtonWithEveryCodeReadable)
{
    // The program offers the file printer last; choose it as the operator would.
    QComboBox* printerList = child<QComboBox>(QStringLiteral("CMBPRINTER"));
    ASSERT_NE(printerList, nullptr);
    ASSERT_EQ(printerList->itemText(printerList->count() - 1), QtPrinterSystem::kFilePrinterName);
    printerList->setCurrentIndex(printerList->count() - 1);
    settle();
    ASSERT_EQ(t.form.CMBPRINTER.text, QtPrinterSystem::kFilePrinterName);

    typeOrder(QStringLiteral("1400050831"));
    ASSERT_EQ(t.form.LBLMERVALK.caption, QStringLiteral("MERVAL K"));
    ASSERT_FALSE(t.form.cmb_referencia.text.isEmpty()) << "the demo order was not loaded";

    // What the grid asks for, by the program's own code lookup: each filled cell's EAN-13 as
    // many times as its quantity.
    QStringList expected;
    for (int k = 0; k < MainForm::kSizeCells; ++k) {
        if (!t.form.txtnumero[k].visible || vb::Trim(t.form.txtnumero[k].text).isEmpty())
            continue;
        ret_codcomplemento(program, t.form.Label7[k].caption);
        for (int n = vb::CInt(t.form.txtnumero[k].text); n > 0; --n)
            expected << t.form.lblbarra.caption;
    }
    ASSERT_FALSE(expected.isEmpty());

    QPushButton* print = child<QPushButton>(QStringLiteral("cmd_printacessorio"));
    ASSERT_NE(print, nullptr);
    t.messages.clear();  // start-up may have named fonts this machine lacks
    QTest::mouseClick(print, Qt::LeftButton);
    settle();

    // Nothing went wrong on the way.
    EXPECT_TRUE(t.messages.shown().empty()) << t.messages.texts().join(u'|').toStdString();
    ASSERT_EQ(printers.writtenFiles().size(), 1);
    const QString file = printers.writtenFiles().first();
    const int pages = pdf::pageCount(file);
    EXPECT_EQ(pages, (expected.size() + 1) / 2);
    QStringList decoded;
    for (int page = 1; page <= pages; ++page)
        decoded << decodeRow(pdf::rasterise(file, page, kDpi));
    EXPECT_EQ(decoded, expected);
    // The run ends on the printer that was the default at start-up.
    EXPECT_EQ(printers.current().deviceName(), t.form.lblprinterdefault.caption);
}

TEST_F(WindowPrint, AMarginTestPrintShowsInTheWindowThePriceItSet)
{
    QComboBox* printerList = child<QComboBox>(QStringLiteral("CMBPRINTER"));
    ASSERT_NE(printerList, nullptr);
    printerList->setCurrentIndex(printerList->count() - 1);
    settle();
    ASSERT_EQ(t.form.CMBPRINTER.text, QtPrinterSystem::kFilePrinterName);
    typeOrder(QStringLiteral("1400050831"));
    ASSERT_FALSE(t.form.cmb_referencia.text.isEmpty()) << "the demo order was not loaded";
    t.form.txtpreco.text.clear();
    window->refresh();

    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmd_calibra")), Qt::LeftButton);
    settle();
    MarginDialogView* margins = dialogs->margin(SetupDialogs::kCaixa);
    ASSERT_NE(margins, nullptr);
    margins->findChild<QPushButton*>(QStringLiteral("cmd_teste"))->click();
    settle();
    ASSERT_EQ(printers.writtenFiles().size(), 1);
    EXPECT_EQ(t.form.txtpreco.text, QStringLiteral("0,00"));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtpreco"))->text(), QStringLiteral("0,00"));
}

// An order number whose file holds only its two header lines: the window still shows the previous
// order's item, but nothing prints it under the new number. The operator is told which file it
// was, and "&Imprimir Etiquetas" is gone, its access key too, until an order with items loads.
TEST_F(WindowPrint, AnOrderWithoutItemLinesLeavesNothingToPrint)
{
    QComboBox* printerList = child<QComboBox>(QStringLiteral("CMBPRINTER"));
    printerList->setCurrentIndex(printerList->count() - 1);
    settle();
    ASSERT_EQ(t.form.CMBPRINTER.text, QtPrinterSystem::kFilePrinterName);
    t.write(QStringLiteral("PEDIDO 1400059999 FRENTE.txt"),
            QStringLiteral("MERVALK;PEDIDO 1400059999;LOJAS\r\n"
                           "QTDE;COR;TAMANHO;REF CLIENTE;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA\r\n"));
    QPushButton* print = child<QPushButton>(QStringLiteral("cmd_printacessorio"));
    ASSERT_NE(print, nullptr);

    typeOrder(QStringLiteral("1400050831"));
    ASSERT_FALSE(t.form.txtdescricao.text.isEmpty()) << "the demo order was not loaded";
    const QString previous = t.form.txtdescricao.text;
    ASSERT_TRUE(print->isVisible());
    t.messages.clear();

    typeOrder(QStringLiteral("1400059999"));
    ASSERT_FALSE(t.messages.shown().empty());
    EXPECT_EQ(t.messages.texts().first(),
              QStringLiteral("O arquivo PEDIDO 1400059999 FRENTE.txt não tem nenhuma linha de item: não há etiquetas "
                             "deste pedido para imprimir."));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtdescricao"))->text(), previous);
    EXPECT_FALSE(print->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
    settle();
    EXPECT_TRUE(printers.writtenFiles().isEmpty());

    // An order with items brings the button back.
    typeOrder(QStringLiteral("1400050832"));
    EXPECT_TRUE(print->isVisible());
    EXPECT_EQ(t.form.txtdescricao.text, QStringLiteral("BOTA CANO CURTO"));
}

// A quantity typed into a size cell that no label count can hold: that size prints nothing, the
// others print, and the message after the run names it with the reason.
TEST_F(WindowPrint, ATypedQuantityThatCannotPrintIsNamedAfterTheRun)
{
    QComboBox* printerList = child<QComboBox>(QStringLiteral("CMBPRINTER"));
    ASSERT_NE(printerList, nullptr);
    printerList->setCurrentIndex(printerList->count() - 1);
    settle();
    typeOrder(QStringLiteral("1400050831"));
    ASSERT_EQ(t.form.Label7[0].caption, QStringLiteral("38"));

    QLineEdit* cell = nullptr;
    for (QLineEdit* e : window->findChildren<QLineEdit*>(QStringLiteral("txtnumero")))
        if (e->property("Index").toInt() == 0)
            cell = e;
    ASSERT_NE(cell, nullptr);
    cell->setFocus(Qt::MouseFocusReason);
    settle();
    cell->selectAll();
    for (const QChar c : QStringLiteral("40000")) {
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), static_cast<Qt::Key>(c.unicode()), QString(c),
                            Qt::NoModifier);
        settle();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    ASSERT_EQ(t.form.txtnumero[0].text, QStringLiteral("40000"));

    // The other sizes' codes, as many as their quantities.
    QStringList expected;
    for (int k = 1; k < MainForm::kSizeCells; ++k) {
        if (!t.form.txtnumero[k].visible || vb::Trim(t.form.txtnumero[k].text).isEmpty())
            continue;
        ret_codcomplemento(program, t.form.Label7[k].caption);
        for (int n = vb::CInt(t.form.txtnumero[k].text); n > 0; --n)
            expected << t.form.lblbarra.caption;
    }
    ASSERT_FALSE(expected.isEmpty());

    t.messages.clear();
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmd_printacessorio")), Qt::LeftButton);
    settle();

    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("Etiquetas não impressas:\ntamanho 38, código \"7899123400018\": a quantidade "
                                         "\"40000\" não é um número inteiro de 0 a 32767")});
    ASSERT_EQ(printers.writtenFiles().size(), 1);
    const QString file = printers.writtenFiles().first();
    QStringList decoded;
    for (int page = 1; page <= pdf::pageCount(file); ++page)
        decoded << decodeRow(pdf::rasterise(file, page, kDpi));
    EXPECT_EQ(decoded, expected);
}
