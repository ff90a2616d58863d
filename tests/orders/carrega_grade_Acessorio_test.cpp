#include "orders/carrega_grade_Acessorio.h"

#include "tests/orders/orderfixture.h"

namespace {

class AcessorioItem : public OrderTest {
protected:
    // Fields 0 to 7 of an accessory line, then the layout's tail.
    static QString line(const QString& qty, const QString& size, const QString& tail = {},
                        const QString& code = QStringLiteral("7001234"))
    {
        return qty + QStringLiteral(";AZUL;") + size + QStringLiteral(";BOLSA;23;F1;7891234567895;") + code + tail;
    }
    void chooseItem() { choose(f.cmb_referencia, QStringLiteral("7001234 | BOLSA | AZUL")); }
};

TEST_F(AcessorioItem, FieldsOfEachLayout)
{
    struct Case {
        QString tail;  // fields 8 onward
        QString preco, semana, promocao;
        bool unlocked;
    };
    const Case cases[] = {
        /* 13 */ {";59,90; 2 ;PROMO;X;Y", "59,90", "23/2", "PROMO", true},
        /* 12 */ {";59,90;;PROMO;X", "59,90", "23", "PROMO", true},
        /* 11 */ {";59,90;2;PROMO", "59,90", "23/2", "PROMO", false},
        /* 8 */ {"", "", "23", "antiga", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tail.toStdString());
        f.txtpreco.text = QStringLiteral("antigo");
        f.txtpromocao.text = QStringLiteral("antiga");
        f.TXTPARES.locked = true;
        lines({line("4", "U", c.tail)});
        chooseItem();
        carrega_grade_Acessorio(p);
        EXPECT_EQ(f.txtcodigo.text, "7001234");
        EXPECT_EQ(f.txtcor.text, "AZUL");
        EXPECT_EQ(f.txtdescricao.text, "BOLSA");
        EXPECT_EQ(f.txtbandeira.text, "F1");
        EXPECT_EQ(f.txtpreco.text, c.preco);
        EXPECT_EQ(f.txtsemana.text, c.semana);
        EXPECT_EQ(f.txtpromocao.text, c.promocao);
        EXPECT_EQ(f.TXTPARES.text, "4");
        EXPECT_EQ(f.TXTOCULTAS.text, "");
        EXPECT_EQ(f.lblbarra.caption, "7891234567895");
        EXPECT_EQ(f.TXTPARES.locked, !c.unlocked);
    }
}

TEST_F(AcessorioItem, ElevenFieldLinesPlaceHiddenSizes)
{
    const QString tail = QStringLiteral(";9,90;;P");
    lines({line("5", "P", tail), line("3", "M", tail), line("2", "G", tail),
           line("9", "GG", QStringLiteral(";9,90")),                          // 9 fields: skipped
           line("9", "XG", tail, QStringLiteral("7001234XYZ"))});             // ten-character code matches
    chooseItem();
    carrega_grade_Acessorio(p);

    for (int k = 0; k < 4; ++k)
        EXPECT_FALSE(f.Label7[k].visible || f.txtnumero[k].visible) << k;
    EXPECT_EQ(f.Label7[0].caption + f.Label7[1].caption + f.Label7[2].caption + u'|' + f.Label7[3].caption, "PMG|XG");
    EXPECT_EQ(f.txtnumero[0].text + f.txtnumero[1].text + f.txtnumero[2].text, "532");
    EXPECT_EQ(f.TXTPARES.text, "5");
    EXPECT_EQ(shown(), QStringList{});
}

TEST_F(AcessorioItem, FifteenthSizeWarnsOnceAndFirstLineWins)
{
    QStringList items;
    for (int i = 0; i < 15; ++i)
        items << line(QString::number(i + 1), QStringLiteral("T%1").arg(i), QStringLiteral(";9,90;;P"));
    lines(items);
    f.txtarquivo.text = QStringLiteral("1400060001");
    chooseItem();
    carrega_grade_Acessorio(p);
    EXPECT_EQ(shown(), QStringList{QStringLiteral(
                           "Erro ao Preencher Dados.. Contate a Pendrova e comunique o Erro no Pedido 1400060001"
                           "\n1 linha(s) do item ficaram fora da grade de 14 tamanhos.")});
    EXPECT_EQ(f.Label7[13].caption, "T13");
    EXPECT_EQ(f.TXTPARES.text, "1");

    // Two lines of a 12-field item: the second changes nothing and warns nothing.
    t.messages.clear();
    lines({line("4", "U", QStringLiteral(";59,90;;A;X")), line("6", "U", QStringLiteral(";19,90;;B;X"))});
    carrega_grade_Acessorio(p);
    EXPECT_EQ(f.txtpreco.text, "59,90");
    EXPECT_EQ(f.TXTPARES.text, "4");
    EXPECT_EQ(shown(), QStringList{});
}

TEST_F(AcessorioItem, BlankChoiceClearsTheGridOnly)
{
    lines({line("4", "U", QStringLiteral(";59,90;;A;X"))});
    chooseItem();
    carrega_grade_Acessorio(p);
    f.Label7[0].caption = QStringLiteral("P");
    f.txtnumero[0].text = QStringLiteral("1");
    choose(f.cmb_referencia, QStringLiteral(" "));
    carrega_grade_Acessorio(p);
    EXPECT_EQ(f.Label7[0].caption, "");
    EXPECT_EQ(f.TXTPARES.text, "");
    EXPECT_EQ(f.txtdescricao.text, "BOLSA");
}

}  // namespace
