#include "labels/toolkit/description.h"
#include "labels/toolkit/digits.h"
#include "labels/toolkit/price.h"

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

TEST(LabelToolkit, DigitGroups)
{
    EXPECT_EQ(digitGroups("7891234567895", {6, 7}), (QStringList{"789123", "4567895"}));
    EXPECT_EQ(digitGroups("7891234567895", {1, 6, 6}), (QStringList{"7", "891234", "567895"}));
    EXPECT_EQ(digitGroups("789123456789", {6, 7}), (QStringList{"789123", "456789"}));
    EXPECT_EQ(digitGroups("7891", {6, 7}), (QStringList{"7891", ""}));
    EXPECT_EQ(digitGroups("", {6, 7}), (QStringList{"", ""}));
}

}  // namespace
