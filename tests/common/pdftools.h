#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

// Reading printed PDFs back with poppler-utils, as a person's viewer would see them.
namespace pdf {

QString run(const QString& program, const QStringList& args, int* exitCode = nullptr);
int pageCount(const QString& file);
QSizeF pageSizeMm(const QString& file, int page);
QString text(const QString& file, int page = 0);  // 0: every page

struct Word {
    QString text;
    QRectF mm;  // from the page's top-left corner
};
std::vector<Word> words(const QString& file, int page);

// One page rasterised in grey at the given resolution.
QImage rasterise(const QString& file, int page, int dpi);

}  // namespace pdf
