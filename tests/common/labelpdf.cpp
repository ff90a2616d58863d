#include "tests/common/labelpdf.h"

#include <QPainter>
#include <cmath>

LabelPdfTest::LabelPdfTest()
{
    printers.makeCurrent(printers.count() - 1);
    EXPECT_EQ(printers.deviceName(printers.count() - 1), QtPrinterSystem::kFilePrinterName);
    tw.form.pctlogo1.picture = logo(Qt::darkGray);
    tw.form.pctlogo2.picture = logo(Qt::gray);
    tw.g.coluna_etiqueta = 1;
    tw.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
}

Picture LabelPdfTest::logo(Qt::GlobalColor colour)
{
    Picture p;
    p.image = QImage(300, 60, QImage::Format_RGB32);
    p.image.fill(Qt::white);
    QPainter(&p.image).fillRect(20, 10, 200, 40, colour);
    return p;
}

Printer& LabelPdfTest::page(Twips height)
{
    Printer& p = printers.current();
    p.setScaleMode(ScaleMode::Millimetres);
    p.setPaperSize(Printer::kUserPaper);
    p.setWidth(Twips{9000});
    p.setHeight(height);
    p.setFontName(tw.g.fonte_etiqueta);
    return p;
}

QString LabelPdfTest::finish()
{
    printers.current().endDoc();
    EXPECT_EQ(printers.writtenFiles().size(), 1);
    return printers.writtenFiles().value(0);
}

bool LabelPdfTest::wordAt(const QString& file, int pageNo, const QString& text, double x, double tolerance)
{
    for (const pdf::Word& w : pdf::words(file, pageNo))
        if (w.text == text && std::abs(w.mm.left() - x) < tolerance)
            return true;
    return false;
}

void LabelPdfTest::expectWords(const QString& file, int pageNo, std::initializer_list<const char*> words)
{
    const QString text = pdf::text(file, pageNo);
    for (const char* want : words)
        EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want << " in:\n" << text.toStdString();
}

void chooseFilePrinterForPrintCommand(TestWorkstation& tw, QtPrinterSystem& printers)
{
    MainForm& f = tw.form;
    for (ImageControl* logo : {&f.pctlogo1, &f.pctlogo2}) {
        logo->picture.image = QImage(300, 60, QImage::Format_RGB32);
        logo->picture.image.fill(Qt::darkGray);
    }
    tw.g.tem_logo1 = tw.g.tem_logo2 = true;
    tw.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
    f.lblprinterdefault.caption = printers.current().deviceName();
    f.CMBPRINTER.text = QtPrinterSystem::kFilePrinterName;
}
