#pragma once

#include "platform/printer.h"

#include <memory>
#include <vector>

class FileSystem;

// The printers of this machine: the CUPS queues, then one printer of our own that writes each
// document as a PDF file into the folder "impressos" under the program folder.
class QtPrinterSystem : public PrinterSystem {
public:
    static const QString kFilePrinterName;

    explicit QtPrinterSystem(const FileSystem& files);
    ~QtPrinterSystem() override;

    int count() const override;
    QString deviceName(int index) const override;
    Printer& current() override;
    void makeCurrent(int index) override;
    QString listProblem() const override;

    // The folder the file printer writes into.
    QString outputFolder() const;
    static QString outputFolder(const FileSystem& files);
    // Removes the unfinished PDF files that a killed print left there; those of prints still
    // running (in another copy of the program sharing the folder) stay.
    static void removeUnfinishedFiles(const FileSystem& files);
    // The PDF files the file printer has written in this run, oldest first.
    const QStringList& writtenFiles() const { return written_; }

private:
    // The queues are asked for on a thread of their own from the start; the first use of the
    // list waits for the answer beside the window, so the window can show meanwhile.
    void listed() const;

    const FileSystem& files_;
    struct Asked;
    std::unique_ptr<Asked> asked_;
    mutable QStringList names_;
    mutable QString listProblem_;
    mutable std::vector<std::unique_ptr<Printer>> printers_;
    mutable int current_ = 0;
    mutable QStringList written_;
};

// Makes the label fonts of the workstation resolve to metric-compatible fonts of this machine.
void installFontSubstitutes();
