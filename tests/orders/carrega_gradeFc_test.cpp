#include "orders/carrega_gradeFc.h"

#include "tests/orders/orderfixture.h"

#include <QDir>
#include <QImage>

namespace {

class FrenteItem : public OrderTest {
protected:
    // A box-front line: quantity, colour, size, description and code, then the layout's tail.
    static QString line(const QString& qty, const QString& size, const QString& tail,
                        const QString& code = QStringLiteral("4501237036"))
    {
        return qty + QStringLiteral(";PRETO;") + size + QStringLiteral(";X;SAPATO;789123456789;") + code + u';' + tail;
    }
    void chooseItem(const QString& key = QStringLiteral("4501237 | SAPATO | PRETO")) { choose(f.cmb_referencia, key); }
    QStringList captions() const
    {
        QStringList out;
        for (const Label& l : f.Label7)
            out << l.caption;
        return out;
    }
};

TEST_F(FrenteItem, FieldsOfEachLayout)
{
    struct Case {
        QString tail;  // fields 7 onward
        QString preco, semana, bandeira, promocao;
    };
    const Case cases[] = {
        /* 10 */ {"42;F1;15", "", "42/15", "F1", "15"},
        /* 10, blank suffix */ {"42;F1;  ", "", "42", "F1", "  "},
        /* 11 */ {"42;F1;PROMO; 3 ", "", "42/3", "F1", "PROMO"},
        /* 12 */ {"42 ;F1;PROMO;;Z", "", "42 ", "F1", "PROMO"},
        /* 13 */ {"59,90;42;F2;3;PROMO;Z", "59,90", "42/3", "F2", "PROMO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tail.toStdString());
        f.txtpreco.text = QStringLiteral("antigo");
        lines({line("5", "36", c.tail)});
        chooseItem();
        carrega_gradeFc(p);
        EXPECT_EQ(f.txtcodigo.text, "4501237");
        EXPECT_EQ(f.txtcor.text, "PRETO");
        EXPECT_EQ(f.txtdescricao.text, "SAPATO");
        EXPECT_EQ(f.txtpreco.text, c.preco);
        EXPECT_EQ(f.txtsemana.text, c.semana);
        EXPECT_EQ(f.txtbandeira.text, c.bandeira);
        EXPECT_EQ(f.txtpromocao.text, c.promocao);
        EXPECT_EQ(f.txtnumero[0].text, "5");
    }
}

TEST_F(FrenteItem, EachLineOfTheItemFillsTheNextCell)
{
    const QString tail = QStringLiteral("42;F1;P;2;Z");
    lines({line("5", "36", tail), QStringLiteral("9;PRETO;40;X;OUTRO;789;4501237036;42;F1;P;2;Z"),
           line("1", "37", tail), line("2", "36", tail),
           line("7", "41", QStringLiteral("42;F1")),                // 9 fields: passed over
           line("7", "42", QStringLiteral("1;2;3;4;5;6;7")),        // 14 fields: passed over
           line("3", "38", tail, QStringLiteral(" 450123"))});      // code starting with a blank
    chooseItem();
    carrega_gradeFc(p);

    EXPECT_EQ(captions().mid(0, 4), (QStringList{"36", "37", "36", ""}));
    EXPECT_EQ(f.txtnumero[1].text, "1");
    for (int k = 0; k < MainForm::kSizeCells; ++k) {
        EXPECT_EQ(f.Label7[k].visible, k < 3) << k;
        EXPECT_EQ(f.txtnumero[k].visible, k < 3) << k;
        EXPECT_EQ(f.txtnumero[k].locked, k >= 3) << k;
    }
    EXPECT_EQ(f.TXTPARES.text, "8");
    EXPECT_EQ(f.TXTOCULTAS.text, "16");
}

// Lines past the 14 cells are told once per load with their number, however many there are.
TEST_F(FrenteItem, LinesPastTheGridAreToldOnceWithTheirNumber)
{
    const QString prefix =
        QStringLiteral("Erro ao Preencher Dados.. Contate a Pendrova e comunique o Erro no Pedido 1400050831 ");
    struct Case {
        int lines;
        QStringList messages;
    };
    const Case cases[] = {
        {14, {}},
        {15, {prefix + "\n1 linha(s) do item ficaram fora da grade de 14 tamanhos."}},
        {16, {prefix + "\n2 linha(s) do item ficaram fora da grade de 14 tamanhos."}},
        {200, {prefix + "\n186 linha(s) do item ficaram fora da grade de 14 tamanhos."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        t.messages.clear();
        QStringList items;
        for (int i = 0; i < c.lines; ++i)
            items << line("1", QString::number(20 + i), QStringLiteral("42;F1;P;2;Z"));
        lines(items);
        f.txtarquivo.text = QStringLiteral("1400050831 ");
        chooseItem();
        carrega_gradeFc(p);

        EXPECT_EQ(shown(), c.messages);
        if (!c.messages.isEmpty()) {
            EXPECT_EQ(t.messages.shown()[0].style, mb::Exclamation);
        }
        EXPECT_EQ(f.Label7[13].caption, "33");
        EXPECT_EQ(f.TXTPARES.text, "14");
    }
}

// The loads of the same item that the moves through the order fields bring say it no more; a
// load that leaves nothing out clears the memory, so the next overflowing one is told again.
TEST_F(FrenteItem, TheSameItemLoadedAgainIsNotToldAgain)
{
    QStringList cheio;
    for (int i = 0; i < 20; ++i)
        cheio << line("1", QString::number(20 + i), QStringLiteral("42;F1;P;2;Z"));
    const QStringList pequeno{line("1", "20", QStringLiteral("42;F1;P;2;Z"))};
    f.txtarquivo.text = QStringLiteral("77");
    struct Step {
        const QStringList* items;
        int told;  // messages after this load, counted from the start
    };
    const Step steps[] = {{&cheio, 1}, {&cheio, 1}, {&cheio, 1}, {&pequeno, 1}, {&cheio, 2}};
    int n = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(n++);
        lines(*s.items);
        chooseItem();
        carrega_gradeFc(p);
        EXPECT_EQ(static_cast<int>(shown().size()), s.told);
    }
}

TEST_F(FrenteItem, IncrementWhileFrame2Shows)
{
    struct Case {
        bool frame2;
        QString lote;
        QStringList cells;
        QString pares, ocultas;
        int messages;
    };
    const Case cases[] = {
        {true, "2", {"7", "3"}, "10", "20", 0},
        {false, "2", {"5", "1"}, "6", "12", 0},
        {true, " ", {"5", "1"}, "6", "12", 0},
        {true, "0", {"5", "1"}, "6", "12", 0},
        {true, "1,0", {"6", "2"}, "8", "16", 0},
        // Only a whole number is added: a fraction is not rounded as order quantities are.
        {true, "2,5", {"5", "1"}, "6", "12", 1},
        {true, "word", {"5", "1"}, "6", "12", 1},
        // Out of range: the order's quantities stay and the operator is told.
        {true, "99999", {"5", "1"}, "6", "12", 1},
        {true, "32763", {"5", "32764"}, "32769", "65538", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.lote + (c.frame2 ? " shown" : " hidden")).toStdString());
        t.messages.clear();
        f.Frame2.visible = c.frame2;
        f.txtlote.text = c.lote;
        lines({line("5", "36", QStringLiteral("42;F1;P;2;Z")), line("1", "37", QStringLiteral("42;F1;P;2;Z"))});
        chooseItem();
        carrega_gradeFc(p);
        EXPECT_EQ(f.txtnumero[0].text, c.cells[0]);
        EXPECT_EQ(f.txtnumero[1].text, c.cells[1]);
        EXPECT_EQ(f.TXTPARES.text, c.pares);
        EXPECT_EQ(f.TXTOCULTAS.text, c.ocultas);
        EXPECT_EQ(static_cast<int>(t.messages.shown().size()), c.messages);
    }
}

// "Adicionar" holds what a cell can hold, 0 to 32767, or nothing is added and the operator is
// told once, whatever the item's number of sizes.
TEST_F(FrenteItem, AdicionarThatIsNoWholeNumberOfACellAddsNothingAndIsTold)
{
    for (const char* lote : {"1,5", "-1", "40000", "abc"}) {
        SCOPED_TRACE(lote);
        t.messages.clear();
        f.Frame2.visible = true;
        f.txtlote.text = QString::fromUtf8(lote);
        const QString tail = QStringLiteral("42;F1;P;2;Z");
        lines({line("5", "36", tail), line("1", "37", tail), line("2", "38", tail)});
        chooseItem();
        carrega_gradeFc(p);
        EXPECT_EQ(f.txtnumero[0].text + u'|' + f.txtnumero[1].text + u'|' + f.txtnumero[2].text, "5|1|2");
        EXPECT_EQ(f.TXTPARES.text, "8");
        EXPECT_EQ(f.TXTOCULTAS.text, "16");
        EXPECT_EQ(shown(), QStringList{QStringLiteral("O valor de Adicionar (") + QString::fromUtf8(lote) +
                                       QStringLiteral(") não é um número inteiro de 0 a 32767; as quantidades "
                                                      "ficaram as do pedido.")});
    }
}

TEST_F(FrenteItem, NoMatchOrBlankChoiceKeepsThePreviousFields)
{
    lines({line("5", "36", QStringLiteral("42;F1;P;2;Z"))});
    chooseItem();
    carrega_gradeFc(p);

    // A key whose description holds "|" no longer names the colour in its third part.
    chooseItem(QStringLiteral("4501237 | SAP|ATO | PRETO"));
    carrega_gradeFc(p);
    EXPECT_EQ(f.txtcodigo.text, "4501237");
    EXPECT_EQ(f.Label7[0].caption, "");
    EXPECT_EQ(f.TXTPARES.text, "0");

    chooseItem(QStringLiteral("  "));
    carrega_gradeFc(p);
    EXPECT_EQ(f.txtdescricao.text, "SAPATO");
    EXPECT_EQ(f.TXTPARES.text, "");
    EXPECT_EQ(f.TXTOCULTAS.text, "");
    EXPECT_FALSE(f.txtnumero[0].visible);
}

TEST_F(FrenteItem, ProductPictureFollowsTheItem)
{
    QImage img(8, 6, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(QDir().mkpath(t.path(QStringLiteral("imagens"))));
    ASSERT_TRUE(img.save(t.path(QStringLiteral("imagens/4501237.jpg")), "JPG"));
    t.write(QStringLiteral("imagens/9999999.jpg"), QStringLiteral("not a picture"));
    lines({line("5", "36", QStringLiteral("42;F1;P;2;Z")),
           line("5", "36", QStringLiteral("42;F1;P;2;Z"), QStringLiteral("8888888")),
           line("5", "36", QStringLiteral("42;F1;P;2;Z"), QStringLiteral("9999999"))});

    struct Case {
        QString key;
        bool picture;
    };
    const Case cases[] = {{"4501237 | SAPATO | PRETO", true},
                          {"8888888 | SAPATO | PRETO", false},
                          {"4501237 | SAPATO | PRETO", true},
                          {"9999999 | SAPATO | PRETO", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString());
        chooseItem(c.key);
        carrega_gradeFc(p);
        EXPECT_EQ(f.tem_imagem, c.picture);
        EXPECT_EQ(f.pctimage.picture.isNull(), !c.picture);
        if (c.picture) {
            EXPECT_EQ(f.pctimage.picture.image.width(), 8);
        }
    }
}

}  // namespace
