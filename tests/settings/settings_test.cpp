#include "settings/keys.h"
#include "settings/settings.h"
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
        t.profile.write(settingsPath(t.files), QStringLiteral("S"), QStringLiteral("K"), value);
        EXPECT_EQ(le_ini(t.profile, settingsPath(t.files), QStringLiteral("S"), QStringLiteral("K"), QString()), value)
            << r.length;
    }
    EXPECT_EQ(le_ini(t.profile, settingsPath(t.files), QStringLiteral("S"), QStringLiteral("Nada"), QString()), QString());
    EXPECT_EQ(le_ini(t.profile, t.path(QStringLiteral("outro.ini")), QStringLiteral("S"), QStringLiteral("K"),
                     QStringLiteral("padrao")),
              QStringLiteral("padrao"));
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

TEST(GeraIniBaseTest, AnUnwritableFolderFailsSilently)
{
    TestWorkstation t;
    FileSystem gone(t.path(QStringLiteral("nao-existe")));
    ProfileFile profile(gone);
    Workstation ws{gone, profile, t.printers, t.messages, t.screen};
    gera_ini_base(ws);
    EXPECT_FALSE(t.exists(QStringLiteral("nao-existe")));
    EXPECT_TRUE(t.messages.shown().empty());
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
