#pragma once

#include "platform/workstation.h"

#include <QString>
#include <string_view>

class ProfileFile;

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The settings file: the program folder, a separator only when the folder does not end in one,
// and "Pendrova.ini".
QString settingsPath(const FileSystem& files);

// One key of a profile file, growing the buffer by 256 characters until the value fits.
QString le_ini(const ProfileFile& profile, const QString& file, const QString& section, const QString& key,
               const QString& defaultValue);

// Writes one key of the settings file; like every writer of the program it ignores the result.
void writeSetting(Workstation& ws, std::string_view section, std::string_view key, const QString& value);
// Reads one key of the settings file with an empty default.
QString readSetting(const Workstation& ws, std::string_view section, std::string_view key);

// Writes the default settings file of a first start and deletes a batch file left behind.
void gera_ini_base(Workstation& ws);

// The barcode width factor from the text of "Correcao": the number, or 1.1 when the text is
// empty or not a number.
float barcodeFactorFrom(const QString& text);
inline constexpr float kDefaultBarcodeFactor = 1.1f;
