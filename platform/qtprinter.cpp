#include "platform/qtprinter.h"

#include "platform/errors.h"
#include "platform/filesystem.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

const QString QtPrinterSystem::kFilePrinterName = QStringLiteral("Arquivo PDF (pasta impressos)");

void installFontSubstitutes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Carlito shares Calibri's metrics; Liberation Sans shares Arial's. The others have no twin
    // here and get the nearest sans serif.
    QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("ARIAL"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Franklin Gothic Medium"), QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Franklin Gothic Semilight"), QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Malgun Gothic Semilight"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Estrangelo Edessa"), QStringLiteral("Liberation Sans"));
}

namespace {

QFont toQFont(const PrinterFont& f)
{
    QFont q(f.name);
    q.setPointSizeF(f.size > 0 ? f.size : 1);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStyleStrategy(QFont::PreferMatch);
    return q;
}

class QtPrinter : public Printer {
public:
    // A CUPS queue when output is empty; the PDF file printer otherwise.
    QtPrinter(QString name, QString outputFolder, QStringList* written)
        : Printer(std::move(name)), outputFolder_(std::move(outputFolder)), written_(written)
    {
        // A surface at the printer's resolution measures text as the page will print it.
        measureSurface_ = QImage(8, 8, QImage::Format_RGB32);
        measureSurface_.setDotsPerMeterX(qRound(kDpi / 0.0254));
        measureSurface_.setDotsPerMeterY(qRound(kDpi / 0.0254));
    }

    int fontCount() const override { return static_cast<int>(QFontDatabase::families().size()); }
    QString fontAt(int index) const override
    {
        const QStringList all = QFontDatabase::families();
        if (index < 0 || index >= all.size())
            vberr::raise(vberr::InvalidPropertyIndex, QStringLiteral("Printer"));
        return all.at(index);
    }

protected:
    static constexpr double kDpi = 600;

    double dotsPerInch() const override { return kDpi; }

    QSizeF measure(const QString& text, const PrinterFont& font) const override
    {
        const QFontMetricsF& fm = fontFor(font).metrics;
        const double mmPerDot = 25.4 / kDpi;
        return {fm.horizontalAdvance(text) * mmPerDot, fm.height() * mmPerDot};
    }

    void beginDocument(QSizeF pageMm) override
    {
        qprinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (outputFolder_.isEmpty()) {
            qprinter_->setPrinterName(deviceName());
        } else {
            QDir().mkpath(outputFolder_);
            const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
            QString file = outputFolder_ + QStringLiteral("/etiquetas-") + stamp + QStringLiteral(".pdf");
            for (int n = 2; QFileInfo::exists(file); ++n)
                file = outputFolder_ + QStringLiteral("/etiquetas-") + stamp + u'-' + QString::number(n) +
                       QStringLiteral(".pdf");
            qprinter_->setOutputFormat(QPrinter::PdfFormat);
            qprinter_->setOutputFileName(file);
            currentFile_ = file;
        }
        qprinter_->setResolution(static_cast<int>(kDpi));
        qprinter_->setFullPage(true);
        applyPageSize(pageMm);
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(qprinter_.get())) {
            painter_.reset();
            qprinter_.reset();
            vberr::raise(vberr::PrinterError, QStringLiteral("Printer"));
        }
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }

    void beginPage(QSizeF pageMm) override
    {
        applyPageSize(pageMm);
        qprinter_->newPage();
    }

    void drawText(QPointF topLeftMm, const QString& text, const PrinterFont& font, QRgb color) override
    {
        // The page and the measuring surface share one resolution, so one set of metrics serves both.
        const LabelFont& f = fontFor(font);
        if (painter_->font() != f.font)
            painter_->setFont(f.font);
        if (painter_->pen().color() != QColor::fromRgb(color))
            painter_->setPen(QColor::fromRgb(color));
        const QPointF at = toDevice(topLeftMm);
        painter_->drawText(QPointF(at.x(), at.y() + f.metrics.ascent()), text);
    }

    void drawBox(QRectF mm) override
    {
        painter_->fillRect(QRectF(toDevice(mm.topLeft()), toDevice(mm.bottomRight())), Qt::black);
    }

    void drawPicture(const Picture& picture, QRectF targetMm, std::optional<QRectF> sourcePixels,
                     std::optional<Region>) override
    {
        const QRectF target(toDevice(targetMm.topLeft()), toDevice(targetMm.bottomRight()));
        if (!sourcePixels) {
            painter_->drawImage(target, picture.image);
            return;
        }
        // A region reaching past the picture keeps its scale: only the part inside is painted.
        const QRectF src = *sourcePixels;
        const QRectF inside = src.intersected(QRectF(0, 0, picture.image.width(), picture.image.height()));
        if (inside.isEmpty() || src.width() <= 0 || src.height() <= 0)
            return;
        const double sx = target.width() / src.width(), sy = target.height() / src.height();
        const QRectF to(target.x() + (inside.x() - src.x()) * sx, target.y() + (inside.y() - src.y()) * sy,
                        inside.width() * sx, inside.height() * sy);
        painter_->drawImage(to, picture.image, inside);
    }

    void finishDocument() override
    {
        if (painter_)
            painter_->end();
        painter_.reset();
        qprinter_.reset();
        if (!currentFile_.isEmpty() && written_)
            written_->append(currentFile_);
        currentFile_.clear();
    }

private:
    QPointF toDevice(QPointF mm) const
    {
        const double dotsPerMm = qprinter_->resolution() / 25.4;
        return {mm.x() * dotsPerMm, mm.y() * dotsPerMm};
    }

    void applyPageSize(QSizeF pageMm)
    {
        // A label row is wider than high: the size is given as it is, never turned on its side.
        const QPageSize size(pageMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
        QPageLayout layout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        layout.setMode(QPageLayout::FullPageMode);
        qprinter_->setPageLayout(layout);
    }

    // A label run uses a handful of fonts thousands of times: each is resolved and measured once.
    struct LabelFont {
        PrinterFont asked;
        QFont font;
        QFontMetricsF metrics;
    };
    const LabelFont& fontFor(const PrinterFont& f) const
    {
        const auto same = [&](const LabelFont& e) {
            return e.asked.size == f.size && e.asked.bold == f.bold && e.asked.italic == f.italic &&
                   e.asked.underline == f.underline && e.asked.name == f.name;
        };
        if (lastFont_ && same(*lastFont_))
            return *lastFont_;
        for (const auto& e : fonts_)
            if (same(*e))
                return *(lastFont_ = e.get());
        const QFont q = toQFont(f);
        fonts_.push_back(std::make_unique<LabelFont>(LabelFont{f, q, QFontMetricsF(q, &measureSurface_)}));
        return *(lastFont_ = fonts_.back().get());
    }

    QString outputFolder_;
    QStringList* written_;
    QString currentFile_;
    QImage measureSurface_;
    mutable std::vector<std::unique_ptr<LabelFont>> fonts_;
    mutable const LabelFont* lastFont_ = nullptr;
    std::unique_ptr<QPrinter> qprinter_;
    std::unique_ptr<QPainter> painter_;
};

}  // namespace

QtPrinterSystem::QtPrinterSystem(const FileSystem& files) : files_(files)
{
    installFontSubstitutes();
    names_ = QPrinterInfo::availablePrinterNames();
    names_ << kFilePrinterName;
    const QString def = QPrinterInfo::defaultPrinterName();
    current_ = def.isEmpty() ? static_cast<int>(names_.size()) - 1 : std::max(0, static_cast<int>(names_.indexOf(def)));
    for (const QString& n : names_) {
        const bool isFile = n == kFilePrinterName;
        printers_.push_back(std::make_unique<QtPrinter>(n, isFile ? outputFolder() : QString(), &written_));
    }
}

QtPrinterSystem::~QtPrinterSystem() = default;

QString QtPrinterSystem::outputFolder() const { return files_.resolve(QStringLiteral("impressos")); }

int QtPrinterSystem::count() const { return static_cast<int>(names_.size()); }

QString QtPrinterSystem::deviceName(int index) const
{
    if (index < 0 || index >= names_.size())
        vberr::raise(vberr::SubscriptOutOfRange, QStringLiteral("Printers"));
    return names_.at(index);
}

Printer& QtPrinterSystem::current() { return *printers_.at(current_); }

void QtPrinterSystem::makeCurrent(int index)
{
    if (index < 0 || index >= count())
        vberr::raise(vberr::SubscriptOutOfRange, QStringLiteral("Printers"));
    current_ = index;
}
