#include "alternative/pack/v0901novo_etipack.h"
#include "tests/alternative/altpack_support.h"
#include "tests/common/pdftools.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using altpack::Carton;
using Kind = RecordingPrinter::Kind;
constexpr double kEps = 1e-4;
constexpr auto kLayout = &V0901Novo_EtiPack;

TEST(V0901EtiPack, OnePageInPrintingOrderFromTheWindowsFields)
{
    Carton c;
    c.volumes(1, 1);
    c.f.txtcampanha.text = QStringLiteral("VERAO FORTE");
    c.f.txtiniciopromocao.text = QStringLiteral(" 01/12 ");
    const auto pages = c.print(kLayout, 1, 1);
    ASSERT_EQ(pages.size(), 1u);
    const auto& page = pages[0];

    // Margins 3 and 3; width = characters x size / 7. The parameters the label does not read were
    // given texts of their own, so everything here comes from the window.
    struct {
        const char* text;
        double x, y, size;
        bool bold;
    } const rows[] = {
        {"CD CAJAMAR", 3 + 48 - 10 * 34 / 14.0, 5, 34, true},
        {"Pedido:", 3 + 20.5 - 8, 19.6, 16, false},
        {"780123", 3 + 21.2 - 6 * 20 / 14.0, 25.8, 20, false},
        {"Semana CD: 32/2026", 3 + 21.5 - 18 * 12 / 14.0, 34.7, 12, false},
        {"MASCULINO", 3 + 21.2 - 9 * 18 / 14.0, 41, 18, false},
        {"VERAO", 3 + 70 - 5 * 24 / 14.0, 21.5, 24, true},
        {"FORTE", 3 + 70 - 5 * 24 / 14.0, 31.5, 24, true},
        {"Início: 01/12", 3 + 70 - 13 * 16 / 14.0, 42, 16, false},
        {"PASSO FIRME", 3 + 47.7 - 11 * 18 / 14.0, 53.5, 18, false},
        {"Cód. Master:", 3 + 21.5 - 12 * 16 / 14.0, 65.6, 16, false},
        {"4402318", 3 + 20.5 - 11, 71.3, 22, true},
        {"Cor:", 3 + 70 - 4 * 16 / 14.0, 65.6, 16, false},
        {"PRETO", 3 + 70 - 5 * 18 / 14.0, 71.8, 18, false},
        {"Descrição:", 3 + 48 - 10 * 16 / 14.0, 81, 16, false},
        {"TENIS CASUAL", 3 + 47.5 - 12 * 17 / 14.0, 87.8, 17, false},
        {"37 38 39", 3 + 21.7 - 10, 98, 17.5, false},
        {"2 4 6", 3 + 21.7 - 6.25, 107, 17.5, false},
        {"Total:", 3 + 5, 123, 12, false},
        {"24", 3 + 17, 113.3, 44, false},
        {"Volume: 1/1", 3 + 21 - 11 * 16 / 14.0, 133, 16, false},
        {"C1", 3 + 70 - 2 * 12 / 14.0, 133, 12, false},
    };
    const auto texts = page.texts();
    ASSERT_EQ(texts.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].text);
        EXPECT_EQ(texts[i]->text, QString::fromUtf8(rows[i].text));
        EXPECT_NEAR(texts[i]->x, rows[i].x, kEps);
        EXPECT_NEAR(texts[i]->y, rows[i].y, kEps);
        EXPECT_NEAR(texts[i]->font.size, rows[i].size, kEps);
        EXPECT_EQ(texts[i]->font.bold, rows[i].bold);
        EXPECT_EQ(texts[i]->font.name, QStringLiteral("ARIAL"));
    }

    // The picture comes between the volume and the code printed over its foot; the 17 rules last.
    ASSERT_EQ(page.ops.size(), std::size(rows) + 1 + 17);
    const auto& pic = page.ops[std::size(rows) - 1];
    ASSERT_EQ(pic.kind, Kind::Picture);
    EXPECT_TRUE(pic.file.endsWith(QStringLiteral("/tmp/C1.jpg")));
    EXPECT_NEAR(pic.x, 3 + 49.5, kEps);
    EXPECT_NEAR(pic.y, 3 + 91, kEps);
    EXPECT_NEAR(pic.width, 42, kEps);
    EXPECT_NEAR(pic.height, 42, kEps);
    EXPECT_EQ(page.ops[std::size(rows)].text, QStringLiteral("C1"));

    // The rule origin is 2.7 mm left of and 3 mm above the text origin; the frame is 97 by 136.
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (size_t i = std::size(rows) + 1; i < page.ops.size(); ++i) {
        const auto& b = page.ops[i];
        ASSERT_EQ(b.kind, Kind::Box);
        left = std::min(left, b.x), top = std::min(top, b.y);
        right = std::max(right, b.x + b.width), bottom = std::max(bottom, b.y + b.height);
    }
    EXPECT_NEAR(left, 0.3 + 2, kEps);
    EXPECT_NEAR(top, 4, kEps);
    EXPECT_NEAR(right - left, 97, kEps);
    EXPECT_NEAR(bottom - top, 136, kEps);

    EXPECT_EQ(c.t.g.fonte_etiqueta, QStringLiteral("Franklin Gothic Medium"));
    EXPECT_NEAR(c.t.g.origem_x, 0.3, kEps);
    EXPECT_NEAR(c.t.g.origem_y, 0, kEps);
    EXPECT_EQ(c.m_codigo, QStringLiteral("C1"));
    EXPECT_EQ(c.f.txtbarra.text, QStringLiteral("C1"));
    EXPECT_EQ(c.f.pictqrcode.picture().file, pic.file);
}

TEST(V0901EtiPack, VolumeTextAndThePackCodeOfTheVolume)
{
    struct {
        const char* lblmax;
        int to;
        const char* volume;
    } const cases[] = {
        {"9", 3, "Volume: 3/9"},         {"12", 3, "Volume: 03/12"}, {"120", 3, "Volume: 003/120"},
        {"1200", 3, "Volume: 0003/1200"}, {"", 20, "Volume: 3/20"},  {"12345", 9, "Volume: 3/9"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.lblmax);
        Carton c;
        const QString lblmax = QString::fromLatin1(k.lblmax);
        // Only volume 3 of the carton's own item counts: not another master code's; a padded
        // volume is the same volume, and of two matches the first.
        c.pack({QStringLiteral("9999999|X3|3/") + lblmax, c.master + QStringLiteral("|P3|03/") + lblmax,
                u' ' + c.master + QStringLiteral(" | C3 | 3/") + lblmax + u' ',
                c.master + QStringLiteral("|D3|3/") + lblmax},
               3, 3);
        c.f.lblmax.caption = lblmax;
        const auto pages = c.print(kLayout, 3, k.to);
        ASSERT_FALSE(pages.empty());
        const auto* volume = Carton::textAt(pages[0], 133, 0);
        ASSERT_NE(volume, nullptr);
        EXPECT_EQ(volume->text, QString::fromLatin1(k.volume));
        const auto* code = Carton::textAt(pages[0], 133, 3 + 46);
        ASSERT_NE(code, nullptr);
        EXPECT_EQ(code->text, QStringLiteral("P3"));
    }
}

TEST(V0901EtiPack, FailedQrStepShowsItsMessageAndPrintsNothing)
{
    struct {
        const char* name;
        bool javaThere;
        QStringList messages;
    } const cases[] = {
        {"no image made", true, {QStringLiteral("Erro ao Gerar o QRcode")}},
        {"no java", false,
         {QStringLiteral("O Caminho do arquivo Java.exe não foi definido!"), QStringLiteral("Erro ao Gerar o QRcode")}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Carton c{QString()};  // the generator makes no image
        if (!k.javaThere)
            QFile::remove(c.java.folder() + QStringLiteral("/java"));
        c.f.tem_departamento = false;
        c.f.txtbarra.text = QStringLiteral("antes");
        EXPECT_TRUE(c.print(kLayout, 1, 3).empty());
        EXPECT_FALSE(c.printer().openDocument());
        EXPECT_EQ(c.t.messages.texts(), k.messages);
        EXPECT_EQ(mb::iconOf(c.t.messages.shown().back().style), mb::Critical);
        EXPECT_EQ(c.t.g.fonte_etiqueta, QStringLiteral("Estrangelo Edessa"));
        EXPECT_EQ(c.f.txtbarra.text, QStringLiteral("antes"));
        EXPECT_EQ(c.f.txtdepartamento.text, QStringLiteral("MASCULINO"));
        EXPECT_EQ(c.m_cd, c.f.txtdestino1.text);
        EXPECT_EQ(c.m_codigo, c.f.txtean.text);
    }
}

TEST(V0901EtiPack, EachVolumeGetsItsOwnPicture)
{
    Carton c;
    c.f.tem_departamento = false;
    // The carton's entries in another order than its volumes.
    c.pack({c.master + QStringLiteral("|C3|3/3"), c.master + QStringLiteral("|C1|1/3"),
            c.master + QStringLiteral("|C2|2/3")},
           1, 3);
    const auto pages = c.print(kLayout, 1, 3);

    ASSERT_EQ(pages.size(), 3u) << "one page a volume, no empty page after the last";
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        const auto pics = Carton::ofKind(pages[i], Kind::Picture);
        ASSERT_EQ(pics.size(), 1u);
        EXPECT_TRUE(pics[0]->file.endsWith(QStringLiteral("/tmp/C%1.jpg").arg(i + 1)));
        const auto* code = Carton::textAt(pages[i], 133, 3 + 46);
        ASSERT_NE(code, nullptr);
        EXPECT_EQ(code->text, QStringLiteral("C%1").arg(i + 1));
        EXPECT_EQ(Carton::ofKind(pages[i], Kind::Box).size(), 17u);
    }
    EXPECT_EQ(c.f.txtbarra.text, QStringLiteral("C3"));
}

// The QR step makes the images of every volume or fails: a carton with a volume that cannot have
// its picture prints no page at all, whichever volume it is.
TEST(V0901EtiPack, AVolumeThatCannotHaveItsPicturePrintsNoPage)
{
    struct Case {
        const char* name;
        QString generator;
        QString entry2;  // the entry of volume 2; empty for none
    };
    const Case cases[] = {
        {"its image is not made", FakeJava::writesAllBut({QStringLiteral("C2")}), QStringLiteral("|C2|2/3")},
        {"no entry", FakeJava::writesAll(), QString()},
        {"a code pointing out of tmp", FakeJava::writesAll(), QStringLiteral("|../fora|2/3")},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Carton c(k.generator);
        c.f.tem_departamento = false;
        QStringList entries{c.master + QStringLiteral("|C1|1/3"), c.master + QStringLiteral("|C3|3/3")};
        if (!k.entry2.isEmpty())
            entries.insert(1, c.master + k.entry2);
        c.pack(entries, 1, 3);
        writeFixtureJpeg(c.t.path(QStringLiteral("fora.jpg")));
        EXPECT_TRUE(c.print(kLayout, 1, 3).empty());
        EXPECT_EQ(c.t.messages.texts(), QStringList{QStringLiteral("Erro ao Gerar o QRcode")});
    }
}

TEST(V0901EtiPack, WithoutTheDepartmentColumnTheDepartmentReadsAccessories)
{
    for (const bool header : {true, false}) {
        SCOPED_TRACE(header);
        Carton c;
        c.f.tem_departamento = header;
        const auto pages = c.print(kLayout, 1, 2);
        ASSERT_EQ(pages.size(), 2u);
        for (const auto& page : pages) {
            const auto* department = Carton::textAt(page, 41);
            ASSERT_NE(department, nullptr);
            EXPECT_EQ(department->text, header ? QStringLiteral("MASCULINO") : QStringLiteral("ACESSÓRIOS"));
            EXPECT_NEAR(department->x + department->width / 2, 3 + 21.2, kEps);
        }
        EXPECT_EQ(c.f.txtdepartamento.text, header ? QStringLiteral("MASCULINO") : QString());
    }
}

TEST(V0901EtiPack, FittedTextsStopAtTheirLimitsAndBounds)
{
    // Widths as a function of the size, so a text reaches its limit at a chosen step.
    using Width = double (*)(double);
    const auto after = [](double start, double step, int n) { return start - n * step; };
    struct {
        const char* name;
        TextBox MainForm::*field;
        const char* text;
        Width width;
        double y, centre, size;
    } const cases[] = {
        {"campaign exactly 54.2 at 24", &MainForm::txtcampanha, "VERAO", [](double) { return 54.2; }, 28, 3 + 70.5,
         24},
        {"campaign 54.2 after a step", &MainForm::txtcampanha, "VERAO",
         [](double s) { return s > 23.9 ? 60.0 : 54.2; }, 28, 3 + 70.5, 23.8},
        {"campaign never fits: 42 steps", &MainForm::txtcampanha, "VERAO", [](double) { return 99.0; }, 28,
         3 + 70.5, after(24, 0.2, 42)},
        {"supplier 92 after a step", &MainForm::txtfornecedor1, "PASSO FIRME",
         [](double s) { return s > 17.9 ? 95.0 : 92.0; }, 53.5, 3 + 47.7, 17.8},
        {"supplier never fits: 65 steps", &MainForm::txtfornecedor1, "PASSO FIRME", [](double) { return 150.0; },
         53.5, 3 + 47.7, after(18, 0.2, 65)},
        {"description exactly 90 at 17", &MainForm::txtdescricao1, "TENIS CASUAL", [](double) { return 90.0; },
         87.8, 3 + 47.5, 17},
        {"description 90 after a step takes one more", &MainForm::txtdescricao1, "TENIS CASUAL",
         [](double s) { return s > 16.9 ? 95.0 : s > 16.7 ? 90.0 : 85.0; }, 87.8, 3 + 47.5, 16.6},
        {"description never fits: 61 steps", &MainForm::txtdescricao1, "TENIS CASUAL", [](double) { return 150.0; },
         87.8, 3 + 47.5, after(17, 0.2, 61)},
        {"grid line 35.5 after two steps", &MainForm::txtgrade1, "33 34 35",
         [](double s) { return s > 17 ? 40.0 : 35.5; }, 98, 3 + 21.7, 16.9},
        {"grid line never fits: smallest size above zero", &MainForm::txtgrade2, "9 9 9",
         [](double) { return 500.0; }, 107, 3 + 21.7, after(17.5, 0.3, 58)},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Carton c;
        c.volumes(1, 1);
        const QString text = QString::fromLatin1(k.text);
        (c.f.*k.field).text = text;
        c.printer().width = [text, w = k.width](const QString& t, double s) -> std::optional<double> {
            return t == text ? std::optional<double>(w(s)) : std::nullopt;
        };
        const auto pages = c.print(kLayout, 1, 1);
        ASSERT_EQ(pages.size(), 1u);
        const auto* op = pages[0].findText(text);
        ASSERT_NE(op, nullptr);
        EXPECT_NEAR(op->y, k.y, kEps);
        EXPECT_NEAR(op->font.size, k.size, 1e-6);
        EXPECT_GT(op->font.size, 0);
        EXPECT_NEAR(op->x + op->width / 2, k.centre, kEps);
    }
}

TEST(V0901EtiPack, VolumeRanges)
{
    struct {
        int from, to;
        size_t pages;
    } const cases[] = {
        {5, 5, 1},
        {4, 2, 0},
        {32766, 32767, 2},  // the largest volume ends the run after its page
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.from);
        Carton c;
        c.f.tem_departamento = false;
        c.t.g.margem_pack_x = 4;
        const auto pages = c.print(kLayout, k.from, k.to);
        EXPECT_FALSE(c.error) << c.error->toStdString();
        EXPECT_EQ(pages.size(), k.pages);
        EXPECT_EQ(c.java.calls().size(), 1);
        EXPECT_EQ(c.t.g.fonte_etiqueta, QStringLiteral("Franklin Gothic Medium"));
        EXPECT_EQ(c.printer().fontName(), k.pages ? QStringLiteral("ARIAL") : QStringLiteral("Franklin Gothic Medium"));
        EXPECT_NEAR(c.t.g.origem_x, 1.3, kEps);
        for (size_t i = 0; i < pages.size(); ++i) {
            const auto* volume = Carton::textAt(pages[i], 133, 0);
            ASSERT_NE(volume, nullptr);
            EXPECT_EQ(volume->text, QStringLiteral("Volume: %1/3").arg(k.from + static_cast<int>(i)));
        }
    }
}

TEST(V0901EtiPackPdf, EveryVolumesQrDecodesToItsPackCode)
{
    ASSERT_TRUE(QFile::exists(builtQrlumoJar())) << "build the qrlumo target first";
    ASSERT_FALSE(javaFolder().isEmpty()) << "no java on this machine";
    Carton c;
    ASSERT_TRUE(QFile::copy(builtQrlumoJar(), c.t.path(QStringLiteral("qrlumo.jar"))));
    c.f.lbljava.caption = javaFolder();
    const QStringList codes{QStringLiteral("7891234500017"), QStringLiteral("7891234500024"),
                            QStringLiteral("7891234500031")};
    QStringList entries;
    for (int i = 0; i < codes.size(); ++i)
        entries << c.master + u'|' + codes[i] + QStringLiteral("|%1/3").arg(i + 1);
    c.pack(entries, 1, 3);
    c.f.txtcampanha.text = QStringLiteral("VERAO EM MOVIMENTO");
    c.t.g.margem_pack_x = 2.2f;
    c.t.g.margem_pack_y = 2.1f;

    const QString file = altpack::printPdf(c, kLayout, 1, 3);
    ASSERT_FALSE(file.isEmpty());
    EXPECT_TRUE(c.t.messages.shown().empty());
    ASSERT_EQ(pdf::pageCount(file), 3);
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(altpack::decode(pdf::rasterise(file, page, 300), true), codes[page - 1]);
        const QString text = pdf::text(file, page);
        EXPECT_TRUE(text.contains(QStringLiteral("Volume: %1/3").arg(page))) << text.toStdString();
        EXPECT_TRUE(text.contains(codes[page - 1]));
    }
}

}  // namespace
