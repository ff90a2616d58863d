#pragma once

#include <QString>

// The workstation showed the system's own texts (standard buttons, the folder browser, every
// system dialog) in Brazilian Portuguese; Qt's translations of its own texts give the same.
namespace language {

// Where Debian keeps Qt's translations.
QString qtTranslationsFolder();

// Installs Qt's Brazilian Portuguese texts into the running application, whatever the process
// locale. False, and Qt's texts stay in English, when the translation file in that folder is
// missing or unreadable: the program runs either way.
bool installQtTranslations(const QString& folder = qtTranslationsFolder());

}  // namespace language
