#include "orders/carrega_pedido.h"
#include "orders/carrega_corrugado.h"
#include "orders/orderline.h"
#include "orders/ret_codcomplemento.h"
#include "platform/codepage.h"
#include "platform/vb.h"
#include "settings/keys.h"
#include "settings/settings.h"
#include "tests/common/smalldisk.h"
#include "tests/orders/orderfixture.h"

#include <functional>

namespace {

// One box-front line of 12 fields for a code, so each file tells which one was read.
QString frenteLine(const QString& code)
{
    return QStringLiteral("2;PRETO;36;X;SAPATO;789123456789;") + code + QStringLiteral(";23;F1;;2;Z");
}
QString acessorioLine(const QString& code)
{
    return QStringLiteral("4;AZUL;U;BOLSA;23;F1;7891234567895;") + code + QStringLiteral(";59,90;2;;X");
}

class OrderSearch : public OrderTest {};

TEST_F(OrderSearch, FindsTheFileOfTheNumberAndFamily)
{
    order(QStringLiteral("PED 1400050831 FRENTE.txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), frenteLine("F831")});
    order(QStringLiteral("PED 1400050831 acessorio.txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), acessorioLine("A831")});
    order(QStringLiteral("PED 1400050832.txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), frenteLine("N832")});
    order(QStringLiteral("A 1400050833 Frente.txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), frenteLine("F833")});
    order(QStringLiteral("sub\\1400050831 FRENTE.txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), frenteLine("S831")});
    const QString notFound = QStringLiteral("O arquivo não foi localizado... ");
    const QString folder = t.folder();

    struct Case {
        QString tipo, numero;
        QString firstKey;  // empty: no file read
        QString message;
    };
    const Case cases[] = {
        /* 0 */ {kFrente, "1400050831", "F831 | SAPATO | PRETO", {}},
        /* 1 */ {kOculta, "  1400050831 ", "F831 | SAPATO | PRETO", {}},
        /* 2 lower-case family word */ {kAcessorio, "1400050831", "A831 | BOLSA | AZUL", {}},
        /* 3 */ {kCorrugado, "1400050831", {}, notFound},
        /* 4 no family word */ {kFrente, "1400050832", {}, notFound},
        /* 5 mixed-case word */ {kFrente, "1400050833", "F833 | SAPATO | PRETO", {}},
        /* 6 blank: first FRENTE name */ {kFrente, "", "F833 | SAPATO | PRETO", {}},
        /* 7 */ {kFrente, " 999 ", {}, "O Pedido  999 , não foi localizado em " + folder},
        /* 8 separator */ {kFrente, "sub\\1400050831", {}, "O Pedido sub\\1400050831, não foi localizado em " + folder},
        /* 9 separator */ {kFrente, "../1400050831", {}, "O Pedido ../1400050831, não foi localizado em " + folder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.numero + " / " + c.tipo).toStdString());
        t.messages.clear();
        writeSetting(t.ws, ini::kConfig, "arquivo", QStringLiteral("antes"));
        load(c.tipo, c.numero);
        if (c.firstKey.isEmpty()) {
            EXPECT_EQ(shown(), QStringList{c.message});
            EXPECT_FALSE(f.cmd_printacessorio.visible);
            EXPECT_EQ(readSetting(t.ws, ini::kConfig, "arquivo"), "antes");
        } else {
            EXPECT_EQ(shown(), QStringList{});
            ASSERT_GE(f.cmb_referencia.listCount(), 1);
            EXPECT_EQ(f.cmb_referencia.items.at(0), c.firstKey);
            EXPECT_TRUE(f.cmd_printacessorio.visible);
            // The number as typed, blanks around it included.
            EXPECT_EQ(readSetting(t.ws, ini::kConfig, "arquivo"), c.numero);
        }
    }
}

// A file copied from a Windows share keeps its name in the share's code page: it is read by the
// name the folder lists, so it neither fails as gone nor hides behind it the next file of the
// number, and messages name it as the workstation reads it.
TEST_F(OrderSearch, AFileNamedInWindows1252IsReadByTheNameItIsListedWith)
{
    const QStringList windows = {QStringLiteral("MERVALK"), QStringLiteral("H"), frenteLine("W013"),
                                 QStringLiteral("1;PRETO;36")};
    ASSERT_TRUE(t.writeRawName("PEDIDO 900013 FRENTE \xE7\xE3o.txt", cp1252::encode(windows.join("\r\n"))));
    order(QStringLiteral("PEDIDO 900013 FRENTE.txt"), {QStringLiteral("ORVENNA"), QStringLiteral("H"), frenteLine("U013")});
    ASSERT_TRUE(t.writeRawName("PEDIDO 900014 ACESSORIO \xC9.txt", cp1252::encode(QStringLiteral("X\r\nH\r\n") + acessorioLine("A014"))));

    struct Case {
        QString tipo, numero;
        QString firstKey;
        QStringList messages;
    } const cases[] = {
        {kFrente, "900013", "W013 | SAPATO | PRETO",
         {"Linhas ignoradas no arquivo PEDIDO 900013 FRENTE ção.txt:\nlinha 4: faltam campos"}},
        {kAcessorio, "900014", "A014 | BOLSA | AZUL", {}},
        {kFrente, "900014", {}, {"O arquivo não foi localizado... "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.numero + " / " + c.tipo).toStdString());
        t.messages.clear();
        f.cmb_referencia.clear();
        load(c.tipo, c.numero);
        EXPECT_EQ(shown(), c.messages);
        EXPECT_EQ(f.cmb_referencia.items.value(0), c.firstKey);
        EXPECT_EQ(f.cmd_printacessorio.visible, !c.firstKey.isEmpty());
    }
}

// The loader runs at every move through the order number and the type: a disk that will not
// remember the number says so once for that number, and again for the next number it refuses.
TEST_F(OrderSearch, AFullDiskIsToldOnceForEachNumberItCannotRemember)
{
    SmallDisk disk(t.folder(), t.files, 64);
    order(QStringLiteral("1_FRENTE.txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), frenteLine("F1")});
    order(QStringLiteral("2_FRENTE.txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), frenteLine("F2")});
    writeSetting(t.ws, ini::kConfig, "arquivo", QStringLiteral("antes"));
    const QByteArray saved = t.readBytes(QStringLiteral("Pendrova.ini"));
    disk.fill();
    const QString refused = QStringLiteral("Não foi possível gravar o arquivo ") + t.path(QStringLiteral("Pendrova.ini")) +
                            QStringLiteral(": não há espaço livre no disco.");

    for (const QString& tipo : {kFrente, kFrente, kOculta})
        load(tipo, QStringLiteral("1"));
    EXPECT_EQ(shown(), QStringList{refused});
    EXPECT_EQ(f.txtcodigo.text, "F1");
    EXPECT_TRUE(f.cmd_printacessorio.visible);

    load(kFrente, QStringLiteral("2"));
    load(kFrente, QStringLiteral("2"));
    EXPECT_EQ(shown(), (QStringList{refused, refused}));
    EXPECT_EQ(f.txtcodigo.text, "F2");
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), saved);
}

TEST_F(OrderSearch, MissingOrdersFolderFallsBackToTheProgramFolder)
{
    order(QStringLiteral("77_FRENTE.txt"), {QStringLiteral("X"), QStringLiteral("H"), frenteLine("F77")});
    for (const QString& path : {QStringLiteral(""), t.folder() + QStringLiteral("/nao-existe")}) {
        f.lblpath.caption = path;
        load(kFrente, QStringLiteral("77"));
        EXPECT_EQ(f.lblpath.caption, t.folder());
        EXPECT_EQ(f.cmb_referencia.listCount(), 1);
    }
}

TEST_F(OrderSearch, EmptyFileSwitchesPanelsAndKeepsThePreviousOrder)
{
    order(QStringLiteral("1_FRENTE.txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), frenteLine("F1")});
    load(kFrente, QStringLiteral("1"));
    t.write(QStringLiteral("2_CORRUGADO.txt"), {});
    t.messages.clear();
    load(kCorrugado, QStringLiteral("2"));

    ASSERT_EQ(t.messages.shown().size(), 1u);
    EXPECT_EQ(t.messages.shown()[0].text, "O arquivo está em branco!");
    EXPECT_EQ(t.messages.shown()[0].style, mb::Exclamation);
    EXPECT_EQ(t.messages.shown()[0].title, "ATENÇÃO!!!");
    EXPECT_TRUE(f.Frame3.visible);
    EXPECT_FALSE(f.Frame1.visible);
    EXPECT_FALSE(f.LBLMERVALK.visible);
    EXPECT_EQ(readSetting(t.ws, ini::kConfig, "arquivo"), "2");
    EXPECT_EQ(f.List1.items, QStringList{frenteLine("F1")});
    EXPECT_EQ(f.txtcodigo.text, "F1");
}

class OrderLines : public OrderTest {};

TEST_F(OrderLines, BrandAndDepartmentHeader)
{
    struct Case {
        QString tipo, first, header;
        QString brand;
        bool departamento;
    };
    const Case cases[] = {
        {kFrente, "MERVALK;PEDIDO", "QTDE;COR", "MERVAL K", false},
        {kFrente, "Lojas MERVALINA", "QTDE", "MERVAL K", false},
        {kFrente, "mervalk", "QTDE", "ORVENNA", false},
        {kFrente, "ORVENNA", "QTDE;DEPARTAMENTO", "ORVENNA", false},
        {kCorrugado, "MERVAL", "QTDE;departamento", "MERVAL K", true},
        {kCorrugado, "ORVENNA", "QTDE;DESTINO", "ORVENNA", false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE((c.first + " / " + c.header).toStdString());
        const QString numero = QString::number(++n);
        const QString word = c.tipo == kCorrugado ? QStringLiteral("CORRUGADO") : QStringLiteral("FRENTE");
        order(numero + u'_' + word + QStringLiteral(".txt"), {c.first, c.header, frenteLine("F")});
        load(c.tipo, numero);
        EXPECT_EQ(f.LBLMERVALK.caption, c.brand);
        EXPECT_TRUE(f.LBLMERVALK.visible);
        EXPECT_EQ(f.tem_departamento, c.departamento);
    }
}

TEST_F(OrderLines, DataLinesAreCollapsedAndKeptInFileOrder)
{
    const QString ten(10, u' ');
    order(QStringLiteral("5_FRENTE.txt"),
          {QStringLiteral("MERVALK"),
           QStringLiteral("1;BRANCO;35;X;TENIS;789000000001;T000001;23;F1;P1;2;Z"),  // line 2 is data too
           QStringLiteral("   "),
           QStringLiteral("QTDE;COR;TAM"),
           QStringLiteral("2;BRANCO;36;X;TENIS") + ten + QStringLiteral("CANO;789000000002;T000001;23;F1;P1;2;Z"),
           QStringLiteral("3;branco;36;X;TENIS;789000000003;T000001;23;F1;P1;2;Z"),
           QStringLiteral("4;PRETO;37;X;CAMURÇA   LISA;789000000004;T0000019;23;F1;P1;2;Z")});
    load(kFrente, QStringLiteral("5"));

    EXPECT_EQ(f.List1.items,
              (QStringList{QStringLiteral("1;BRANCO;35;X;TENIS;789000000001;T000001;23;F1;P1;2;Z"),
                           QStringLiteral("2;BRANCO;36;X;TENIS CANO;789000000002;T000001;23;F1;P1;2;Z"),
                           QStringLiteral("3;branco;36;X;TENIS;789000000003;T000001;23;F1;P1;2;Z"),
                           QStringLiteral("4;PRETO;37;X;CAMURÇA LISA;789000000004;T0000019;23;F1;P1;2;Z")}));
    // Keys that differ only in letter case are two items; the code part is 7 characters.
    EXPECT_EQ(f.cmb_referencia.items,
              (QStringList{"T000001 | TENIS | BRANCO", "T000001 | TENIS CANO | BRANCO", "T000001 | TENIS | branco",
                           "T000001 | CAMURÇA LISA | PRETO"}));
    EXPECT_EQ(f.cmb_referencia.text, "T000001 | TENIS | BRANCO");
    EXPECT_EQ(f.txtdescricao.text, "TENIS");
}

TEST(BlankCollapsing, RunsShrinkToOneBlankUpTo158)
{
    const struct {
        int run;
        int left;
    } cases[] = {{1, 1}, {2, 1}, {3, 1}, {5, 1}, {10, 1}, {158, 1}, {159, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(collapseBlanks(u'a' + QString(c.run, u' ') + u'b'), u'a' + QString(c.left, u' ') + u'b') << c.run;
    EXPECT_EQ(collapseBlanks(QStringLiteral("a\t\t\tb")), "a\t\t\tb");
}

TEST_F(OrderLines, LineEndsAndCodePage)
{
    // CR alone and LF alone end lines as CR LF does; 0xC7 is Ç in Windows-1252.
    t.writeBytes(QStringLiteral("6_ACESSORIO.txt"),
                 QByteArray("ORVENNA\rQTDE\n1;AZUL;U;CAL\xC7" "ADO;23;F1;789;A000001;9,90;;;X\r\n"
                            "2;AZUL;U;MEIA;23;F1;789;A000002;9,90;;;X"));
    load(kAcessorio, QStringLiteral("6"));
    EXPECT_EQ(f.LBLMERVALK.caption, "ORVENNA");
    EXPECT_EQ(f.cmb_referencia.items, (QStringList{"A000001 | CALÇADO | AZUL", "A000002 | MEIA | AZUL"}));
}

// Every carton layout, with and without the department header: the key, and the pack entry's
// volume part, which must be what the carton loader shows as the volume.
TEST_F(OrderLines, CartonKeysAndPackEntries)
{
    struct Case {
        int fields;
        bool departamento;
        QString key, entry;
    };
    const Case cases[] = {
        {13, false, "f6 | f5 | f4", "f2|f6|f12"},   {14, false, "f2 | f5 | f4", "f2|f6|f13"},
        {15, false, "f2 | f5 | f4", "f2|f6|f12"},   {16, false, "f2 | f5 | f4", "f2|f6|f12"},
        {17, false, "f2 | f5 | f4", "f2|f6|f13"},   {162, false, "f2 | f5 | f4", "f2|f6|f13"},
        {13, true, "f2 | f5 | f4", "f2|f6|f12"},    {14, true, "f2 | f5 | f4", "f2|f6|f13"},
        {15, true, "f2 | f5 | f4", "f2|f6|f12"},    {16, true, "f2 | f5 | f4", "f2|f6|f12"},
        {17, true, "f2 | f5 | f4", "f2|f6|f12"},    {162, true, "f2 | f5 | f4", "f2|f6|f13"},
        {18, false, "f2 | f5 | f4", "f2|f6|f13"},   {18, true, "f2 | f5 | f4", "f2|f6|f12"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE((QString::number(c.fields) + (c.departamento ? " with department" : " without")).toStdString());
        QStringList fields{QStringLiteral("3")};
        for (int i = 1; i < c.fields; ++i)
            fields << QStringLiteral("f%1").arg(i);
        const QString line = fields.join(u';');
        const QString numero = QStringLiteral("C%1").arg(++n);
        order(numero + QStringLiteral("_CORRUGADO.txt"),
              {QStringLiteral("MERVALK"), c.departamento ? QStringLiteral("QTDE;DEPARTAMENTO") : QStringLiteral("QTDE"),
               line, line});
        load(kCorrugado, numero);
        EXPECT_EQ(f.cmb_referencia1.items, QStringList{c.key});
        EXPECT_EQ(f.lsteanpack.items, (QStringList{c.entry, c.entry}));  // one entry per line
        EXPECT_EQ(f.List1.listCount(), 2);
        if (c.fields != 18) {
            EXPECT_EQ(f.txtvolume.text, c.entry.section(u'|', 2));
        }
    }
}

TEST_F(OrderLines, FrenteAndAcessorioKeysTakeSevenCharacters)
{
    order(QStringLiteral("8_FRENTE.txt"), {QStringLiteral("X"), QStringLiteral("H"),
                                           QStringLiteral("1; COR ;36;X; DESC ;789;ABCDEFGHIJ")});
    load(kFrente, QStringLiteral("8"));
    EXPECT_EQ(f.cmb_referencia.items, QStringList{"ABCDEFG |  DESC  |  COR "});
    EXPECT_EQ(f.lsteanpack.listCount(), 0);

    order(QStringLiteral("8_ACESSORIO.txt"), {QStringLiteral("X"), QStringLiteral("H"),
                                              QStringLiteral("1;COR;U;DESC;23;F1;789;ABCDEFGHIJ")});
    load(kAcessorio, QStringLiteral("8"));
    EXPECT_EQ(f.cmb_referencia.items, QStringList{"ABCDEFG | DESC | COR"});
}

TEST_F(OrderLines, EveryNumericQuantityKeepsItsLineAndOnlyOneOutOfRangeIsNamed)
{
    struct Case {
        const char* qte;   // field 0 of the size-37 line (line 4 of the file)
        const char* cell;  // what its grid cell shows after the load
        int total;         // with the size-36 line's 1
        bool named;        // named in the message as a quantity that cannot be printed
    };
    const Case cases[] = {
        /* 0 */ {"1,5", "2", 3, false},
        /* 1 half to even */ {"2,5", "2", 3, false},
        /* 2 */ {"0,5", "0", 1, false},
        /* 3 */ {"1,49", "1", 2, false},
        /* 4 thousands */ {"1.000", "1000", 1001, false},
        /* 5 */ {" 32767,4 ", "32767", 32768, false},
        /* 6 */ {"-32768,5", "-32768", -32767, false},
        /* 7 */ {"32767,5", "32767,5", 1, true},
        /* 8 */ {"40000", "40000", 1, true},
        /* 9 */ {"-32769", "-32769", 1, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qte);
        t.messages.clear();
        const QString numero = QStringLiteral("Q%1").arg(++n);
        order(numero + QStringLiteral("_FRENTE.txt"),
              {QStringLiteral("MERVALK"), QStringLiteral("QTDE"),
               QStringLiteral("1;PRETO;36;X;SAPATO;789123456001;OK00001;23;F1;;2;Z"),
               QString::fromUtf8(c.qte) + QStringLiteral(";PRETO;37;X;SAPATO;789123456002;OK00001;23;F1;;2;Z")});
        load(kFrente, numero);

        // The line belongs to the order whatever its quantity: listed, keyed and found by size.
        EXPECT_EQ(f.List1.listCount(), 2);
        EXPECT_EQ(f.cmb_referencia.items, QStringList{"OK00001 | SAPATO | PRETO"});
        EXPECT_EQ(f.Label7[1].caption, "37");
        EXPECT_EQ(f.txtnumero[1].text, QString::fromUtf8(c.cell));
        EXPECT_EQ(f.TXTPARES.text, QString::number(c.total));
        ret_codcomplemento(p, QStringLiteral("37"));
        EXPECT_EQ(f.lblbarra.caption, "7891234560025");
        if (c.named) {
            ASSERT_EQ(shown().size(), 1u);
            const QString qte = vb::Trim(QString::fromUtf8(c.qte));
            EXPECT_EQ(shown()[0], "Quantidades que não serão impressas no arquivo " + numero +
                                      "_FRENTE.txt:\nlinha 4, tamanho 37: a quantidade " + qte +
                                      " passa do intervalo de -32768 a 32767; este tamanho não será impresso");
        } else {
            EXPECT_EQ(shown(), QStringList{});
        }
    }
}

// An item of many more lines than the grid has cells: one message for the load, with how many
// lines found no cell, also when the moves through the order fields load the order again.
TEST_F(OrderLines, AnItemOfTwoHundredLinesGivesOneMessage)
{
    struct Case {
        QString tipo, word;
        std::function<QString(int)> line;
    };
    const Case cases[] = {
        {kFrente, "FRENTE",
         [](int i) { return QStringLiteral("1;PRETO;%1;X;SAPATO;789123456001;OK00001;23;F1;;2;Z").arg(i); }},
        {kAcessorio, "ACESSORIO",
         [](int i) { return QStringLiteral("1;AZUL;T%1;BOLSA;23;F1;7891234567895;A000001;59,90;2;").arg(i); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word.toStdString());
        t.messages.clear();
        QStringList lines{QStringLiteral("MERVALK"), QStringLiteral("QTDE")};
        for (int i = 0; i < 200; ++i)
            lines << c.line(i);
        order(QStringLiteral("D200_") + c.word + QStringLiteral(".txt"), lines);
        load(c.tipo, QStringLiteral("D200"));
        load(c.tipo, QStringLiteral("D200"));
        EXPECT_EQ(shown(), QStringList{QStringLiteral("Erro ao Preencher Dados.. Contate a Pendrova e comunique o "
                                                      "Erro no Pedido D200\n186 linha(s) do item ficaram fora da "
                                                      "grade de 14 tamanhos.")});
        EXPECT_EQ(f.List1.listCount(), 200);
        EXPECT_EQ(f.Label7[13].caption, c.tipo == kFrente ? "13" : "T13");
    }
}

TEST_F(OrderLines, AFractionalQuantityKeepsAccessoryAndCartonLinesToo)
{
    order(QStringLiteral("F1_ACESSORIO.txt"),
          {QStringLiteral("X"), QStringLiteral("H"), QStringLiteral("2,5;AZUL;U;BOLSA;23;F1;7891234567895;A000001")});
    load(kAcessorio, QStringLiteral("F1"));
    EXPECT_EQ(f.List1.listCount(), 1);
    EXPECT_EQ(f.cmb_referencia.items, QStringList{"A000001 | BOLSA | AZUL"});
    EXPECT_EQ(f.TXTPARES.text, "2,5");  // the print run makes it whole

    order(QStringLiteral("F2_CORRUGADO.txt"),
          {QStringLiteral("X"), QStringLiteral("QTDE"), QStringLiteral("1,5;01;M1;F;COR;DESC;789;G;Q;T;S;D;1/1")});
    load(kCorrugado, QStringLiteral("F2"));
    EXPECT_EQ(f.lsteanpack.items, QStringList{"M1|789|1/1"});
    EXPECT_EQ(f.cmb_referencia1.listCount(), 1);
    EXPECT_EQ(shown(), QStringList{});
}

TEST_F(OrderLines, LinesShortOfTheFieldsTheLoadersReadAreLeftOutWithOneMessage)
{
    order(QStringLiteral("9_FRENTE.txt"),
          {QStringLiteral("MERVALK"), QStringLiteral("QTDE"),
           QStringLiteral("1;PRETO;36;X;SAPATO"),                                  // line 3: 5 fields
           frenteLine("OK00001"),
           QStringLiteral("40000;PRETO;38;X;SAPATO;789;OK00001;23;F1;;2;Z")});     // line 5: kept
    load(kFrente, QStringLiteral("9"));

    ASSERT_EQ(t.messages.shown().size(), 1u);
    EXPECT_EQ(t.messages.shown()[0].text, "Linhas ignoradas no arquivo 9_FRENTE.txt:\nlinha 3: faltam campos"
                                          "\n\nQuantidades que não serão impressas no arquivo 9_FRENTE.txt:"
                                          "\nlinha 5, tamanho 38: a quantidade 40000 passa do intervalo de -32768 a "
                                          "32767; este tamanho não será impresso");
    EXPECT_EQ(f.List1.listCount(), 2);
    EXPECT_EQ(f.TXTPARES.text, "2");
    // The loads that the moves through the order number and the type bring tell it no more.
    load(kFrente, QStringLiteral("9"));
    load(kOculta, QStringLiteral("9"));
    EXPECT_EQ(t.messages.shown().size(), 1u);

    // A carton line short of the volume field is left out the same way.
    t.messages.clear();
    order(QStringLiteral("9_CORRUGADO.txt"), {QStringLiteral("X"), QStringLiteral("QTDE"),
                                              QStringLiteral("1;a;b;c;d;e;f;g;h;i;j;k")});
    load(kCorrugado, QStringLiteral("9"));
    EXPECT_EQ(t.messages.shown().size(), 1u);
    EXPECT_EQ(f.lsteanpack.listCount(), 0);
    EXPECT_EQ(f.cmb_referencia1.listCount(), 0);

    // After another order, the first one names its lines again.
    load(kFrente, QStringLiteral("9"));
    EXPECT_EQ(t.messages.shown().size(), 2u);
}

// An order file with its brand and header lines only has nothing of its own to print: the window
// keeps the previous item on screen, so the print button goes until an order with items loads,
// and the operator is told which file it was.
TEST_F(OrderLines, HeaderOnlyOrderIsToldAndLeavesNothingToPrint)
{
    const QString carton = QStringLiteral("3;x;M1;FORN;PRETO;SAPATO;E1;34-39;112211;6;23;CD1;1/3;;;");
    struct Case {
        QString tipo, word;
        QString line;                     // the previous order's one item
        std::function<QString()> shownItem;  // what the window shows of it
        QString item;
    };
    const Case cases[] = {
        {kFrente, "FRENTE", frenteLine("P000001"), [&] { return f.txtcodigo.text; }, "P000001"},
        {kOculta, "FRENTE", frenteLine("P000002"), [&] { return f.txtcodigo.text; }, "P000002"},
        {kAcessorio, "ACESSORIO", acessorioLine("A000003"), [&] { return f.txtcodigo.text; }, "A000003"},
        {kCorrugado, "CORRUGADO", carton, [&] { return f.txtcodigo1.text; }, "M1"},
    };
    int n = 20;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tipo.toStdString());
        const QString antes = QString::number(++n), vazio = QString::number(++n), depois = QString::number(++n);
        order(antes + u'_' + c.word + QStringLiteral(".txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), c.line});
        order(QStringLiteral("PEDIDO ") + vazio + u' ' + c.word + QStringLiteral(".txt"),
              {QStringLiteral("ORVENNA"), QStringLiteral("QTDE;COR;DEPARTAMENTO")});
        order(depois + u'_' + c.word + QStringLiteral(".txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), c.line});
        load(c.tipo, antes);
        ASSERT_EQ(c.shownItem(), c.item);
        ASSERT_TRUE(f.cmd_printacessorio.visible);
        t.messages.clear();

        load(c.tipo, vazio);
        ASSERT_EQ(t.messages.shown().size(), 1u);
        EXPECT_EQ(t.messages.shown()[0].text, QStringLiteral("O arquivo PEDIDO ") + vazio + u' ' + c.word +
                                                  QStringLiteral(".txt não tem nenhuma linha de item: não há "
                                                                 "etiquetas deste pedido para imprimir."));
        EXPECT_EQ(t.messages.shown()[0].style, mb::Exclamation);
        EXPECT_FALSE(f.cmd_printacessorio.visible);
        EXPECT_EQ(f.cmb_referencia.listCount() + f.cmb_referencia1.listCount(), 0);
        EXPECT_EQ(f.List1.listCount(), 0);
        EXPECT_EQ(f.lsteanpack.listCount(), 0);
        EXPECT_EQ(f.LBLMERVALK.caption, "ORVENNA");
        EXPECT_EQ(c.shownItem(), c.item);  // still on screen, but no longer printable

        t.messages.clear();
        load(c.tipo, depois);
        EXPECT_EQ(shown(), QStringList{});
        EXPECT_TRUE(f.cmd_printacessorio.visible);
    }
}

// A file found empty gives no item either.
TEST_F(OrderSearch, AnEmptyFileLeavesNothingToPrint)
{
    order(QStringLiteral("1_FRENTE.txt"), {QStringLiteral("MERVALK"), QStringLiteral("H"), frenteLine("F1")});
    t.write(QStringLiteral("2_FRENTE.txt"), {});
    load(kFrente, QStringLiteral("1"));
    ASSERT_TRUE(f.cmd_printacessorio.visible);
    t.messages.clear();
    load(kFrente, QStringLiteral("2"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("O arquivo está em branco!")});
    EXPECT_FALSE(f.cmd_printacessorio.visible);
    EXPECT_EQ(f.txtcodigo.text, "F1");
}

TEST_F(OrderLines, LoadStateFlagsAndLocks)
{
    order(QStringLiteral("12_ACESSORIO.txt"), {QStringLiteral("X"), QStringLiteral("H"), acessorioLine("A000012")});
    f.lsteanpack.addItem(QStringLiteral("old|entry|1/1"));
    f.txtgrade1.locked = f.txtgrade2.locked = f.txttotgrade.locked = false;
    load(kAcessorio, QStringLiteral("12"));
    EXPECT_TRUE(f.pack_novo);
    EXPECT_EQ(f.lblpacknovo.caption, "T");
    EXPECT_EQ(f.tipo_arquivo, "C");
    EXPECT_EQ(f.Frame1.caption, "Acessório");
    EXPECT_TRUE(f.Frame1.visible);
    EXPECT_FALSE(f.Frame3.visible);
    EXPECT_EQ(f.lsteanpack.listCount(), 0);
    EXPECT_TRUE(f.txtgrade1.locked && f.txtgrade2.locked && f.txttotgrade.locked);
    EXPECT_EQ(f.lblbarra.caption, "7891234567895");
}

}  // namespace
