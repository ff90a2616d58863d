// The three margin dialogs of the running labels: what they show and save, and the calibration
// command and the print command opening and closing them in their windows; the parameters dialog
// in its window.
#include "labels/product/cmd_printacessorio.h"
#include "platform/qtprinter.h"
#include "platform/folderpicker.h"
#include "setup/frmmargenscxzpl45.h"
#include "setup/frmmargensocultazpl2.h"
#include "setup/frmmargenspackzpl.h"
#include "tests/setup/margens_fixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest/qtestkeyboard.h>
#include <functional>
#include <memory>

namespace {

struct Kind {
    const char* name;
    std::function<std::unique_ptr<MarginDialog>(Program&)> make;
    const char* caption;
    QStringList keys;       // in box order
    QStringList standards;  // what an empty box shows and saves
};

const Kind kKinds[] = {
    {"FrmMargensCxZPL45", [](Program& p) { return std::unique_ptr<MarginDialog>(new FrmMargensCxZPL45(p)); },
     "Calibrar Margens - Etiqueta Frente de Caixa - ZPL", {"Mx4045_1", "Mx4045_2", "Mx4045"}, {"0", "40", "3"}},
    {"FrmMargensOcultaZPL2", [](Program& p) { return std::unique_ptr<MarginDialog>(new FrmMargensOcultaZPL2(p)); },
     "Calibrar Margens - Etiqueta Oculta - ZPL - 2 Colunas", {"Margem_oculta1", "Margem_oculta11", "Margem_oculta2"},
     {"3", "45", "3"}},
    {"FrmMargensPackZPL", [](Program& p) { return std::unique_ptr<MarginDialog>(new FrmMargensPackZPL(p)); },
     "Calibrar Margens - Etiqueta Corrugada - ZPL", {"PackX", "PackY"}, {"3", "3"}},
};

TEST(MargensTest, EachDialogShowsItsKeysOrItsStandards)
{
    struct Case {
        const char* name;
        std::function<QString(const QString& key)> line;  // the key's line; null: no settings file
        std::function<QString(const Kind&, int box)> shown;
    };
    const Case cases[] = {
        {"stored values as stored", [](const QString& k) { return k + QStringLiteral("=2,2\r\n"); },
         [](const Kind&, int) { return QStringLiteral("2,2"); }},
        {"quoted values keep their blanks", [](const QString& k) { return k + QStringLiteral("=\" 1,5 \"\r\n"); },
         [](const Kind&, int) { return QStringLiteral(" 1,5 "); }},
        {"keys present but empty", [](const QString& k) { return k + QStringLiteral("=\r\n"); },
         [](const Kind& k, int i) { return k.standards[i]; }},
        {"keys missing", [](const QString&) { return QStringLiteral("Outra=1\r\n"); },
         [](const Kind& k, int i) { return k.standards[i]; }},
        {"no settings file", nullptr, [](const Kind& k, int i) { return k.standards[i]; }},
    };
    for (const Kind& kind : kKinds)
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.name);
            TestWorkstation tw;
            if (c.line) {
                QString text = QStringLiteral("[MargemOcultaZebra]\r\n");
                for (const QString& key : kind.keys)
                    text += c.line(key);
                tw.write(QStringLiteral("Pendrova.ini"), text);
            }
            auto d = kind.make(tw.program);
            EXPECT_EQ(d->layout().caption, QString::fromUtf8(kind.caption));
            d->Form_Load();
            QStringList want;
            for (int i = 0; i < kind.keys.size(); ++i)
                want << c.shown(kind, i);
            EXPECT_EQ(boxTexts(*d), want);
        }
}

TEST(MargensTest, SavingWritesEveryKeyAndABlankBoxAsItsStandard)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TestWorkstation tw;
        auto d = kind.make(tw.program);
        d->Form_Load();
        d->boxes().front().box.text = QStringLiteral(" 2,5 ");
        for (size_t i = 1; i < d->boxes().size(); ++i)
            d->boxes()[i].box.text = QStringLiteral("  ");
        d->cmd_gravar_Click();
        EXPECT_FALSE(d->isOpen());
        // The box is saved as typed, blanks around it included.
        EXPECT_EQ(margin(tw, kind.keys[0]), QStringLiteral(" 2,5 "));
        for (int i = 1; i < kind.keys.size(); ++i)
            EXPECT_EQ(margin(tw, kind.keys[i]), kind.standards[i]) << kind.keys[i].toStdString();
    }
}

TEST_F(Janelas, TheCalibrationCommandOpensTheDialogOfTheLabelType)
{
    struct Case {
        QString tipo;
        QString referencia, referencia1;
        QString opens;  // empty: none
        QStringList messages;
    };
    const QString ref = QStringLiteral("4501237 | TENIS | PRETO");
    const QString semPedido = QStringLiteral("Selecione um Pedido para realizar a Calibragem...");
    const Case cases[] = {
        {kFrente, QStringLiteral("  "), QString(), QString(), {semPedido}},
        {kCorrugado, QString(), QString(), QString(), {semPedido}},
        {kFrente, ref, QString(), SetupDialogs::kCaixa, {}},
        {kOculta, ref, QString(), SetupDialogs::kOculta, {}},
        {kAcessorio, ref, QString(), SetupDialogs::kOculta, {}},
        {kCorrugado, QString(), ref, SetupDialogs::kPack, {}},
        {QStringLiteral("Frente de Caixa100x40"), ref, QString(), QString(), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tipo.toStdString() + " / " + c.referencia.toStdString() + " / " + c.referencia1.toStdString());
        tw.messages.clear();
        f.cmbtipo.text = c.tipo;
        f.cmb_referencia.text = c.referencia;
        f.cmb_referencia1.text = c.referencia1;
        cmd_calibra_Click(p, dialogs);
        for (const QString& name : {SetupDialogs::kCaixa, SetupDialogs::kOculta, SetupDialogs::kPack}) {
            MarginDialogView* view = dialogs.margin(name);
            EXPECT_EQ(view != nullptr, name == c.opens) << name.toStdString();
            if (view) {
                EXPECT_TRUE(view->isVisible());
                EXPECT_FALSE(view->isModal());
            }
        }
        EXPECT_EQ(tw.messages.texts(), c.messages);
        for (const QString& name : {SetupDialogs::kCaixa, SetupDialogs::kOculta, SetupDialogs::kPack})
            dialogs.closeMargin(name);
        settle();
    }
}

TEST_F(Janelas, HiddenAndAccessoryShareOneDialogThatIsNotReloadedWhileOpen)
{
    accessoryOrder();
    cmd_calibra_Click(p, dialogs);
    QPointer<MarginDialogView> first = dialogs.margin(SetupDialogs::kOculta);
    ASSERT_TRUE(first);
    EXPECT_EQ(edit(first, "txtmargem1")->text(), QStringLiteral("0"));  // the first-start file's value
    QLineEdit* box = edit(first, "txtmargem1");
    box->clear();
    QTest::keyClicks(box, QStringLiteral("1.5x"));
    EXPECT_EQ(box->text(), QStringLiteral("1,5"));

    f.cmbtipo.text = kOculta;
    cmd_calibra_Click(p, dialogs);
    EXPECT_EQ(dialogs.margin(SetupDialogs::kOculta), first.data());
    EXPECT_EQ(edit(first, "txtmargem1")->text(), QStringLiteral("1,5"));

    first->findChild<QPushButton*>(QStringLiteral("cmd_gravar"))->click();
    settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(margin(tw, QStringLiteral("Margem_oculta1")), QStringLiteral("1,5"));
    cmd_calibra_Click(p, dialogs);
    EXPECT_EQ(edit(dialogs.margin(SetupDialogs::kOculta), "txtmargem1")->text(), QStringLiteral("1,5"));
}

// Every caption a dialog shows can be read whole in its place: laid out as the label lays it out,
// no line is wider than the label and the letters of every line lie inside it.
TEST_F(Janelas, TheDialogsShowEveryCaptionWhole)
{
    installFontSubstitutes();  // as the program does at start
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    f.cmb_referencia1.text = f.cmb_referencia.text;
    for (const QString& tipo : {kFrente, kOculta, kCorrugado}) {
        f.cmbtipo.text = tipo;
        cmd_calibra_Click(p, dialogs);
    }
    cmd_parametro_Click(dialogs);
    settle();
    const QWidget* views[] = {dialogs.margin(SetupDialogs::kCaixa), dialogs.margin(SetupDialogs::kOculta),
                              dialogs.margin(SetupDialogs::kPack), dialogs.parametros()};
    for (const QWidget* view : views) {
        ASSERT_TRUE(view);
        for (const QLabel* label : view->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(view) || label->text().isEmpty())
                continue;
            SCOPED_TRACE(view->objectName().toStdString() + " " + label->objectName().toStdString());
            const QFontMetrics metrics = label->fontMetrics();
            const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
            const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000), flags, label->text());
            const int lines = std::max(1, qRound(double(needed.height()) / metrics.lineSpacing()));
            EXPECT_LE(needed.width(), label->width());
            EXPECT_LE((lines - 1) * metrics.lineSpacing() + metrics.ascent(), label->height());
        }
    }
}

TEST_F(Janelas, APrintRunClosesAnOpenMarginDialogAndWhatWasTypedIsLost)
{
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    cmd_calibra_Click(p, dialogs);
    QPointer<MarginDialogView> view = dialogs.margin(SetupDialogs::kCaixa);
    ASSERT_TRUE(view);
    edit(view, "txtmargem2")->setText(QStringLiteral("44"));
    const QByteArray before = settingsFile();

    cmd_printacessorio_Click(p, dialogs.closer());
    EXPECT_EQ(dialogs.margin(SetupDialogs::kCaixa), nullptr);
    settle();
    EXPECT_TRUE(view.isNull());
    EXPECT_EQ(settingsFile(), before);
    EXPECT_FALSE(printed().empty());  // the run itself went on

    cmd_calibra_Click(p, dialogs);
    EXPECT_EQ(edit(dialogs.margin(SetupDialogs::kCaixa), "txtmargem2")->text(), QStringLiteral("40"));
}

TEST_F(Janelas, TheUnloadHookClosesEveryMarginDialogButNotTheParameters)
{
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    f.cmb_referencia1.text = f.cmb_referencia.text;
    for (const QString& tipo : {kFrente, kOculta, kCorrugado}) {
        f.cmbtipo.text = tipo;
        cmd_calibra_Click(p, dialogs);
    }
    cmd_parametro_Click(dialogs);
    const auto close = dialogs.closer();
    for (const QString& name : {SetupDialogs::kOculta, SetupDialogs::kCaixa, SetupDialogs::kPack}) {
        ASSERT_NE(dialogs.margin(name), nullptr) << name.toStdString();
        close(p, name);
        close(p, name);  // a dialog no longer open is left alone
        EXPECT_EQ(dialogs.margin(name), nullptr) << name.toStdString();
    }
    close(p, QStringLiteral("FrmOutro"));
    EXPECT_NE(dialogs.parametros(), nullptr);
}

TEST_F(Janelas, TheTestButtonPrintsAndABlankBoxGetsTheFocus)
{
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    cmd_calibra_Click(p, dialogs);
    MarginDialogView* view = dialogs.margin(SetupDialogs::kCaixa);
    ASSERT_TRUE(view);
    // The box here is scripted: who owns it and who has the keyboard after it is told with the
    // real boxes (tests/app/window_messages_test.cpp, tests/x11).
    edit(view, "txtmargem2")->clear();
    auto* teste = view->findChild<QPushButton*>(QStringLiteral("cmd_teste"));
    teste->click();
    EXPECT_EQ(tw.messages.texts(), QStringList{QStringLiteral("Informe a Margem...")});
    EXPECT_EQ(view->focusWidget(), edit(view, "txtmargem2"));
    EXPECT_TRUE(nothingPrinted());

    edit(view, "txtmargem2")->setText(QStringLiteral("38,5"));
    teste->click();
    EXPECT_EQ(barcodes().size(), 2u);
    EXPECT_FLOAT_EQ(g.margem_caixa_col2, 38.5f);
    EXPECT_TRUE(view->isVisible());
}

TEST_F(Janelas, TheParametersDialogIsOneWindowReadOnceAndReadAgainWhenReopened)
{
    tw.write(QStringLiteral("Pendrova.ini"), QStringLiteral("[Impressora]\r\nPath=%1\r\nPorta=Serial\r\n").arg(tw.folder()));
    cmd_parametro_Click(dialogs);
    QPointer<FrmParametroImpressoraView> view = dialogs.parametros();
    ASSERT_TRUE(view);
    EXPECT_FALSE(view->isModal());
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Parâmetro de Impressão"));
    EXPECT_EQ(view->parent(), nullptr);
    EXPECT_EQ(view->windowType(), Qt::Tool);
    auto* path = view->findChild<QLineEdit*>(QStringLiteral("TXTPATH"));
    ASSERT_TRUE(path);
    EXPECT_EQ(path->text(), tw.folder());
    EXPECT_TRUE(path->isReadOnly());
    // Every control has its widget, the hidden panels' too.
    view->model().forEachControl([&](auto& c) {
        QWidget* w = view->findChild<QWidget*>(c.name);
        ASSERT_NE(w, nullptr) << c.name.toStdString();
        EXPECT_EQ(w->isVisibleTo(w->parentWidget()), c.visible) << c.name.toStdString();
    });
    QWidget* port = view->findChild<QWidget*>(QStringLiteral("Frame3"));
    EXPECT_FALSE(port->isVisible());
    EXPECT_GE(port->x(), view->width());  // beyond the window's edge
    EXPECT_TRUE(view->findChild<QWidget*>(QStringLiteral("FrameSerial"))->isVisibleTo(port));
    EXPECT_FALSE(view->findChild<QWidget*>(QStringLiteral("FrameParalela"))->isVisibleTo(port));

    tw.write(QStringLiteral("Pendrova.ini"), QStringLiteral("[Impressora]\r\nPath=%1\r\n").arg(tw.path("tmp")));
    cmd_parametro_Click(dialogs);
    EXPECT_EQ(dialogs.parametros(), view.data());
    EXPECT_EQ(path->text(), tw.folder());

    view->findChild<QPushButton*>(QStringLiteral("cmd_sair"))->click();
    settle();
    EXPECT_TRUE(view.isNull());
    cmd_parametro_Click(dialogs);
    ASSERT_TRUE(dialogs.parametros());
    EXPECT_EQ(dialogs.parametros()->findChild<QLineEdit*>(QStringLiteral("TXTPATH"))->text(), tw.path("tmp"));
}

TEST_F(Janelas, WhileTheParametersDialogIsOpenClosingTheMainWindowDoesNotEndTheProgram)
{
    QWidget main;  // stands for the main window
    main.show();
    cmd_parametro_Click(dialogs);
    QPointer<FrmParametroImpressoraView> view = dialogs.parametros();
    ASSERT_TRUE(view);
    bool runningAfterMain = false;
    QTimer::singleShot(0, &main, [&] {
        main.close();
        QTimer::singleShot(100, view, [&] {
            runningAfterMain = true;
            view->close();
        });
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, &QCoreApplication::quit);
    guard.start(5000);
    QElapsedTimer clock;
    clock.start();
    qApp->exec();  // ends when the last window is closed
    EXPECT_TRUE(runningAfterMain);
    EXPECT_LT(clock.elapsed(), 4000) << "closing the dialog last ends the program";
}

TEST_F(Janelas, SavingTheParametersClosesTheWindowAndSetsTheMainWindow)
{
    QDir().mkpath(tw.path(QStringLiteral("pedidos")));
    tw.write(QStringLiteral("Pendrova.ini"),
             QStringLiteral("[Impressora]\r\nPath=%1\r\nJava=\r\n").arg(tw.path(QStringLiteral("pedidos"))));
    ScriptedFolderPicker picker;
    tw.ws.folderPicker = &picker;
    cmd_parametro_Click(dialogs);
    QPointer<FrmParametroImpressoraView> view = dialogs.parametros();
    ASSERT_TRUE(view);
    picker.cancelNext();
    view->findChild<QPushButton*>(QStringLiteral("CMD_GETPATH"))->click();
    EXPECT_EQ(view->findChild<QLineEdit*>(QStringLiteral("TXTPATH"))->text(), tw.path(QStringLiteral("pedidos")));
    view->findChild<QPushButton*>(QStringLiteral("cmd_grava"))->click();
    settle();
    EXPECT_TRUE(view.isNull());
    EXPECT_EQ(f.lblpath.caption, tw.path(QStringLiteral("pedidos")));
    EXPECT_EQ(f.lbljava.caption, tw.folder());
    EXPECT_EQ(picker.owners().size(), 1u);
    EXPECT_NE(picker.owners().front(), 0u);
}

}  // namespace
