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
    // The order lines the entries were made from, of 14 fields (a layout of any header): an
    // entry of another master code is a line of another item.
    form.List1.clear();
    for (const QString& entry : pack) {
        const QStringList parts = entry.split(u'|');
        form.List1.addItem(QStringLiteral("24;01;%1;FORNECEDOR;PRETO;TENIS;%2;P24;37 38;2 4;24;32;CD;%3")
                               .arg(parts.value(0), QString(parts.value(1)).replace(u';', u','), parts.value(2)));
    }
    form.cmb_referencia1.clear();
    form.cmb_referencia1.addItem(master.trimmed() + QStringLiteral(" | TENIS | PRETO"));
    form.cmb_referencia1.setListIndex(0);
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


