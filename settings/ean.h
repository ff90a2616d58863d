#pragma once

#include <QString>

// The EAN-13 check digit of the first 12 characters of a code, as text with one blank in front
// (" 7"), so callers trim it before appending. A character other than "0" to "9", and a position
// past the end of a shorter code, counts 0; nothing is refused.
QString digito_ean13(const QString& codigo);

// Whether a 13-character code ends in the check digit of its first 12 characters, so that the
// digits printed beside its symbol are the digits the symbol encodes.
bool ean13CheckDigitMatches(const QString& codigo);
