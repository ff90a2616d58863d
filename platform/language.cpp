#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace language {

QString qtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool installQtTranslations(const QString& folder)
{
    if (!QCoreApplication::instance())
        return false;
    // qtbase holds the texts of the standard buttons, the message boxes and the file dialogs.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_pt_BR"), folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace language
