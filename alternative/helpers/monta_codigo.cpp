#include "alternative/helpers/monta_codigo.h"

#include "alternative/helpers/driveroot.h"
#include "platform/clipboard.h"
#include "platform/errors.h"
#include "platform/vb.h"

#include <QBuffer>
#include <QPainter>

namespace {

const QString kArquivo = QStringLiteral("c:\\ean.BMP");

// Twips of the window to its device pixels, to the nearest whole pixel (halves to even).
int toPixels(int twips, double pixelsPerTwip) { return vb::CLng(twips * pixelsPerTwip); }

}  // namespace

void monta_codigo(Program& p, const WindowImage& janela)
{
    const MainForm& f = p.form;
    const QImage window = janela ? janela() : QImage();
    if (window.isNull())
        vberr::raise(vberr::InvalidCall, QStringLiteral("monta_codigo"));

    // Label17 sits in Frame3, which sits in the window; the block is placed in window pixels.
    const double scale = window.devicePixelRatio() / p.ws.screen.twipsPerPixelX();
    const int left = toPixels(f.Frame3.left + f.Label17.left, scale);
    const int top = toPixels(f.Frame3.top + f.Label17.top, scale);
    const int width = toPixels(f.Label17.width, scale);
    const int height = toPixels(f.Label17.height, scale);
    if (width <= 0 || height <= 0)
        vberr::raise(vberr::InvalidCall, QStringLiteral("monta_codigo"));

    // The surface starts black, as a new bitmap does; what lies outside the window stays so.
    QImage surface(width, height, QImage::Format_RGB32);
    surface.fill(Qt::black);
    {
        QImage source = window;
        source.setDevicePixelRatio(1);
        QPainter painter(&surface);
        painter.drawImage(QPoint(0, 0), source, QRect(left, top, width, height));
    }

    if (!p.ws.clipboard)
        vberr::raise(vberr::InvalidCall, QStringLiteral("Clipboard"));
    p.ws.clipboard->clear();
    p.ws.clipboard->setImage(surface);

    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    surface.save(&buffer, "BMP");
    makeDriveRoot(p.ws.files, kArquivo);
    if (!p.ws.files.writeBytes(kArquivo, bmp))
        vberr::raise(vberr::PathNotFound, QStringLiteral("monta_codigo"));
}
