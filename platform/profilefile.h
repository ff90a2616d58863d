#pragma once

#include "platform/filesystem.h"

#include <QString>
#include <optional>
#include <vector>

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

    // The key's value (or the default) as a buffer large enough for all of it gives it: quotes
    // around it taken off, nothing cut.
    QString readWhole(const QString& file, const QString& section, const QString& key,
                      const QString& defaultValue) const;

    // One key written: the file and the section are created when missing. A value with blanks
    // around it is written between quotes, so that it reads back as it was given. No value
    // deletes the key; no key deletes the section.
    struct Change {
        QString section;
        std::optional<QString> key;
        std::optional<QString> value;
    };
    // Writes one key; the result says whether the file was written and why not.
    [[nodiscard]] WriteResult write(const QString& file, const QString& section, const std::optional<QString>& key,
                                    const std::optional<QString>& value) const;
    // Writes several keys in one rewrite of the file, the same file as writing them one after
    // the other: all of them or, when the file cannot be written, none. A name or value holding a
    // line break would add lines of its own, so it is refused and nothing is written.
    [[nodiscard]] WriteResult write(const QString& file, const std::vector<Change>& changes) const;

private:
    const FileSystem& files_;
};
