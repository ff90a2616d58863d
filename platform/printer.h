#pragma once

#include "platform/picture.h"
#include "platform/units.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

enum class ScaleMode { Pixels = 3, Millimetres = 6 };

struct PrinterFont {
    QString name;
    double size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The current printer as the layouts use it: positions, sizes and widths in the current scale
// (millimetres, or the device's pixels), page sizes in twips, font sizes in points. The rules of
// a page live here so that every back end shares them:
//  - the position is the top-left corner of a text's line cell; printing moves to the next line;
//  - the document begins at the first output, and a new page is only pending until something is
//    drawn on it, so an ended document has no empty last page and an empty one prints nothing;
//  - choosing the user-defined paper keeps a width or height set just before it;
//  - a document that could not be opened, written or handed over has failed: nothing more of it
//    is drawn, ending it discards what was made, and failure() says why.
class Printer {
public:
    static constexpr int kUserPaper = 256;

    explicit Printer(QString deviceName);
    virtual ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    const QString& deviceName() const { return deviceName_; }

    void setScaleMode(ScaleMode mode) { scale_ = mode; }
    ScaleMode scaleMode() const { return scale_; }
    void setPaperSize(int code);
    int paperSize() const { return paperSize_; }
    void setWidth(Twips w) { width_ = w; }
    void setHeight(Twips h) { height_ = h; }
    Twips width() const { return width_; }
    Twips height() const { return height_; }

    void setFontName(const QString& name) { font_.name = name; }
    const QString& fontName() const { return font_.name; }
    void setFontSize(double points) { font_.size = realiseFontSize(points); }
    // The size the printer realised, which may differ from the one asked for.
    double fontSize() const { return font_.size; }
    void setFontBold(bool on) { font_.bold = on; }
    bool fontBold() const { return font_.bold; }
    void setFontItalic(bool on) { font_.italic = on; }
    bool fontItalic() const { return font_.italic; }
    void setFontUnderline(bool on) { font_.underline = on; }
    bool fontUnderline() const { return font_.underline; }
    const PrinterFont& font() const { return font_; }
    void setForeColor(QRgb color) { color_ = color; }
    QRgb foreColor() const { return color_; }

    double currentX() const { return fromMm(x_); }
    double currentY() const { return fromMm(y_); }
    void setCurrentX(double x) { x_ = toMm(x); }
    void setCurrentY(double y) { y_ = toMm(y); }

    void print(const QString& text);
    double textWidth(const QString& text) const;
    double textHeight(const QString& text = QStringLiteral("Wg")) const;

    // A black rectangle between two opposite corners.
    void filledBox(double x1, double y1, double x2, double y2);
    struct Region {
        double x = 0, y = 0, width = 0, height = 0;
    };
    // The whole picture stretched into the rectangle, or only a source region of it, given in
    // the current scale from the picture's top-left corner over its own size.
    void paintPicture(const Picture& picture, double x, double y, double width, double height);
    void paintPicture(const Picture& picture, double x, double y, double width, double height, Region source);

    void newPage();
    // Ends the document: true when its pages went out whole (an empty document prints nothing
    // and counts as whole). A failed document is discarded instead.
    bool endDoc();
    // The page being drawn, from 1; 0 before the document begins.
    int page() const { return page_; }
    // The open document has failed; what is drawn now goes nowhere.
    bool failed() const { return started_ && !failure_.isEmpty(); }
    // Why the open or the last ended document failed, in the operator's words; empty when it
    // did not.
    const QString& failure() const { return failure_; }

    // The fonts this printer offers.
    virtual int fontCount() const = 0;
    virtual QString fontAt(int index) const = 0;

protected:
    // The back end draws in millimetres on the page.
    virtual double dotsPerInch() const = 0;
    virtual double realiseFontSize(double points) const { return points; }
    // Advance width and line height of a text, in millimetres.
    virtual QSizeF measure(const QString& text, const PrinterFont& font) const = 0;
    virtual void beginDocument(QSizeF pageMm) = 0;
    virtual void beginPage(QSizeF pageMm) = 0;
    virtual void drawText(QPointF topLeftMm, const QString& text, const PrinterFont& font, QRgb color) = 0;
    virtual void drawBox(QRectF mm) = 0;
    // source: the region of the picture in its own pixels, or the whole picture.
    virtual void drawPicture(const Picture& picture, QRectF targetMm, std::optional<QRectF> sourcePixels,
                             std::optional<Region> sourceAsGiven) = 0;
    // Hands the document over; reports a failure through fail().
    virtual void finishDocument() = 0;
    // Throws away a failed document: a file printer removes its incomplete file.
    virtual void discardDocument() {}
    // The back end's report that the document could not be opened, written or handed over. The
    // first reason counts.
    void fail(const QString& reason);

    QSizeF pageSizeMm() const { return {twipsToMm(width_), twipsToMm(height_)}; }

private:
    // False when the document has failed and the drawing is to be dropped.
    bool beforeDrawing();
    double toMm(double v) const;
    double fromMm(double mm) const;

    QString deviceName_;
    ScaleMode scale_ = ScaleMode::Millimetres;
    int paperSize_ = 9;
    Twips width_{11906};   // A4 until a layout sets its own paper
    Twips height_{16838};
    PrinterFont font_{QStringLiteral("Arial"), 10, false, false, false};
    QRgb color_ = 0x000000;
    double x_ = 0;  // millimetres
    double y_ = 0;
    bool started_ = false;
    bool pagePending_ = false;
    int page_ = 0;
    QString failure_;
};

// The installed printers, in the system's order, and which one is current.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    virtual int count() const = 0;
    // Raises a printer error for an index outside the list.
    virtual QString deviceName(int index) const = 0;
    // Raises a printer error when no printer is installed.
    virtual Printer& current() = 0;
    virtual void makeCurrent(int index) = 0;
    // Why the list may lack printers of this machine (the print server did not answer); empty
    // when it is whole.
    virtual QString listProblem() const { return {}; }
};
