#include "settings/printers.h"
#include "settings/text.h"
#include "tests/common/testworkstation.h"

#include <gtest/gtest.h>

TEST(DefineImpressoraTest, OnlyAnExactDeviceNameMatches)
{
    TestWorkstation t({QStringLiteral("Zebra ZD220"), QStringLiteral("Argox"), QStringLiteral("PDF")}, 0);
    struct {
        const char* name;
        bool found;
        int current;
    } rows[] = {{"Argox", true, 1}, {"argox", false, 1}, {"Argox ", false, 1}, {"PDF", true, 2}, {"", false, 2},
                {"Zebra ZD220", true, 0}};
    for (const auto& r : rows) {
        EXPECT_EQ(define_impressora(t.printers, QString::fromUtf8(r.name)), r.found) << r.name;
        EXPECT_EQ(t.printers.currentIndex(), r.current) << r.name;
    }
    RecordingPrinterSystem none(QStringList{});
    EXPECT_FALSE(define_impressora(none, QStringLiteral("Argox")));
}

TEST(VerificaFontesTest, NamesTheMissingFontsEachWithItsComma)
{
    struct {
        QStringList fonts;
        const char16_t* message;  // nullptr: no message
    } rows[] = {
        {{QStringLiteral("Estrangelo Edessa"), QStringLiteral("Franklin Gothic Medium"), QStringLiteral("Calibri"),
          QStringLiteral("Malgun Gothic Semilight")},
         nullptr},
        {{QStringLiteral("Estrangelo Edessa"), QStringLiteral("Franklin Gothic Medium")},
         u"Atenção: Instale as seguintes fontes: Calibri,Malgun Gothic Semilight,"},
        {{}, u"Atenção: Instale as seguintes fontes: Estrangelo Edessa,Franklin Gothic Medium,Calibri,Malgun Gothic "
             u"Semilight,"},
        {{QStringLiteral("  calibri "), QStringLiteral("ESTRANGELO EDESSA"), QStringLiteral("Franklin Gothic Medium"),
          QStringLiteral("Malgun Gothic Semilight")},
         nullptr},
        {{QStringLiteral("Calibri Light"), QStringLiteral("Estrangelo Edessa"), QStringLiteral("Franklin Gothic Medium"),
          QStringLiteral("Malgun Gothic Semilight")},
         u"Atenção: Instale as seguintes fontes: Calibri,"},
    };
    for (const auto& r : rows) {
        TestWorkstation t;
        t.printers.printer(0).setFonts(r.fonts);
        verifica_fontes(t.ws);
        if (!r.message) {
            EXPECT_TRUE(t.messages.shown().empty()) << r.fonts.join(u'|').toStdString();
        } else {
            ASSERT_EQ(t.messages.shown().size(), 1u);
            EXPECT_EQ(t.messages.shown()[0].text, QString::fromUtf16(r.message));
            EXPECT_EQ(t.messages.shown()[0].style, mb::OKOnly);
        }
        EXPECT_EQ(t.screen.pointer(), Screen::Pointer::Default);
        EXPECT_GE(t.screen.pointerChanges(), 2);  // the hourglass was shown and taken away
    }
}

TEST(VerificaFontesTest, NoMessageWhenTheFontsCannotBeListed)
{
    TestWorkstation none(QStringList{});
    verifica_fontes(none.ws);
    EXPECT_TRUE(none.messages.shown().empty());
    EXPECT_EQ(none.screen.pointer(), Screen::Pointer::Default);

    TestWorkstation unreadable;
    unreadable.printers.printer(0).setFontsUnreadable(true);
    verifica_fontes(unreadable.ws);
    EXPECT_TRUE(unreadable.messages.shown().empty());
}

TEST(TiraAcentoTest, ReplacesTheTableOnlyAndKeepsTheLength)
{
    struct {
        const char16_t* in;
        const char16_t* out;
    } rows[] = {
        {u"AÇÃO", u"AÇAO"},
        {u"sandália de couro marrom café", u"sandalia de couro marrom cafe"},
        {u"", u""},
        {u"   ", u"   "},
        {u"PRETO 123", u"PRETO 123"},
        {u"Â Ô â ô", u"Â Ô a o"},
        {u"àãâáÁÀÃçéèêÉÈÊíìÍÌóòõôÓÒúùÚÙ", u"aaaaAAAceeeEEEiiIIooooOOuuUU"},
        {u"ü Ü Õ ñ", u"ü Ü Õ ñ"},
    };
    for (const auto& r : rows) {
        const QString in = QString::fromUtf16(r.in);
        const QString out = tira_acento(in);
        EXPECT_EQ(out, QString::fromUtf16(r.out)) << in.toStdString();
        EXPECT_EQ(out.size(), in.size());
    }
}
