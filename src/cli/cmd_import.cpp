// solvira-cli import: every pool of every entry of an XMZ file, as if every tree node stayed
// ticked.
#include "cli/Cli.h"
#include "cli/CliStore.h"
#include "import/svPulaImport.h"
#include "shell/Ask.h"

#include <QFileInfo>

namespace
{
int importXmz(CliContext& ctx)
{
    const bool list = ctx.takeFlag(QStringLiteral("--list"));
    if (ctx.args.size() != 1 || ctx.hasUnknownOptions())
        return ctx.usage();
    // The path is taken before the data folder becomes the current directory.
    const QString path = QFileInfo(ctx.args.first()).absoluteFilePath();
    std::vector<TXmzEntry> entries;
    QStringList messages;
    if (!LoadXmzArchive(path, &entries, &messages)) {
        // A structural message keeps its two lines.
        for (qsizetype i = 0; i + 1 < messages.size(); ++i)
            ctx.err << QString(messages.at(i)).replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
        return ctx.refuse(messages.last());
    }
    if (list) {
        for (const TXmzEntry& e : entries) {
            ctx.record({QStringLiteral("0"), e.facade->ProviderText()});
            for (int i = 0; i < e.facade->DoctorCount(); ++i) {
                ctx.record({QStringLiteral("1"), e.facade->DoctorText(i)});
                for (int j = 0; j < e.facade->PoolCount(i); ++j)
                    ctx.record({QStringLiteral("2"), e.facade->PoolText(i, j)});
            }
        }
        return ExitDone;
    }
    int rc = ExitDone;
    if (!OpenCliStore(ctx, &rc))
        return rc;
    Ask::clearShown();
    const TImportResult result = ImportPools(AllPools(entries));
    // Overlaps and pools that could not be stored were skipped: their messages go to stderr.
    for (const AskBox& box : Ask::shown())
        if (box.icon != AskIcon::Information)
            ctx.err << QString(box.text).replace(QLatin1Char('\r'), QLatin1Char(' ')) << '\n';
    ctx.pair(QStringLiteral("pools"), result.pools);
    ctx.pair(QStringLiteral("numbers"), result.numbers);
    return ExitDone;
}
} // namespace

SOLVIRA_CLI_COMMAND({QStringLiteral("import"), QStringLiteral("import FILE [--list]"),
                     QStringLiteral("stores every pool of an XMZ file (--list: prints the tree, stores nothing)"),
                     importXmz});
