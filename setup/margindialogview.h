#pragma once

#include "setup/margindialog.h"

#include <QDialog>
#include <QFont>
#include <QLineEdit>
#include <functional>
#include <memory>
#include <vector>

class QPushButton;

// The font the dialogs show their texts in: the workstation's dialog font.
QFont dialogFont();

// The window of a margin dialog: widgets built from the model's layout, each named as its
// control ("txtmargem1", an array element as "txtmargem1_3"), shown without blocking the main
// window. It loads the model when shown, writes every edit into the model at once and shows the
// model again after each button; it deletes itself when it closes, so each opening loads afresh.
class MarginDialogView : public QDialog {
    Q_OBJECT
public:
    explicit MarginDialogView(std::unique_ptr<MarginDialog> model, QWidget* parent = nullptr);
    ~MarginDialogView() override;

    MarginDialog& model() { return *model_; }
    // Loads the boxes and shows the window.
    void open();
    // Runs before "&Gravar Margens" and "&Impressão de Teste", however they are pressed.
    void setBeforeCommand(std::function<void()> before) { beforeCommand_ = std::move(before); }
    // Runs after each of its commands: a test print changes the main window's fields too (a blank
    // price becomes "0,00"), and the window shows them again.
    void setAfterCommand(std::function<void()> after) { afterCommand_ = std::move(after); }

    static QString objectNameOf(const QString& name, int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void run(void (MarginDialog::*handler)());
    void showModel();

    std::unique_ptr<MarginDialog> model_;
    std::vector<class MarginEdit*> edits_;
    std::function<void()> beforeCommand_;
    std::function<void()> afterCommand_;
};

// A margin box: the model's key filter on typed characters, its selection on entry and its
// length limit. The limit holds for what the operator types or pastes, not for text the dialog
// shows: a stored margin longer than the limit shows whole and may only get shorter.
class MarginEdit : public QLineEdit {
    Q_OBJECT
public:
    MarginEdit(MarginDialog& model, int box, QWidget* parent);

    // Text from the dialog, not typed: shown whole whatever the limit.
    void showText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    MarginDialog& model_;
    int box_;
    QString before_;  // the text before the edit being checked
};
