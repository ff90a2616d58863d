// The workstation's folder browser opens at the folder the dialog's box shows.
#include "setup/qtfolderpicker.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Browses once, cancelling the browser as soon as it shows; the folder it showed.
QString folderShownFor(const QString& start)
{
    QString shown;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                shown = d->directory().absolutePath();
                d->reject();
            }
    });
    timer.start(20);
    QtFolderPicker picker;
    EXPECT_EQ(picker.browse(0, QStringLiteral("Selecione o Local Padrão para Busca dos Arquivos"), start), QString());
    return shown;
}

TEST(QtFolderPicker, OpensAtTheFolderTheBoxShows)
{
    QTemporaryDir dir;
    const QString pedidos = dir.filePath(QStringLiteral("pedidos"));
    ASSERT_TRUE(QDir().mkpath(pedidos));
    EXPECT_EQ(folderShownFor(pedidos), pedidos);
    EXPECT_EQ(folderShownFor(pedidos + QStringLiteral("  ")), pedidos) << "blanks around the box's text";
    // A folder that is gone falls back to the desktop rather than to a folder that is not there.
    const QString gone = folderShownFor(dir.filePath(QStringLiteral("sumiu")));
    EXPECT_FALSE(gone.isEmpty());
    EXPECT_NE(gone, dir.filePath(QStringLiteral("sumiu")));
}

}  // namespace
