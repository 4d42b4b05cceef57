// The next free number of a pool with 10,000 blocked ranges and a block of 1,000,000 numbers
// right after the last printed number: the answer jumps over the block in one step.
#include "BenchMain.h"
#include "numbers/svNumbers.h"
#include "store/svDB.h"
#include "store/svDBPula.h"
#include "store/svSchema.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{
void BM_NextFreeNumber(benchmark::State& state)
{
    QTemporaryDir dir;
    QString error;
    if (!Schema::OpenStore(dir.path(), &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const QString start = QStringLiteral("0112304500000000000189");
    TPulaData pool = *AddPool(NumberWithSerial(start, 1), NumberWithSerial(start, 100000000));
    Db::BeginImmediate();
    for (qint64 i = 0; i < 10000; ++i) // short blocks before the last printed number
        Db::Exec(QStringLiteral("INSERT INTO data_102 (idpool, start, \"end\") VALUES (?, ?, ?)"),
                 {pool.Id, 10 + i * 3, 11 + i * 3});
    Db::Exec(QStringLiteral("INSERT INTO data_102 (idpool, start, \"end\") VALUES (?, ?, ?)"), {pool.Id, 50001, 1050000});
    Db::Commit();
    pool.LastPrinted = NumberWithSerial(start, 50000);
    SavePoolState(pool);
    for (auto _ : state) {
        const QString next = NextFreeNumber(pool.Start, pool.End);
        if (SerialValue(next) != 1050001)
            state.SkipWithError("wrong number");
        benchmark::DoNotOptimize(next);
    }
    Db::Close();
}
} // namespace

BENCHMARK(BM_NextFreeNumber)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
