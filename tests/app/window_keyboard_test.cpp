// The real window under the keyboard: moves, lists, filters, highlight, totals.
#include "app/fieldbehaviour.h"
#include "app/qtmessages.h"
#include "app/wiring.h"
#include "tests/app/windowfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/qtestsystem.h>

namespace {

// The calls the hooks saw, in order, with the field that had the focus at that moment.
struct Trace {
    QStringList calls;
    void add(const QString& call) { calls << call + u'@' + (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString()); }
};

}  // namespace

TEST_F(WindowTest, EnterDownAndUpMoveAlongTheKeyboardOrder)
{
    start();
    EXPECT_EQ(focusName(), QStringLiteral("txtarquivo"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("cmbtipo"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("cmb_referencia"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("txtcodigo"));  // locked fields take the focus
    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), QStringLiteral("txtcor"));
    press(Qt::Key_Enter);  // the keypad's Enter too
    EXPECT_EQ(focusName(), QStringLiteral("txtsemana"));
    press(Qt::Key_Up);
    EXPECT_EQ(focusName(), QStringLiteral("txtcor"));
    press(Qt::Key_Up);
    EXPECT_EQ(focusName(), QStringLiteral("txtcodigo"));
    // The rest of the order with the panels as start-up leaves them: hidden fields are passed over.
    const QStringList rest{QStringLiteral("txtcor"),     QStringLiteral("txtsemana"),
                           QStringLiteral("txtbandeira"), QStringLiteral("txtpreco"),
                           QStringLiteral("txtdescricao"), QStringLiteral("TXTPARES"),
                           QStringLiteral("TXTOCULTAS"),  QStringLiteral("cmd_printacessorio"),
                           QStringLiteral("cmd_calibra"), QStringLiteral("cmd_parametro"),
                           QStringLiteral("cmd_sair"),    QStringLiteral("CMBPRINTER"),
                           QStringLiteral("txtarquivo")};
    for (const QString& next : rest) {
        press(Qt::Key_Down);
        EXPECT_EQ(focusName(), next);
    }
}

TEST_F(WindowTest, ListsChangeTheirItemWithTheArrowsAndMoveOnWithEnter)
{
    start();
    press(Qt::Key_Return);
    auto* tipo = child<QComboBox>(QStringLiteral("cmbtipo"));
    ASSERT_EQ(focus(), tipo);
    EXPECT_FALSE(t->form.keyPreview);
    press(Qt::Key_Down);
    EXPECT_EQ(focus(), tipo);
    EXPECT_EQ(t->form.cmbtipo.text, QStringLiteral("Corrugado"));
    EXPECT_EQ(t->form.cmbtipo.listIndex, 1);
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    EXPECT_EQ(focus(), tipo);
    EXPECT_EQ(t->form.cmbtipo.text, QStringLiteral("Corrugado"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("cmb_referencia"));
    EXPECT_FALSE(t->form.keyPreview);  // off again in the reference list
    t->form.cmb_referencia.addItem(QStringLiteral("A | B | C"));
    t->form.cmb_referencia.addItem(QStringLiteral("D | E | F"));
    window->refresh();
    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), QStringLiteral("cmb_referencia"));
    EXPECT_EQ(t->form.cmb_referencia.text, QStringLiteral("A | B | C"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("txtcodigo"));
    EXPECT_TRUE(t->form.keyPreview);
}

TEST_F(WindowTest, ThePrinterListChangesAndMovesWithTheArrows)
{
    usePrinters({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, 1);
    start();
    auto* printers = child<QComboBox>(QStringLiteral("CMBPRINTER"));
    focusOn(printers);
    EXPECT_TRUE(t->form.keyPreview);
    press(Qt::Key_Down);
    EXPECT_EQ(t->form.CMBPRINTER.text, QStringLiteral("C"));
    EXPECT_EQ(printers->currentText(), QStringLiteral("C"));
    EXPECT_EQ(focusName(), QStringLiteral("txtarquivo"));
    focusOn(printers);
    press(Qt::Key_Up);
    EXPECT_EQ(t->form.CMBPRINTER.text, QStringLiteral("B"));
    EXPECT_EQ(focusName(), QStringLiteral("cmd_sair"));
}

TEST_F(WindowTest, TheCartonReferenceListWorksLikeTheOthers)
{
    start();
    t->form.Frame1.visible = false;
    t->form.Frame3.visible = true;
    t->form.cmb_referencia1.addItem(QStringLiteral("1 | X | Y"));
    t->form.cmb_referencia1.addItem(QStringLiteral("2 | X | Y"));
    window->refresh();
    Trace trace;
    window->events().cmb_referencia1_LostFocus = [&](Program&) { trace.add(QStringLiteral("lost")); };
    focusOn(child<QComboBox>(QStringLiteral("cmb_referencia1")));
    EXPECT_FALSE(t->form.keyPreview);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(t->form.cmb_referencia1.text, QStringLiteral("2 | X | Y"));
    EXPECT_TRUE(trace.calls.isEmpty());  // nothing loads while the list has the focus
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("txtqte1"));
    EXPECT_EQ(trace.calls, QStringList{QStringLiteral("lost@txtqte1")});
    EXPECT_TRUE(t->form.keyPreview);
}

TEST_F(WindowTest, TheKeyReachesTheFieldBeforeTheQueuedMove)
{
    start();
    Trace trace;
    window->events().txtarquivo_KeyPress = [&](Program&, int16_t& key) {
        trace.add(QStringLiteral("key %1").arg(key));
    };
    window->events().txtarquivo_LostFocus = [&](Program&) { trace.add(QStringLiteral("lost")); };
    window->events().cmbtipo_LostFocus = [&](Program&) { trace.add(QStringLiteral("tipo lost")); };
    type(QStringLiteral("1a"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(trace.calls, (QStringList{QStringLiteral("key 49@txtarquivo"), QStringLiteral("key 65@txtarquivo"),
                                        QStringLiteral("key 13@txtarquivo"), QStringLiteral("lost@cmbtipo"),
                                        QStringLiteral("tipo lost@cmb_referencia")}));
    EXPECT_EQ(t->form.txtarquivo.text, QStringLiteral("1A"));
    EXPECT_EQ(t->form.txtarquivo.backColor, kPlainColour);
}

TEST_F(WindowTest, KeyFiltersOfTheFields)
{
    start();
    t->form.Frame2.visible = true;
    t->form.txtnumero[0].visible = true;
    t->form.txtnumero[0].locked = false;
    window->refresh();
    struct {
        const char* field;
        int index;
        QString typed;
        QString result;
    } rows[] = {
        {"txtnumero", 0, QStringLiteral("1a -,.2"), QStringLiteral("12")},
        {"txtlote", -1, QStringLiteral("x3-,4 "), QStringLiteral("34")},
        {"TXTOCULTAS", -1, QStringLiteral("5b.6"), QStringLiteral("56")},
        {"txtcliente", -1, QStringLiteral("aç b1"), QStringLiteral("AÇ B1")},
        {"txtarquivo", -1, QStringLiteral("ped-1"), QStringLiteral("PED-1")},
    };
    for (const auto& r : rows) {
        auto* field = child<QLineEdit>(QString::fromLatin1(r.field), r.index);
        ASSERT_NE(field, nullptr) << r.field;
        focusOn(field);
        field->clear();
        Control* c = window->controlOf(field);
        static_cast<TextBox*>(c)->text.clear();
        type(r.typed);
        EXPECT_EQ(field->text(), r.result) << r.field;
        EXPECT_EQ(static_cast<TextBox*>(c)->text, r.result) << r.field << ": edits reach the model at once";
    }
    // Backspace and Ctrl+A pass the digit filter: Ctrl+A selects, a digit then replaces.
    auto* cell = child<QLineEdit>(QStringLiteral("txtnumero"), 0);
    focusOn(cell);
    cell->end(false);
    press(Qt::Key_Backspace);
    EXPECT_EQ(cell->text(), QStringLiteral("1"));
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(cell->selectedText(), QStringLiteral("1"));
    type(QStringLiteral("7"));
    EXPECT_EQ(t->form.txtnumero[0].text, QStringLiteral("7"));
    // Enter is dropped as a character but still moves.
    press(Qt::Key_Return);
    EXPECT_EQ(t->form.txtnumero[0].text, QStringLiteral("7"));
    EXPECT_NE(focus(), cell);
}

TEST_F(WindowTest, LeavingASizeCellUpdatesTheTotalsAndTheHighlightFollowsTheFocus)
{
    start();
    for (int k : {0, 1, 2}) {
        t->form.Label7[k].caption = QString::number(33 + k);
        t->form.Label7[k].visible = true;
        t->form.txtnumero[k].visible = true;
        t->form.txtnumero[k].locked = false;
    }
    t->form.txtnumero[0].text = QStringLiteral("5");
    t->form.txtnumero[2].text = QStringLiteral(" 3");
    window->refresh();
    auto* first = child<QLineEdit>(QStringLiteral("txtnumero"), 0);
    focusOn(first);
    EXPECT_EQ(t->form.txtnumero[0].backColor, kHighlightColour);
    EXPECT_EQ(first->selectedText(), QStringLiteral("5"));
    press(Qt::Key_Return);
    EXPECT_EQ(focus(), child<QLineEdit>(QStringLiteral("txtnumero"), 1));
    EXPECT_EQ(t->form.txtnumero[0].backColor, kPlainColour);
    EXPECT_EQ(t->form.txtnumero[1].backColor, kHighlightColour);
    EXPECT_EQ(t->form.TXTPARES.text, QStringLiteral("8"));
    EXPECT_EQ(t->form.TXTOCULTAS.text, QStringLiteral("16"));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("TXTPARES"))->text(), QStringLiteral("8"));
    type(QStringLiteral("10"));
    press(Qt::Key_Down);
    EXPECT_EQ(t->form.TXTPARES.text, QStringLiteral("18"));
    EXPECT_EQ(t->form.TXTOCULTAS.text, QStringLiteral("36"));
    // A count typed into TXTOCULTAS stays when it is left.
    auto* ocultas = child<QLineEdit>(QStringLiteral("TXTOCULTAS"));
    focusOn(ocultas);
    EXPECT_EQ(ocultas->palette().color(QPalette::Base), QColor(255, 255, 192));
    ocultas->selectAll();
    type(QStringLiteral("40"));
    press(Qt::Key_Return);
    EXPECT_EQ(t->form.TXTOCULTAS.text, QStringLiteral("40"));
    EXPECT_EQ(t->form.TXTOCULTAS.backColor, kPlainColour);
}

TEST_F(WindowTest, AFieldWithBlanksAroundItsTextSelectsOnlyAsManyCharactersAsTheTrimmedText)
{
    t->write(QStringLiteral("Pendrova.ini"), QStringLiteral("[Config]\r\nReferencia=  ab\r\n"));
    start();
    t->form.txtcliente.text = QStringLiteral("  ab");  // the profile read trims what it stores
    t->form.Frame2.visible = true;
    window->refresh();
    focusOn(child<QComboBox>(QStringLiteral("cmbtipo")));
    press(Qt::Key_Return);
    auto* cliente = child<QLineEdit>(QStringLiteral("txtcliente"));
    ASSERT_EQ(focus(), cliente);
    EXPECT_EQ(cliente->selectedText(), QStringLiteral("  "));
    EXPECT_EQ(t->form.txtcliente.selStart, 0);
    EXPECT_EQ(t->form.txtcliente.selLength, 2);
}

TEST_F(WindowTest, AMoveQueuedBeforeAMessageBoxDoesNotFireBehindIt)
{
    // The real message boxes of the program, over the test's folder and printers.
    QtMessages messages;
    Workstation ws{t->files, t->profile, t->printers, messages, t->screen};
    ws.keystrokes = &keys;
    Program program{ws, t->form, t->g};
    for (int i = 0; i < t->printers.count(); ++i)
        t->printers.printer(i).setFonts({QStringLiteral("Estrangelo Edessa"), QStringLiteral("Franklin Gothic Medium"),
                                         QStringLiteral("Calibri"), QStringLiteral("Malgun Gothic Semilight")});
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::red);
    logo.save(t->path(QStringLiteral("mervalk.jpg")), "JPG");
    logo.save(t->path(QStringLiteral("orvenna.jpg")), "JPG");
    Trace trace;
    events.txtarquivo_KeyPress = [&](Program& p, int16_t& key) {
        if (key == 13) {
            trace.add(QStringLiteral("box"));
            p.ws.messages.show(QStringLiteral("Pedido não localizado"));
        }
    };
    events.txtarquivo_LostFocus = [&](Program&) { trace.add(QStringLiteral("lost")); };
    window = std::make_unique<FrmPadrao>(program, events);
    attachMessages(messages, keys, *window);
    window->load();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    settle();
    ASSERT_EQ(focusName(), QStringLiteral("txtarquivo"));

    // The box is answered once it shows, after the event loop inside it has run a while.
    int seen = 0;
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (++seen == 5)
                box->accept();
        }
    });
    answer.start();
    press(Qt::Key_Return);
    answer.stop();
    // The offscreen platform gives the activation back only when asked.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    settle();
    EXPECT_EQ(seen, 5);
    EXPECT_EQ(trace.calls, QStringList{QStringLiteral("box@txtarquivo")});
    EXPECT_EQ(focusName(), QStringLiteral("txtarquivo"));
    // With no box the same Enter moves on.
    events.txtarquivo_KeyPress = nullptr;
    window->events().txtarquivo_KeyPress = nullptr;
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("cmbtipo"));
    EXPECT_EQ(trace.calls.last(), QStringLiteral("lost@cmbtipo"));
    window.reset();
}

TEST_F(WindowTest, OnlyTheFieldsWithAHandlerThatSelectsSelectWhenTabbedInto)
{
    start();
    t->form.txtcodigo.text = QStringLiteral("4501237038");
    t->form.txtcor.text = QStringLiteral("PRETO");
    t->form.txtsemana.text = QStringLiteral("23");
    t->form.txtbandeira.text = QStringLiteral("A");
    window->refresh();
    focusOn(child<QComboBox>(QStringLiteral("cmb_referencia")));
    const struct {
        const char* field;
        QString selected;
    } rows[] = {
        {"txtcodigo", QString()},  // locked: the caret only
        {"txtcor", QStringLiteral("PRETO")},
        {"txtsemana", QString()},
        {"txtbandeira", QString()},
    };
    for (const auto& r : rows) {
        press(Qt::Key_Tab);
        ASSERT_EQ(focusName(), QString::fromLatin1(r.field));
        EXPECT_EQ(child<QLineEdit>(QString::fromLatin1(r.field))->selectedText(), r.selected) << r.field;
    }
    // Coming back finds the caret where it was left.
    auto* codigo = child<QLineEdit>(QStringLiteral("txtcodigo"));
    focusOn(codigo);
    codigo->setCursorPosition(4);
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(focus(), codigo);
    EXPECT_FALSE(codigo->hasSelectedText());
    EXPECT_EQ(codigo->cursorPosition(), 4);
}
