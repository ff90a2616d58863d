#pragma once

#include <QString>
#include <ostream>

// Readable texts in failure messages. Every test file of this folder includes it, so that the
// one printer gtest instantiates for QString is this one.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
