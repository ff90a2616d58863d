#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The files the program sees. Names written the workstation's way ("tmp\qr.xml", "C:\qmx.ini")
// are accepted: "\" separates folders, relative names start at the program folder, and a drive
// path lands in a folder of drives under the program folder. Names are found without regard to
// letter case, an exact match preferred, so no second file differing only in case is ever made.
class FileSystem {
public:
    explicit FileSystem(QString programFolder, QString drivesFolder = {});

    // The program folder, without a trailing separator.
    const QString& programFolder() const { return programFolder_; }
    // Where "C:\..." and other drive paths are kept: <drives folder>/c/...
    const QString& drivesFolder() const { return drivesFolder_; }

    // folder + separator (only when the folder does not end in one) + name.
    static QString join(const QString& folder, const QString& name);

    // The real path that a name stands for; parts that do not exist yet keep their spelling.
    QString resolve(const QString& path) const;

    bool fileExists(const QString& path) const;
    bool folderExists(const QString& path) const;
    bool createFolder(const QString& path) const;
    bool deleteFile(const QString& path) const;

    // Names of the files in a folder that match a pattern of "*" and "?" (letter case ignored),
    // sorted by name. Matched here, never by a shell.
    QStringList list(const QString& folder, const QString& pattern) const;
    static bool matches(const QString& name, const QString& pattern);

    std::optional<QByteArray> readBytes(const QString& path) const;
    // Text lines in Windows-1252; a line ends at CR LF, CR or LF.
    std::optional<QStringList> readLines(const QString& path) const;
    // The lines of a text by the same rule; an empty last line is no line.
    static QStringList splitLines(const QString& text);
    // Writes through a temporary file and a rename: readers see the old file or the new one.
    bool writeBytes(const QString& path, const QByteArray& bytes) const;

private:
    QString programFolder_;
    QString drivesFolder_;
};
