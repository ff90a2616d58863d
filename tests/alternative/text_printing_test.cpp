#include "alternative/helpers/imp_2linha.h"
#include "tests/alternative/alternativefixture.h"

namespace {

TEST(TextPrinting, AlignmentAtTheColumnAndFontAttributes)
{
    struct Case {
        int16_t posicao;
        double x;  // width of the text: 7 characters x 12 points / 7 = 12 mm
        bool negrito, italico, sublinhado;
    };
    const Case cases[] = {
        {0, 50, true, false, false},
        {1, 44, false, true, false},
        {2, 38, false, false, true},
        {5, 38, true, true, true},
        {-1, 38, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.posicao);
        TestWorkstation t;
        RecordingPrinter& printer = t.printers.recording();
        printer.setFontName(QStringLiteral("Arial"));
        printer.setFontBold(!c.negrito);
        imp_2linha(t.program, 20, 50, QStringLiteral("ABCDEFG"), c.posicao, QStringLiteral("Calibri"), 12, c.negrito,
                   c.italico, c.sublinhado);
        ASSERT_NE(printer.openDocument(), nullptr);
        const auto texts = printer.openDocument()->pages.back().texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_DOUBLE_EQ(texts[0]->x, c.x);
        EXPECT_DOUBLE_EQ(texts[0]->y, 20);
        EXPECT_EQ(texts[0]->text, "ABCDEFG");
        EXPECT_EQ(texts[0]->font.name, "Calibri");
        EXPECT_DOUBLE_EQ(texts[0]->font.size, 12);
        EXPECT_EQ(texts[0]->font.bold, c.negrito);
        EXPECT_EQ(texts[0]->font.italic, c.italico);
        EXPECT_EQ(texts[0]->font.underline, c.sublinhado);
    }
}

TEST(TextPrinting, MeasuresInTheFontJustSet)
{
    TestWorkstation t;
    RecordingPrinter& printer = t.printers.recording();
    printer.setFontSize(30);
    imp_2linha(t.program, 5, 100, QStringLiteral("ABCDEFG"), 2, QStringLiteral("Arial"), 7, false, false, false);
    const auto texts = printer.openDocument()->pages.back().texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_DOUBLE_EQ(texts[0]->x, 93);  // 7 characters at 7 points: 7 mm
}

TEST(TextPrinting, EmptyTextPrintsNothing)
{
    TestWorkstation t;
    imp_2linha(t.program, 10, 40, QString(), 1, QStringLiteral("Arial"), 10, false, false, false);
    EXPECT_EQ(t.printers.recording().openDocument(), nullptr);
}

TEST(TextPrinting, NoPrinterIsPassedOver)
{
    TestWorkstation t(QStringList{});
    EXPECT_NO_THROW(
        imp_2linha(t.program, 10, 40, QStringLiteral("X"), 0, QStringLiteral("Arial"), 10, true, true, true));
}

}  // namespace
