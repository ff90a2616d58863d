#include "labels/pack/separa_string.h"

#include <gtest/gtest.h>

namespace {

TEST(SeparaString, SplitsIntoTwoLinesByHalfTheLength)
{
    struct {
        const char* linha;
        const char* esperado;
    } const cases[] = {
        {"", "|"},
        {"PROMOCAO", "|PROMOCAO"},                       // one word never fits below the limit
        {"   ", "|"},                                    // only empty words
        {"VERAO VERAO", "VERAO|VERAO"},                  // 11 characters, limit 6
        {"ABC DEFGHIJKLM NO", "ABC NO|DEFGHIJKLM"},      // a later short word joins line 1
        {"ABCDEFGHIJ KLMNO", "KLMNO|ABCDEFGHIJ"},        // the second word prints above the first
        {"AB  CD EFGHIJKL", "AB  CD|EFGHIJKL"},          // the empty word keeps its blank
        {"  DIA DAS MAES  ", "DIA|DAS MAES"},            // leading blanks count, but do not show
        {"A|B C", "C|A|B"},                              // the joiner is not escaped
    };
    for (const auto& c : cases)
        EXPECT_EQ(SEPARA_STRING(QString::fromUtf8(c.linha)), QString::fromUtf8(c.esperado)) << c.linha;
}

}  // namespace
