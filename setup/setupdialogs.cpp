#include "setup/setupdialogs.h"

#include "platform/vb.h"
#include "setup/frmmargenscxzpl45.h"
#include "setup/frmmargensocultazpl2.h"
#include "setup/frmmargenspackzpl.h"

namespace {

// A dialog that was closed waits for its deletion; until then it still answers, but is no
// longer the open one.
template <class View>
bool isShowing(const QPointer<View>& view)
{
    return view && view->isVisible();
}

}  // namespace

SetupDialogs::SetupDialogs(Program& p, QWidget* parent) : p_(p), parent_(parent) {}

SetupDialogs::~SetupDialogs()
{
    delete oculta_.data();
    delete caixa_.data();
    delete pack_.data();
    delete parametros_.data();
}

QPointer<MarginDialogView>* SetupDialogs::slot(const QString& name)
{
    if (name == kOculta)
        return &oculta_;
    if (name == kCaixa)
        return &caixa_;
    if (name == kPack)
        return &pack_;
    return nullptr;
}

void SetupDialogs::openMargin(const QString& name)
{
    QPointer<MarginDialogView>* view = slot(name);
    if (!view)
        return;
    if (isShowing(*view)) {
        // Already open: brought forward with what its boxes hold.
        (*view)->raise();
        (*view)->activateWindow();
        return;
    }
    std::unique_ptr<MarginDialog> model;
    if (name == kOculta)
        model = std::make_unique<FrmMargensOcultaZPL2>(p_);
    else if (name == kCaixa)
        model = std::make_unique<FrmMargensCxZPL45>(p_);
    else
        model = std::make_unique<FrmMargensPackZPL>(p_);
    *view = new MarginDialogView(std::move(model), parent_.data());
    (*view)->setBeforeCommand([this] { leaveMainField(); });
    (*view)->setAfterCommand([this, dialog = view->data()] {
        if (afterMarginCommand_)
            afterMarginCommand_(dialog->parentWidget());
    });
    (*view)->setObjectName(name);
    (*view)->open();
}

void SetupDialogs::closeMargin(const QString& name)
{
    QPointer<MarginDialogView>* view = slot(name);
    if (view && isShowing(*view))
        (*view)->close();
}

std::function<void(Program&, const QString&)> SetupDialogs::closer()
{
    return [this](Program&, const QString& name) { closeMargin(name); };
}

void SetupDialogs::openParametros()
{
    if (isShowing(parametros_)) {
        parametros_->raise();
        parametros_->activateWindow();
        return;
    }
    parametros_ = new FrmParametroImpressoraView(p_);
    parametros_->setBeforeCommand([this] { leaveMainField(); });
    parametros_->setObjectName(QStringLiteral("FrmParametroImpressora"));
    parametros_->open();
}

void SetupDialogs::leaveMainField()
{
    if (auto* window = dynamic_cast<EditingWindow*>(parent_.data()))
        window->leaveField();
}

MarginDialogView* SetupDialogs::margin(const QString& name) const
{
    QPointer<MarginDialogView>* view = const_cast<SetupDialogs*>(this)->slot(name);
    return view && isShowing(*view) ? view->data() : nullptr;
}

FrmParametroImpressoraView* SetupDialogs::parametros() const
{
    return isShowing(parametros_) ? parametros_.data() : nullptr;
}

void cmd_calibra_Click(Program& p, SetupDialogs& dialogs)
{
    const MainForm& f = p.form;
    if (vb::Trim(f.cmb_referencia1.text).isEmpty() && vb::Trim(f.cmb_referencia.text).isEmpty()) {
        p.ws.messages.show(QStringLiteral("Selecione um Pedido para realizar a Calibragem..."));
        return;
    }
    const QString& tipo = f.cmbtipo.text;
    if (tipo == QStringLiteral("Oculta") || tipo == QStringLiteral("Acessório"))
        dialogs.openMargin(SetupDialogs::kOculta);
    else if (tipo == QStringLiteral("Frente de Caixa"))
        dialogs.openMargin(SetupDialogs::kCaixa);
    else if (tipo == QStringLiteral("Corrugado"))
        dialogs.openMargin(SetupDialogs::kPack);
}

void cmd_parametro_Click(SetupDialogs& dialogs) { dialogs.openParametros(); }
