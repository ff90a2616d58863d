#pragma once

#include <QLineEdit>
#include <QPushButton>

// Widgets that take the keyboard as the workstation's controls did, for the main window and the
// dialogs alike.

// A command button: Enter presses the button that has the focus, as Space does. Its access key
// (Alt and the underlined letter) takes the focus first, so the control being left runs its
// lost-focus handler as for a click, and then presses the button if it still shows and is
// enabled; Qt would press it with the focus left where it was.
class CommandPushButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A text box: coming in by Tab selects nothing of its own (Qt would select the whole text); the
// caret stays where it was. Only the handlers that select on entry select.
class TextBoxEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};
