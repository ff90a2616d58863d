#pragma once

#include "platform/printer.h"

#include <QHash>
#include <functional>
#include <vector>

// A printer for tests: it records every drawing operation per page with the font at that moment,
// and measures text by a fixed rule (width = characters x size / 7 mm, line height = size x 0.4 mm)
// unless a test gives a text a width of its own, so layouts can be checked in exact millimetres.
class RecordingPrinter : public Printer {
public:
    enum class Kind { Text, Box, Picture };
    struct Op {
        Kind kind = Kind::Text;
        double x = 0, y = 0, width = 0, height = 0;  // millimetres on the page
        QString text;                                  // Text: what was printed
        PrinterFont font;                              // Text: the font in force
        QRgb color = 0;                                // Text: the text colour
        QString barcode;                               // Picture: what its barcode encodes
        QString file;                                  // Picture: the file it came from
        QSize pixels;                                  // Picture: its pixel size
        std::optional<Region> source;                  // Picture: the source region as given
    };
    struct Page {
        QSizeF sizeMm;
        std::vector<Op> ops;
        std::vector<const Op*> texts() const;
        const Op* findText(const QString& text) const;
    };
    struct Document {
        std::vector<Page> pages;
    };

    explicit RecordingPrinter(QString deviceName = QStringLiteral("Gravador"), QStringList fonts = {});

    // Ended documents, oldest first.
    const std::vector<Document>& documents() const { return documents_; }
    // The document still open, if output has begun.
    const Document* openDocument() const { return open_ ? &current_ : nullptr; }

    void setTextWidth(const QString& text, double mm) { widths_[text] = mm; }
    void setFontRealiser(std::function<double(double)> realise) { realise_ = std::move(realise); }
    void setFonts(QStringList fonts) { fonts_ = std::move(fonts); }
    // Makes listing the fonts fail, as a printer whose fonts cannot be read.
    void setFontsUnreadable(bool on) { fontsUnreadable_ = on; }
    // Makes every later document fail with this reason when it reaches this page (1: when it
    // begins), or when it is handed over (page 0), as a printer whose output is lost there.
    // An empty reason makes documents whole again.
    void setFailure(QString reason, int page = 1)
    {
        failReason_ = std::move(reason);
        failPage_ = page;
    }
    // Failed documents that were thrown away.
    int discarded() const { return discarded_; }

    int fontCount() const override;
    QString fontAt(int index) const override;

    static constexpr double kDpi = 300;

protected:
    double dotsPerInch() const override { return kDpi; }
    double realiseFontSize(double points) const override { return realise_ ? realise_(points) : points; }
    QSizeF measure(const QString& text, const PrinterFont& font) const override;
    void beginDocument(QSizeF pageMm) override;
    void beginPage(QSizeF pageMm) override;
    void drawText(QPointF topLeftMm, const QString& text, const PrinterFont& font, QRgb color) override;
    void drawBox(QRectF mm) override;
    void drawPicture(const Picture& picture, QRectF targetMm, std::optional<QRectF> sourcePixels,
                     std::optional<Region> sourceAsGiven) override;
    void finishDocument() override;
    void discardDocument() override;

private:
    void failOnPage(int page);

    QString failReason_;
    int failPage_ = 0;
    int discarded_ = 0;
    QStringList fonts_;
    bool fontsUnreadable_ = false;
    QHash<QString, double> widths_;
    std::function<double(double)> realise_;
    std::vector<Document> documents_;
    Document current_;
    bool open_ = false;
};

// Installed printers for tests: recording printers by name, one of them the default.
class RecordingPrinterSystem : public PrinterSystem {
public:
    explicit RecordingPrinterSystem(const QStringList& names = {QStringLiteral("Gravador")}, int defaultIndex = 0);

    int count() const override { return static_cast<int>(printers_.size()); }
    QString deviceName(int index) const override;
    Printer& current() override;
    void makeCurrent(int index) override;

    RecordingPrinter& printer(int index) { return *printers_.at(index); }
    RecordingPrinter& recording() { return static_cast<RecordingPrinter&>(current()); }
    int currentIndex() const { return current_; }
    // Makes reading device names fail, as a printing system that cannot answer.
    void setNamesUnreadable(bool on) { namesUnreadable_ = on; }
    QString listProblem() const override { return listProblem_; }
    void setListProblem(const QString& problem) { listProblem_ = problem; }

private:
    std::vector<std::unique_ptr<RecordingPrinter>> printers_;
    int current_ = 0;
    bool namesUnreadable_ = false;
    QString listProblem_;
};
