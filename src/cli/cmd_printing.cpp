// solvira-cli print-serial and print-single: print jobs to a printer or a PDF file.
#include "cli/Cli.h"
#include "cli/CliStore.h"
#include "document/svLayout.h"
#include "document/svRecipeJson.h"
#include "numbers/svNumbers.h"
#include "printing/svFormSettingsStore.h"
#include "printing/svPrinting.h"
#include "shell/Clock.h"
#include "shell/svGlobals.h"
#include "store/svDBPula.h"

#include <QFileInfo>

namespace
{
struct Target
{
    std::unique_ptr<TSVPrinter> printer;
    int rc = ExitDone;
};

// --pdf FILE or --printer NAME, then --paper NAME; refusals carry the Polish message.
Target openTarget(CliContext& ctx, const QString& pdf, const QString& printerName, const QString& paper)
{
    Target t;
    if (pdf.isEmpty() == printerName.isEmpty()) {
        t.rc = ctx.usage(QStringLiteral("give exactly one of --pdf FILE and --printer NAME"));
        return t;
    }
    t.printer = pdf.isEmpty() ? Printers::Open(printerName) : Printers::Open(Printers::kPdfPrinterName, pdf);
    if (!t.printer) {
        t.rc = ctx.refuse(QStringLiteral("nie ma w systemie drukarki „%1”").arg(printerName));
        return t;
    }
    if (!paper.isEmpty() && !t.printer->SetPaper(paper)) {
        t.rc = ctx.refuse(QStringLiteral("drukarka „%1” nie obsługuje papieru „%2”").arg(t.printer->Name(), paper));
        t.printer.reset();
    }
    return t;
}

// --align 1..9: 1 top left ... 9 bottom right.
bool parseAlign(const QString& text, int* h, int* v)
{
    bool ok = false;
    const int a = text.toInt(&ok);
    if (!ok || a < 1 || a > 9)
        return false;
    *h = (a - 1) % 3;
    *v = (a - 1) / 3;
    return true;
}

// The options both print commands take: where the page goes, its paper, orientation and alignment.
struct TOutputOptions
{
    QString paper, pdf, printerName;
    bool landscape = false;
    bool confirm = false;
    bool hasAlign = false;
    bool alignOk = true;
    int hAlign = alCenter;
    int vAlign = alMiddle;
};

TOutputOptions takeOutputOptions(CliContext& ctx)
{
    TOutputOptions o;
    o.landscape = ctx.takeFlag(QStringLiteral("--landscape"));
    o.confirm = ctx.takeFlag(QStringLiteral("--confirm"));
    QString alignText;
    o.hasAlign = ctx.takeOption(QStringLiteral("--align"), &alignText);
    o.alignOk = !o.hasAlign || parseAlign(alignText, &o.hAlign, &o.vAlign);
    ctx.takeOption(QStringLiteral("--paper"), &o.paper);
    ctx.takeOption(QStringLiteral("--pdf"), &o.pdf);
    ctx.takeOption(QStringLiteral("--printer"), &o.printerName);
    if (!o.pdf.isEmpty())
        o.pdf = QFileInfo(o.pdf).absoluteFilePath();
    return o;
}

bool takeNumber(CliContext& ctx, const QString& option, qint64* value, bool* given)
{
    QString text;
    *given = ctx.args.contains(option);
    if (!*given)
        return true;
    if (!ctx.takeOption(option, &text))
        return false;
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok;
}

QList<TSerialRange> blocksOf(const TPulaData& pool)
{
    QList<TSerialRange> ranges;
    for (const TPulaBlokData& b : ListBlocks(pool.Id).value_or(QList<TPulaBlokData>()))
        ranges.append({b.Start, b.End});
    return ranges;
}

int printSerial(CliContext& ctx)
{
    qint64 poolId = 0, from = 0, pages = 0, perPage = 0;
    bool hasPool = false, hasFrom = false, hasPages = false, hasPerPage = false;
    if (!takeNumber(ctx, QStringLiteral("--pool"), &poolId, &hasPool) || !takeNumber(ctx, QStringLiteral("--from"), &from, &hasFrom)
        || !takeNumber(ctx, QStringLiteral("--pages"), &pages, &hasPages)
        || !takeNumber(ctx, QStringLiteral("--per-page"), &perPage, &hasPerPage))
        return ctx.usage();
    const bool autoArrange = ctx.takeFlag(QStringLiteral("--auto"));
    const bool noFrames = ctx.takeFlag(QStringLiteral("--no-frames"));
    const bool noNumber = ctx.takeFlag(QStringLiteral("--no-number"));
    const bool noProvider = ctx.takeFlag(QStringLiteral("--no-provider"));
    const bool noNfz = ctx.takeFlag(QStringLiteral("--no-nfz"));
    const TOutputOptions o = takeOutputOptions(ctx);
    if (!ctx.args.isEmpty() || !hasPool || (hasPerPage && autoArrange) || !o.alignOk
        || (hasPages && (pages < 0 || pages > 999)) || (hasPerPage && perPage < 1))
        return ctx.usage();
    int rc = ExitDone;
    if (!OpenCliStore(ctx, &rc))
        return rc;
    const auto pool = FindPoolById(qint32(poolId));
    if (!pool)
        return ctx.refuse(QStringLiteral("pula numeracyjna nie istnieje"));
    Target target = openTarget(ctx, o.pdf, o.printerName, o.paper);
    if (!target.printer)
        return target.rc;

    // The offered range: from the number after the last printed one to the pool's end.
    const qint64 endSerial = SerialValue(pool->End);
    const qint64 offered = IsBlank(pool->LastPrinted) ? SerialValue(pool->Start) : SerialValue(pool->LastPrinted) + 1;
    const qint64 first = hasFrom ? from : offered;
    if (!noNumber && (first > endSerial || NextFreeNumber(pool->Start, pool->End).isEmpty()))
        return ctx.refuse(QStringLiteral("pula numeracyjna została już wykorzystana"));
    if (!noNumber && first < SerialValue(pool->Start))
        return ctx.refuse(QStringLiteral("numer początkowy nie należy do puli"));

    TPrintingData d;
    d.Printer = target.printer.get();
    d.Mode = noNumber ? 1 : 0;
    d.PoolFound = true;
    d.PoolStart = pool->Start;
    d.PoolEnd = pool->End;
    d.Blocks = blocksOf(*pool);
    d.FirstSerial = first;
    d.Auto = autoArrange || (!hasPerPage && !o.hasAlign);
    d.PerPage = hasPerPage ? int(perPage) : -1;
    d.Orientation = o.landscape ? 1 : 0;
    d.HAlign = o.hAlign;
    d.VAlign = o.vAlign;
    d.DrRamki = !noFrames;
    d.DrSwiadcz = !noProvider;
    d.DrSymbKCh = !noNfz;
    d.Settings = FormSettingsFromStore();
    const QImage logo = LoadLogoPicture();
    d.Logotyp = logo.isNull() ? nullptr : &logo;
    if (hasPages) {
        d.Pages = int(pages);
    } else {
        // What the page-count dialog proposes for the whole offered range.
        TSVDrawSheetGeometry sheet;
        target.printer->SetOrientation(d.Orientation);
        const QSize phys = target.printer->PhysicalSize();
        sheet.SetPaperRect({0, 0, PixelsToMM(phys.width(), target.printer->DpiX()), PixelsToMM(phys.height(), target.printer->DpiY())});
        sheet.SetOrientation(0);
        sheet.SetLiczbaRecept(d.PerPage);
        sheet.SetAuto(d.Auto);
        const qint64 count = endSerial - first + 1;
        const qint64 blocked = CountBlockedInRange(pool->Start, pool->End, first, endSerial);
        d.Pages = ProposedPageCount(QStringLiteral("%1-%2").arg(count).arg(blocked), sheet.MaxNum(), !noNumber);
    }
    TSVPrinting job(d);
    job.Print();
    if (job.Failed())
        return ctx.fail(QStringLiteral("Drukowanie nie powiodło się."));
    const QStringList printed = job.Printed();
    ctx.pair(QStringLiteral("pages"), d.Pages);
    ctx.pair(QStringLiteral("numbers"), printed.size());
    ctx.pair(QStringLiteral("first"), printed.value(0));
    ctx.pair(QStringLiteral("last"), printed.isEmpty() ? QString() : printed.last());
    if (o.confirm && !noNumber && !printed.isEmpty()) {
        // The whole remaining pool was printed when no free number is left after the last one.
        TSVNumGenMulti rest(pool->Start, pool->End, SerialValue(printed.last()) + 1, d.Blocks);
        if (SerialValue(printed.last()) >= endSerial || rest.NextNumber().isEmpty()) {
            QString error;
            if (!RecordSerialPrintout(pool->Id, &error))
                return ctx.fail(error);
        }
    }
    return ExitDone;
}

int printSingle(CliContext& ctx)
{
    qint64 poolId = 0;
    bool hasPool = false;
    QString jsonPath;
    if (!takeNumber(ctx, QStringLiteral("--pool"), &poolId, &hasPool) || !ctx.takeOption(QStringLiteral("--prescription"), &jsonPath))
        return ctx.usage();
    const TOutputOptions o = takeOutputOptions(ctx);
    if (!ctx.args.isEmpty() || !o.alignOk)
        return ctx.usage();
    jsonPath = QFileInfo(jsonPath).absoluteFilePath();
    TPrescriptionJson prescription;
    QString error;
    if (!ReadPrescriptionJsonFile(jsonPath, &prescription, &error))
        return ctx.refuse(error);
    int rc = ExitDone;
    if (!OpenCliStore(ctx, &rc))
        return rc;
    std::optional<TPulaData> pool;
    if (hasPool) {
        pool = FindPoolById(qint32(poolId));
        if (!pool)
            return ctx.refuse(QStringLiteral("pula numeracyjna nie istnieje"));
        if (NextFreeNumber(pool->Start, pool->End).isEmpty())
            return ctx.refuse(QStringLiteral("pula numeracyjna została już wykorzystana"));
    }
    Target target = openTarget(ctx, o.pdf, o.printerName, o.paper);
    if (!target.printer)
        return target.rc;

    TPrintingData d;
    d.Printer = target.printer.get();
    d.Mode = 2;
    if (pool) {
        d.PoolFound = true;
        d.PoolStart = pool->Start;
        d.PoolEnd = pool->End;
        d.LastPrinted = pool->LastPrinted;
        d.Blocks = blocksOf(*pool);
    }
    d.Orientation = o.landscape ? 1 : 0;
    d.HAlign = o.hAlign;
    d.VAlign = o.vAlign;
    d.Settings = FormSettingsFromStore();
    prescription.Pacjent.Summary(d.PacjentLines, Clock::now());
    d.Pesel = prescription.Pacjent.pesel;
    d.Medicines = prescription.Leki;
    d.Przewlekle = prescription.Przewlekle ? QStringLiteral("1") : QString();
    d.Uprawnienia = prescription.Uprawnienia;
    d.DataReal = prescription.DataReal;
    d.Specjalny = prescription.Specjalny;
    const QImage logo = LoadLogoPicture();
    d.Logotyp = logo.isNull() ? nullptr : &logo;
    TSVPrinting job(d);
    job.Print();
    if (job.Failed())
        return ctx.fail(QStringLiteral("Drukowanie nie powiodło się."));
    const QString number = job.Printed().value(0);
    ctx.out << number << '\n';
    if (o.confirm && pool && !number.isEmpty()) {
        // The number that was printed, not a new look-up.
        if (!RecordPrintedNumber(pool->Id, number, &error))
            return ctx.fail(error);
    }
    return ExitDone;
}
} // namespace

SOLVIRA_CLI_COMMAND({QStringLiteral("print-serial"),
                     QStringLiteral("print-serial --pool ID [--from SERIAL] [--pages N] [--per-page K | --auto] [--landscape] "
                                    "[--align 1..9] [--no-frames] [--no-number] [--no-provider] [--no-nfz] [--paper NAME] "
                                    "(--pdf FILE | --printer NAME) [--confirm]"),
                     QStringLiteral("prints numbered blank forms of a pool"), printSerial});
SOLVIRA_CLI_COMMAND({QStringLiteral("print-single"),
                     QStringLiteral("print-single [--pool ID] --prescription FILE.json [--align 1..9] [--landscape] "
                                    "[--paper NAME] (--pdf FILE | --printer NAME) [--confirm]"),
                     QStringLiteral("prints one prescription with the pool's next number; prints the number used"),
                     printSingle});
