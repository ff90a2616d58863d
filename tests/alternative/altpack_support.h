#pragma once

#include "form/program.h"
#include "platform/processes.h"
#include "platform/recordingprinter.h"
#include "tests/common/fakejava.h"
#include "tests/common/testworkstation.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace altpack {


// A recording printer whose text widths a test may give as a function of the text and the size,
// so a shrinking text can be made to reach its limit at a chosen step.
class MeasuredPrinter : public RecordingPrinter {
public:
    std::function<std::optional<double>(const QString& text, double size)> width;

protected:
    QSizeF measure(const QString& text, const PrinterFont& font) const override;
};

class OnePrinter : public PrinterSystem {
public:
    int count() const override { return 1; }
    QString deviceName(int) const override { return printer.deviceName(); }
    Printer& current() override { return printer; }
    void makeCurrent(int) override {}

    MeasuredPrinter printer;
};

using Layout = void (*)(Program&, const QString&, QString&, const QString&, const QString&, const QString&,
                        const QString&, const QString&, QString&, const QString&, const QString&, const QString&,
                        int16_t, int16_t, const QString&);

// A carton on the main window, a fake generator, and a printer set up as the print command sets
// it up for pack labels.
struct Carton {
    using Page = RecordingPrinter::Page;
    using Op = RecordingPrinter::Op;

    explicit Carton(const QString& javaBody = FakeJava::writesAll());

    // Volumes first..last, the entry of volume v being "<master>|C<v>|<v>/<last>".
    void volumes(int first, int last);
    void pack(const QStringList& entries, int first, int last);

    // One run as the print command makes it: copies of the fields, with the arguments the layouts
    // do not read given texts of their own; a program error ends the run as it ends the caller's
    // statement, and the document is ended. Answers the pages of that document.
    std::vector<Page> print(Layout layout, int from, int to);

    MeasuredPrinter& printer() { return printers.printer; }
    static std::vector<const Op*> ofKind(const Page& page, RecordingPrinter::Kind kind);
    static const Op* textAt(const Page& page, double y, double minX = -1e9);

    QString master = QStringLiteral("4402318");
    TestWorkstation t;
    QtProcesses processes;
    FakeJava java;
    OnePrinter printers;
    Workstation station{t.files, t.profile, printers, t.messages, t.screen};
    Program program{station, t.form, t.g};
    MainForm& f = t.form;
    QString m_cd, m_codigo;
    std::optional<QString> error;  // the description of the error that ended the last run
};

// The same run through the PDF file printer; the file it wrote, or empty.
QString printPdf(Carton& c, Layout layout, int from, int to);

QString decode(const QImage& image, bool qr);



}  // namespace altpack
