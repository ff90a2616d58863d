#include "platform/filesystem.h"
#include "platform/profilefile.h"
#include "settings/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A settings file whose "Java" value is as long as asked, after the usual keys, and a second
// section of as many short keys again, so the reading is of a large file as well.
struct LargeSettings {
    QTemporaryDir dir;
    FileSystem files{dir.path()};
    ProfileFile profile{files};
    QString path = settingsPath(files);

    explicit LargeSettings(qint64 valueLength)
    {
        QByteArray text = "[Impressora]\r\nLinguagem=ZPL\r\nJava=" + QByteArray(valueLength, 'j') + "\r\n[Outra]\r\n";
        for (qint64 i = 0; text.size() < 2 * valueLength; ++i)
            text += "Chave" + QByteArray::number(i) + "=valor\r\n";
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
    }
};

}  // namespace

// One key of 1 MB and of 50 MB, read through le_ini as start-up reads it.
static void LeIniLargeValue(benchmark::State& state)
{
    LargeSettings s(state.range(0));
    for (auto _ : state) {
        const QString v = le_ini(s.profile, s.path, QStringLiteral("Impressora"), QStringLiteral("Java"), QString());
        if (v.size() != state.range(0))
            state.SkipWithError("value not read whole");
        benchmark::DoNotOptimize(v.size());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}
BENCHMARK(LeIniLargeValue)->Arg(1 << 20)->Arg(25 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
