#include "orders/carrega_corrugado.h"

#include "tests/orders/orderfixture.h"

namespace {

class CartonItem : public OrderTest {
protected:
    // A carton line whose field i reads "f<i>", quantity 3, with some fields set by the case.
    static QString line(int fields, const QList<std::pair<int, QString>>& set = {})
    {
        QStringList c{QStringLiteral("3")};
        for (int i = 1; i < fields; ++i)
            c << QStringLiteral("f%1").arg(i);
        for (const auto& [i, v] : set)
            c[i] = v;
        return c.join(u';');
    }
    void chooseCarton(const QString& key) { choose(f.cmb_referencia1, key); }
    QString controls() const
    {
        return QStringList{f.txtqte1.text,     f.txtcodigo1.text,   f.txtfornecedor1.text, f.txtcor1.text,
                           f.txtdescricao1.text, f.txtprepack.text, f.txtean.text,         f.txtgrade1.text,
                           f.txtgrade2.text,   f.txttotgrade.text,  f.txtsemana1.text,     f.txtdestino1.text,
                           f.txtvolume.text,   f.txtcampanha.text,  f.txtdepartamento.text, f.txtiniciopromocao.text}
            .join(u',');
    }
};

TEST_F(CartonItem, FieldsOfEachLayout)
{
    struct Case {
        int fields;
        bool departamento;
        QString key;
        QList<std::pair<int, QString>> set;
        // qte,codigo,fornecedor,cor,descricao,prepack,ean,grade1,grade2,total,semana,destino,volume,campanha,depto,inicio
        QString expected;
        bool ean;
    };
    const Case cases[] = {
        {13, false, "f6 | f5 | f4", {}, "3,f2,f3,f4,f5,f6,,f7,f8,f9,f10,f11,f12,,,", false},
        {13, true, "f2 | f5 | f4", {}, "3,f2,f3,f4,f5,f6,,f7,f8,f9,f10,f11,f12,,,", false},
        {14, false, "f2 | f5 | f4", {}, "3,f2,f3,f4,f5,f7,f6,f8,f9,f10,f11,f12,f13,,,", true},
        {15, false, "f2 | f5 | f4", {}, "3,f2,f3,f4,f5,f6,f6,f7,f8,f9,f10/f13,f11,f12,,,", true},
        {15, false, "f2 | f5 | f4", {{13, "  "}}, "3,f2,f3,f4,f5,f6,f6,f7,f8,f9,f10,f11,f12,,,", true},
        {16, true, "f2 | f5 | f4", {}, "3,f2,f3,f4,f5,f6,f6,f7,f8,f9,f10/f13,f11,f12,f14,f15,", true},
        {17, false, "f2 | f5 | f4", {{14, ""}}, "3,f2,f3,f4,f5,f6,f6,f8,f9,f10,f11/,f12,f13,,,", true},
        {17, true, "f2 | f5 | f4", {}, "3,f2,f3,f4,f5,f6,f6,f7,f8,f9,f10/f13,f11,f12,f14,f15,f16", true},
        {162, false, "f2 | f5 | f4", {}, "3,f2,f3,f4,f5,f6,f6,f8,f9,f10,f11/f14,f12,f13,,,", true},
        {18, false, "f2 | f5 | f4", {}, ",,,,,,,,,,,,,,,", false},  // skipped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 fields%2").arg(c.fields).arg(c.departamento ? " with department" : "").toStdString());
        f.tem_departamento = c.departamento;
        f.pack_novo = true;
        lines({line(c.fields, c.set)});
        chooseCarton(c.key);
        carrega_corrugado(p);
        EXPECT_EQ(controls(), c.expected);
        EXPECT_EQ(f.txtean.visible, c.ean);
        EXPECT_EQ(f.lblean.visible, c.ean);
    }
}

TEST_F(CartonItem, FirstLineOfTheItemWins)
{
    lines({line(16, {{12, "1/4"}}), line(16, {{12, "9/9"}, {3, "outro"}})});
    chooseCarton(QStringLiteral(" f2 | f5 | f4 "));
    carrega_corrugado(p);
    EXPECT_EQ(f.txtvolume.text, "1/4");
    EXPECT_EQ(f.txtfornecedor1.text, "f3");

    chooseCarton(QStringLiteral("f2 | F5 | f4"));  // letter case counts
    carrega_corrugado(p);
    EXPECT_EQ(controls(), ",,,,,,,,,,,,,,,");
    EXPECT_EQ(f.cmb_vol1.listCount(), 0);
}

TEST_F(CartonItem, VolumeLists)
{
    struct Case {
        QString volume;
        QStringList items;
    };
    const Case cases[] = {
        {"1/4", {"1", "2", "3", "4"}},
        {"3/3", {"3"}},
        {"5/3", {}},
        {"7", {}},
        {"", {}},
        // Not two whole numbers: no volumes rather than a guess.
        {"/4", {}},
        {"2/", {}},
        {"A/B", {}},
        {"1,5/3", {}},
        {"1/2/3", {}},
        // Leading zeros are the same numbers; a number too long for any count is none.
        {"01/03", {"1", "2", "3"}},
        {"99999999999/2", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volume.toStdString());
        f.cmb_vol1.items = f.cmb_vol2.items = QStringList{QStringLiteral("old")};
        lines({line(16, {{12, c.volume}})});
        chooseCarton(QStringLiteral("f2 | f5 | f4"));
        carrega_corrugado(p);
        EXPECT_EQ(f.cmb_vol1.items, c.items);
        EXPECT_EQ(f.cmb_vol2.items, c.items);
        EXPECT_EQ(f.cmb_vol1.text, c.items.isEmpty() ? QString() : c.items.first());
        EXPECT_EQ(f.cmb_vol2.text, c.items.isEmpty() ? QString() : c.items.last());
        EXPECT_EQ(f.lblmax.caption, c.items.isEmpty() ? QString() : c.items.last());
    }
}

// The lines of the chosen item are found as the loader finds its first one: code, description
// and colour, trimmed; a line of a count no layout knows belongs to no item.
TEST_F(CartonItem, LinesOfTheChosenItem)
{
    const QStringList orderLines{
        line(16, {{4, "PRETO"}}), line(16, {{4, "BRANCO"}}), line(16, {{4, " PRETO "}}),
        line(18, {{4, "PRETO"}}), line(16, {{4, "PRETO"}, {5, "outra"}}),
        line(13, {{2, "x"}, {4, "PRETO"}, {6, "f2"}}),
    };
    struct Case {
        const char* key;
        bool departamento;
        QList<int> expected;
    };
    const Case cases[] = {
        {"f2 | f5 | PRETO", false, {0, 2, 5}},  // the 13-field line's code is field 6 without the header
        {"f2 | f5 | PRETO", true, {0, 2}},
        {"f2 | f5 | BRANCO", false, {1}},
        {"f2 | outra | PRETO", false, {4}},
        {"f2 | f5", false, {}},
        {"", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + (c.departamento ? " (department)" : ""));
        lines(orderLines);
        f.tem_departamento = c.departamento;
        f.cmb_referencia1.text = QString::fromLatin1(c.key);
        EXPECT_EQ(linhasDoCorrugado(f), c.expected);
    }
}

TEST_F(CartonItem, BlankChoiceKeepsTheVolumeLists)
{
    lines({line(16, {{12, "1/2"}})});
    chooseCarton(QStringLiteral("f2 | f5 | f4"));
    carrega_corrugado(p);
    chooseCarton(QStringLiteral("  "));
    carrega_corrugado(p);
    EXPECT_EQ(controls(), ",,,,,,,,,,,,,,,");
    EXPECT_EQ(f.cmb_vol2.items, (QStringList{"1", "2"}));
    EXPECT_EQ(f.lblmax.caption, "");
}

TEST_F(CartonItem, LimpaObjetosClearsTheItemFieldsOnly)
{
    lines({line(16, {{12, "1/2"}})});
    chooseCarton(QStringLiteral("f2 | f5 | f4"));
    f.pack_novo = true;
    carrega_corrugado(p);
    for (TextBox* b : {&f.txtcodigo, &f.txtcor, &f.txtpreco, &f.txtnumero[2], &f.txtnumero[3], &f.txtnumero[4]})
        b->text = QStringLiteral("x");
    limpa_objetos(p);
    EXPECT_EQ(f.txtcodigo.text + f.txtcor.text + f.txtpreco.text + f.txtnumero[2].text + f.txtnumero[3].text, "");
    EXPECT_EQ(f.txtnumero[4].text, "x");
    EXPECT_EQ(controls(), ",,,,,,f6,,,,,,,f14,f15,");
    EXPECT_EQ(f.lblmax.caption, "2");
    EXPECT_EQ(f.cmb_vol1.listCount(), 2);
}

}  // namespace
