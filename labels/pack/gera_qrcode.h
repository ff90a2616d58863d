#pragma once

#include "form/program.h"
#include "labels/pack/codigopack.h"
#include "platform/filelocks.h"
#include "platform/picture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

// The Java runtime the generator runs, looked for in the folder the settings' "Java" names; the
// printer-parameters dialog checks that a chosen folder holds it. Messages keep the workstation's
// name for it, "Java.exe".
#ifdef Q_OS_WIN
inline const QString kJavaExecutable = QStringLiteral("java.exe");
#else
inline const QString kJavaExecutable = QStringLiteral("java");
#endif

// A generator that has not ended by then is taken as hung.
inline constexpr std::chrono::milliseconds kTempoGerador{60000};

// A run's turn on the folder tmp, which every copy of the program on this program folder shares:
// the request and the images keep fixed names there, so from the request to the last image read
// no other copy deletes or rewrites them. It waits as long as a save waits for its turn.
class QrTurn {
public:
    explicit QrTurn(const FileSystem& files);
    // False when another copy kept tmp for the whole wait, and once let go; where the file system
    // keeps no locks the run goes on without them.
    bool held() const { return lock_ && lock_->state() != FolderLock::State::Busy; }
    // Ends the turn before the run tells the operator why it stops: a message left open would
    // otherwise keep every other copy's cartons from printing.
    void release() { lock_.reset(); }
    // Tells the operator that the turn did not come and nothing was printed.
    static void tellBusy(Program& p);

private:
    std::optional<FolderLock> lock_;
};

// Has the QR images of the carton on show made by qrlumo.jar and answers whether every image it
// asked for is there and loads whole. The request asks for every usable code of the carton's
// range, in volume order; a chosen volume without a usable code gives false with nothing made,
// and so does a carton with no usable code at all. False when the generator fails. Shows a
// message only when the Java runtime is missing or the request cannot be written, after letting
// the turn go. The caller holds the turn on tmp until it has read the images.
bool Gera_QrCode(Program& p, QrTurn& vez, const FaixaVolumes& escolhidos,
                 std::chrono::milliseconds tempoLimite = kTempoGerador);
// The same with every volume of the carton's range chosen.
bool Gera_QrCode(Program& p, QrTurn& vez, std::chrono::milliseconds tempoLimite = kTempoGerador);

// The QR image of a pack code as the label paints it: empty when the code names no file of tmp,
// or the file is missing, no picture or not whole.
Picture imagemDoCodigo(const FileSystem& files, const QString& codigo);

// The folder the generator writes into, as the request names it: every backslash written twice.
QString textoDestino(const QString& pastaNativa);
// The request qr.xml: one block per code, lines ended by CR LF, in the single-byte code page.
QByteArray requisicaoQr(const QStringList& codigos, const QString& destino);
