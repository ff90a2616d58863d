#pragma once

#include "platform/qtprinter.h"
#include "tests/common/pdftools.h"
#include "tests/common/symbols.h"
#include "tests/common/testworkstation.h"

#include <gtest/gtest.h>
#include <initializer_list>

// Labels printed through the PDF file printer, the page set up as a print run sets it before its
// layout, with grey logos and the label font start-up leaves; the PDF is read back as a person's
// viewer shows it.
class LabelPdfTest : public ::testing::Test {
protected:
    static constexpr int kDpi = 600;

    LabelPdfTest();

    static Picture logo(Qt::GlobalColor colour);
    // The user paper of a two-across row: 9000 twips wide, this high, in millimetres.
    Printer& page(Twips height);
    // Ends the document; the one PDF the run wrote.
    QString finish();

    // The EAN-13 in a band of the page, from x0 to x1 millimetres.
    static QString decodeEan13(const QImage& pageImage, double x0, double x1)
    {
        return symbols::readBand(pageImage, kDpi, x0, x1, ZXing::BarcodeFormat::EAN13);
    }
    // Whether a word stands on the page with its left edge near x (mm).
    static bool wordAt(const QString& file, int pageNo, const QString& text, double x, double tolerance = 1.5);
    static void expectWords(const QString& file, int pageNo, std::initializer_list<const char*> words);

    TestWorkstation tw;
    QtPrinterSystem printers{tw.files};
    Workstation ws{tw.files, tw.profile, printers, tw.messages, tw.screen};
    Program program{ws, tw.form, tw.g};
};

// What the print command finds at start-up: grey logos that loaded, the label font, the default
// printer remembered, and the PDF file printer chosen in the window.
void chooseFilePrinterForPrintCommand(TestWorkstation& tw, QtPrinterSystem& printers);
