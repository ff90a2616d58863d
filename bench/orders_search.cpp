#include "bench/heap.h"
#include "bench/orders_fixture.h"
#include "orders/carrega_pedido.h"

#include <benchmark/benchmark.h>

// Loading one order from a folder of 20,000 order files: the listing by pattern, the family
// test, the file read and the first item.
static void LoadFromCrowdedFolder(benchmark::State& state)
{
    OrdersBench b;
    const int files = static_cast<int>(state.range(0));
    for (int i = 0; i < files; ++i) {
        const QString family = i % 2 ? QStringLiteral("FRENTE") : QStringLiteral("ACESSORIO");
        b.write(QStringLiteral("PEDIDO %1 %2.txt").arg(1400000000 + i / 2).arg(family),
                {QStringLiteral("MERVALK"), QStringLiteral("QTDE"), frenteLine(i, 36), frenteLine(i, 37)});
    }
    b.form.cmbtipo.text = QStringLiteral("Frente de Caixa");
    b.form.txtarquivo.text = QString::number(1400000000 + files / 2 - 7);
    for (auto _ : state) {
        b.form.cmb_referencia.clear();
        carrega_pedido(b.program);
        benchmark::DoNotOptimize(b.form.List1.items.size());
    }
    if (b.form.cmb_referencia.listCount() != 1 || !b.messages.shown().empty())
        state.SkipWithError("the order was not found");
}
BENCHMARK(LoadFromCrowdedFolder)->Arg(20000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    heapAsTheProgram();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
