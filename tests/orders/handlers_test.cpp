#include "orders/handlers.h"

#include "platform/keystrokes.h"
#include "settings/fields.h"
#include "settings/keys.h"
#include "settings/settings.h"
#include "tests/orders/orderfixture.h"

namespace {

class LoadTriggers : public OrderTest {
protected:
    LoadTriggers()
    {
        t.ws.keystrokes = &keys;
        order(QStringLiteral("PED 500 FRENTE.txt"),
              {QStringLiteral("MERVALK"), QStringLiteral("QTDE"),
               QStringLiteral("2;PRETO;36;X;SAPATO;789;4501237036;23;F1;PROMO;2;Z"),
               QStringLiteral("1;PRETO;37;X;SAPATO;789;4501237036;23;F1;PROMO;2;Z"),
               QStringLiteral("1;PRETO"),  // too short: named by the first load of the file
               QStringLiteral("4;AZUL;36;X;TENIS;789;4509999036;23;F1;OFERTA;2;Z")});
        order(QStringLiteral("PED 500 ACESSORIO.txt"),
              {QStringLiteral("ORVENNA"), QStringLiteral("QTDE"),
               QStringLiteral("6;AZUL;U;BOLSA;23;F1;7891234567895;7001234;59,90;;;X")});
        order(QStringLiteral("PED 500 CORRUGADO.txt"),
              {QStringLiteral("MERVALK"), QStringLiteral("QTDE"),
               QStringLiteral("3;x;M1;FORN;PRETO;SAPATO;E1;34-39;112211;6;23;CD1;1/3;;;")});
        f.cmbtipo.text = kFrente;
    }
    int16_t press(void (*handler)(Program&, int16_t&), int16_t key)
    {
        handler(p, key);
        return key;
    }
    RecordingKeystrokes keys;
};

// Enter loads from the key event; the queued Tab then takes the focus away and loads again.
TEST_F(LoadTriggers, EnterInTheOrderFieldLoadsTwiceWithTheSameResult)
{
    f.txtarquivo.text = QStringLiteral("500");
    proximo(t.ws.keystrokes, key::Enter);  // the window sees the key first
    EXPECT_EQ(press(txtarquivo_KeyPress, key::Enter), key::Enter);
    const QStringList list1 = f.List1.items, refs = f.cmb_referencia.items;
    EXPECT_EQ(f.txtpromocao.text, "PROMO");
    EXPECT_EQ(keys.sent, QStringList{"{tab}"});

    // The second load finds the file again (it remembers the number once more) and does not
    // name the short line again.
    writeSetting(t.ws, ini::kConfig, "arquivo", QStringLiteral("antes"));
    txtarquivo_LostFocus(p);
    EXPECT_EQ(readSetting(t.ws, ini::kConfig, "arquivo"), "500");
    EXPECT_EQ(t.messages.shown().size(), 1u);
    EXPECT_EQ(f.List1.items, list1);
    EXPECT_EQ(f.List1.listCount(), 3);
    EXPECT_EQ(f.cmb_referencia.items, refs);
    EXPECT_EQ(refs, (QStringList{"4501237 | SAPATO | PRETO", "4509999 | TENIS | AZUL"}));
    EXPECT_EQ(f.TXTPARES.text, "3");
    EXPECT_EQ(f.txtpromocao.text, "");

    // Leaving the reference list reloads the item and its promotion.
    cmb_referencia_LostFocus(p);
    EXPECT_EQ(f.txtpromocao.text, "PROMO");
}

TEST_F(LoadTriggers, BlankOrderNumber)
{
    f.txtarquivo.text = QStringLiteral("  ");
    f.cmb_referencia.addItem(QStringLiteral("kept"));
    txtarquivo_LostFocus(p);
    cmbtipo_LostFocus(p);
    EXPECT_EQ(f.cmb_referencia.items, QStringList{"kept"});
    EXPECT_TRUE(shown().isEmpty());

    // Enter loads whatever the number: the first file holding the family word.
    press(txtarquivo_KeyPress, key::Enter);
    EXPECT_EQ(f.cmb_referencia.listCount(), 2);
}

TEST_F(LoadTriggers, OtherKeysArriveInCapitals)
{
    EXPECT_EQ(press(txtarquivo_KeyPress, 'a'), 'A');
    EXPECT_EQ(press(txtarquivo_KeyPress, static_cast<int16_t>(0xE7)), static_cast<int16_t>(0xC7));  // ç
    EXPECT_EQ(f.List1.listCount(), 0);
}

TEST_F(LoadTriggers, LeavingTheTypeListLoadsAndSetsTheTotalsCaptions)
{
    f.txtarquivo.text = QStringLiteral("500");
    struct Case {
        QString tipo, caption, firstKey;
        bool ocultas;
    };
    const Case cases[] = {
        {kAcessorio, "Total de Itens", "7001234 | BOLSA | AZUL", false},
        {kOculta, "Total de Pares", "4501237 | SAPATO | PRETO", true},
    };
    for (const Case& c : cases) {
        f.keyPreview = false;
        f.cmbtipo.text = c.tipo;
        cmbtipo_LostFocus(p);
        EXPECT_TRUE(f.keyPreview);
        EXPECT_EQ(f.Label71.caption, c.caption);
        EXPECT_EQ(f.Label72.visible, c.ocultas);
        EXPECT_EQ(f.TXTOCULTAS.visible, c.ocultas);
        EXPECT_EQ(f.cmb_referencia.text, c.firstKey);
        EXPECT_EQ(f.txtpromocao.text, "");
    }

    // Back from an accessory order, a box-front reference loads the box-front way.
    f.cmbtipo.text = kAcessorio;
    cmbtipo_LostFocus(p);
    EXPECT_EQ(f.TXTPARES.text, "6");
    f.Frame1.caption = QStringLiteral("Caixa / Oculta");
    f.List1.items = QStringList{QStringLiteral("6;AZUL;U;BOLSA;23;F1;7891234567895;7001234;59,90;;;X")};
    cmb_referencia_LostFocus(p);
    EXPECT_EQ(f.TXTPARES.text, "0");  // no box-front line for it
}

TEST_F(LoadTriggers, CartonReferenceList)
{
    f.txtarquivo.text = QStringLiteral("500");
    f.cmbtipo.text = kCorrugado;
    cmbtipo_LostFocus(p);
    EXPECT_TRUE(f.Frame3.visible);
    EXPECT_EQ(f.cmb_referencia1.text, "M1 | SAPATO | PRETO");
    EXPECT_EQ(f.lblmax.caption, "3");
    EXPECT_EQ(f.lsteanpack.items, QStringList{"M1|E1|1/3"});

    cmb_referencia1_GotFocus(p);
    EXPECT_FALSE(f.keyPreview);
    f.txtcodigo1.text.clear();
    EXPECT_EQ(press(cmb_referencia1_KeyPress, 'x'), 'x');
    EXPECT_TRUE(keys.sent.isEmpty());
    EXPECT_EQ(press(cmb_referencia1_KeyPress, key::Enter), key::Enter);
    EXPECT_EQ(keys.sent, QStringList{"{tab}"});
    EXPECT_EQ(f.txtcodigo1.text, "");  // nothing loads until the list is left
    cmb_referencia1_LostFocus(p);
    EXPECT_TRUE(f.keyPreview);
    EXPECT_EQ(f.txtcodigo1.text, "M1");
}

}  // namespace
