#include "platform/codepage.h"
#include "platform/filesystem.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

TEST(FileSystemTest, NamesAreFoundWithoutRegardToCaseExactFirst)
{
    TestWorkstation t;
    t.write(QStringLiteral("Pedidos/Ped123-FRENTE.txt"), QStringLiteral("x"));
    t.write(QStringLiteral("Pedidos/ped123-frente.TXT"), QStringLiteral("y"));
    const FileSystem& fs = t.files;
    EXPECT_EQ(fs.resolve(QStringLiteral("pedidos\\PED123-FRENTE.txt")).section(u'/', -2),
              QStringLiteral("Pedidos/Ped123-FRENTE.txt"));
    EXPECT_EQ(fs.resolve(QStringLiteral("Pedidos/ped123-frente.TXT")).section(u'/', -1),
              QStringLiteral("ped123-frente.TXT"));
    EXPECT_TRUE(fs.fileExists(QStringLiteral("PEDIDOS\\ped123-FRENTE.TXT")));
    EXPECT_TRUE(fs.folderExists(t.folder() + QStringLiteral("\\PEDIDOS")));
    EXPECT_FALSE(fs.fileExists(QStringLiteral("Pedidos")));
    // A new name keeps its spelling under the folder that exists.
    EXPECT_EQ(fs.resolve(QStringLiteral("PEDIDOS/Novo.txt")), t.folder() + QStringLiteral("/Pedidos/Novo.txt"));
}

TEST(FileSystemTest, DrivePathsLandInAFolderOfTheirOwn)
{
    TestWorkstation t;
    EXPECT_EQ(t.files.resolve(QStringLiteral("C:\\qmx.ini")), t.files.drivesFolder() + QStringLiteral("/c/qmx.ini"));
    EXPECT_EQ(t.files.resolve(QStringLiteral("c:\\ean.BMP")), t.files.drivesFolder() + QStringLiteral("/c/ean.BMP"));
}

TEST(FileSystemTest, ListsByPatternSortedByName)
{
    TestWorkstation t;
    for (const char* n : {"b_123_FRENTE.txt", "A123corrugado.TXT", "x123.txt.bak", "123.txt", "c12.txt", "zz123zz.txt"})
        t.write(QString::fromLatin1(n), QStringLiteral("."));
    QDir(t.folder()).mkdir(QStringLiteral("dir123.txt"));
    EXPECT_EQ(t.files.list(t.folder(), QStringLiteral("*123*.txt")),
              (QStringList{QStringLiteral("123.txt"), QStringLiteral("A123corrugado.TXT"),
                           QStringLiteral("b_123_FRENTE.txt"), QStringLiteral("zz123zz.txt")}));
    EXPECT_TRUE(t.files.list(t.folder() + QStringLiteral("/nada"), QStringLiteral("*")).isEmpty());

    struct {
        const char* name;
        const char* pattern;
        bool match;
    } rows[] = {{"abc", "a?c", true}, {"abc", "a*", true}, {"abc", "*c", true}, {"abc", "*b", false},
                {"", "*", true},      {"a", "", false},    {"aXbXc", "*X*c", true}, {"a.txt", "*.TXT", true},
                {"a@[", "A`{", false}, {"pé.txt", "PÉ.TXT", true}};
    for (const auto& r : rows)
        EXPECT_EQ(FileSystem::matches(QString::fromUtf8(r.name), QString::fromUtf8(r.pattern)), r.match)
            << r.name << " ~ " << r.pattern;
}

TEST(FileSystemTest, TextLinesInWindows1252EndAtCrLfCrOrLf)
{
    TestWorkstation t;
    t.writeBytes(QStringLiteral("o.txt"), "um\r\ndois\rtr\xeas\n\nquatro \x93x\x94");
    const auto lines = t.files.readLines(QStringLiteral("o.txt"));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (QStringList{QStringLiteral("um"), QStringLiteral("dois"), QStringLiteral("três"), QString(),
                                   QStringLiteral("quatro “x”")}));
    EXPECT_FALSE(t.files.readLines(QStringLiteral("nada.txt")).has_value());
}

TEST(FileSystemTest, CodePageRoundTripsEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
    EXPECT_EQ(cp1252::decode("\x80\x8a\x9f"), QStringLiteral("€ŠŸ"));
    EXPECT_EQ(cp1252::encode(QStringLiteral("日")), QByteArray("?"));
}

TEST(FileSystemTest, CreateAndDelete)
{
    TestWorkstation t;
    EXPECT_TRUE(t.files.createFolder(QStringLiteral("imagens")));
    EXPECT_TRUE(t.files.createFolder(QStringLiteral("IMAGENS")));  // already there, whatever the case
    EXPECT_EQ(QDir(t.folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{QStringLiteral("imagens")});
    EXPECT_FALSE(t.files.createFolder(QStringLiteral("a/b")));
    t.write(QStringLiteral("IMPRIMIR.BAT"), QStringLiteral("x"));
    EXPECT_TRUE(t.files.deleteFile(QStringLiteral("imprimir.bat")));
    EXPECT_FALSE(t.exists(QStringLiteral("IMPRIMIR.BAT")));
    EXPECT_FALSE(t.files.deleteFile(QStringLiteral("imprimir.bat")));
}

// Listing reads names only, so what counts as a file is decided from the entry's type: folders
// and links to folders are left out; links to files, broken links and pipes are listed.
TEST(FileSystemTest, ListingLeavesOutFoldersAndLinksToThem)
{
    TestWorkstation t;
    const QString f = t.folder();
    t.write(QStringLiteral("a1.txt"), QStringLiteral("."));
    t.write(QStringLiteral(".oculto1.txt"), QStringLiteral("."));
    QDir(f).mkdir(QStringLiteral("pasta1.txt"));
    ASSERT_TRUE(QFile::link(f + QStringLiteral("/a1.txt"), f + QStringLiteral("/elo-arquivo1.txt")));
    ASSERT_TRUE(QFile::link(f + QStringLiteral("/pasta1.txt"), f + QStringLiteral("/elo-pasta1.txt")));
    ASSERT_TRUE(QFile::link(f + QStringLiteral("/nada"), f + QStringLiteral("/elo-quebrado1.txt")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(f + QStringLiteral("/fila1.txt")).constData(), 0600), 0);
    EXPECT_EQ(t.files.list(f, QStringLiteral("*1.TXT")),
              (QStringList{QStringLiteral(".oculto1.txt"), QStringLiteral("a1.txt"), QStringLiteral("elo-arquivo1.txt"),
                           QStringLiteral("elo-quebrado1.txt"), QStringLiteral("fila1.txt")}));
    EXPECT_TRUE(t.files.list(f + QStringLiteral("/a1.txt"), QStringLiteral("*")).isEmpty());  // a file is no folder
}

// A part missing as written is searched in its folder; of several spellings the first in name
// order wins, and the search goes on below it; past a part found in no spelling the rest is kept.
TEST(FileSystemTest, APartInAnotherCaseIsFoundInItsFolder)
{
    TestWorkstation t;
    t.write(QStringLiteral("Imagens/Foto.JPG"), QStringLiteral("x"));
    t.write(QStringLiteral("imagens/foto.jpg"), QStringLiteral("y"));
    // A long s equals "s" when case is ignored, whether the folder is asked for each spelling
    // (a short name) or listed (the long name has too many spellings to ask for).
    t.write(QStringLiteral("Kaſa/pedido 123 frente de caixa.txt"), QStringLiteral("z"));
    const QString f = t.folder();
    struct {
        const char* name;
        const char* real;
    } rows[] = {
        {"IMAGENS/FOTO.jpg", "Imagens/Foto.JPG"},  // 0: "Imagens" sorts before "imagens"
        {"imagens/FOTO.JPG", "imagens/foto.jpg"},  // 1: an exact part is kept, the next searched there
        {"IMAGENS/outra.jpg", "Imagens/outra.jpg"},
        {"nada/FOTO.JPG", "nada/FOTO.JPG"},
        {"Ímagens/foto.jpg", "Ímagens/foto.jpg"},  // 4: an accent is no case
        {"KASA/PEDIDO 123 FRENTE DE CAIXA.TXT", "Kaſa/pedido 123 frente de caixa.txt"},
        {"kasa/Pedido 124 frente de caixa.txt", "Kaſa/Pedido 124 frente de caixa.txt"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(t.files.resolve(QString::fromUtf8(r.name)), f + u'/' + QString::fromUtf8(r.real)) << r.name;
}

// A name that is not UTF-8 (a file copied from a Windows share keeps its name in the share's code
// page) is matched on its Windows-1252 text and opens by the bytes the folder holds.
TEST(FileSystemTest, ANameThatIsNotUtf8IsMatchedOnItsTextAndOpensByItsBytes)
{
    TestWorkstation t;
    struct {
        QByteArray raw;  // the name's bytes in the folder
        const char* pattern;
        const char* text;  // how the name reads (UTF-8 here)
    } rows[] = {
        /* 0 Windows-1252 */ {"PEDIDO 900013 FRENTE \xE7\xE3o.txt", "*900013*ÇÃO.TXT", "PEDIDO 900013 FRENTE ção.txt"},
        /* 1 UTF-8 */ {"PEDIDO 900014 FRENTE \xC3\xA7\xC3\xA3o.txt", "*900014*ção.txt", "PEDIDO 900014 FRENTE ção.txt"},
        /* 2 bytes the code page leaves undefined */ {"900015 \x81\x9D.txt", "*900015 \xC2\x81?.txt", "900015 \xC2\x81\xC2\x9D.txt"},
        /* 3 UTF-8 cut short */ {"900016 \xC3.txt", "*900016 Ã.txt", "900016 Ã.txt"},
        /* 4 a valid UTF-8 pair before an invalid byte */ {"900017 \xC3\xA7\xE7.txt", "*Ã§ç*", "900017 Ã§ç.txt"},
    };
    for (size_t i = 0; i < std::size(rows); ++i)
        ASSERT_TRUE(t.writeRawName(rows[i].raw, "linha " + QByteArray::number(int(i)))) << i;

    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& r = rows[i];
        SCOPED_TRACE(i);
        const QStringList listed = t.files.list(t.folder(), QString::fromUtf8(r.pattern));
        ASSERT_EQ(listed.size(), 1);
        EXPECT_EQ(FileSystem::nameText(listed[0]), QString::fromUtf8(r.text));
        const QString path = FileSystem::join(t.folder(), listed[0]);
        EXPECT_TRUE(t.files.fileExists(path));
        EXPECT_EQ(t.files.readLines(path), QStringList{"linha " + QString::number(i)});
        // Written the workstation's way and in another letter case, it is the same file.
        QString other = FileSystem::join(t.folder().replace(u'/', u'\\'), listed[0]);
        other.replace(QStringLiteral("txt"), QStringLiteral("TXT"));
        EXPECT_EQ(t.files.readBytes(other), "linha " + QByteArray::number(int(i)));
    }
    // A folder of such a name is listed and searched as any other.
    ASSERT_EQ(::mkdir((QFile::encodeName(t.folder()) + "/Pedidos \xC9").constData(), 0755), 0);
    ASSERT_TRUE(t.writeRawName("Pedidos \xC9/1400050831_FRENTE.txt", "x"));
    const QString pedidos = FileSystem::join(t.folder(), FileSystem::decodeName("PEDIDOS \xC9"));
    EXPECT_TRUE(t.files.folderExists(pedidos));
    EXPECT_EQ(t.files.list(pedidos, QStringLiteral("*0831*.txt")), QStringList{"1400050831_FRENTE.txt"});
    EXPECT_EQ(FileSystem::encodeName(FileSystem::decodeName("Pedidos \xC9")), "Pedidos \xC9");
}
