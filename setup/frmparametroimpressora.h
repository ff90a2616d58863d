#pragma once

#include "form/controls.h"
#include "form/program.h"
#include "platform/folderpicker.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// A text box or button that also shows a tooltip.
struct TipTextBox : TextBox {
    QString toolTipText;
};
struct TipButton : CommandButton {
    QString toolTipText;
};

// The printer-parameters dialog as data: the two folders the operator sees, and the language,
// port and label-stock panels nobody sees, which still load and save their keys of "Impressora".
class FrmParametroImpressora {
public:
    explicit FrmParametroImpressora(Program& p);

    static constexpr int kWidth = 5340;  // twips
    static constexpr int kHeight = 4410;
    QString caption;

    // What the operator sees.
    Label Label1, Label2;
    TipButton CMD_GETPATH, cmdjava;
    TipTextBox TXTPATH, txtjava;
    Frame Frame1;                          // "Etiqueta Padrão"
    Label Label3, Label4, Label5, Label6;  // stock captions inside it; Label3 hidden
    CommandButton cmd_grava, cmd_sair;

    // Printer language, hidden.
    Frame Frame2;
    OptionButton optzpl, optppla;
    // Printer port, hidden, with one sub-panel per kind of port in the same place.
    Frame Frame3;
    OptionButton optParalela, optSerial, optUsb;
    Frame FrameParalela, FrameSerial, FrameUSB;
    Label Label7, Label8, Label9, Label10, Label11;
    ComboBox cmbparalela1, cmbserial, cmbparalela2;
    TextBox txtserialconfiguracao, txtnomecompartilhamento;
    // Label stocks, hidden.
    Frame Frame4;
    OptionButton optoculta1, optoculta2, optoculta3, optoculta4;
    Frame Frame5;
    OptionButton optfrentecaixa1, optfrentecaixa2;

    int16_t parametros_lidos = 0;

    // The window handle the folder browser is shown over; the window sets it.
    FolderPicker::Owner hWnd = 0;

    bool isOpen() const { return open_; }

    void Form_Load();
    void Form_Activate();
    void load_parametros();
    void Oculta_Frame();

    void CMD_GETPATH_Click();
    void cmdjava_Click();
    void cmd_grava_Click();
    void cmd_sair_Click();

    void optParalela_Click() { Oculta_Frame(); }
    void optParalela_GotFocus() { Oculta_Frame(); }
    void optParalela_LostFocus() { Oculta_Frame(); }
    void optSerial_Click() { Oculta_Frame(); }
    void optSerial_GotFocus() { Oculta_Frame(); }
    void optSerial_LostFocus() { Oculta_Frame(); }
    void optUsb_Click() { Oculta_Frame(); }
    void optUsb_GotFocus() { Oculta_Frame(); }
    void optUsb_LostFocus() { Oculta_Frame(); }

    // Chooses one option of a panel; the others of that panel clear, as option buttons do.
    void select(OptionButton& option);
    // The option buttons of the panel that holds this one.
    std::vector<OptionButton*> groupOf(const OptionButton& option);

    // Every control, typed, panels before what they hold, for the window to build itself.
    template <class F>
    void forEachControl(F&& f)
    {
        f(Label1), f(CMD_GETPATH), f(TXTPATH), f(Label2), f(cmdjava), f(txtjava);
        f(Frame1), f(Label3), f(Label4), f(Label5), f(Label6), f(cmd_grava), f(cmd_sair);
        f(Frame2), f(optzpl), f(optppla);
        f(Frame3), f(optParalela), f(optSerial), f(optUsb);
        f(FrameParalela), f(Label7), f(cmbparalela1);
        f(FrameSerial), f(Label8), f(cmbserial), f(Label9), f(txtserialconfiguracao);
        f(FrameUSB), f(Label10), f(cmbparalela2), f(Label11), f(txtnomecompartilhamento);
        f(Frame4), f(optoculta1), f(optoculta2), f(optoculta3), f(optoculta4);
        f(Frame5), f(optfrentecaixa1), f(optfrentecaixa2);
    }

private:
    void escolhePasta(TipTextBox& box, const QString& titulo);

    Program& p_;
    bool open_ = false;
};
