#include "app/windowcommands.h"

#include "platform/errors.h"
#include "settings/keys.h"
#include "settings/settings.h"

void cmd_sair_Click(Program& p, const MainWindowEvents& events)
{
    MainForm& f = p.form;
    const QString config = qs(ini::kConfig);
    auto key = [&](const char* name, const QString& value) {
        return ProfileFile::Change{config, QString::fromLatin1(name), value};
    };
    // One rewrite: a disk that cannot take it is told once and leaves the file as it was. The
    // program ends either way, as the operator asked.
    saveSettings(p.ws, {key("Referencia", f.txtcliente.text), key("arquivo", f.txtarquivo.text),
                        key("Lote", f.txtlote.text), key("Intensidade", f.cmbintensidade.text),
                        key("Velocidade", f.cmbvelocidade.text), key("Tipo", f.cmbtipo.text)});
    if (events.endProgram)
        events.endProgram();
}

void Form_Unload(Program& p, const MainWindowEvents& events)
{
    if (!events.closeDialog)
        return;
    for (const QString& dialog : kMarginDialogs)
        tryStep([&] { events.closeDialog(p, dialog); });
}

void Form_Resize(MainForm& form)
{
    form.height = MainForm::kHeight;
    form.width = MainForm::kWidth;
}

void Frame4_DblClick(MainForm& form) { form.Frame2.visible = !form.Frame2.visible; }

void txtgrade_DblClick(TextBox& field) { field.locked = !field.locked; }
