#pragma once

#include "platform/recordingprinter.h"
#include "tests/common/testworkstation.h"

#include <QImage>
#include <gtest/gtest.h>

// A workstation whose current printer records, set up as a print run leaves it before a layout:
// millimetres, the column counter at 1, both logos loaded.
struct ProductLabelTest : ::testing::Test {
    TestWorkstation tw;
    Program& program = tw.program;
    Globals& g = tw.g;
    MainForm& form = tw.form;
    RecordingPrinter& printer = tw.printers.recording();

    ProductLabelTest()
    {
        printer.setScaleMode(ScaleMode::Millimetres);
        printer.setPaperSize(Printer::kUserPaper);
        printer.setWidth(Twips{9000});
        printer.setHeight(Twips{2660});
        g.coluna_etiqueta = 1;
        form.pctlogo1.picture = logo(QStringLiteral("mervalk.jpg"));
        form.pctlogo2.picture = logo(QStringLiteral("orvenna.jpg"));
    }

    static Picture logo(const QString& file)
    {
        Picture p;
        p.image = QImage(200, 40, QImage::Format_RGB32);
        p.image.fill(Qt::gray);
        p.file = file;
        return p;
    }

    // Ends the document and answers its pages.
    const std::vector<RecordingPrinter::Page>& pages()
    {
        printer.endDoc();
        EXPECT_FALSE(printer.documents().empty());
        static const std::vector<RecordingPrinter::Page> none;
        return printer.documents().empty() ? none : printer.documents().back().pages;
    }

    const RecordingPrinter::Page& openPage(std::size_t index = 0) const
    {
        return printer.openDocument()->pages.at(index);
    }
};

// One text as a layout must print it.
struct TextAt {
    QString text;
    const char* font;
    double size;
    bool bold;
    double x, y;
};

inline void expectText(const RecordingPrinter::Page& page, const TextAt& want)
{
    const RecordingPrinter::Op* op = page.findText(want.text);
    ASSERT_NE(op, nullptr) << "missing text " << want.text.toStdString();
    EXPECT_EQ(op->font.name, QString::fromUtf8(want.font)) << want.text.toStdString();
    EXPECT_DOUBLE_EQ(op->font.size, want.size) << want.text.toStdString();
    EXPECT_EQ(op->font.bold, want.bold) << want.text.toStdString();
    EXPECT_NEAR(op->x, want.x, 1e-4) << want.text.toStdString();
    EXPECT_NEAR(op->y, want.y, 1e-4) << want.text.toStdString();
}

inline std::vector<const RecordingPrinter::Op*> pictures(const RecordingPrinter::Page& page)
{
    std::vector<const RecordingPrinter::Op*> out;
    for (const auto& op : page.ops)
        if (op.kind == RecordingPrinter::Kind::Picture)
            out.push_back(&op);
    return out;
}

// Text widths of the recording printer: characters x size / 7 mm.
inline double widthOf(const QString& text, double points) { return text.size() * points / 7.0; }
