#include "setup/controlwidgets.h"

#include <QFocusEvent>
#include <QKeyEvent>

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
