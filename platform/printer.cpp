#include "platform/printer.h"

#include "platform/errors.h"

Printer::Printer(QString deviceName) : deviceName_(std::move(deviceName)) {}

Printer::~Printer() = default;

void Printer::setPaperSize(int code)
{
    paperSize_ = code;
    switch (code) {
    case 1:  // Letter
        width_ = Twips{12240};
        height_ = Twips{15840};
        break;
    case 9:  // A4
        width_ = Twips{11906};
        height_ = Twips{16838};
        break;
    default:  // the user-defined size keeps what was set before it
        break;
    }
}

double Printer::toMm(double v) const
{
    return scale_ == ScaleMode::Pixels ? v * 25.4 / dotsPerInch() : v;
}

double Printer::fromMm(double mm) const
{
    return scale_ == ScaleMode::Pixels ? mm * dotsPerInch() / 25.4 : mm;
}

void Printer::fail(const QString& reason)
{
    if (failure_.isEmpty())
        failure_ = reason.isEmpty() ? QStringLiteral("erro desconhecido") : reason;
}

bool Printer::beforeDrawing()
{
    if (!started_) {
        failure_.clear();
        started_ = true;
        pagePending_ = false;
        page_ = 1;
        beginDocument(pageSizeMm());
    } else if (failed()) {
        return false;
    } else if (pagePending_) {
        pagePending_ = false;
        ++page_;
        beginPage(pageSizeMm());
    }
    return !failed();
}

void Printer::print(const QString& text)
{
    // The line's height is the font's; measuring the text itself would lay all of it out, which
    // for a text of megabytes costs more than the whole label.
    const double lineHeight = measure(QString(), font_).height();
    if (!text.isEmpty() && beforeDrawing())
        drawText(QPointF(x_, y_), text, font_, color_);
    x_ = 0;
    y_ += lineHeight;
}

double Printer::textWidth(const QString& text) const { return fromMm(measure(text, font_).width()); }

double Printer::textHeight(const QString& text) const { return fromMm(measure(text, font_).height()); }

void Printer::filledBox(double x1, double y1, double x2, double y2)
{
    if (beforeDrawing())
        drawBox(QRectF(QPointF(toMm(x1), toMm(y1)), QPointF(toMm(x2), toMm(y2))).normalized());
}

void Printer::paintPicture(const Picture& picture, double x, double y, double width, double height)
{
    if (picture.isNull())
        vberr::raise(vberr::InvalidPicture, QStringLiteral("Printer"));
    if (beforeDrawing())
        drawPicture(picture, QRectF(toMm(x), toMm(y), toMm(width), toMm(height)), std::nullopt, std::nullopt);
}

void Printer::paintPicture(const Picture& picture, double x, double y, double width, double height, Region source)
{
    if (picture.isNull())
        vberr::raise(vberr::InvalidPicture, QStringLiteral("Printer"));
    if (!beforeDrawing())
        return;
    // The region is measured over the picture's own size, whatever its pixel count.
    const double pxPerMmX = picture.image.width() / picture.widthMm();
    const double pxPerMmY = picture.image.height() / picture.heightMm();
    const QRectF sourcePx(toMm(source.x) * pxPerMmX, toMm(source.y) * pxPerMmY, toMm(source.width) * pxPerMmX,
                          toMm(source.height) * pxPerMmY);
    drawPicture(picture, QRectF(toMm(x), toMm(y), toMm(width), toMm(height)), sourcePx, source);
}

void Printer::newPage()
{
    if (started_)
        pagePending_ = true;
    x_ = 0;
    y_ = 0;
}

bool Printer::endDoc()
{
    if (started_) {
        if (!failed())
            finishDocument();
        if (failed())
            discardDocument();
    }
    const bool whole = !started_ || failure_.isEmpty();
    started_ = false;
    pagePending_ = false;
    page_ = 0;
    x_ = 0;
    y_ = 0;
    return whole;
}
