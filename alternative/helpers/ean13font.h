#pragma once

#include <QString>

// The text that an EAN-13 barcode font shows as the whole symbol of a 12-digit number: the
// leading digit, the left half in letter sets A (A-J) and B (K-T) by the leading digit's parity
// pattern, "*" for the centre, the right half with the check digit in set C (a-j), "+" for the
// end. The check digit is appended to chaine. Anything but exactly 12 digits gives "" and
// leaves chaine alone.
QString EAN13(QString& chaine);
