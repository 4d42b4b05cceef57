// Drawing one complete prescription form (pattern and data, with logo and four barcodes) at
// 600 dpi into an image, the resolution of a good office printer.
#include "document/svLayout.h"
#include "document/svRecipe.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace
{
void fill(TRecipe& r, const QImage* logo)
{
    r.Numer = QStringLiteral("0112345678901234567890");
    r.KasaChorych = QStringLiteral("07");
    r.Uprawnienia = QStringLiteral("IB");
    r.Data = QStringLiteral("2026-12-10");
    r.DataReal = QStringLiteral("2026-12-20");
    r.Swiadczeniodawca = {QStringLiteral("Przychodnia Lekarska \"Zdrowie\" sp. z o.o."),
                          QStringLiteral("NZOZ Poradnia Ogólna"), QStringLiteral("ul. Marszałkowska 140/12"),
                          QStringLiteral("00-061 Warszawa"), QStringLiteral("REGON 012345678")};
    r.Pacjent = {QStringLiteral("Małgorzata Żółkiewska (70 lat)"), QStringLiteral("ul. Świętokrzyska 12/4"),
                 QStringLiteral("00-916 Warszawa")};
    r.Pesel = QStringLiteral("56021512345");
    r.Specjalny = rpProFamilia;
    r.Regon = QStringLiteral("012345678");
    r.RegonDrukuj = 2;
    r.NrPrawaDrukuj = 2;
    r.DaneId = QStringLiteral("lek. med. Jan Kowalski");
    r.DaneId1 = QStringLiteral("specjalista chorób wewnętrznych");
    r.DaneId2 = QStringLiteral("1234567");
    r.Logotyp = logo;
    std::vector<TMedicine> drugs;
    for (int i = 0; i < 5; ++i)
        drugs.emplace_back(QStringLiteral("Amoxicillinum %1").arg(i), i, QStringLiteral("16"), false, i % 2 == 0,
                           i < 3, QStringLiteral("op."), 2.5, QStringLiteral("1 tabl. 3 razy dziennie po posiłku"),
                           QStringLiteral("500 mg"), QStringLiteral("tabl. powl."));
    r.AssignMedicines(drugs);
}

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
        fill(form, &logo);
        form.Draw(painter);
        painter.end();
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_CompleteFormAt600Dpi)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
