// The demo orders printed as an operator prints them, every item, through the PDF file printer,
// and read back as a person sees the labels: each logo fills its box across, and no text of a
// label runs into its neighbour.
#include "labels/product/cmd_printacessorio.h"
#include "orders/handlers.h"
#include "platform/processes.h"
#include "platform/qtprinter.h"
#include "settings/settings.h"
#include "tests/common/pdftools.h"
#include "tests/demo/demofolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

constexpr int kDpi = 200;

enum class Family { BoxFront, Accessory };

// Where the layouts put things with the demo settings' margins ("Mx4045_1" 0, "Mx4045_2" 40,
// "Mx4045" 2,2; "Margem_oculta1" 0, "Margem_oculta11" 40, "Margem_oculta2" 2,2; the accessory
// layout moves its columns 4.8 and 1.5 mm left).
struct Geometry {
    double left, right, top;  // the two labels' origins
    double firstElement;      // how far right of its origin a label's first element stands
    QRectF logoO, logoK;      // the logo boxes, from the label's origin
};
const Geometry kBoxFront{0, 40, 2.2, 1.2, {2.5, 0, 38, 10}, {2.5, 1.5, 38, 6}};
const Geometry kAccessory{-4.8, 38.5, 2.2, 4.6, {9, 0.5, 28, 6}, {7.7, -0.4, 22, 5}};

// The share of a box's width that the logo's ink spans: the demo logos are coloured plates, the
// rest of a label is black, so the logo is what has colour.
double logoSpan(const QImage& page, const QRectF& boxMm)
{
    const double px = kDpi / 25.4;
    const int x0 = std::max(0, int(boxMm.left() * px)), x1 = std::min(page.width() - 1, int(boxMm.right() * px));
    const int y0 = std::max(0, int(boxMm.top() * px)), y1 = std::min(page.height() - 1, int(boxMm.bottom() * px));
    int first = -1, last = -1;
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y) {
            const QRgb c = page.pixel(x, y);
            const int hi = std::max({qRed(c), qGreen(c), qBlue(c)}), lo = std::min({qRed(c), qGreen(c), qBlue(c)});
            if (hi - lo > 60) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    return first < 0 ? 0 : (last - first + 1) / (boxMm.width() * px);
}

QImage colourPage(const QString& file, int page)
{
    QTemporaryDir dir;
    const QString base = dir.path() + QStringLiteral("/page");
    pdf::run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(kDpi),
                                          QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                          QString::number(page), QStringLiteral("-singlefile"), file, base});
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// Words that stand on one line with no more than a blank between them: one printed text.
std::vector<pdf::Word> texts(const QString& file, int page)
{
    std::vector<pdf::Word> words = pdf::words(file, page);
    std::sort(words.begin(), words.end(), [](const pdf::Word& a, const pdf::Word& b) {
        return std::pair(a.mm.top(), a.mm.left()) < std::pair(b.mm.top(), b.mm.left());
    });
    std::vector<pdf::Word> runs;
    for (const pdf::Word& w : words) {
        if (!runs.empty()) {
            pdf::Word& r = runs.back();
            if (std::abs(r.mm.top() - w.mm.top()) < 0.3 && std::abs(r.mm.bottom() - w.mm.bottom()) < 0.3 &&
                w.mm.left() > r.mm.left() && w.mm.left() - r.mm.right() < 1.5) {
                r.text += u' ' + w.text;
                r.mm = r.mm.united(w.mm);
                continue;
            }
        }
        runs.push_back(w);
    }
    return runs;
}

struct DemoLabels : ::testing::Test {
    TestWorkstation tw;
    QtPrinterSystem printers{tw.files};
    QtProcesses processes;
    Workstation ws{tw.files, tw.profile, printers, tw.messages, tw.screen};
    Program p{ws, tw.form, tw.g};
    MainForm& f = tw.form;

    void SetUp() override
    {
        ASSERT_EQ(layOutDemo(tw.folder()), QString());
        ASSERT_TRUE(QFile::copy(builtQrlumoJar(), tw.path(QStringLiteral("qrlumo.jar"))));
        QDir().mkpath(tw.path(QStringLiteral("tmp")));
        ws.processes = &processes;
        // What start-up reads and loads.
        f.lblpath.caption = readSetting(ws, "Impressora", "Path");
        f.lbljava.caption = readSetting(ws, "Impressora", "Java");
        f.pctlogo1.picture = Picture::load(tw.path(QStringLiteral("mervalk.jpg")));
        f.pctlogo2.picture = Picture::load(tw.path(QStringLiteral("orvenna.jpg")));
        tw.g.tem_logo1 = !f.pctlogo1.picture.isNull();
        tw.g.tem_logo2 = !f.pctlogo2.picture.isNull();
        tw.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
        f.lblprinterdefault.caption = printers.current().deviceName();
        f.CMBPRINTER.text = QtPrinterSystem::kFilePrinterName;
    }

    // Loads the order and prints each of its items; the PDF files written, one per item.
    QStringList printEveryItem(const char* tipo, const char* numero)
    {
        f.cmbtipo.text = QString::fromUtf8(tipo);
        f.txtarquivo.text = QString::fromLatin1(numero);
        cmbtipo_LostFocus(p);
        const bool carton = f.cmbtipo.text == QStringLiteral("Corrugado");
        ComboBox& list = carton ? f.cmb_referencia1 : f.cmb_referencia;
        EXPECT_GT(list.listCount(), 0);
        const qsizetype before = printers.writtenFiles().size();
        for (int i = 0; i < list.listCount(); ++i) {
            list.setListIndex(i);
            carton ? cmb_referencia1_LostFocus(p) : cmb_referencia_LostFocus(p);
            cmd_printacessorio_Click(p);
        }
        EXPECT_EQ(tw.messages.texts(), QStringList{});
        return printers.writtenFiles().mid(before);
    }

    // Every two-across page of the files: the logos fill their boxes, and the texts of the left
    // label end before the right label's first element, where no text of the right label begins.
    // Each fault is told once, with the first page it shows on.
    static void checkTwoAcross(const QStringList& files, const Geometry& g, bool brandO)
    {
        const double boundary = g.right + g.firstElement;
        std::map<std::string, std::string> faults;
        for (const QString& file : files)
            for (int page = 1; page <= pdf::pageCount(file); ++page) {
                const std::string where = QFileInfo(file).fileName().toStdString() + " page " + std::to_string(page);
                bool right = false;
                for (const pdf::Word& t : texts(file, page)) {
                    if (t.mm.left() < boundary && t.mm.right() > boundary)
                        faults.emplace('"' + t.text.toStdString() + "\" from " + std::to_string(t.mm.left()) + " to " +
                                           std::to_string(t.mm.right()) + " mm runs into the right label, which begins at " +
                                           std::to_string(boundary) + " mm",
                                       where);
                    right = right || t.mm.left() >= boundary;
                }
                const QImage image = colourPage(file, page);
                ASSERT_FALSE(image.isNull()) << where;
                for (double x : {g.left, g.right}) {
                    if (x == g.right && !right)
                        continue;
                    const QRectF at = (brandO ? g.logoO : g.logoK).translated(x, g.top);
                    const double span = logoSpan(image, at);
                    if (span < 0.8)
                        faults.emplace("the logo's ink spans " + std::to_string(int(span * 100)) +
                                           "% of its box at " + std::to_string(at.left()) + " mm",
                                       where);
                }
            }
        for (const auto& [fault, where] : faults)
            ADD_FAILURE() << fault << " (" << where << ")";
    }
};

TEST_F(DemoLabels, BoxFrontLogosFillTheirBoxesAndTextsStayOnTheirLabel)
{
    checkTwoAcross(printEveryItem("Frente de Caixa", "1400050831"), kBoxFront, false);
    checkTwoAcross(printEveryItem("Frente de Caixa", "1400050832"), kBoxFront, true);
}

TEST_F(DemoLabels, AccessoryLogosFillTheirBoxesAndTextsStayOnTheirLabel)
{
    checkTwoAcross(printEveryItem("Acessório", "1400050831"), kAccessory, false);
    checkTwoAcross(printEveryItem("Acessório", "1400060001"), kAccessory, true);
}

// The pack label is one across, divided into boxes by rules: every text stays inside the frame,
// and in the rows that a column rule divides, on its own side of the rule.
TEST_F(DemoLabels, PackTextsStayInTheirBoxes)
{
    // "PackX" 2,2 and "PackY" 2,1: the rules' origin lies 2.7 mm left of and 3 mm above that.
    const double ox = 2.2 - 2.7, oy = 2.1 - 3;
    const double divider = ox + 46, dividerEnd = ox + 46.3;
    const std::pair<double, double> dividedRows[] = {{19, 49}, {64, 79.9}, {95, 140}};
    std::map<std::string, std::string> faults;
    for (const char* numero : {"1400070001", "1400070002"}) {
        const QStringList files = printEveryItem("Corrugado", numero);
        ASSERT_FALSE(files.isEmpty());
        for (const QString& file : files)
            for (int page = 1; page <= pdf::pageCount(file); ++page) {
                const std::string where = QFileInfo(file).fileName().toStdString() + " page " + std::to_string(page);
                for (const pdf::Word& t : texts(file, page)) {
                    const std::string what = '"' + t.text.toStdString() + "\" from " + std::to_string(t.mm.left()) +
                                             " to " + std::to_string(t.mm.right()) + " mm";
                    if (t.mm.left() < ox + 2.4 || t.mm.right() > ox + 98.6)
                        faults.emplace(what + " leaves the frame", where);
                    const double middle = t.mm.center().y() - oy;
                    for (auto [top, bottom] : dividedRows)
                        if (middle > top && middle < bottom && t.mm.left() < dividerEnd && t.mm.right() > divider)
                            faults.emplace(what + " crosses the column rule", where);
                }
            }
    }
    for (const auto& [fault, where] : faults)
        ADD_FAILURE() << fault << " (" << where << ")";
}

}  // namespace
