#include "tests/labels/pack_support.h"

#include "tests/common/testworkstation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include "tests/common/symbols.h"


void fillCarton(MainForm& form, const QString& master, const QStringList& pack, int firstVolume, int lastVolume)
{
    form.txtcodigo1.text = master;
    form.lsteanpack.items = pack;
    form.cmb_vol1.clear();
    form.cmb_vol2.clear();
    for (int v = firstVolume; v <= lastVolume; ++v) {
        form.cmb_vol1.addItem(QString::number(v));
        form.cmb_vol2.addItem(QString::number(v));
    }
    if (form.cmb_vol1.listCount() > 0) {
        form.cmb_vol1.setListIndex(0);
        form.cmb_vol2.setListIndex(form.cmb_vol2.listCount() - 1);
        form.lblmax.caption = form.cmb_vol2.text;
    }
}

QString decodeQr(const QImage& image) { return symbols::read(image, ZXing::BarcodeFormat::QRCode); }


