#include "app/qtkeystrokes.h"

#include "platform/errors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

const QEvent::Type kQueuedMove = static_cast<QEvent::Type>(QEvent::registerEventType());

class QueuedMove : public QEvent {
public:
    QueuedMove(bool backwards, uint64_t generation, QWidget* window)
        : QEvent(kQueuedMove), backwards(backwards), generation(generation), window(window)
    {
    }
    const bool backwards;
    const uint64_t generation;
    const QPointer<QWidget> window;  // the window that was active when the move was queued
};

}  // namespace

void QtKeystrokes::send(const QString& keys)
{
    if (keys == QStringLiteral("{tab}"))
        QCoreApplication::postEvent(this, new QueuedMove(false, generation_, QApplication::activeWindow()));
    else if (keys == QStringLiteral("+{tab}"))
        QCoreApplication::postEvent(this, new QueuedMove(true, generation_, QApplication::activeWindow()));
    else
        vberr::raise(vberr::InvalidCall, QStringLiteral("SendKeys"));
}

bool QtKeystrokes::event(QEvent* e)
{
    if (e->type() != kQueuedMove)
        return QObject::event(e);
    const auto* move = static_cast<QueuedMove*>(e);
    if (move->generation != generation_)
        return true;
    // A window that a pressed button opened meanwhile is not where the key was pressed: the move
    // still happens in the window of the key.
    QWidget* target = QApplication::focusWidget();
    if (move->window && (!target || target->window() != move->window))
        target = move->window->focusWidget();
    if (!target)
        return true;
    const Qt::Key key = move->backwards ? Qt::Key_Backtab : Qt::Key_Tab;
    const Qt::KeyboardModifiers modifiers = move->backwards ? Qt::ShiftModifier : Qt::NoModifier;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QStringLiteral("\t"));
    QCoreApplication::sendEvent(target, &press);
    if (QWidget* now = move->window ? move->window->focusWidget() : QApplication::focusWidget()) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, QStringLiteral("\t"));
        QCoreApplication::sendEvent(now, &release);
    }
    return true;
}
