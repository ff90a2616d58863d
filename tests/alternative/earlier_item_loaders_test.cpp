#include "alternative/loaders/alterna_grade.h"
#include "alternative/loaders/carrega_grade.h"
#include "alternative/loaders/codelookups.h"
#include "tests/alternative/alternativefixture.h"

namespace {

class EarlierItem : public AlternativeTest {
protected:
    // One reference per line, selected at position `at`.
    void order(const QStringList& lines, int at = 0)
    {
        f.List1.items = lines;
        f.cmb_referencia.clear();
        for (int i = 0; i < lines.size(); ++i)
            f.cmb_referencia.addItem(QStringLiteral("ref ") + QString::number(i));
        if (at >= 0)
            f.cmb_referencia.setListIndex(at);
    }
    void fillCells()
    {
        for (int k = 0; k < MainForm::kSizeCells; ++k)
            f.txtnumero[k].text = QString::number(100 + k);
    }
    struct Item {
        QString codigo, cor, descricao, semana, bandeira, preco, ean;
    };
    Item item() const
    {
        return {f.txtcodigo.text, f.txtcor.text,   f.txtdescricao.text, f.txtsemana.text,
                f.txtbandeira.text, f.txtpreco.text, f.txtean13.text};
    }
    void expectItem(const Item& e) const
    {
        EXPECT_EQ(f.txtcodigo.text, e.codigo);
        EXPECT_EQ(f.txtcor.text, e.cor);
        EXPECT_EQ(f.txtdescricao.text, e.descricao);
        EXPECT_EQ(f.txtsemana.text, e.semana);
        EXPECT_EQ(f.txtbandeira.text, e.bandeira);
        EXPECT_EQ(f.txtpreco.text, e.preco);
        EXPECT_EQ(f.txtean13.text, e.ean);
    }
    void before()
    {
        f.txtcodigo.text = QStringLiteral("cod");
        f.txtcor.text = QStringLiteral("cor");
        f.txtdescricao.text = QStringLiteral("desc");
        f.txtsemana.text = QStringLiteral("sem");
        f.txtbandeira.text = QStringLiteral("band");
        f.txtpreco.text = QStringLiteral("preco");
        f.txtean13.text = QStringLiteral("ean");
        fillCells();
    }
    // Quantity cells from 2 on that a loader must not touch.
    void expectCellsFrom(int first) const
    {
        for (int k = first; k < MainForm::kSizeCells; ++k)
            EXPECT_EQ(f.txtnumero[k].text, QString::number(100 + k)) << k;
    }
};

TEST_F(EarlierItem, BoxFrontLoadersByFieldCount)
{
    const Item old{"cod", "cor", "desc", "sem", "band", "preco", "ean"};
    struct Case {
        const char* name;
        void (*loader)(Program&);
        QString line;
        bool filled;
        Item after;
        QString cell1;
    };
    const Case cases[] = {
        {"old, 7 fields", oldcarrega_grade, "PRETO;x;36;y;22;SAPATO;4501237036", true,
         {"4501237036", "PRETO", "SAPATO", "22", "band", "preco", "ean"}, ""},
        {"old, 6 fields", oldcarrega_grade, "PRETO;x;36;y;22;SAPATO", false, old, "101"},
        {"9 fields: brand O and its price", carrega_grade, "PRETO;x;36;y;22;SAPATO;4501237036;z;59,90", true,
         {"4501237036", "PRETO", "SAPATO", "22", "O", "59,90", "ean"}, "1"},
        {"11 fields, brand K: price kept", carrega_grade, "PRETO;x;36;y;22;SAPATO;4501237036;z;59,90;w;K", true,
         {"4501237036", "PRETO", "SAPATO", "22", "K", "preco", "ean"}, "1"},
        {"11 fields, brand O with blanks", carrega_grade, "PRETO;x;36;y;22;SAPATO;4501237036;z;59,90;w; O ", true,
         {"4501237036", "PRETO", "SAPATO", "22", " O ", "59,90", "ean"}, "1"},
        {"12 fields", carrega_grade, "PRETO;x;36;y;22;SAPATO;4501237036;z;9,90;w;O;q", true,
         {"4501237036", "PRETO", "SAPATO", "22", "O", "9,90", "ean"}, "1"},
        {"10 fields: no form of its own", carrega_grade, "PRETO;x;36;y;22;SAPATO;4501237036;z;59,90;w", false, old,
         "101"},
        {"8 fields", carrega_grade, "PRETO;x;36;y;22;SAPATO;4501237036;z", false, old, "101"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        before();
        order({c.line});
        c.loader(p);
        expectItem(c.after);
        EXPECT_EQ(f.txtnumero[0].text, c.filled ? QString() : QStringLiteral("100"));
        EXPECT_EQ(f.txtnumero[1].text, c.cell1);
        expectCellsFrom(2);
    }
}

TEST_F(EarlierItem, AccessoryLoaderByFieldCount)
{
    struct Case {
        const char* name;
        QString line;
        bool filled;
        Item after;
    };
    const Case cases[] = {
        {"8 fields: no price", "4;MARROM CAFÉ;U;CINTO MÉDIO;22;F1;789123456789;4501237001", true,
         {"4501237001", "MARROM CAFE", "CINTO MEDIO", "22", "F1", "", "7891234567895"}},
        {"9 fields: price", "4;AZUL;U;CINTO;22;F1;7891234567895;4501237001;19,90", true,
         {"4501237001", "AZUL", "CINTO", "22", "F1", "19,90", "7891234567895"}},
        {"EAN of 11 digits kept", "4;AZUL;U;CINTO;22;F1;78912345678;4501237001", true,
         {"4501237001", "AZUL", "CINTO", "22", "F1", "", "78912345678"}},
        {"7 fields", "4;AZUL;U;CINTO;22;F1;789123456789", false, {"cod", "cor", "desc", "sem", "band", "preco", "ean"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        before();
        order({c.line});
        carrega_gradeAcessorio(p);
        expectItem(c.after);
        EXPECT_EQ(f.txtnumero[3].text, c.filled ? QStringLiteral("4") : QStringLiteral("103"));
        EXPECT_EQ(f.txtnumero[0].text, c.filled ? QString() : QStringLiteral("100"));
        EXPECT_EQ(f.txtnumero[1].text, c.filled ? QString() : QStringLiteral("101"));
        EXPECT_EQ(f.txtnumero[2].text, "102");
        expectCellsFrom(4);
    }
}

TEST_F(EarlierItem, LoadersReadTheLineAtTheSelectedPosition)
{
    const QStringList lines = {QStringLiteral("4;AZUL;U;CINTO;22;F1;1;4501237001"),
                               QStringLiteral("5;VERDE;U;BOLSA;23;F2;2;4501237002")};
    order(lines, 1);
    carrega_gradeAcessorio(p);
    EXPECT_EQ(f.txtcor.text, "VERDE");
    EXPECT_EQ(f.txtnumero[3].text, "5");

    // No reference selected, or none of List1's lines at its position: nothing changes.
    for (int at : {-1, 2}) {
        SCOPED_TRACE(at);
        before();
        order(lines, -1);
        if (at >= 0) {
            f.cmb_referencia.addItem(QStringLiteral("ref 2"));
            f.cmb_referencia.setListIndex(at);
        }
        for (auto loader : {oldcarrega_grade, carrega_grade, carrega_gradeAcessorio})
            loader(p);
        expectItem({"cod", "cor", "desc", "sem", "band", "preco", "ean"});
        expectCellsFrom(0);
    }
}

TEST_F(EarlierItem, AjustaEanCompletesTwelveCharactersOnly)
{
    struct Case {
        QString before, after;
    };
    const Case cases[] = {
        {"590123412345", "5901234123457"},
        {"400638133393", "4006381333931"},
        {"000000000000", "0000000000000"},
        {"5901234123457", "5901234123457"},
        {"5901234123450", "5901234123450"},  // a wrong check digit is not mended
        {"59012341234", "59012341234"},
        {"590123412345 ", "590123412345 "},
        {"            ", "            "},
        {"", ""},
    };
    for (const Case& c : cases) {
        f.txtean13.text = c.before;
        AJUSTA_EAN(p);
        EXPECT_EQ(f.txtean13.text, c.after) << c.before.toStdString();
    }
}

TEST_F(EarlierItem, AccessoryCodesOfTheCurrentItem)
{
    f.List1.items = {
        QStringLiteral("1;AZUL;U;CINTO;22;F1;111111111111"),                  // 7 fields: passed over
        QStringLiteral("1;Azul;U;CINTO;22;F1;222222222222;4501237001"),       // letter case counts
        QStringLiteral("1; AZUL ;U; CINTO ;22;F1; 590123412345 ;4501237XYZ "),  // model code + more
        QStringLiteral("1;AZUL;U;CINTO;22;F1;333333333333;4501237001"),       // a later match
    };
    f.txtcor.text = QStringLiteral("AZUL ");
    f.txtdescricao.text = QStringLiteral("CINTO");
    f.txtcodigo.text = QStringLiteral(" 4501237");
    f.lblbarra.caption = f.lblmaster.caption = QStringLiteral("antigo");
    ret_codcomplementoAcessorio(p);
    EXPECT_EQ(f.lblbarra.caption, "5901234123457");
    EXPECT_EQ(f.lblmaster.caption, "4501237XYZ");

    f.txtcodigo.text = QStringLiteral("4501238");
    ret_codcomplementoAcessorio(p);
    EXPECT_EQ(f.lblbarra.caption, "");
    EXPECT_EQ(f.lblmaster.caption, "");
}

// A fixed-width code line: code 1-14, size 15-16, D 18-27, C 30-39, A 45-54, B 65-66, colour 67-76.
QString codeLine(const QString& code, const QString& size, const QString& cor = QStringLiteral("PRETO"),
                 const QString& a = QStringLiteral("MODELO"))
{
    QString l(76, u' ');
    auto put = [&l](int pos, const QString& s) { l.replace(pos - 1, s.size(), s); };
    put(1, code.leftJustified(14));
    put(15, size);
    put(18, QStringLiteral("LINHA"));
    put(30, QStringLiteral("GRUPO"));
    put(45, a);
    put(65, QStringLiteral("B1"));
    put(67, cor);
    return l;
}

TEST_F(EarlierItem, CodbarFindsTheCodeOfASize)
{
    const CodbarKey chave{QStringLiteral(" MODELO"), QStringLiteral("B1"), QStringLiteral("GRUPO "), QStringLiteral("LINHA")};
    struct Case {
        const char* name;
        QStringList lines;
        int16_t size;
        QString code;
    };
    const Case cases[] = {
        {"UN before the size", {codeLine("UN00000000001", "UN"), codeLine("SZ00000000037", "37")}, 37, "SZ00000000037 "},
        {"size ends the walk", {codeLine("SZ00000000037", "37"), codeLine("UN00000000001", "UN")}, 37, "SZ00000000037 "},
        {"only UN: the last", {codeLine("UN00000000001", "UN"), codeLine("UN00000000002", "UN")}, 37, "UN00000000002 "},
        {"other sizes only", {codeLine("SZ00000000036", "36"), codeLine("SZ00000000038", "38")}, 37, ""},
        {"size with a blank", {codeLine("SZ00000000005", " 5")}, 5, "SZ00000000005 "},
        {"colour differs", {codeLine("SZ00000000037", "37", "AZUL")}, 37, ""},
        {"model differs", {codeLine("SZ00000000037", "37", "PRETO", "OUTRO")}, 37, ""},
        {"size neither number nor UN", {codeLine("XX00000000001", "XX"), codeLine("SZ00000000037", "37")}, 37, "SZ00000000037 "},
        {"lowercase un is not UN", {codeLine("UN00000000001", "un")}, 37, ""},
        {"short line", {QStringLiteral("SZ00000000037 37")}, 37, ""},
    };
    f.txtcor.text = QStringLiteral("PRETO");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.List1.items = c.lines;
        EXPECT_EQ(ret_codbar(p, c.size, chave), c.code);
    }
}

TEST_F(EarlierItem, AlternaGradeSwitchesBetweenOneCellAndTheGrid)
{
    fillCells();
    for (int k = 0; k < MainForm::kSizeCells; ++k)
        f.txtnumero[k].visible = f.Label7[k].visible = true;
    f.Label7[6].caption = QStringLiteral("20");
    f.Label7[10].visible = false;
    f.txtnumero[12].visible = false;

    alterna_grade(p, true);
    for (int k = 0; k < MainForm::kSizeCells; ++k) {
        EXPECT_EQ(f.txtnumero[k].visible, k >= 8 && k != 12) << k;
        EXPECT_EQ(f.Label7[k].visible, k >= 6 && k != 10) << k;
        EXPECT_EQ(f.txtnumero[k].text, QString::number(100 + k)) << k;
    }
    EXPECT_FALSE(f.Label8.visible);
    EXPECT_FALSE(f.Label9.visible);
    EXPECT_EQ(f.Label7[6].caption, "Qte");

    alterna_grade(p, false);
    for (int k = 0; k < MainForm::kSizeCells; ++k) {
        EXPECT_EQ(f.txtnumero[k].visible, k != 12) << k;
        EXPECT_EQ(f.Label7[k].visible, k != 10) << k;
    }
    EXPECT_TRUE(f.Label8.visible);
    EXPECT_TRUE(f.Label9.visible);
    EXPECT_EQ(f.Label7[6].caption, "40");
}

}  // namespace
