#pragma once

// What the CUPS tests share on the program's side: queues of their own, a label drawn on a
// queue, and the print command made ready to print an order on a queue.

#include "form/program.h"
#include "platform/printer.h"
#include "tests/common/testworkstation.h"

#include <QString>

// A queue of the private cupsd for one case, printing nowhere; its name starts with prefix.
QString newQueue(const QString& prefix);
// Where a device stands in the printer list; -1 when it is not listed.
int indexOf(const PrinterSystem& system, const QString& name);
// One text on a row of two box-front labels, in millimetres.
void drawLabel(Printer& p);
// The box-front order 780001 (sizes 38 x 2 and 39 x 1) loaded, its logos present, and the print
// command set to print on queue and to give defaultPrinter back afterwards.
void loadOrderForQueue(TestWorkstation& t, Program& program, const QString& queue, const QString& defaultPrinter);
