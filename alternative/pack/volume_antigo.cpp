#include "alternative/pack/volume_antigo.h"

#include "platform/vb.h"

#include <cstdlib>

QString textoVolumeAntigo(int volume, const QString& lblmax, int fim)
{
    const int digitos = vb::Len(lblmax);
    if (digitos < 1 || digitos > 4)
        return vb::CStr(volume) + u'/' + vb::CStr(fim);
    const QString n = QString::number(std::abs(volume)).rightJustified(digitos, u'0');
    return (volume < 0 ? u'-' + n : n) + u'/' + lblmax;
}
