#pragma once

#include "form/mainform.h"

#include <QList>
#include <QMap>
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

// The pack codes of the carton on show, by volume: the pack-list entries of the order lines that
// belong to the item chosen in cmb_referencia1, each under the volume its volume text gives
// ("3/4" and "03/04" alike) when that text's count is the carton's last volume (lblmax). Of two
// entries of one volume the earlier line's counts. Another carton of the same order, even of the
// same master code, gives nothing here.
QMap<int, QString> codigosDoCorrugado(const MainForm& form);

// The pack code of one volume of the carton on show, as codigosDoCorrugado gives it; empty when
// no entry of the carton has that volume.
QString codigoDoVolume(const MainForm& form, int volume);

// The carton's whole volume range: the first item of cmb_vol1 and the last of cmb_vol2, whatever
// the operator chose to print. A list without a number there leaves that end at 0.
struct FaixaVolumes {
    int primeiro = 0;
    int ultimo = 0;
};
FaixaVolumes faixaDoCorrugado(const MainForm& form);

// The volumes among those given, in ascending order and each once, whose pack code cannot name
// a QR image: no entry of the carton for the volume, or a code codigoSeguro refuses.
QList<int> volumesSemCodigo(const QMap<int, QString>& codigos, QList<int> volumes);

// "3/4" for volume 3 of a carton of 4: the volume key the pack list holds.
QString chaveVolume(const MainForm& form, int volume);
