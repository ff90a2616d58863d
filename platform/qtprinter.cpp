#include "platform/qtprinter.h"

#include "platform/besidethewindow.h"
#include "platform/errors.h"
#include "platform/filelocks.h"
#include "platform/filesystem.h"
#include "platform/printserver.h"

#include <QDateTime>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cerrno>
#include <chrono>
#include <future>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A file whose every write, its flush to the disk and its close are checked; the first failure
// is kept, and later writes are refused.
class CheckedFile : public QIODevice {
public:
    ~CheckedFile() override { discard(); }

    const QString& path() const { return path_; }
    const QString& error() const { return error_; }

    // shownAs: the name the operator knows the file by, when it is written under another.
    bool create(const QString& path, const QString& shownAs = {})
    {
        path_ = path;
        shownAs_ = shownAs;
        // Marked while it is written, so that a start of another copy of the program sharing the
        // folder leaves it alone; what a killed print left is not marked.
        const int error = marked_.create(FileSystem::encodeName(path), 0644);
        fd_ = marked_.takeFd();
        return opened(error);
    }

    bool createTemporary(const QString& pattern)
    {
        QByteArray name = FileSystem::encodeName(pattern);
        fd_ = ::mkstemps(name.data(), 4);
        const int error = errno;
        path_ = FileSystem::decodeName(name);
        return opened(error);
    }

    // Everything on the disk and the file closed.
    bool finish()
    {
        if (fd_ < 0)
            return error_.isEmpty();
        flushBuffer();
        if (error_.isEmpty() && ::fsync(fd_) != 0)
            failed(errno);
        if (::close(fd_) != 0)
            failed(errno);
        fd_ = -1;
        QIODevice::close();
        return error_.isEmpty();
    }

    bool rename(const QString& to)
    {
        if (::rename(FileSystem::encodeName(path_).constData(), FileSystem::encodeName(to).constData()) != 0) {
            failed(errno);
            return false;
        }
        marked_.release();
        path_.clear();
        return true;
    }

    // Closed and removed: an incomplete file never stays behind.
    void discard()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        if (isOpen())
            QIODevice::close();
        if (!path_.isEmpty())
            ::unlink(FileSystem::encodeName(path_).constData());
        marked_.release();
        path_.clear();
        buffer_.clear();
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override
    {
        if (!error_.isEmpty())
            return -1;
        buffer_.append(data, size);
        if (buffer_.size() >= kBuffer)
            flushBuffer();
        return error_.isEmpty() ? size : -1;
    }

private:
    static constexpr qsizetype kBuffer = 1 << 16;

    bool opened(int error)
    {
        if (fd_ < 0) {
            error_ = QStringLiteral("não foi possível criar o arquivo \"%1\" (%2)").arg(shown(), FileSystem::reasonOf(error));
            path_.clear();
            return false;
        }
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        return true;
    }

    void failed(int error)
    {
        if (error_.isEmpty())
            error_ = QStringLiteral("não foi possível gravar o arquivo \"%1\" (%2)").arg(shown(), FileSystem::reasonOf(error));
    }

    void flushBuffer()
    {
        if (error_.isEmpty())
            if (const int error = FileSystem::writeAll(fd_, buffer_.constData(), buffer_.size()))
                failed(error);
        buffer_.clear();
    }

    QString shown() const { return QDir::toNativeSeparators(shownAs_.isEmpty() ? path_ : shownAs_); }

    int fd_ = -1;
    FileInWriting marked_;
    QString path_;
    QString shownAs_;
    QString error_;
    QByteArray buffer_;
};

QString partName(const QString& file)
{
    const qsizetype slash = file.lastIndexOf(u'/');
    return file.left(slash + 1) + u'.' + file.mid(slash + 1) + QStringLiteral(".part");
}

// The system's folder for temporary files, its name kept byte for byte as every other name.
QString temporaryFolder()
{
    const QString named = QDir::cleanPath(FileSystem::decodeName(qgetenv("TMPDIR")));
    return named.isEmpty() || named == u'.' ? QStringLiteral("/tmp") : named;
}

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
        // Every document is made as a PDF in a file of ours whose writes are all checked; the
        // file printer keeps it under its own name, a queue is handed it when it is whole.
        file_ = std::make_unique<CheckedFile>();
        if (isQueue()) {
            if (const QString problem = printserver::queueProblem(deviceName()); !problem.isEmpty()) {
                fail(problem);
                return;
            }
            if (!file_->createTemporary(temporaryFolder() + QStringLiteral("/etiquetas-XXXXXX.pdf"))) {
                fail(file_->error());
                return;
            }
        } else {
            if (!makeFolder(outputFolder_))
                return;
            const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
            QString file = outputFolder_ + QStringLiteral("/etiquetas-") + stamp + QStringLiteral(".pdf");
            for (int n = 2; FileSystem::isThere(file) || FileSystem::isThere(partName(file)); ++n)
                file = outputFolder_ + QStringLiteral("/etiquetas-") + stamp + u'-' + QString::number(n) +
                       QStringLiteral(".pdf");
            // Written under a hidden name and renamed when whole: a PDF under its own name is
            // always complete.
            if (!file_->create(partName(file), file)) {
                fail(file_->error());
                return;
            }
            currentFile_ = file;
        }
        pdf_ = std::make_unique<QPdfWriter>(file_.get());
        pdf_->setResolution(static_cast<int>(kDpi));
        pdf_->setCreator(QStringLiteral("Etiquetas"));
        applyPageSize(pageMm);
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(pdf_.get())) {
            painter_.reset();
            fail(file_->error().isEmpty() ? QStringLiteral("o documento não pôde ser aberto") : file_->error());
            return;
        }
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        checkWrites();
    }

    void beginPage(QSizeF pageMm) override
    {
        applyPageSize(pageMm);
        pdf_->newPage();
        // The page before is written out now: a full disk shows here, not at the end of the run.
        checkWrites();
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
        painter_->drawText(QPointF(at.x(), at.y() + f.metrics.ascent()), reachingThePage(text, f.metrics, at.x()));
    }

    // A long text drawn at x loses nothing on paper when the characters that start beyond the
    // page's right edge are left out; laying out all of a text of megabytes takes seconds and
    // hundreds of megabytes. The text kept reaches past the edge by more than its widest
    // character, so the glyphs near the edge are shaped and drawn as the whole text has them.
    QString reachingThePage(const QString& text, const QFontMetricsF& metrics, double x) const
    {
        constexpr qsizetype kDrawnWhole = 1024;
        const double past = pdf_->width() - x + metrics.maxWidth();
        for (qsizetype n = kDrawnWhole; n < text.size(); n *= 2)
            if (metrics.horizontalAdvance(text.left(n)) > past)
                return text.left(n);
        return text;
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
        pdf_.reset();
        if (!file_->finish()) {
            fail(file_->error());
            return;
        }
        if (isQueue()) {
            const QString problem = printserver::handOver(deviceName(), file_->path(), pageSizeMm());
            file_->discard();
            file_.reset();
            if (!problem.isEmpty())
                fail(problem);
            return;
        }
        if (!file_->rename(currentFile_)) {
            fail(file_->error());
            return;
        }
        file_.reset();
        if (written_)
            written_->append(currentFile_);
        currentFile_.clear();
    }

    void discardDocument() override
    {
        if (painter_ && painter_->isActive())
            painter_->end();
        painter_.reset();
        pdf_.reset();
        if (file_)
            file_->discard();
        file_.reset();
        currentFile_.clear();
    }

private:
    bool isQueue() const { return outputFolder_.isEmpty(); }

    void checkWrites()
    {
        if (!file_->error().isEmpty())
            fail(file_->error());
    }

    bool makeFolder(const QString& folder)
    {
        const bool there = FileSystem::isThere(folder);
        if (there && !FileSystem::isFolder(folder)) {
            fail(QStringLiteral("\"%1\" não é uma pasta").arg(QDir::toNativeSeparators(folder)));
            return false;
        }
        if (!there && !FileSystem::makeFolders(folder)) {
            // Once more by hand, for the system's reason.
            const int error = ::mkdir(FileSystem::encodeName(folder).constData(), 0755) == 0 ? 0 : errno;
            if (error != 0) {
                fail(QStringLiteral("não foi possível criar a pasta \"%1\" (%2)")
                         .arg(QDir::toNativeSeparators(folder), FileSystem::reasonOf(error)));
                return false;
            }
        }
        return true;
    }

    QPointF toDevice(QPointF mm) const
    {
        const double dotsPerMm = pdf_->resolution() / 25.4;
        return {mm.x() * dotsPerMm, mm.y() * dotsPerMm};
    }

    void applyPageSize(QSizeF pageMm)
    {
        // A label row is wider than high: the size is given as it is, never turned on its side.
        const QPageSize size(pageMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
        QPageLayout layout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        layout.setMode(QPageLayout::FullPageMode);
        pdf_->setPageLayout(layout);
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
    // Destroyed in this order: the painter, the PDF writer, the file it writes into.
    std::unique_ptr<CheckedFile> file_;
    std::unique_ptr<QPdfWriter> pdf_;
    std::unique_ptr<QPainter> painter_;
};

}  // namespace

struct QtPrinterSystem::Asked {
    std::future<printserver::Queues> answer;
    bool taken = false;
};

QtPrinterSystem::QtPrinterSystem(const FileSystem& files) : files_(files), asked_(std::make_unique<Asked>())
{
    installFontSubstitutes();
    asked_->answer = std::async(std::launch::async, [] { return printserver::queues(); });
}

QtPrinterSystem::~QtPrinterSystem() = default;

void QtPrinterSystem::listed() const
{
    if (asked_->taken)
        return;
    asked_->taken = true;
    // The talk bounds its own waits.
    beside::waitUntil(
        [this] { return asked_->answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        std::chrono::hours(1));
    const printserver::Queues queues = asked_->answer.get();
    names_ = queues.names;
    listProblem_ = queues.problem;
    names_ << kFilePrinterName;
    const QString def = queues.defaultName;
    current_ = def.isEmpty() ? static_cast<int>(names_.size()) - 1 : std::max(0, static_cast<int>(names_.indexOf(def)));
    for (const QString& n : names_) {
        const bool isFile = n == kFilePrinterName;
        printers_.push_back(std::make_unique<QtPrinter>(n, isFile ? outputFolder() : QString(),
                                                        &written_));
    }
}

QString QtPrinterSystem::listProblem() const
{
    listed();
    return listProblem_;
}

QString QtPrinterSystem::outputFolder() const { return outputFolder(files_); }

QString QtPrinterSystem::outputFolder(const FileSystem& files) { return files.resolve(QStringLiteral("impressos")); }

void QtPrinterSystem::removeUnfinishedFiles(const FileSystem& files)
{
    // The hidden names partName() gives.
    removeUnheldFiles(outputFolder(files), QStringLiteral(".etiquetas-*.pdf.part"));
}

int QtPrinterSystem::count() const
{
    listed();
    return static_cast<int>(names_.size());
}

QString QtPrinterSystem::deviceName(int index) const
{
    listed();
    if (index < 0 || index >= names_.size())
        vberr::raise(vberr::SubscriptOutOfRange, QStringLiteral("Printers"));
    return names_.at(index);
}

Printer& QtPrinterSystem::current()
{
    listed();
    return *printers_.at(current_);
}

void QtPrinterSystem::makeCurrent(int index)
{
    listed();
    if (index < 0 || index >= count())
        vberr::raise(vberr::SubscriptOutOfRange, QStringLiteral("Printers"));
    current_ = index;
}
