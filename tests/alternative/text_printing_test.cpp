#include "alternative/helpers/imp_2linha.h"
#include "platform/errors.h"
#include "tests/alternative/alternativefixture.h"

#include <vector>

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

// A recording printer that also notes where the position stood each time a text was measured:
// printing measures its text's line cell, so the last note is where an empty text was printed.
class PositionWatch : public RecordingPrinter {
public:
    mutable std::vector<QPointF> measuredAt;

protected:
    QSizeF measure(const QString& text, const PrinterFont& font) const override
    {
        measuredAt.emplace_back(currentX(), currentY());
        return RecordingPrinter::measure(text, font);
    }
};

class OnePrinter : public PrinterSystem {
public:
    int count() const override { return 1; }
    QString deviceName(int) const override { return printer.deviceName(); }
    Printer& current() override { return printer; }
    void makeCurrent(int) override {}
    PositionWatch printer;
};

TEST(TextPrinting, AnEmptyTextIsPrintedAtTheColumnAndLeavesNoMark)
{
    for (const int16_t posicao : {0, 1, 2, -1}) {
        SCOPED_TRACE(posicao);
        TestWorkstation t;
        OnePrinter printers;
        Workstation ws{t.files, t.profile, printers, t.messages, t.screen};
        Program program{ws, t.form, t.g};
        printers.printer.setCurrentX(3);
        imp_2linha(program, 10, 40, QString(), posicao, QStringLiteral("Arial"), 10, false, false, false);

        ASSERT_FALSE(printers.printer.measuredAt.empty());
        EXPECT_EQ(printers.printer.measuredAt.back(), QPointF(40, 10));
        EXPECT_EQ(printers.printer.openDocument(), nullptr);  // no page begun for nothing
        // Printing went on to the next line: 10 points give a 4 mm line cell.
        EXPECT_DOUBLE_EQ(printers.printer.currentX(), 0);
        EXPECT_DOUBLE_EQ(printers.printer.currentY(), 14);
    }
}

// A printer that refuses a font attribute: that step is passed over, the others take effect, and
// the text is still printed, placed by its width in the font that did take effect.
TEST(TextPrinting, AnAttributeThePrinterRefusesIsPassedOver)
{
    struct Case {
        int16_t posicao;
        double x;  // 7 characters at the 14 points the printer kept: 14 mm wide
    };
    const Case cases[] = {{0, 50}, {1, 43}, {2, 36}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.posicao);
        TestWorkstation t;
        RecordingPrinter& printer = t.printers.recording();
        printer.setFontSize(14);
        printer.setFontRealiser([](double) -> double { vberr::raise(vberr::PrinterError, QStringLiteral("Printer")); });
        imp_2linha(t.program, 20, 50, QStringLiteral("ABCDEFG"), c.posicao, QStringLiteral("Calibri"), 9, true, true,
                   true);
        ASSERT_NE(printer.openDocument(), nullptr);
        const auto texts = printer.openDocument()->pages.back().texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0]->text, "ABCDEFG");
        EXPECT_DOUBLE_EQ(texts[0]->x, c.x);
        EXPECT_DOUBLE_EQ(texts[0]->y, 20);
        EXPECT_EQ(texts[0]->font.name, "Calibri");
        EXPECT_DOUBLE_EQ(texts[0]->font.size, 14);
        EXPECT_TRUE(texts[0]->font.bold);
        EXPECT_TRUE(texts[0]->font.italic);
        EXPECT_TRUE(texts[0]->font.underline);
    }
}

}  // namespace
