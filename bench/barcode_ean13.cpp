#include "barcode/ean13.h"
#include "platform/runtimefolder.h"

#include <QGuiApplication>
#include "bench/heap.h"

#include <benchmark/benchmark.h>

namespace {

// Twelve-digit texts that differ in every position, so the batch draws a different symbol each time.
QString code(int n) { return QStringLiteral("789%1").arg(n * 7919 % 1000000000, 9, 10, QLatin1Char('0')); }

// What one label costs: one EAN-13 drawn into the picture box and taken as its picture.
void BM_DrawEAN13(benchmark::State& state)
{
    PictureBox box;
    Globals g;
    const QString text = QStringLiteral("590123412345");
    for (auto _ : state) {
        DrawEAN13(box, 1, text, 0, g);
        benchmark::DoNotOptimize(box.picture().image.constBits());
    }
}
BENCHMARK(BM_DrawEAN13);

// A large print run: 10,000 symbols, one after another, into the same box.
void BM_DrawEAN13Batch(benchmark::State& state)
{
    PictureBox box;
    Globals g;
    QStringList texts;
    for (int i = 0; i < 10000; ++i)
        texts << code(i);
    for (auto _ : state) {
        for (const QString& text : texts) {
            DrawEAN13(box, 1, text, 0, g);
            benchmark::DoNotOptimize(box.picture().image.constBits());
        }
    }
    state.SetItemsProcessed(state.iterations() * texts.size());
}
BENCHMARK(BM_DrawEAN13Batch)->Unit(benchmark::kMillisecond);

}  // namespace

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
