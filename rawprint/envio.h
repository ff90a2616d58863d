#pragma once

#include "form/program.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The spool file "epltemp.prn" and the batch file "IMPRIMIR.BAT" of the program folder, through
// which every printer-language job reaches the printer port.

// How a writer spells its batch file: the port name in the "net use" lines trimmed or as the
// caption holds it, and a line feed of its own after the port of the "type" line.
struct BatchStyle {
    bool trimPortInNetUse = false;
    bool lineFeedAfterPort = false;
};
inline constexpr BatchStyle kDialogBatch{false, false};      // hidden-label test prints
inline constexpr BatchStyle kFrenteBatch{false, true};       // box-front sample label
inline constexpr BatchStyle kPacoteBatch{true, false};       // imprime_pacote_zpl
inline constexpr BatchStyle kOcultaNovaBatch{true, true};    // Imprime_OcultaNova

QString spoolPath(const FileSystem& files);
QString batchPath(const FileSystem& files);

// Every line followed by CR LF, one byte per character in the single-byte code page.
QByteArray spoolBytes(const QStringList& lines);
// The batch file for the port kind, port and share captions of the main window; nothing when the
// port or the share name would act as shell syntax on the batch file's command line (an empty
// name is written as it is).
std::optional<QByteArray> batchBytes(const MainForm& form, BatchStyle style);

// Deletes the spool file when it is there; a file that cannot be deleted stays.
void deleteSpool(Workstation& ws);

// One job: the spool file replaced by these lines, the batch file written when missing (an
// existing one is used as it is), then the batch file handed to the sender. A file that could
// not be written whole sends nothing; that, and a send that failed, is told to the operator in
// one message. Answers whether the job went.
bool sendRawJob(Program& p, const QStringList& lines, BatchStyle style);
