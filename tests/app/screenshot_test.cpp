// Pictures of the started window for a look by eye: /tmp/frmpadrao.png as start-up leaves it,
// /tmp/frmpadrao_item.png with an item and the header panel shown, /tmp/frmpadrao_carton.png
// with the carton panel.
#include "tests/app/windowfixture.h"

#include <QFileInfo>

TEST_F(WindowTest, Screenshots)
{
    usePrinters({QStringLiteral("Zebra ZT230"), QStringLiteral("Argox OS-214")}, 0);
    start();
    ASSERT_TRUE(window->grab().save(QStringLiteral("/tmp/frmpadrao.png")));

    MainForm& f = t->form;
    f.Frame2.visible = true;
    f.txtcliente.text = QStringLiteral("LOJA CENTRO");
    f.txtlote.text = QStringLiteral("1");
    f.txtarquivo.text = QStringLiteral("1400050831");
    f.cmb_referencia.addItem(QStringLiteral("4401020 | SAPATILHA FEMININA | PRETO"));
    f.cmb_referencia.setListIndex(0);
    f.txtcodigo.text = QStringLiteral("4401020");
    f.txtcor.text = QStringLiteral("PRETO");
    f.txtsemana.text = QStringLiteral("23");
    f.txtbandeira.text = QStringLiteral("A");
    f.txtpreco.text = QStringLiteral("59,99");
    f.txtdescricao.text = QStringLiteral("SAPATILHA FEMININA");
    f.LBLMERVALK.caption = QStringLiteral("ORVENNA");
    for (int k = 0; k < 9; ++k) {
        f.Label7[k].caption = QString::number(33 + k);
        f.Label7[k].visible = true;
        f.txtnumero[k].text = QString::number(k % 3 + 1);
        f.txtnumero[k].visible = true;
    }
    f.TXTPARES.text = QStringLiteral("18");
    f.TXTOCULTAS.text = QStringLiteral("36");
    window->refresh();
    settle();
    ASSERT_TRUE(window->grab().save(QStringLiteral("/tmp/frmpadrao_item.png")));

    f.Frame1.visible = false;
    f.Frame3.visible = true;
    f.txtean.visible = true;
    f.lblean.visible = true;
    f.txtcodigo1.text = QStringLiteral("4401020001");
    f.txtgrade1.text = QStringLiteral("33 34 35 36 37");
    f.txtgrade2.text = QStringLiteral("1 2 3 2 1");
    f.cmb_vol1.addItem(QStringLiteral("1"));
    f.cmb_vol1.setListIndex(0);
    window->refresh();
    settle();
    ASSERT_TRUE(window->grab().save(QStringLiteral("/tmp/frmpadrao_carton.png")));
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("/tmp/frmpadrao.png")));
}
