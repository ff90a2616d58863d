#include "platform/recordingprinter.h"

#include "platform/errors.h"

std::vector<const RecordingPrinter::Op*> RecordingPrinter::Page::texts() const
{
    std::vector<const Op*> out;
    for (const Op& op : ops)
        if (op.kind == Kind::Text)
            out.push_back(&op);
    return out;
}

const RecordingPrinter::Op* RecordingPrinter::Page::findText(const QString& text) const
{
    for (const Op& op : ops)
        if (op.kind == Kind::Text && op.text == text)
            return &op;
    return nullptr;
}

RecordingPrinter::RecordingPrinter(QString deviceName, QStringList fonts)
    : Printer(std::move(deviceName)), fonts_(std::move(fonts))
{
}

int RecordingPrinter::fontCount() const
{
    if (fontsUnreadable_)
        vberr::raise(vberr::PrinterError, QStringLiteral("Printer"));
    return static_cast<int>(fonts_.size());
}

QString RecordingPrinter::fontAt(int index) const
{
    if (fontsUnreadable_ || index < 0 || index >= fonts_.size())
        vberr::raise(vberr::PrinterError, QStringLiteral("Printer"));
    return fonts_.at(index);
}

QSizeF RecordingPrinter::measure(const QString& text, const PrinterFont& font) const
{
    const auto it = widths_.constFind(text);
    const double w = it != widths_.constEnd() ? *it : text.size() * font.size / 7.0;
    return {w, font.size * 0.4};
}

void RecordingPrinter::failOnPage(int page)
{
    if (!failReason_.isEmpty() && failPage_ == page)
        fail(failReason_);
}

void RecordingPrinter::beginDocument(QSizeF pageMm)
{
    current_ = Document();
    current_.pages.push_back(Page{pageMm, {}});
    open_ = true;
    failOnPage(1);
}

void RecordingPrinter::beginPage(QSizeF pageMm)
{
    current_.pages.push_back(Page{pageMm, {}});
    failOnPage(static_cast<int>(current_.pages.size()));
}

void RecordingPrinter::drawText(QPointF topLeftMm, const QString& text, const PrinterFont& font, QRgb color)
{
    Op op;
    op.kind = Kind::Text;
    op.x = topLeftMm.x();
    op.y = topLeftMm.y();
    const QSizeF cell = measure(text, font);
    op.width = cell.width();
    op.height = cell.height();
    op.text = text;
    op.font = font;
    op.color = color;
    current_.pages.back().ops.push_back(op);
}

void RecordingPrinter::drawBox(QRectF mm)
{
    Op op;
    op.kind = Kind::Box;
    op.x = mm.x();
    op.y = mm.y();
    op.width = mm.width();
    op.height = mm.height();
    current_.pages.back().ops.push_back(op);
}

void RecordingPrinter::drawPicture(const Picture& picture, QRectF targetMm, std::optional<QRectF>,
                                   std::optional<Region> sourceAsGiven)
{
    Op op;
    op.kind = Kind::Picture;
    op.x = targetMm.x();
    op.y = targetMm.y();
    op.width = targetMm.width();
    op.height = targetMm.height();
    op.barcode = picture.barcode;
    op.file = picture.file;
    op.pixels = picture.image.size();
    op.source = sourceAsGiven;
    current_.pages.back().ops.push_back(op);
}

void RecordingPrinter::finishDocument()
{
    failOnPage(0);
    if (failed())
        return;
    documents_.push_back(std::move(current_));
    current_ = Document();
    open_ = false;
}

void RecordingPrinter::discardDocument()
{
    ++discarded_;
    current_ = Document();
    open_ = false;
}

RecordingPrinterSystem::RecordingPrinterSystem(const QStringList& names, int defaultIndex) : current_(defaultIndex)
{
    for (const QString& n : names)
        printers_.push_back(std::make_unique<RecordingPrinter>(n));
}

QString RecordingPrinterSystem::deviceName(int index) const
{
    if (namesUnreadable_ || index < 0 || index >= count())
        vberr::raise(vberr::SubscriptOutOfRange, QStringLiteral("Printers"));
    return printers_.at(index)->deviceName();
}

Printer& RecordingPrinterSystem::current()
{
    if (printers_.empty())
        vberr::raise(vberr::PrinterError, QStringLiteral("Printer"));
    if (namesUnreadable_)
        vberr::raise(vberr::PrinterError, QStringLiteral("Printer"));
    return *printers_.at(current_);
}

void RecordingPrinterSystem::makeCurrent(int index)
{
    if (index < 0 || index >= count())
        vberr::raise(vberr::SubscriptOutOfRange, QStringLiteral("Printers"));
    current_ = index;
}
