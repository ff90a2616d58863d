#include "app/qtkeystrokes.h"

#include "platform/errors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

const QEvent::Type kQueuedMove = static_cast<QEvent::Type>(QEvent::registerEventType());

class QueuedMove : public QEvent {
public:
    QueuedMove(bool backwards, uint64_t generation)
        : QEvent(kQueuedMove), backwards(backwards), generation(generation)
    {
    }
    const bool backwards;
    const uint64_t generation;
};

}  // namespace

void QtKeystrokes::send(const QString& keys)
{
    if (keys == QStringLiteral("{tab}"))
        QCoreApplication::postEvent(this, new QueuedMove(false, generation_));
    else if (keys == QStringLiteral("+{tab}"))
        QCoreApplication::postEvent(this, new QueuedMove(true, generation_));
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
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return true;
    const Qt::Key key = move->backwards ? Qt::Key_Backtab : Qt::Key_Tab;
    const Qt::KeyboardModifiers modifiers = move->backwards ? Qt::ShiftModifier : Qt::NoModifier;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QStringLiteral("\t"));
    QCoreApplication::sendEvent(target, &press);
    if (QWidget* now = QApplication::focusWidget()) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, QStringLiteral("\t"));
        QCoreApplication::sendEvent(now, &release);
    }
    return true;
}
