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
    QFileDialog dialog(parent, title, at);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // Modal to its owner alone: the main window stays usable while the browser is up, as it is
    // while the printer-parameters dialog is.
    if (parent)
        dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString folder = dialog.selectedFiles().value(0);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}
