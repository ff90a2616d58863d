#include "barcode/barcodeerror.h"
#include "labels/product/eti100_40_1.h"
#include "platform/qtprinter.h"
#include "tests/common/pdftools.h"
#include "tests/labels/product_fixture.h"

#include <QPainter>
#include "tests/common/symbols.h"

namespace {

using Kind = RecordingPrinter::Kind;
constexpr double kEps = 1e-4;

struct Label100x40 {
    QString tipo = QStringLiteral("O");
    QString descricao = QStringLiteral("TENIS CASUAL PRETO");
    QString referencia = QStringLiteral("123");
    QString codigo = QStringLiteral("4001234");
    QString codbar = QStringLiteral("7891234567895");
    QString tamanho = QStringLiteral("38");
    QString preco = QStringLiteral("129,90");
    int16_t qte = 1;
};

// The print command's branch leaves the origin, the label font and the page as they are here; a
// non-zero origin shows that every element follows it.
struct Eti100Test : ProductLabelTest {
    static constexpr double X = 2, Y = 1.5;

    Eti100Test()
    {
        printer.setHeight(Twips{2268});
        g.origem_x = X;
        g.origem_y = Y;
        g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
        printer.setFontName(g.fonte_etiqueta);
        form.pctimage.picture = logo(QStringLiteral("4001234.jpg"));
        form.tem_imagem = true;
    }
    void print(const Label100x40& a)
    {
        Eti100_40_1(program, a.tipo, a.descricao, a.referencia, a.codigo, a.codbar, a.tamanho, a.preco, a.qte);
    }
    static const RecordingPrinter::Op* textAtY(const RecordingPrinter::Page& page, double y)
    {
        for (const auto& op : page.ops)
            if (op.kind == Kind::Text && std::abs(op.y - y) < kEps)
                return &op;
        return nullptr;
    }
    static int boxes(const RecordingPrinter::Page& page)
    {
        return static_cast<int>(std::count_if(page.ops.begin(), page.ops.end(),
                                              [](const auto& op) { return op.kind == Kind::Box; }));
    }
};

TEST_F(Eti100Test, DrawsTheWholeLabelInTableOrderFromTheOrigin)
{
    printer.setForeColor(0xFF0000);
    print({});
    const auto& page = pages().at(0);

    struct Want {
        Kind kind;
        const char* what;  // text, or the picture's barcode or file
        double size;
        bool bold;
        double x, y, w, h;
    };
    const Want want[] = {
        {Kind::Picture, "orvenna.jpg", 0, false, 58, 3.2, 20, 8},
        {Kind::Picture, "4001234.jpg", 0, false, 6, 18, 20, 20},
        {Kind::Text, "TENIS CASUAL PRETO", 11, true, 5, 5, 0, 0},
        {Kind::Text, "123", 26, false, 83, 3.5, 0, 0},
        {Kind::Text, "38", 26, true, 34, 28, 0, 0},
        {Kind::Box, "", 0, false, 32, 25, 13, 0.5},
        {Kind::Box, "", 0, false, 32, 36, 13, 0.5},
        {Kind::Box, "", 0, false, 32, 25, 0.5, 11.5},
        {Kind::Box, "", 0, false, 45, 25, 0.5, 11.5},
        {Kind::Picture, "7891234567895", 0, false, 47, 17, 60, 20},
        {Kind::Text, "129,90", 14, true, 70, 16.5, 0, 0},
        {Kind::Text, "COD: 4001234", 10, false, 63, 22.2, 0, 0},
        {Kind::Text, "7", 9.5, false, 51, 35, 0, 0},
        {Kind::Text, "891234", 9.5, false, 60, 35, 0, 0},
        {Kind::Text, "567895", 9.5, false, 80, 35, 0, 0},
        {Kind::Box, "", 0, false, 81, 2.7, 0.5, 9.3},
        {Kind::Box, "", 0, false, 81, 12, 17, 0.5},
    };
    ASSERT_EQ(page.ops.size(), std::size(want));
    for (std::size_t n = 0; n < std::size(want); ++n) {
        SCOPED_TRACE(want[n].what);
        const auto& op = page.ops[n];
        const Want& w = want[n];
        ASSERT_EQ(op.kind, w.kind);
        EXPECT_NEAR(op.x, X + w.x, kEps);
        EXPECT_NEAR(op.y, Y + w.y, kEps);
        if (w.kind == Kind::Text) {
            EXPECT_EQ(op.text, QString::fromUtf8(w.what));
            EXPECT_EQ(op.font.name, QStringLiteral("Estrangelo Edessa"));
            EXPECT_DOUBLE_EQ(op.font.size, w.size);
            EXPECT_EQ(op.font.bold, w.bold);
        } else {
            EXPECT_NEAR(op.width, w.w, kEps);
            EXPECT_NEAR(op.height, w.h, kEps);
        }
        if (w.kind == Kind::Picture) {
            EXPECT_TRUE(op.barcode == w.what || op.file == w.what);
        }
    }
    // Whatever colour the printer held on entry, the text is black from the size on.
    for (std::size_t n = 4; n < std::size(want); ++n) {
        if (page.ops[n].kind == Kind::Text) {
            EXPECT_EQ(page.ops[n].color, 0x000000u) << page.ops[n].text.toStdString();
        }
    }

    EXPECT_EQ(form.txtbarra.text, QStringLiteral("7891234567895"));
    EXPECT_EQ(g.fonte_etiqueta, QStringLiteral("Estrangelo Edessa"));
    EXPECT_EQ(printer.fontName(), QStringLiteral("Estrangelo Edessa"));
    EXPECT_DOUBLE_EQ(printer.fontSize(), 9.5);
    EXPECT_FALSE(printer.fontBold());
    EXPECT_EQ(printer.foreColor(), 0x000000u);
}

TEST_F(Eti100Test, DescriptionFitsOrBreaksAtABlankBeforeFiftyMillimetres)
{
    // At 11 points a character is 11/7 mm wide: 31 characters stay under 50 mm, the 32nd reaches it.
    struct Case {
        const char* descricao;
        double width;  // of the whole text; 0 keeps the printer's rule
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"TENIS CASUAL PRETO", 0, "TENIS CASUAL PRETO", ""},
        {"ABCDEFGHIJ ABCDEFGHIJ ABCDEFGHI", 0, "ABCDEFGHIJ ABCDEFGHIJ ABCDEFGHI", ""},  // 48.7 mm
        {"BOTA COURO", 50, "BOTA COURO", ""},                                          // exactly 50 mm
        {"AAAAAAAAAA BBBBBBBBBB CCCCCCCCCC DDDD", 0, "AAAAAAAAAA BBBBBBBBBB", "CCCCCCCCCC DDDD"},
        // The 32nd character is itself the blank.
        {"AAAAAAAAAA BBBBBBBBBB CCCCCCCCC DDDD", 0, "AAAAAAAAAA BBBBBBBBBB CCCCCCCCC", "DDDD"},
        // No blank among the first 32: cut after the 32nd, the second line keeps its own blank.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 XY", 0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", "6789 XY"},
        // A hyphen is no place to break.
        {"AAAAAAAAAA-BBBBBBBBBB-CCCCCCCCCC-DDDD", 0, "AAAAAAAAAA-BBBBBBBBBB-CCCCCCCCCC", "-DDDD"},
        // Blanks at the cut are trimmed from both lines.
        {"AAAAAAAAAA BBBBBBBBBB   CCCCCCCCCC  ", 0, "AAAAAAAAAA BBBBBBBBBB", "CCCCCCCCCC"},
        // The second line is printed whole, however long.
        {"AAAAAAAAAA BBBBBBBBBB CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC", 0, "AAAAAAAAAA BBBBBBBBBB",
         "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC"},
    };
    for (const Case& c : cases) {
        Label100x40 a;
        a.descricao = QString::fromLatin1(c.descricao);
        if (c.width > 0)
            printer.setTextWidth(a.descricao, c.width);
        print(a);
    }
    const auto& all = pages();
    ASSERT_EQ(all.size(), std::size(cases));
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE(cases[n].descricao);
        const auto* first = textAtY(all[n], Y + 5);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->text, QString::fromLatin1(cases[n].first));
        EXPECT_TRUE(first->font.bold);
        EXPECT_NEAR(first->x, X + 5, kEps);
        const auto* second = textAtY(all[n], Y + 10);
        if (*cases[n].second == '\0') {
            EXPECT_EQ(second, nullptr);
        } else {
            ASSERT_NE(second, nullptr);
            EXPECT_EQ(second->text, QString::fromLatin1(cases[n].second));
            EXPECT_TRUE(second->font.bold);
            EXPECT_DOUBLE_EQ(second->font.size, 11);
        }
    }
}

TEST_F(Eti100Test, BrandSizePriceAndPictureDecideWhatIsDrawn)
{
    struct Case {
        const char* tipo;
        const char* tamanho;
        const char* preco;
        bool temImagem;
        const char* logo;
        double logoX, logoW, logoH;
        const char* size;   // null: neither the size nor its frame
        const char* price;  // null: no price
    };
    const Case cases[] = {
        {"O", "38", "129,90", true, "orvenna.jpg", 58, 20, 8, "38", "129,90"},
        {"K", "  ", "0,00", false, "mervalk.jpg", 55, 24, 10, nullptr, nullptr},
        {"o", "", "  0,00 ", true, "mervalk.jpg", 55, 24, 10, nullptr, nullptr},
        {"", "7 ", " 12,90 ", false, "mervalk.jpg", 55, 24, 10, "7 ", " 12,90 "},
    };
    for (const Case& c : cases) {
        form.tem_imagem = c.temImagem;
        Label100x40 a;
        a.tipo = QString::fromLatin1(c.tipo);
        a.tamanho = QString::fromLatin1(c.tamanho);
        a.preco = QString::fromLatin1(c.preco);
        print(a);
    }
    const auto& all = pages();
    ASSERT_EQ(all.size(), std::size(cases));
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(n);
        const auto pics = pictures(all[n]);
        ASSERT_EQ(pics.size(), c.temImagem ? 3u : 2u);
        EXPECT_EQ(pics[0]->file, QString::fromLatin1(c.logo));
        EXPECT_NEAR(pics[0]->x, X + c.logoX, kEps);
        EXPECT_NEAR(pics[0]->width, c.logoW, kEps);
        EXPECT_NEAR(pics[0]->height, c.logoH, kEps);
        EXPECT_EQ(pics[1]->file, c.temImagem ? QStringLiteral("4001234.jpg") : QString());

        const auto* size = textAtY(all[n], Y + 28);
        if (c.size) {
            ASSERT_NE(size, nullptr);
            EXPECT_EQ(size->text, QString::fromLatin1(c.size));
            EXPECT_EQ(boxes(all[n]), 6);
        } else {
            EXPECT_EQ(size, nullptr);
            EXPECT_EQ(boxes(all[n]), 2);  // the L rule only
        }
        const auto* price = textAtY(all[n], Y + 16.5);
        if (c.price) {
            ASSERT_NE(price, nullptr);
            EXPECT_EQ(price->text, QString::fromLatin1(c.price));
            EXPECT_TRUE(price->font.bold);
        } else {
            EXPECT_EQ(price, nullptr);
        }
        EXPECT_NE(all[n].findText(QStringLiteral("COD: 4001234")), nullptr);
    }
}

TEST_F(Eti100Test, OnePagePerLabelAndNoEmptyPageAfterTheLast)
{
    struct Case {
        int16_t qte;
        std::size_t pages;
    };
    for (const Case c : {Case{0, 0}, Case{-1, 0}, Case{1, 1}, Case{3, 3}}) {
        SCOPED_TRACE(c.qte);
        TestWorkstation tw2;
        RecordingPrinter& pr = tw2.printers.recording();
        tw2.form.pctlogo1.picture = logo(QStringLiteral("mervalk.jpg"));
        tw2.form.pctlogo2.picture = logo(QStringLiteral("orvenna.jpg"));
        Eti100_40_1(tw2.program, "O", "TENIS", "123", "4001234", "7891234567895", "38", "0,00", c.qte);
        if (c.pages == 0) {
            EXPECT_EQ(pr.openDocument(), nullptr);
        }
        pr.endDoc();
        const std::size_t got = pr.documents().empty() ? 0 : pr.documents().back().pages.size();
        ASSERT_EQ(got, c.pages);
        for (std::size_t n = 0; n < got; ++n) {
            const auto& ops = pr.documents().back().pages[n].ops;
            ASSERT_FALSE(ops.empty());
            EXPECT_NEAR(ops.back().x, 81, kEps);  // each page ends with the rule under the reference
            EXPECT_NEAR(ops.back().y, 12, kEps);
        }
    }
}

// The symbol is drawn before anything else: a refused code ends the call before its first label
// starts a page, and the next size's label is the first page.
TEST_F(Eti100Test, RefusedBarcodeEndsTheCallBeforeItsFirstPage)
{
    struct Case {
        const char* codbar;
        const char* error;
    };
    const Case cases[] = {
        {"78912345", "Should be 12 Digit Numbers"},
        {"", "Should be 12 Digit Numbers"},
        {"78912345678X5", "An Invalid Character Found in Bar Text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codbar);
        TestWorkstation tw2;
        RecordingPrinter& pr = tw2.printers.recording();
        tw2.form.pctlogo1.picture = logo(QStringLiteral("mervalk.jpg"));
        tw2.form.pctlogo2.picture = logo(QStringLiteral("orvenna.jpg"));
        try {
            Eti100_40_1(tw2.program, "O", "TENIS", "123", "4001234", c.codbar, "38", "129,90", 2);
            ADD_FAILURE() << "the barcode was accepted";
        } catch (const BarcodeError& e) {
            EXPECT_EQ(e.source(), QStringLiteral("EAN-13"));
            EXPECT_EQ(e.description(), QString::fromLatin1(c.error));
        }
        EXPECT_EQ(tw2.form.txtbarra.text, QString::fromLatin1(c.codbar));
        EXPECT_EQ(pr.openDocument(), nullptr);
        // The print command goes on with its next size.
        Eti100_40_1(tw2.program, "O", "TENIS", "123", "4001235", "7891234567901", "39", "129,90", 1);
        pr.endDoc();
        ASSERT_EQ(pr.documents().size(), 1u);
        const auto& pgs = pr.documents().back().pages;
        ASSERT_EQ(pgs.size(), 1u);
        EXPECT_EQ(pgs[0].findText(QStringLiteral("38")), nullptr);
        EXPECT_NE(pgs[0].findText(QStringLiteral("COD: 4001235")), nullptr);
        EXPECT_EQ(pgs[0].ops.size(), 16u);
    }
}

// The decoded symbol and the texts of a label printed through the file printer.
TEST(Eti100Pdf, BarcodeDecodesAndTextsStandOnTheLabel)
{
    constexpr int kDpi = 600;
    TestWorkstation tw;
    QtPrinterSystem printers{tw.files};
    Workstation ws{tw.files, tw.profile, printers, tw.messages, tw.screen};
    Program program{ws, tw.form, tw.g};
    printers.makeCurrent(printers.count() - 1);
    ASSERT_EQ(printers.deviceName(printers.count() - 1), QtPrinterSystem::kFilePrinterName);

    auto picture = [](Qt::GlobalColor colour) {
        Picture p;
        p.image = QImage(240, 100, QImage::Format_RGB32);
        p.image.fill(Qt::white);
        QPainter(&p.image).fillRect(20, 20, 200, 60, colour);
        return p;
    };
    tw.form.pctlogo1.picture = picture(Qt::darkGray);
    tw.form.pctlogo2.picture = picture(Qt::gray);
    tw.form.pctimage.picture = picture(Qt::lightGray);
    tw.form.tem_imagem = true;
    tw.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");

    // As the branch of the print command sets it up: no page height of its own.
    Printer& pr = printers.current();
    pr.setScaleMode(ScaleMode::Millimetres);
    pr.setPaperSize(Printer::kUserPaper);
    pr.setWidth(Twips{9000});
    pr.setFontName(tw.g.fonte_etiqueta);
    Eti100_40_1(program, "O", "SAPATO SOCIAL MASCULINO COURO LEGITIMO", "234", "4001234", "7891234567895", "40",
                "0,00", 2);
    pr.endDoc();

    ASSERT_EQ(printers.writtenFiles().size(), 1);
    const QString file = printers.writtenFiles().first();
    ASSERT_EQ(pdf::pageCount(file), 2);
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(page);
        const QImage image = pdf::rasterise(file, page, kDpi);
        ASSERT_FALSE(image.isNull());
        // The symbol's box, 47 to 107 mm across and 17 to 37 mm down.
        const QString code =
            symbols::readArea(image, kDpi, QRectF(45, 16, 64, 22), ZXing::BarcodeFormat::EAN13);
        ASSERT_FALSE(code.isEmpty());
        EXPECT_EQ(code, QStringLiteral("7891234567895"));

        const QString text = pdf::text(file, page);
        for (const char* want : {"SAPATO", "COURO", "LEGITIMO", "234", "40", "COD: 4001234", "891234", "567895"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want << " in:\n" << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("0,00")));
    }
}

}  // namespace
