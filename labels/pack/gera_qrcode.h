#pragma once

#include "form/program.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>

// A generator that has not ended by then is taken as hung.
inline constexpr std::chrono::milliseconds kTempoGerador{60000};

// Has the QR images of the carton on show made by qrlumo.jar, one per volume of its range, and
// answers whether every one of them is there and loads. False, with nothing made, when a volume
// has no usable pack code; false when the generator fails. Shows a message only when the Java
// runtime is missing.
bool Gera_QrCode(Program& p, std::chrono::milliseconds tempoLimite = kTempoGerador);

// The folder the generator writes into, as the request names it: every backslash written twice.
QString textoDestino(const QString& pastaNativa);
// The request qr.xml: one block per code, lines ended by CR LF, in the single-byte code page.
QByteArray requisicaoQr(const QStringList& codigos, const QString& destino);
