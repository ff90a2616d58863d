#include "alternative/helpers/oldsettings.h"
#include "tests/alternative/alternativefixture.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kNenhum = QStringLiteral("Nenhum valor lido");

class OlderSettings : public AlternativeTest {
protected:
    QString qmxPath() const { return t.files.drivesFolder() + QStringLiteral("/c/qmx.ini"); }
    QByteArray qmx() const
    {
        QFile f(qmxPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(OlderSettings, CarregaIniReadsTorvikIni)
{
    const QString v127(127, u'x');
    file(QStringLiteral("torvik.ini"),
         {QStringLiteral("[Usuario]"), QStringLiteral("Nome = Ana Souza "), QStringLiteral("Vazio="),
          QStringLiteral("V127=") + v127, QStringLiteral("V128=") + v127 + u'y', QStringLiteral("V300=") + QString(300, u'z'),
          QStringLiteral("[Outra]"), QStringLiteral("Chave=1")});
    struct Case {
        QString titulo, campo, valor;
    };
    const Case cases[] = {
        {"Usuario", "Nome", "Ana Souza"},
        {"usuario", "NOME", "Ana Souza"},
        {"Usuario", "Vazio", ""},
        {"Usuario", "V127", v127},
        {"Usuario", "V128", v127},
        {"Usuario", "V300", QString(127, u'z')},
        {"Usuario", "Falta", kNenhum},
        {"Falta", "Nome", kNenhum},
        {"Outra", "Nome", kNenhum},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Carrega_ini(p, c.titulo, c.campo), c.valor) << (c.titulo + u'/' + c.campo).toStdString();
}

TEST_F(OlderSettings, CarregaIniWithoutItsFile)
{
    EXPECT_EQ(Carrega_ini(p, QStringLiteral("Usuario"), QStringLiteral("Nome")), kNenhum);
    EXPECT_FALSE(t.exists(QStringLiteral("torvik.ini")));
}

TEST_F(OlderSettings, GravaNomeUsuarioWritesQmxIniOnly)
{
    EXPECT_EQ(GravaNomeUsuario_ini(p, QStringLiteral("Usuario"), QStringLiteral("Nome"), QStringLiteral("Bia")), "");
    EXPECT_EQ(qmx(), "[Usuario]\r\nNome=Bia\r\n");
    EXPECT_EQ(GravaNomeUsuario_ini(p, QStringLiteral("Usuario"), QStringLiteral("Nome"), QStringLiteral("Caio")), "");
    EXPECT_EQ(qmx(), "[Usuario]\r\nNome=Caio\r\n");

    // What was written there is never read back by Carrega_ini.
    EXPECT_FALSE(t.exists(QStringLiteral("torvik.ini")));
    EXPECT_EQ(Carrega_ini(p, QStringLiteral("Usuario"), QStringLiteral("Nome")), kNenhum);
    file(QStringLiteral("torvik.ini"), {QStringLiteral("[Usuario]"), QStringLiteral("Outro=1")});
    EXPECT_EQ(Carrega_ini(p, QStringLiteral("Usuario"), QStringLiteral("Nome")), kNenhum);
}

TEST_F(OlderSettings, FailedWriteIsSilent)
{
    // A file where the drive's folder would be: nothing can be written there.
    t.write(QStringLiteral("unidades/c"), QStringLiteral("x"));
    EXPECT_EQ(GravaNomeUsuario_ini(p, QStringLiteral("Usuario"), QStringLiteral("Nome"), QStringLiteral("Bia")), "");
    EXPECT_TRUE(QFileInfo(t.path(QStringLiteral("unidades/c"))).isFile());
    EXPECT_TRUE(t.messages.shown().empty());
}

}  // namespace
