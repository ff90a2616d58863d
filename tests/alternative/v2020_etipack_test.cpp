#include "alternative/pack/v2020_novo_etipack.h"
#include "tests/alternative/altpack_support.h"
#include "tests/common/pdftools.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using altpack::Carton;
using Kind = RecordingPrinter::Kind;
constexpr double kEps = 1e-4;
constexpr auto kLayout = &V2020_Novo_EtiPack;
const QString kBadCharacter = QStringLiteral("An Invalid Character Found in Bar Text");

// A pre-pack carton: the EAN field hidden and a 12-character master code, so the first 12
// characters of each entry are a text Code 39 can draw.
void prePack(Carton& c, int volumes)
{
    c.master = QStringLiteral("440231800001");
    c.f.txtean.visible = false;
    c.volumes(1, volumes);
}

TEST(V2020EtiPack, OnePageInPrintingOrderFromTheWindowsFields)
{
    Carton c;
    prePack(c, 1);
    c.f.lsteanpack.items = {QStringLiteral("440231800001|PP015|1/1")};
    c.f.txtcampanha.text = QStringLiteral("VERAO");
    c.f.tem_departamento = false;  // this label prints the department as it stands
    const auto pages = c.print(kLayout, 1, 1);
    ASSERT_FALSE(c.error);
    ASSERT_EQ(pages.size(), 1u);
    const auto& page = pages[0];

    // Margins 3 and 3; width = characters x size / 7. The caption is 22 x 18 / 7 = 56.57 mm wide,
    // centred by the whole millimetres of it.
    struct {
        const char* text;
        double x, y, size;
        bool bold;
    } const rows[] = {
        {"CD CAJAMAR", 3 + 48 - 10 * 34 / 14.0, 5, 34, true},
        {"Pedido:", 3 + 20 - 8, 19.6, 16, false},
        {"780123", 3 + 20 - 6 * 20 / 14.0, 25.8, 20, false},
        {"VERAO", 3 + 70.5 - 5 * 24 / 14.0, 23, 24, true},
        {"Depart:", 3 + 20 - 7 * 16 / 14.0, 34.5, 16, false},
        {"MASCULINO", 3 + 20 - 9 * 18 / 14.0, 41, 18, false},
        {"Semana: 32/2026", 3 + 47, 34.5, 16, false},
        {"Volume: 1/1", 3 + 47, 42, 16, false},
        {"Fornecedor", 3 + 48 - 10 * 16 / 14.0, 50.4, 16, false},
        {"PASSO FIRME", 3 + 48.3 - 11 * 18 / 14.0, 56.6, 18, false},
        {"Cód. Master:", 3 + 20 - 12 * 16 / 14.0, 65.6, 16, false},
        {"440231800001", 3 + 19.5 - 12 * 22 / 14.0, 70.7, 22, true},
        {"Cor:", 3 + 70 - 4 * 16 / 14.0, 65.6, 16, false},
        {"PRETO", 3 + 70 - 5 * 18 / 14.0, 71, 18, false},
        {"Descrição:", 3 + 48 - 10 * 16 / 14.0, 81, 16, false},
        {"TENIS CASUAL", 3 + 47.5 - 12 * 17 / 14.0, 87.8, 17, false},
        {"440231800001|PP015|1/1", 3 + 47 - 28, 131.5, 18, false},
        {"37 38 39", 3 + 22 - 8 * 17 / 14.0, 98, 17, false},
        {"2 4 6", 3 + 22 - 5 * 17 / 14.0, 107, 17, false},
        {"Total:", 3 + 52, 103, 16, false},
        {"24", 3 + 71, 98, 36, false},
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

    // The symbol of the entry's first 12 characters comes after the description and before its
    // caption; the 16 rules last.
    ASSERT_EQ(page.ops.size(), std::size(rows) + 1 + 16);
    const auto& symbol = page.ops[16];
    ASSERT_EQ(symbol.kind, Kind::Picture);
    EXPECT_EQ(symbol.barcode, QStringLiteral("440231800001"));
    EXPECT_NEAR(symbol.x, 3 + 11, kEps);
    EXPECT_NEAR(symbol.y, 3 + 101.5, kEps);
    EXPECT_NEAR(symbol.width, 70, kEps);
    EXPECT_NEAR(symbol.height, 35, kEps);
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
    EXPECT_EQ(c.m_cd, QStringLiteral("CD CAJAMAR"));
    EXPECT_EQ(c.m_codigo, QStringLiteral("440231800001|PP015|1/1"));
    EXPECT_EQ(c.f.txtbarra.text, c.m_codigo);
    EXPECT_EQ(c.f.txtdepartamento.text, QStringLiteral("MASCULINO"));
    EXPECT_EQ(c.printer().fontSize(), 36);
}

TEST(V2020EtiPack, VolumeTextAndTheEntryAtTheVolumesPosition)
{
    struct {
        const char* lblmax;
        int to;
        const char* volume;
    } const cases[] = {
        {"9", 7, "Volume: 7/9"},          {"12", 7, "Volume: 07/12"}, {"120", 7, "Volume: 007/120"},
        {"1200", 7, "Volume: 0007/1200"}, {"", 20, "Volume: 7/20"},  {"12345", 9, "Volume: 7/9"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.lblmax);
        Carton c;
        c.f.txtean.visible = false;
        // The entry is taken by position, whole: neither its master code nor its volume is read.
        c.pack({"E1", "E2", "E3", "E4", "E5", "E6", "OUTRO 7", "E8"}, 1, 8);
        c.f.lblmax.caption = QString::fromLatin1(k.lblmax);
        const auto pages = c.print(kLayout, 7, k.to);
        ASSERT_FALSE(pages.empty());
        const auto* volume = Carton::textAt(pages[0], 42);
        ASSERT_NE(volume, nullptr);
        EXPECT_EQ(volume->text, QString::fromLatin1(k.volume));
        const auto symbols = Carton::ofKind(pages[0], Kind::Picture);
        ASSERT_EQ(symbols.size(), 1u);
        EXPECT_EQ(symbols[0]->barcode, QStringLiteral("OUTRO 7"));
    }
}

TEST(V2020EtiPack, AFailedQrStepDoesNotStopThePages)
{
    struct {
        const char* name;
        bool javaThere;
        QStringList messages;
    } const cases[] = {
        {"no image made", true, {}},
        {"no java", false, {QStringLiteral("O Caminho do arquivo Java.exe não foi definido!")}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Carton c{QString()};
        if (!k.javaThere)
            QFile::remove(c.java.folder() + QStringLiteral("/java"));
        prePack(c, 2);
        c.f.tem_departamento = false;
        const auto pages = c.print(kLayout, 1, 2);
        EXPECT_FALSE(c.error);
        EXPECT_EQ(c.t.messages.texts(), k.messages);
        ASSERT_EQ(pages.size(), 2u);
        for (const auto& page : pages)
            EXPECT_EQ(Carton::ofKind(page, Kind::Box).size(), 16u);
    }
}

TEST(V2020EtiPack, WhatTheEntryGivesTheSymbolAndWhereARefusedOneEndsTheRun)
{
    struct Page {
        const char* symbol;  // nullptr: no symbol and no caption
        bool complete;       // caption, grid, total, rules
    };
    struct {
        const char* name;
        QStringList entries;
        bool eanVisible;
        int to;
        std::vector<Page> pages;
        bool refused;
    } const cases[] = {
        {"EAN shown: the whole entry, whose bar is refused", {"", "4402318|C2|2/3", "4402318|C3|3/3"}, true, 3,
         {{nullptr, true}, {nullptr, false}}, true},
        {"EAN hidden: 12 characters without a bar", {"440231800001|C1|1/2", "440231800002|C2|2/2"}, false, 2,
         {{"440231800001", true}, {"440231800002", true}}, false},
        {"EAN hidden: a bar within the first 12", {"4402318|C1|1/1"}, false, 1, {{nullptr, false}}, true},
        {"a short entry is drawn whole, upper-cased", {"pp-1"}, false, 1, {{"PP-1", true}}, false},
        {"a blank entry has no symbol", {"   ", "PP-2"}, true, 2, {{nullptr, true}, {"PP-2", true}}, false},
        {"past the end of the list", {"PP-1"}, true, 2, {{"PP-1", true}, {nullptr, true}}, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Carton c;
        c.pack(k.entries, 1, k.to);
        c.f.txtean.visible = k.eanVisible;
        c.f.txtcampanha.text = QStringLiteral("VERAO");
        const auto pages = c.print(kLayout, 1, k.to);
        EXPECT_EQ(c.error.value_or(QString()), k.refused ? kBadCharacter : QString());
        ASSERT_EQ(pages.size(), k.pages.size());
        for (size_t i = 0; i < pages.size(); ++i) {
            SCOPED_TRACE(i + 1);
            const auto symbols = Carton::ofKind(pages[i], Kind::Picture);
            const auto* caption = Carton::textAt(pages[i], 131.5);
            if (k.pages[i].symbol) {
                ASSERT_EQ(symbols.size(), 1u);
                EXPECT_EQ(symbols[0]->barcode, QString::fromLatin1(k.pages[i].symbol));
                ASSERT_NE(caption, nullptr);
                EXPECT_EQ(caption->text, k.entries.at(static_cast<int>(i)));
            } else {
                EXPECT_TRUE(symbols.empty());
                EXPECT_EQ(caption, nullptr);
            }
            // A refused entry ends the page after the description: no grid, total or rules.
            const size_t texts = pages[i].texts().size();
            EXPECT_EQ(texts, k.pages[i].complete ? 20u + (k.pages[i].symbol ? 1 : 0) : 16u);
            EXPECT_EQ(Carton::ofKind(pages[i], Kind::Box).size(), k.pages[i].complete ? 16u : 0u);
        }
        if (k.refused) {
            EXPECT_TRUE(c.f.Picture1.picture().isNull());
        }
    }
}

TEST(V2020EtiPack, FittedTextsStopAtTheirLimitsAndBounds)
{
    using Width = double (*)(double);
    const auto after = [](double start, double step, int n) { return start - n * step; };
    struct {
        const char* name;
        TextBox MainForm::*field;
        const char* text;
        Width width;
        double y, centre, size;
    } const cases[] = {
        {"campaign exactly 54.2 at 24", &MainForm::txtcampanha, "VERAO", [](double) { return 54.2; }, 23, 3 + 70.5,
         24},
        {"campaign 54.2 after a step", &MainForm::txtcampanha, "VERAO",
         [](double s) { return s > 23.9 ? 60.0 : 54.2; }, 23, 3 + 70.5, 23.8},
        {"campaign never fits: 42 steps", &MainForm::txtcampanha, "VERAO", [](double) { return 99.0; }, 23,
         3 + 70.5, after(24, 0.2, 42)},
        {"supplier exactly 96 at 18", &MainForm::txtfornecedor1, "PASSO FIRME", [](double) { return 96.0; }, 56.6,
         3 + 48.3, 18},
        {"supplier 96 after a step takes one more", &MainForm::txtfornecedor1, "PASSO FIRME",
         [](double s) { return s > 17.9 ? 99.0 : s > 17.7 ? 96.0 : 90.0; }, 56.6, 3 + 48.3, 17.6},
        {"supplier never fits: 12 steps", &MainForm::txtfornecedor1, "PASSO FIRME", [](double) { return 150.0; },
         56.6, 3 + 48.3, after(18, 0.2, 12)},
        {"description exactly 94 at 17", &MainForm::txtdescricao1, "TENIS CASUAL", [](double) { return 94.0; },
         87.8, 3 + 47.5, 17},
        {"description 94 after a step takes one more", &MainForm::txtdescricao1, "TENIS CASUAL",
         [](double s) { return s > 16.9 ? 99.0 : s > 16.7 ? 94.0 : 90.0; }, 87.8, 3 + 47.5, 16.6},
        {"description never fits: 15 steps", &MainForm::txtdescricao1, "TENIS CASUAL", [](double) { return 150.0; },
         87.8, 3 + 47.5, after(17, 0.2, 15)},
        {"sizes line 40 after two steps", &MainForm::txtgrade1, "33 34 35",
         [](double s) { return s > 16.5 ? 44.0 : 40.0; }, 98, 3 + 22, 16.4},
        {"sizes line never fits: smallest size above zero", &MainForm::txtgrade1, "33 34 35",
         [](double) { return 500.0; }, 98, 3 + 22, after(17, 0.3, 56)},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Carton c;
        prePack(c, 1);
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

TEST(V2020EtiPack, TheQuantitiesLineTakesTheSizeOfTheSizesLine)
{
    // The quantities line is never measured against the limit, even when it is the wider one.
    Carton c;
    prePack(c, 1);
    c.f.txtgrade1.text = QStringLiteral("33 34 35 36 37 38");  // 17 x 17 / 7 = 41.3 mm at 17
    c.f.txtgrade2.text = QStringLiteral("1 2 3 4 5 6 7 8 9 10");
    const auto pages = c.print(kLayout, 1, 1);
    ASSERT_EQ(pages.size(), 1u);
    const auto* sizes = pages[0].findText(c.f.txtgrade1.text);
    const auto* quantities = pages[0].findText(c.f.txtgrade2.text);
    ASSERT_NE(sizes, nullptr);
    ASSERT_NE(quantities, nullptr);
    EXPECT_NEAR(sizes->font.size, 16.4, 1e-6);  // 17 x 16.4 / 7 = 39.8 mm
    EXPECT_NEAR(quantities->font.size, 16.4, 1e-6);
    EXPECT_GT(quantities->width, 40);
    EXPECT_NEAR(quantities->x + quantities->width / 2, 3 + 22, kEps);
}

TEST(V2020EtiPack, VolumeRanges)
{
    struct {
        int from, to;
        size_t pages;
    } const cases[] = {
        {2, 2, 1},
        {4, 2, 0},
        {32766, 32767, 2},  // the largest volume ends the run after its page
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.from);
        Carton c;
        prePack(c, 3);
        c.t.g.margem_pack_y = 5;
        const auto pages = c.print(kLayout, k.from, k.to);
        EXPECT_FALSE(c.error) << c.error->toStdString();
        EXPECT_EQ(pages.size(), k.pages);
        EXPECT_EQ(c.java.calls().size(), 1);
        EXPECT_EQ(c.t.g.fonte_etiqueta, QStringLiteral("Franklin Gothic Medium"));
        EXPECT_EQ(c.printer().fontName(), k.pages ? QStringLiteral("ARIAL") : QStringLiteral("Franklin Gothic Medium"));
        EXPECT_NEAR(c.t.g.origem_y, 2, kEps);
        for (size_t i = 0; i < pages.size(); ++i) {
            const auto* volume = Carton::textAt(pages[i], 44);
            ASSERT_NE(volume, nullptr);
            EXPECT_EQ(volume->text, QStringLiteral("Volume: %1/3").arg(k.from + static_cast<int>(i)));
        }
    }
}

TEST(V2020EtiPackPdf, EachVolumesSymbolDecodesToTheFirst12CharactersOfItsEntry)
{
    Carton c;
    prePack(c, 2);
    c.f.txtcampanha.text = QStringLiteral("VERAO EM MOVIMENTO");
    c.t.g.margem_pack_x = 2.2f;
    c.t.g.margem_pack_y = 2.1f;

    const QString file = altpack::printPdf(c, kLayout, 1, 2);
    ASSERT_FALSE(file.isEmpty());
    ASSERT_EQ(pdf::pageCount(file), 2);
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(page);
        const QString entry = c.f.lsteanpack.items.at(page - 1);
        EXPECT_EQ(altpack::decode(pdf::rasterise(file, page, 300), false), entry.left(12));
        const QString text = pdf::text(file, page);
        EXPECT_TRUE(text.contains(QStringLiteral("Volume: %1/2").arg(page))) << text.toStdString();
        EXPECT_TRUE(text.contains(entry)) << text.toStdString();
    }
}

}  // namespace
