// An order typed into the real window: the view shows what the loaders put into the model.
#include "orders/handlers.h"
#include "tests/app/windowfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

TEST_F(WindowTest, AnOrderTypedInShowsItsItemGridAndTheCartonPanelInTheItemPanelsPlace)
{
    t->write(QStringLiteral("PEDIDO 700001 FRENTE.txt"),
             QStringLiteral("ORVENNA;PEDIDO 700001\r\n"
                            "QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA\r\n"
                            "2;PRETO;36;R;SAPATILHA FEMININA;789123456780;4401020036;23;A;;2;L1\r\n"
                            "1;PRETO;37;R;SAPATILHA FEMININA;789123456781;4401020037;23;A;;2;L1\r\n"
                            "3;PRETO;38;R;SAPATILHA FEMININA;789123456782;4401020038;23;A;;2;L1\r\n"));
    t->write(QStringLiteral("PEDIDO 700001 CORRUGADO.txt"),
             QStringLiteral("MERVALK;PEDIDO 700001\r\n"
                            "QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;SEMANA;DESTINO;"
                            "VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO\r\n"
                            "24;01;4402318;PASSO FIRME;PRETO;TENIS CASUAL;7891234500014;37 38;2 4;24;32;CD;1/2;"
                            "2026;VERAO;MASCULINO;01/12/2026\r\n"));
    // The order loaders behind the window, as the program wires them.
    events.txtarquivo_KeyPress = txtarquivo_KeyPress;
    events.txtarquivo_LostFocus = txtarquivo_LostFocus;
    events.cmbtipo_LostFocus = cmbtipo_LostFocus;
    events.cmb_referencia_LostFocus = cmb_referencia_LostFocus;
    events.cmb_referencia1_LostFocus = cmb_referencia1_LostFocus;
    start();
    type(QStringLiteral("700001"));
    press(Qt::Key_Return);

    auto* itemPanel = child<QGroupBox>(QStringLiteral("Frame1"));
    auto* cartonPanel = child<QGroupBox>(QStringLiteral("Frame3"));
    EXPECT_TRUE(itemPanel->isVisible());
    EXPECT_FALSE(cartonPanel->isVisible());
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtdescricao"))->text(), QStringLiteral("SAPATILHA FEMININA"));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtcodigo"))->text(), QStringLiteral("4401020"));
    const char* sizes[] = {"36", "37", "38"};
    const char* quantities[] = {"2", "1", "3"};
    for (int k = 0; k < 14; ++k) {
        SCOPED_TRACE(k);
        auto* size = child<QLabel>(QStringLiteral("Label7"), k);
        auto* quantity = child<QLineEdit>(QStringLiteral("txtnumero"), k);
        EXPECT_EQ(size->isVisible(), k < 3);
        EXPECT_EQ(quantity->isVisible(), k < 3);
        if (k < 3) {
            EXPECT_EQ(size->text(), QString::fromLatin1(sizes[k]));
            EXPECT_EQ(quantity->text(), QString::fromLatin1(quantities[k]));
            EXPECT_FALSE(quantity->isReadOnly());
        }
    }
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("TXTPARES"))->text(), QStringLiteral("6"));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("TXTOCULTAS"))->text(), QStringLiteral("12"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("LBLMERVALK"))->text(), QStringLiteral("ORVENNA"));

    // "Corrugado" chosen and confirmed: the same order as a carton, in the item panel's place.
    ASSERT_EQ(focusName(), QStringLiteral("cmbtipo"));
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_FALSE(itemPanel->isVisible());
    EXPECT_TRUE(cartonPanel->isVisible());
    EXPECT_EQ(cartonPanel->geometry(), itemPanel->geometry());
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtcodigo1"))->text(), QStringLiteral("4402318"));
    EXPECT_EQ(child<QComboBox>(QStringLiteral("cmb_referencia1"))->currentText(),
              QStringLiteral("4402318 | TENIS CASUAL | PRETO"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("LBLMERVALK"))->text(), QStringLiteral("MERVAL K"));
}

// An item of 200 lines typed in and confirmed with Enter, which loads the order and, as the focus
// leaves the field, loads it again: the lines past the 14 cells are told in one message.
TEST_F(WindowTest, AnItemOfTwoHundredLinesIsToldOnceForItsLinesPastTheGrid)
{
    QString file = QStringLiteral("ORVENNA;PEDIDO 700002\r\n"
                                  "QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA\r\n");
    for (int i = 0; i < 200; ++i)
        file += QStringLiteral("1;PRETO;%1;R;SAPATILHA FEMININA;789123456780;4401020036;23;A;;2;L1\r\n").arg(i);
    t->write(QStringLiteral("PEDIDO 700002 FRENTE.txt"), file);
    events.txtarquivo_KeyPress = txtarquivo_KeyPress;
    events.txtarquivo_LostFocus = txtarquivo_LostFocus;
    events.cmbtipo_LostFocus = cmbtipo_LostFocus;
    events.cmb_referencia_LostFocus = cmb_referencia_LostFocus;
    start();
    t->messages.clear();
    type(QStringLiteral("700002"));
    press(Qt::Key_Return);

    EXPECT_EQ(focusName(), QStringLiteral("cmbtipo"));
    EXPECT_EQ(t->messages.texts(),
              QStringList{QStringLiteral("Erro ao Preencher Dados.. Contate a Pendrova e comunique o Erro no Pedido "
                                         "700002\n186 linha(s) do item ficaram fora da grade de 14 tamanhos.")});
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label7"), 13)->text(), QStringLiteral("13"));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("TXTPARES"))->text(), QStringLiteral("14"));
}
