#pragma once

#include "form/controls.h"

#include <array>

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
    QString arquivo_ini;
    bool tem_imagem = false;
    bool pack_novo = false;
    bool tem_departamento = false;
    QString tipo_arquivo;

    // Every control, for the view and for tests that look a control up by name.
    Control* find(const QString& objectName);
};
