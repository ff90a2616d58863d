#pragma once

#include "app/events.h"
#include "form/program.h"
#include "setup/editingwindow.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <vector>

class ProgramError;

// The main window FrmPadrao: the view of MainForm. Every control of the model has a widget of
// the same objectName (the size cells share "txtnumero" and "Label7", told apart by the property
// "Index"); the operator's edits go into the model at once, and after every handler the window
// shows the model again. Focus, key preview and the queued moves are handled here, as the
// workstation handled them: the window sees a key first while key preview is on, a control's
// key-press handler may change or drop the typed character, and got- and lost-focus run when
// the focus moves between the window's controls (not when another window takes it for a while).
class FrmPadrao : public QWidget, public EditingWindow {
    Q_OBJECT

public:
    FrmPadrao(Program& program, MainWindowEvents events, QWidget* parent = nullptr);
    ~FrmPadrao() override;

    // Start-up: Form_Load, the model shown, and the focus on the first field that can take it.
    void load();
    // The program's start: the window shown first, then loaded, so that it paints while start-up
    // waits for the print server.
    void start();
    // Shows the model. The window calls it after every handler; code that changes the model
    // outside the window's events (a dialog it owns) calls it too.
    void refresh();
    // A dialog's command that prints or saves: the control being edited loses the focus for the
    // handlers (its lost-focus handler runs now, not when the window is next left), and gains it
    // again when the window is active again.
    void leaveField() override;

    Program& program() { return program_; }
    MainWindowEvents& events() { return events_; }
    QWidget* widgetOf(const Control& c) const { return widgets_.value(&c); }
    Control* controlOf(const QObject* widget) const { return controls_.value(widget); }
    // The widgets that take the focus, in keyboard order.
    const std::vector<QWidget*>& tabOrder() const { return tabOrder_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void build();
    void add(Frame& c);
    void add(TextBox& c);
    void add(Label& c);
    void add(CommandButton& c);
    void add(ComboBox& c);
    void add(ListBox& c);
    void add(CheckBox& c);
    void add(OptionButton& c);
    void add(ImageControl& c);
    void attach(Control& c, QWidget* w, std::function<void()> show);
    void showCommon(const Control& c, QWidget* w);
    void setTabOrder();
    void focusFirstField();

    bool keyPress(Control& c, QWidget* w, QKeyEvent* k);
    bool focusIn(Control& c, QWidget* w, QFocusEvent* e);
    void focusOut(Control& c, QFocusEvent* e);
    bool doubleClick(Control& c, QWidget* w, QMouseEvent* e);
    void click(CommandButton& c);

    // Runs one handler: a run-time error of the program is reported, never swallowed silently
    // and never let through the event loop; then the model is shown.
    void handle(const std::function<void()>& handler);
    void report(const ProgramError& e);

    Program& program_;
    MainWindowEvents events_;
    QHash<const Control*, QWidget*> widgets_;
    QHash<const QObject*, Control*> controls_;
    std::vector<std::function<void()>> showers_;
    std::vector<QWidget*> tabOrder_;
    Control* current_ = nullptr;   // the control that has the focus, as the handlers saw it
    QKeyEvent* resent_ = nullptr;  // a key the window sends on after its handler changed it
    bool refreshing_ = false;
    bool refreshAgain_ = false;
    bool ended_ = false;           // "&Sair" ran: nothing more of the window runs
};
