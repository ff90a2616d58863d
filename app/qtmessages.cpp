#include "app/qtmessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

const QString QtMessages::kProgramTitle = QStringLiteral("Etiquetas");

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
    // Asked for, not left to the window manager's choice of the next window.
    if (owner && owner->isVisible())
        owner->activateWindow();
    for (const Choice& c : choices)
        if (c.button == chosen)
            return c.answer;
    // Closed by its frame: the cancel answer where there is one, else the only one.
    return mb::buttonsOf(style) == mb::YesNo ? mb::No : choices.back().answer;
}
