#pragma once

#include <QString>

// Field data of these labels may not carry a "."; the printer gets a double quote in its place.
QString dotsToQuotes(QString line);

// A margin that reads as whole printer dots: an optional "-" and digits, blanks around allowed.
bool isWholeDots(const QString& text);
