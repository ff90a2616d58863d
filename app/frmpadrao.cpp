#include "app/frmpadrao.h"

#include "app/fieldbehaviour.h"
#include "app/keycodes.h"
#include "app/startup.h"
#include "app/windowcommands.h"
#include "platform/errors.h"
#include "platform/units.h"
#include "widgets/controlwidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

static void initResources() { Q_INIT_RESOURCE(app); }

namespace {

int px(int twips) { return twipsToPixels(Twips{twips}); }

QRect pixelRect(const Control& c) { return {px(c.left), px(c.top), px(c.width), px(c.height)}; }

Qt::Alignment qtAlignment(Alignment a)
{
    switch (a) {
    case Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QFont qtFont(const ControlFont& f)
{
    QFont q(f.name);
    q.setPointSizeF(f.size);
    q.setBold(f.bold);
    return q;
}

// A line edit's selection as the workstation counts it: start and length, or the caret.
std::pair<int, int> selectionOf(const QLineEdit* e)
{
    if (e->hasSelectedText())
        return {e->selectionStart(), static_cast<int>(e->selectedText().size())};
    return {e->cursorPosition(), 0};
}

// What a list shows of its items. No list is wide enough to show more than the start of an
// item, and laying out one of megabytes (a description nobody kept short) holds the window for
// seconds; the model keeps every item whole, and a choice reads it from there.
QStringList shownItems(const QStringList& items)
{
    constexpr qsizetype kShown = 1000;
    QStringList shown = items;
    for (QString& item : shown)
        if (item.size() > kShown)
            item.truncate(kShown);
    return shown;
}

void applySelection(QLineEdit* e, int start, int length)
{
    const int size = static_cast<int>(e->text().size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (selectionOf(e) == std::pair{start, length})
        return;
    if (length > 0)
        e->setSelection(start, length);
    else
        e->setCursorPosition(start);
}

// A button's caption broken into lines at blanks where it is wider than the button, as the
// workstation's buttons wrap theirs. The mnemonic "&" takes no room.
QString wrapCaption(const QString& caption, const QFont& font, int width)
{
    const QFontMetrics metrics(font);
    auto shown = [](QString line) { return line.remove(u'&'); };
    const QStringList words = caption.split(u' ');
    QStringList lines;
    for (const QString& word : words) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(shown(lines.last() + u' ' + word)) <= width)
            lines.last() += u' ' + word;
        else
            lines << word;
    }
    return lines.join(u'\n');
}

// A frame's caption sits in its top border line, as the workstation draws frames.
QString frameStyle(bool captioned)
{
    return captioned ? QStringLiteral("QGroupBox { border: 1px solid #a0a0a0; margin-top: 7px; }"
                                      "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }")
                     : QStringLiteral("QGroupBox { border: 1px solid #a0a0a0; margin-top: 0px; }");
}

// The design picture at the window's top-left corner: the customer's logo, 217 x 163 pixels.
constexpr int kLogoLeft = 45, kLogoTop = 45;  // twips

}  // namespace

FrmPadrao::FrmPadrao(Program& program, MainWindowEvents events, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      program_(program),
      events_(std::move(events))
{
    initResources();
    setObjectName(QStringLiteral("FrmPadrao"));
    setWindowIcon(QIcon(QStringLiteral(":/app/images/printer.png")));
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    const QPixmap picture(QStringLiteral(":/app/images/logo.png"));
    logo->setPixmap(picture);
    logo->setGeometry(px(kLogoLeft), px(kLogoTop), picture.width(), picture.height());
    build();
    refresh();
}

FrmPadrao::~FrmPadrao()
{
    // Nothing of the window runs while its widgets go.
    ended_ = true;
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it)
        const_cast<QObject*>(it.key())->removeEventFilter(this);
}

void FrmPadrao::build()
{
    MainForm& f = program_.form;
    f.forEachControl([this](auto& c) { add(c); });
    // Into their panels once every panel exists.
    for (auto it = widgets_.cbegin(); it != widgets_.cend(); ++it) {
        const Control* c = it.key();
        if (c->container.isEmpty())
            continue;
        if (const Control* panel = f.find(c->container))
            if (QWidget* parent = widgets_.value(panel))
                it.value()->setParent(parent);
    }
    for (int k = 0; k < MainForm::kSizeCells; ++k) {
        widgets_.value(&f.Label7[k])->setProperty("Index", k);
        widgets_.value(&f.txtnumero[k])->setProperty("Index", k);
    }
    setTabOrder();
}

void FrmPadrao::attach(Control& c, QWidget* w, std::function<void()> show)
{
    w->setObjectName(c.name);
    widgets_.insert(&c, w);
    controls_.insert(w, &c);
    w->installEventFilter(this);
    showers_.push_back([this, &c, w, show = std::move(show)] {
        showCommon(c, w);
        show();
    });
}

void FrmPadrao::showCommon(const Control& c, QWidget* w)
{
    const QRect r = pixelRect(c);
    if (w->geometry() != r)
        w->setGeometry(r);
    const QFont font = qtFont(c.font);
    if (w->font() != font)
        w->setFont(font);
    if (w->isEnabled() != c.enabled)
        w->setEnabled(c.enabled);
    if (w->isHidden() == c.visible)
        w->setVisible(c.visible);
}

void FrmPadrao::add(Frame& c)
{
    auto* w = new QGroupBox(this);
    attach(c, w, [&c, w] {
        if (w->title() != c.caption || w->styleSheet().isEmpty()) {
            w->setTitle(c.caption);
            w->setStyleSheet(frameStyle(!c.caption.isEmpty()));
        }
    });
}

void FrmPadrao::add(TextBox& c)
{
    auto* w = new TextBoxEdit(this);
    w->setFrame(true);
    attach(c, w, [&c, w] {
        if (w->text() != c.text)
            w->setText(c.text);
        if (w->isReadOnly() != c.locked)
            w->setReadOnly(c.locked);
        if (w->alignment() != qtAlignment(c.alignment))
            w->setAlignment(qtAlignment(c.alignment));
        const QColor back(qRed(c.backColor), qGreen(c.backColor), qBlue(c.backColor));
        if (w->palette().color(QPalette::Base) != back) {
            QPalette p = w->palette();
            p.setColor(QPalette::Base, back);
            w->setPalette(p);
        }
        // The selection belongs to the field that has the focus; the model keeps it meanwhile.
        if (w->hasFocus())
            applySelection(w, c.selStart, c.selLength);
    });
    auto readSelection = [this, &c, w] {
        if (refreshing_ || !w->hasFocus())
            return;
        std::tie(c.selStart, c.selLength) = selectionOf(w);
    };
    connect(w, &QLineEdit::textEdited, this, [this, &c, readSelection](const QString& text) {
        if (refreshing_)
            return;
        c.text = text;
        readSelection();
    });
    connect(w, &QLineEdit::selectionChanged, this, readSelection);
    connect(w, &QLineEdit::cursorPositionChanged, this, readSelection);
}

void FrmPadrao::add(Label& c)
{
    auto* w = new QLabel(this);
    w->setTextFormat(Qt::PlainText);
    attach(c, w, [&c, w] {
        if (w->text() != c.caption)
            w->setText(c.caption);
        if (w->alignment() != qtAlignment(c.alignment))
            w->setAlignment(qtAlignment(c.alignment));
    });
}

void FrmPadrao::add(CommandButton& c)
{
    // Enter presses the button that has the focus; the window's own move follows it.
    auto* w = new CommandPushButton(this);
    w->setAutoDefault(false);
    attach(c, w, [&c, w] {
        const QString text = wrapCaption(c.caption, w->font(), w->width() - 6);
        if (w->text() != text)
            w->setText(text);
    });
    connect(w, &QPushButton::clicked, this, [this, &c] { click(c); });
}

void FrmPadrao::add(ComboBox& c)
{
    auto* w = new QComboBox(this);
    w->setEditable(c.acceptsTyping);
    w->setMaxVisibleItems(12);
    attach(c, w, [&c, w] {
        QSignalBlocker quiet(w);
        QStringList shown;
        for (int i = 0; i < w->count(); ++i)
            shown << w->itemText(i);
        if (const QStringList items = shownItems(c.items); shown != items) {
            w->clear();
            w->addItems(items);
        }
        const int index = c.listIndex < c.listCount() ? c.listIndex : -1;
        if (w->currentIndex() != index)
            w->setCurrentIndex(index);
        if (w->isEditable() != c.acceptsTyping)
            w->setEditable(c.acceptsTyping);
        if (c.acceptsTyping && w->currentText() != c.text)
            w->setEditText(c.text);
    });
    connect(w, &QComboBox::currentIndexChanged, this, [this, &c](int index) {
        if (refreshing_)
            return;
        c.listIndex = index;
        c.text = index >= 0 ? c.items.value(index) : QString();
    });
    connect(w, &QComboBox::editTextChanged, this, [this, &c](const QString& text) {
        if (!refreshing_ && c.acceptsTyping)
            c.text = text;
    });
}

void FrmPadrao::add(ListBox& c)
{
    auto* w = new QListWidget(this);
    attach(c, w, [&c, w] {
        QSignalBlocker quiet(w);
        QStringList shown;
        for (int i = 0; i < w->count(); ++i)
            shown << w->item(i)->text();
        if (const QStringList items = shownItems(c.items); shown != items) {
            w->clear();
            w->addItems(items);
        }
        if (w->currentRow() != c.listIndex)
            w->setCurrentRow(c.listIndex);
    });
    connect(w, &QListWidget::currentRowChanged, this, [this, &c](int row) {
        if (!refreshing_)
            c.listIndex = row;
    });
}

void FrmPadrao::add(CheckBox& c)
{
    auto* w = new QCheckBox(this);
    attach(c, w, [&c, w] {
        QSignalBlocker quiet(w);
        if (w->text() != c.caption)
            w->setText(c.caption);
        w->setChecked(c.value == 1);
    });
    connect(w, &QCheckBox::toggled, this, [this, &c](bool on) {
        if (!refreshing_)
            c.value = on ? 1 : 0;
    });
}

void FrmPadrao::add(OptionButton& c)
{
    auto* w = new QRadioButton(this);
    attach(c, w, [&c, w] {
        QSignalBlocker quiet(w);
        if (w->text() != c.caption)
            w->setText(c.caption);
        w->setChecked(c.value);
    });
    connect(w, &QRadioButton::toggled, this, [this, &c](bool on) {
        if (!refreshing_)
            c.value = on;
    });
}

void FrmPadrao::add(ImageControl& c)
{
    auto* w = new QLabel(this);
    attach(c, w, [&c, w] {
        w->setScaledContents(c.stretch);
        const qint64 key = c.picture.image.cacheKey();
        if (w->property("pictureKey").toLongLong() == key)
            return;
        w->setProperty("pictureKey", key);
        w->setPixmap(c.picture.isNull() ? QPixmap() : QPixmap::fromImage(c.picture.image));
    });
}

void FrmPadrao::setTabOrder()
{
    std::vector<std::pair<int, QWidget*>> order;
    for (auto it = widgets_.cbegin(); it != widgets_.cend(); ++it) {
        QWidget* w = it.value();
        if (it.key()->tabIndex < 0) {
            w->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        if (w->focusPolicy() & Qt::TabFocus)
            order.emplace_back(it.key()->tabIndex, w);
    }
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    tabOrder_.clear();
    for (const auto& [tab, w] : order)
        tabOrder_.push_back(w);
    for (size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

void FrmPadrao::focusFirstField()
{
    for (QWidget* w : tabOrder_)
        if (w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
}

void FrmPadrao::load()
{
    handle([this] { Form_Load(program_); });
    focusFirstField();
}

void FrmPadrao::start()
{
    show();
    load();
}

void FrmPadrao::refresh()
{
    if (ended_)
        return;
    if (refreshing_) {
        refreshAgain_ = true;
        return;
    }
    MainForm& f = program_.form;
    do {
        refreshAgain_ = false;
        refreshing_ = true;
        if (windowTitle() != f.caption)
            setWindowTitle(f.caption);
        const QSize size(px(f.width), px(f.height));
        if (minimumSize() != size || maximumSize() != size)
            setFixedSize(size);
        for (const auto& show : showers_)
            show();
        refreshing_ = false;
    } while (refreshAgain_);
    // A handler that moved the focus (SetFocus) has it moved now that the field shows.
    if (Control* wanted = std::exchange(f.focusRequest, nullptr))
        if (QWidget* w = widgetOf(*wanted); w && w->isVisibleTo(this) && w->isEnabled())
            w->setFocus(Qt::OtherFocusReason);
}

void FrmPadrao::leaveField()
{
    if (ended_ || !current_)
        return;
    Control* left = std::exchange(current_, nullptr);
    handle([&] { controlLostFocus(program_, events_, *left); });
}

void FrmPadrao::handle(const std::function<void()>& handler)
{
    if (ended_)
        return;
    try {
        handler();
    } catch (const ProgramError& e) {
        report(e);
    }
    refresh();
}

void FrmPadrao::report(const ProgramError& e)
{
    try {
        program_.ws.messages.show(
            QStringLiteral("Erro em tempo de execução '%1':\n\n%2").arg(e.number()).arg(e.description()), mb::Critical);
    } catch (const ProgramError&) {
    }
}

bool FrmPadrao::eventFilter(QObject* watched, QEvent* e)
{
    if (ended_)
        return false;
    Control* c = controls_.value(watched);
    if (!c)
        return false;
    auto* w = static_cast<QWidget*>(watched);
    switch (e->type()) {
    case QEvent::KeyPress: return keyPress(*c, w, static_cast<QKeyEvent*>(e));
    case QEvent::FocusIn: return focusIn(*c, w, static_cast<QFocusEvent*>(e));
    case QEvent::FocusOut: focusOut(*c, static_cast<QFocusEvent*>(e)); return false;
    case QEvent::MouseButtonDblClick: return doubleClick(*c, w, static_cast<QMouseEvent*>(e));
    default: return false;
    }
}

bool FrmPadrao::keyPress(Control& c, QWidget* w, QKeyEvent* k)
{
    // Keys that a control let go on to its panel are not keys of the panel; Tab and Shift+Tab
    // move the focus before any handler sees them.
    if (k == resent_ || w != QApplication::focusWidget())
        return false;
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
        return false;
    if (program_.form.keyPreview)
        if (const int16_t code = virtualKeyCode(*k))
            handle([&] { Form_KeyDown(program_, code, shiftState(*k)); });
    // A button does nothing with the arrows (Qt would move the focus to the next button itself).
    if (qobject_cast<QPushButton*>(w) && (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down ||
                                          k->key() == Qt::Key_Left || k->key() == Qt::Key_Right))
        return true;
    const int16_t typed = characterCode(*k);
    if (typed == 0)
        return false;
    int16_t key = typed;
    handle([&] { controlKeyPress(program_, events_, c, key); });
    if (key == typed)
        return false;
    if (key == 0)
        return true;
    QKeyEvent replaced(k->type(), k->key(), k->modifiers() & ~Qt::ControlModifier, characterText(key),
                       k->isAutoRepeat(), k->count());
    resent_ = &replaced;
    QCoreApplication::sendEvent(w, &replaced);
    resent_ = nullptr;
    return true;
}

bool FrmPadrao::focusIn(Control& c, QWidget* w, QFocusEvent* e)
{
    if (current_ == &c)
        return false;  // back from a message box or from a list's drop-down
    // The widget's own focus handling first; the field then shows the model's selection (the
    // caret where it was), and got-focus may set another.
    static_cast<QObject*>(w)->event(e);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const auto* box = static_cast<const TextBox*>(&c);
        applySelection(edit, box->selStart, box->selLength);
    }
    if (current_)
        handle([this, previous = current_] { controlLostFocus(program_, events_, *previous); });
    current_ = &c;
    handle([&] { controlGotFocus(program_, events_, c); });
    return true;
}

void FrmPadrao::focusOut(Control& c, QFocusEvent* e)
{
    // Another window taking the focus for a while, or a list opening its drop-down, moves no
    // focus between the window's controls.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason)
        return;
    // An open drop-down then gives the keyboard to its item view, which Qt reports as one more
    // focus-out of the list with another reason: the list still has the focus for the operator.
    if (QApplication::activePopupWidget())
        return;
    if (current_ != &c)
        return;
    current_ = nullptr;
    handle([&] { controlLostFocus(program_, events_, c); });
}

bool FrmPadrao::doubleClick(Control& c, QWidget* w, QMouseEvent* e)
{
    MainForm& f = program_.form;
    if (&c == &f.Frame4) {
        // Only the panel itself: a caption inside it has a double-click of its own.
        if (!w->childAt(e->position().toPoint()))
            handle([&] { Frame4_DblClick(f); });
    } else if (&c == &f.txtgrade1 || &c == &f.txtgrade2 || &c == &f.txttotgrade) {
        handle([&] { txtgrade_DblClick(static_cast<TextBox&>(c)); });
    }
    return false;
}

void FrmPadrao::click(CommandButton& c)
{
    MainForm& f = program_.form;
    auto run = [this](const MainWindowEvents::Handler& hook) {
        if (hook)
            handle([&] { hook(program_); });
    };
    if (&c == &f.cmd_sair) {
        MainWindowEvents exit = events_;
        exit.endProgram = [this, end = events_.endProgram] {
            ended_ = true;
            if (end)
                end();
            else
                QCoreApplication::exit(0);
        };
        handle([&] { cmd_sair_Click(program_, exit); });
    } else if (&c == &f.cmd_printacessorio) {
        run(events_.cmd_printacessorio_Click);
    } else if (&c == &f.cmd_calibra) {
        run(events_.cmd_calibra_Click);
    } else if (&c == &f.cmd_parametro) {
        run(events_.cmd_parametro_Click);
    }
}

void FrmPadrao::closeEvent(QCloseEvent* e)
{
    handle([this] { Form_Unload(program_, events_); });
    e->accept();
}

void FrmPadrao::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (refreshing_ || ended_ || isMinimized())
        return;
    MainForm& f = program_.form;
    if (e->size() == QSize(px(f.width), px(f.height)))
        return;
    handle([&] {
        f.width = e->size().width() * kTwipsPerPixel;
        f.height = e->size().height() * kTwipsPerPixel;
        Form_Resize(f);
    });
}
