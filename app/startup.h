#pragma once

#include "form/program.h"

#include <QString>

// The main window's load event: the sixteen steps of start-up in their order, each step that
// fails skipped. The focus is the view's business and is set after this.
void Form_Load(Program& p);

// The caption start-up gives the window: the design caption and the release.
QString captionWithVersion(const QString& caption);

// The message of start-up step 2 when the printer list lacks the machine's printers, and why.
QString printerListProblemMessage(const QString& problem);

// The logo message of start-up step 6 for the list of missing files built in step 5.
QString missingLogosMessage(const QString& missing);
