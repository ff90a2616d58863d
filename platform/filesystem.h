#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <chrono>
#include <functional>
#include <optional>

// What a write did: nothing to tell when the file was written whole, else which file and why not
// (a short reason in the operator's language, as the workstation's error texts are).
struct WriteResult {
    QString file;
    QString reason;  // empty when written
    bool ok() const { return reason.isEmpty(); }
    explicit operator bool() const { return ok(); }
};

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

    // Names of the files in a folder whose text (nameText) matches a pattern of "*" and "?"
    // (letter case ignored), sorted by that text. Matched here, never by a shell.
    QStringList list(const QString& folder, const QString& pattern) const;
    static bool matches(const QString& name, const QString& pattern);

    // A name as the system gives it. One in UTF-8 is its text; any other (a name copied from a
    // Windows share in its code page) keeps each byte above ASCII as a lone surrogate
    // U+DC80..U+DCFF, so the file opens by the very bytes it was listed with.
    static QString decodeName(const QByteArray& raw);
    static QByteArray encodeName(const QString& name);
    // The text of such a name as the workstation reads it: the bytes of one that is not UTF-8 in
    // Windows-1252; any other name as it is.
    static QString nameText(const QString& name);

    // Every file call of the program reaches the system through encodeName: Qt's own file names
    // spell a name that is not UTF-8 otherwise, so a listed name would name another file. These
    // take a real path (one resolve gave); links are followed.
    static bool isThere(const QString& realPath);
    static bool isFile(const QString& realPath);  // a plain file
    static bool isFolder(const QString& realPath);
    // The folder part of a path, as text.
    static QString folderOf(const QString& realPath);
    // Makes a folder and every folder missing above it; true when it is there afterwards.
    static bool makeFolders(const QString& realPath);
    // The bytes of a file; nothing when it is a folder or cannot be read whole.
    static std::optional<QByteArray> readFile(const QString& realPath);

    std::optional<QByteArray> readBytes(const QString& path) const;
    // Text lines in Windows-1252; a line ends at CR LF, CR or LF.
    std::optional<QStringList> readLines(const QString& path) const;
    // The lines of a text by the same rule; an empty last line is no line.
    static QStringList splitLines(const QString& text);
    // Calls line(view) for each of those lines without copying them; line answers false to stop.
    template <class F>
    static void forEachLine(QStringView text, F&& line);
    // Writes through a temporary file beside the file and a rename, after every write, the flush
    // to the disk and the close succeeded: readers see the old file or the new one, and a failed
    // write leaves the old one as it was and no temporary file behind.
    [[nodiscard]] WriteResult writeBytes(const QString& path, const QByteArray& bytes) const;
    // Removes the temporary files that a save killed half-way left in a folder; those of saves
    // still running (in another copy of the program sharing the folder) stay.
    void removeSaveLeftovers(const QString& folder) const;
    // How long a save waits for another process's save of the same folder to end.
    std::chrono::milliseconds saveLockWait() const { return saveLockWait_; }
    // The reason text for an error number of the system.
    static QString reasonOf(int errorNumber);
    // Writes every byte to an open file, going on after an interrupted or short write: 0, or the
    // error number of the write that failed.
    static int writeAll(int fd, const char* data, qint64 size);

    // Tests only: a write fails with this error number once the bytes written reach the limit,
    // as a disk that fills up would. The hook is called at that moment with the bytes written so
    // far (it may stop the process there, as a kill would); with no error number the write goes
    // on after the hook, as a slow disk would. Empty: writes go through.
    struct WriteFault {
        qint64 failAfterBytes = 0;
        int errorNumber = 0;
        std::function<void(qint64 written)> onWrite;
    };
    void setWriteFault(std::optional<WriteFault> fault) { fault_ = std::move(fault); }
    // Tests only: a shorter wait for a busy folder.
    void setSaveLockWait(std::chrono::milliseconds wait) { saveLockWait_ = wait; }

private:
    QString programFolder_;
    QString drivesFolder_;
    std::optional<WriteFault> fault_;
    std::chrono::milliseconds saveLockWait_{5000};
};

template <class F>
void FileSystem::forEachLine(QStringView text, F&& line)
{
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        if (!line(text.sliced(start, end - start)))
            return;
        if (end + 1 < n && text[end] == u'\r' && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
}
