#include "widgets/controlwidgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcutEvent>

bool CommandPushButton::event(QEvent* event)
{
    // A letter two buttons share only moves the focus, as Qt does it.
    if (event->type() != QEvent::Shortcut || static_cast<QShortcutEvent*>(event)->isAmbiguous())
        return QPushButton::event(event);
    QPointer<CommandPushButton> self(this);
    if (focusPolicy() != Qt::NoFocus)
        setFocus(Qt::ShortcutFocusReason);
    // The handlers of the control left may have closed the window, hidden or locked the button.
    if (self && isVisible() && isEnabled())
        click();
    return true;
}

void CommandPushButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TextBoxEdit::focusInEvent(QFocusEvent* event)
{
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason: {
        // The line edit selects all for these reasons only.
        QFocusEvent plain(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
        break;
    }
    default: QLineEdit::focusInEvent(event); break;
    }
}
