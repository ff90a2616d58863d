#include "alternative/helpers/ean13font.h"

#include <gtest/gtest.h>

namespace {

TEST(Ean13FontText, ValidNumbersGetTheirSymbolText)
{
    // Expected texts worked out from the standard's parity table (L = set A, G = set B) and
    // published EAN-13 numbers (4006381333931, 5901234123457).
    struct Case {
        const char* chaine;
        const char* completed;
        const char* text;
    };
    const Case cases[] = {
        {"400638133393", "4006381333931", "4AKGDSL*dddjdb+"},
        {"590123412345", "5901234123457", "5JKLCDO*bcdefh+"},
        {"000000000000", "0000000000000", "0AAAAAA*aaaaaa+"},  // sum a multiple of 10: digit 0
        {"123456789012", "1234567890128", "1CDOFQR*ijabci+"},
        {"200000000001", "2000000000015", "2AAKKAK*aaaabf+"},
        {"311111111111", "3111111111114", "3BBLLLB*bbbbbe+"},
        {"412345678901", "4123456789018", "4BMDEPQ*hijabi+"},
        {"598765432109", "5987654321093", "5JSRGFO*dcbajd+"},
        {"600000000000", "6000000000004", "6AKKKAA*aaaaae+"},
        {"712345678912", "7123456789121", "7BMDOFQ*hijbcb+"},
        {"812345678903", "8123456789038", "8BMDOPG*hijadi+"},
        {"978020137962", "9780201379624", "9HSKCKB*dhjgce+"},
    };
    for (const Case& c : cases) {
        QString chaine = QString::fromLatin1(c.chaine);
        const QString text = EAN13(chaine);
        EXPECT_EQ(text.toStdString(), c.text) << c.chaine;
        EXPECT_EQ(chaine.toStdString(), c.completed) << c.chaine;
    }
}

TEST(Ean13FontText, AnythingButTwelveDigitsGivesNothing)
{
    const char* const cases[] = {
        "",
        "59012341234",     // 11
        "5901234123457",   // 13
        "59012341234 ",    // a blank
        " 59012341234",
        "590123-412345",
        "+59012341234",
        "59012341234A",
        "5901234123,5",
        "٥٩٠١٢٣٤١٢٣٤٥",  // digits of another script
    };
    for (const char* c : cases) {
        QString chaine = QString::fromUtf8(c);
        const QString before = chaine;
        EXPECT_EQ(EAN13(chaine), QString()) << c;
        EXPECT_EQ(chaine, before) << c;
    }
}

TEST(Ean13FontText, SecondCallOnTheSameVariableFails)
{
    QString chaine = QStringLiteral("590123412345");
    EXPECT_EQ(EAN13(chaine).size(), 15);
    EXPECT_EQ(EAN13(chaine), QString());
    EXPECT_EQ(chaine, "5901234123457");
}

}  // namespace
