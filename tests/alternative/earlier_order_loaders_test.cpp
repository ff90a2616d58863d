#include "alternative/loaders/agrupa_pedido.h"
#include "alternative/loaders/oldcarrega_pedido.h"
#include "alternative/loaders/verifica_arquivo.h"
#include "platform/errors.h"
#include "tests/alternative/alternativefixture.h"

namespace {

const QString kAtencao = QStringLiteral("ATENÇÃO!!!");

class EarlierOrder : public AlternativeTest {
protected:
    EarlierOrder() { t.write(QStringLiteral("etiquetas"), QStringLiteral("o programa")); }

    void check(const QString& tipo, const QString& numero)
    {
        f.cmbtipo.text = tipo;
        f.txtarquivo.text = numero;
        verifica_arquivo(p);
    }
    void previousOrder()
    {
        f.List1.items = {QStringLiteral("anterior")};
        f.cmb_referencia.clear();
        f.cmb_referencia.addItem(QStringLiteral("ANTERIOR | X | Y"));
        f.cmb_referencia.setListIndex(0);
    }
};

TEST_F(EarlierOrder, FileNameAndLetterByLabelType)
{
    file(QStringLiteral("123a.txt"), {QStringLiteral("cab")});
    file(QStringLiteral("123b.txt"), {QStringLiteral("cab")});
    file(QStringLiteral("123_AC.txt"), {QStringLiteral("cab")});
    file(QStringLiteral("77A.TXT"), {QStringLiteral("cab")});
    struct Case {
        QString tipo, numero, nome, letra;
    };
    const Case cases[] = {
        {"Frente de Caixa", "123", "123a.txt", "a"},
        {"Oculta", "123", "123a.txt", "c"},
        {"Corrugado", "123", "123b.txt", "b"},
        {"Acessório", "123", "123_AC.txt", "AC"},
        {"Oculta", "  123 ", "123a.txt", "c"},
        {"Frente de Caixa", "77", "77a.txt", "a"},  // found whatever the letter case of the name
        {"oculta", "123", "", ""},                   // the type is compared exactly
        {"Frente de Caixa100x40", "123", "", ""},
        {"Oculta", "   ", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.tipo + u'/' + c.numero).toStdString());
        f.nome_arquivo = QStringLiteral("antigo");
        f.tipo_arquivo = QStringLiteral("antigo");
        check(c.tipo, c.numero);
        EXPECT_EQ(f.nome_arquivo, c.nome);
        EXPECT_EQ(f.tipo_arquivo, c.letra);
        EXPECT_TRUE(shown().isEmpty()) << shown().join(u'|').toStdString();
    }
}

TEST_F(EarlierOrder, MissingFileIsReportedByName)
{
    check(QStringLiteral("Corrugado"), QStringLiteral("55"));
    EXPECT_EQ(f.nome_arquivo, "55b.txt");
    EXPECT_EQ(f.tipo_arquivo, "b");
    ASSERT_EQ(t.messages.shown().size(), 1u);
    EXPECT_EQ(t.messages.shown()[0].text, "O arquivo 55b.txt, não foi localizado...");
    EXPECT_EQ(t.messages.shown()[0].style, mb::OKOnly);
    EXPECT_EQ(t.messages.shown()[0].title, "");
}

TEST_F(EarlierOrder, OrderNumberCannotReachOutsideTheProgramFolder)
{
    file(QStringLiteral("sub/9a.txt"), {QStringLiteral("1;PRETO;36;X;SAPATO;E;12345678")});
    check(QStringLiteral("Oculta"), QStringLiteral("sub\\9"));
    EXPECT_EQ(shown(), QStringList{"O arquivo sub\\9a.txt, não foi localizado..."});

    t.messages.clear();
    previousOrder();
    oldcarrega_pedido(p);
    EXPECT_EQ(shown(), QStringList{"O arquivo não existe!"});
    EXPECT_EQ(f.List1.items, QStringList{"anterior"});
}

TEST_F(EarlierOrder, MissingOrBlankFileKeepsTheLists)
{
    t.writeBytes(QStringLiteral("0a.txt"), {});
    t.writeBytes(QStringLiteral("0_AC.txt"), {});
    struct Case {
        const char* name;
        void (*loader)(Program&);
        QString numero;
        QString tipo;
        QString message;
    };
    const Case cases[] = {
        {"box front, missing", oldcarrega_pedido, "1", "Oculta", "O arquivo não existe!"},
        {"accessory, missing", oldcarrega_pedidoAcessorio, "1", "Acessório", "O arquivo não existe!"},
        {"box front, 0 bytes", oldcarrega_pedido, "0", "Frente de Caixa", "O arquivo está em branco!"},
        {"accessory, 0 bytes", oldcarrega_pedidoAcessorio, "0", "Acessório", "O arquivo está em branco!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        check(c.tipo, c.numero);
        t.messages.clear();
        previousOrder();
        c.loader(p);
        ASSERT_EQ(t.messages.shown().size(), 1u);
        EXPECT_EQ(t.messages.shown()[0].text, c.message);
        EXPECT_EQ(t.messages.shown()[0].style, mb::Exclamation);
        EXPECT_EQ(t.messages.shown()[0].title, kAtencao);
        EXPECT_EQ(f.List1.items, QStringList{"anterior"});
        EXPECT_EQ(f.cmb_referencia.items, QStringList{"ANTERIOR | X | Y"});
        EXPECT_EQ(f.cmb_referencia.listIndex, 0);
    }
}

TEST_F(EarlierOrder, HeaderOnlyEmptiesBothLists)
{
    for (auto loader : {oldcarrega_pedido, oldcarrega_pedidoAcessorio}) {
        file(QStringLiteral("8a.txt"), {QStringLiteral("QTDE;COR;TAM;X;DESCRICAO;EAN;CODIGO;Y")});
        file(QStringLiteral("8_AC.txt"), {QStringLiteral("QTDE;COR;TAM;X;DESCRICAO;EAN;CODIGO;Y")});
        check(loader == oldcarrega_pedido ? QStringLiteral("Oculta") : QStringLiteral("Acessório"), QStringLiteral("8"));
        previousOrder();
        loader(p);
        EXPECT_TRUE(shown().isEmpty());
        EXPECT_TRUE(f.List1.items.isEmpty());
        EXPECT_TRUE(f.cmb_referencia.items.isEmpty());
        EXPECT_EQ(f.cmb_referencia.listIndex, -1);
    }
}

TEST_F(EarlierOrder, BoxFrontKeysAndLines)
{
    const QStringList lines = {
        QStringLiteral("MERVALK"),
        QStringLiteral("QTDE;COR;TAM;X;DESCRICAO;EAN;CODIGO"),
        QStringLiteral("3;AZUL;36;x;SAPATO ;789;1234567801;a"),
        QStringLiteral("2;AZUL;37;x;SAPATO ;789;1234567899"),  // same first 8 characters of the code
        QStringLiteral(""),
        QStringLiteral(" 4;AZUL;38;x;SAPATO ;789;1234567801"),  // starts with a blank: not data
        QStringLiteral("1;Azul;36;x;SAPATO ;789;1234567801"),   // other letter case, other item
        QStringLiteral("5;PRETO;40;x;BOTA;789;98"),             // a code shorter than 8
        QStringLiteral("6;PRETO;41;x;BOTA;789"),                // 6 fields: left out
        QStringLiteral("7;AZUL;39;x;SAPATO ;789;1234567801"),
    };
    file(QStringLiteral("20a.txt"), lines);
    check(QStringLiteral("Frente de Caixa"), QStringLiteral("20"));
    oldcarrega_pedido(p);

    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(f.cmb_referencia.items,
              (QStringList{"SAPATO  | AZUL | 12345678", "SAPATO  | Azul | 12345678", "BOTA | PRETO | 98"}));
    EXPECT_EQ(f.cmb_referencia.listIndex, 0);
    EXPECT_EQ(f.cmb_referencia.text, "SAPATO  | AZUL | 12345678");
    EXPECT_EQ(f.List1.items, (QStringList{lines[2], lines[3], lines[6], lines[7], lines[9]}));
}

TEST_F(EarlierOrder, AccessoryKeepsTheFirstLineOfEachReference)
{
    const QStringList lines = {
        QStringLiteral("ACESSORIOS"),
        QStringLiteral("1;PRETO;U;CINTO;22;F;789123456789;4501237001"),
        QStringLiteral("2;PRETO;U;CINTO;22;F;789123456780;4501237001;19,90"),  // same reference
        QStringLiteral("3;PRETO;U;CINTO;22;F;789123456781;4501237002"),        // whole code counts
        QStringLiteral("4;preto;U;CINTO;22;F;789123456781;4501237001"),
        QStringLiteral("5;PRETO;U;CINTO;22;F;789123456781"),                   // 7 fields: left out
    };
    file(QStringLiteral("30_AC.txt"), lines);
    check(QStringLiteral("Acessório"), QStringLiteral("30"));
    oldcarrega_pedidoAcessorio(p);

    EXPECT_EQ(f.cmb_referencia.items, (QStringList{"CINTO | PRETO | 4501237001", "CINTO | PRETO | 4501237002",
                                                   "CINTO | preto | 4501237001"}));
    EXPECT_EQ(f.List1.items, (QStringList{lines[1], lines[3], lines[4]}));
    EXPECT_EQ(f.cmb_referencia.listIndex, 0);
}

class Grouping : public EarlierOrder {
protected:
    Grouping()
    {
        check(QStringLiteral("Oculta"), QStringLiteral("40"));
        t.messages.clear();
    }
};

TEST_F(Grouping, QuantitiesSummedPerProductKeyAndMarkedUpOnce)
{
    struct Case {
        const char* name;
        QStringList before;  // already in the list
        QStringList lines;   // data lines of the file
        QString markup;
        QStringList after;
    };
    const Case cases[] = {
        {"two entries, no markup", {}, {"10;PRETO;AAA1234", "5;AZUL;AAA1234"}, "", {"15;AAA1234"}},
        {"markup 10", {}, {"10;PRETO;AAA1234", "5;AZUL;AAA1234"}, "10", {"16,5;AAA1234"}},
        {"markup with a decimal comma", {}, {"10;x;AAA1234", "30;y;AAA1234"}, "2,5", {"41;AAA1234"}},
        {"blank markup", {}, {"1;x;AAA1234", "1;y;AAA1234"}, "   ", {"2;AAA1234"}},
        {"keys interleaved",
         {},
         {"1;x;AAAAAAA", "2;x;BBBBBBB", "3;y;AAAAAAA", "4;y;BBBBBBB", "5;z;CCCCCCC"},
         "10",
         {"4,4;AAAAAAA", "6,6;BBBBBBB", "5,5;CCCCCCC"}},
        {"total of 0 stays as it was", {}, {"0;x;AAAAAAA", "0;y;AAAAAAA", "2;x;BBBBBBB"}, "", {"0;x;AAAAAAA", "0;y;AAAAAAA", "2;BBBBBBB"}},
        {"unreadable quantity stays", {}, {"1;x;AAAAAAA", "2x;y;AAAAAAA", "3;z;AAAAAAA"}, "", {"2x;y;AAAAAAA", "4;AAAAAAA"}},
        {"decimals round half to even", {}, {"2,5;x;AAAAAAA", "1;y;AAAAAAA"}, "", {"3;AAAAAAA"}},
        {"the list is not cleared", {"7;antigo;AAAAAAA"}, {"1;x;AAAAAAA"}, "", {"8;AAAAAAA"}},
        {"single line is not grouped", {}, {"9;x;AAAAAAA"}, "10", {"9;x;AAAAAAA"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        file(QStringLiteral("40a.txt"), QStringList{QStringLiteral("QTDE;COR;CODIGO"), QString()} + c.lines);
        QStringList lista = c.before;
        agrupa_pedido(p, lista, c.markup);
        EXPECT_EQ(lista, c.after);
        EXPECT_TRUE(shown().isEmpty());
    }
}

TEST_F(Grouping, MissingBlankAndBadMarkupLeaveTheListAlone)
{
    const QStringList before = {QStringLiteral("1;x;AAAAAAA")};

    QStringList lista = before;
    agrupa_pedido(p, lista, QString());
    ASSERT_EQ(t.messages.shown().size(), 1u);
    EXPECT_EQ(t.messages.shown()[0].text, "Arquivo: " + t.folder() + "\\40a.txt, não foi localizado");
    EXPECT_EQ(t.messages.shown()[0].style, mb::OKOnly);
    EXPECT_EQ(lista, before);

    t.messages.clear();
    t.writeBytes(QStringLiteral("40a.txt"), {});
    agrupa_pedido(p, lista, QString());
    ASSERT_EQ(t.messages.shown().size(), 1u);
    EXPECT_EQ(t.messages.shown()[0].text, "O arquivo está em branco!");
    EXPECT_EQ(t.messages.shown()[0].style, mb::Exclamation);
    EXPECT_EQ(t.messages.shown()[0].title, kAtencao);
    EXPECT_EQ(lista, before);

    file(QStringLiteral("40a.txt"), {QStringLiteral("2;y;AAAAAAA")});
    try {
        agrupa_pedido(p, lista, QStringLiteral("dez"));
        ADD_FAILURE() << "a markup that is not a number was taken";
    } catch (const ProgramError& e) {
        EXPECT_EQ(e.number(), vberr::TypeMismatch);
    }
    EXPECT_EQ(lista, before);
}

}  // namespace
