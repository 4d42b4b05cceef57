// solvira-cli commands over the printed form: barcodes and the rendering of one prescription.
#include "cli/Cli.h"
#include "document/svLayout.h"
#include "document/svRecipe.h"
#include "document/svRecipeJson.h"
#include "printing/svBarcode.h"
#include "printing/svFormSettings.h"
#include "printing/svFormSettingsStore.h"
#include "store/svDB.h"
#include "store/svSchema.h"
#include "shell/svGlobals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace
{
int barcode(CliContext& ctx)
{
    if (ctx.args.size() != 1)
        return ctx.usage();
    TSVBarcode code;
    code.SetTyp(bcCodeEAN128C);
    code.SetText(ctx.args.at(0));
    QString elements;
    QString error;
    if (!code.Encode(&elements, &error))
        return ctx.refuse(error);
    ctx.pair(QStringLiteral("text"), code.Text());
    ctx.pair(QStringLiteral("elements"), elements);
    ctx.pair(QStringLiteral("width"), code.Width());
    return ExitDone;
}

// The settings a rendered form takes: the data folder's settings row when the folder holds a
// database, else the defaults of a new installation.
bool loadFormSettings(TFormSettings* settings, QString* error)
{
    *settings = TFormSettings();
    if (!QFileInfo::exists(QDir::current().filePath(Db::kFileName)))
        return true;
    if (!Schema::OpenStore(QDir::currentPath(), error))
        return false;
    *settings = FormSettingsFromStore();
    return true;
}

// What the sheet hands to every form from the settings.
void applySettings(TRecipe& r, const TFormSettings& s, const QImage* logo)
{
    ApplyFormSettings(r, s);
    r.KasaChorych = s.symbolKCh;
    r.Swiadczeniodawca = s.providerLines;
    r.Logotyp = logo;
}

// One form on an A4 portrait page at the sheet's default place (centred both ways), drawn on
// a page of pageWidth x pageHeight device units.
void drawPage(QPainter& painter, int pageWidth, int pageHeight, const TFormSettings& settings,
              const TPrescriptionJson& prescription, const QImage* logo)
{
    FormWidthMM = settings.formWidthMM;
    FormHeightMM = settings.formHeightMM;
    const long double k = (long double)pageWidth / 210.0L;
    TRecipe form;
    form.SetFormWidth(int(FormWidthMM * k));
    form.SetFormHeight(int(FormHeightMM * k));
    applySettings(form, settings, logo);
    FillRecipe(form, prescription);
    // The page grid for one form, centred: half the page less half the form, each halved first.
    form.Left = pageWidth / 2 - form.Width / 2;
    form.Top = pageHeight / 2 - form.Height / 2;
    painter.save();
    form.Draw(painter);
    painter.restore();
}

int render(CliContext& ctx)
{
    QString jsonPath;
    QString outPath;
    QString dpiText;
    if (!ctx.takeOption(QStringLiteral("--prescription"), &jsonPath) || !ctx.takeOption(QStringLiteral("--out"), &outPath))
        return ctx.usage();
    const bool hasDpi = ctx.takeOption(QStringLiteral("--dpi"), &dpiText);
    if (ctx.hasUnknownOptions() || !ctx.args.isEmpty())
        return ctx.usage();
    int dpi = 150;
    if (hasDpi) {
        bool ok = false;
        dpi = dpiText.toInt(&ok);
        if (!ok || dpi < 36 || dpi > 1200)
            return ctx.usage(QStringLiteral("--dpi must be a whole number from 36 to 1200"));
    }
    const QString suffix = QFileInfo(outPath).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))
        return ctx.usage(QStringLiteral("--out must name a .png or .pdf file"));
    // Paths are taken before the data folder becomes the current directory.
    jsonPath = QFileInfo(jsonPath).absoluteFilePath();
    outPath = QFileInfo(outPath).absoluteFilePath();

    TPrescriptionJson prescription;
    QString error;
    if (!ReadPrescriptionJsonFile(jsonPath, &prescription, &error))
        return ctx.refuse(error);
    if (!ctx.enterDataFolder())
        return ExitFailure;
    TFormSettings settings;
    if (!loadFormSettings(&settings, &error))
        return ctx.fail(error);
    const QImage logo = LoadLogoPicture();
    const QImage* logoRef = logo.isNull() ? nullptr : &logo;

    if (suffix == QLatin1String("png")) {
        QImage page(RoundEven(210.0L * dpi / 25.4L), RoundEven(297.0L * dpi / 25.4L), QImage::Format_RGB32);
        page.fill(Qt::white);
        const int dpm = RoundEven(dpi / 0.0254L);
        page.setDotsPerMeterX(dpm);
        page.setDotsPerMeterY(dpm);
        QPainter painter(&page);
        drawPage(painter, page.width(), page.height(), settings, prescription, logoRef);
        painter.end();
        if (!page.save(outPath, "PNG"))
            return ctx.fail(QStringLiteral("nie można zapisać pliku %1").arg(outPath));
    } else {
        QPdfWriter pdf(outPath);
        pdf.setTitle(QStringLiteral("Solvira"));
        pdf.setCreator(ProgramTitle());
        pdf.setResolution(dpi);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&pdf))
            return ctx.fail(QStringLiteral("nie można zapisać pliku %1").arg(outPath));
        drawPage(painter, pdf.width(), pdf.height(), settings, prescription, logoRef);
        painter.end();
    }
    ctx.pair(QStringLiteral("out"), outPath);
    return ExitDone;
}

SOLVIRA_CLI_COMMAND({QStringLiteral("barcode"), QStringLiteral("barcode TEXT"),
                     QStringLiteral("GS1-128 code set C of a digit text: normalised text, element string, width"),
                     barcode});
SOLVIRA_CLI_COMMAND({QStringLiteral("render"),
                     QStringLiteral("render --prescription FILE.json --out FILE.png|.pdf [--dpi N]"),
                     QStringLiteral("draw one complete prescription form on an A4 page (PNG or PDF)"), render});
} // namespace
