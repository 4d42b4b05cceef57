#include "printing/svPrinting.h"

#include "document/svLayout.h"
#include "numbers/svNumbers.h"
#include "shell/Clock.h"
#include "shell/svGlobals.h"

#include <QCoreApplication>
#include <QPainter>

namespace
{
int mmFromPixels(int pixels, int dpi)
{
    return dpi > 0 ? RoundEven((long double)pixels / dpi * 25.4L) : 0;
}

void processEvents()
{
    QCoreApplication::processEvents();
}

std::unique_ptr<TSVNumGen> makeGenerator(const TPrintingData& d)
{
    switch (d.Mode) {
    case 0:
        return std::make_unique<TSVNumGenMulti>(d.PoolStart, d.PoolEnd, d.FirstSerial, d.Blocks);
    case 2:
        return std::make_unique<TSVNumGenSingle>(d.PoolStart, d.PoolEnd, d.LastPrinted, d.Blocks);
    default:
        return std::make_unique<TSVNumGen>();
    }
}
} // namespace

TSVPrinting::TSVPrinting(TPrintingData data, Progress progress)
    : m_data(std::move(data))
    , m_progress(std::move(progress))
{
}

bool TSVPrinting::configureSheet(TSVDrawSheet& sheet)
{
    TSVPrinter& printer = *m_data.Printer;
    const int dpiX = printer.DpiX();
    const int dpiY = printer.DpiY();
    const QSize phys = printer.PhysicalSize();
    if (dpiX <= 0 || dpiY <= 0 || phys.isEmpty())
        return false;
    TRectL paper{0, 0, mmFromPixels(phys.width(), dpiX), mmFromPixels(phys.height(), dpiY)};
    if (m_data.Orientation == 1) // the printer already prints across the long side
        paper = {0, 0, mmFromPixels(phys.height(), dpiY), mmFromPixels(phys.width(), dpiX)};
    // The canvas's origin is the paper's corner, so paper coordinates need no shift.
    sheet.OriginX = 0;
    sheet.OriginY = 0;
    sheet.CanvasWidth = phys.width();
    sheet.CanvasHeight = phys.height();
    sheet.SetPaperRect(paper);
    sheet.SetOrientation(m_data.Orientation);
    sheet.HAlign = m_data.HAlign;
    sheet.VAlign = m_data.VAlign;
    sheet.FormKind = m_data.FormKind;
    sheet.DrSwiadcz = m_data.DrSwiadcz;
    sheet.DrRamki = m_data.DrRamki;
    sheet.DrSymbKCh = m_data.DrSymbKCh;
    sheet.Logotyp = m_data.Logotyp;
    sheet.Signpict = m_data.Signpict;
    sheet.DrNumer = m_data.Mode != 1;
    sheet.KasaChorych = m_data.DrSymbKCh ? m_data.Settings.symbolKCh : QString();
    if (m_data.Mode == 2) {
        sheet.SetLiczbaRecept(1);
        sheet.SetAuto(false);
        sheet.DrNumer = !IsBlank(m_data.PoolStart);
        sheet.Data = Clock::today().toString(QStringLiteral("yyyy-MM-dd"));
        sheet.DataReal = m_data.DataReal;
        sheet.Przewlekle = m_data.Przewlekle;
        sheet.Uprawnienia = m_data.Uprawnienia;
        sheet.Specjalny = m_data.Specjalny;
        sheet.Pacjent = m_data.PacjentLines;
        sheet.Pesel = m_data.Pesel;
        sheet.Medicines = m_data.Medicines;
    } else {
        sheet.SetLiczbaRecept(m_data.PerPage);
        sheet.SetAuto(m_data.Auto);
    }
    return true;
}

bool TSVPrinting::drawCounted(TSVDrawSheet& sheet)
{
    sheet.Draw();
    m_printed << sheet.LastNumbers;
    // A job that needs numbers fails when its pool is gone.
    return !(sheet.DrNumer && !m_data.PoolFound && (m_data.Mode == 0 || m_data.Mode == 2));
}

void TSVPrinting::Print()
{
    m_failed = false;
    m_printed.clear();
    if (!m_data.Printer) {
        m_failed = true;
        return;
    }
    TSVPrinter& printer = *m_data.Printer;
    printer.SetOrientation(m_data.Orientation);
    printer.SetTitle(kProductWord);
    if (m_data.Mode == 0 && !m_data.PoolFound) {
        m_failed = true;
        return;
    }
    if (!printer.BeginDoc()) {
        m_failed = true;
        return;
    }
    TSVDrawSheet sheet(printer.Canvas(), 0, makeGenerator(m_data));
    sheet.SetSettings(m_data.Settings);
    bool ok = configureSheet(sheet);
    processEvents();
    if (ok && m_data.Mode == 2) {
        if (m_progress)
            m_progress(1, 1);
        processEvents();
        ok = drawCounted(sheet);
        processEvents();
    } else if (ok) {
        for (int i = 1; i <= m_data.Pages && ok; ++i) {
            if (m_progress)
                m_progress(i, m_data.Pages);
            ok = drawCounted(sheet);
            if (ok && i < m_data.Pages)
                ok = printer.NewPage();
            processEvents();
        }
    }
    // The document is ended in every case.
    const bool ended = printer.EndDoc();
    m_failed = !ok || !ended;
}

int ProposedPageCount(const QString& countText, int perPage, bool numbering)
{
    if (!numbering)
        return 1;
    if (perPage == 0 || countText.trimmed().isEmpty())
        return 0;
    qint64 n = TextToInt64(countText);
    const qsizetype dash = countText.indexOf(QLatin1Char('-'));
    if (dash >= 0)
        n = TextToInt64(countText.left(dash)) - TextToInt64(countText.mid(dash + 1));
    const qint64 pages = n / perPage + (n % perPage > 0 ? 1 : 0);
    return int(std::max<qint64>(0, pages));
}
