#include "barcode/barcodeerror.h"
#include "labels/pack/etipack.h"
#include "platform/qtprinter.h"
#include "tests/common/pdftools.h"
#include "tests/common/testworkstation.h"

#include <QPainter>
#include "tests/common/symbols.h"
#include <cmath>
#include <gtest/gtest.h>

namespace {

using Kind = RecordingPrinter::Kind;
using Op = RecordingPrinter::Op;
using Page = RecordingPrinter::Page;
constexpr double kEps = 1e-4;
const QString kFranklin = QStringLiteral("Franklin Gothic Medium");

Picture logo(const QString& file)
{
    Picture p;
    p.image = QImage(300, 80, QImage::Format_RGB32);
    p.image.fill(Qt::white);
    QPainter(&p.image).fillRect(20, 10, 200, 60, Qt::darkGray);
    p.file = file;
    return p;
}

// A carton on the main window whose pack codes Code 39 accepts (the EAN field hidden, pre-pack
// codes without "|"), and the recording printer set up as both callers set it up.
struct EtiPackTest : ::testing::Test {
    // Pack margins 3 and 3: texts from (3, 3), rules and logo from (0.3, 0).
    static constexpr double Mx = 3, My = 3, Ox = 0.3, Oy = 0;

    TestWorkstation tw;
    MainForm& f = tw.form;
    RecordingPrinter& printer = tw.printers.recording();
    QString tipo = QStringLiteral("K");
    QString fornecedor = QStringLiteral("PASSO FIRME");
    QString descricao = QStringLiteral("TENIS CASUAL");
    QString codigo = QStringLiteral("never read");

    EtiPackTest()
    {
        tw.g.margem_pack_x = 3;
        tw.g.margem_pack_y = 3;
        tw.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
        f.pctlogo1.picture = logo(QStringLiteral("mervalk.jpg"));
        f.pctlogo2.picture = logo(QStringLiteral("orvenna.jpg"));
        f.txtean.visible = false;
        f.lsteanpack.items = {QStringLiteral("PP0001234501"), QStringLiteral("PP0001234502"),
                              QStringLiteral("PP0001234503")};
        f.lblmax.caption = QStringLiteral("3");
        f.txtgrade1.text = QStringLiteral("37 38 39");
        f.txtgrade2.text = QStringLiteral("2 4 6");
        printer.setScaleMode(ScaleMode::Millimetres);
        printer.setWidth(Twips{9000});
        printer.setHeight(Twips{9000});
        printer.setPaperSize(Printer::kUserPaper);
        printer.setFontName(tw.g.fonte_etiqueta);
    }

    void print(int from, int to)
    {
        EtiPack(tw.program, tipo, QStringLiteral("CD CAJAMAR"), QStringLiteral("780123"), QStringLiteral("4402318"),
                fornecedor, descricao, QStringLiteral("PRETO"), codigo, f.txtgrade1.text, f.txtgrade2.text,
                QStringLiteral("24"), static_cast<int16_t>(from), static_cast<int16_t>(to), QStringLiteral("32/2026"));
    }
    // Ends the document and answers its pages (none when nothing was drawn).
    std::vector<Page> pages()
    {
        const std::size_t before = printer.documents().size();
        printer.endDoc();
        return printer.documents().size() == before ? std::vector<Page>{} : printer.documents().back().pages;
    }
    static const Op* textAtY(const Page& page, double y)
    {
        for (const Op& op : page.ops)
            if (op.kind == Kind::Text && std::abs(op.y - y) < kEps)
                return &op;
        return nullptr;
    }
    static std::vector<const Op*> pictures(const Page& page)
    {
        std::vector<const Op*> out;
        for (const Op& op : page.ops)
            if (op.kind == Kind::Picture)
                out.push_back(&op);
        return out;
    }
};

// Text widths of the recording printer: characters x size / 7 mm.
double widthOf(const char* text, double points) { return QString::fromUtf8(text).size() * points / 7.0; }

TEST_F(EtiPackTest, OnePageHoldsTextsSymbolLogoAndRulesInPrintingOrder)
{
    print(1, 1);
    const auto all = pages();
    ASSERT_EQ(all.size(), 1u);
    const Page& page = all[0];

    enum Frame { O, M };
    struct Want {
        Kind kind;
        Frame frame;
        const char* what;  // text, or the picture's barcode or file
        double size;
        bool bold;
        double x, y;    // from the frame; texts that are centred or right-aligned give their x worked out
        double x2, y2;  // boxes: the opposite corner; pictures: width and height
    };
    const double caption = 50 - std::trunc(widthOf("PP0001234501", 13)) / 2;
    const Want want[] = {
        {Kind::Picture, O, "mervalk.jpg", 0, false, 3, 6.5, 70, 17},
        {Kind::Box, O, "", 0, false, 2, 5, 99, 5.4},
        {Kind::Box, O, "", 0, false, 2, 23, 99, 23.4},
        {Kind::Box, O, "", 0, false, 35.6, 5, 35.9, 23.4},
        {Kind::Text, M, "CD - DESTINO", 14, false, 34, 5, 0, 0},
        {Kind::Text, M, "CD CAJAMAR", 18, true, 34, 11.7, 0, 0},
        {Kind::Text, M, "PEDIDO", 16, false, 14, 21, 0, 0},
        {Kind::Text, M, "Cód. Master", 16, false, 55, 21, 0, 0},
        {Kind::Text, M, "780123", 20, true, 4.5, 26.7, 0, 0},
        {Kind::Text, M, "4402318", 20, true, 55, 26.7, 0, 0},
        {Kind::Box, O, "", 0, false, 2, 37, 99, 37.3},
        {Kind::Box, O, "", 0, false, 53, 23, 53.3, 37},
        {Kind::Text, M, "FORNECEDOR", 16, false, 26, 34.4, 0, 0},
        {Kind::Text, M, "PASSO FIRME", 20, true, 13, 39.7, 0, 0},
        {Kind::Box, O, "", 0, false, 2, 49.7, 99, 50},
        {Kind::Picture, M, "PP0001234501", 0, false, 13, 75, 70, 35},
        {Kind::Text, M, "PP0001234501", 13, false, caption, 102, 0, 0},
        {Kind::Text, M, "NOTA FISCAL:", 16, false, 2, 50, 0, 0},
        {Kind::Box, O, "", 0, false, 2, 64, 99, 64.3},
        {Kind::Text, M, "Descrição", 14, false, 36, 62.5, 0, 0},
        {Kind::Text, M, "TENIS CASUAL", 14, true, 1.5, 68.4, 0, 0},
        {Kind::Box, O, "", 0, false, 2, 77, 99, 77.3},
        {Kind::Text, M, "COR", 14, false, 2, 74.5, 0, 0},
        {Kind::Text, M, "PRETO", 16, true, 2, 79.7, 0, 0},
        {Kind::Box, O, "", 0, false, 2, 110.5, 99, 110.8},
        {Kind::Text, M, "TOTAL", 16, true, 77, 110, 0, 0},
        {Kind::Text, M, "24", 25, true, 93 - widthOf("24", 25), 117, 0, 0},
        {Kind::Text, M, "37 38 39", 24, true, 35 - widthOf("37 38 39", 24) / 2, 108, 0, 0},
        {Kind::Text, M, "2 4 6", 24, true, 35 - widthOf("2 4 6", 24) / 2, 117, 0, 0},
        {Kind::Box, O, "", 0, false, 2, 119.5, 74, 119.8},
        {Kind::Box, O, "", 0, false, 74, 110.5, 74.3, 129.8},
        {Kind::Box, O, "", 0, false, 2, 129.5, 99, 129.8},
        {Kind::Box, O, "", 0, false, 51, 129.5, 51.3, 140.3},
        {Kind::Text, M, "Volume:", 18, false, 2, 130, 0, 0},
        {Kind::Text, M, "1/3", 16, true, 30, 130, 0, 0},
        {Kind::Text, M, "Semana:", 18, false, 50, 130, 0, 0},
        {Kind::Text, M, "32/2026", 18, true, 75, 130, 0, 0},
        {Kind::Box, O, "", 0, false, 2, 89, 99, 89.3},
        {Kind::Box, O, "", 0, false, 2, 5, 2.2, 140},
        {Kind::Box, O, "", 0, false, 99, 5, 99.2, 140},
        {Kind::Box, O, "", 0, false, 2, 140, 99.2, 140.3},
    };
    ASSERT_EQ(page.ops.size(), std::size(want));
    for (std::size_t n = 0; n < std::size(want); ++n) {
        const Want& w = want[n];
        SCOPED_TRACE(::testing::Message() << n + 1 << " " << w.what);
        const Op& op = page.ops[n];
        const double fx = w.frame == O ? Ox : Mx, fy = w.frame == O ? Oy : My;
        ASSERT_EQ(op.kind, w.kind);
        EXPECT_NEAR(op.x, fx + w.x, kEps);
        EXPECT_NEAR(op.y, fy + w.y, kEps);
        switch (w.kind) {
        case Kind::Text:
            EXPECT_EQ(op.text, QString::fromUtf8(w.what));
            EXPECT_EQ(op.font.name, kFranklin);
            EXPECT_NEAR(op.font.size, w.size, kEps);
            EXPECT_EQ(op.font.bold, w.bold);
            break;
        case Kind::Box:
            EXPECT_NEAR(op.width, w.x2 - w.x, kEps);
            EXPECT_NEAR(op.height, w.y2 - w.y, kEps);
            break;
        case Kind::Picture:
            EXPECT_TRUE(op.barcode == w.what || op.file == w.what);
            EXPECT_NEAR(op.width, w.x2, kEps);
            EXPECT_NEAR(op.height, w.y2, kEps);
            break;
        }
    }
    // The logo comes from a source 300 mm wide and as high as the picture; the symbol whole.
    ASSERT_TRUE(page.ops[0].source.has_value());
    EXPECT_NEAR(page.ops[0].source->width, 300, kEps);
    EXPECT_NEAR(page.ops[0].source->height, f.pctlogo1.picture.heightMm(), kEps);
    EXPECT_FALSE(page.ops[15].source.has_value());

    // What the call leaves behind.
    EXPECT_EQ(tw.g.fonte_etiqueta, kFranklin);
    EXPECT_NEAR(tw.g.origem_x, Ox, kEps);
    EXPECT_NEAR(tw.g.origem_y, Oy, kEps);
    EXPECT_EQ(f.txtbarra.text, QStringLiteral("PP0001234501"));
    EXPECT_EQ(codigo, QStringLiteral("PP0001234501"));
    EXPECT_EQ(tipo, QStringLiteral("K"));
}

TEST_F(EtiPackTest, VolumeTextFollowsTheLengthOfTheVolumeCount)
{
    struct Case {
        const char* lblmax;
        int from, to;
        std::vector<const char*> volumes;  // one per page
        bool small;                        // more than 5 characters: 12 pt lower and further left
    };
    const Case cases[] = {
        {"12", 3, 3, {"03/12"}, false},
        {"7", 3, 3, {"3/7"}, false},
        {"99", 10, 10, {"10/99"}, false},
        {"120", 3, 3, {"003/120"}, true},
        {"1000", 5, 5, {"0005/1000"}, true},
        {"", 2, 4, {"2/4", "3/4", "4/4"}, false},       // the count is the run's last volume
        {"12345", 3, 4, {"3/4", "4/4"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lblmax);
        f.lblmax.caption = QString::fromLatin1(c.lblmax);
        print(c.from, c.to);
        const auto all = pages();
        ASSERT_EQ(all.size(), c.volumes.size());
        for (std::size_t n = 0; n < all.size(); ++n) {
            const Op* op = all[n].findText(QString::fromLatin1(c.volumes[n]));
            ASSERT_NE(op, nullptr) << c.volumes[n];
            EXPECT_NEAR(op->font.size, c.small ? 12 : 16, kEps);
            EXPECT_TRUE(op->font.bold);
            EXPECT_NEAR(op->x, Mx + (c.small ? 25.2 : 30), kEps);
            EXPECT_NEAR(op->y, My + (c.small ? 131.7 : 130), kEps);
        }
    }
}

TEST_F(EtiPackTest, OnlyAnUpperCaseOChoosesTheLogoOfBrandO)
{
    struct Case {
        const char* tipo;
        const char* file;
        double x, y;
    };
    const Case cases[] = {
        {"O", "orvenna.jpg", 15, 5.9},
        {"o", "mervalk.jpg", 3, 6.5},
        {"K", "mervalk.jpg", 3, 6.5},
        {"", "mervalk.jpg", 3, 6.5},
    };
    for (const Case& c : cases) {
        tipo = QString::fromLatin1(c.tipo);
        print(1, 1);
    }
    const auto all = pages();
    ASSERT_EQ(all.size(), std::size(cases));
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE(cases[n].tipo);
        const Op& op = all[n].ops.at(0);
        ASSERT_EQ(op.kind, Kind::Picture);
        EXPECT_EQ(op.file, QString::fromLatin1(cases[n].file));
        EXPECT_NEAR(op.x, Ox + cases[n].x, kEps);
        EXPECT_NEAR(op.y, Oy + cases[n].y, kEps);
        EXPECT_NEAR(op.width, 70, kEps);
        EXPECT_NEAR(op.height, 17, kEps);
    }
}

TEST_F(EtiPackTest, SymbolAndCaptionOfTheVolumesCode)
{
    struct Case {
        bool eanVisible;
        const char* entry;
        const char* symbol;  // null: the code is refused
        const char* error;
    };
    const Case cases[] = {
        // A pre-pack code: the symbol takes its first 12 characters, the caption all of them.
        {false, "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKL", nullptr},
        {true, "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP", nullptr},
        // Drawn upper-cased and without "*"; the caption shows the code as it is.
        {false, "pp-12*34", "PP-1234", nullptr},
        // Start and stop characters only.
        {false, "", "", nullptr},
        // The pack list's own entries hold "|", outside the set.
        {true, "4402318|7891234500017|1/3", nullptr, "An Invalid Character Found in Bar Text"},
        {false, "4402318|7891234500017|1/3", nullptr, "An Invalid Character Found in Bar Text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        f.txtean.visible = c.eanVisible;
        f.lsteanpack.items = {QString::fromLatin1(c.entry)};
        bool refused = false;
        try {
            print(1, 1);
        } catch (const BarcodeError& e) {
            refused = true;
            EXPECT_EQ(e.source(), QStringLiteral("Bar 39"));
            EXPECT_EQ(e.description(), QString::fromLatin1(c.error ? c.error : ""));
        }
        EXPECT_EQ(refused, c.symbol == nullptr);
        EXPECT_EQ(f.txtbarra.text, QString::fromLatin1(c.entry));
        EXPECT_EQ(codigo, QString::fromLatin1(c.entry));
        const auto all = pages();
        ASSERT_EQ(all.size(), 1u);
        const Page& page = all[0];
        if (!c.symbol) {
            // Elements 1 to 15: nothing from the symbol on.
            EXPECT_EQ(page.ops.size(), 15u);
            EXPECT_EQ(pictures(page).size(), 1u);
            EXPECT_EQ(page.findText(QStringLiteral("NOTA FISCAL:")), nullptr);
            continue;
        }
        const auto pics = pictures(page);
        ASSERT_EQ(pics.size(), 2u);
        EXPECT_EQ(pics[1]->barcode, QString::fromLatin1(c.symbol));
        EXPECT_NEAR(pics[1]->x, Mx + 13, kEps);
        EXPECT_NEAR(pics[1]->y, My + 75, kEps);
        const Op* captionOp = textAtY(page, My + 102);
        if (*c.entry == '\0') {
            EXPECT_EQ(captionOp, nullptr);
            EXPECT_EQ(page.ops.size(), 40u);  // the whole page but for the empty caption
            continue;
        }
        ASSERT_NE(captionOp, nullptr);
        EXPECT_EQ(captionOp->text, QString::fromLatin1(c.entry));
        EXPECT_FALSE(captionOp->font.bold);
        EXPECT_NEAR(captionOp->x, Mx + 50 - std::trunc(widthOf(c.entry, 13)) / 2, kEps);
        EXPECT_EQ(page.ops.size(), 41u);
    }
}

TEST_F(EtiPackTest, VolumesOutsideThePackListPrintWithAnEmptyCode)
{
    f.lsteanpack.items = {QStringLiteral("PP0001234501")};
    f.lblmax.caption.clear();
    print(0, 2);
    const auto all = pages();
    ASSERT_EQ(all.size(), 3u);
    const QString want[] = {QString(), QStringLiteral("PP0001234501"), QString()};
    for (std::size_t n = 0; n < 3; ++n) {
        SCOPED_TRACE(n);
        const auto pics = pictures(all[n]);
        ASSERT_EQ(pics.size(), 2u);
        EXPECT_EQ(pics[1]->barcode, want[n]);
        EXPECT_EQ(all[n].ops.back().kind, Kind::Box);
    }
    EXPECT_EQ(codigo, QString());
}

TEST_F(EtiPackTest, SupplierAndDescriptionAreCutInTheCallersCopies)
{
    fornecedor = QStringLiteral("CALCADOS PASSO FIRME LTDA");  // 25 characters
    descricao = QStringLiteral("TENIS CASUAL MASCULINO DE COURO LEGITIMO");  // 40 characters
    print(1, 2);
    const auto all = pages();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(fornecedor, QStringLiteral("CALCADOS PASSO FIRME"));
    EXPECT_EQ(descricao, QStringLiteral("TENIS CASUAL MASCULINO DE COURO LEG"));
    for (const Page& page : all) {
        const Op* supplier = textAtY(page, My + 39.7);
        ASSERT_NE(supplier, nullptr);
        EXPECT_EQ(supplier->text, fornecedor);
        EXPECT_NEAR(supplier->font.size, 20, kEps);
        const Op* description = textAtY(page, My + 68.4);
        ASSERT_NE(description, nullptr);
        EXPECT_EQ(description->text, descricao);
        EXPECT_NEAR(description->font.size, 14, kEps);  // 70 mm: within 92
    }
    EXPECT_EQ(codigo, QStringLiteral("PP0001234502"));
}

TEST_F(EtiPackTest, ShrinkLoopsFitAndStopAtTheSmallestPositiveSize)
{
    struct Case {
        const char* name;
        const char* grade1;
        const char* grade2;
        double descriptionWidth;  // 0: the printer's rule
        double grade1Width;       // 0: the printer's rule
        bool wholePoints;         // a printer that realises sizes rounded up, so they never go down
        double descriptionSize, gradeSize;
    };
    const Case cases[] = {
        // 22 characters fit 60 mm after 17 steps; the longer second line takes that size too.
        {"fits", "33 34 35 36 37 38 39 4", "1 2 3 4 5 6 7 8 9 10 11 12 13", 0, 0, false, 14, 24 - 17 * 0.3},
        {"never fits", "37 38 39", "2 4 6", 500, 500, false, 14 - 46 * 0.3, 24 - 79 * 0.3},
        {"size never lowers", "37 38 39", "2 4 6", 500, 500, true, 14, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWorkstation other;
        RecordingPrinter& pr = other.printers.recording();
        other.g.margem_pack_x = 3;
        other.g.margem_pack_y = 3;
        other.form.pctlogo1.picture = logo(QStringLiteral("mervalk.jpg"));
        other.form.txtean.visible = false;
        other.form.lsteanpack.items = {QStringLiteral("PP0001234501")};
        other.form.txtgrade1.text = QString::fromLatin1(c.grade1);
        other.form.txtgrade2.text = QString::fromLatin1(c.grade2);
        QString sup = QStringLiteral("PASSO FIRME"), desc = QStringLiteral("TENIS CASUAL"), cod;
        if (c.descriptionWidth > 0)
            pr.setTextWidth(desc, c.descriptionWidth);
        if (c.grade1Width > 0)
            pr.setTextWidth(other.form.txtgrade1.text, c.grade1Width);
        if (c.wholePoints)
            pr.setFontRealiser([](double s) { return std::ceil(s - 1e-9); });
        EtiPack(other.program, "K", "CD", "1", "2", sup, desc, "PRETO", cod, "", "", "24", 1, 1, "32");
        pr.endDoc();
        ASSERT_EQ(pr.documents().size(), 1u);
        const Page& page = pr.documents().back().pages.at(0);
        const Op* description = textAtY(page, My + 68.4);
        const Op* grade1 = textAtY(page, My + 108);
        const Op* grade2 = page.findText(other.form.txtgrade2.text);
        ASSERT_TRUE(description && grade1 && grade2);
        EXPECT_NEAR(description->font.size, c.descriptionSize, 1e-6);
        EXPECT_NEAR(grade1->font.size, c.gradeSize, 1e-6);
        EXPECT_NEAR(grade2->font.size, c.gradeSize, 1e-6);
        EXPECT_GT(description->font.size, 0);
        EXPECT_GT(grade1->font.size, 0);
        EXPECT_NEAR(grade1->x, Mx + 35 - grade1->width / 2, kEps);
        EXPECT_NEAR(grade2->x, Mx + 35 - grade2->width / 2, kEps);
    }
}

TEST_F(EtiPackTest, RangeGivesOnePagePerVolumeAndNoneWhenReversed)
{
    printer.setScaleMode(ScaleMode::Pixels);
    printer.setFontName(QStringLiteral("Estrangelo Edessa"));
    print(3, 2);
    EXPECT_EQ(printer.openDocument(), nullptr);
    EXPECT_TRUE(pages().empty());
    EXPECT_EQ(tw.g.fonte_etiqueta, kFranklin);
    EXPECT_EQ(printer.fontName(), kFranklin);
    EXPECT_EQ(printer.scaleMode(), ScaleMode::Millimetres);
    EXPECT_NEAR(tw.g.origem_x, Ox, kEps);
    EXPECT_NEAR(tw.g.origem_y, Oy, kEps);
    EXPECT_EQ(codigo, QStringLiteral("never read"));

    print(1, 3);
    const auto all = pages();
    ASSERT_EQ(all.size(), 3u);  // the last volume's page break leaves no empty page
    for (std::size_t n = 0; n < 3; ++n) {
        SCOPED_TRACE(n);
        ASSERT_EQ(all[n].ops.size(), 41u);
        EXPECT_EQ(pictures(all[n])[1]->barcode, QStringLiteral("PP000123450%1").arg(n + 1));
        EXPECT_NEAR(all[n].ops.back().y, Oy + 140, kEps);  // every page closes with the bottom edge
    }
    EXPECT_EQ(codigo, QStringLiteral("PP0001234503"));
}

// Each volume printed through the file printer: its Code 39 symbol decodes to the volume's code.
TEST(EtiPackPdf, EveryVolumesSymbolDecodesToItsCode)
{
    constexpr int kDpi = 600;
    TestWorkstation tw;
    QtPrinterSystem printers{tw.files};
    Workstation ws{tw.files, tw.profile, printers, tw.messages, tw.screen};
    Program program{ws, tw.form, tw.g};
    printers.makeCurrent(printers.count() - 1);
    ASSERT_EQ(printers.deviceName(printers.count() - 1), QtPrinterSystem::kFilePrinterName);

    MainForm& f = tw.form;
    f.pctlogo1.picture = logo(QStringLiteral("mervalk.jpg"));
    f.txtean.visible = false;
    const QStringList codes{QStringLiteral("PACK-0042-01"), QStringLiteral("PACK-0042-02")};
    f.lsteanpack.items = codes;
    f.lblmax.caption = QStringLiteral("2");
    f.txtgrade1.text = QStringLiteral("37 38 39 40 41 42");
    f.txtgrade2.text = QStringLiteral("2 4 6 6 4 2");
    tw.g.margem_pack_x = 2.2f;
    tw.g.margem_pack_y = 2.1f;
    tw.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");

    Printer& pr = printers.current();
    pr.setScaleMode(ScaleMode::Millimetres);
    pr.setWidth(Twips{9000});
    pr.setHeight(Twips{9000});
    pr.setPaperSize(Printer::kUserPaper);
    pr.setFontName(tw.g.fonte_etiqueta);
    QString fornecedor = QStringLiteral("CALCADOS PASSO FIRME LTDA"), descricao = QStringLiteral("TENIS CASUAL"),
            codigo;
    EtiPack(program, "K", "CD CAJAMAR", "780123", "4402318", fornecedor, descricao, "PRETO", codigo,
            f.txtgrade1.text, f.txtgrade2.text, "24", 1, 2, "32/2026");
    pr.endDoc();

    ASSERT_EQ(printers.writtenFiles().size(), 1);
    const QString file = printers.writtenFiles().first();
    ASSERT_EQ(pdf::pageCount(file), 2);
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(page);
        const QSizeF size = pdf::pageSizeMm(file, page);
        EXPECT_NEAR(size.width(), 158.75, 0.5);
        EXPECT_NEAR(size.height(), 158.75, 0.5);
        const QImage image = pdf::rasterise(file, page, kDpi);
        ASSERT_FALSE(image.isNull());
        // The symbol's box: 13 to 83 mm across and 75 to 110 mm down from the margins.
        const QString code =
            symbols::readArea(image, kDpi, QRectF(2.2 + 8, 2.1 + 75, 80, 35), ZXing::BarcodeFormat::Code39);
        ASSERT_FALSE(code.isEmpty());
        EXPECT_EQ(code, codes[page - 1]);

        const QString text = pdf::text(file, page);
        for (const QString& want : {QStringLiteral("CD - DESTINO"), QStringLiteral("NOTA FISCAL:"),
                                    QStringLiteral("CALCADOS PASSO FIRME"), QStringLiteral("%1/2").arg(page),
                                    codes[page - 1]})
            EXPECT_TRUE(text.contains(want)) << want.toStdString() << " in:\n" << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("LTDA")));
    }
}

}  // namespace
