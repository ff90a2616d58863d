#pragma once

#include "form/program.h"
#include "setup/margindialog.h"

#include <memory>

// The five margin dialogs of the printer-language labels. They share the margin-dialog pattern;
// each has its own stock, keys and test label. Nothing in the program opens them.
enum class MargensLinguagem { OcultaZpl3, OcultaZpl7, OcultaZpl8, OcultaPpla, FrenteZpl };

class FrmMargensLinguagem : public MarginDialog {
public:
    FrmMargensLinguagem(Program& p, MargensLinguagem kind);

    MargensLinguagem kind() const { return kind_; }
    // Hidden: the code the hidden-label tests print, taken from the main window on opening.
    TextBox txtcodigo;

protected:
    void loaded() override;
    void testPrint() override;

private:
    void testeOcultaZpl();
    void testeOcultaPpla();
    void testeFrenteZpl();
    // Blank boxes take the value their save writes for them; it stays in the box.
    void preencheVazias();

    Program& p_;
    MargensLinguagem kind_;
};

MarginDialogLayout layoutMargensLinguagem(MargensLinguagem kind);

std::unique_ptr<FrmMargensLinguagem> FrmMargensOcultaZPL(Program& p);
std::unique_ptr<FrmMargensLinguagem> FrmMargensOculta7ZPL(Program& p);
std::unique_ptr<FrmMargensLinguagem> FrmMargensOculta8ZPL(Program& p);
std::unique_ptr<FrmMargensLinguagem> FrmMargensOcultaPPLa(Program& p);
std::unique_ptr<FrmMargensLinguagem> FrmMargensCxZPL(Program& p);
