#pragma once

#include "platform/picture.h"
#include "platform/units.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// A hidden picture box of the main window: a pixel surface sized in twips (15 to the pixel), on
// which the barcode drawers draw before a layout paints the result onto the page.
class PictureBox {
public:
    static constexpr QRgb kBlack = 0x000000;
    static constexpr QRgb kWhite = 0xFFFFFF;

    PictureBox();

    // The picture it shows; empty after clearPicture.
    const Picture& picture() const { return picture_; }
    Picture& picture() { return picture_; }
    void setPicture(Picture p) { picture_ = std::move(p); }
    void clearPicture() { picture_ = Picture(); }
    // Clears the drawing to the background colour and puts the position at the top-left corner.
    void cls();

    Twips width() const { return width_; }
    Twips height() const { return height_; }
    void setWidth(Twips w);
    void setHeight(Twips h);
    // The drawing area in pixels.
    int scaleWidth() const { return twipsToPixels(width_); }
    int scaleHeight() const { return twipsToPixels(height_); }

    QRgb backColor() const { return backColor_; }
    // A new background colour clears the drawing area to it.
    void setBackColor(QRgb c);
    bool autoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    // The surface always counts in pixels; kept so callers can set it as they do.
    void setPixelScale() { pixelScale_ = true; }
    bool pixelScale() const { return pixelScale_; }

    // A one-pixel line; the end point is not drawn.
    void line(int x1, int y1, int x2, int y2, QRgb color);

    void setFontName(const QString& name) { font_.setFamily(name); }
    void setFontSize(double points) { font_.setPointSizeF(points); }
    void setFontBold(bool on) { font_.setBold(on); }
    const QFont& font() const { return font_; }
    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }
    // Prints at the position (top-left of the line cell), then moves to the start of the next line.
    void print(const QString& text);
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;

    // The kept drawing (what persistent drawing holds).
    const QImage& image() const { return surface(); }
    // Makes the kept drawing the picture.
    void takeImageAsPicture();

private:
    // A new size is only noted; the pixels follow at the next use, once for all the sizes set in
    // between, keeping of the drawing what every one of those sizes kept.
    void noteSize();
    QImage& surface() const;

    Picture picture_;
    mutable QImage image_;
    mutable bool sizePending_ = false;
    mutable int keptWidth_ = 0;  // pixels of the drawing that survive the pending sizes
    mutable int keptHeight_ = 0;
    Twips width_{1215};
    Twips height_{1215};
    QRgb backColor_ = kWhite;
    bool autoRedraw_ = false;
    bool pixelScale_ = false;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
};
