// solvira-cli commands over the printed form: barcodes and the rendering of one prescription.
#include "cli/Cli.h"
#include "printing/svBarcode.h"

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

SOLVIRA_CLI_COMMAND({QStringLiteral("barcode"), QStringLiteral("barcode TEXT"),
                     QStringLiteral("GS1-128 code set C of a digit text: normalised text, element string, width"),
                     barcode});
} // namespace
