#include "alternative/helpers/monta_codigo.h"
#include "platform/clipboard.h"
#include "tests/alternative/alternativefixture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QWidget>

namespace {

// Same size and pixels; otherwise where the first difference is.
::testing::AssertionResult sameImage(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << "sizes " << a.width() << "x" << a.height() << " and " << b.width()
                                             << "x" << b.height();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex << a.pixel(x, y)
                                                     << ", not " << b.pixel(x, y);
    return ::testing::AssertionSuccess();
}

QWidget* block(QWidget* parent, QRect r, QColor c)
{
    auto* w = new QWidget(parent);
    w->setGeometry(r);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
    return w;
}

// The main window offscreen: white, with the caption "Início da Promoção" standing where Label17
// sits, drawn as a red left half and a blue right half so that a block taken one pixel off, or
// turned around, shows.
class LabelCapture : public AlternativeTest {
protected:
    LabelCapture()
    {
        t.ws.clipboard = &clipboard;
        f.Frame3.move(360, 1320, 8775, 6135);  // where start-up puts it, over Frame1
        f.Label17.move(6240, 4455, 2415, 255);
        window.resize(f.width / 15, f.height / 15);
        window.setAutoFillBackground(true);
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, Qt::white);
        window.setPalette(pal);
        const QRect caption(label());
        block(&window, QRect(caption.topLeft(), QSize(caption.width() / 2, caption.height())), Qt::red);
        block(&window, QRect(caption.left() + caption.width() / 2, caption.top(), caption.width() - caption.width() / 2,
                             caption.height()),
              Qt::blue);
        window.show();
        QApplication::processEvents();
    }
    // Label17 in window pixels.
    QRect label() const
    {
        return {(f.Frame3.left + f.Label17.left) / 15, (f.Frame3.top + f.Label17.top) / 15, f.Label17.width / 15,
                f.Label17.height / 15};
    }
    WindowImage screen()
    {
        return [this] { return window.grab().toImage(); };
    }
    QImage expected() const
    {
        QImage img(label().size(), QImage::Format_RGB32);
        img.fill(Qt::blue);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width() / 2; ++x)
                img.setPixel(x, y, qRgb(255, 0, 0));
        return img;
    }
    QString bmpPath() const { return t.files.drivesFolder() + QStringLiteral("/c/ean.BMP"); }

    RecordingClipboard clipboard;
    QWidget window;
};

TEST_F(LabelCapture, CaptionAreaGoesToTheClipboardAndTheBitmapFile)
{
    ASSERT_EQ(label(), QRect(440, 385, 161, 17));
    QDir().mkpath(t.files.drivesFolder() + QStringLiteral("/c"));
    QFile old(bmpPath());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("not a picture");
    old.close();

    monta_codigo(p, screen());

    EXPECT_EQ(clipboard.clears(), 1);
    EXPECT_EQ(clipboard.images(), 1);
    EXPECT_TRUE(sameImage(clipboard.image(), expected()));

    QImage saved;
    ASSERT_TRUE(saved.load(bmpPath(), "BMP"));
    EXPECT_TRUE(sameImage(saved.convertToFormat(QImage::Format_RGB32), expected()));
}

TEST_F(LabelCapture, DriveFolderIsMadeWhenMissing)
{
    ASSERT_FALSE(QFileInfo::exists(t.files.drivesFolder()));
    monta_codigo(p, screen());
    QImage saved;
    ASSERT_TRUE(saved.load(bmpPath(), "BMP"));
    EXPECT_EQ(saved.size(), label().size());
}

TEST_F(LabelCapture, FailingStepEndsTheCaptureAndKeepsWhatWasDone)
{
    // The drive's folder cannot be made: a file stands in its way.
    t.write(QStringLiteral("unidades/c"), QStringLiteral("x"));
    EXPECT_THROW(monta_codigo(p, screen()), ProgramError);
    EXPECT_TRUE(sameImage(clipboard.image(), expected()));

    // No clipboard: nothing is written.
    QFile::remove(t.path(QStringLiteral("unidades/c")));
    t.ws.clipboard = nullptr;
    EXPECT_THROW(monta_codigo(p, screen()), ProgramError);
    EXPECT_FALSE(QFileInfo::exists(bmpPath()));
}

}  // namespace
