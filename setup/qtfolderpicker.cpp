#include "setup/qtfolderpicker.h"

#include <QFileDialog>
#include <QStandardPaths>
#include <QWidget>

QString QtFolderPicker::browse(Owner owner, const QString& title)
{
    QWidget* parent = owner ? QWidget::find(static_cast<WId>(owner)) : nullptr;
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString folder = QFileDialog::getExistingDirectory(parent, title, start, QFileDialog::ShowDirsOnly);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}
