#include "platform/profilefile.h"
#include "tests/common/testworkstation.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct ProfileFixture : ::testing::Test {
    TestWorkstation t;
    QString ini() const { return t.path(QStringLiteral("t.ini")); }
    QString read(const QString& section, const QString& key, const QString& def = QStringLiteral("DEF"), int size = 256)
    {
        return t.profile.read(ini(), section, key, def, size).text;
    }
    QByteArray bytes() const { return t.readBytes(QStringLiteral("t.ini")); }
};

}  // namespace

TEST_F(ProfileFixture, ReadsKeysAsTheWorkstationDoes)
{
    t.writeBytes(QStringLiteral("t.ini"),
                 "; comment\r\n"
                 "[S]\r\n"
                 "  Key  =  value  \r\n"
                 "Mid=a  b\t c\r\n"
                 "Eq=a=b=c\r\n"
                 "Quoted=  \"  abc  \"  \r\n"
                 "Single='x'\r\n"
                 "Half=\"abc\r\n"
                 "Empty=\r\n"
                 "Dup=first\r\n"
                 "Dup=second\r\n"
                 ";Commented=1\r\n"
                 "#Hash=1\r\n"
                 "NoEquals\r\n"
                 "Acc=\xe7\xe3o\r\n"
                 "[ Spaced ]\n"
                 "k=lf\r"
                 "[s]\r\n"
                 "Later=hidden\r\n");
    struct {
        const char* section;
        const char* key;
        const char16_t* expected;
    } rows[] = {
        {"S", "Key", u"value"},
        {"s", "KEY", u"value"},
        {"S", "Mid", u"a  b\t c"},
        {"S", "Eq", u"a=b=c"},
        {"S", "Quoted", u"  abc  "},
        {"S", "Single", u"x"},
        {"S", "Half", u"\"abc"},
        {"S", "Empty", u""},
        {"S", "Dup", u"first"},
        {"S", "Commented", u"DEF"},
        {"S", ";Commented", u"DEF"},
        {"S", "Hash", u"DEF"},
        {"S", "NoEquals", u"DEF"},
        {"S", "Acc", u"ção"},
        {"Spaced", "k", u"lf"},
        {"S", "Later", u"DEF"},  // only the first of two sections is searched
        {"Missing", "Key", u"DEF"},
        {"S", "Missing", u"DEF"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(read(QString::fromUtf8(r.section), QString::fromUtf8(r.key)), QString::fromUtf16(r.expected))
            << r.section << "/" << r.key;
}

TEST_F(ProfileFixture, MissingFileGivesTheTrimmedDefaultAndCreatesNothing)
{
    EXPECT_EQ(read(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("abc  ")), QStringLiteral("abc"));
    EXPECT_EQ(read(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("\"q\"")), QStringLiteral("q"));
    EXPECT_FALSE(QFileInfo::exists(ini()));
}

TEST_F(ProfileFixture, LongValuesAreCutToOneLessThanTheBuffer)
{
    const QByteArray v(300, 'x');
    t.writeBytes(QStringLiteral("t.ini"), "[S]\r\nK=" + v + "\r\nQ=\"abc\"\r\n");
    struct {
        int size;
        int count;
    } rows[] = {{256, 255}, {512, 300}, {301, 300}, {300, 299}, {1, 0}};
    for (const auto& r : rows) {
        const auto got = t.profile.read(ini(), QStringLiteral("S"), QStringLiteral("K"), QString(), r.size);
        EXPECT_EQ(got.count, r.count) << r.size;
        EXPECT_EQ(got.text, QString(r.count, u'x')) << r.size;
    }
    // Surrounding quotes take buffer room: the closing one only goes when it fitted.
    EXPECT_EQ(t.profile.read(ini(), QStringLiteral("S"), QStringLiteral("Q"), QString(), 256).text, QStringLiteral("abc"));
    EXPECT_EQ(t.profile.read(ini(), QStringLiteral("S"), QStringLiteral("Q"), QString(), 4).text, QStringLiteral("ab"));
}

TEST_F(ProfileFixture, WriteCreatesTheFileWithOnlyThatKey)
{
    EXPECT_TRUE(t.profile.write(ini(), QStringLiteral("Config"), QStringLiteral("arquivo"), QStringLiteral("123")));
    EXPECT_EQ(bytes(), QByteArray("[Config]\r\narquivo=123\r\n"));
}

TEST_F(ProfileFixture, WriteReplacesInPlaceAndKeepsOtherLines)
{
    t.writeBytes(QStringLiteral("t.ini"),
                 "; top comment\n[Impressora]\n  Path = /x \n\nJava=\n[margem]\nA=1\n; tail\n");
    ASSERT_TRUE(t.profile.write(ini(), QStringLiteral("IMPRESSORA"), QStringLiteral("PATH"), QStringLiteral("/novo")));
    ASSERT_TRUE(t.profile.write(ini(), QStringLiteral("Margem"), QStringLiteral("B"), QStringLiteral("2,2")));
    ASSERT_TRUE(t.profile.write(ini(), QStringLiteral("Nova"), QStringLiteral("K"), QString()));
    EXPECT_EQ(bytes(), QByteArray("; top comment\r\n[Impressora]\r\nPath=/novo\r\nJava=\r\n[margem]\r\nA=1\r\nB=2,2\r\n"
                                  "; tail\r\n[Nova]\r\nK=\r\n"));
}

TEST_F(ProfileFixture, TheSameValueAgainLeavesTheFileUntouched)
{
    const QByteArray original("[S]\nK = v\n\n");
    t.writeBytes(QStringLiteral("t.ini"), original);
    ASSERT_TRUE(t.profile.write(ini(), QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_EQ(bytes(), original);
}

TEST_F(ProfileFixture, ValuesWithBlanksAroundThemReadBackAsGivenAndNoneDeletes)
{
    struct {
        const char* value;
        const char* line;
    } rows[] = {{"x  ", "A=\"x  \""}, {"  2,5 ", "A=\"  2,5 \""}, {"\"q\"", "A=\"\"q\"\""}, {"a b", "A=a b"},
                {"", "A="}, {"\"half", "A=\"half"}};
    for (const auto& r : rows) {
        const QString value = QString::fromUtf8(r.value);
        ASSERT_TRUE(t.profile.write(ini(), QStringLiteral("S"), QStringLiteral("A"), value));
        EXPECT_EQ(bytes(), QByteArray("[S]\r\n") + r.line + "\r\n") << r.value;
        EXPECT_EQ(read(QStringLiteral("S"), QStringLiteral("A")), value) << r.value;
    }
    // A later rewrite keeps them.
    ASSERT_TRUE(t.profile.write(ini(), QStringLiteral("S"), QStringLiteral("A"), QStringLiteral(" x ")));
    ASSERT_TRUE(t.profile.write(ini(), QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("y")));
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nA=\" x \"\r\nB=y\r\n"));
    EXPECT_EQ(read(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral(" x "));
    ASSERT_TRUE(t.profile.write(ini(), QStringLiteral("S"), QStringLiteral("A"), std::nullopt));
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nB=y\r\n"));
    ASSERT_TRUE(t.profile.write(ini(), QStringLiteral("S"), std::nullopt, std::nullopt));
    EXPECT_TRUE(QFileInfo::exists(ini()));
    EXPECT_EQ(bytes(), QByteArray());
}

TEST_F(ProfileFixture, WritesFindTheFileWhateverItsLetterCase)
{
    t.writeBytes(QStringLiteral("Pendrova.Ini"), "[S]\r\nK=old\r\n");
    ASSERT_TRUE(t.profile.write(t.path(QStringLiteral("Pendrova.ini")), QStringLiteral("S"), QStringLiteral("K"),
                                QStringLiteral("new")));
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.Ini")), QByteArray("[S]\r\nK=new\r\n"));
    EXPECT_FALSE(QFileInfo::exists(t.path(QStringLiteral("Pendrova.ini"))));
    EXPECT_EQ(t.profile.read(t.path(QStringLiteral("PENDROVA.INI")), QStringLiteral("S"), QStringLiteral("K"), {}, 256).text,
              QStringLiteral("new"));
}

TEST_F(ProfileFixture, AMissingFolderFailsAndWritesNothing)
{
    EXPECT_FALSE(t.profile.write(t.path(QStringLiteral("nao/existe/t.ini")), QStringLiteral("S"), QStringLiteral("K"),
                                 QStringLiteral("v")));
    EXPECT_FALSE(QFileInfo::exists(t.path(QStringLiteral("nao"))));
}

TEST_F(ProfileFixture, ValuesTravelInTheSingleByteCodePage)
{
    ASSERT_TRUE(t.profile.write(ini(), QStringLiteral("S"), QStringLiteral("Cor"), QStringLiteral("Açúcar €")));
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nCor=A\xe7\xfa" "car \x80\r\n"));
    EXPECT_EQ(read(QStringLiteral("S"), QStringLiteral("Cor")), QStringLiteral("Açúcar €"));
}
