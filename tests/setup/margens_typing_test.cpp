// What typing and pasting do in the boxes of the margin dialogs, and margins stored longer than
// the operator may type.
#include "tests/setup/margens_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/qtestkeyboard.h>
#include <functional>

namespace {

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

}  // namespace
