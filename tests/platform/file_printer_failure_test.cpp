// The PDF file printer on a folder it cannot write: a plain file where the folder should be, a
// read-only disk, and a small disk that fills up during the document. Each is a real fault (the
// disks are tmpfs mounts of the test's own).
#include "platform/qtprinter.h"
#include "tests/common/mountedfolder.h"
#include "tests/common/pdftools.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A picture no compression shrinks, so every page adds its full size to the file; a seed of its
// own per page, as the writer keeps one copy of a picture painted twice.
Picture noise(int side, quint32 seed)
{
    Picture pic;
    pic.image = QImage(side, side, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            pic.image.setPixel(x, y, random.generate() | 0xFF000000u);
    return pic;
}

// Everything in the folder, hidden files too: no PDF, whole or not, and no temporary left.
QStringList leftIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

struct Case {
    const char* name;
    // Prepares the program folder's "impressos"; answers the mount it needs, if any.
    std::function<std::unique_ptr<MountedFolder>(TestWorkstation&)> prepare;
    int pages;
    const char* reason;  // part of the printer's failure; empty: the document must come out whole
    bool failsBeforeTheEnd;
};

TEST(FilePrinterFailureTest, AFolderItCannotWriteFailsTheDocumentAndLeavesNoPdf)
{
    const auto disk = [](const char* options) {
        return [options](TestWorkstation& t) {
            return std::make_unique<MountedFolder>(t.path(QStringLiteral("impressos")), QString::fromLatin1(options));
        };
    };
    const Case cases[] = {
        {"room enough", disk("size=8m"), 6, "", false},
        {"a plain file where the folder should be",
         [](TestWorkstation& t) {
             t.write(QStringLiteral("impressos"), QStringLiteral("not a folder"));
             return std::unique_ptr<MountedFolder>();
         },
         6, "não é uma pasta", true},
        {"a read-only disk", disk("size=1m,ro"), 6, "o disco só permite leitura", true},
        {"a disk full from the first page", disk("size=16k"), 6, "não há espaço livre no disco", true},
        {"a disk that fills up on the fourth page", disk("size=160k"), 12, "não há espaço livre no disco", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWorkstation t;
        const std::unique_ptr<MountedFolder> mount = c.prepare(t);
        if (mount && !mount->ok()) {
            ADD_FAILURE() << "could not mount a small disk: " << mount->reason().toStdString();
            continue;
        }
        QtPrinterSystem system{t.files};
        system.makeCurrent(system.count() - 1);
        Printer& p = system.current();
        p.setScaleMode(ScaleMode::Millimetres);
        p.setWidth(Twips{9000});
        p.setHeight(Twips{9000});
        p.setPaperSize(Printer::kUserPaper);
        int failedAt = 0;
        for (int page = 1; page <= c.pages; ++page) {
            p.setCurrentX(10);
            p.setCurrentY(10);
            p.print(QStringLiteral("PAGINA %1").arg(page));
            p.paintPicture(noise(200, static_cast<quint32>(page)), 10, 20, 100, 100);
            p.newPage();
            if (p.failed() && failedAt == 0)
                failedAt = page;
        }
        const bool whole = p.endDoc();

        const QString reason = QString::fromUtf8(c.reason);
        EXPECT_EQ(whole, reason.isEmpty()) << p.failure().toStdString();
        if (reason.isEmpty()) {
            ASSERT_EQ(system.writtenFiles().size(), 1);
            EXPECT_EQ(pdf::pageCount(system.writtenFiles().at(0)), c.pages);
            EXPECT_EQ(leftIn(system.outputFolder()).size(), 1);
            continue;
        }
        EXPECT_TRUE(p.failure().contains(reason)) << p.failure().toStdString();
        EXPECT_FALSE(p.failure().contains(QStringLiteral(".part"))) << "the operator knows the file by its own name";
        EXPECT_TRUE(system.writtenFiles().isEmpty());
        if (QFileInfo(system.outputFolder()).isDir()) {
            EXPECT_TRUE(leftIn(system.outputFolder()).isEmpty()) << leftIn(system.outputFolder()).join(u' ').toStdString();
        }
        // Noticed while drawing, not only when the document ends: the run can stop there.
        EXPECT_GT(failedAt, 0);
        if (std::string(c.name).find("fourth") != std::string::npos) {
            EXPECT_GE(failedAt, 3);
        }
    }
}

}  // namespace
