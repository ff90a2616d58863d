#pragma once

#include "form/controls.h"

#include <array>
#include <vector>

// The main window FrmPadrao as data: every control the program's code reads or writes, named as
// the window names it, and the window's own variables. The Qt window is a view of this.
struct MainForm {
    MainForm();

    static constexpr int kWidth = 11250;   // twips
    static constexpr int kHeight = 10065;
    static constexpr int kSizeCells = 14;

    QString caption;
    int width = kWidth;
    int height = kHeight;

    // Order selection.
    Frame Frame4;
    TextBox txtarquivo;
    ComboBox cmbtipo;

    // Order header and increment, hidden until Frame4 is double-clicked.
    Frame Frame2;
    TextBox txtcliente;
    TextBox txtlote;

    // Item of a box-front, hidden or accessory order.
    Frame Frame1;
    ComboBox cmb_referencia;
    TextBox txtcodigo, txtcor, txtsemana, txtbandeira, txtpreco, txtdescricao, txtpromocao;
    Label Label9;  // "Promoção"
    Label LBLMERVALK;
    std::array<Label, kSizeCells> Label7;
    std::array<TextBox, kSizeCells> txtnumero;
    TextBox TXTPARES;
    Label Label71;
    TextBox TXTOCULTAS;
    Label Label72;
    ImageControl pctimage;
    CheckBox chkcabecalho;
    TextBox txtean13;  // EAN of an accessory item, kept by the older loaders

    // The carton item ("Corrugado").
    Frame Frame3;
    ComboBox cmb_referencia1;
    TextBox txtqte1, txtcodigo1, txtfornecedor1, txtcor1, txtdescricao1, txtprepack, txtean;
    Label lblean;
    TextBox txtgrade1, txtgrade2, txttotgrade, txtsemana1, txtdestino1, txtvolume;
    TextBox txtcampanha, txtdepartamento, txtiniciopromocao;
    Label Label17;  // "Início da Promoção"
    ComboBox cmb_vol1, cmb_vol2;
    Label lblmax;
    ListBox lsteanpack;

    // Commands and the printer list.
    CommandButton cmd_printacessorio, cmd_calibra, cmd_parametro, cmd_sair;
    ComboBox CMBPRINTER;
    Label Label8;  // "Impressora"

    // Hidden holders that carry values between parts of the program.
    Label lblpath, lbljava, lblcompartilhamento, lbloculta, lbllinguagem, lblporta, LBLPORTAPARELELA;
    Label frentecaixa, lblprinterdefault, lblbarra, lblmaster, lblpacknovo;
    ListBox List1, filelist;
    PictureBox Picture1, pictqrcode;
    TextBox txtbarra;
    ComboBox cmbintensidade, cmbvelocidade;
    ImageControl pctlogo1, pctlogo2;

    // The window's own variables.
    bool keyPreview = true;  // the window sees every key before the focused control
    Control* focusRequest = nullptr;  // a handler moved the focus here; the view gives it the focus
    QString arquivo_ini;
    bool tem_imagem = false;
    bool pack_novo = false;
    bool impressao_ok = false;  // set by every print run; the closing confirmation waits on it
    bool tem_departamento = false;
    QString tipo_arquivo;
    QString nome_arquivo;  // order file of the earlier naming, without folder

    // The captions over the fields and lists, which no code reads or changes.
    std::vector<Label> captions;

    // Every control, for the view and for tests that look a control up by name.
    Control* find(const QString& objectName);

    // Calls f with every control, typed, frames before what they hold: the view builds itself
    // from this, so a control added to the form is shown once it is listed here.
    template <class F>
    void forEachControl(F&& f)
    {
        f(Frame4), f(txtarquivo), f(cmbtipo);
        f(Frame2), f(txtcliente), f(txtlote);
        f(Frame1), f(cmb_referencia), f(txtcodigo), f(txtcor), f(txtsemana), f(txtbandeira), f(txtpreco);
        f(txtdescricao), f(txtpromocao), f(Label9), f(LBLMERVALK);
        for (int k = 0; k < kSizeCells; ++k)
            f(Label7[k]), f(txtnumero[k]);
        f(TXTPARES), f(Label71), f(TXTOCULTAS), f(Label72), f(pctimage), f(chkcabecalho), f(txtean13);
        f(Frame3), f(cmb_referencia1), f(txtqte1), f(txtcodigo1), f(txtfornecedor1), f(txtcor1);
        f(txtdescricao1), f(txtprepack), f(txtean), f(lblean), f(txtgrade1), f(txtgrade2), f(txttotgrade);
        f(txtsemana1), f(txtdestino1), f(txtvolume), f(txtcampanha), f(txtdepartamento);
        f(txtiniciopromocao), f(Label17), f(cmb_vol1), f(cmb_vol2), f(lblmax), f(lsteanpack);
        f(cmd_printacessorio), f(cmd_calibra), f(cmd_parametro), f(cmd_sair), f(CMBPRINTER), f(Label8);
        f(lblpath), f(lbljava), f(lblcompartilhamento), f(lbloculta), f(lbllinguagem), f(lblporta);
        f(LBLPORTAPARELELA), f(frentecaixa), f(lblprinterdefault), f(lblbarra), f(lblmaster), f(lblpacknovo);
        f(List1), f(filelist), f(txtbarra), f(cmbintensidade), f(cmbvelocidade), f(pctlogo1), f(pctlogo2);
        for (Label& c : captions)
            f(c);
    }
};
