// Qt's own texts read in Brazilian Portuguese, as the workstation's system dialogs did: the
// standard buttons of the program's message boxes and the folder browser. This test process
// loads the translations at start as the program does.
#include "app/qtmessages.h"
#include "platform/language.h"
#include "setup/qtfolderpicker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList sorted(QStringList l)
{
    std::sort(l.begin(), l.end());
    return l;
}

// Runs show() while a timer hands every modal box or dialog that comes up to look(), once each.
void whileShown(const std::function<void()>& show, const std::function<void(QWidget*)>& look)
{
    QWidget* last = nullptr;
    int seen = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || (modal == last && seen > 0))
            return;
        last = modal;
        ++seen;
        look(modal);
    });
    poll.start(10);
    show();
    poll.stop();
}

TEST(QtTexts, MessageBoxButtonsReadInPortuguese)
{
    struct {
        int style;
        QStringList buttons;
        QString chosen;
        int answer;
    } const rows[] = {
        /* 0 */ {mb::YesNo | mb::Question, {"&Sim", "&Não"}, "&Não", mb::No},
        /* 1 */ {mb::YesNoCancel, {"&Sim", "&Não", "Cancelar"}, "Cancelar", mb::Cancel},
        /* 2 */ {mb::OKCancel, {"OK", "Cancelar"}, "Cancelar", mb::Cancel},
        /* 3 */ {mb::OKOnly | mb::Exclamation, {"OK"}, "OK", mb::OK},
    };
    QtMessages messages;
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& r = rows[i];
        SCOPED_TRACE(i);
        QStringList shown;
        int answer = -1;
        whileShown([&] { answer = messages.show(QStringLiteral("O Item está sem COR!, Imprimir mesmo assim"), r.style); },
                   [&](QWidget* modal) {
                       auto* box = qobject_cast<QMessageBox*>(modal);
                       if (!box)
                           return;
                       QAbstractButton* chosen = nullptr;
                       for (QAbstractButton* b : box->buttons()) {
                           shown << b->text();
                           if (b->text() == r.chosen)
                               chosen = b;
                       }
                       if (chosen)
                           chosen->click();
                       else
                           box->done(QMessageBox::Escape);
                   });
        EXPECT_EQ(sorted(shown), sorted(r.buttons));
        EXPECT_EQ(answer, r.answer) << "the button read as " << r.chosen.toStdString();
    }
}

// The browser's labels and buttons, and the warning it gives for a folder typed that is not there.
TEST(QtTexts, FolderBrowserReadsInPortuguese)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("pedidos")));
    QString lookIn, folderLabel, choose, cancel, warning, typeHeader, dateHeader, type, date;
    QStringList warningButtons;
    QString chosen = QStringLiteral("not run");
    whileShown(
        [&] {
            QtFolderPicker picker;
            chosen = picker.browse(0, QStringLiteral("Selecione o Local Padrão para Busca dos Arquivos"), dir.path());
        },
        [&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                warning = box->text();
                for (QAbstractButton* b : box->buttons())
                    warningButtons << b->text();
                box->accept();
                return;
            }
            auto* browser = qobject_cast<QFileDialog*>(modal);
            if (!browser)
                return;
            if (!warning.isNull()) {
                browser->reject();
                return;
            }
            const auto* buttons = browser->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            ASSERT_TRUE(buttons);
            lookIn = browser->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
            folderLabel = browser->findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text();
            choose = buttons->button(QDialogButtonBox::Open)->text();
            // The folder's row as the detail view shows it, once the model has read the folder.
            const auto* view = browser->findChild<QTreeView*>(QStringLiteral("treeView"));
            ASSERT_TRUE(view && view->model());
            const QAbstractItemModel* rows = view->model();
            typeHeader = rows->headerData(2, Qt::Horizontal).toString();
            dateHeader = rows->headerData(3, Qt::Horizontal).toString();
            QElapsedTimer waited;
            waited.start();
            while (type.isEmpty() && waited.elapsed() < 5000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
                const QModelIndex root = view->rootIndex();
                for (int r = 0; r < rows->rowCount(root); ++r)
                    if (rows->index(r, 0, root).data().toString() == QStringLiteral("pedidos")) {
                        type = rows->index(r, 2, root).data().toString();
                        date = rows->index(r, 3, root).data().toString();
                    }
            }
            cancel = buttons->button(QDialogButtonBox::Cancel)->text();
            browser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(dir.filePath(QStringLiteral("sumiu")));
            // The browser takes the typed folder as Enter would: the warning comes up inside, and
            // the browser, still open, is cancelled at the next look.
            QDialog* dialog = browser;
            QTimer::singleShot(0, dialog, [dialog] { dialog->accept(); });
        });
    EXPECT_EQ(lookIn, QStringLiteral("Procurar em:"));
    EXPECT_EQ(folderLabel, QStringLiteral("Pasta:"));
    EXPECT_EQ(choose, QStringLiteral("Es&colher"));
    EXPECT_EQ(cancel, QStringLiteral("Cancelar"));
    EXPECT_EQ(typeHeader, QStringLiteral("Tipo"));
    EXPECT_EQ(type, QStringLiteral("Pasta"));
    // Day, month and year in figures, whatever locale the process was started in.
    EXPECT_EQ(dateHeader, QStringLiteral("Data de modificação"));
    const QDateTime modified = QFileInfo(dir.filePath(QStringLiteral("pedidos"))).lastModified();
    EXPECT_EQ(date, modified.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
    EXPECT_EQ(warning, QStringLiteral("sumiu\nPasta não encontrada.\nVerifique se foi indicado um nome correto para a pasta."));
    EXPECT_EQ(warningButtons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(chosen, QString());
}

// A translation file missing, or not one, installs nothing and the program runs on; what was
// loaded before stays.
TEST(QtTexts, AMissingOrBrokenTranslationFileIsNoTranslation)
{
    QTemporaryDir empty, broken, copy;
    QFile bad(broken.filePath(QStringLiteral("qtbase_pt_BR.qm")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a translation");
    bad.close();
    ASSERT_TRUE(QFile::copy(QDir(language::qtTranslationsFolder()).filePath(QStringLiteral("qtbase_pt_BR.qm")),
                            copy.filePath(QStringLiteral("qtbase_pt_BR.qm"))));

    EXPECT_FALSE(language::installQtTranslations(empty.path()));
    EXPECT_FALSE(language::installQtTranslations(empty.filePath(QStringLiteral("nada"))));
    EXPECT_FALSE(language::installQtTranslations(broken.path()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sim"));
    EXPECT_TRUE(language::installQtTranslations(copy.path()));
}

}  // namespace
