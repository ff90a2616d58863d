#include "orders/ret_codcomplemento.h"

#include "settings/ean.h"
#include "tests/orders/orderfixture.h"

namespace {

TEST(DigitoEan13, CheckDigitOfTheFirstTwelveCharacters)
{
    const struct {
        const char* code;
        const char* digit;
    } cases[] = {
        {"590123412345", " 7"},  {"400638133393", " 1"},
        {"000000000000", " 0"},  {"5901234123450", " 7"},  // only the first 12 count
        {"59012341234A", " 2"},  // a letter counts 0
        {"12", " 3"},            // missing positions count 0
        {"", " 0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(digito_ean13(QString::fromLatin1(c.code)), QString::fromLatin1(c.digit)) << c.code;
}

class CodeLookup : public OrderTest {
protected:
    void item(const QString& codigo, const QString& descricao, const QString& cor)
    {
        f.txtcodigo.text = codigo;
        f.txtdescricao.text = descricao;
        f.txtcor.text = cor;
    }
};

TEST_F(CodeLookup, FrenteSizesAndAccessoryZero)
{
    lines({QStringLiteral("1;PRETO;36 ;X;SAPATO;111111111111;4501237036;42;F1;P;2;Z"),
           QStringLiteral("1;PRETO;36;X;SAPATO; 590123412345 ;4501237036 ;42;F1;P;2;Z"),
           QStringLiteral("1;PRETO;36;X;SAPATO;999999999999;4501237099;42;F1;P;2;Z"),
           QStringLiteral("1;PRETO;036;X;SAPATO;5901234123450;4501237;42;F1;P;2;Z"),
           QStringLiteral("1;PRETO;37;X;SAPATO;59012341234;4501237;42;F1;P;2;Z"),
           QStringLiteral("1;PRETO;38;X;SAPATO;59012341234567;4501237;42;F1;P;2;Z"),
           QStringLiteral("1;PRETO;39;X;SAPATO;59012341234A;4501237;42;F1;P;2;Z"),
           QStringLiteral("1;PRETO;40;X;SAPATO;;4501237;42;F1;P;2;Z"),
           QStringLiteral("2;PRETO;U;SAPATO;23;F1;400638133393;4501237ACC;9,90;;;X"),
           QStringLiteral("1;PRETO")});  // a short line of another family never matches
    item(QStringLiteral(" 4501237 "), QStringLiteral("SAPATO "), QStringLiteral(" PRETO"));

    struct Case {
        QString size, barra, master;
    };
    const Case cases[] = {
        /* 0 exact size; first match */ {"36", "5901234123457", "4501237036"},
        /* 1 */ {"36 ", "1111111111116", "4501237036"},
        /* 2 13 digits stay */ {"036", "5901234123450", "4501237"},
        /* 3 11 digits stay */ {"37", "59012341234", "4501237"},
        /* 4 14 digits stay */ {"38", "59012341234567", "4501237"},
        /* 5 letter counts 0 */ {"39", "59012341234A2", "4501237"},
        /* 6 blank EAN */ {"40", "", "4501237"},
        /* 7 accessory */ {"0", "4006381333931", "4501237ACC"},
        /* 8 */ {"00", "4006381333931", "4501237ACC"},
        /* 9 */ {"0,0", "4006381333931", "4501237ACC"},
        /* 10 no line of that size */ {"41", "", ""},
        /* 11 not a number */ {"P", "", ""},
        /* 12 */ {"33/34", "", ""},
        /* 13 */ {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size.toStdString());
        f.lblbarra.caption = QStringLiteral("antes");
        f.lblmaster.caption = QStringLiteral("antes");
        ret_codcomplemento(p, c.size);
        EXPECT_EQ(f.lblbarra.caption, c.barra);
        EXPECT_EQ(f.lblmaster.caption, c.master);
    }
}

TEST_F(CodeLookup, ItemFieldsCompareWithLetterCase)
{
    lines({QStringLiteral("1;PRETO;36;X;SAPATO;590123412345;4501237036;42;F1;P;2;Z")});
    const struct {
        QString codigo, descricao, cor;
        bool found;
    } cases[] = {
        {"4501237", "SAPATO", "PRETO", true},
        {"4501237", "SAPATO", "Preto", false},
        {"4501237", "sapato", "PRETO", false},
        {"450123", "SAPATO", "PRETO", false},
    };
    for (const auto& c : cases) {
        item(c.codigo, c.descricao, c.cor);
        ret_codcomplemento(p, QStringLiteral("36"));
        EXPECT_EQ(!f.lblbarra.caption.isEmpty(), c.found) << c.cor.toStdString() << c.descricao.toStdString();
    }
}

}  // namespace
