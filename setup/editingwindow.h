#pragma once

// The window the dialogs open from. A dialog's command that prints or saves first has it leave
// the control being edited, so that control's lost-focus handler has run (an order number typed
// and not confirmed is loaded) before the command reads the window, as when the operator clicks
// one of the window's own buttons.
class EditingWindow {
public:
    virtual void leaveField() = 0;

protected:
    ~EditingWindow() = default;
};
