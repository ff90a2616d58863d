#include "app/windowcommands.h"

#include "platform/errors.h"
#include "settings/keys.h"
#include "settings/settings.h"

void cmd_sair_Click(Program& p, const MainWindowEvents& events)
{
    MainForm& f = p.form;
    const QString file = settingsPath(p.ws.files);
    auto write = [&](const char* key, const QString& value) {
        p.ws.profile.write(file, qs(ini::kConfig), QString::fromLatin1(key), value);
    };
    write("Referencia", f.txtcliente.text);
    write("arquivo", f.txtarquivo.text);
    write("Lote", f.txtlote.text);
    write("Intensidade", f.cmbintensidade.text);
    write("Velocidade", f.cmbvelocidade.text);
    write("Tipo", f.cmbtipo.text);
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
