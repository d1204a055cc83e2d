// `tarvo import-dump` of a 5 MB dump whose one apostrophe was lost early:
// the failure comes after one pass over the lines, not one per line.
#include "app/ImportDumpCommand.h"
#include "base/ConsolePrompter.h"
#include "base/Sleeper.h"
#include "settings/LocalSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_ImportDumpWithALostApostrophe(benchmark::State& state) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("firm");
    QByteArray dump =
        "BEGIN TRANSACTION;\nCREATE TABLE units (unit VARCHAR(50));\nINSERT INTO units VALUES('кг);\n";
    while (dump.size() < 5 * 1024 * 1024)
        dump += "INSERT INTO units VALUES('бр.', 'опаковка от дванадесет броя');\n";
    QFile file(dir.filePath("lost.sql"));
    file.open(QIODevice::WriteOnly);
    file.write(dump);
    file.close();
    LocalSettings settings(dir.filePath("s.ini"));
    ConsolePrompter console;
    ThreadSleeper sleeper;
    for (auto _ : state)
        benchmark::DoNotOptimize(RunImportDumpCommand(file.fileName(), dir.filePath("firm"),
                                                      {"--optimize=no"}, settings, console, sleeper));
}
BENCHMARK(BM_ImportDumpWithALostApostrophe)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
