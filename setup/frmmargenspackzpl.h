#pragma once

#include "form/program.h"
#include "setup/margindialog.h"

// The margins of the pack label ("PackX", "PackY"), with a test page of the carton on show: its
// first chosen volume only.
class FrmMargensPackZPL : public MarginDialog {
public:
    explicit FrmMargensPackZPL(Program& p);

protected:
    void testPrint() override;

private:
    Program& p_;
};

MarginDialogLayout layoutMargensPackZPL();
