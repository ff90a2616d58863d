// The printer-parameters dialog: what it shows from the settings file, what its save writes and
// sets in the main window, and the folder buttons.
#include "platform/folderpicker.h"
#include "settings/settings.h"
#include "setup/frmparametroimpressora.h"
#include "tests/common/smalldisk.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <map>

namespace {

#ifdef Q_OS_WIN
const QString kJavaFile = QStringLiteral("java.exe");
#else
const QString kJavaFile = QStringLiteral("java");
#endif

const QString kJavaBlank = QStringLiteral("O Local do Arquivo Java.exe não foi informado...");
const QString kPathInvalid = QStringLiteral("O Local Padrão de busca do Arquivo é Inválido...");
const QString kChoiceInvalid = QStringLiteral("O Local Selecionado é Inválido...");

const char* const kElevenKeys[] = {"Linguagem",           "Porta", "PortaSerial", "ConfiguracaoPortaSerial",
                                   "PortaParalela",       "PortaParalelaUSB",     "NomeCompartilhamento",
                                   "Path",                "Java",  "TipoOculta",  "TipoFrenteCaixa"};

// A program folder with an orders folder "pedidos", a Java folder "jre" holding the runtime and a
// folder "vazia" without it, and the dialog over it.
struct ParametroTest : ::testing::Test {
    TestWorkstation tw;
    ScriptedFolderPicker picker;
    FrmParametroImpressora dlg{tw.program};

    ParametroTest()
    {
        tw.ws.folderPicker = &picker;
        QDir().mkpath(tw.path(QStringLiteral("pedidos")));
        QDir().mkpath(tw.path(QStringLiteral("vazia")));
        tw.write(QStringLiteral("jre/") + kJavaFile, QStringLiteral("#!/bin/sh\n"));
    }
    QString pedidos() const { return tw.path(QStringLiteral("pedidos")); }
    QString jre() const { return tw.path(QStringLiteral("jre")); }

    void settings(const QString& impressora) const
    {
        tw.write(QStringLiteral("Pendrova.ini"), QStringLiteral("[Impressora]\r\n") + impressora);
    }
    void open()
    {
        dlg.Form_Load();
        dlg.Form_Activate();
    }
    QString saved(const char* key) const { return readSetting(tw.ws, "Impressora", key); }
    QString holder(const char* name) { return static_cast<Label*>(tw.form.find(QString::fromLatin1(name)))->caption; }
};

// Every row opens the dialog on its settings, saves unchanged and looks at what was written.
TEST_F(ParametroTest, SavingUnchangedWritesWhatTheLoadRulesChose)
{
    struct Case {
        const char* name;
        QString lines;  // "Impressora" lines; empty: the file a first start writes
        std::map<std::string, QString> written;
        std::map<std::string, QString> holders;
        QStringList messages;
    };
    const QString valid = QStringLiteral("Path=%1\r\nJava=%2\r\n").arg(pedidos(), jre());
    const QString folder = tw.folder();
    const Case cases[] = {
        {"first-start file: lists stay on their first item, Java blank",
         QString(),
         {{"Linguagem", "ZPL"},
          {"Porta", "Paralela"},
          {"PortaSerial", "Com1"},
          {"ConfiguracaoPortaSerial", "9800,N,8,1"},
          {"PortaParalela", "Lpt1"},
          {"PortaParalelaUSB", "Lpt1"},
          {"NomeCompartilhamento", "Zebra"},
          {"Path", folder},
          {"Java", ""},
          {"TipoOculta", "3"},
          {"TipoFrenteCaixa", "40_45_2"}},
         {{"lbljava", folder}, {"lblpath", folder}, {"LBLPORTAPARELELA", "Lpt1"}, {"lblporta", "PARALELA"}},
         {kJavaBlank}},
        {"port kind in other letter case is USB", valid + "Porta=paralela\r\n",
         {{"Porta", "USB"}}, {{"lblporta", "USB"}}, {}},
        {"no port kind is USB", valid, {{"Porta", "USB"}}, {{"lblporta", "USB"}}, {}},
        {"serial port", valid + "Porta=Serial\r\n", {{"Porta", "Serial"}}, {{"lblporta", "SERIAL"}}, {}},
        {"unknown hidden stock keeps the design one", valid + "TipoOculta=5\r\n",
         {{"TipoOculta", "2"}}, {{"lbloculta", "2"}}, {}},
        {"hidden stock 8", valid + "TipoOculta=8\r\n", {{"TipoOculta", "8"}}, {{"lbloculta", "8"}}, {}},
        {"language in lower case is ZPL", valid + "Linguagem=ppla\r\n",
         {{"Linguagem", "ZPL"}}, {{"lbllinguagem", "ZPL"}}, {}},
        {"language PPLA", valid + "Linguagem=PPLA\r\n", {{"Linguagem", "PPLA"}}, {{"lbllinguagem", "PPLA"}}, {}},
        {"box-front stock 45_40_2", valid + "TipoFrenteCaixa=45_40_2\r\n",
         {{"TipoFrenteCaixa", "45_40_2"}}, {{"frentecaixa", "45_40_2"}}, {}},
        {"list items found exactly",
         valid + "PortaSerial=Com4\r\nPortaParalela=Lpt3\r\nPortaParalelaUSB=Lpt5\r\n",
         {{"PortaSerial", "Com4"}, {"PortaParalela", "Lpt3"}, {"PortaParalelaUSB", "Lpt5"}},
         {{"LBLPORTAPARELELA", "Lpt3"}}, {}},
        {"list items in other letter case are not found", valid + "PortaSerial=COM4\r\nPortaParalela=lpt3\r\n",
         {{"PortaSerial", "Com1"}, {"PortaParalela", "Lpt1"}}, {}, {}},
        {"share name and serial settings as stored",
         valid + "NomeCompartilhamento=ZebraLoja\r\nConfiguracaoPortaSerial=19200,E,7,2\r\n",
         {{"NomeCompartilhamento", "ZebraLoja"}, {"ConfiguracaoPortaSerial", "19200,E,7,2"}},
         {{"lblcompartilhamento", "ZebraLoja"}}, {}},
        {"blank Java folder: told, saved empty, program folder in the window",
         QStringLiteral("Path=%1\r\nJava=\r\n").arg(pedidos()), {{"Java", ""}, {"Path", pedidos()}},
         {{"lbljava", folder}, {"lblpath", pedidos()}}, {kJavaBlank}},
        {"orders folder gone: the program folder, without a message",
         QStringLiteral("Path=%1\r\nJava=%2\r\n").arg(tw.path(QStringLiteral("sumiu")), jre()),
         {{"Path", folder}, {"Java", jre()}}, {{"lblpath", folder}, {"lbljava", jre()}}, {}},
        {"blank orders folder: told, saved empty, program folder in the window",
         QStringLiteral("Path=\r\nJava=%1\r\n").arg(jre()), {{"Path", ""}}, {{"lblpath", folder}}, {kPathInvalid}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Each row in this fixture's folder, so the folders above exist.
        QFile::remove(tw.path(QStringLiteral("Pendrova.ini")));
        if (c.lines.isEmpty())
            gera_ini_base(tw.ws);
        else
            settings(c.lines);
        tw.messages.clear();
        FrmParametroImpressora d(tw.program);
        d.Form_Load();
        d.Form_Activate();
        d.cmd_grava_Click();
        EXPECT_FALSE(d.isOpen());
        for (const auto& [key, value] : c.written)
            EXPECT_EQ(saved(key.c_str()), value) << key;
        for (const auto& [name, value] : c.holders)
            EXPECT_EQ(holder(name.c_str()), value) << name;
        EXPECT_EQ(tw.messages.texts(), c.messages);
    }
}

TEST_F(ParametroTest, LoadShowsTheStoredValuesAndOnePortPanel)
{
    settings(QStringLiteral("Path=%1\r\nJava=%2\r\nPorta=Serial\r\nPortaSerial=Com7\r\nTipoOculta=7\r\n")
                 .arg(pedidos(), jre()));
    open();
    EXPECT_EQ(dlg.TXTPATH.text, pedidos());
    EXPECT_EQ(dlg.TXTPATH.toolTipText, pedidos());
    EXPECT_EQ(dlg.txtjava.text, jre());
    EXPECT_TRUE(dlg.optSerial.value);
    EXPECT_FALSE(dlg.optParalela.value || dlg.optUsb.value);
    EXPECT_TRUE(dlg.FrameSerial.visible);
    EXPECT_FALSE(dlg.FrameParalela.visible || dlg.FrameUSB.visible);
    EXPECT_EQ(dlg.cmbserial.text, QStringLiteral("Com7"));
    EXPECT_TRUE(dlg.optoculta2.value);
    EXPECT_FALSE(dlg.optoculta4.value);
    // Hidden panels stay hidden whatever they hold.
    EXPECT_FALSE(dlg.Frame2.visible || dlg.Frame3.visible || dlg.Frame4.visible || dlg.Frame5.visible);
}

TEST_F(ParametroTest, SettingsAreReadOnlyAtTheFirstActivation)
{
    settings(QStringLiteral("Path=%1\r\n").arg(pedidos()));
    open();
    settings(QStringLiteral("Path=%1\r\n").arg(jre()));
    dlg.Form_Activate();
    EXPECT_EQ(dlg.TXTPATH.text, pedidos());
}

TEST_F(ParametroTest, WithoutASettingsFileTheDesignStateIsSaved)
{
    open();
    EXPECT_TRUE(dlg.optzpl.value && dlg.optParalela.value && dlg.optoculta4.value && dlg.optfrentecaixa1.value);
    EXPECT_EQ(dlg.txtserialconfiguracao.text, QStringLiteral("9800,N,8,1"));
    EXPECT_TRUE(dlg.TXTPATH.text.isEmpty() && dlg.txtjava.text.isEmpty());
    dlg.cmd_grava_Click();
    EXPECT_EQ(tw.messages.texts(), (QStringList{kPathInvalid, kJavaBlank}));
    EXPECT_EQ(saved("TipoOculta"), QStringLiteral("2"));
    EXPECT_EQ(saved("PortaParalela"), QStringLiteral("Lpt1"));
    EXPECT_EQ(saved("ConfiguracaoPortaSerial"), QStringLiteral("9800,N,8,1"));
}

TEST_F(ParametroTest, AJavaFolderWithoutTheRuntimeSavesNothing)
{
    const QString before = QStringLiteral("Path=%1\r\nJava=%2\r\nTipoOculta=3\r\n").arg(tw.path(QStringLiteral("sumiu")),
                                                                                          tw.path(QStringLiteral("vazia")));
    settings(before);
    tw.write(QStringLiteral("IMPRIMIR.BAT"), QStringLiteral("type epltemp.prn > LPT1\r\n"));
    tw.form.lbljava.caption = QStringLiteral("anterior");
    tw.form.lblpath.caption = QStringLiteral("anterior");
    const QByteArray file = tw.readBytes(QStringLiteral("Pendrova.ini"));
    open();
    dlg.cmd_grava_Click();

    ASSERT_EQ(tw.messages.shown().size(), 1u);
    EXPECT_EQ(tw.messages.shown()[0].text,
              QStringLiteral("A pasta ") + tw.path(QStringLiteral("vazia")) + QStringLiteral(", não foi localizado o arquivo Java.exe"));
    EXPECT_EQ(tw.messages.shown()[0].style, mb::OKOnly | mb::Critical);
    EXPECT_TRUE(dlg.isOpen());
    EXPECT_TRUE(dlg.txtjava.text.isEmpty());
    EXPECT_EQ(dlg.TXTPATH.text, tw.folder());  // the first check ran before the Java one
    EXPECT_EQ(tw.readBytes(QStringLiteral("Pendrova.ini")), file);
    EXPECT_EQ(tw.form.lbljava.caption, QStringLiteral("anterior"));
    EXPECT_EQ(tw.form.lblpath.caption, QStringLiteral("anterior"));
    EXPECT_TRUE(tw.exists(QStringLiteral("IMPRIMIR.BAT")));
}

TEST_F(ParametroTest, AValidSaveWritesElevenKeysSetsTheHoldersAndDropsTheBatchFile)
{
    settings(QStringLiteral("Path=%1\r\nJava=%2\r\nNomeCompartilhamento=Zebra\r\n").arg(pedidos(), jre()));
    tw.write(QStringLiteral("imprimir.bat"), QStringLiteral("type epltemp.prn > LPT1\r\n"));
    open();
    dlg.cmd_grava_Click();
    EXPECT_TRUE(tw.messages.shown().empty());
    for (const char* key : kElevenKeys)
        EXPECT_TRUE(tw.readBytes(QStringLiteral("Pendrova.ini")).contains(QByteArray(key) + '=')) << key;
    EXPECT_FALSE(tw.exists(QStringLiteral("imprimir.bat")));
    const std::pair<const char*, QString> holders[] = {
        {"lbllinguagem", "ZPL"}, {"lblporta", "USB"},       {"LBLPORTAPARELELA", "Lpt1"}, {"lblpath", pedidos()},
        {"lbljava", jre()},      {"lbloculta", "2"},        {"frentecaixa", "40_45_2"},   {"lblcompartilhamento", "Zebra"}};
    for (const auto& [name, value] : holders)
        EXPECT_EQ(holder(name), value) << name;
}

TEST_F(ParametroTest, LeavingWritesNothingEvenAfterAFolderWasChosen)
{
    settings(QStringLiteral("Path=%1\r\n").arg(pedidos()));
    const QByteArray file = tw.readBytes(QStringLiteral("Pendrova.ini"));
    tw.form.lblpath.caption = QStringLiteral("anterior");
    open();
    picker.answerNext(jre());
    dlg.CMD_GETPATH_Click();
    EXPECT_EQ(dlg.TXTPATH.text, jre());
    dlg.cmd_sair_Click();
    EXPECT_FALSE(dlg.isOpen());
    EXPECT_EQ(tw.readBytes(QStringLiteral("Pendrova.ini")), file);
    EXPECT_EQ(tw.form.lblpath.caption, QStringLiteral("anterior"));
}

TEST_F(ParametroTest, FolderButtons)
{
    struct Case {
        const char* name;
        bool java;        // the Java button, else the orders one
        QString answer;   // what the browser answers; empty: cancelled
        QString box;      // the box afterwards
        QStringList messages;
    };
    const Case cases[] = {
        {"orders folder chosen", false, pedidos(), pedidos(), {}},
        {"a file counts as a place too", false, tw.path(QStringLiteral("jre/")) + kJavaFile,
         tw.path(QStringLiteral("jre/")) + kJavaFile, {}},
        {"orders folder that does not exist", false, tw.path(QStringLiteral("sumiu")), QStringLiteral("anterior"),
         {kChoiceInvalid}},
        {"orders browser cancelled", false, QString(), QStringLiteral("anterior"), {}},
        // The Java button takes any folder; the runtime is looked for on save.
        {"Java folder without the runtime", true, tw.path(QStringLiteral("vazia")), tw.path(QStringLiteral("vazia")), {}},
        {"Java browser cancelled", true, QString(), QStringLiteral("anterior"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmParametroImpressora d(tw.program);
        d.Form_Load();
        TipTextBox& box = c.java ? d.txtjava : d.TXTPATH;
        box.text = box.toolTipText = QStringLiteral("anterior");
        tw.messages.clear();
        picker.answerNext(c.answer);
        c.java ? d.cmdjava_Click() : d.CMD_GETPATH_Click();
        EXPECT_EQ(box.text, c.box);
        EXPECT_EQ(box.toolTipText, c.box);
        EXPECT_EQ(tw.messages.texts(), c.messages);
        EXPECT_EQ(picker.titles().last(), c.java ? QStringLiteral("Selecione o Local do Arquivo Java.exe")
                                                 : QStringLiteral("Selecione o Local Padrão para Busca dos Arquivos"));
        EXPECT_EQ(picker.starts().last(), QStringLiteral("anterior")) << "the browser opens where the box points";
    }
}

TEST_F(ParametroTest, ACancelledBrowserKeepsTheSavedFolders)
{
    settings(QStringLiteral("Path=%1\r\nJava=%2\r\n").arg(pedidos(), jre()));
    open();
    picker.cancelNext();
    dlg.CMD_GETPATH_Click();
    picker.cancelNext();
    dlg.cmdjava_Click();
    dlg.cmd_grava_Click();
    EXPECT_TRUE(tw.messages.shown().empty());
    EXPECT_EQ(saved("Path"), pedidos());
    EXPECT_EQ(saved("Java"), jre());
}

TEST_F(ParametroTest, NoBrowserOnTheWorkstationIsACancel)
{
    tw.ws.folderPicker = nullptr;
    open();
    dlg.TXTPATH.text = pedidos();
    dlg.CMD_GETPATH_Click();
    EXPECT_EQ(dlg.TXTPATH.text, pedidos());
    EXPECT_TRUE(tw.messages.shown().empty());
}

TEST_F(ParametroTest, ThePortPanelFollowsTheSelectedOptionWhicheverRaisedTheEvent)
{
    open();
    struct Case {
        OptionButton* selected;
        void (FrmParametroImpressora::*event)();
        bool paralela, usb, serial;
    };
    const Case cases[] = {
        {&dlg.optUsb, &FrmParametroImpressora::optUsb_Click, false, true, false},
        {&dlg.optSerial, &FrmParametroImpressora::optParalela_LostFocus, false, false, true},
        {&dlg.optParalela, &FrmParametroImpressora::optSerial_GotFocus, true, false, false},
    };
    for (const Case& c : cases) {
        dlg.select(*c.selected);
        (dlg.*c.event)();
        EXPECT_EQ(dlg.FrameParalela.visible, c.paralela) << c.selected->name.toStdString();
        EXPECT_EQ(dlg.FrameUSB.visible, c.usb) << c.selected->name.toStdString();
        EXPECT_EQ(dlg.FrameSerial.visible, c.serial) << c.selected->name.toStdString();
    }
}

}  // namespace

// A folder whose name holds a line break would put lines of its own into the settings file (a
// second "[Impressora]" with its own "Java="): the save is refused, told, and writes nothing.
TEST_F(ParametroTest, AFolderNameWithALineBreakIsRefusedAndNothingIsWritten)
{
    const QString odd = tw.path(QStringLiteral("jre\n[Impressora]\nJava=/tmp"));
    tw.write(QStringLiteral("jre\n[Impressora]\nJava=/tmp/") + kJavaFile, QStringLiteral("#!/bin/sh\n"));
    settings(QStringLiteral("Path=%1\r\nJava=%2\r\n").arg(pedidos(), jre()));
    const QByteArray file = tw.readBytes(QStringLiteral("Pendrova.ini"));
    tw.form.lbljava.caption = QStringLiteral("anterior");
    open();
    picker.answerNext(odd);
    dlg.cmdjava_Click();
    ASSERT_EQ(dlg.txtjava.text, odd);
    dlg.cmd_grava_Click();
    EXPECT_EQ(tw.messages.texts(), QStringList{QStringLiteral("Não foi possível gravar o arquivo ") +
                                               tw.path(QStringLiteral("Pendrova.ini")) +
                                               QStringLiteral(": o valor de Java contém uma quebra de linha.")});
    EXPECT_EQ(tw.readBytes(QStringLiteral("Pendrova.ini")), file);
    EXPECT_TRUE(dlg.isOpen());
    EXPECT_EQ(tw.form.lbljava.caption, QStringLiteral("anterior"));
}

// The disk fills up under the settings file: the save leaves the file byte for byte, the
// window's holders and the batch file as they were, tells why once, and keeps the dialog open.
TEST(ParametroSaveTest, AFullDiskKeepsTheFileTheWindowAndTheDialog)
{
    TestWorkstation tw;
    SmallDisk disk(tw.folder(), tw.files, 64);
    ScriptedFolderPicker picker;
    tw.ws.folderPicker = &picker;
    QDir().mkpath(tw.path(QStringLiteral("pedidos")));
    tw.write(QStringLiteral("jre/") + kJavaFile, QStringLiteral("#!/bin/sh\n"));
    tw.write(QStringLiteral("Pendrova.ini"),
             QStringLiteral("[Config]\r\narquivo=1400050831\r\n[Impressora]\r\nLinguagem=ZPL\r\nPath=%1\r\nJava=%2\r\n"
                            "[MargemOcultaZebra]\r\nPackX=2,2\r\n")
                 .arg(tw.path(QStringLiteral("pedidos")), tw.path(QStringLiteral("jre"))));
    tw.write(QStringLiteral("IMPRIMIR.BAT"), QStringLiteral("type epltemp.prn > LPT1\r\n"));
    const QByteArray file = tw.readBytes(QStringLiteral("Pendrova.ini"));
    for (Label* holder : {&tw.form.lbllinguagem, &tw.form.lblpath, &tw.form.lbljava})
        holder->caption = QStringLiteral("anterior");

    FrmParametroImpressora dlg(tw.program);
    dlg.Form_Load();
    dlg.Form_Activate();
    dlg.select(dlg.optppla);
    disk.fill();
    dlg.cmd_grava_Click();

    EXPECT_EQ(tw.readBytes(QStringLiteral("Pendrova.ini")), file);
    ASSERT_EQ(tw.messages.shown().size(), 1u);
    EXPECT_EQ(tw.messages.shown()[0].text, QStringLiteral("Não foi possível gravar o arquivo ") +
                                               tw.path(QStringLiteral("Pendrova.ini")) +
                                               QStringLiteral(": não há espaço livre no disco."));
    EXPECT_EQ(tw.messages.shown()[0].style, mb::OKOnly | mb::Critical);
    EXPECT_TRUE(dlg.isOpen());
    for (Label* holder : {&tw.form.lbllinguagem, &tw.form.lblpath, &tw.form.lbljava})
        EXPECT_EQ(holder->caption, QStringLiteral("anterior")) << holder->name.toStdString();
    EXPECT_TRUE(tw.exists(QStringLiteral("IMPRIMIR.BAT")));
}
