#pragma once

#include "form/mainform.h"
#include "tests/common/fakejava.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>


// The carton of a test: master code, fields, and its pack list (master|code|volume per entry).
void fillCarton(MainForm& form, const QString& master, const QStringList& pack, int firstVolume, int lastVolume);

// zxing-cpp's reading of the QR symbol in an image; empty when none is found.
QString decodeQr(const QImage& image);

// The real generator as the build leaves it in the program folder.

