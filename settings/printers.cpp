#include "settings/printers.h"

#include "platform/errors.h"
#include "platform/vb.h"

bool define_impressora(PrinterSystem& printers, const QString& deviceName)
{
    if (!(printers.count() > 0))
        return false;
    for (int i = 0; i < printers.count(); ++i)
        if (printers.deviceName(i) == deviceName) {
            printers.makeCurrent(i);
            return true;
        }
    return false;
}

void verifica_fontes(Workstation& ws)
{
    std::array<bool, 4> found{};
    {
        Screen::Busy busy(ws.screen);
        int count = 0;
        // Without a readable font list every comparison fails to run, and a comparison that
        // cannot run lets its step go on: each flag then counts as found.
        if (!tryStep([&] { count = ws.printers.current().fontCount(); }))
            found.fill(true);
        for (int i = 0; i < count; ++i) {
            QString name;
            const bool read = tryStep([&] { name = vb::UCase(vb::Trim(ws.printers.current().fontAt(i))); });
            for (int j = 0; j < 4; ++j)
                if (!found[j] && (!read || vb::UCase(vb::Trim(kLabelFonts[j])) == name))
                    found[j] = true;
        }
    }
    QString missing;
    for (int j = 0; j < 4; ++j)
        if (!found[j])
            missing += kLabelFonts[j] + u',';
    if (!vb::Trim(missing).isEmpty())
        ws.messages.show(QStringLiteral("Atenção: Instale as seguintes fontes: ") + missing, mb::OKOnly);
}
