#include "labels/toolkit/description.h"
#include "labels/toolkit/digits.h"
#include "labels/toolkit/elements.h"
#include "labels/toolkit/price.h"
#include "labels/toolkit/twoacross.h"
#include "platform/recordingprinter.h"

#include <gtest/gtest.h>

using namespace labels;

namespace {

TEST(LabelToolkit, PriceSplitAndNoPrice)
{
    struct Case {
        const char* price;
        const char* integer;
        const char* cents;
        bool noPrice;
    };
    const Case cases[] = {
        {"129,90", "129,", "90", false},
        {"129", "", "29", false},       // no comma: no integer part, the last two characters
        {"12,5", "12,", ",5", false},   // the cents are always the last two characters
        {"1,234,5", "1,", ",5", false}, // up to the first comma
        {"", "", "", false},            // blank counts as a price
        {"0,00", "0,", "00", true},
        {" 0,00  ", " 0,", "  ", true},
        {"0,0", "0,", ",0", false},
        {"00,00", "00,", "00", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.price);
        const PriceParts parts = splitPrice(c.price);
        EXPECT_EQ(parts.integer, c.integer);
        EXPECT_EQ(parts.cents, c.cents);
        EXPECT_EQ(sem_preco(c.price), c.noPrice);
    }
}

TEST(LabelToolkit, PrefixSearchEndsAtTheEndOfTheText)
{
    int measured = 0;
    const TextWidth width = [&](const QString& s) {
        ++measured;
        return double(s.size());
    };
    const QString text = QStringLiteral("ABCDEFGH");
    EXPECT_EQ(firstPrefix(text, width, [](int, double w) { return w >= 3; }), 3);
    measured = 0;
    EXPECT_EQ(firstPrefix(text, width, [](int, double w) { return w > 8; }), 0);
    EXPECT_EQ(measured, 8);
    EXPECT_EQ(firstPrefix(QString(), width, [](int, double) { return true; }), 0);
}

TEST(LabelToolkit, BreakCharactersAndDigits)
{
    const QString text = QStringLiteral("AB-CD/EF.G H12");
    EXPECT_EQ(lastBreak(text, text.size()), 11);
    EXPECT_EQ(lastBreak(text, 10), 9);
    EXPECT_EQ(lastBreak(text, 2), 0);
    EXPECT_EQ(lastBreak(text, 99), 11);
    EXPECT_EQ(lastBreak(text, 6, u" "), 0);
    EXPECT_TRUE(isBreakAt(text, 3));
    EXPECT_FALSE(isBreakAt(text, 0));
    EXPECT_FALSE(isBreakAt(text, 15));
    EXPECT_TRUE(isDigitAt(text, 13));
    EXPECT_FALSE(isDigitAt(text, 12));
    EXPECT_FALSE(isDigitAt(text, 0));
    EXPECT_EQ(withoutLineBreaks(QStringLiteral("A\r\nB\nC\rD\tE")), QStringLiteral("ABCD\tE"));
}

// A description of any length is measured about once over, not once for every character: each
// rule gives the split it gives a short text while the characters measured stay near the text's
// own length.
TEST(LabelToolkit, LongDescriptionsAreMeasuredInLinearWork)
{
    constexpr int kLength = 20000;
    const QString noBreak(kLength, u'A');
    const QString breakFarOn = QString(kLength, u'A') + QStringLiteral(" B");
    const QString cutEarly = QStringLiteral("SAPATO SOCIAL ") + QString(kLength, u'C');
    using Rule = DescriptionLines (*)(const QString&, const TextWidth&, double);
    struct Case {
        const char* name;
        Rule rule;
        QString text;
        QString first, second;
    };
    const Case cases[] = {
        {"separator or digit, no break: whole on the first line", breakAtSeparatorOrDigit, noBreak, noBreak, {}},
        {"separator or digit, a blank at the end", breakAtSeparatorOrDigit, breakFarOn, QString(kLength, u'A') + u' ',
         QStringLiteral("B")},
        {"separator or digit, no break past the limit", breakAtSeparatorOrDigit, cutEarly, cutEarly, {}},
        {"last separator or cut, no break", breakAtLastSeparatorOrCut, noBreak, QString(22, u'A'),
         QString(kLength - 22, u'A')},
        {"last separator or cut, an early blank", breakAtLastSeparatorOrCut, cutEarly, QStringLiteral("SAPATO SOCIAL"),
         u' ' + QString(kLength, u'C')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qint64 measured = 0;
        const TextWidth width = [&](const QString& s) {
            measured += s.size();
            return double(s.size());
        };
        const DescriptionLines lines = c.rule(c.text, width, 22.5);
        EXPECT_EQ(lines.first, c.first);
        EXPECT_EQ(lines.second, c.second);
        EXPECT_LT(measured, 4 * c.text.size());
    }
}

TEST(LabelToolkit, DigitGroups)
{
    EXPECT_EQ(digitGroups("7891234567895", {6, 7}), (QStringList{"789123", "4567895"}));
    EXPECT_EQ(digitGroups("7891234567895", {1, 6, 6}), (QStringList{"7", "891234", "567895"}));
    EXPECT_EQ(digitGroups("789123456789", {6, 7}), (QStringList{"789123", "456789"}));
    EXPECT_EQ(digitGroups("7891", {6, 7}), (QStringList{"7891", ""}));
    EXPECT_EQ(digitGroups("", {6, 7}), (QStringList{"", ""}));
}

}  // namespace

namespace {

using Pages = std::vector<QStringList>;

TEST(LabelToolkit, TwoAcrossRules)
{
    struct Case {
        const char* name;
        RowRule rule;
        int16_t start;
        int count;
        int failAt;  // the label whose drawing fails, 0 for none
        Pages pages;
        int16_t end;
    };
    const Case cases[] = {
        {"three from the left", RowRule::CountFirst, 1, 3, 0, {{"L", "R"}, {"L"}}, 2},
        {"starting on the right", RowRule::CountFirst, 2, 1, 0, {{"R"}}, 1},
        {"counter 0 counts up into the left column", RowRule::CountFirst, 0, 2, 0, {{"R", "L"}}, 2},
        {"a counter past 2 ends the row at once", RowRule::CountFirst, 5, 2, 0, {{"R"}, {"L"}}, 2},
        {"none", RowRule::CountFirst, 2, 0, 0, {}, 2},
        {"a failing right-hand label still ends its row", RowRule::CountFirst, 1, 3, 2, {{"L", "R"}}, 1},
        {"earlier rule, three from the left", RowRule::RightEndsRow, 1, 3, 0, {{"L", "R"}, {"L"}}, 2},
        {"earlier rule, counter 0 is a right-hand label", RowRule::RightEndsRow, 0, 2, 0, {{"R"}, {"L"}}, 2},
        {"earlier rule, a failing right-hand label ends its row", RowRule::RightEndsRow, 2, 2, 1, {{"R"}}, 1},
        {"earlier rule, a failing left-hand label keeps the right place", RowRule::RightEndsRow, 1, 2, 1, {{"L"}}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPrinter printer;
        int16_t coluna = c.start;
        int drawn = 0;
        const auto print = [&] {
            printTwoAcross(
                printer, coluna, c.count, Columns{10, 60, 3},
                [&](double x, double y) {
                    printer.setCurrentX(x);
                    printer.setCurrentY(y);
                    printer.print(x == 10 ? "L" : "R");
                    if (++drawn == c.failAt)
                        vberr::raise(vberr::InvalidPicture);
                },
                c.rule);
        };
        if (c.failAt)
            EXPECT_THROW(print(), ProgramError);
        else
            print();
        EXPECT_EQ(coluna, c.end);
        printer.endDoc();
        Pages pages;
        if (!printer.documents().empty())
            for (const auto& page : printer.documents().back().pages) {
                pages.emplace_back();
                for (const auto* t : page.texts())
                    pages.back() << t->text;
            }
        EXPECT_EQ(pages, c.pages);
    }
}

TEST(LabelToolkit, ElementTableWalk)
{
    enum class F { Text, Box };
    enum class W { Yes, No };
    using Row = Element<F, W>;
    constexpr Row table[] = {
        Row{F::Text, W::Yes, {"Calibri", 9, Bold::On}, 1, 2},
        Row{F::Text, W::No, {"Arial", 30, Bold::Off}, 5, 5},
        Row{F::Text, W::Yes, {nullptr, 0, Bold::Keep}, 10, 20, 0, 0, 0, kCentsWidth | kCashWidth},
        Row{F::Box, W::Yes, {}, 3, 4, 2, 0.5},
    };
    RecordingPrinter printer;
    const PriceWidths widths{1, 100, 100, 0.25};
    drawElements(
        printer, table, 100, 50, [](W w) { return w == W::Yes; },
        [&](const Row& e, double x, double y) {
            if (e.field == F::Box)
                fillElement(printer, e, x, y);
            else
                printAt(printer, x, y, "t");
        },
        &widths);
    printer.endDoc();
    const auto& ops = printer.documents().at(0).pages.at(0).ops;
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_DOUBLE_EQ(ops[0].x, 101);
    EXPECT_DOUBLE_EQ(ops[0].y, 52);
    // A row without a font of its own keeps the one before it.
    EXPECT_EQ(ops[1].font.name, "Calibri");
    EXPECT_DOUBLE_EQ(ops[1].font.size, 9);
    EXPECT_TRUE(ops[1].font.bold);
    EXPECT_DOUBLE_EQ(ops[1].x, 110 - 1 - 0.25);
    EXPECT_EQ(ops[2].kind, RecordingPrinter::Kind::Box);
    EXPECT_DOUBLE_EQ(ops[2].x, 103);
    EXPECT_DOUBLE_EQ(ops[2].y, 54);
    EXPECT_DOUBLE_EQ(ops[2].width, 2);
    EXPECT_DOUBLE_EQ(ops[2].height, 0.5);
}

}  // namespace
