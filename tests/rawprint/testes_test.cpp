// The test labels of the five printer-language margin dialogs, byte for byte.
#include "rawprint/margens_linguagem.h"
#include "rawprint/teste_oculta.h"
#include "tests/rawprint/rawfixture.h"

#include <gtest/gtest.h>

namespace {

void blankAll(MarginDialog& d)
{
    for (MarginBox& b : d.boxes())
        b.box.text.clear();
}

QStringList texts(MarginDialog& d)
{
    QStringList out;
    for (MarginBox& b : d.boxes())
        out << b.box.text;
    return out;
}

}  // namespace

TEST(TesteOcultaZplTest, ThreeAcrossWithBlankBoxes)
{
    RawFixture f;
    auto d = FrmMargensOcultaZPL(f.t.program);
    d->Form_Load();
    blankAll(*d);
    d->cmd_teste_Click();
    EXPECT_EQ(f.spool(), crlf({"~SD", "^XA", "^LT0", "^PQ1,,1,Y", "^LH0,0", "^PR,",
                               "^FO55,30^A0N,55,45^FD50100779^FS", "^FO305,30^A0N,55,45^FD50100779^FS",
                               "^FO570,30^A0N,55,45^FD50100779^FS", "^XZ"}));
    EXPECT_EQ(texts(*d), (QStringList{"55", "305", "570", "30"}));
    EXPECT_TRUE(wellFormedZpl(f.spool()));
    EXPECT_EQ(f.batch(), crlf({"type epltemp.prn > LPT1"}));
    EXPECT_EQ(f.sender.sends.size(), 1u);
}

TEST(TesteOcultaZplTest, ThreeAcrossWithTypedValuesTrimmedOnTheLineOnly)
{
    RawFixture f;
    f.t.form.txtcodigo.text = QStringLiteral(" 5010077 ");
    f.t.form.cmbintensidade.text = QStringLiteral(" 20 ");
    f.t.form.cmbvelocidade.text = QStringLiteral("3");
    auto d = FrmMargensOcultaZPL(f.t.program);
    d->Form_Load();
    d->box(QStringLiteral("txtmargem1")).text = QStringLiteral(" 600");
    d->box(QStringLiteral("txtmargem2")).text = QStringLiteral("300 ");  // decreasing columns print as typed
    d->box(QStringLiteral("txtmargem3")).text = QStringLiteral("-");
    d->box(QStringLiteral("txtmargemsuperior")).text = QStringLiteral(" 25 ");
    d->cmd_teste_Click();
    EXPECT_EQ(f.spool(), crlf({"~SD20", "^XA", "^LT0", "^PQ1,,1,Y", "^LH0,0", "^PR3,3",
                               "^FO600,25^A0N,55,45^FD5010077^FS", "^FO300,25^A0N,55,45^FD5010077^FS",
                               "^FO-,25^A0N,55,45^FD5010077^FS", "^XZ"}));
    EXPECT_EQ(texts(*d), (QStringList{" 600", "300 ", "-", " 25 "}));
}

TEST(TesteOcultaZplTest, EightAcrossWithBlankBoxes)
{
    RawFixture f;
    auto d = FrmMargensOculta8ZPL(f.t.program);
    d->Form_Load();
    blankAll(*d);
    d->cmd_teste_Click();
    EXPECT_EQ(f.spool(),
              crlf({"~SD", "^XA", "^LT0", "^PQ1,,1,Y", "^LH0,0", "^PR,", "^FO40,70^A0B,55,45^FD50100779^FS",
                    "^FO160,70^A0B,55,45^FD50100779^FS", "^FO280,70^A0B,55,45^FD50100779^FS",
                    "^FO400,70^A0B,55,45^FD50100779^FS", "^FO520,70^A0B,55,45^FD50100779^FS",
                    "^FO640,70^A0B,55,45^FD50100779^FS", "^FO760,70^A0B,55,45^FD50100779^FS",
                    "^FO880,70^A0B,55,45^FD50100779^FS", "^XZ"}));
    EXPECT_EQ(texts(*d), (QStringList{"40", "160", "280", "400", "520", "640", "760", "880", "70"}));
    EXPECT_TRUE(wellFormedZpl(f.spool()));
}

TEST(TesteOcultaZplTest, SevenAcrossColumnCheck)
{
    struct {
        QStringList typed;
        QStringList printed;
    } rows[] = {
        // 0: a column left of its neighbour takes its standard
        {{"40", "30", "500", "450", "520", "640", "760"}, {"40", "160", "500", "400", "520", "640", "760"}},
        // 1: neighbours only: the reset second column is still below the first
        {{"900", "160", "280", "400", "520", "640", "760"}, {"900", "160", "280", "400", "520", "640", "760"}},
        // 2: a lone "-" prints as it is; the column after it cannot be compared
        {{"-", "200", "280", "400", "520", "640", "760"}, {"-", "160", "280", "400", "520", "640", "760"}},
        // 3: equal neighbours pass; out of the 16-bit range takes the standard
        {{"40", "40", "40000", "400", "", "640", "760"}, {"40", "40", "280", "400", "520", "640", "760"}},
        // 4: a reset column is compared with its right neighbour by its standard
        {{"40", "700", "100", "300", "520", "640", "760"}, {"40", "700", "280", "300", "520", "640", "760"}},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        RawFixture f;
        auto d = FrmMargensOculta7ZPL(f.t.program);
        d->Form_Load();
        for (int k = 0; k < 7; ++k)
            d->box(QStringLiteral("txtmargem1"), k).text = rows[i].typed[k];
        d->box(QStringLiteral("txtmargemsuperior")).text.clear();
        d->cmd_teste_Click();
        QStringList expected{"~SD", "^XA", "^LT0", "^PQ1,,1,Y", "^LH0,0", "^PR,"};
        for (const QString& x : rows[i].printed)
            expected << QStringLiteral("^FO%1,70^A0B,55,45^FD50100779^FS").arg(x);
        expected << QStringLiteral("^XZ");
        EXPECT_EQ(QString::fromLatin1(f.spool()), expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")) << i;
        EXPECT_EQ(texts(*d), rows[i].printed + QStringList{"70"}) << i;
        EXPECT_TRUE(wellFormedZpl(f.spool())) << i;
    }
}

TEST(TesteOcultaPplaTest, BlankBoxesGiveTheStandardColumns)
{
    RawFixture f;
    auto d = FrmMargensOcultaPPLa(f.t.program);
    d->Form_Load();
    blankAll(*d);
    d->cmd_teste_Click();
    EXPECT_EQ(f.spool(), QByteArray("\x02n\r\n\x02M0500\r\n\x02O0220\r\n\x02V0\r\n\x02"
                                    "f220\r\n\x01"
                                    "D\r\n\x02L\r\nD11\r\nA2\r\n"
                                    "191100500150022501007"
                                    "79\r\n191100500150150501007"
                                    "79\r\n191100500150275501007"
                                    "79\r\nQ0001\r\nE\r\n"));
    EXPECT_EQ(texts(*d), (QStringList{"22", "150", "275"}));
    EXPECT_EQ(f.batch(), crlf({"type epltemp.prn > LPT1"}));
}

TEST(TesteOcultaPplaTest, ColumnsFormattedCodeUntrimmed)
{
    RawFixture f;
    f.t.form.txtcodigo.text = QStringLiteral(" 77 ");
    auto d = FrmMargensOcultaPPLa(f.t.program);
    d->Form_Load();
    d->box(QStringLiteral("txtmargem1")).text = QStringLiteral("-5");
    d->box(QStringLiteral("txtmargem2")).text = QStringLiteral("12345");
    d->box(QStringLiteral("txtmargem3")).text = QStringLiteral("x1");
    d->cmd_teste_Click();
    const QList<QByteArray> lines = f.spool().split('\n');
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[9], "19110050015-0005 77 \r");
    EXPECT_EQ(lines[10], "1911005001512345 77 \r");
    EXPECT_EQ(lines[11], "19110050015x1 77 \r");
    EXPECT_EQ(lines[12], "Q0001\r");
}

TEST(FormatoPplaTest, AtLeastFourDigits)
{
    const char* rows[][2] = {{"22", "0022"}, {"150", "0150"}, {"-5", "-0005"}, {"12345", "12345"},
                             {" 7 ", "0007"}, {"abc", "abc"}, {"", ""}, {"-", "-"}};
    for (auto [in, out] : rows)
        EXPECT_EQ(formatoPpla(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
}

namespace {

QByteArray amostra(const char* x1, const char* x2, const char* t)
{
    auto copia = [](int x, int y, const char* code) {
        const auto at = [&](int dx, int dy) { return QStringLiteral("^FO%1,%2").arg(x + dx).arg(y + dy); };
        return QStringList{
            at(0, 0) + "^A0N,100,80^FD267^FS",
            at(130, 0) + "^A0N,35,20^FH\\^FDOURO^FS",
            at(130, 40) + "^A0N,35,20^FH\\^FD^FS",
            at(220, 30) + "^A0N,70,60^FD35^FS",
            at(55, 270) + "^A0N,60,40^FD   139,99^FS",
            at(0, 100) + "^A0N,30,20^FDORVENNA 170000 FE FST SND^FS",
            at(0, 130) + "^A0N,30,20^FDAL^FS",
            at(1, 160) + "^BY2^BCN,70,N,N,N,D^FD1000000115475^FS",
            at(70, 240) + "^A0N,30,30^FD" + code + "^FS",
            at(245, 130) + "^A0N,30,20^FDF2^FS",
        };
    };
    QStringList lines{"~SD", "^XA", "^LT0", "^LH0,0", "^PR,"};
    lines << copia(atoi(x1), atoi(t), "5016267001") << copia(atoi(x2), atoi(t), "501626700") << "^XZ";
    return (lines.join("\r\n") + "\r\n").toLatin1();
}

}  // namespace

TEST(AmostraFrenteZplTest, BlankBoxesTakeTheirStandards)
{
    RawFixture f;
    auto d = FrmMargensCxZPL(f.t.program);
    d->Form_Load();
    blankAll(*d);
    d->cmd_teste_Click();
    EXPECT_EQ(f.spool(), amostra("25", "340", "10"));
    // The left copy as the operator would check it, written out in full.
    EXPECT_TRUE(f.spool().contains("^FO25,10^A0N,100,80^FD267^FS\r\n^FO155,10^A0N,35,20^FH\\^FDOURO^FS\r\n"
                                   "^FO155,50^A0N,35,20^FH\\^FD^FS\r\n^FO245,40^A0N,70,60^FD35^FS\r\n"
                                   "^FO80,280^A0N,60,40^FD   139,99^FS\r\n"));
    EXPECT_EQ(texts(*d), (QStringList{"25", "340", "10"}));
    EXPECT_TRUE(wellFormedZpl(f.spool()));
    EXPECT_EQ(f.batch(), crlf({"type epltemp.prn > LPT1\n"}));
}

TEST(AmostraFrenteZplTest, TypedMarginsAndMarginsThatAreNotWholeDots)
{
    struct {
        const char* x1;
        const char* x2;
        const char* t;
        const char* printed[3];
    } rows[] = {
        {"30", "350", "5", {"30", "350", "5"}},
        {"2,5", "-", "1,0", {"25", "340", "10"}},
        {"-20", "abc", "", {"-20", "340", "10"}},
    };
    for (const auto& r : rows) {
        RawFixture f;
        auto d = FrmMargensCxZPL(f.t.program);
        d->Form_Load();
        d->box(QStringLiteral("txtmargem1")).text = QString::fromLatin1(r.x1);
        d->box(QStringLiteral("txtmargem2")).text = QString::fromLatin1(r.x2);
        d->box(QStringLiteral("txtmargemsuperior")).text = QString::fromLatin1(r.t);
        d->cmd_teste_Click();
        EXPECT_EQ(f.spool(), amostra(r.printed[0], r.printed[1], r.printed[2])) << r.x1;
        EXPECT_EQ(texts(*d), (QStringList{r.printed[0], r.printed[1], r.printed[2]})) << r.x1;
    }
}

TEST(AmostraFrenteZplTest, BlanksAroundAMarginAndTheDarknessAndSpeed)
{
    RawFixture f;
    f.t.form.cmbintensidade.text = QStringLiteral(" 15 ");
    f.t.form.cmbvelocidade.text = QStringLiteral(" 4");
    auto d = FrmMargensCxZPL(f.t.program);
    d->Form_Load();
    d->box(QStringLiteral("txtmargem1")).text = QStringLiteral(" 30 ");
    d->cmd_teste_Click();
    const QList<QByteArray> lines = f.spool().split('\n');
    EXPECT_EQ(lines[0], "~SD15\r");
    EXPECT_EQ(lines[4], "^PR4,4\r");
    // No offset: the trimmed text; an offset: the sum.
    EXPECT_EQ(lines[5], "^FO30,3^A0N,100,80^FD267^FS\r");
    EXPECT_EQ(lines[6], "^FO160,3^A0N,35,20^FH\\^FDOURO^FS\r");
    EXPECT_EQ(d->box(QStringLiteral("txtmargem1")).text, u" 30 ");
}
