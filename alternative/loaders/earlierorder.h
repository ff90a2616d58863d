#pragma once

#include "form/program.h"

#include <QString>
#include <QStringList>

// What the earlier order readers share: the file named by nome_arquivo in the program folder,
// and which of its lines are data lines.

// The program folder, a backslash and nome_arquivo; the backslash is always added.
QString earlierOrderPath(const Program& p);

// A data line starts with a digit; headers, blank lines and lines starting with a blank do not.
bool isEarlierDataLine(const QString& line);

// Whether a file stands at that path. A name holding a folder separator would reach outside the
// program folder, so it names no file.
bool earlierOrderExists(const Program& p);

struct EarlierOrder {
    enum class State { Missing, Blank, Read };
    State state = State::Missing;
    QStringList lines;  // as read, nothing trimmed
};
// The order file's lines, or why there are none.
EarlierOrder readEarlierOrder(const Program& p);

// "O arquivo está em branco!", the warning all three readers give for a file of 0 bytes.
void warnBlankOrder(Program& p);
