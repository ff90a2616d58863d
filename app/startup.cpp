#include "app/startup.h"

#include "app/version.h"
#include "form/grid.h"
#include "platform/errors.h"
#include "platform/qtprinter.h"
#include "platform/vb.h"
#include "settings/keys.h"
#include "settings/printers.h"
#include "settings/settings.h"

namespace {

void fillPrinterList(Program& p)
{
    MainForm& f = p.form;
    PrinterSystem& printers = p.ws.printers;
    tryStep([&] { f.CMBPRINTER.clear(); });
    int count = 0;
    tryStep([&] { count = printers.count(); });
    int position = 0;
    for (int i = 0; i < count; ++i) {
        // A comparison that cannot be made lets its step run: the position is remembered.
        bool same = true;
        tryStep([&] { same = printers.deviceName(i) == printers.current().deviceName(); });
        if (same)
            position = i;
        tryStep([&] { f.CMBPRINTER.addItem(printers.deviceName(i)); });
    }
    tryStep([&] { f.CMBPRINTER.setListIndex(position); });
    tryStep([&] { f.lblprinterdefault.caption = f.CMBPRINTER.text; });
    // Told once, here: a list that lacks the machine's printers is not left to look whole.
    QString problem;
    tryStep([&] { problem = printers.listProblem(); });
    if (!problem.isEmpty())
        tryStep([&] { p.ws.messages.show(printerListProblemMessage(problem), mb::OKOnly | mb::Exclamation); });
}

void makeFolder(const FileSystem& files, const QString& name)
{
    const QString folder = FileSystem::join(files.programFolder(), name);
    if (!files.folderExists(folder))
        files.createFolder(folder);
}

// A logo that exists but does not load counts as missing: named in the message, flag clear.
bool loadLogo(const FileSystem& files, const QString& file, ImageControl& into)
{
    const QString path = FileSystem::join(files.programFolder(), file);
    if (!files.fileExists(path))
        return false;
    Picture picture = Picture::load(files.resolve(path));
    if (picture.isNull())
        return false;
    into.picture = std::move(picture);
    return true;
}

void loadLogos(Program& p)
{
    QString missing;
    tryStep([&] {
        p.g.tem_logo1 = loadLogo(p.ws.files, QStringLiteral("mervalk.jpg"), p.form.pctlogo1);
        if (!p.g.tem_logo1)
            missing += QStringLiteral("\n MervalK.jpg");
    });
    tryStep([&] {
        p.g.tem_logo2 = loadLogo(p.ws.files, QStringLiteral("orvenna.jpg"), p.form.pctlogo2);
        if (!p.g.tem_logo2)
            missing += QStringLiteral("\n Orvenna.jpg");
    });
    if (!missing.isEmpty())
        tryStep([&] { p.ws.messages.show(missingLogosMessage(missing), mb::Critical); });
}

void fillLabelTypes(MainForm& f)
{
    f.cmbtipo.clear();
    for (const char* type : {"Frente de Caixa", "Corrugado", "Acessório", "Oculta"})
        f.cmbtipo.addItem(QString::fromUtf8(type));
    f.cmbtipo.setListIndex(0);
}

void readSettings(Program& p)
{
    MainForm& f = p.form;
    Workstation& ws = p.ws;
    tryStep([&] { f.arquivo_ini = settingsPath(ws.files); });
    if (!ws.files.fileExists(f.arquivo_ini))
        return;
    auto read = [&](std::string_view section, std::string_view key) {
        return le_ini(ws.profile, f.arquivo_ini, qs(section), qs(key), QString());
    };
    tryStep([&] { f.txtcliente.text = read(ini::kConfig, "Referencia"); });
    tryStep([&] { f.txtlote.text = read(ini::kConfig, "Lote"); });
    tryStep([&] { f.txtarquivo.text = read(ini::kConfig, "arquivo"); });
    tryStep([&] { f.lbloculta.caption = read(ini::kImpressora, "TipoOculta"); });
    tryStep([&] {
        if (vb::Trim(f.lbloculta.caption).isEmpty())
            f.lbloculta.caption = QStringLiteral("3");
    });
    tryStep([&] { f.lblcompartilhamento.caption = read(ini::kImpressora, "NomeCompartilhamento"); });
    tryStep([&] { f.lblpath.caption = read(ini::kImpressora, "Path"); });
    tryStep([&] { f.lbljava.caption = read(ini::kImpressora, "Java"); });
    tryStep([&] {
        // A text that is not a number leaves the factor as it was.
        if (const auto v = vb::parseNumber(read(ini::kImpressora, "Correcao")))
            p.g.fator_correcao = static_cast<float>(*v);
    });
}

}  // namespace

QString captionWithVersion(const QString& caption)
{
    return caption + QStringLiteral(" [Versão: %1.%2.%3]").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

QString printerListProblemMessage(const QString& problem)
{
    return QStringLiteral("As impressoras deste computador não puderam ser listadas: ") + problem +
           QStringLiteral(".\nA lista mostra só a impressora de arquivos PDF.");
}

QString missingLogosMessage(const QString& missing)
{
    return QStringLiteral("O(s) arquivo(s): ") + missing + QStringLiteral("\nNão foi(ram) localizado(s)!");
}

void Form_Load(Program& p)
{
    MainForm& f = p.form;
    FileSystem& files = p.ws.files;

    // What a save or a print killed half-way left beside the settings file, the QR request or
    // the printed files. Another copy of the program may share the folder: what its running
    // saves and prints hold stays.
    tryStep([&] {
        files.removeSaveLeftovers(files.programFolder());
        files.removeSaveLeftovers(FileSystem::join(files.programFolder(), QStringLiteral("tmp")));
        QtPrinterSystem::removeUnfinishedFiles(files);
    });
    // 1. The promotion caption and field.
    tryStep([&] {
        f.Label9.visible = false;
        f.txtpromocao.visible = false;
    });
    // 2. The printers, the default one selected and kept.
    fillPrinterList(p);
    // 3. The folders of product pictures and QR images.
    tryStep([&] { makeFolder(files, QStringLiteral("imagens")); });
    tryStep([&] { makeFolder(files, QStringLiteral("tmp")); });
    // 4.
    f.tem_imagem = false;
    p.g.fator_correcao = kDefaultBarcodeFactor;
    tryStep([&] { OCULTA_ITENS(f); });
    p.g.tem_logo1 = false;
    p.g.tem_logo2 = false;
    // 5. and 6. The brand logos, and one message naming those missing.
    loadLogos(p);
    // 7. The carton panel over the item panel.
    tryStep([&] {
        f.Frame3.top = f.Frame1.top;
        f.Frame3.left = f.Frame1.left;
    });
    // 8. The label types.
    tryStep([&] { fillLabelTypes(f); });
    // 9.
    f.height = MainForm::kHeight;
    f.width = MainForm::kWidth;
    // 10.
    f.lblpath.caption = files.programFolder();
    // 11. The default settings file at a first start.
    tryStep([&] {
        if (!files.fileExists(FileSystem::join(files.programFolder(), qs(ini::kExistenceTestName))))
            gera_ini_base(p.ws);
    });
    // 12.
    tryStep([&] { OCULTA_ITENS(f); });
    tryStep([&] { f.cmb_referencia.clear(); });
    // 13. The settings into fields and holders.
    readSettings(p);
    // 14. The release in the caption.
    f.caption = captionWithVersion(f.caption);
    // 15. The label fonts of the current printer.
    tryStep([&] { verifica_fontes(p.ws); });
    // 16.
    p.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
}
