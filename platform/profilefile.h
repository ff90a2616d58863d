#pragma once

#include "platform/filesystem.h"

#include <QString>
#include <optional>

// The workstation's profile (INI) file calls: one key read or written at a time, straight from
// and to the disk, nothing cached. Reads and writes follow the measured behaviour of those calls
// (blanks around names and values, quotes, letter case of names, line ends, buffer cuts). A write
// goes through a temporary file and a rename, so a crash never leaves half a file.
class ProfileFile {
public:
    explicit ProfileFile(const FileSystem& files) : files_(files) {}

    struct Read {
        QString text;  // at most bufferSize - 1 characters
        int count = 0; // characters copied
    };
    // The key's value, or the default when the file, the section or the key is missing.
    Read read(const QString& file, const QString& section, const QString& key, const QString& defaultValue,
              int bufferSize) const;

    // Writes one key, creating the file and the section when missing. A value with blanks around
    // it is written between quotes, so that it reads back as it was given. No value deletes the
    // key; no key deletes the section. False when the file cannot be written.
    bool write(const QString& file, const QString& section, const std::optional<QString>& key,
               const std::optional<QString>& value) const;

private:
    const FileSystem& files_;
};
