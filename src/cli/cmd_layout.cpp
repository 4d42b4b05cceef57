// solvira-cli layout: the corners of the page grid.
#include "cli/Cli.h"
#include "printing/svPageGrid.h"

namespace
{
bool parseSize(const QString& text, int* w, int* h)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return false;
    bool ok1 = false, ok2 = false;
    *w = parts.at(0).toInt(&ok1);
    *h = parts.at(1).toInt(&ok2);
    return ok1 && ok2 && *w >= 0 && *h >= 0;
}

bool parseAlign(CliContext& ctx, const QString& option, int* value)
{
    QString text;
    if (!ctx.args.contains(option))
        return true;
    if (!ctx.takeOption(option, &text))
        return false;
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= 0 && *value <= 2;
}

int layout(CliContext& ctx)
{
    QString page, form, count;
    if (!ctx.takeOption(QStringLiteral("--page"), &page) || !ctx.takeOption(QStringLiteral("--form"), &form)
        || !ctx.takeOption(QStringLiteral("--count"), &count))
        return ctx.usage();
    int hAlign = alCenter, vAlign = alMiddle;
    if (!parseAlign(ctx, QStringLiteral("--halign"), &hAlign) || !parseAlign(ctx, QStringLiteral("--valign"), &vAlign))
        return ctx.usage(QStringLiteral("alignment must be 0, 1 or 2"));
    const bool evenH = ctx.takeFlag(QStringLiteral("--even-h"));
    const bool evenV = ctx.takeFlag(QStringLiteral("--even-v"));
    int pw = 0, ph = 0, fw = 0, fh = 0;
    bool ok = false;
    const int n = count.toInt(&ok);
    if (!ctx.args.isEmpty() || !parseSize(page, &pw, &ph) || !parseSize(form, &fw, &fh) || !ok || n < 0)
        return ctx.usage();
    for (const QPoint& p : PageGrid(hAlign, vAlign, pw, ph, fw, fh, n, evenH, evenV))
        ctx.record({QString::number(p.x()), QString::number(p.y())});
    return ExitDone;
}
} // namespace

SOLVIRA_CLI_COMMAND({QStringLiteral("layout"),
                     QStringLiteral("layout --page WxH --form WxH --count N [--halign 0|1|2] [--valign 0|1|2] "
                                    "[--even-h] [--even-v]"),
                     QStringLiteral("the corners of the forms on a page, in drawing order"), layout});
