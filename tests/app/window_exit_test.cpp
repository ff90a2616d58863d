// The real window's exit, unload and double-clicks.
#include "app/windowcommands.h"
#include "tests/app/windowfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest/qtestmouse.h>

namespace {

QString iniText(const TestWorkstation& t) { return QString::fromLatin1(t.readBytes(QStringLiteral("Pendrova.ini"))); }

}  // namespace

TEST_F(WindowTest, SairWritesTheSixConfigKeysInOrderAndEndsTheProgram)
{
    int ended = 0;
    QStringList closed;
    events.endProgram = [&] { ++ended; };
    events.closeDialog = [&](Program&, const QString& name) { closed << name; };
    start();
    t->form.Frame2.visible = true;
    window->refresh();
    focusOn(child<QLineEdit>(QStringLiteral("txtcliente")));
    type(QStringLiteral("loja  "));
    focusOn(child<QLineEdit>(QStringLiteral("txtlote")));
    type(QStringLiteral("3"));
    focusOn(child<QLineEdit>(QStringLiteral("txtarquivo")));
    type(QStringLiteral("1400050831"));
    const QString before = iniText(*t);

    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmd_sair")), Qt::LeftButton);
    settle();
    EXPECT_EQ(ended, 1);
    // Values are saved as they stand, blanks included.
    EXPECT_EQ(t->form.txtcliente.text, QStringLiteral("LOJA  "));
    EXPECT_EQ(iniText(*t), before + QStringLiteral("[Config]\r\nReferencia=\"LOJA  \"\r\narquivo=1400050831\r\nLote=3\r\n"
                                                  "Intensidade=\r\nVelocidade=\r\nTipo=Frente de Caixa\r\n"));
    // Nothing of the window runs after it: not even the unload.
    window->close();
    EXPECT_TRUE(closed.isEmpty());
}

TEST_F(WindowTest, SairRightAfterAStartWritesWhatStartUpRead)
{
    t->write(QStringLiteral("Pendrova.ini"),
             QStringLiteral("[Config]\r\nReferencia=Loja\r\narquivo=77\r\nLote=1\r\nTipo=Oculta\r\n"));
    events.endProgram = [] {};
    start();
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmd_sair")), Qt::LeftButton);
    EXPECT_EQ(iniText(*t), QStringLiteral("[Config]\r\nReferencia=Loja\r\narquivo=77\r\nLote=1\r\nTipo=Frente de Caixa\r\n"
                                          "Intensidade=\r\nVelocidade=\r\n"));
}

TEST_F(WindowTest, ClosingByTheFrameSavesNothingAndClosesTheMarginDialogs)
{
    QStringList closed;
    events.closeDialog = [&](Program&, const QString& name) {
        closed << name;
        if (name == QStringLiteral("FrmMargensOcultaZPL2"))
            throw ProgramError(91, QStringLiteral("Form"), QStringLiteral("not open"));  // a failure is ignored
    };
    start();
    focusOn(child<QLineEdit>(QStringLiteral("txtarquivo")));
    type(QStringLiteral("123"));
    const QByteArray before = t->readBytes(QStringLiteral("Pendrova.ini"));
    window->close();
    settle();
    EXPECT_EQ(closed, (QStringList{QStringLiteral("FrmMargensOcultaZPL2"), QStringLiteral("FrmMargensCxZPL45"),
                                   QStringLiteral("FrmMargensPackZPL")}));
    EXPECT_EQ(t->readBytes(QStringLiteral("Pendrova.ini")), before);
    EXPECT_TRUE(t->messages.shown().size() <= 1u);  // only the logo message of start-up
}

TEST_F(WindowTest, AnOpenParametersDialogKeepsTheProgramUntilItClosesToo)
{
    start();
    // A stand-in for FrmParametroImpressora: a window of its own, without a parent.
    QWidget parameters;
    parameters.setObjectName(QStringLiteral("FrmParametroImpressora"));
    parameters.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parameters));
    // The program's own event loop: it ends when the last window closes.
    bool runningAfterMainClosed = false;
    QTimer::singleShot(0, window.get(), [&] { window->close(); });
    QTimer::singleShot(100, &parameters, [&] {
        runningAfterMainClosed = true;
        parameters.close();
    });
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    const int code = QApplication::exec();
    guard.stop();
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(runningAfterMainClosed);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, DoubleClickOnTheOrderPanelShowsAndHidesTheHeaderPanel)
{
    start();
    auto* frame4 = child<QGroupBox>(QStringLiteral("Frame4"));
    auto* frame2 = child<QGroupBox>(QStringLiteral("Frame2"));
    const QPoint empty(frame4->width() - 4, frame4->height() - 4);
    ASSERT_EQ(frame4->childAt(empty), nullptr);
    QTest::mouseDClick(frame4, Qt::LeftButton, Qt::NoModifier, empty);
    EXPECT_TRUE(t->form.Frame2.visible);
    EXPECT_TRUE(frame2->isVisible());
    // The captions inside the panel have no double-click action.
    auto* caption = child<QLabel>(QStringLiteral("capPedido"));
    QTest::mouseDClick(caption, Qt::LeftButton);
    EXPECT_TRUE(t->form.Frame2.visible);
    QTest::mouseDClick(frame4, Qt::LeftButton, Qt::NoModifier, empty);
    EXPECT_FALSE(t->form.Frame2.visible);
    EXPECT_FALSE(frame2->isVisible());
}

TEST_F(WindowTest, DoubleClickOnAGradeFieldFlipsItsLock)
{
    start();
    t->form.Frame1.visible = false;
    t->form.Frame3.visible = true;
    window->refresh();
    for (const char* name : {"txtgrade1", "txtgrade2", "txttotgrade"}) {
        auto* field = child<QLineEdit>(QString::fromLatin1(name));
        auto* box = static_cast<TextBox*>(window->controlOf(field));
        ASSERT_TRUE(box->locked) << name;
        QTest::mouseDClick(field, Qt::LeftButton);
        EXPECT_FALSE(box->locked) << name;
        EXPECT_FALSE(field->isReadOnly()) << name;
        QTest::mouseDClick(field, Qt::LeftButton);
        EXPECT_TRUE(box->locked) << name;
        EXPECT_TRUE(field->isReadOnly()) << name;
    }
    // Only the field double-clicked flips; the loader locks all three after each order.
    QTest::mouseDClick(child<QLineEdit>(QStringLiteral("txtgrade1")), Qt::LeftButton);
    EXPECT_FALSE(t->form.txtgrade1.locked);
    EXPECT_TRUE(t->form.txtgrade2.locked);
    EXPECT_TRUE(t->form.txttotgrade.locked);
}

TEST_F(WindowTest, TheCommandButtonsCallTheirEntryPoints)
{
    QStringList calls;
    events.cmd_printacessorio_Click = [&](Program&) { calls << QStringLiteral("print"); };
    events.cmd_calibra_Click = [&](Program& p) {
        calls << QStringLiteral("calibra");
        p.form.txtcodigo.text = QStringLiteral("shown after the handler");
    };
    events.cmd_parametro_Click = [&](Program&) { calls << QStringLiteral("parametro"); };
    start();
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmd_printacessorio")), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmd_calibra")), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmd_parametro")), Qt::LeftButton);
    EXPECT_EQ(calls, (QStringList{QStringLiteral("print"), QStringLiteral("calibra"), QStringLiteral("parametro")}));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtcodigo"))->text(), QStringLiteral("shown after the handler"));
}

TEST_F(WindowTest, AHandlerThatMovesTheFocusHasItMoved)
{
    QStringList trace;
    events.cmd_printacessorio_Click = [&](Program& p) { p.form.focusRequest = &p.form.txtcor; };
    events.txtarquivo_LostFocus = [&](Program&) { trace << QStringLiteral("order left"); };
    start();
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmd_printacessorio")), Qt::LeftButton);
    settle();
    EXPECT_EQ(focusName(), QStringLiteral("txtcor"));
    EXPECT_EQ(t->form.focusRequest, nullptr);
    EXPECT_EQ(t->form.txtcor.backColor, 0xFFFFC0u);  // its got-focus ran
    EXPECT_EQ(trace, QStringList{QStringLiteral("order left")});
}

TEST_F(WindowTest, ARunTimeErrorOfAHandlerIsReportedAndTheWindowGoesOn)
{
    events.cmd_printacessorio_Click = [](Program&) { vberr::raise(vberr::TypeMismatch); };
    start();
    t->messages.clear();
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmd_printacessorio")), Qt::LeftButton);
    EXPECT_EQ(t->messages.texts(), QStringList{QStringLiteral("Erro em tempo de execução '13':\n\nType mismatch")});
    EXPECT_TRUE(window->isVisible());
}

TEST(WindowCommandsTest, SairAndUnloadWithoutTheWindow)
{
    TestWorkstation t;
    t.form.txtcliente.text = QStringLiteral("A  ");
    t.form.txtarquivo.text = QStringLiteral("9");
    t.form.cmbtipo.text = QStringLiteral("Oculta  ");  // written as it stands
    bool ended = false;
    MainWindowEvents events;
    events.endProgram = [&] { ended = true; };
    cmd_sair_Click(t.program, events);
    EXPECT_TRUE(ended);
    EXPECT_EQ(QString::fromLatin1(t.readBytes(QStringLiteral("Pendrova.ini"))),
              QStringLiteral("[Config]\r\nReferencia=\"A  \"\r\narquivo=9\r\nLote=\r\nIntensidade=\r\nVelocidade=\r\n"
                             "Tipo=\"Oculta  \"\r\n"));
    Form_Unload(t.program, MainWindowEvents{});  // no dialogs wired: nothing to close
    Form_Resize(t.form);
    EXPECT_EQ(t.form.width, 11250);
    Frame4_DblClick(t.form);
    EXPECT_TRUE(t.form.Frame2.visible);
}
