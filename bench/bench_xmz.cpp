// Checking and cutting an XMZ document against pugixml's own parse of the same text.
#include "import/svXMZFacade.h"
#include "numbers/svNumbers.h"

#include <QByteArray>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

namespace
{
// One doctor, n numbers in runs of 100 separated by a gap of one.
QByteArray document(int n)
{
    const QString base = QStringLiteral("0112304500000000012382");
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><recepty typ=\"L\">"
                     "<lekarz imie_nazw=\"Jan Kowalski\" pr_zawod=\"1234567\" pesel=\"70010112345\" il_rec=\"1\">";
    xml.reserve(qsizetype(n) * 32 + 256);
    qint64 serial = 1;
    for (int i = 0; i < n; ++i) {
        if (i % 100 == 0)
            ++serial;
        xml += "<n>" + NumberWithSerial(base, serial++).toLatin1() + "</n>";
    }
    xml += "</lekarz></recepty>";
    return xml;
}

void BM_PugixmlParse(benchmark::State& state)
{
    const QByteArray xml = document(int(state.range(0)));
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(xml.constData(), size_t(xml.size())));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_XmzLoadValidateCut(benchmark::State& state)
{
    const QByteArray xml = document(int(state.range(0)));
    TTestNumber test;
    for (auto _ : state) {
        TXMZError error;
        auto f = TXMZFacade::Load(xml, &test, &error);
        if (!f || f->PoolCount(0) == 0)
            state.SkipWithError("document refused");
        benchmark::DoNotOptimize(f);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
} // namespace

BENCHMARK(BM_PugixmlParse)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmzLoadValidateCut)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
