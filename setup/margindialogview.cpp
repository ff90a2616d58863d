#include "setup/margindialogview.h"

#include "platform/units.h"
#include "setup/taskbar.h"
#include "widgets/controlwidgets.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QValidator>
#include <algorithm>
#include <utility>

namespace {

QRect pixels(const Control& c)
{
    return {c.left / kTwipsPerPixel, c.top / kTwipsPerPixel, c.width / kTwipsPerPixel, c.height / kTwipsPerPixel};
}

// Refuses an edit that makes the text longer than the limit, unless it is no longer than the text
// before it. The line edit's own maximum length would also cut text set from code.
class TypedLength : public QValidator {
public:
    TypedLength(int limit, const QString& before, QObject* parent) : QValidator(parent), limit_(limit), before_(before) {}
    State validate(QString& input, int&) const override
    {
        return input.size() <= limit_ || input.size() <= before_.size() ? Acceptable : Invalid;
    }

private:
    int limit_;
    const QString& before_;
};

}  // namespace

QFont dialogFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

QString MarginDialogView::objectNameOf(const QString& name, int index)
{
    return index < 0 ? name : name + u'_' + QString::number(index);
}

MarginDialogView::MarginDialogView(std::unique_ptr<MarginDialog> model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      model_(std::move(model))
{
    const MarginDialogLayout& layout = model_->layout();
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(layout.caption);
    setFixedSize(layout.width / kTwipsPerPixel, layout.height / kTwipsPerPixel);
    setFont(dialogFont());

    auto* frame = new QGroupBox(layout.frame.caption, this);
    frame->setObjectName(layout.frame.name);
    frame->setGeometry(pixels(layout.frame));

    for (const MarginDialogLayout::Caption& c : layout.labels) {
        auto* label = new QLabel(c.label.caption, frame);
        label->setObjectName(objectNameOf(c.label.name, c.index));
        label->setGeometry(pixels(c.label));
        label->setWordWrap(true);
        if (c.centred)
            label->setAlignment(Qt::AlignCenter);
    }
    for (const Control& o : layout.outlines) {
        auto* outline = new QFrame(frame);
        outline->setObjectName(o.name);
        outline->setGeometry(pixels(o));
        outline->setFrameShape(QFrame::Box);
        outline->setAutoFillBackground(true);
        QPalette pal = outline->palette();
        pal.setColor(QPalette::Window, Qt::white);
        outline->setPalette(pal);
    }

    // Keyboard order as the layout gives it: boxes and buttons sorted by their tab position.
    std::vector<std::pair<int, QWidget*>> order;
    for (size_t i = 0; i < layout.boxes.size(); ++i) {
        const MarginBox& b = layout.boxes[i];
        auto* edit = new MarginEdit(*model_, static_cast<int>(i), frame);
        edit->setObjectName(objectNameOf(b.box.name, b.index));
        edit->setGeometry(pixels(b.box));
        edit->setAlignment(Qt::AlignRight);
        connect(edit, &QLineEdit::textChanged, this, [this, i](const QString& text) { model_->boxes()[i].box.text = text; });
        edits_.push_back(edit);
        order.emplace_back(b.box.tabIndex, edit);
    }
    const std::pair<const CommandButton*, void (MarginDialog::*)()> buttons[] = {
        {&layout.cmd_gravar, &MarginDialog::cmd_gravar_Click},
        {&layout.cmd_teste, &MarginDialog::cmd_teste_Click},
        {&layout.cmd_exit, &MarginDialog::cmd_exit_Click},
    };
    for (auto [control, handler] : buttons) {
        auto* button = new CommandPushButton(control->caption, frame);
        button->setObjectName(control->name);
        button->setGeometry(pixels(*control));
        button->setAutoDefault(false);  // Enter in a box must not save or print
        connect(button, &QPushButton::clicked, this, [this, handler = handler] { run(handler); });
        order.emplace_back(control->tabIndex, button);
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].second, order[i].second);
}

MarginDialogView::~MarginDialogView() = default;

void MarginDialogView::open()
{
    model_->Form_Load();
    showModel();
    keepOffTaskBar(this);
    show();
    raise();
    activateWindow();
}

void MarginDialogView::run(void (MarginDialog::*handler)())
{
    // What the save and the test print read of the main window is what it shows.
    if (handler != &MarginDialog::cmd_exit_Click && beforeCommand_) {
        const QPointer<MarginDialogView> self(this);
        beforeCommand_();
        if (!self || !model_->isOpen())
            return;
    }
    (model_.get()->*handler)();
    if (afterCommand_)
        afterCommand_();
    if (!model_->isOpen()) {
        close();
        return;
    }
    showModel();
    if (TextBox* wanted = std::exchange(model_->focusRequest, nullptr))
        for (size_t i = 0; i < edits_.size(); ++i)
            if (&model_->boxes()[i].box == wanted)
                edits_[i]->setFocus();
}

void MarginDialogView::showModel()
{
    for (size_t i = 0; i < edits_.size(); ++i)
        if (edits_[i]->text() != model_->boxes()[i].box.text)
            edits_[i]->showText(model_->boxes()[i].box.text);
}

// Escape closes nothing: only "&Gravar Margens", "&Sair" and the close box close the dialog.
void MarginDialogView::reject() {}

void MarginDialogView::closeEvent(QCloseEvent* event)
{
    // The close box leaves like "&Sair": nothing is written.
    if (model_->isOpen())
        model_->cmd_exit_Click();
    // Not the dialog's own handler: that would reject, and rejecting closes again.
    event->accept();
}

MarginEdit::MarginEdit(MarginDialog& model, int box, QWidget* parent) : QLineEdit(parent), model_(model), box_(box)
{
    if (const int limit = model_.boxes()[static_cast<size_t>(box_)].maxLength; limit > 0)
        setValidator(new TypedLength(limit, before_, this));
    // Checked before the change is announced, so before_ is still the text the edit started from.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

void MarginEdit::showText(const QString& text)
{
    before_ = text;
    setText(text);
}

// The character code a key press gives the box's handler, as the workstation's keyboard gives
// it: Backspace, Enter and Escape, Ctrl with a letter as 1 to 26, a typed character; 0 for a key
// that types nothing (arrows, Delete, Tab), which the line edit handles itself.
static int16_t typedCode(const QKeyEvent& e)
{
    switch (e.key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const Qt::KeyboardModifiers m = e.modifiers();
    if ((m & Qt::ControlModifier) && !(m & Qt::AltModifier))
        return e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z ? static_cast<int16_t>(1 + (e.key() - Qt::Key_A)) : 0;
    const QString text = e.text();
    if (text.size() != 1 || !text[0].isPrint())
        return 0;
    // No single-byte key code: the filters would drop it too.
    return text[0].unicode() > 0xFF ? int16_t{-1} : static_cast<int16_t>(text[0].unicode());
}

void MarginEdit::keyPressEvent(QKeyEvent* event)
{
    const int16_t code = typedCode(*event);
    if (code == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // A dropped key is taken here, so that neither a paste nor the dialog's Escape follows it.
    const int16_t kept = code < 0 ? int16_t{0} : model_.KeyPress(box_, code);
    if (kept == 0)
        return;
    if (kept == code) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    insert(QString(QChar(static_cast<char16_t>(kept))));
}

void MarginEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    MarginBox& b = model_.boxes()[static_cast<size_t>(box_)];
    b.box.text = text();
    model_.GotFocus(box_);
    if (b.selectsOnFocus)
        setSelection(b.box.selStart, b.box.selLength);
    else
        deselect();
}
