#include "tests/labels/pack_layout_fixture.h"

#include <gtest/gtest.h>

namespace {

using Kind = RecordingPrinter::Kind;
constexpr double kEps = 1e-4;

TEST(PackLabel, OnePageHoldsTheTextsThePictureAndTheFrameInOrder)
{
    PackLayout pl;
    pl.volumes(1, 1);
    const auto pages = pl.print(1, 1);
    ASSERT_EQ(pages.size(), 1u);
    const auto& page = pages[0];

    // Margins 3 and 3; width = characters x size / 7, so "Pedido:" at 16 points is 16 mm wide.
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

    const auto pics = PackLayout::pictures(page);
    ASSERT_EQ(pics.size(), 1u);
    EXPECT_TRUE(pics[0]->file.endsWith(QStringLiteral("/tmp/C1.jpg")));
    EXPECT_NEAR(pics[0]->x, 52.5, kEps);
    EXPECT_NEAR(pics[0]->y, 94, kEps);
    EXPECT_NEAR(pics[0]->width, 42, kEps);
    EXPECT_NEAR(pics[0]->height, 42, kEps);

    // The 17 rules come last; together they make a frame of 97 by 136 from the rule origin.
    std::vector<const PackLayout::Op*> boxes;
    for (const auto& op : page.ops)
        if (op.kind == Kind::Box)
            boxes.push_back(&op);
    ASSERT_EQ(boxes.size(), 17u);
    EXPECT_EQ(page.ops.size() - 17, static_cast<size_t>(&*boxes.front() - page.ops.data()));
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const auto* b : boxes) {
        left = std::min(left, b->x), top = std::min(top, b->y);
        right = std::max(right, b->x + b->width), bottom = std::max(bottom, b->y + b->height);
    }
    EXPECT_NEAR(left, 0.3 + 2, kEps);
    EXPECT_NEAR(top, 0 + 4, kEps);
    EXPECT_NEAR(right - left, 97, kEps);
    EXPECT_NEAR(bottom - top, 136, kEps);
    // The rule under the description crosses the picture 1 mm below its top.
    EXPECT_NEAR(boxes[11]->y, pics[0]->y + 1, kEps);

    // What the run leaves behind.
    EXPECT_EQ(pl.ws.g.fonte_etiqueta, QStringLiteral("Franklin Gothic Medium"));
    EXPECT_NEAR(pl.ws.g.origem_x, 0.3, kEps);
    EXPECT_NEAR(pl.ws.g.origem_y, 0, kEps);
    EXPECT_EQ(pl.ws.form.txtbarra.text, QStringLiteral("C1"));
    EXPECT_EQ(pl.m_codigo, QStringLiteral("C1"));
    EXPECT_EQ(pl.ws.form.pictqrcode.picture().file, pics[0]->file);
}

TEST(PackLabel, VolumeTextFollowsTheLengthOfTheVolumeCount)
{
    struct {
        const char* lblmax;
        int to;
        const char* volume;
    } const cases[] = {
        {"7", 3, "Volume: 3/7"},       {"3", 3, "Volume: 3/3"},         {"12", 3, "Volume: 03/12"},
        {"120", 3, "Volume: 003/120"}, {"1200", 3, "Volume: 003/1200"}, {"", 9, "Volume: 3/9"},
        {"12345", 9, "Volume: 3/9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lblmax);
        PackLayout pl;
        const QString lblmax = QString::fromLatin1(c.lblmax);
        // The pack code is volume 3's of the carton's own item: another master code's does not
        // count, a padded volume ("03/") is the same volume, and of two entries the first counts.
        QStringList pack{QStringLiteral("9999999|X3|3/") + lblmax, pl.master + QStringLiteral("|P3|03/") + lblmax,
                         pl.master + QStringLiteral("| C3 | 3/") + lblmax + u' ',
                         pl.master + QStringLiteral("|D3|3/") + lblmax};
        // Every volume printed has a code of its own.
        for (int v = 4; v <= c.to; ++v)
            pack << pl.master + QStringLiteral("|C%1|%1/").arg(v) + lblmax;
        fillCarton(pl.ws.form, pl.master, pack, 3, c.to);
        pl.ws.form.lblmax.caption = lblmax;
        const auto pages = pl.print(3, c.to);
        ASSERT_FALSE(pages.empty());
        ASSERT_NE(PackLayout::textAt(pages[0], 133), nullptr);
        EXPECT_EQ(PackLayout::textAt(pages[0], 133)->text, QString::fromLatin1(c.volume));
        EXPECT_NE(pages[0].findText(QStringLiteral("P3")), nullptr);
    }
}

TEST(PackLabel, TotalLayoutByItsValue)
{
    struct {
        const char* total;
        bool printed;
        double y, size;
    } const cases[] = {
        {"999", true, 113.3, 44},
        {"1000", true, 117.4, 43.7},  // fitted into 25 mm: 4 x 43.7 / 7 = 24.97
        {"abc", true, 113.3, 44},     // not a number: the branch below 1000
        {"40000", true, 113.3, 44},   // outside 16 bits: likewise
        {"", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.total);
        PackLayout pl;
        pl.ws.form.txttotgrade.text = QString::fromLatin1(c.total);
        const auto pages = pl.print(1, 1);
        ASSERT_EQ(pages.size(), 1u);
        const auto* below = PackLayout::textAt(pages[0], 113.3);
        const auto* fitted = PackLayout::textAt(pages[0], 117.4);
        if (!c.printed) {
            EXPECT_EQ(below, nullptr);
            EXPECT_EQ(fitted, nullptr);
            continue;
        }
        const auto* op = c.y < 115 ? below : fitted;
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(c.y < 115 ? fitted : below, nullptr);
        EXPECT_EQ(op->text, QString::fromLatin1(c.total));
        EXPECT_NEAR(op->x, 20, kEps);
        EXPECT_NEAR(op->font.size, c.size, kEps);
    }
}

TEST(PackLabel, CampaignRowsAndPromotionStart)
{
    struct {
        const char* campanha;
        const char* inicio;
        std::vector<std::tuple<const char*, double, double>> rows;  // text, centre x, y
    } const cases[] = {
        {"", "", {}},
        {"   ", "", {}},
        {"VERAO", "", {{"VERAO", 3 + 70.5, 28}}},
        {"VERAO FORTE", " 01/12 ", {{"VERAO", 3 + 70, 21.5}, {"FORTE", 3 + 70, 31.5}, {"Início: 01/12", 3 + 70, 42}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.campanha);
        PackLayout pl;
        pl.ws.form.txtcampanha.text = QString::fromUtf8(c.campanha);
        pl.ws.form.txtiniciopromocao.text = QString::fromUtf8(c.inicio);
        const auto pages = pl.print(1, 1);
        ASSERT_EQ(pages.size(), 1u);
        // Between the department (y 41) and the supplier (y 53.5) only the campaign block prints.
        std::vector<const PackLayout::Op*> block;
        for (const auto* t : pages[0].texts())
            if (t->x > 3 + 46)
                if (t->y < 50)
                    block.push_back(t);
        ASSERT_EQ(block.size(), c.rows.size());
        for (size_t i = 0; i < block.size(); ++i) {
            const auto& [text, centre, y] = c.rows[i];
            EXPECT_EQ(block[i]->text, QString::fromUtf8(text));
            EXPECT_NEAR(block[i]->x + block[i]->width / 2, centre, kEps);
            EXPECT_NEAR(block[i]->y, y, kEps);
            EXPECT_EQ(block[i]->font.bold, y < 40);
        }
    }
}

TEST(PackLabel, DepartmentBoxWithoutTheDepartmentHeaderSaysAccessories)
{
    for (const bool header : {true, false}) {
        SCOPED_TRACE(header);
        PackLayout pl;
        pl.ws.form.tem_departamento = header;
        const auto pages = pl.print(1, 2);
        ASSERT_EQ(pages.size(), 2u);
        for (const auto& page : pages) {
            ASSERT_NE(PackLayout::textAt(page, 41), nullptr);
            EXPECT_EQ(PackLayout::textAt(page, 41)->text,
                      header ? QStringLiteral("MASCULINO") : QStringLiteral("ACESSÓRIOS"));
        }
        EXPECT_EQ(pl.ws.form.txtdepartamento.text, header ? QStringLiteral("MASCULINO") : QString());
    }
}

TEST(PackLabel, SupplierAndDescriptionAreCutToTwentySixCharacters)
{
    PackLayout pl;
    pl.ws.form.txtfornecedor1.text = QStringLiteral("  CALCADOS PASSO FIRME INDUSTRIA E COMERCIO");
    pl.ws.form.txtdescricao1.text = QStringLiteral(" TENIS CASUAL MASCULINO COURO LEGITIMO");
    const auto pages = pl.print(1, 1);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].findText(QStringLiteral("CALCADOS PASSO FIRME INDUS")), nullptr);
    EXPECT_NE(pages[0].findText(QStringLiteral("TENIS CASUAL MASCULINO COU")), nullptr);
}

TEST(PackLabel, EachVolumeGetsItsOwnPicture)
{
    PackLayout pl;
    pl.ws.form.tem_departamento = false;
    pl.volumes(1, 4);
    pl.ws.form.lsteanpack.items.move(0, 3);  // the list's order is not the volumes'
    const auto pages = pl.print(1, 4);

    ASSERT_EQ(pages.size(), 4u) << "no empty page after the last volume";
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i + 1);
        const auto pics = PackLayout::pictures(pages[i]);
        ASSERT_EQ(pics.size(), 1u);
        EXPECT_TRUE(pics[0]->file.endsWith(QStringLiteral("/tmp/C%1.jpg").arg(i + 1)));
        // The code prints right of the column divider, on the line of the volume text.
        QStringList atCode;
        for (const auto* t : pages[i].texts())
            if (std::abs(t->y - 133) < kEps && t->x > 3 + 46)
                atCode << t->text;
        EXPECT_EQ(atCode, QStringList{QStringLiteral("C%1").arg(i + 1)});
    }
    EXPECT_EQ(pl.ws.form.txtbarra.text, QStringLiteral("C4"));
    EXPECT_TRUE(pl.ws.form.pictqrcode.picture().file.endsWith(QStringLiteral("/tmp/C4.jpg")));
}

// A page never leaves without its volume's QR: a volume printed that cannot have it stops the run
// before the first page; a volume not printed that has no code is only left out of the request.
TEST(PackLabel, AVolumeWithoutItsPictureStopsTheRunBeforeThePages)
{
    struct Case {
        const char* name;
        QString generator;
        int removed;  // volume whose entry is taken out of the pack list; 0 for none
        int from, to;
        QString message;  // empty: the volumes printed
    };
    const QString erro = QStringLiteral("Erro ao Gerar o QRcode");
    const QString semCodigo = QStringLiteral("O volume 4/4 do Cód. Master 4402318 não tem código de pack válido no pedido");
    const Case cases[] = {
        {"volume 2's image is not made", FakeJava::writesAllBut({QStringLiteral("C2")}), 0, 1, 4, erro},
        {"the same, printing volume 3 alone", FakeJava::writesAllBut({QStringLiteral("C2")}), 0, 3, 3, erro},
        {"volume 4 has no entry", FakeJava::writesAll(), 4, 1, 4, semCodigo},
        {"the same, printing volumes 1 and 2", FakeJava::writesAll(), 4, 1, 2, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PackLayout pl(c.generator);
        pl.ws.form.tem_departamento = false;
        pl.volumes(1, 4);
        if (c.removed) {
            pl.ws.form.lsteanpack.items.removeAt(c.removed - 1);
            pl.ws.form.List1.items.removeAt(c.removed - 1);
        }
        pl.ws.form.txtbarra.text = QStringLiteral("antes");
        const auto pages = pl.print(c.from, c.to);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(pl.ws.messages.texts().isEmpty()) << pl.ws.messages.texts().join(u'|').toStdString();
            ASSERT_EQ(pages.size(), static_cast<std::size_t>(c.to - c.from + 1));
            EXPECT_EQ(pl.requested(), (QStringList{"C1", "C2", "C3"})) << "every usable code of the carton";
            continue;
        }
        EXPECT_TRUE(pages.empty());
        ASSERT_EQ(pl.ws.messages.texts().size(), 1);
        EXPECT_TRUE(pl.ws.messages.texts()[0].startsWith(c.message)) << pl.ws.messages.texts()[0].toStdString();
        EXPECT_EQ(mb::iconOf(pl.ws.messages.shown()[0].style), mb::Critical);
        EXPECT_EQ(pl.ws.form.txtbarra.text, QStringLiteral("antes"));
    }
}

TEST(PackLabel, ReversedRangePrintsNothingAfterTheQrStep)
{
    PackLayout pl;
    pl.ws.form.tem_departamento = false;
    EXPECT_TRUE(pl.print(4, 2).empty());
    EXPECT_EQ(pl.java.calls().size(), 1);
    EXPECT_TRUE(pl.printer().documents().empty());
}

TEST(PackLabel, FailedQrStepPrintsNothingAndChangesNothing)
{
    PackLayout pl{QString()};  // the generator makes no image
    pl.ws.form.tem_departamento = false;
    pl.ws.form.txtbarra.text = QStringLiteral("antes");
    EXPECT_TRUE(pl.print(1, 3).empty());
    ASSERT_EQ(pl.ws.messages.shown().size(), 1u);
    EXPECT_EQ(pl.ws.messages.shown()[0].text, QStringLiteral("Erro ao Gerar o QRcode"));
    EXPECT_EQ(mb::iconOf(pl.ws.messages.shown()[0].style), mb::Critical);
    EXPECT_EQ(pl.ws.g.fonte_etiqueta, QStringLiteral("Estrangelo Edessa"));
    EXPECT_EQ(pl.ws.form.txtbarra.text, QStringLiteral("antes"));
    EXPECT_EQ(pl.ws.form.txtdepartamento.text, QStringLiteral("MASCULINO"));
}

}  // namespace
