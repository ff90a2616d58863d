// The main window's raw ZPL labels: package labels and hidden labels.
#include "rawprint/imprime_ocultanova.h"
#include "rawprint/imprime_pacote_zpl.h"
#include "tests/rawprint/rawfixture.h"

#include <gtest/gtest.h>

namespace {

const char* const kEsquerda[] = {
    "^FO70, 40^A0N,60,50^FDVERMELHO^FS",
    "^FO70, 100^A0N,60,50^FD\"ESCURO/^FS",
    "^FO70, 160^A0N,70,60^FD077^FS",
    "^FO70, 223^A0N,30,20^FDSAPATENIS MASCULINO EM COURO L^FS",
    "^FO70, 247^A0N,30,20^FDEGITIMO COM SOLADO DE BORRACHA^FS",
    "^FO70, 275^BY3,,60^BEN,60,N,N,N^FD0000005010077^FS",
    "^FO70, 350^A0N,35,25^FD5010077^FS",
    "^FO250, 350^A0N,35,25^FDS\"12^FS",
};
const char* const kDireita[] = {
    "^FO500, 40^A0N,60,50^FDVERMELHO^FS",
    "^FO500, 100^A0N,60,50^FD\"ESCURO/^FS",
    "^FO500, 160^A0N,70,60^FD077^FS",
    "^FO500, 223^A0N,30,20^FDSAPATENIS MASCULINO EM COURO L^FS",
    "^FO500, 247^A0N,30,20^FDEGITIMO COM SOLADO DE BORRACHA^FS",
    "^FO500, 275^BY3,,60^BEN,60,N,N,N^FD0000005010077^FS",
    "^FO500, 350^A0N,35,25^FD5010077^FS",
    "^FO680, 350^A0N,35,25^FDS\"12^FS",
};

QByteArray pacotes(int n)
{
    QByteArray out;
    const QByteArray head = "^XA\r\n^MNY\r\n^LT0\r\n^LH0,0\r\n";
    for (int k = 1; k <= n; ++k) {
        if (k % 2 == 1)
            out += head;
        for (const char* line : k % 2 == 1 ? kEsquerda : kDireita)
            out += QByteArray(line) + "\r\n";
        if (k % 2 == 0)
            out += "^XZ\r\n";
    }
    if (n % 2 == 1)
        out += "^XZ\r\n";
    return out;
}

struct PacoteFixture : RawFixture {
    PacoteFixture()
    {
        MainForm& f = t.form;
        f.txtcor.text = QStringLiteral("VERMELHO.ESCURO/AZUL");
        f.txtcodigo.text = QStringLiteral("5010077");
        f.txtdescricao.text = QStringLiteral("SAPATENIS MASCULINO EM COURO LEGITIMO COM SOLADO DE BORRACHA E PALMILHA");
        f.txtsemana.text = QStringLiteral(" S.12 ");
    }
};

}  // namespace

TEST(ImprimePacoteZplTest, ZeroToThreePackages)
{
    for (int n = 0; n <= 3; ++n) {
        PacoteFixture f;
        f.t.form.txtnumero[1].text = QString::number(n);
        imprime_pacote_zpl(f.t.program);
        EXPECT_EQ(f.spool(), pacotes(n)) << n;
        EXPECT_TRUE(f.t.exists(QStringLiteral("epltemp.prn"))) << n;
        EXPECT_TRUE(wellFormedZpl(f.spool())) << n;
        EXPECT_EQ(f.sender.sends.size(), 1u) << n;
        EXPECT_TRUE(f.t.messages.shown().empty());
    }
    // The second format holds the third label alone.
    EXPECT_EQ(pacotes(3).count("^XA"), 2);
}

TEST(ImprimePacoteZplTest, ACountBeyondASizeCellsRangePrintsNoLabel)
{
    for (const char* count : {"40000", "99999999999", "abc"}) {
        PacoteFixture f;
        f.t.form.txtnumero[1].text = QString::fromLatin1(count);
        imprime_pacote_zpl(f.t.program);
        EXPECT_TRUE(f.t.exists(QStringLiteral("epltemp.prn"))) << count;
        EXPECT_TRUE(f.spool().isEmpty()) << count;
    }
}

TEST(ImprimePacoteZplTest, TheBatchFileTrimsThePortOfItsNetUseLines)
{
    PacoteFixture f;
    f.t.form.lblporta.caption = QStringLiteral("Label17");
    f.t.form.LBLPORTAPARELELA.caption = QStringLiteral(" LPT1 ");
    f.t.form.txtnumero[1].text = QStringLiteral("1");
    imprime_pacote_zpl(f.t.program);
    EXPECT_EQ(f.batch(), crlf({"net use LPT1: /delete", "net use LPT1: \\\\127.0.0.1\\Zebra /yes", "type epltemp.prn >  LPT1 "}));
}

TEST(ImprimePacoteZplTest, ABlankCountAsksForItAndSendsNothing)
{
    PacoteFixture f;
    f.t.write(QStringLiteral("epltemp.prn"), QStringLiteral("^XA\r\n^XZ\r\n"));
    f.t.form.txtnumero[1].text = QStringLiteral("  ");
    imprime_pacote_zpl(f.t.program);
    EXPECT_EQ(f.t.messages.texts(), QStringList{QStringLiteral("Informe o Número de Pacotes")});
    EXPECT_EQ(f.t.messages.shown()[0].style, mb::OKOnly);
    EXPECT_EQ(f.t.form.focusRequest, &f.t.form.txtnumero[1]);
    EXPECT_FALSE(f.t.exists(QStringLiteral("epltemp.prn")));
    EXPECT_FALSE(f.t.exists(QStringLiteral("IMPRIMIR.BAT")));
    EXPECT_TRUE(f.sender.sends.empty());
}

TEST(RetCodCertoTest, ZerosUpToThirteenCharacters)
{
    const char* rows[][2] = {
        {"5010077", "0000005010077"},
        {" 123 ", "0000000000 123 "},   // the blanks do not count but stay
        {"1234567890123", "1234567890123"},
        {"123456789012345", "123456789012345"},
        {"", "0000000000000"},
    };
    for (auto [in, out] : rows)
        EXPECT_EQ(RET_CODCERTO(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
}

TEST(ImprimeOcultaNovaTest, HeaderAndRowOfTwoLabels)
{
    RawFixture f;
    f.t.form.lblporta.caption = QStringLiteral("USB");
    f.t.form.LBLPORTAPARELELA.caption = QStringLiteral("LPT1 ");
    f.t.form.txtcliente.text = QStringLiteral(" Calçados Sul ");
    f.t.form.txtarquivo.text = QStringLiteral(" 1400050831 ");
    f.t.form.txtcor.text = QStringLiteral(" PRETO ");
    f.t.form.txtnumero[2].text = QStringLiteral("12");
    f.t.form.txtnumero[3].text = QStringLiteral("7");
    f.t.form.txtcodigo.text = QStringLiteral(" 5010077 ");
    Imprime_OcultaNova(f.t.program);
    EXPECT_EQ(f.spool(), crlf({"^XA", "^MNY", "^LT0", "^LH0,0", "^FO20, 5^GB800,0,4,^FS",
                               "^FO20, 15^A0N,20,15^FDFabrica:  Cal\xE7"
                               "ados Sul ^FS",
                               "^FO20, 40^A0N,25,25^FDPedido: 1400050831^FS", "^FO300, 40^A0N,25,25^FDCor: PRETO^FS",
                               "^FO540, 40^A0N,25,25^FDQte: 24 | Imp. 7^FS", "^FO20, 65^GB800,0,4,^FS", "^XZ", "^XA",
                               "^MNY", "^LT0", "^PQ4,,1,Y", "^LH0,0", "^FO135, 20^A0N,55,45^FD5010077^FS",
                               "^FO535, 20^A0N,55,45^FD5010077^FS", "^XZ"}));
    EXPECT_TRUE(wellFormedZpl(f.spool()));
    EXPECT_EQ(f.batch(),
              crlf({"net use LPT1: /delete", "net use LPT1: \\\\127.0.0.1\\Zebra /yes", "type epltemp.prn > LPT1 \n"}));
    EXPECT_EQ(f.sender.sends.size(), 1u);
}

TEST(ImprimeOcultaNovaTest, QuantitiesOnTheHeaderAndRowCounts)
{
    struct {
        const char* pares;
        const char* etiquetas;
        const char* qte;
        const char* pq;
    } rows[] = {
        {"12", "10", "24 | Imp. 10", "^PQ5,,1,Y"},
        {"12", "7", "24 | Imp. 7", "^PQ4,,1,Y"},
        {"1", "0", "2 | Imp. 0", "^PQ0,,1,Y"},
        {"12", "", "24 | Imp. ", "^PQ0,,1,Y"},
        {"", "10", "", "^PQ5,,1,Y"},
        // the largest counts still give whole rows
        {"32767", "32767", "65534 | Imp. 32767", "^PQ16384,,1,Y"},
        {"1", "2147483647", "2 | Imp. 2147483647", "^PQ1073741824,,1,Y"},
    };
    for (const auto& r : rows) {
        RawFixture f;
        f.t.form.txtnumero[2].text = QString::fromLatin1(r.pares);
        f.t.form.txtnumero[3].text = QString::fromLatin1(r.etiquetas);
        Imprime_OcultaNova(f.t.program);
        const QList<QByteArray> lines = f.spool().split('\n');
        ASSERT_EQ(lines.size(), 20) << r.etiquetas;
        EXPECT_EQ(lines[8], QByteArray("^FO540, 40^A0N,25,25^FDQte: ") + r.qte + "^FS\r") << r.etiquetas;
        EXPECT_EQ(lines[14], QByteArray(r.pq) + "\r") << r.etiquetas;
    }
}

TEST(TrocaZplTest, CedillasBecomeEscapesInTheCallersText)
{
    QString text = QStringLiteral("Calçado Çapatilha é");
    EXPECT_EQ(troca_zpl(text), QStringLiteral("Cal\\87ado \\80apatilha é"));
    EXPECT_EQ(text, QStringLiteral("Cal\\87ado \\80apatilha é"));
    QString plain = QStringLiteral("SEM CEDILHA");
    EXPECT_EQ(troca_zpl(plain), QStringLiteral("SEM CEDILHA"));
}
