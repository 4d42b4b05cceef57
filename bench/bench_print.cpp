// Serial print jobs to PDF: pages per second, and the peak memory of 200 against 1,000 pages
// (the job streams its pages: memory must not grow with the page count).
#include "BenchMain.h"
#include "numbers/svNumbers.h"
#include "printing/svPrinting.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace
{
long peakRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

void BM_SerialJobToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const int pages = int(state.range(0));
    const QString start = QStringLiteral("0112304500000000000189");
    for (auto _ : state) {
        auto printer = Printers::Open(QStringLiteral("Plik PDF"), dir.filePath(QStringLiteral("seria.pdf")));
        TPrintingData d;
        d.Printer = printer.get();
        d.Mode = 0;
        d.PoolFound = true;
        d.PoolStart = start;
        d.PoolEnd = NumberWithSerial(start, 999999);
        d.FirstSerial = 1;
        d.Pages = pages;
        d.PerPage = 3;
        d.Orientation = 1;
        TSVPrinting job(d);
        job.Print();
        if (job.Failed())
            state.SkipWithError("job failed");
    }
    state.counters["pages_per_s"] = benchmark::Counter(double(pages) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["peak_rss_MB"] = double(peakRssKb()) / 1024.0;
}
} // namespace

// 200 pages first: the peak memory after it is the baseline for the 1,000-page run.
BENCHMARK(BM_SerialJobToPdf)->Arg(200)->Arg(1000)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
