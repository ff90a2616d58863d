#include "platform/errors.h"
#include "platform/vb.h"

#include <gtest/gtest.h>

TEST(VbText, TrimRemovesBlanksOnly)
{
    struct {
        const char16_t* in;
        const char16_t* trim;
        const char16_t* ltrim;
        const char16_t* rtrim;
    } rows[] = {
        {u"  a b  ", u"a b", u"a b  ", u"  a b"},
        {u"\ta\t", u"\ta\t", u"\ta\t", u"\ta\t"},
        {u"   ", u"", u"", u""},
        {u"", u"", u"", u""},
        {u" \t ", u"\t", u"\t ", u" \t"},
    };
    for (const auto& r : rows) {
        const QString in = QString::fromUtf16(r.in);
        EXPECT_EQ(vb::Trim(in), QString::fromUtf16(r.trim)) << in.toStdString();
        EXPECT_EQ(vb::LTrim(in), QString::fromUtf16(r.ltrim)) << in.toStdString();
        EXPECT_EQ(vb::RTrim(in), QString::fromUtf16(r.rtrim)) << in.toStdString();
    }
}

TEST(VbText, LeftRightMidNeverFailOnShortText)
{
    const QString s = QStringLiteral("abc");
    EXPECT_EQ(vb::Left(s, 10), s);
    EXPECT_EQ(vb::Left(s, 0), QString());
    EXPECT_EQ(vb::Right(s, 2), QStringLiteral("bc"));
    EXPECT_EQ(vb::Right(s, 10), s);
    EXPECT_EQ(vb::Mid(s, 2), QStringLiteral("bc"));
    EXPECT_EQ(vb::Mid(s, 2, 1), QStringLiteral("b"));
    EXPECT_EQ(vb::Mid(s, 3, 10), QStringLiteral("c"));
    EXPECT_EQ(vb::Mid(s, 4), QString());
    EXPECT_EQ(vb::Mid(s, 9, 2), QString());
    EXPECT_THROW(vb::Mid(s, 0), ProgramError);
    EXPECT_EQ(vb::InStr(QStringLiteral("a|b|c"), QStringLiteral("|")), 2);
    EXPECT_EQ(vb::InStr(QStringLiteral("a|b|c"), QStringLiteral("|"), 3), 4);
    EXPECT_EQ(vb::InStr(QStringLiteral("abc"), QStringLiteral("B")), 0);
}

TEST(VbText, UpperCaseKeepsTheLength)
{
    const QString s = QStringLiteral("straße ção é");
    const QString u = vb::UCase(s);
    EXPECT_EQ(u.size(), s.size());
    EXPECT_EQ(u, QStringLiteral("STRAßE ÇÃO É"));
    EXPECT_EQ(vb::LCase(QStringLiteral("ÇÃO")), QStringLiteral("ção"));
}

TEST(VbText, SplitOfEmptyTextHasNoParts)
{
    EXPECT_TRUE(vb::Split(QString(), QStringLiteral(";")).isEmpty());
    EXPECT_EQ(vb::Split(QStringLiteral(";"), QStringLiteral(";")), (QStringList{QString(), QString()}));
    EXPECT_EQ(vb::Split(QStringLiteral("a;;b"), QStringLiteral(";")).size(), 3);
}

TEST(VbNumbers, ParseWithDecimalCommaWhateverTheLocale)
{
    struct {
        const char* text;
        bool ok;
        double value;
    } rows[] = {
        {"1,25", true, 1.25},   {" 2,2 ", true, 2.2},     {"-3", true, -3},       {"+4,5", true, 4.5},
        {",5", true, 0.5},      {"7,", true, 7},          {"1.250", true, 1250},  {"1.250,5", true, 1250.5},
        {"12.345.678", true, 12345678}, {"1E3", true, 1000}, {"2,5e-1", true, 0.25},
        {"1.25", false, 0},     {"1.2", false, 0},        {".5", false, 0},       {"1..000", false, 0},
        {"", false, 0},         {"   ", false, 0},        {"abc", false, 0},      {"1,2,3", false, 0},
        {"12a", false, 0},      {"-", false, 0},          {",", false, 0},        {"1E", false, 0},
        {"\t5", false, 0},
    };
    for (const auto& r : rows) {
        const auto v = vb::parseNumber(QString::fromUtf8(r.text));
        EXPECT_EQ(v.has_value(), r.ok) << r.text;
        if (v && r.ok) {
            EXPECT_DOUBLE_EQ(*v, r.value) << r.text;
        }
        EXPECT_EQ(vb::IsNumeric(QString::fromUtf8(r.text)), r.ok) << r.text;
    }
    EXPECT_THROW(vb::CDbl(QStringLiteral("x")), ProgramError);
    EXPECT_FLOAT_EQ(vb::CSng(QStringLiteral("2,2")), 2.2f);
}

TEST(VbNumbers, WholeNumbersRoundHalfToEvenAndCheckTheRange)
{
    struct {
        double in;
        int out;
    } rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3},
                {32767, 32767}, {32767.4, 32767}, {-32768, -32768}, {-32768.5, -32768}};
    for (const auto& r : rows)
        EXPECT_EQ(vb::CInt(r.in), r.out) << r.in;
    for (double bad : {32767.5, 32768.0, -32768.6, 1e10})
        try {
            vb::CInt(bad);
            ADD_FAILURE() << bad << " converted";
        } catch (const ProgramError& e) {
            EXPECT_EQ(e.number(), vberr::Overflow);
        }
    EXPECT_EQ(vb::CInt(QStringLiteral("12,5")), 12);
    try {
        vb::CInt(QStringLiteral("doze"));
        ADD_FAILURE();
    } catch (const ProgramError& e) {
        EXPECT_EQ(e.number(), vberr::TypeMismatch);
    }
    EXPECT_EQ(vb::CLng(70000.5), 70000);
    EXPECT_THROW(vb::CLng(3e9), ProgramError);
}

TEST(VbNumbers, ValReadsTheLeadingNumberWithAPoint)
{
    EXPECT_DOUBLE_EQ(vb::Val(QStringLiteral("12abc")), 12);
    EXPECT_DOUBLE_EQ(vb::Val(QStringLiteral(" 1 2,5")), 12);
    EXPECT_DOUBLE_EQ(vb::Val(QStringLiteral("3.75")), 3.75);
    EXPECT_DOUBLE_EQ(vb::Val(QStringLiteral("x1")), 0);
    EXPECT_DOUBLE_EQ(vb::Val(QString()), 0);
}

TEST(VbNumbers, NumbersAreWrittenWithADecimalComma)
{
    EXPECT_EQ(vb::CStr(2.2), QStringLiteral("2,2"));
    EXPECT_EQ(vb::CStr(2.2f), QStringLiteral("2,2"));
    EXPECT_EQ(vb::CStr(40.0), QStringLiteral("40"));
    EXPECT_EQ(vb::CStr(-0.5), QStringLiteral("-0,5"));
    EXPECT_EQ(vb::CStr(0.0), QStringLiteral("0"));
}
