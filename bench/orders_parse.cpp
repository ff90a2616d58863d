#include "bench/heap.h"
#include "bench/orders_fixture.h"
#include "orders/carrega_gradeFc.h"
#include "orders/carrega_pedido.h"
#include "orders/ret_codcomplemento.h"
#include "platform/runtimefolder.h"

#include <benchmark/benchmark.h>

namespace {

// An order of 5,000 data lines with 2,000 distinct references (two or three sizes each).
struct LargeOrder : OrdersBench {
    static constexpr int kLines = 5000;
    static constexpr int kItems = 2000;

    LargeOrder()
    {
        QStringList lines{QStringLiteral("MERVALK;PEDIDO 1400099999"),
                          QStringLiteral("QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA")};
        for (int i = 0; i < kLines; ++i)
            lines << frenteLine(i % kItems, 34 + i / kItems);
        write(QStringLiteral("PEDIDO 1400099999 FRENTE.txt"), lines);
        form.cmbtipo.text = QStringLiteral("Frente de Caixa");
        form.txtarquivo.text = QStringLiteral("1400099999");
    }
};

}  // namespace

// Reading the file, collapsing and splitting every line, listing the references, first item.
static void LoadLargeOrder(benchmark::State& state)
{
    LargeOrder b;
    for (auto _ : state) {
        b.form.cmb_referencia.clear();
        carrega_pedido(b.program);
        benchmark::DoNotOptimize(b.form.List1.items.size());
    }
    if (b.form.List1.listCount() != LargeOrder::kLines || b.form.cmb_referencia.listCount() != LargeOrder::kItems)
        state.SkipWithError("unexpected order contents");
    state.SetItemsProcessed(state.iterations() * LargeOrder::kLines);
}
BENCHMARK(LoadLargeOrder)->Unit(benchmark::kMillisecond);

// Choosing the last reference of the large order: one pass over its lines.
static void LoadLastItem(benchmark::State& state)
{
    LargeOrder b;
    carrega_pedido(b.program);
    b.form.cmb_referencia.setListIndex(b.form.cmb_referencia.listCount() - 1);
    for (auto _ : state) {
        carrega_gradeFc(b.program);
        benchmark::DoNotOptimize(b.form.TXTPARES.text);
    }
    if (b.form.TXTPARES.text != QStringLiteral("4"))
        state.SkipWithError("unexpected item");
}
BENCHMARK(LoadLastItem)->Unit(benchmark::kMicrosecond);

// The code lookup of one size of that item, as the print command runs it per size cell.
static void LookUpCodes(benchmark::State& state)
{
    LargeOrder b;
    carrega_pedido(b.program);
    b.form.cmb_referencia.setListIndex(b.form.cmb_referencia.listCount() - 1);
    carrega_gradeFc(b.program);
    const QString size = b.form.Label7[1].caption;
    for (auto _ : state) {
        ret_codcomplemento(b.program, size);
        benchmark::DoNotOptimize(b.form.lblbarra.caption);
    }
    if (b.form.lblbarra.caption.size() != 13)
        state.SkipWithError("no code found");
}
BENCHMARK(LookUpCodes)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    heapAsTheProgram();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeFolder();
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
