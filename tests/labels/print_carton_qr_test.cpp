// The carton's QR images: which volumes must have one, and what a failed or blocked QR step
// prints and tells.
#include "platform/filelocks.h"
#include "tests/labels/print_fixture.h"

#include <QFileInfo>
#include <QProcess>
#include <functional>

namespace {

// Volume 3 of a carton of four, in orders with and without the department column: a label that
// would leave without its QR stops the whole run before the first page, and the operator is told.
TEST(PrintCartonQr, AVolumeThatCannotHaveItsQrPrintsNothingAndSaysWhy)
{
    const QString semCodigo = QStringLiteral(
        " do Cód. Master 4402318 não tem código de pack válido no pedido (vazio, ou com \"/\", \"\\\", \"..\" ou "
        "caractere de controle), e sem ele não há QRcode. Nenhuma etiqueta foi impressa.");
    const QString erroQr = QStringLiteral("Erro ao Gerar o QRcode");
    const QString codes[] = {"7891234500014", "7891234500021", "7891234500038", "7891234500045"};
    // A generator that writes every image but that of volume 3 as text.
    const QString textAt3 =
        FakeJava::writesAll() + QStringLiteral("\necho text > tmp/7891234500038.jpg\n");
    struct Case {
        const char* name;
        QString code3;      // the pack code of volume 3; "-" for no line of that volume
        QString generator;  // what the stand-in generator does
        bool started;       // the generator was started
        QString message;
    };
    const Case cases[] = {
        {"empty pack code", "", FakeJava::writesAll(), false, QStringLiteral("O volume 3/4") + semCodigo},
        {"no line for the volume", "-", FakeJava::writesAll(), false, QStringLiteral("O volume 3/4") + semCodigo},
        {"a slash", "7891234/500038", FakeJava::writesAll(), false, QStringLiteral("O volume 3/4") + semCodigo},
        {"a backslash", "7891234\\500038", FakeJava::writesAll(), false, QStringLiteral("O volume 3/4") + semCodigo},
        {"two dots", "..7891234500038", FakeJava::writesAll(), false, QStringLiteral("O volume 3/4") + semCodigo},
        {"a control character", "7891234\x01" "500038", FakeJava::writesAll(), false,
         QStringLiteral("O volume 3/4") + semCodigo},
        {"only the first image made, exit 1", codes[2], FakeJava::writesOnly({codes[0]}) + "\nexit 1", true, erroQr},
        {"every image made, exit 1", codes[2], FakeJava::writesAll() + "\nexit 1", true, erroQr},
        {"an image that does not load", codes[2], textAt3, true, erroQr},
    };
    for (const bool departamento : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (departamento ? " (department)" : " (no department)"));
            PrintDesk d{c.generator};
            std::vector<PrintDesk::CartonLine> lines;
            for (int v = 1; v <= 4; ++v) {
                const QString code = v == 3 ? c.code3 : codes[v - 1];
                if (code != QStringLiteral("-"))
                    lines.push_back({code, QStringLiteral("%1/4").arg(v)});
            }
            d.cartonOrderOf(departamento, lines);
            ASSERT_EQ(d.f.tem_departamento, departamento);
            ASSERT_EQ(d.f.cmb_vol2.listCount(), 4);
            ASSERT_TRUE(d.tw.messages.shown().empty()) << d.tw.messages.texts().join("|").toStdString();
            d.volumes("1", "4");
            d.run();
            EXPECT_EQ(d.tw.messages.texts(), QStringList{c.message});
            EXPECT_TRUE(d.nothingPrinted());
            EXPECT_EQ(!d.java.calls().isEmpty(), c.started);
            EXPECT_TRUE(d.defaultCurrent());
        }
    }
}

// Volumes 2 and 4 lost their codes. Only the volumes chosen must have theirs: a choice without
// them prints, and the request still asks for every usable code of the carton.
TEST(PrintCartonQr, OnlyTheVolumesChosenMustHaveTheirCode)
{
    const QString semCodigo = QStringLiteral(" do Cód. Master 4402318 não t");
    struct Case {
        const char* first;
        const char* last;
        QString message;  // the start of the one message; empty when the volumes print
        QStringList printed;
    };
    const Case cases[] = {
        {"1", "4", QStringLiteral("Os volumes 2/4 e 4/4") + semCodigo, {}},
        {"1", "3", QStringLiteral("O volume 2/4") + semCodigo, {}},
        {"4", "4", QStringLiteral("O volume 4/4") + semCodigo, {}},
        {"1", "1", QString(), {"7891234500014"}},
        {"3", "3", QString(), {"7891234500038"}},
    };
    for (const bool departamento : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.first) + " to " + c.last + (departamento ? " (department)" : ""));
            PrintDesk d;
            d.cartonOrderOf(departamento,
                            {{"7891234500014", "1/4"}, {"", "2/4"}, {"7891234500038", "3/4"}, {"a/b", "4/4"}});
            d.volumes(c.first, c.last);
            d.run();
            if (!c.message.isEmpty()) {
                ASSERT_EQ(d.tw.messages.texts().size(), 1);
                EXPECT_TRUE(d.tw.messages.texts()[0].startsWith(c.message)) << d.tw.messages.texts()[0].toStdString();
                EXPECT_TRUE(d.nothingPrinted());
                EXPECT_TRUE(d.java.calls().isEmpty());
                continue;
            }
            EXPECT_TRUE(d.tw.messages.texts().isEmpty()) << d.tw.messages.texts().join(u'|').toStdString();
            const auto pages = d.printed();
            ASSERT_EQ(pages.size(), static_cast<std::size_t>(c.printed.size()));
            for (std::size_t i = 0; i < pages.size(); ++i) {
                const QString code = c.printed[static_cast<int>(i)];
                EXPECT_NE(pages[i].findText(code), nullptr);
                EXPECT_TRUE(qrFileOf(pages[i]).endsWith(QStringLiteral("/tmp/") + code + QStringLiteral(".jpg")));
            }
            EXPECT_EQ(d.requested(), (QStringList{"7891234500014", "7891234500038"}));
        }
    }
}

// Volume texts written with leading zeros are the same volumes: "01/02" is volume 1 of 2.
TEST(PrintCartonQr, VolumeTextsWithLeadingZerosAreTheirVolumes)
{
    struct Case {
        const char* name;
        QStringList volumeTexts;  // of the carton's two lines
    };
    const Case cases[] = {
        {"both padded", {"01/02", "02/02"}},
        {"padded count only", {"1/02", "2/02"}},
        {"three digits", {"001/002", "002/002"}},
        {"blanks around the numbers", {" 1 / 2", "2/ 2 "}},
    };
    const QString codes[] = {"7891234500014", "7891234500021"};
    for (const bool departamento : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (departamento ? " (department)" : ""));
            PrintDesk d;
            d.cartonOrderOf(departamento, {{codes[0], c.volumeTexts[0]}, {codes[1], c.volumeTexts[1]}});
            ASSERT_EQ(d.f.cmb_vol2.listCount(), 2);
            d.volumes("1", "2");
            d.run();
            EXPECT_TRUE(d.tw.messages.texts().isEmpty()) << d.tw.messages.texts().join(u'|').toStdString();
            const auto pages = d.printed();
            ASSERT_EQ(pages.size(), 2u);
            for (int v = 1; v <= 2; ++v) {
                const auto& page = pages[static_cast<std::size_t>(v - 1)];
                EXPECT_NE(page.findText(QStringLiteral("Volume: %1/2").arg(v)), nullptr);
                EXPECT_NE(page.findText(codes[v - 1]), nullptr);
                EXPECT_TRUE(qrFileOf(page).endsWith(QStringLiteral("/tmp/") + codes[v - 1] + QStringLiteral(".jpg")));
            }
        }
    }
}

// Two cartons of one order share the master code: one model in two colours. Whichever is
// chosen prints its own volumes' codes and QR images, never the other colour's.
TEST(PrintCartonQr, TwoCartonsOfOneMasterCodeEachPrintTheirOwnVolumes)
{
    const PrintDesk::ColourCarton preto{"PRETO", {"7891234500014", "7891234500021"}};
    const PrintDesk::ColourCarton branco{"BRANCO", {"7891234500106", "7891234500113"}};
    for (const bool departamento : {true, false}) {
        for (const bool chooseBranco : {true, false}) {
            SCOPED_TRACE(std::string(chooseBranco ? "BRANCO" : "PRETO") + (departamento ? " (department)" : ""));
            PrintDesk d;
            d.twoColourOrder(departamento, {preto, branco});
            d.chooseCarton(chooseBranco ? 1 : 0);
            const PrintDesk::ColourCarton& own = chooseBranco ? branco : preto;
            ASSERT_EQ(d.f.txtcor1.text, own.colour);
            d.volumes("1", "2");
            d.run();
            EXPECT_TRUE(d.tw.messages.texts().isEmpty()) << d.tw.messages.texts().join(u'|').toStdString();
            const auto pages = d.printed();
            ASSERT_EQ(pages.size(), 2u);
            for (int v = 1; v <= 2; ++v) {
                const auto& page = pages[static_cast<std::size_t>(v - 1)];
                EXPECT_NE(page.findText(own.colour), nullptr);
                EXPECT_NE(page.findText(own.codes[v - 1]), nullptr) << textsOf(page).join(u'|').toStdString();
                EXPECT_TRUE(qrFileOf(page).endsWith(QStringLiteral("/tmp/") + own.codes[v - 1] + QStringLiteral(".jpg")))
                    << qrFileOf(page).toStdString();
            }
            EXPECT_EQ(d.requested(), own.codes);
        }
    }
}

// A generator that writes only part of a volume's image and ends with success: the image does
// not load whole, so nothing prints and the operator is told.
TEST(PrintCartonQr, AnImageCutShortIsAFailedGeneration)
{
    const QString big = PrintDesk::writeNoisyJpeg();
    const qint64 size = QFileInfo(big).size();
    struct Case {
        const char* name;
        qint64 kept;  // bytes of volume 2's image written
    };
    const Case cases[] = {
        {"half the image", size / 2},
        {"all but its end marker", size - 2},
        {"all but its last hundred bytes", size - 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDesk d{QStringLiteral("echo \"$CODES\" | while read -r c; do cp '%1' \"tmp/$c.jpg\"; done\n"
                                   "head -c %2 '%1' > tmp/7891234500021.jpg\nexit 0")
                        .arg(big)
                        .arg(c.kept)};
        d.cartonOrderOf(false, {{"7891234500014", "1/3"}, {"7891234500021", "2/3"}, {"7891234500038", "3/3"}});
        d.volumes("1", "3");
        d.run();
        EXPECT_EQ(d.java.calls().size(), 1);
        EXPECT_EQ(d.tw.messages.texts(), QStringList{"Erro ao Gerar o QRcode"});
        EXPECT_TRUE(d.nothingPrinted());
        EXPECT_TRUE(d.defaultCurrent());
    }
}

// Another copy of the program keeps tmp for its own QR step longer than a turn is waited for:
// this print touches nothing there, says so, and prints nothing.
TEST(PrintCartonQr, ATmpFolderKeptByAnotherCopyIsToldAndNothingPrints)
{
    PrintDesk d;
    d.cartonOrder();
    d.volumes("1", "4");
    d.tw.files.setSaveLockWait(std::chrono::milliseconds(200));
    d.tw.write(QStringLiteral("tmp/qr.xml"), QStringLiteral("the other copy's request"));
    writeFixtureJpeg(d.tw.path(QStringLiteral("tmp/outro.jpg")));
    const FolderLock other(d.tw.path(QStringLiteral("tmp")), std::chrono::milliseconds(0));
    ASSERT_EQ(other.state(), FolderLock::State::Held);

    d.run();

    EXPECT_EQ(d.tw.messages.texts(),
              QStringList{QStringLiteral("Outro programa está gerando QRcodes na pasta tmp; tente de novo em "
                                         "instantes. Nenhuma etiqueta foi impressa.")});
    EXPECT_TRUE(d.nothingPrinted());
    EXPECT_TRUE(d.java.calls().isEmpty());
    EXPECT_EQ(QString::fromLatin1(d.tw.readBytes(QStringLiteral("tmp/qr.xml"))), QStringLiteral("the other copy's request"));
    EXPECT_TRUE(d.tw.exists(QStringLiteral("tmp/outro.jpg")));
    EXPECT_TRUE(d.defaultCurrent());
}

// A QR step that fails lets tmp go before it says why: while its message waits for the
// operator, another copy of the program (here util-linux flock, a process of its own) gets its
// turn at once instead of being told that tmp is busy.
TEST(PrintCartonQr, AFailedQrStepLetsTmpGoBeforeItsMessage)
{
    struct Case {
        const char* name;
        QString javaBody;
        std::function<void(PrintDesk&)> fault;
        QString message;  // the start of the first message
    };
    const QString big = PrintDesk::writeNoisyJpeg();
    const Case cases[] = {
        {"generator fails", QStringLiteral("exit 1"), nullptr, QStringLiteral("Erro ao Gerar o QRcode")},
        {"image cut short",
         QStringLiteral("head -c %1 '%2' > tmp/7891234500014.jpg").arg(QFileInfo(big).size() / 2).arg(big), nullptr,
         QStringLiteral("Erro ao Gerar o QRcode")},
        {"no Java runtime", FakeJava::writesAll(),
         [](PrintDesk& d) { d.f.lbljava.caption = d.tw.path(QStringLiteral("sem-java")); },
         QStringLiteral("O Caminho do arquivo Java.exe não foi definido!")},
        // A folder in the request's place, with a file in it, takes no file renamed over it.
        {"request not written", FakeJava::writesAll(),
         [](PrintDesk& d) { d.tw.write(QStringLiteral("tmp/qr.xml/outro"), QStringLiteral("x")); },
         QStringLiteral("Não foi possível gravar o arquivo ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDesk d{c.javaBody};
        d.cartonOrderOf(false, {{"7891234500014", "1/1"}});
        d.volumes("1", "1");
        if (c.fault)
            c.fault(d);
        QList<int> otherCopy;  // flock's exit code at each message: 0 when it took the lock
        d.tw.messages.whileShown([&] {
            otherCopy << QProcess::execute(QStringLiteral("flock"), {QStringLiteral("--nonblock"),
                                                                     d.tw.path(QStringLiteral("tmp")),
                                                                     QStringLiteral("true")});
        });
        d.run();
        // The missing runtime is told, and then the failed generation.
        ASSERT_FALSE(d.tw.messages.texts().isEmpty());
        EXPECT_TRUE(d.tw.messages.texts()[0].startsWith(c.message)) << d.tw.messages.texts()[0].toStdString();
        EXPECT_EQ(otherCopy, QList<int>(d.tw.messages.texts().size(), 0))
            << d.tw.messages.texts().join(u'|').toStdString();
        EXPECT_TRUE(d.nothingPrinted());
    }
}

// A carton's volume text that gives no volume leaves nothing to choose: the print says so.
TEST(PrintCartonQr, AVolumeTextThatGivesNoVolumeIsTold)
{
    for (const char* volume : {"4/2", "a/b", "4", "1/40000"}) {
        SCOPED_TRACE(volume);
        PrintDesk d;
        d.cartonOrderOf(true, {{"7891234500014", QString::fromLatin1(volume)}});
        ASSERT_EQ(d.f.cmb_vol1.listCount(), 0);
        ASSERT_TRUE(d.tw.messages.shown().empty());
        d.run();
        EXPECT_EQ(d.tw.messages.texts(),
                  QStringList{QStringLiteral("O volume do corrugado no pedido (\"%1\") não indica nenhum volume a "
                                             "imprimir. Nenhuma etiqueta foi impressa.")
                                  .arg(QString::fromLatin1(volume))});
        EXPECT_TRUE(d.nothingPrinted());
        EXPECT_TRUE(d.java.calls().isEmpty());
        EXPECT_TRUE(d.defaultCurrent());
    }
}

}  // namespace
