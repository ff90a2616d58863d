#include "bench/heap.h"
#include "bench/orders_fixture.h"
#include "orders/carrega_pedido.h"
#include "platform/runtimefolder.h"
#include "platform/vb.h"

#include <QDir>
#include <QImage>
#include <benchmark/benchmark.h>

// Loading one order from a folder of 20,000 order files: the listing by pattern, the family
// test, the file read and the first item with its picture lookup. Without an "imagens" folder the
// lookup searches the orders folder for one in another letter case; with one, that folder holds
// 1,000 pictures, the item's among them.
static void LoadFromCrowdedFolder(benchmark::State& state)
{
    OrdersBench b;
    const int files = static_cast<int>(state.range(0));
    const bool pictures = state.range(1) != 0;
    for (int i = 0; i < files; ++i) {
        const QString family = i % 2 ? QStringLiteral("FRENTE") : QStringLiteral("ACESSORIO");
        b.write(QStringLiteral("PEDIDO %1 %2.txt").arg(1400000000 + i / 2).arg(family),
                {QStringLiteral("MERVALK"), QStringLiteral("QTDE"), frenteLine(i, 36), frenteLine(i, 37)});
    }
    b.form.cmbtipo.text = QStringLiteral("Frente de Caixa");
    b.form.txtarquivo.text = QString::number(1400000000 + files / 2 - 7);
    if (pictures) {
        carrega_pedido(b.program);
        const QString folder = b.files.programFolder() + QStringLiteral("/imagens");
        QDir().mkpath(folder);
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        for (int i = 0; i < 999; ++i)
            picture.save(folder + QStringLiteral("/%1.jpg").arg(9000000 + i));
        picture.save(folder + u'/' + vb::Trim(b.form.txtcodigo.text) + QStringLiteral(".jpg"));
    }
    for (auto _ : state) {
        b.form.cmb_referencia.clear();
        carrega_pedido(b.program);
        benchmark::DoNotOptimize(b.form.List1.items.size());
    }
    if (b.form.cmb_referencia.listCount() != 1 || !b.messages.shown().empty())
        state.SkipWithError("the order was not found");
    if (b.form.tem_imagem != pictures)
        state.SkipWithError("the item's picture was not as the folder has it");
}
BENCHMARK(LoadFromCrowdedFolder)->Args({20000, 0})->Args({20000, 1})->Unit(benchmark::kMillisecond);

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
