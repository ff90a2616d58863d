#include "setup/qtfolderpicker.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QStandardPaths>
#include <QWidget>

namespace {

// Qt writes the browser's dates in the process's locale: English month names where the machine
// names none. The workstation's browser wrote them the Brazilian way, as the rest of it reads.
class BrazilianDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        constexpr int modifiedColumn = 3;
        if (role == Qt::DisplayRole && index.column() == modifiedColumn)
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel()))
                return QLocale(QLocale::Portuguese, QLocale::Brazil)
                    .toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

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
    dialog.setProxyModel(new BrazilianDates(&dialog));
    // Modal to its owner alone: the main window stays usable while the browser is up, as it is
    // while the printer-parameters dialog is.
    if (parent)
        dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString folder = dialog.selectedFiles().value(0);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}
