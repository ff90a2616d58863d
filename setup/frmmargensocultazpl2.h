#pragma once

#include "form/program.h"
#include "setup/margindialog.h"

// The margins of the 40 x 20 labels two across, which the hidden and the accessory labels share
// ("Margem_oculta1", "Margem_oculta11", "Margem_oculta2"); the test row goes through the hidden
// layout for "Oculta" and the accessory layout for any other type.
class FrmMargensOcultaZPL2 : public MarginDialog {
public:
    explicit FrmMargensOcultaZPL2(Program& p);

protected:
    void testPrint() override;

private:
    Program& p_;
};

MarginDialogLayout layoutMargensOcultaZPL2();
