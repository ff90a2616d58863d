#pragma once

#include "platform/workstation.h"

#include <QString>
#include <string_view>
#include <vector>

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The settings file: the program folder, a separator only when the folder does not end in one,
// and "Pendrova.ini".
QString settingsPath(const FileSystem& files);

// One key of a profile file, as a buffer grown by 256 characters until the value fits gives it:
// the whole value, from one read of the file.
QString le_ini(const ProfileFile& profile, const QString& file, const QString& section, const QString& key,
               const QString& defaultValue);

// "Não foi possível gravar o arquivo <file>: <reason>."
QString writeFailureMessage(const WriteResult& result);
// Tells the operator, in one message, that a file could not be written and why; answers whether
// it was written.
bool reportWrite(Workstation& ws, const WriteResult& result);

// Writes keys of the settings file in one rewrite: all of them or none. A failure is told to
// the operator once; answers whether the keys were written.
bool saveSettings(Workstation& ws, const std::vector<ProfileFile::Change>& changes);
// Writes one key of the settings file, and tells the operator when it could not.
bool writeSetting(Workstation& ws, std::string_view section, std::string_view key, const QString& value);
// Reads one key of the settings file with an empty default.
QString readSetting(const Workstation& ws, std::string_view section, std::string_view key);

// Writes the default settings file of a first start and deletes a batch file left behind. A file
// that cannot be written is told to the operator.
void gera_ini_base(Workstation& ws);

// The barcode width factor from the text of "Correcao": the number, or 1.1 when the text is
// empty or not a number.
float barcodeFactorFrom(const QString& text);
inline constexpr float kDefaultBarcodeFactor = 1.1f;
