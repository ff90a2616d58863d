#include "rawprint/imprime_ocultanova.h"

#include "platform/errors.h"
#include "platform/vb.h"
#include "rawprint/envio.h"

QString troca_zpl(QString& m_string)
{
    m_string = vb::Replace(m_string, QStringLiteral("ç"), QStringLiteral("\\87"));
    m_string = vb::Replace(m_string, QStringLiteral("Ç"), QStringLiteral("\\80"));
    return m_string;
}

long long linhasDeOcultas(const QString& etiquetas)
{
    // Counted in 32 bits and halved as a whole number, so the largest counts still give whole rows.
    long long n = 0;
    if (!tryStep([&] { n = vb::CLng(etiquetas); }))
        return 0;
    if (n % 2 != 0)
        ++n;
    return n / 2;
}

QStringList linhasOcultaNova(const OcultaNova& item)
{
    QString q;
    tryStep([&] {
        const int pares = vb::CInt(item.pares);
        q = QString::number(2 * pares) + QStringLiteral(" | Imp. ") + vb::Trim(item.etiquetas);
    });
    const QString codigo = vb::Trim(item.codigo);
    return {
        QStringLiteral("^XA"),
        QStringLiteral("^MNY"),
        QStringLiteral("^LT0"),
        QStringLiteral("^LH0,0"),
        QStringLiteral("^FO20, 5^GB800,0,4,^FS"),
        QStringLiteral("^FO20, 15^A0N,20,15^FDFabrica: ") + item.fabrica + QStringLiteral("^FS"),
        QStringLiteral("^FO20, 40^A0N,25,25^FDPedido: ") + vb::Trim(item.pedido) + QStringLiteral("^FS"),
        QStringLiteral("^FO300, 40^A0N,25,25^FDCor: ") + vb::Trim(item.cor) + QStringLiteral("^FS"),
        QStringLiteral("^FO540, 40^A0N,25,25^FDQte: ") + q + QStringLiteral("^FS"),
        QStringLiteral("^FO20, 65^GB800,0,4,^FS"),
        QStringLiteral("^XZ"),
        QStringLiteral("^XA"),
        QStringLiteral("^MNY"),
        QStringLiteral("^LT0"),
        QStringLiteral("^PQ") + QString::number(linhasDeOcultas(item.etiquetas)) + QStringLiteral(",,1,Y"),
        QStringLiteral("^LH0,0"),
        QStringLiteral("^FO135, 20^A0N,55,45^FD") + codigo + QStringLiteral("^FS"),
        QStringLiteral("^FO535, 20^A0N,55,45^FD") + codigo + QStringLiteral("^FS"),
        QStringLiteral("^XZ"),
    };
}

void Imprime_OcultaNova(Program& p)
{
    const MainForm& f = p.form;
    // No control switches the header label off, so it is always printed.
    const OcultaNova item{f.txtcliente.text, f.txtarquivo.text, f.txtcor.text,
                          f.txtnumero[2].text, f.txtnumero[3].text, f.txtcodigo.text};
    sendRawJob(p, linhasOcultaNova(item), kOcultaNovaBatch);
}
