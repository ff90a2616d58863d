#include "setup/frmparametroimpressora.h"

#include "labels/pack/gera_qrcode.h"
#include "platform/errors.h"
#include "platform/vb.h"
#include "settings/keys.h"
#include "settings/settings.h"
#include "setup/seleciona_pasta.h"

namespace {

const QString kGetPathTip = QStringLiteral("Clique aqui para Selecionar a Pasta que irá conter os arquivos...");

template <class C>
void place(C& c, const char* name, const QString& caption, int left, int top, int width, int height,
           const Frame* in = nullptr)
{
    c.name = QString::fromLatin1(name);
    if constexpr (requires { c.caption; })
        c.caption = caption;
    else
        c.text = caption;
    c.move(left, top, width, height);
    if (in)
        c.container = in->name;
}

void fill(ComboBox& list, const char* prefix, int count)
{
    list.clear();
    for (int k = 1; k <= count; ++k)
        list.addItem(QString::fromLatin1(prefix) + QString::number(k));
    list.setListIndex(0);
}

// Selects the first item equal to the value as read; a blank value or no such item leaves the
// list where it is.
void selectItem(ComboBox& list, const QString& value)
{
    if (vb::Trim(value).isEmpty())
        return;
    for (int k = 0; k < list.listCount(); ++k)
        if (list.list(k) == value) {
            list.setListIndex(k);
            return;
        }
}

// Dir(path, vbDirectory): a file or a folder. An empty text names nothing here, rather than the
// folder the program happens to run in.
bool existe(const FileSystem& files, const QString& path)
{
    return !path.isEmpty() && (files.folderExists(path) || files.fileExists(path));
}

bool temJava(const FileSystem& files, const QString& pasta)
{
    return !vb::Trim(pasta).isEmpty() && files.fileExists(pasta + u'\\' + kJavaExecutable);
}

}  // namespace

FrmParametroImpressora::FrmParametroImpressora(Program& p) : p_(p)
{
    caption = QStringLiteral("Parâmetro de Impressão");

    place(Label1, "Label1", QStringLiteral("Local de Armazenamento Padrão dos Arquivos..."), 120, 120, 3855, 255);
    place(CMD_GETPATH, "CMD_GETPATH", QStringLiteral("..."), 120, 480, 375, 255);
    CMD_GETPATH.toolTipText = kGetPathTip;
    place(TXTPATH, "TXTPATH", QString(), 600, 480, 4575, 285);
    TXTPATH.locked = true;
    place(Label2, "Label2", QStringLiteral("Local do Arquivo Java.exe"), 120, 840, 3855, 255);
    place(cmdjava, "cmdjava", QStringLiteral("..."), 120, 1200, 375, 255);
    cmdjava.toolTipText = kGetPathTip;
    place(txtjava, "txtjava", QString(), 600, 1200, 4575, 285);
    txtjava.locked = true;

    place(Frame1, "Frame1", QStringLiteral("Etiqueta Padrão"), 120, 1680, 4935, 1935);
    place(Label3, "Label3", QStringLiteral("Etiqueta Frente de Caixa: 100 x 40 x 1"), 360, 360, 3855, 255, &Frame1);
    Label3.visible = false;
    place(Label4, "Label4", QStringLiteral("Etiqueta Acessório : 40 x 20 x 2"), 360, 720, 3855, 255, &Frame1);
    place(Label5, "Label5", QStringLiteral("Etiqueta Oculta : 40 x 20 x 2 "), 360, 1080, 3855, 255, &Frame1);
    place(Label6, "Label6", QStringLiteral("Etiqueta PACK  : 140 x 100 x 1 "), 360, 1560, 3855, 255, &Frame1);
    place(cmd_grava, "cmd_grava", QStringLiteral("&Gravar Parâmetros"), 360, 3720, 1815, 495);
    place(cmd_sair, "cmd_sair", QStringLiteral("&Sair"), 3480, 3720, 1455, 495);

    // The hidden panels lie to the right of the window, where nothing shows them.
    place(Frame2, "Frame2", QStringLiteral("Linguagem de Impressão"), 5520, 120, 2295, 1095);
    Frame2.visible = false;
    place(optzpl, "optzpl", QStringLiteral("ZPL "), 240, 360, 1335, 255, &Frame2);
    place(optppla, "optppla", QStringLiteral("PPLA"), 240, 720, 1335, 255, &Frame2);
    optzpl.value = true;

    place(Frame3, "Frame3", QStringLiteral("Porta de Comunicação da Impressora"), 5520, 1320, 4695, 2535);
    Frame3.visible = false;
    place(optParalela, "optParalela", QStringLiteral("Porta Paralela"), 240, 360, 1575, 255, &Frame3);
    place(optSerial, "optSerial", QStringLiteral("Porta Serial"), 1800, 360, 1455, 255, &Frame3);
    place(optUsb, "optUsb", QStringLiteral("Porta USB"), 3240, 360, 1335, 255, &Frame3);
    optParalela.value = true;
    const QString informe = QStringLiteral("Informe a Porta de Impressão");
    place(FrameParalela, "FrameParalela", QStringLiteral("Porta Paralela"), 120, 720, 4455, 1695, &Frame3);
    place(Label7, "Label7", informe, 120, 360, 2415, 255, &FrameParalela);
    place(cmbparalela1, "cmbparalela1", QString(), 120, 720, 1455, 315, &FrameParalela);
    place(FrameSerial, "FrameSerial", QStringLiteral("Porta Serial"), 120, 720, 4455, 1695, &Frame3);
    place(Label8, "Label8", informe, 120, 360, 1575, 255, &FrameSerial);
    place(cmbserial, "cmbserial", QString(), 120, 720, 1455, 315, &FrameSerial);
    place(Label9, "Label9", QStringLiteral("Configuração da Porta Serial"), 1800, 360, 2415, 255, &FrameSerial);
    place(txtserialconfiguracao, "txtserialconfiguracao", QStringLiteral("9800,N,8,1"), 1800, 720, 1815, 285,
          &FrameSerial);
    place(FrameUSB, "FrameUSB", QStringLiteral("Porta USB"), 120, 720, 4455, 1695, &Frame3);
    FrameUSB.visible = false;
    place(Label10, "Label10", informe, 120, 360, 1575, 255, &FrameUSB);
    place(cmbparalela2, "cmbparalela2", QString(), 120, 720, 1455, 315, &FrameUSB);
    place(Label11, "Label11", QStringLiteral("Nome do Compartilhamento"), 1800, 360, 2415, 255, &FrameUSB);
    place(txtnomecompartilhamento, "txtnomecompartilhamento", QString(), 1800, 720, 1815, 285, &FrameUSB);

    place(Frame4, "Frame4", QStringLiteral("Formato da Etiqueta Oculta"), 10440, 120, 2295, 1815);
    Frame4.visible = false;
    place(optoculta1, "optoculta1", QStringLiteral("30x10x3"), 240, 360, 1335, 255, &Frame4);
    place(optoculta2, "optoculta2", QStringLiteral("10x30x7"), 240, 720, 1335, 255, &Frame4);
    place(optoculta3, "optoculta3", QStringLiteral("10x30x8"), 240, 1080, 1335, 255, &Frame4);
    place(optoculta4, "optoculta4", QStringLiteral("30x10x2"), 240, 1440, 1335, 255, &Frame4);
    optoculta4.value = true;

    place(Frame5, "Frame5", QStringLiteral("Formato da Etiqueta Frente de Caixa/Acessório"), 10440, 2040, 3855, 1095);
    Frame5.visible = false;
    place(optfrentecaixa1, "optfrentecaixa1", QStringLiteral("40x45x2"), 240, 360, 1335, 255, &Frame5);
    place(optfrentecaixa2, "optfrentecaixa2", QStringLiteral("45x40x2"), 240, 720, 1335, 255, &Frame5);
    optfrentecaixa1.value = true;

    int tab = 0;
    for (Control* c : std::initializer_list<Control*>{&CMD_GETPATH, &TXTPATH, &cmdjava, &txtjava, &cmd_grava, &cmd_sair})
        c->tabIndex = tab++;
}

std::vector<OptionButton*> FrmParametroImpressora::groupOf(const OptionButton& option)
{
    std::vector<OptionButton*> all{&optzpl,     &optppla,    &optParalela, &optSerial,       &optUsb,
                                   &optoculta1, &optoculta2, &optoculta3,  &optoculta4,      &optfrentecaixa1,
                                   &optfrentecaixa2};
    std::vector<OptionButton*> group;
    for (OptionButton* o : all)
        if (o->container == option.container)
            group.push_back(o);
    return group;
}

void FrmParametroImpressora::select(OptionButton& option)
{
    for (OptionButton* o : groupOf(option))
        o->value = o == &option;
}

void FrmParametroImpressora::Form_Load()
{
    open_ = true;
    fill(cmbparalela1, "Lpt", 5);
    fill(cmbparalela2, "Lpt", 5);
    fill(cmbserial, "Com", 9);
    parametros_lidos = 0;
}

void FrmParametroImpressora::Form_Activate()
{
    if (parametros_lidos != 0)
        return;
    parametros_lidos = 1;
    load_parametros();
}

void FrmParametroImpressora::load_parametros()
{
    const QString arquivo = settingsPath(p_.ws.files);
    if (!p_.ws.files.fileExists(arquivo))
        return;
    auto le = [&](const char* key) {
        return le_ini(p_.ws.profile, arquivo, qs(ini::kImpressora), QString::fromLatin1(key), QString());
    };

    select(le("Linguagem") == QStringLiteral("PPLA") ? optppla : optzpl);
    txtjava.text = le("Java");
    TXTPATH.text = le("Path");
    selectItem(cmbserial, le("PortaSerial"));
    txtserialconfiguracao.text = le("ConfiguracaoPortaSerial");
    selectItem(cmbparalela2, le("PortaParalelaUSB"));
    txtnomecompartilhamento.text = le("NomeCompartilhamento");
    selectItem(cmbparalela1, le("PortaParalela"));

    const QString porta = le("Porta");
    OptionButton& opcao = porta == QStringLiteral("Paralela") ? optParalela
                          : porta == QStringLiteral("Serial") ? optSerial
                                                              : optUsb;
    select(opcao);
    FrameParalela.visible = &opcao == &optParalela;
    FrameSerial.visible = &opcao == &optSerial;
    FrameUSB.visible = &opcao == &optUsb;

    const QString oculta = le("TipoOculta");
    const std::pair<const char*, OptionButton*> formatos[] = {
        {"3", &optoculta1}, {"7", &optoculta2}, {"8", &optoculta3}, {"2", &optoculta4}};
    for (auto [valor, opcaoOculta] : formatos)
        if (oculta == QString::fromLatin1(valor))
            select(*opcaoOculta);

    select(le("TipoFrenteCaixa") == QStringLiteral("45_40_2") ? optfrentecaixa2 : optfrentecaixa1);

    TXTPATH.toolTipText = TXTPATH.text;
}

void FrmParametroImpressora::Oculta_Frame()
{
    if (optParalela.value) {
        FrameParalela.visible = true;
        FrameUSB.visible = false;
        FrameSerial.visible = false;
    }
    if (optUsb.value) {
        FrameParalela.visible = false;
        FrameUSB.visible = true;
        FrameSerial.visible = false;
    }
    if (optSerial.value) {
        FrameParalela.visible = false;
        FrameUSB.visible = false;
        FrameSerial.visible = true;
    }
}

void FrmParametroImpressora::escolhePasta(TipTextBox& box, const QString& titulo)
{
    // The browser opens where the box points, so a folder near the current one is a short walk.
    const QString pasta = seleciona_pasta(p_.ws, hWnd, titulo, box.text);
    // A cancelled browser answers nothing: the box, and so what a save writes, stay as they were.
    if (pasta.isEmpty())
        return;
    if (!existe(p_.ws.files, pasta)) {
        p_.ws.messages.show(QStringLiteral("O Local Selecionado é Inválido..."));
        return;
    }
    box.text = pasta;
    box.toolTipText = pasta;
}

void FrmParametroImpressora::CMD_GETPATH_Click()
{
    escolhePasta(TXTPATH, QStringLiteral("Selecione o Local Padrão para Busca dos Arquivos"));
}

void FrmParametroImpressora::cmdjava_Click()
{
    escolhePasta(txtjava, QStringLiteral("Selecione o Local do Arquivo Java.exe"));
}

void FrmParametroImpressora::cmd_grava_Click()
{
    Workstation& ws = p_.ws;
    MainForm& f = p_.form;
    const QString programa = ws.files.programFolder();

    tryStep([&] {
        if (!vb::Trim(TXTPATH.text).isEmpty() && !existe(ws.files, TXTPATH.text))
            TXTPATH.text = programa;
    });
    bool javaInvalido = false;
    tryStep([&] { javaInvalido = !vb::Trim(txtjava.text).isEmpty() && !temJava(ws.files, txtjava.text); });
    if (javaInvalido) {
        tryStep([&] {
            ws.messages.show(QStringLiteral("A pasta ") + txtjava.text +
                                 QStringLiteral(", não foi localizado o arquivo Java.exe"),
                             mb::OKOnly | mb::Critical);
        });
        txtjava.text.clear();
        return;
    }

    // The keys are written in one rewrite at the end, and the holders take their values only
    // when it worked: a save the disk refused leaves the file, the window and the dialog as
    // they were, after one message.
    std::vector<ProfileFile::Change> chaves;
    std::vector<std::pair<Label*, QString>> holders;
    auto grava = [&](const char* key, const QString& value) {
        chaves.push_back({qs(ini::kImpressora), QString::fromLatin1(key), value});
    };
    auto mostra = [&](Label& holder, const QString& value) { holders.emplace_back(&holder, value); };

    const QString linguagem = optzpl.value ? QStringLiteral("ZPL") : QStringLiteral("PPLA");
    grava("Linguagem", linguagem);
    mostra(f.lbllinguagem, linguagem);

    if (optParalela.value) {
        grava("Porta", QStringLiteral("Paralela"));
        mostra(f.lblporta, QStringLiteral("PARALELA"));
    } else if (optSerial.value) {
        grava("Porta", QStringLiteral("Serial"));
        mostra(f.lblporta, QStringLiteral("SERIAL"));
    } else {
        grava("Porta", QStringLiteral("USB"));
        mostra(f.lblporta, QStringLiteral("USB"));
    }

    grava("PortaSerial", cmbserial.text);
    grava("ConfiguracaoPortaSerial", txtserialconfiguracao.text);
    grava("PortaParalela", cmbparalela1.text);
    mostra(f.LBLPORTAPARELELA, cmbparalela1.text);
    grava("PortaParalelaUSB", cmbparalela2.text);
    grava("NomeCompartilhamento", txtnomecompartilhamento.text);

    tryStep([&] {
        if (!existe(ws.files, TXTPATH.text)) {
            ws.messages.show(QStringLiteral("O Local Padrão de busca do Arquivo é Inválido..."));
            TXTPATH.text.clear();
            mostra(f.lblpath, programa);
        } else {
            mostra(f.lblpath, TXTPATH.text);
        }
    });
    tryStep([&] {
        if (!temJava(ws.files, txtjava.text)) {
            ws.messages.show(QStringLiteral("O Local do Arquivo Java.exe não foi informado..."));
            txtjava.text.clear();
            mostra(f.lbljava, programa);
        } else {
            mostra(f.lbljava, txtjava.text);
        }
    });
    grava("Path", TXTPATH.text);
    grava("Java", txtjava.text);

    const std::pair<OptionButton*, const char*> ocultas[] = {
        {&optoculta1, "3"}, {&optoculta2, "7"}, {&optoculta3, "8"}, {&optoculta4, "2"}};
    for (auto [opcao, valor] : ocultas)
        if (opcao->value) {
            grava("TipoOculta", QString::fromLatin1(valor));
            mostra(f.lbloculta, QString::fromLatin1(valor));
            break;
        }

    if (optfrentecaixa1.value || optfrentecaixa2.value) {
        const QString frente = optfrentecaixa1.value ? QStringLiteral("40_45_2") : QStringLiteral("45_40_2");
        grava("TipoFrenteCaixa", frente);
        mostra(f.frentecaixa, frente);
    }

    mostra(f.lblcompartilhamento, txtnomecompartilhamento.text);

    if (!saveSettings(ws, chaves))
        return;
    for (auto& [holder, value] : holders)
        holder->caption = value;

    tryStep([&] {
        const QString lote = FileSystem::join(programa, qs(ini::kBatchFile));
        if (ws.files.fileExists(lote))
            ws.files.deleteFile(lote);
    });
    cmd_sair_Click();
}

void FrmParametroImpressora::cmd_sair_Click() { open_ = false; }
