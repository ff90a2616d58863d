#pragma once

#include "form/program.h"
#include "setup/margindialog.h"

// The margins of the box-front labels 40 x 45, two across ("Mx4045_1", "Mx4045_2", "Mx4045"),
// with a test row printed from the boxes through the box-front layout.
class FrmMargensCxZPL45 : public MarginDialog {
public:
    explicit FrmMargensCxZPL45(Program& p);

protected:
    void testPrint() override;

private:
    Program& p_;
};

MarginDialogLayout layoutMargensCxZPL45();
