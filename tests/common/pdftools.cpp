#include "tests/common/pdftools.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace pdf {

QString run(const QString& program, const QStringList& args, int* exitCode)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pageCount(const QString& file)
{
    const QString info = run(QStringLiteral("pdfinfo"), {file});
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QSizeF pageSizeMm(const QString& file, int page)
{
    const QString info = run(QStringLiteral("pdfinfo"),
                             {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), file});
    const auto m = QRegularExpression(QStringLiteral("size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    if (!m.hasMatch())
        return {};
    return {m.captured(1).toDouble() * 25.4 / 72.0, m.captured(2).toDouble() * 25.4 / 72.0};
}

QString text(const QString& file, int page)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    args << file << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), args);
}

std::vector<Word> words(const QString& file, int page)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                                                           QStringLiteral("-l"), QString::number(page), file, QStringLiteral("-")});
    std::vector<Word> out;
    const QRegularExpression re(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    auto it = re.globalMatch(html);
    const double k = 25.4 / 72.0;
    while (it.hasNext()) {
        const auto m = it.next();
        const double x1 = m.captured(1).toDouble(), y1 = m.captured(2).toDouble();
        const double x2 = m.captured(3).toDouble(), y2 = m.captured(4).toDouble();
        QString t = m.captured(5);
        t.replace(QStringLiteral("&amp;"), QStringLiteral("&")).replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        out.push_back({t, QRectF(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k))});
    }
    return out;
}

QImage rasterise(const QString& file, int page, int dpi)
{
    QTemporaryDir dir;
    const QString base = dir.path() + QStringLiteral("/page");
    // A plain grey map: encoding a PNG would take most of the time of a page.
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                                     QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                                     QStringLiteral("-singlefile"), file, base});
    return QImage(base + QStringLiteral(".pgm"));
}

}  // namespace pdf
