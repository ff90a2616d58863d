#include "app/events.h"
#include "app/frmpadrao.h"
#include "form/globals.h"
#include "form/mainform.h"
#include "form/program.h"
#include "labels/product/cmd_printacessorio.h"
#include "orders/carrega_pedido.h"
#include "platform/filesystem.h"
#include "platform/messages.h"
#include "platform/profilefile.h"
#include "platform/qtprinter.h"
#include "platform/runtimefolder.h"
#include "platform/screen.h"

#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <memory>
#include <utility>
#include "bench/heap.h"

#include <benchmark/benchmark.h>

// An order whose one item has a description field of state.range(0) characters: loading it, and
// printing its one page of labels to the PDF printer. Run each length in a process of its own
// (--benchmark_filter=.../10000000$) so the peak memory is that length's.

namespace {

// Words, blanks, a hyphen, a slash and digits: every description rule finds its breaks in it.
// Made as the file's bytes, so the order's making costs the process little memory of its own.
QByteArray longDescription(int length)
{
    static const QByteArray kWords("SAPATO SOCIAL COURO LEGITIMO PRETO-FOSCO SOLA 2/3 ");
    QByteArray text;
    text.reserve(length);
    while (text.size() + kWords.size() <= length)
        text += kWords;
    text += kWords.left(length - text.size());
    return text;
}

enum class Kind { BoxFront, Hidden, Accessory };

struct LongOrder {
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

    LongOrder(Kind kind, int length)
    {
        write(QStringLiteral("Pendrova.ini"), {"[MargemOcultaZebra]", "Margem_oculta1=0", "Margem_oculta11=40",
                                               "Margem_oculta2=2,2", "Mx4045_1=0", "Mx4045_2=40", "Mx4045=2,2"});
        const QByteArray descricao = longDescription(length);
        if (kind == Kind::Accessory) {
            write(QStringLiteral("PEDIDO 900002 ACESSORIO.txt"),
                  {"ORVENNA;PEDIDO 900002;LOJA", "QTDE;COR;TAMANHO;DESCRICAO;SEMANA;FAIXA;EAN;CODIGO;PRECO;SUFIXO;PROMOCAO;LOJA",
                   "1;PRETO;U;" + descricao + ";23;A;7899123400322;7001234001;149,90;2;;LOJA 01"});
            form.cmbtipo.text = QStringLiteral("Acessório");
            form.txtarquivo.text = QStringLiteral("900002");
        } else {
            write(QStringLiteral("PEDIDO 900001 FRENTE.txt"),
                  {"ORVENNA;PEDIDO 900001;LOJA", "QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA",
                   "1;PRETO;38;REF 1;" + descricao + ";789912340001;4501237038;23;A;;2;L1"});
            form.cmbtipo.text = kind == Kind::Hidden ? QStringLiteral("Oculta") : QStringLiteral("Frente de Caixa");
            form.txtarquivo.text = QStringLiteral("900001");
        }
        form.lblpath.caption = files.programFolder();
        for (ImageControl* logo : {&form.pctlogo1, &form.pctlogo2}) {
            logo->picture.image = QImage(300, 60, QImage::Format_RGB32);
            logo->picture.image.fill(Qt::darkGray);
        }
        g.tem_logo1 = g.tem_logo2 = true;
        g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
        form.CMBPRINTER.text = QtPrinterSystem::kFilePrinterName;
        form.lblprinterdefault.caption = QtPrinterSystem::kFilePrinterName;
    }

    void load()
    {
        carrega_pedido(program);
        form.txtpreco.text = QStringLiteral("129,90");
    }

    // The lines are plain ASCII, the same bytes in Windows-1252.
    void write(const QString& name, const QList<QByteArray>& lines) const
    {
        QFile f(files.programFolder() + u'/' + name);
        if (!f.open(QIODevice::WriteOnly))
            return;
        for (const QByteArray& line : lines)
            f.write(line + "\r\n");
    }

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

// The benchmark library runs a function more than once to settle its iteration count; the
// order is made once per process, so the peak memory is the program's, not that of several
// orders made one after the other.
std::unique_ptr<LongOrder> order;  // ended in main, while the application still stands

LongOrder& orderFor(Kind kind, int length)
{
    static std::pair<Kind, int> made;
    if (!order || made != std::pair{kind, length}) {
        order.reset();
        order = std::make_unique<LongOrder>(kind, length);
        made = {kind, length};
    }
    return *order;
}

void report(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.counters["peak_rss_MB"] = statusMb("VmHWM:");
}

void load(benchmark::State& state, Kind kind)
{
    const int length = static_cast<int>(state.range(0));
    LongOrder& order = orderFor(kind, length);
    for (auto _ : state) {
        order.load();
        benchmark::DoNotOptimize(order.form.txtdescricao.text);
    }
    if (order.form.txtdescricao.text.size() != length)
        state.SkipWithError("the description was not loaded whole");
    report(state);
}

void print(benchmark::State& state, Kind kind)
{
    LongOrder& order = orderFor(kind, static_cast<int>(state.range(0)));
    order.load();
    qint64 pdfBytes = 0;
    for (auto _ : state) {
        cmd_printacessorio_Click(order.program);
        state.PauseTiming();
        pdfBytes = order.takeOutput();
        state.ResumeTiming();
    }
    if (pdfBytes == 0 || !order.messages.shown().empty())
        state.SkipWithError("the run did not write its PDF without a message");
    state.counters["pdf_KB"] = static_cast<double>(pdfBytes) / 1024.0;
    report(state);
}

// The load as the window runs it: the order loaded, the window showing the model, painted.
void loadInTheWindow(benchmark::State& state, Kind kind)
{
    const int length = static_cast<int>(state.range(0));
    LongOrder& order = orderFor(kind, length);
    FrmPadrao window(order.program, MainWindowEvents{});
    window.show();
    window.refresh();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        // Each load finds the window as a fresh start finds it, not already showing the order.
        state.PauseTiming();
        for (ComboBox* list : {&order.form.cmb_referencia, &order.form.cmb_referencia1})
            list->clear();
        order.form.List1.clear();
        order.form.txtdescricao.text.clear();
        window.refresh();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        order.load();
        window.refresh();
        window.repaint();
        QCoreApplication::processEvents();
    }
    if (order.form.txtdescricao.text.size() != length)
        state.SkipWithError("the description was not loaded whole");
    report(state);
}

void BM_LoadBoxFront(benchmark::State& state) { load(state, Kind::BoxFront); }
void BM_LoadAccessory(benchmark::State& state) { load(state, Kind::Accessory); }
void BM_WindowLoadBoxFront(benchmark::State& state) { loadInTheWindow(state, Kind::BoxFront); }
void BM_WindowLoadAccessory(benchmark::State& state) { loadInTheWindow(state, Kind::Accessory); }
void BM_PrintBoxFront(benchmark::State& state) { print(state, Kind::BoxFront); }
void BM_PrintHidden(benchmark::State& state) { print(state, Kind::Hidden); }
void BM_PrintAccessory(benchmark::State& state) { print(state, Kind::Accessory); }

// 200 KB and 400 KB show how the cost grows; 10 MB is the length the goal names.
void lengths(benchmark::internal::Benchmark* b)
{
    b->Arg(200'000)->Arg(400'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_LoadBoxFront)->Apply(lengths);
BENCHMARK(BM_LoadAccessory)->Apply(lengths);
BENCHMARK(BM_WindowLoadBoxFront)->Apply(lengths);
BENCHMARK(BM_WindowLoadAccessory)->Apply(lengths);
BENCHMARK(BM_PrintBoxFront)->Apply(lengths);
BENCHMARK(BM_PrintHidden)->Apply(lengths);
BENCHMARK(BM_PrintAccessory)->Apply(lengths);

}  // namespace

int main(int argc, char** argv)
{
    heapAsTheProgram();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeFolder();
    QApplication app(argc, argv);
    installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    order.reset();
    return 0;
}
