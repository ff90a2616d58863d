#pragma once

#include "form/program.h"
#include "tests/common/testworkstation.h"

#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{';
    for (const QString& s : l)
        *os << " \"" << s.toStdString() << '"';
    *os << " }";
}

// A temporary program folder with the main window and the program variables; the earlier order
// files live in the program folder itself.
class AlternativeTest : public ::testing::Test {
protected:
    // Lines joined by CR LF, written in Windows-1252.
    void file(const QString& name, const QStringList& lines) const
    {
        t.write(name, lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }
    QStringList shown() const { return t.messages.texts(); }

    TestWorkstation t;
    MainForm& f = t.form;
    Program& p = t.program;
};
