#include "setup/frmparametroimpressoraview.h"

#include "platform/errors.h"
#include "platform/units.h"
#include "setup/margindialogview.h"
#include "setup/taskbar.h"
#include "widgets/controlwidgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <type_traits>

namespace {

QRect pixels(const Control& c)
{
    return {c.left / kTwipsPerPixel, c.top / kTwipsPerPixel, c.width / kTwipsPerPixel, c.height / kTwipsPerPixel};
}

}  // namespace

FrmParametroImpressoraView::FrmParametroImpressoraView(Program& p, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      p_(p),
      model_(std::make_unique<FrmParametroImpressora>(p))
{
    FrmParametroImpressora& m = *model_;
    setAttribute(Qt::WA_DeleteOnClose);
    // A tool window, yet while it is open the program goes on when the main window is closed
    // (Qt lets only plain windows and dialogs keep it running).
    setAttribute(Qt::WA_QuitOnClose);
    setModal(false);
    setWindowTitle(m.caption);
    setFont(dialogFont());
    setFixedSize(FrmParametroImpressora::kWidth / kTwipsPerPixel, FrmParametroImpressora::kHeight / kTwipsPerPixel);

    QHash<QString, QWidget*> frames;
    auto containerOf = [&](const Control& c) -> QWidget* {
        return c.container.isEmpty() ? static_cast<QWidget*>(this) : frames.value(c.container, this);
    };
    auto common = [this](Control& c, QWidget* w) {
        w->setObjectName(c.name);
        w->setGeometry(pixels(c));
        widgets_.insert(&c, w);
        refresh_.push_back([&c, w] {
            w->setVisible(c.visible);
            w->setEnabled(c.enabled);
        });
    };

    const std::pair<CommandButton*, void (FrmParametroImpressora::*)()> buttons[] = {
        {&m.CMD_GETPATH, &FrmParametroImpressora::CMD_GETPATH_Click},
        {&m.cmdjava, &FrmParametroImpressora::cmdjava_Click},
        {&m.cmd_grava, &FrmParametroImpressora::cmd_grava_Click},
        {&m.cmd_sair, &FrmParametroImpressora::cmd_sair_Click},
    };
    const std::tuple<OptionButton*, void (FrmParametroImpressora::*)(), void (FrmParametroImpressora::*)(),
                     void (FrmParametroImpressora::*)()>
        ports[] = {
            {&m.optParalela, &FrmParametroImpressora::optParalela_Click, &FrmParametroImpressora::optParalela_GotFocus,
             &FrmParametroImpressora::optParalela_LostFocus},
            {&m.optSerial, &FrmParametroImpressora::optSerial_Click, &FrmParametroImpressora::optSerial_GotFocus,
             &FrmParametroImpressora::optSerial_LostFocus},
            {&m.optUsb, &FrmParametroImpressora::optUsb_Click, &FrmParametroImpressora::optUsb_GotFocus,
             &FrmParametroImpressora::optUsb_LostFocus},
        };

    m.forEachControl([&](auto& c) {
        using T = std::decay_t<decltype(c)>;
        QWidget* parentWidget = containerOf(c);
        if constexpr (std::is_same_v<T, Frame>) {
            auto* w = new QGroupBox(c.caption, parentWidget);
            frames.insert(c.name, w);
            common(c, w);
        } else if constexpr (std::is_same_v<T, Label>) {
            auto* w = new QLabel(c.caption, parentWidget);
            w->setWordWrap(true);
            common(c, w);
        } else if constexpr (std::is_same_v<T, TipButton> || std::is_same_v<T, CommandButton>) {
            auto* w = new CommandPushButton(c.caption, parentWidget);
            w->setAutoDefault(false);
            if constexpr (std::is_same_v<T, TipButton>)
                w->setToolTip(c.toolTipText);
            common(c, w);
            for (auto [control, handler] : buttons)
                if (control == &c)
                    connect(w, &QPushButton::clicked, this, [this, handler = handler] {
                        // The save sets the main window's fields: it sees what the window shows.
                        if (handler == &FrmParametroImpressora::cmd_grava_Click && beforeCommand_) {
                            const QPointer<FrmParametroImpressoraView> self(this);
                            beforeCommand_();
                            if (!self || !model_->isOpen())
                                return;
                        }
                        run([this, handler] { (model_.get()->*handler)(); });
                    });
        } else if constexpr (std::is_same_v<T, TipTextBox> || std::is_same_v<T, TextBox>) {
            auto* w = new TextBoxEdit(parentWidget);
            w->setReadOnly(c.locked);
            common(c, w);
            connect(w, &QLineEdit::textEdited, this, [&c](const QString& text) { c.text = text; });
            refresh_.push_back([&c, w] {
                if (w->text() != c.text)
                    w->setText(c.text);
                if constexpr (std::is_same_v<T, TipTextBox>)
                    w->setToolTip(c.toolTipText);
            });
        } else if constexpr (std::is_same_v<T, OptionButton>) {
            auto* w = new QRadioButton(c.caption, parentWidget);
            common(c, w);
            OptionButton* option = &c;
            connect(w, &QRadioButton::clicked, this, [this, option] {
                run([this, option] { model_->select(*option); });
            });
            for (auto [control, click, got, lost] : ports)
                if (control == &c) {
                    connect(w, &QRadioButton::clicked, this, [this, click = click] { run([this, click] { (model_.get()->*click)(); }); });
                    focusHandlers_.insert(w, {got, lost});
                    w->installEventFilter(this);
                }
            refresh_.push_back([&c, w] {
                const QSignalBlocker block(w);
                w->setAutoExclusive(false);  // the model keeps each panel to one choice
                w->setChecked(c.value);
                w->setAutoExclusive(true);
            });
        } else if constexpr (std::is_same_v<T, ComboBox>) {
            auto* w = new QComboBox(parentWidget);
            w->setEditable(false);
            common(c, w);
            ComboBox* list = &c;
            connect(w, &QComboBox::activated, this, [this, list](int index) {
                run([list, index] { list->setListIndex(index); });
            });
            refresh_.push_back([&c, w] {
                const QSignalBlocker block(w);
                QStringList shown;
                for (int k = 0; k < w->count(); ++k)
                    shown << w->itemText(k);
                if (shown != c.items) {
                    w->clear();
                    w->addItems(c.items);
                }
                w->setCurrentIndex(c.listIndex);
            });
        }
    });

    std::vector<std::pair<int, QWidget*>> order;
    m.forEachControl([&](auto& c) {
        if (c.tabIndex >= 0)
            order.emplace_back(c.tabIndex, widgets_.value(&c));
    });
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].second, order[i].second);
}

FrmParametroImpressoraView::~FrmParametroImpressoraView() = default;

void FrmParametroImpressoraView::open()
{
    model_->hWnd = static_cast<FolderPicker::Owner>(winId());
    keepOffTaskBar(this);
    run([this] { model_->Form_Load(); });
    show();
    raise();
    activateWindow();
}

void FrmParametroImpressoraView::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Some platforms never activate a window (offscreen ones among them); showing counts as the
    // first activation, and the model reads the settings only once either way.
    run([this] { model_->Form_Activate(); });
}

void FrmParametroImpressoraView::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && model_->isOpen())
        run([this] { model_->Form_Activate(); });
}

bool FrmParametroImpressoraView::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) && model_->isOpen()) {
        const auto handlers = focusHandlers_.value(watched);
        auto handler = event->type() == QEvent::FocusIn ? handlers.first : handlers.second;
        if (handler)
            run([this, handler] { (model_.get()->*handler)(); });
    }
    return QDialog::eventFilter(watched, event);
}

void FrmParametroImpressoraView::run(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const ProgramError& e) {
        // A load or a folder button has no error handling of its own; the operator hears of it.
        p_.ws.messages.show(e.description(), mb::OKOnly | mb::Critical);
    }
    if (!model_->isOpen()) {
        close();
        return;
    }
    showModel();
}

void FrmParametroImpressoraView::showModel()
{
    for (const auto& refresh : refresh_)
        refresh();
}

// Escape closes nothing: only the save, "&Sair" and the close box close the dialog.
void FrmParametroImpressoraView::reject() {}

void FrmParametroImpressoraView::closeEvent(QCloseEvent* event)
{
    // The close box leaves like "&Sair": nothing is written.
    if (model_->isOpen())
        model_->cmd_sair_Click();
    event->accept();
}
