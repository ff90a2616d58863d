#pragma once

#include "tests/common/testworkstation.h"

#include <QString>

// Lays out the demo program folder into a folder as the build lays out build/programa, with the
// java the build found; the error output of the layout step when it fails. output, when given,
// gets what the layout step printed.
QString layOutDemo(const QString& folder, QString* output = nullptr);
