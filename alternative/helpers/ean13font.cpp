#include "alternative/helpers/ean13font.h"

#include "platform/vb.h"
#include "settings/ean.h"

namespace {

// Which of the positions 3 to 7 take set A (odd parity) for each leading digit; position 2
// always does. The left-half parity patterns of the EAN-13 standard.
constexpr bool kSetA[10][5] = {
    /* 0 */ {true, true, true, true, true},
    /* 1 */ {true, false, true, false, false},
    /* 2 */ {true, false, false, true, false},
    /* 3 */ {true, false, false, false, true},
    /* 4 */ {false, true, true, false, false},
    /* 5 */ {false, false, true, true, false},
    /* 6 */ {false, false, false, true, true},
    /* 7 */ {false, true, false, true, false},
    /* 8 */ {false, true, false, false, true},
    /* 9 */ {false, false, true, false, true},
};

constexpr char16_t kSetAStart = u'A';
constexpr char16_t kSetBStart = u'K';
constexpr char16_t kSetCStart = u'a';

}  // namespace

QString EAN13(QString& chaine)
{
    if (chaine.size() != 12)
        return {};
    for (const QChar ch : chaine)
        if (ch < u'0' || ch > u'9')
            return {};
    chaine += vb::Trim(digito_ean13(chaine));

    auto digit = [&](int position) { return chaine.at(position - 1).unicode() - u'0'; };
    const int first = digit(1);
    QString text;
    text += chaine.at(0);
    text += QChar(kSetAStart + digit(2));
    for (int position = 3; position <= 7; ++position)
        text += QChar((kSetA[first][position - 3] ? kSetAStart : kSetBStart) + digit(position));
    text += u'*';
    for (int position = 8; position <= 13; ++position)
        text += QChar(kSetCStart + digit(position));
    text += u'+';
    return text;
}
