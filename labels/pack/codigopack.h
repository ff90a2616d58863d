#pragma once

#include "form/mainform.h"

#include <QString>
#include <cstdint>
#include <optional>

// One entry of the pack list: master code, pack code and volume ("3/12"), trimmed. Parts the
// entry lacks read as empty.
struct EntradaPack {
    QString master;
    QString codigo;
    QString volume;
};

EntradaPack entradaPack(const QString& item);
// The entry at a position of the pack list; nothing outside the list.
std::optional<EntradaPack> entradaNaPosicao(const ListBox& lsteanpack, int posicao);

// A pack code names a file of its own in tmp only when it stays one name there: not empty, no
// folder separators, no "..", no control characters.
bool codigoSeguro(const QString& codigo);

// "tmp\<code>.jpg" under the program folder, the QR image of a pack code.
QString imagemQr(const QString& codigo);

// The pack code of one volume of the carton on show: the first entry of its master code whose
// volume is v, "/" and the trimmed caption of lblmax. Empty when no entry matches.
QString codigoDoVolume(const MainForm& form, int volume);
