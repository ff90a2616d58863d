#include "settings/keys.h"
#include "settings/settings.h"
#include "tests/common/smalldisk.h"
#include "tests/common/testworkstation.h"

#include <gtest/gtest.h>

TEST(SettingsPathTest, SeparatorOnlyWhenTheFolderLacksOne)
{
    TestWorkstation t;
    EXPECT_EQ(settingsPath(t.files), t.folder() + QStringLiteral("/Pendrova.ini"));
    EXPECT_EQ(FileSystem::join(QStringLiteral("C:\\"), QStringLiteral("Pendrova.ini")), QStringLiteral("C:\\Pendrova.ini"));
    EXPECT_EQ(FileSystem::join(QStringLiteral("/"), QStringLiteral("Pendrova.ini")), QStringLiteral("/Pendrova.ini"));
}

TEST(LeIniTest, GrowsItsBufferUntilTheValueFits)
{
    TestWorkstation t;
    struct {
        int length;
    } rows[] = {{0}, {1}, {254}, {255}, {256}, {300}, {511}, {1000}};
    for (const auto& r : rows) {
        const QString value(r.length, u'v');
        ASSERT_TRUE(t.profile.write(settingsPath(t.files), QStringLiteral("S"), QStringLiteral("K"), value));
        EXPECT_EQ(le_ini(t.profile, settingsPath(t.files), QStringLiteral("S"), QStringLiteral("K"), QString()), value)
            << r.length;
    }
    EXPECT_EQ(le_ini(t.profile, settingsPath(t.files), QStringLiteral("S"), QStringLiteral("Nada"), QString()), QString());
    EXPECT_EQ(le_ini(t.profile, t.path(QStringLiteral("outro.ini")), QStringLiteral("S"), QStringLiteral("K"),
                     QStringLiteral("padrao")),
              QStringLiteral("padrao"));
}

// A value the program saved between quotes (blanks around it), and one quoted by hand, read back
// whole at every length: the quotes cost no character, and a large value is read in one go.
TEST(LeIniTest, QuotedValuesReadBackWholeAtEveryLength)
{
    TestWorkstation t;
    const QString file = settingsPath(t.files);
    const int lengths[] = {254, 255, 256, 510, 511, 512, 767, 1023, (1 << 20) + 255};
    for (const int length : lengths) {
        const QString body(length - 1, u'v');
        const QString values[] = {u' ' + body, body + u' ', u' ' + body.left(length - 2) + u' ', body + u'w'};
        for (const QString& value : values) {
            ASSERT_TRUE(t.profile.write(file, QStringLiteral("Impressora"), QStringLiteral("Path"), value));
            const QString got = le_ini(t.profile, file, QStringLiteral("Impressora"), QStringLiteral("Path"), QString());
            EXPECT_EQ(got.size(), value.size()) << length;
            EXPECT_TRUE(got == value) << length;
        }
        t.writeBytes(QStringLiteral("Pendrova.ini"), "[Impressora]\r\nPath='" + QByteArray(length, 'q') + "'\r\n");
        const QString hand = le_ini(t.profile, file, QStringLiteral("Impressora"), QStringLiteral("Path"), QString());
        EXPECT_EQ(hand.size(), length);
        EXPECT_TRUE(hand == QString(length, u'q')) << length;
    }
}

// A line break in a value would add keys and sections of its own: the writer refuses the value,
// tells why, and the file stays as it was.
TEST(SettingsWriteTest, AValueWithALineBreakIsRefusedAndNothingIsWritten)
{
    const char* values[] = {"/opt/java\n[Impressora]\nJava=/tmp/x", "a\r\nb", "a\r", "\n"};
    for (const char* v : values) {
        TestWorkstation t;
        const QByteArray old = "[Config]\r\narquivo=1400050831\r\n[Impressora]\r\nJava=/usr/bin\r\n";
        t.writeBytes(QStringLiteral("Pendrova.ini"), old);
        EXPECT_FALSE(writeSetting(t.ws, ini::kImpressora, "Java", QString::fromLatin1(v))) << v;
        EXPECT_FALSE(saveSettings(t.ws, {{QStringLiteral("Config"), QStringLiteral("arquivo"), QStringLiteral("9")},
                                         {QStringLiteral("Impressora"), QStringLiteral("Java"), QString::fromLatin1(v)}}))
            << v;
        EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), old) << v;
        const QString message = QStringLiteral("Não foi possível gravar o arquivo ") + settingsPath(t.files) +
                                QStringLiteral(": o valor de Java contém uma quebra de linha.");
        EXPECT_EQ(t.messages.texts(), (QStringList{message, message})) << v;
    }
}

TEST(SettingsWriteTest, AFullDiskIsToldOnceAndTheFileStaysWhole)
{
    TestWorkstation t;
    SmallDisk disk(t.folder(), t.files, 64);
    gera_ini_base(t.ws);
    ASSERT_TRUE(t.messages.shown().empty());
    const QByteArray old = t.readBytes(QStringLiteral("Pendrova.ini"));
    disk.fill();
    std::vector<ProfileFile::Change> config;
    for (const char* key : {"Referencia", "arquivo", "Lote", "Intensidade", "Velocidade", "Tipo"})
        config.push_back({QStringLiteral("Config"), QString::fromLatin1(key), QStringLiteral("valor novo")});
    EXPECT_FALSE(saveSettings(t.ws, config));
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), old);
    ASSERT_EQ(t.messages.shown().size(), 1u);
    EXPECT_EQ(t.messages.shown()[0].text, QStringLiteral("Não foi possível gravar o arquivo ") + settingsPath(t.files) +
                                              QStringLiteral(": não há espaço livre no disco."));
    // The next save fails alike and finds the same file, not the half of one.
    EXPECT_FALSE(writeSetting(t.ws, ini::kImpressora, "Java", QStringLiteral("/usr/bin")));
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), old);
    EXPECT_EQ(t.messages.shown().size(), 2u);
}

TEST(GeraIniBaseTest, WritesExactlyTheFirstStartKeysAndDeletesTheBatchFile)
{
    TestWorkstation t;
    t.write(QStringLiteral("imprimir.bat"), QStringLiteral("net use lpt1 \\\\pc\\Zebra\r\n"));
    gera_ini_base(t.ws);
    const QString expected = QStringLiteral(
                                 "[Impressora]\r\n"
                                 "Linguagem=ZPL\r\n"
                                 "Porta=Paralela\r\n"
                                 "PortaSerial=Com1\r\n"
                                 "ConfiguracaoPortaSerial=9800,N,8,1\r\n"
                                 "PortaParalela=LPT1\r\n"
                                 "PortaParalelaUSB=LPT1\r\n"
                                 "NomeCompartilhamento=Zebra\r\n"
                                 "Path=%1\r\n"
                                 "TipoOculta=3\r\n"
                                 "[MargemOcultaZebra]\r\n"
                                 "Margem_oculta1=0\r\n"
                                 "Margem_oculta11=40\r\n"
                                 "Margem_oculta2=2,2\r\n"
                                 "Mx4045_1=0\r\n"
                                 "Mx4045_2=40\r\n"
                                 "Mx4045=2,2\r\n"
                                 "PackX=2,2\r\n"
                                 "PackY=2,1\r\n")
                                 .arg(t.folder());
    EXPECT_EQ(QString::fromUtf8(t.readBytes(QStringLiteral("Pendrova.ini"))), expected);
    EXPECT_FALSE(t.exists(QStringLiteral("imprimir.bat")));
    EXPECT_EQ(readSetting(t.ws, ini::kImpressora, "Java"), QString());
}

TEST(GeraIniBaseTest, AnUnwritableFolderIsToldOnce)
{
    TestWorkstation t;
    FileSystem gone(t.path(QStringLiteral("nao-existe")));
    ProfileFile profile(gone);
    Workstation ws{gone, profile, t.printers, t.messages, t.screen};
    gera_ini_base(ws);
    EXPECT_FALSE(t.exists(QStringLiteral("nao-existe")));
    ASSERT_EQ(t.messages.shown().size(), 1u);
    EXPECT_EQ(t.messages.shown()[0].text, QStringLiteral("Não foi possível gravar o arquivo ") +
                                              t.path(QStringLiteral("nao-existe/Pendrova.ini")) +
                                              QStringLiteral(": a pasta não existe."));
    EXPECT_EQ(t.messages.shown()[0].style, mb::OKOnly | mb::Critical);
}

TEST(BarcodeFactorTest, NumbersInTheRegionalFormatElseOnePointOne)
{
    struct {
        const char* text;
        float factor;
    } rows[] = {{"1,25", 1.25f}, {"2", 2.0f}, {" 0,9 ", 0.9f}, {"abc", 1.1f}, {"", 1.1f}, {"1.25", 1.1f}};
    for (const auto& r : rows)
        EXPECT_FLOAT_EQ(barcodeFactorFrom(QString::fromUtf8(r.text)), r.factor) << r.text;
}

TEST(KeyTablesTest, FallbacksAndStandardsOfTheRunningMargins)
{
    struct {
        const ini::MarginKey& key;
        float fallback;
    } rows[] = {{ini::kMargemOculta1, 3}, {ini::kMargemOculta11, 45}, {ini::kMargemOculta2, 3}, {ini::kMx4045_1, 0},
                {ini::kMx4045_2, 40},     {ini::kMx4045, 3},          {ini::kPackX, 3},          {ini::kPackY, 3}};
    for (const auto& r : rows) {
        EXPECT_FLOAT_EQ(r.key.printFallback, r.fallback) << r.key.key;
        EXPECT_FLOAT_EQ(barcodeFactorFrom(qs(r.key.dialogStandard)), r.fallback) << r.key.key;
    }
}
