// Drawing one complete prescription form (pattern and data, with logo and four barcodes) at
// 600 dpi into an image, the resolution of a good office printer.
#include "BenchMain.h"
#include "document/svLayout.h"
#include "document/svRecipe.h"
#include "support/SamplePrescription.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace
{
void BM_CompleteFormAt600Dpi(benchmark::State& state)
{
    const int dpi = 600;
    const int w = int(99 * dpi / 25.4);
    const int h = int(210 * dpi / 25.4);
    QImage page(w, h, QImage::Format_RGB32);
    const int dpm = int(dpi / 0.0254);
    page.setDotsPerMeterX(dpm);
    page.setDotsPerMeterY(dpm);
    QImage logo(600, 200, QImage::Format_RGB32);
    logo.fill(QColor(40, 90, 200));
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        TRecipe form; // the sheet makes one per page
        form.SetFormWidth(w);
        form.SetFormHeight(h);
        FillSamplePrescription(form, &logo);
        form.Draw(painter);
        painter.end();
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_CompleteFormAt600Dpi)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
