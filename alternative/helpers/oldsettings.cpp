#include "alternative/helpers/oldsettings.h"

#include "alternative/helpers/driveroot.h"
#include "platform/vb.h"

namespace {

const QString kQmx = QStringLiteral("C:\\qmx.ini");
constexpr int kBuffer = 128;

}  // namespace

QString Carrega_ini(Program& p, const QString& Titulo, const QString& Campo)
{
    const QString path = p.ws.files.programFolder() + QStringLiteral("\\torvik.ini");
    const ProfileFile::Read r = p.ws.profile.read(path, Titulo, Campo, QStringLiteral("Nenhum valor lido"), kBuffer);
    return vb::Left(r.text, r.count);
}

QString GravaNomeUsuario_ini(Program& p, const QString& Titulo, const QString& Campo, const QString& Valor)
{
    makeDriveRoot(p.ws.files, kQmx);
    // This older helper answers "" and says nothing whatever the write did; no caller is left.
    (void)p.ws.profile.write(kQmx, Titulo, Campo, Valor);
    return {};
}
