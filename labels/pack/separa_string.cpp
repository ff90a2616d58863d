#include "labels/pack/separa_string.h"

#include "platform/vb.h"

QString SEPARA_STRING(const QString& linha)
{
    const int limite = vb::Len(linha) / 2 + 1;
    QString linha1, linha2;
    // Cut at every single blank, so two blanks in a row give an empty word.
    for (const QString& palavra : vb::Split(linha, QStringLiteral(" "))) {
        // The lengths add up; joining them to compare would copy line 1 for every word.
        if (vb::Len(linha1) + vb::Len(palavra) < limite)
            linha1 += palavra + u' ';
        else
            linha2 += palavra + u' ';
    }
    return vb::Trim(linha1) + u'|' + vb::Trim(linha2);
}
