#include "labels/product/cmd_printacessorio.h"
#include "orders/carrega_pedido.h"
#include "platform/codepage.h"
#include "platform/filesystem.h"
#include "platform/messages.h"
#include "platform/profilefile.h"
#include "platform/qtprinter.h"
#include "platform/runtimefolder.h"
#include "platform/screen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include "bench/heap.h"

#include <benchmark/benchmark.h>

namespace {

// A program folder with the settings file, both logos loaded and one box-front order of 14
// sizes with `perSize` pairs each, loaded as the window loads it, printing to the PDF file printer.
struct PrintRun {
    QTemporaryDir dir;
    FileSystem files{dir.path()};
    ProfileFile profile{files};
    QtPrinterSystem printers{files};
    ScriptedMessages messages;
    Screen screen;
    Workstation ws{files, profile, printers, messages, screen};
    MainForm form;
    Globals g;
    Program program{ws, form, g};

    PrintRun(const QString& tipo, int perSize)
    {
        write(QStringLiteral("Pendrova.ini"),
              {QStringLiteral("[MargemOcultaZebra]"), QStringLiteral("Margem_oculta1=0"),
               QStringLiteral("Margem_oculta11=40"), QStringLiteral("Margem_oculta2=2,2"), QStringLiteral("Mx4045_1=0"),
               QStringLiteral("Mx4045_2=40"), QStringLiteral("Mx4045=2,2")});
        QStringList lines{QStringLiteral("ORVENNA;PEDIDO 900001;LOJA"),
                          QStringLiteral("QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA")};
        for (int size = 33; size < 33 + MainForm::kSizeCells; ++size)
            lines << QStringLiteral("%1;PRETO;%2;REF 1;SAPATO SOCIAL COURO;7899123400%3;45012370%2;23;A;;2;L1")
                         .arg(perSize)
                         .arg(size)
                         .arg(size);
        write(QStringLiteral("PEDIDO 900001 FRENTE.txt"), lines);
        form.lblpath.caption = files.programFolder();
        form.cmbtipo.text = tipo;
        form.txtarquivo.text = QStringLiteral("900001");
        carrega_pedido(program);
        form.txtpreco.text = QStringLiteral("129,90");

        for (ImageControl* logo : {&form.pctlogo1, &form.pctlogo2}) {
            logo->picture.image = QImage(300, 60, QImage::Format_RGB32);
            logo->picture.image.fill(Qt::darkGray);
        }
        g.tem_logo1 = g.tem_logo2 = true;
        g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
        form.CMBPRINTER.text = QtPrinterSystem::kFilePrinterName;
        form.lblprinterdefault.caption = QtPrinterSystem::kFilePrinterName;
    }

    void write(const QString& name, const QStringList& lines) const
    {
        QFile f(files.programFolder() + u'/' + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(cp1252::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }

    // The PDF files of the runs so far; removed so the disk does not fill over many runs.
    qint64 takeOutput()
    {
        qint64 bytes = 0;
        for (const QString& file : printers.writtenFiles()) {
            bytes += QFileInfo(file).size();
            QFile::remove(file);
        }
        return bytes;
    }
};

// One full print run per iteration: 14 sizes of state.range(0) pairs each. Hidden labels come
// two per pair.
void printRun(benchmark::State& state, const QString& tipo, int labelsPerPair)
{
    const int perSize = static_cast<int>(state.range(0));
    PrintRun run(tipo, perSize);
    const std::size_t before = run.printers.writtenFiles().size();
    double rssAfterFirst = 0;
    qint64 pdfBytes = 0;
    int runs = 0;
    for (auto _ : state) {
        cmd_printacessorio_Click(run.program);
        state.PauseTiming();
        pdfBytes = run.takeOutput();
        if (++runs == 1)
            rssAfterFirst = statusMb("VmRSS:");
        state.ResumeTiming();
    }
    if (!run.messages.shown().empty() || run.printers.writtenFiles().size() - before != static_cast<std::size_t>(runs))
        state.SkipWithError("the runs did not each write one PDF without a message");
    const int labels = MainForm::kSizeCells * perSize * labelsPerPair;
    state.SetItemsProcessed(state.iterations() * labels);
    state.counters["labels_per_run"] = labels;
    state.counters["pdf_MB_per_run"] = static_cast<double>(pdfBytes) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = statusMb("VmHWM:");
    state.counters["rss_growth_MB"] = statusMb("VmRSS:") - rssAfterFirst;
}

void BM_PrintRunBoxFront(benchmark::State& state) { printRun(state, QStringLiteral("Frente de Caixa"), 1); }
void BM_PrintRunHidden(benchmark::State& state) { printRun(state, QStringLiteral("Oculta"), 2); }

// 100 labels a size is the run the goal speaks of; the longer runs (5,600 and 14,000 labels) show
// whether memory follows the length of the run.
BENCHMARK(BM_PrintRunBoxFront)->Arg(100)->Arg(400)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_PrintRunHidden)->Arg(100)->Arg(400)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

int main(int argc, char** argv)
{
    heapAsTheProgram();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeFolder();
    QGuiApplication app(argc, argv);
    installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
