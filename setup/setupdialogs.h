#pragma once

#include "form/program.h"
#include "setup/editingwindow.h"
#include "setup/frmparametroimpressoraview.h"
#include "setup/margindialogview.h"

#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

// The dialogs the main window opens, one instance of each: the three margin dialogs, by their
// names, and the printer-parameters dialog. A dialog is made when it is shown and gone when it
// closes, so the next showing loads it afresh; showing one that is open only brings it forward.
class SetupDialogs {
public:
    // parent: the window the margin dialogs belong to; the printer-parameters dialog has none.
    explicit SetupDialogs(Program& p, QWidget* parent = nullptr);
    ~SetupDialogs();
    // The window the margin dialogs opened from now on belong to; it may be made after the host.
    void setParent(QWidget* parent) { parent_ = parent; }
    // Runs after each command of a margin dialog, given the window the dialog belongs to, which
    // shows what the command changed of its fields.
    void setAfterMarginCommand(std::function<void(QWidget* owner)> after) { afterMarginCommand_ = std::move(after); }
    SetupDialogs(const SetupDialogs&) = delete;
    SetupDialogs& operator=(const SetupDialogs&) = delete;

    static inline const QString kOculta = QStringLiteral("FrmMargensOcultaZPL2");
    static inline const QString kCaixa = QStringLiteral("FrmMargensCxZPL45");
    static inline const QString kPack = QStringLiteral("FrmMargensPackZPL");

    // Shows the margin dialog of this name; an unknown name shows nothing.
    void openMargin(const QString& name);
    // Closes it without saving what its boxes hold; one that is not open is left alone.
    void closeMargin(const QString& name);
    // The closing the print command and the main window's unload call, one name at a time.
    std::function<void(Program&, const QString&)> closer();

    void openParametros();

    // The window the dialogs belong to leaves the control being edited; nothing when it is no
    // EditingWindow.
    void leaveMainField();

    // The dialog while it is open, else null.
    MarginDialogView* margin(const QString& name) const;
    FrmParametroImpressoraView* parametros() const;

private:
    QPointer<MarginDialogView>* slot(const QString& name);

    Program& p_;
    QPointer<QWidget> parent_;
    std::function<void(QWidget* owner)> afterMarginCommand_;
    QPointer<MarginDialogView> oculta_, caixa_, pack_;
    QPointer<FrmParametroImpressoraView> parametros_;
};

// "&Calibrar Etiquetas": with an order's reference chosen, the margin dialog of the label type;
// otherwise the message that an order must be chosen first.
void cmd_calibra_Click(Program& p, SetupDialogs& dialogs);

// "&Parâmetro de Impressão": the printer-parameters dialog.
void cmd_parametro_Click(SetupDialogs& dialogs);
