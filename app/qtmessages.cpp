#include "app/qtmessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>

const QString QtMessages::kProgramTitle = QStringLiteral("Etiquetas");

namespace {

// The owner asks for the keyboard when the box has gone. A window manager may still hand it to
// another window of the program a moment later (one that passes over tool windows when it looks
// for the next window does); for that moment the owner asks again.
void giveBackKeyboard(QWidget* owner)
{
    owner->activateWindow();
    auto* watch = new QObject(owner);
    QTimer::singleShot(500, watch, [watch] { watch->deleteLater(); });
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, watch, [owner, watch](QWindow* now) {
        if (!now || QApplication::activeModalWidget())
            return;
        if (now == owner->windowHandle() || !owner->isVisible())
            watch->deleteLater();
        else
            owner->activateWindow();
    });
}

}  // namespace

int QtMessages::show(const QString& text, int style, const QString& title)
{
    if (beforeShow_)
        beforeShow_();
    QPointer<QWidget> owner = QApplication::activeWindow();
    if (!owner)
        owner = parent_;
    QMessageBox box(owner);
    box.setWindowTitle(title.isEmpty() ? kProgramTitle : title);
    box.setText(text);
    switch (mb::iconOf(style)) {
    case mb::Critical: box.setIcon(QMessageBox::Critical); break;
    case mb::Question: box.setIcon(QMessageBox::Question); break;
    case mb::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case mb::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Choice {
        QMessageBox::StandardButton button;
        int answer;
    };
    std::vector<Choice> choices;
    switch (mb::buttonsOf(style)) {
    case mb::OKCancel: choices = {{QMessageBox::Ok, mb::OK}, {QMessageBox::Cancel, mb::Cancel}}; break;
    case mb::YesNoCancel:
        choices = {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}, {QMessageBox::Cancel, mb::Cancel}};
        break;
    case mb::YesNo: choices = {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}}; break;
    default: choices = {{QMessageBox::Ok, mb::OK}}; break;
    }
    for (const Choice& c : choices)
        box.addButton(c.button);
    box.setDefaultButton(choices.front().button);
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    if (owner && owner->isVisible())
        giveBackKeyboard(owner);
    for (const Choice& c : choices)
        if (c.button == chosen)
            return c.answer;
    // Closed by its frame: the cancel answer where there is one, else the only one.
    return mb::buttonsOf(style) == mb::YesNo ? mb::No : choices.back().answer;
}
