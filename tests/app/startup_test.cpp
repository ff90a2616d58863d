// Start-up over the model, without widgets.
#include "app/startup.h"
#include "platform/errors.h"
#include "settings/printers.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <QImage>
#include "tests/app/qtprint.h"

#include <gtest/gtest.h>

namespace {

const QStringList kAllFonts{kLabelFonts.begin(), kLabelFonts.end()};

// A JPEG of its own, in the program folder.
void writeJpeg(const TestWorkstation& t, const QString& name)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    ASSERT_TRUE(image.save(t.path(name), "JPG"));
}

void giveFonts(TestWorkstation& t)
{
    for (int i = 0; i < t.printers.count(); ++i)
        t.printers.printer(i).setFonts(kAllFonts);
}

QString iniText(const TestWorkstation& t) { return QString::fromLatin1(t.readBytes(QStringLiteral("Pendrova.ini"))); }

}  // namespace

TEST(StartupTest, FirstStartInAnEmptyFolderWritesTheDefaultsAndReadsThemBack)
{
    TestWorkstation t;
    giveFonts(t);
    t.write(QStringLiteral("IMPRIMIR.BAT"), QStringLiteral("echo"));
    Form_Load(t.program);

    EXPECT_TRUE(t.exists(QStringLiteral("Pendrova.ini")));
    EXPECT_FALSE(t.exists(QStringLiteral("IMPRIMIR.BAT")));
    const QString expected = QStringLiteral(
                                 "[Impressora]\r\nLinguagem=ZPL\r\nPorta=Paralela\r\nPortaSerial=Com1\r\n"
                                 "ConfiguracaoPortaSerial=9800,N,8,1\r\nPortaParalela=LPT1\r\nPortaParalelaUSB=LPT1\r\n"
                                 "NomeCompartilhamento=Zebra\r\nPath=%1\r\nTipoOculta=3\r\n"
                                 "[MargemOcultaZebra]\r\nMargem_oculta1=0\r\nMargem_oculta11=40\r\nMargem_oculta2=2,2\r\n"
                                 "Mx4045_1=0\r\nMx4045_2=40\r\nMx4045=2,2\r\nPackX=2,2\r\nPackY=2,1\r\n")
                                 .arg(t.folder());
    EXPECT_EQ(iniText(t), expected);

    const MainForm& f = t.form;
    EXPECT_EQ(f.txtcliente.text, QString());
    EXPECT_EQ(f.txtlote.text, QString());
    EXPECT_EQ(f.txtarquivo.text, QString());  // the design text "1400050831" is replaced
    EXPECT_EQ(f.lbloculta.caption, QStringLiteral("3"));
    EXPECT_EQ(f.lblcompartilhamento.caption, QStringLiteral("Zebra"));
    EXPECT_EQ(f.lblpath.caption, t.folder());
    EXPECT_EQ(f.lbljava.caption, QString());
    EXPECT_FLOAT_EQ(t.g.fator_correcao, 1.1f);
    EXPECT_EQ(f.arquivo_ini, t.folder() + QStringLiteral("/Pendrova.ini"));
    EXPECT_TRUE(QDir(t.path(QStringLiteral("imagens"))).exists());
    EXPECT_TRUE(QDir(t.path(QStringLiteral("tmp"))).exists());
    // The holders start-up does not touch keep their design contents.
    EXPECT_EQ(f.lbllinguagem.caption, QStringLiteral("Label17"));
    EXPECT_EQ(f.LBLPORTAPARELELA.caption, QStringLiteral("LPT1"));
    EXPECT_EQ(f.frentecaixa.caption, QStringLiteral("40_45_2"));
    EXPECT_EQ(f.lblpacknovo.caption, QStringLiteral("F"));
}

TEST(StartupTest, TheWindowComesUpAsDesigned)
{
    TestWorkstation t;
    giveFonts(t);
    writeJpeg(t, QStringLiteral("mervalk.jpg"));
    writeJpeg(t, QStringLiteral("orvenna.jpg"));
    t.form.tem_imagem = true;
    t.g.fator_correcao = 3;
    Form_Load(t.program);

    const MainForm& f = t.form;
    EXPECT_TRUE(t.messages.shown().empty());
    EXPECT_FALSE(f.Label9.visible);
    EXPECT_FALSE(f.txtpromocao.visible);
    EXPECT_FALSE(f.tem_imagem);
    EXPECT_EQ(f.cmbtipo.items, (QStringList{QStringLiteral("Frente de Caixa"), QStringLiteral("Corrugado"),
                                            QStringLiteral("Acessório"), QStringLiteral("Oculta")}));
    EXPECT_EQ(f.cmbtipo.listIndex, 0);
    EXPECT_EQ(f.cmbtipo.text, QStringLiteral("Frente de Caixa"));
    EXPECT_EQ(f.Frame3.left, f.Frame1.left);
    EXPECT_EQ(f.Frame3.top, f.Frame1.top);
    EXPECT_EQ(f.width, 11250);
    EXPECT_EQ(f.height, 10065);
    for (int k = 0; k < MainForm::kSizeCells; ++k) {
        EXPECT_FALSE(f.Label7[k].visible);
        EXPECT_TRUE(f.Label7[k].caption.isEmpty());
        EXPECT_FALSE(f.txtnumero[k].visible);
    }
    EXPECT_EQ(f.cmb_referencia.listCount(), 0);
    EXPECT_EQ(f.caption, QStringLiteral("Etiquetas Orvenna [Versão: 2021.1.147]"));
    EXPECT_EQ(t.g.fonte_etiqueta, QStringLiteral("Estrangelo Edessa"));
    EXPECT_FLOAT_EQ(t.g.fator_correcao, 1.1f);
    EXPECT_TRUE(t.g.tem_logo1);
    EXPECT_TRUE(t.g.tem_logo2);
    EXPECT_EQ(f.pctlogo1.picture.image.size(), QSize(40, 30));
    EXPECT_FALSE(f.pctlogo2.picture.isNull());
}

TEST(StartupTest, LogoMessages)
{
    struct {
        const char* present;  // logo files written before start-up
        const char* message;  // nullptr: no message
        bool logo1, logo2;
    } rows[] = {
        {"", "O(s) arquivo(s): \n MervalK.jpg\n Orvenna.jpg\nNão foi(ram) localizado(s)!", false, false},
        {"mervalk.jpg", "O(s) arquivo(s): \n Orvenna.jpg\nNão foi(ram) localizado(s)!", true, false},
        {"orvenna.jpg", "O(s) arquivo(s): \n MervalK.jpg\nNão foi(ram) localizado(s)!", false, true},
        {"mervalk.jpg orvenna.jpg", nullptr, true, true},
        {"MERVALK.JPG Orvenna.Jpg", nullptr, true, true},  // names are found whatever their letter case
    };
    for (const auto& r : rows) {
        TestWorkstation t;
        giveFonts(t);
        for (const QString& name : QString::fromLatin1(r.present).split(u' ', Qt::SkipEmptyParts))
            writeJpeg(t, name);
        Form_Load(t.program);
        if (r.message) {
            ASSERT_EQ(t.messages.shown().size(), 1u) << r.present;
            EXPECT_EQ(t.messages.shown()[0].text, QString::fromUtf8(r.message)) << r.present;
            EXPECT_EQ(t.messages.shown()[0].style, mb::Critical);
            EXPECT_TRUE(t.messages.shown()[0].title.isEmpty());  // the program's own title
        } else {
            EXPECT_TRUE(t.messages.shown().empty()) << r.present;
        }
        EXPECT_EQ(t.g.tem_logo1, r.logo1) << r.present;
        EXPECT_EQ(t.g.tem_logo2, r.logo2) << r.present;
    }
}

TEST(StartupTest, ALogoThatDoesNotLoadCountsAsMissing)
{
    TestWorkstation t;
    giveFonts(t);
    t.write(QStringLiteral("mervalk.jpg"), QStringLiteral("not a picture"));
    writeJpeg(t, QStringLiteral("orvenna.jpg"));
    Form_Load(t.program);
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("O(s) arquivo(s): \n MervalK.jpg\nNão foi(ram) localizado(s)!")});
    EXPECT_FALSE(t.g.tem_logo1);
    EXPECT_TRUE(t.form.pctlogo1.picture.isNull());
    EXPECT_TRUE(t.g.tem_logo2);
}

TEST(StartupTest, ThreePrintersTheSecondTheDefault)
{
    TestWorkstation t({QStringLiteral("Zebra ZT230"), QStringLiteral("Argox OS-214"), QStringLiteral("PDF")}, 1);
    giveFonts(t);
    Form_Load(t.program);
    EXPECT_EQ(t.form.CMBPRINTER.items,
              (QStringList{QStringLiteral("Zebra ZT230"), QStringLiteral("Argox OS-214"), QStringLiteral("PDF")}));
    EXPECT_EQ(t.form.CMBPRINTER.listIndex, 1);
    EXPECT_EQ(t.form.CMBPRINTER.text, QStringLiteral("Argox OS-214"));
    EXPECT_EQ(t.form.lblprinterdefault.caption, QStringLiteral("Argox OS-214"));
}

TEST(StartupTest, NoPrinterLeavesTheListEmptyAndReportsNoFonts)
{
    TestWorkstation t(QStringList{}, 0);
    writeJpeg(t, QStringLiteral("mervalk.jpg"));
    writeJpeg(t, QStringLiteral("orvenna.jpg"));
    Form_Load(t.program);
    EXPECT_EQ(t.form.CMBPRINTER.listCount(), 0);
    EXPECT_EQ(t.form.CMBPRINTER.listIndex, -1);
    EXPECT_EQ(t.form.lblprinterdefault.caption, QString());
    EXPECT_TRUE(t.messages.shown().empty());
    EXPECT_EQ(t.g.fonte_etiqueta, QStringLiteral("Estrangelo Edessa"));  // the steps after it still ran
}

namespace {

// A printing system whose current printer cannot tell its name.
class NamelessCurrent : public RecordingPrinterSystem {
public:
    using RecordingPrinterSystem::RecordingPrinterSystem;
    Printer& current() override { vberr::raise(vberr::PrinterError, QStringLiteral("Printer")); }
};

}  // namespace

TEST(StartupTest, ACurrentPrinterWithoutANameSelectsTheLastOfTheList)
{
    TestWorkstation t;
    NamelessCurrent printers({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, 0);
    Workstation ws{t.files, t.profile, printers, t.messages, t.screen};
    Program p{ws, t.form, t.g};
    Form_Load(p);
    EXPECT_EQ(t.form.CMBPRINTER.listCount(), 3);
    EXPECT_EQ(t.form.CMBPRINTER.text, QStringLiteral("C"));
    EXPECT_EQ(t.form.lblprinterdefault.caption, QStringLiteral("C"));
}

TEST(StartupTest, TheFontCheckNamesWhatThePrinterLacks)
{
    TestWorkstation t;
    writeJpeg(t, QStringLiteral("mervalk.jpg"));
    writeJpeg(t, QStringLiteral("orvenna.jpg"));
    t.printers.printer(0).setFonts({QStringLiteral("Estrangelo Edessa"), QStringLiteral("Franklin Gothic Medium")});
    Form_Load(t.program);
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("Atenção: Instale as seguintes fontes: Calibri,Malgun Gothic Semilight,")});
    EXPECT_EQ(t.screen.pointer(), Screen::Pointer::Default);
}

TEST(StartupTest, SavedSettingsReachTheFieldsAndHolders)
{
    struct {
        const char* tipoOculta;
        const char* correcao;
        const char* lbloculta;
        float factor;
    } rows[] = {
        {"7", "1,25", "7", 1.25f},
        {"", "", "3", 1.1f},
        {"   ", "abc", "3", 1.1f},
        {"8", "2", "8", 2.0f},
    };
    for (const auto& r : rows) {
        TestWorkstation t;
        giveFonts(t);
        const QString text = QStringLiteral(
                                 "[Config]\r\nReferencia=LOJA CENTRO\r\narquivo=1400050831\r\nLote=2\r\nTipo=Oculta\r\n"
                                 "[Impressora]\r\nNomeCompartilhamento=ZebraLoja\r\nPath=/pedidos\r\nJava=/usr/bin\r\n"
                                 "TipoOculta=%1\r\nCorrecao=%2\r\n")
                                 .arg(QString::fromLatin1(r.tipoOculta), QString::fromLatin1(r.correcao));
        t.write(QStringLiteral("Pendrova.ini"), text);
        Form_Load(t.program);
        EXPECT_EQ(iniText(t), text) << "no defaults over a saved file";
        EXPECT_EQ(t.form.txtcliente.text, QStringLiteral("LOJA CENTRO"));
        EXPECT_EQ(t.form.txtarquivo.text, QStringLiteral("1400050831"));
        EXPECT_EQ(t.form.txtlote.text, QStringLiteral("2"));
        EXPECT_EQ(t.form.lblcompartilhamento.caption, QStringLiteral("ZebraLoja"));
        EXPECT_EQ(t.form.lblpath.caption, QStringLiteral("/pedidos"));
        EXPECT_EQ(t.form.lbljava.caption, QStringLiteral("/usr/bin"));
        EXPECT_EQ(t.form.lbloculta.caption, QString::fromLatin1(r.lbloculta)) << r.tipoOculta;
        EXPECT_FLOAT_EQ(t.g.fator_correcao, r.factor) << r.correcao;
        EXPECT_EQ(t.form.cmbtipo.text, QStringLiteral("Frente de Caixa"));  // whatever "Tipo" was saved
    }
}

TEST(StartupTest, ASettingsFileInOtherLetterCaseIsFoundAndKept)
{
    TestWorkstation t;
    giveFonts(t);
    const QString text = QStringLiteral("[Config]\r\nReferencia=X\r\n");
    t.write(QStringLiteral("PENDROVA.INI"), text);
    Form_Load(t.program);
    EXPECT_FALSE(QFileInfo::exists(t.path(QStringLiteral("Pendrova.ini"))));
    EXPECT_EQ(QString::fromLatin1(t.readBytes(QStringLiteral("PENDROVA.INI"))), text);
    EXPECT_EQ(t.form.txtcliente.text, QStringLiteral("X"));
    // Keys the file lacks read as empty; "TipoOculta" then gives "3".
    EXPECT_EQ(t.form.lbloculta.caption, QStringLiteral("3"));
    EXPECT_EQ(t.form.lblpath.caption, QString());
    EXPECT_EQ(t.form.lblcompartilhamento.caption, QString());
}
