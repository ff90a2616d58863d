#include "setup/qtfolderpicker.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

QString QtFolderPicker::browse(Owner owner, const QString& title, const QString& start)
{
    QWidget* parent = owner ? QWidget::find(static_cast<WId>(owner)) : nullptr;
    const QString local = QDir::fromNativeSeparators(start.trimmed());
    const QString at = !local.isEmpty() && QFileInfo(local).isDir()
                           ? local
                           : QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString folder = QFileDialog::getExistingDirectory(parent, title, at, QFileDialog::ShowDirsOnly);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}
