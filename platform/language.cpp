#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace language {

namespace {

// Debian's qtbase translation predates Qt 6's file icon provider, so the folder browser's "Tipo"
// column would read "Folder". Its few words, as the workstation's browser wrote them; asked after
// qtbase, so a translation that has them wins.
class FileTypeWords : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0 || !sourceText)
            return {};
        static const struct {
            const char* english;
            const char* portuguese;
        } words[] = {
            {"Folder", "Pasta"}, {"Drive", "Unidade"}, {"File", "Arquivo"}, {"%1 File", "Arquivo %1"},
            {"Alias", "Atalho"}, {"Shortcut", "Atalho"}, {"Unknown", "Desconhecido"},
        };
        for (const auto& w : words)
            if (qstrcmp(sourceText, w.english) == 0)
                return QString::fromUtf8(w.portuguese);
        return {};
    }
};

}  // namespace

QString qtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool installQtTranslations(const QString& folder)
{
    if (!QCoreApplication::instance())
        return false;
    // qtbase holds the texts of the standard buttons, the message boxes and the file dialogs.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_pt_BR"), folder)) {
        delete translator;
        return false;
    }
    // The last installed is asked first.
    auto* words = new FileTypeWords(QCoreApplication::instance());
    QCoreApplication::installTranslator(words);
    if (!QCoreApplication::installTranslator(translator)) {
        QCoreApplication::removeTranslator(words);
        delete words;
        delete translator;
        return false;
    }
    return true;
}

}  // namespace language
