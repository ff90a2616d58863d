// The keyboard helpers and the size-grid procedures, as tables.
#include "form/grid.h"
#include "form/selection.h"
#include "platform/errors.h"
#include "settings/fields.h"

#include "tests/app/qtprint.h"

#include <gtest/gtest.h>

namespace {

int16_t code(unsigned char c) { return static_cast<int16_t>(c); }

}  // namespace

TEST(KeyHelpersTest, EveryFilterOnEveryKindOfKey)
{
    // Character codes in Windows-1252, as a key-press handler sees them.
    struct {
        int16_t key;
        int16_t numero, mais, inteiro, decimal;
        const char* what;
    } rows[] = {
        /*  0 */ {'0', '0', '0', '0', '0', "digit 0"},
        /*  1 */ {'5', '5', '5', '5', '5', "digit 5"},
        /*  2 */ {'9', '9', '9', '9', '9', "digit 9"},
        /*  3 */ {'a', 0, 'A', 0, 0, "small a"},
        /*  4 */ {'z', 0, 'Z', 0, 0, "small z"},
        /*  5 */ {'Q', 0, 'Q', 0, 0, "capital Q"},
        /*  6 */ {' ', 0, ' ', 0, 0, "blank"},
        /*  7 */ {'-', 0, '-', '-', '-', "minus"},
        /*  8 */ {',', 0, ',', 0, ',', "comma"},
        /*  9 */ {'.', 0, '.', 0, ',', "point, a comma in a decimal box"},
        /* 10 */ {'+', 0, '+', 0, 0, "plus"},
        /* 11 */ {8, 8, 8, 8, 8, "Backspace"},
        /* 12 */ {13, 0, 13, 0, 0, "Enter"},
        /* 13 */ {1, 1, 1, 0, 0, "Ctrl+A"},
        /* 14 */ {22, 0, 22, 0, 0, "Ctrl+V"},
        /* 15 */ {code(0xE7), 0, code(0xC7), 0, 0, "c-cedilla"},
        /* 16 */ {code(0xE3), 0, code(0xC3), 0, 0, "a-tilde"},
        /* 17 */ {code(0xE9), 0, code(0xC9), 0, 0, "e-acute"},
        /* 18 */ {code(0xC7), 0, code(0xC7), 0, 0, "capital C-cedilla"},
        /* 19 */ {code(0x9A), 0, code(0x8A), 0, 0, "s-caron, a letter of Windows-1252"},
        /* 20 */ {code(0x9C), 0, code(0x8C), 0, 0, "oe ligature"},
        /* 21 */ {code(0xFF), 0, code(0x9F), 0, 0, "y-diaeresis, whose capital lies at 0x9F"},
        /* 22 */ {code(0xB5), 0, code(0xB5), 0, 0, "micro sign: its capital is not in the code page"},
        /* 23 */ {code(0xDF), 0, code(0xDF), 0, 0, "sharp s has no one-letter capital"},
        /* 24 */ {code(0xB2), 0, code(0xB2), 0, 0, "superscript two is not a digit"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Numero(r.key), r.numero) << r.what;
        EXPECT_EQ(Mais(r.key), r.mais) << r.what;
        EXPECT_EQ(so_inteiro(r.key), r.inteiro) << r.what;
        EXPECT_EQ(so_decimal(r.key), r.decimal) << r.what;
    }
}

namespace {

class FailingKeystrokes : public Keystrokes {
public:
    void send(const QString&) override { vberr::raise(vberr::InvalidCall, QStringLiteral("SendKeys")); }
};

}  // namespace

TEST(KeyHelpersTest, ProximoQueuesTabForEnterAndDownAndShiftTabForUp)
{
    struct {
        int16_t key;
        const char* sent;  // nullptr: nothing
    } rows[] = {
        {13, "{tab}"}, {40, "{tab}"}, {38, "+{tab}"}, {37, nullptr}, {39, nullptr},
        {9, nullptr},  {8, nullptr},  {'A', nullptr}, {0, nullptr},
    };
    for (const auto& r : rows) {
        RecordingKeystrokes keys;
        proximo(&keys, r.key);
        EXPECT_EQ(keys.sent, r.sent ? QStringList{QString::fromLatin1(r.sent)} : QStringList{}) << r.key;
    }
    FailingKeystrokes failing;
    proximo(&failing, 13);  // a failure to send is ignored
    proximo(nullptr, 13);   // and so is a missing service
}

TEST(KeyHelpersTest, SelecionaSelectsFromTheStartAsManyCharactersAsTheTrimmedText)
{
    struct {
        const char* text;
        int length;
    } rows[] = {
        {"abc", 3}, {"  ab", 2}, {"ab  ", 2}, {" a b ", 3}, {"", 0}, {"   ", 0}, {"\tab", 3},
    };
    for (const auto& r : rows) {
        TextBox box;
        box.text = QString::fromLatin1(r.text);
        box.selStart = 2;
        seleciona(box);
        EXPECT_EQ(box.selStart, 0) << r.text;
        EXPECT_EQ(box.selLength, r.length) << r.text;
        box.selStart = 1;
        seleciona_texto(box);
        EXPECT_EQ(box.selStart, 0) << r.text;
        EXPECT_EQ(box.selLength, r.length) << r.text;
    }
}

TEST(KeyHelpersTest, SomaTotalsTheCellsThatHoldAQuantity)
{
    struct {
        std::vector<const char*> cells;  // from cell 0; the rest empty
        const char* pares;
        const char* ocultas;
    } rows[] = {
        /* 0 */ {{}, "0", "0"},
        /* 1 */ {{"5", "", " 3"}, "8", "16"},
        /* 2 */ {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"}, "105", "210"},
        /* 3 */ {std::vector<const char*>(14, "32767"), "458738", "917476"},  // not bounded by 16 bits
        /* 4 */ {{" 7 ", "  "}, "7", "14"},
        /* 5 */ {{"32768", "4"}, "4", "8"},  // more than a cell holds: not counted
        /* 6 */ {{"abc", "-1", "2,5", "+3", "6"}, "6", "12"},  // only whole numbers 0 to 32767 count
        /* 7 */ {{"0", "007"}, "7", "14"},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        MainForm f;
        OCULTA_ITENS(f);
        for (size_t k = 0; k < rows[i].cells.size(); ++k)
            f.txtnumero[k].text = QString::fromLatin1(rows[i].cells[k]);
        soma(f);
        EXPECT_EQ(f.TXTPARES.text, QString::fromLatin1(rows[i].pares)) << "row " << i;
        EXPECT_EQ(f.TXTOCULTAS.text, QString::fromLatin1(rows[i].ocultas)) << "row " << i;
    }
}

TEST(KeyHelpersTest, OcultaItensEmptiesAndHidesTheFourteenCells)
{
    MainForm f;
    for (int k = 0; k < MainForm::kSizeCells; ++k) {
        f.Label7[k].visible = true;
        f.txtnumero[k].visible = true;
        f.txtnumero[k].text = QStringLiteral("3");
    }
    f.TXTPARES.text = QStringLiteral("42");
    OCULTA_ITENS(f);
    for (int k = 0; k < MainForm::kSizeCells; ++k) {
        EXPECT_TRUE(f.Label7[k].caption.isEmpty()) << k;
        EXPECT_FALSE(f.Label7[k].visible) << k;
        EXPECT_TRUE(f.txtnumero[k].text.isEmpty()) << k;
        EXPECT_FALSE(f.txtnumero[k].visible) << k;
    }
    EXPECT_EQ(f.TXTPARES.text, QStringLiteral("42"));  // the totals are left alone
}
