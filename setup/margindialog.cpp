#include "setup/margindialog.h"

#include "form/selection.h"
#include "platform/errors.h"
#include "platform/vb.h"
#include "settings/fields.h"
#include "settings/settings.h"

#include <cmath>
#include <limits>

MarginDialogLayout::Caption marginCaption(const char* name, const QString& caption, int left, int top, int width,
                                          int height, int index, bool centred)
{
    MarginDialogLayout::Caption c;
    c.label.name = QString::fromLatin1(name);
    c.label.caption = caption;
    c.label.move(left, top, width, height);
    c.index = index;
    c.centred = centred;
    return c;
}

void placeMarginButtons(MarginDialogLayout& layout, int top, const int (&lefts)[3], const int (&widths)[3],
                        int height, const int (&tabIndexes)[3])
{
    CommandButton* buttons[] = {&layout.cmd_gravar, &layout.cmd_teste, &layout.cmd_exit};
    const char* names[] = {"cmd_gravar", "cmd_teste", "cmd_exit"};
    const char* captions[] = {"&Gravar Margens", "&Impressão de Teste", "&Sair"};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->name = QString::fromLatin1(names[i]);
        buttons[i]->caption = QString::fromUtf8(captions[i]);
        buttons[i]->move(lefts[i], top, widths[i], height);
        buttons[i]->tabIndex = tabIndexes[i];
    }
}

MarginDialog::MarginDialog(Workstation& ws, MarginDialogLayout layout) : ws_(ws), layout_(std::move(layout)) {}

TextBox& MarginDialog::box(const QString& name, int index)
{
    for (MarginBox& b : layout_.boxes)
        if (b.box.name == name && b.index == index)
            return b.box;
    vberr::raise(vberr::InvalidPropertyIndex, name);
}

void MarginDialog::Form_Load()
{
    open_ = true;
    for (MarginBox& b : layout_.boxes)
        b.box.text.clear();
    const QString file = settingsPath(ws_.files);
    if (ws_.files.fileExists(file))
        for (MarginBox& b : layout_.boxes)
            b.box.text = le_ini(ws_.profile, file, layout_.section, b.key, QString());
    for (MarginBox& b : layout_.boxes)
        if (vb::Trim(b.box.text).isEmpty())
            b.box.text = b.loadStandard;
    loaded();
}

bool MarginDialog::boxesHoldNumbers()
{
    for (MarginBox& b : layout_.boxes) {
        if (b.named.isEmpty() || vb::Trim(b.box.text).isEmpty())
            continue;
        // The number rules of the margins themselves: decimal comma, "." only between thousands,
        // and a value a margin variable can hold.
        const auto mm = vb::parseNumber(b.box.text);
        if (mm && std::fabs(*mm) <= std::numeric_limits<float>::max())
            continue;
        tryStep([&] {
            ws_.messages.show(QStringLiteral("A margem ") + b.named + QStringLiteral(" não é um número: \"") +
                                  b.box.text +
                                  QStringLiteral("\".\nInforme a Margem em milímetros, com vírgula decimal "
                                                 "(por exemplo 2,5)."),
                              mb::Exclamation);
        });
        focusRequest = &b.box;
        return false;
    }
    return true;
}

void MarginDialog::cmd_gravar_Click()
{
    if (!boxesHoldNumbers())
        return;
    std::vector<ProfileFile::Change> changes;
    for (MarginBox& b : layout_.boxes) {
        if (vb::Trim(b.box.text).isEmpty())
            b.box.text = b.saveStandard;
        changes.push_back({layout_.section, b.key, b.box.text});
    }
    // A save that could not be written keeps the dialog open with what was typed, after its
    // message, so the operator may try again.
    if (saveSettings(ws_, changes))
        cmd_exit_Click();
}

void MarginDialog::cmd_exit_Click()
{
    open_ = false;
    for (MarginBox& b : layout_.boxes)
        b.box.text.clear();
}

void MarginDialog::GotFocus(int i)
{
    MarginBox& b = layout_.boxes.at(static_cast<size_t>(i));
    if (b.selectsOnFocus)
        seleciona_texto(b.box);
}

int16_t MarginDialog::KeyPress(int i, int16_t keyAscii)
{
    switch (layout_.boxes.at(static_cast<size_t>(i)).filter) {
    case KeyFilter::Inteiro:
        return so_inteiro(keyAscii);
    case KeyFilter::Decimal:
        return so_decimal(keyAscii);
    case KeyFilter::None:
        break;
    }
    return keyAscii;
}
