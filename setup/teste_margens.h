#pragma once

#include "form/program.h"
#include "labels/product/run_steps.h"
#include "setup/margindialog.h"

#include <QStringList>

#include <initializer_list>

// The steps the margin test prints share. Each goes on past a failure of its own, as the test
// prints do.
namespace testemargens {

// Whether a test print may go on, each refusal told: "Informe a Margem..." and the focus on the
// first blank box; a box of millimetres that holds no number named, with the focus on it; and the
// main window showing no order whose labels it would print (its print button is hidden, as after
// an order number that loaded no item), so a test never prints one order's item under another's
// number.
bool readyToPrint(Program& p, MarginDialog& dialog);

// Each box's number, in box order, into its variable; a text that is no number leaves its
// variable as it was.
void marginsFromBoxes(Program& p, MarginDialog& dialog, std::initializer_list<float Globals::*> variables);

// Whether the main window still shows one of the label types this dialog calibrates; if not,
// says so, since the window may have moved to another type after the dialog opened.
bool windowShowsType(Program& p, const QStringList& tipos);

// Whether any size cell of the grid holds a quantity; if none does, says there is nothing to test.
bool anySizeFilled(Program& p);

// The first filled size cell whose codes are found, after ret_codcomplemento has put them into
// lblbarra and lblmaster; -1 when there is none, and then every filled size is noted in
// unprinted with the reason it has no codes.
int firstPrintableSize(Program& p, printrun::UnprintedLabels& unprinted);

}  // namespace testemargens
