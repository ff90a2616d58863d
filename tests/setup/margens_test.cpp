// The three margin dialogs of the running labels: what they show and save, and the calibration
// command and the print command opening and closing them in their windows.
#include "labels/product/cmd_printacessorio.h"
#include "platform/qtprinter.h"
#include "platform/folderpicker.h"
#include "settings/settings.h"
#include "setup/frmmargenscxzpl45.h"
#include "setup/frmmargensocultazpl2.h"
#include "setup/frmmargenspackzpl.h"
#include "setup/setupdialogs.h"
#include "tests/setup/calibra_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QElapsedTimer>
#include <QTimer>
#include <QTest>
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

QStringList boxTexts(MarginDialog& d)
{
    QStringList out;
    for (MarginBox& b : d.boxes())
        out << b.box.text;
    return out;
}

QString margin(const TestWorkstation& tw, const QString& key)
{
    return readSetting(tw.ws, "MargemOcultaZebra", key.toStdString());
}

// A closed window is deleted once an event loop runs.
void settle() { QTest::qWait(20); }

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

// The window side: the main window's state, the dialog host and the print command's hook.
struct Janelas : ::testing::Test, CalibraDesk {
    SetupDialogs dialogs{p};

    QLineEdit* edit(MarginDialogView* view, const char* name)
    {
        return view ? view->findChild<QLineEdit*>(QString::fromLatin1(name)) : nullptr;
    }
};

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

TEST_F(Janelas, TheBoxesTurnAPointIntoACommaAndColumnsTakeFourCharacters)
{
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    f.cmb_referencia1.text = f.cmb_referencia.text;
    for (const QString& tipo : {kFrente, kOculta, kCorrugado}) {
        SCOPED_TRACE(tipo.toStdString());
        f.cmbtipo.text = tipo;
        cmd_calibra_Click(p, dialogs);
        MarginDialogView* view = tipo == kFrente   ? dialogs.margin(SetupDialogs::kCaixa)
                                 : tipo == kOculta ? dialogs.margin(SetupDialogs::kOculta)
                                                   : dialogs.margin(SetupDialogs::kPack);
        ASSERT_TRUE(view);
        const struct {
            const char* box;
            const char* typed;
            const char* shown;
        } boxes[] = {{"txtmargem1", "-1.25x", "-1,2"}, {"txtmargemsuperior", "12.3 45", "12,345"}};
        for (const auto& b : boxes) {
            QLineEdit* e = edit(view, b.box);
            ASSERT_TRUE(e) << b.box;
            e->clear();
            QTest::keyClicks(e, QString::fromLatin1(b.typed));
            EXPECT_EQ(e->text(), QString::fromLatin1(b.shown)) << b.box;
            EXPECT_EQ(e->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight) << b.box;
        }
    }
}

// A margin stored longer than the operator may type ("-1,25") is the margin: the dialog shows it,
// test-prints it and saves it back as the file holds it. Only typing is held to 4 characters.
TEST_F(Janelas, StoredMarginsLongerThanTheTypingLimitAreShownPrintedAndSavedWhole)
{
    struct Case {
        const char* name;
        std::function<void(CalibraDesk&)> load;
        QString dialog;
        QStringList keys, stored;  // in box order
        std::vector<float Globals::*> margins;
        std::vector<float> values;
        double gap;  // between the symbols of a row's two labels (the hidden layout adds 2.7 mm); 0: one across
    };
    const Case cases[] = {
        {"box front", [](CalibraDesk& d) { d.boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}}); },
         SetupDialogs::kCaixa, {"Mx4045_1", "Mx4045_2", "Mx4045"}, {"-1,25", "40,75", "2,125"},
         {&Globals::margem_caixa_col1, &Globals::margem_caixa_col2, &Globals::margem_caixa_topo}, {-1.25f, 40.75f, 2.125f},
         42.0},
        {"hidden", [](CalibraDesk& d) { d.boxFrontOrder(kOculta, {{"1", "38", "789123456780", "4501237038"}}); },
         SetupDialogs::kOculta, {"Margem_oculta1", "Margem_oculta11", "Margem_oculta2"}, {"-3,25", "45,75", "12,375"},
         {&Globals::margem_oculta_col1, &Globals::margem_oculta_col2, &Globals::margem_oculta_topo},
         {-3.25f, 45.75f, 12.375f}, 45.75 + 3.25 + 2.7},
        {"pack", [](CalibraDesk& d) { d.cartonOrder(); }, SetupDialogs::kPack, {"PackX", "PackY"}, {"-1,25", "2,125"},
         {&Globals::margem_pack_x, &Globals::margem_pack_y}, {-1.25f, 2.125f}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.load(*this);
        QString file = kMargins;
        for (int i = 0; i < c.keys.size(); ++i)
            file.replace(QRegularExpression(QStringLiteral("\\r\\n%1=[^\\r]*").arg(c.keys[i])),
                         QStringLiteral("\r\n%1=%2").arg(c.keys[i], c.stored[i]));
        tw.write(QStringLiteral("Pendrova.ini"), file);
        const QByteArray before = settingsFile();
        ASSERT_TRUE(before.contains(c.stored[0].toLatin1()));

        cmd_calibra_Click(p, dialogs);
        QPointer<MarginDialogView> view = dialogs.margin(c.dialog);
        ASSERT_TRUE(view);
        for (int i = 0; i < c.keys.size(); ++i) {
            const QString name = view->model().boxes()[static_cast<size_t>(i)].box.name;
            EXPECT_EQ(view->findChild<QLineEdit*>(name)->text(), c.stored[i]) << name.toStdString();
        }
        EXPECT_EQ(boxTexts(view->model()), c.stored);

        const size_t pages = printed().size();
        view->findChild<QPushButton*>(QStringLiteral("cmd_teste"))->click();
        for (size_t i = 0; i < c.margins.size(); ++i)
            EXPECT_FLOAT_EQ(g.*c.margins[i], c.values[i]) << i;
        EXPECT_EQ(printed().size(), pages + 1) << tw.messages.texts().join(u'|').toStdString();
        if (c.gap != 0) {
            const auto codes = barcodes();
            ASSERT_GE(codes.size(), 2u);
            EXPECT_NEAR(codes[codes.size() - 1].x - codes[codes.size() - 2].x, c.gap, 1e-4);
        }

        // Saved untouched: the same bytes.
        view->findChild<QPushButton*>(QStringLiteral("cmd_gravar"))->click();
        settle();
        EXPECT_TRUE(view.isNull());
        EXPECT_EQ(settingsFile(), before);

        // The first box again, as stored: typing cannot make it longer, only shorter, and what
        // replaces it is held to 4 characters.
        cmd_calibra_Click(p, dialogs);
        view = dialogs.margin(c.dialog);
        ASSERT_TRUE(view);
        QLineEdit* box = edit(view, "txtmargem1");
        ASSERT_EQ(box->text(), c.stored[0]);
        box->end(false);
        QTest::keyClicks(box, QStringLiteral("7"));
        EXPECT_EQ(box->text(), c.stored[0]);
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), c.stored[0].chopped(1));
        QTest::keyClicks(box, QStringLiteral("77"));
        EXPECT_EQ(box->text(), c.stored[0].chopped(1));
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("12.345"));
        EXPECT_EQ(box->text(), QStringLiteral("12,3"));
        EXPECT_EQ(view->model().boxes()[0].box.text, QStringLiteral("12,3"));
        view->findChild<QPushButton*>(QStringLiteral("cmd_exit"))->click();
        settle();
        tw.messages.clear();
    }
}

// Control keys and Escape are keys typed in a box too: the filter drops them, so nothing is
// pasted or cut and the dialog stays open with what was typed; Escape closes neither dialog.
TEST_F(Janelas, ControlKeysAndEscapeChangeNoBoxAndCloseNoDialog)
{
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    cmd_calibra_Click(p, dialogs);
    QPointer<MarginDialogView> view = dialogs.margin(SetupDialogs::kCaixa);
    ASSERT_TRUE(view);
    QApplication::clipboard()->setText(QStringLiteral("ab9"));
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        char16_t typed;  // the control character the keyboard sends with the key
    } keys[] = {
        {"paste", Qt::Key_V, Qt::ControlModifier, 0x16},
        {"cut", Qt::Key_X, Qt::ControlModifier, 0x18},
        {"escape", Qt::Key_Escape, Qt::NoModifier, 0x1b},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.name);
        QLineEdit* e = edit(view, "txtmargem2");
        ASSERT_TRUE(e);
        e->setText(QStringLiteral("12"));
        e->selectAll();
        QTest::sendKeyEvent(QTest::Click, e, k.key, QString(QChar(k.typed)), k.modifiers);
        settle();
        ASSERT_FALSE(view.isNull());
        EXPECT_EQ(dialogs.margin(SetupDialogs::kCaixa), view.data());
        EXPECT_EQ(e->text(), QStringLiteral("12"));
    }

    cmd_parametro_Click(dialogs);
    QPointer<FrmParametroImpressoraView> parametros = dialogs.parametros();
    ASSERT_TRUE(parametros);
    QTest::sendKeyEvent(QTest::Click, parametros->findChild<QLineEdit*>(QStringLiteral("TXTPATH")), Qt::Key_Escape,
                        QStringLiteral("\x1b"), Qt::NoModifier);
    settle();
    EXPECT_FALSE(parametros.isNull());
    EXPECT_EQ(dialogs.parametros(), parametros.data());
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

// Pasting passes no key filter: a pasted text that is no number shows in the box, and the test
// print and the save refuse it by name, the focus on it, with nothing printed or saved.
TEST_F(Janelas, APastedMarginThatIsNoNumberIsRefusedByTheTestAndTheSave)
{
    const struct {
        const char* name;
        std::function<void(CalibraDesk&)> load;
        QString dialog;
        const char* box;
        QString pasted, named;
    } cases[] = {
        {"box front, right column",
         [](CalibraDesk& d) { d.boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}}); },
         SetupDialogs::kCaixa, "txtmargem2", "abc", "da etiqueta da direita"},
        {"hidden, top", [](CalibraDesk& d) { d.boxFrontOrder(kOculta, {{"1", "38", "789123456780", "4501237038"}}); },
         SetupDialogs::kOculta, "txtmargemsuperior", "2.5 mm", "superior"},
        {"pack, x", [](CalibraDesk& d) { d.cartonOrder(); }, SetupDialogs::kPack, "txtmargem1", "x1", "esquerda"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.load(*this);
        const QByteArray before = settingsFile();
        cmd_calibra_Click(p, dialogs);
        QPointer<MarginDialogView> view = dialogs.margin(c.dialog);
        ASSERT_TRUE(view);
        QLineEdit* box = edit(view, c.box);
        ASSERT_TRUE(box);
        QApplication::clipboard()->setText(c.pasted);
        box->setFocus();
        box->selectAll();
        box->paste();
        ASSERT_EQ(box->text(), c.pasted);
        const QString told = QStringLiteral("A margem ") + c.named + QStringLiteral(" não é um número: \"") + c.pasted +
                             QStringLiteral("\".\nInforme a Margem em milímetros, com vírgula decimal (por exemplo 2,5).");

        for (const char* button : {"cmd_teste", "cmd_gravar"}) {
            SCOPED_TRACE(button);
            tw.messages.clear();
            // The focus elsewhere, so the refusal is what puts it on the box.
            edit(view, edit(view, "txtmargem1") == box ? "txtmargemsuperior" : "txtmargem1")->setFocus();
            view->findChild<QPushButton*>(QString::fromLatin1(button))->click();
            settle();
            ASSERT_TRUE(view);
            EXPECT_TRUE(view->isVisible());
            EXPECT_EQ(tw.messages.texts(), QStringList{told});
            EXPECT_EQ(view->focusWidget(), box);
            EXPECT_EQ(box->text(), c.pasted);
            EXPECT_TRUE(nothingPrinted());
            EXPECT_EQ(settingsFile(), before);
        }
        view->close();
        settle();
    }
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
