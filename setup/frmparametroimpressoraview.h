#pragma once

#include "setup/frmparametroimpressora.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// The window of the printer-parameters dialog: a tool window over the model, every control a
// widget named as the control (the hidden panels too, outside the visible area). It reads the
// settings on its first activation, writes every edit into the model at once and shows the model
// again after each handler; it deletes itself when it closes.
class FrmParametroImpressoraView : public QDialog {
    Q_OBJECT
public:
    explicit FrmParametroImpressoraView(Program& p, QWidget* parent = nullptr);
    ~FrmParametroImpressoraView() override;

    FrmParametroImpressora& model() { return *model_; }
    // Loads the model and shows the window; the first activation reads the settings.
    void open();
    // Runs before "&Gravar Parâmetros", however it is pressed.
    void setBeforeCommand(std::function<void()> before) { beforeCommand_ = std::move(before); }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void run(const std::function<void()>& handler);
    void showModel();

    Program& p_;
    std::unique_ptr<FrmParametroImpressora> model_;
    QHash<const Control*, QWidget*> widgets_;
    std::vector<std::function<void()>> refresh_;
    QHash<QObject*, std::pair<void (FrmParametroImpressora::*)(), void (FrmParametroImpressora::*)()>> focusHandlers_;
    std::function<void()> beforeCommand_;
};
