// solvira-cli commands over the store's pools and blocks.
#include "cli/Cli.h"
#include "cli/CliStore.h"
#include "numbers/svNumbers.h"
#include "shell/svGlobals.h"
#include "store/svDB.h"
#include "store/svDBPula.h"

#include <QDir>

namespace
{
const QString kNoPool = QStringLiteral("pula numeracyjna nie istnieje");

bool parseInt(const QString& text, qint64* value)
{
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok;
}

// The pool named by the first argument; refuses when it does not exist.
std::optional<TPulaData> poolArgument(CliContext& ctx, int* rc)
{
    qint64 id = 0;
    if (ctx.args.isEmpty() || !parseInt(ctx.args.first(), &id)) {
        *rc = ctx.usage();
        return std::nullopt;
    }
    auto pool = FindPoolById(qint32(id));
    if (!pool)
        *rc = ctx.refuse(kNoPool);
    return pool;
}

// Opens the data folder's store, then takes the pool named by the first argument.
std::optional<TPulaData> openPool(CliContext& ctx, int* rc)
{
    if (!OpenCliStore(ctx, rc))
        return std::nullopt;
    return poolArgument(ctx, rc);
}

int init(CliContext& ctx)
{
    int rc = ExitDone;
    if (!ctx.args.isEmpty())
        return ctx.usage();
    if (!OpenCliStore(ctx, &rc))
        return rc;
    ctx.pair(QStringLiteral("database"), Db::FilePath());
    return ExitDone;
}

int poolAdd(CliContext& ctx)
{
    if (ctx.args.size() != 2)
        return ctx.usage();
    int rc = ExitDone;
    if (!OpenCliStore(ctx, &rc))
        return rc;
    const QString first = TrimBlanks(ctx.args.at(0));
    const QString last = TrimBlanks(ctx.args.at(1));
    const QString invalid = RangeError(first, last);
    if (!invalid.isEmpty())
        return ctx.refuse(invalid);
    if (CheckPoolOverlap(first, last, true) != 0)
        return ctx.refuse(kPoolOverlapMessage);
    const auto pool = AddPool(first, last);
    if (!pool)
        return ctx.fail(QStringLiteral("Nie można zapisać puli numeracyjnej."));
    ctx.out << pool->Id << '\n';
    return ExitDone;
}

int poolList(CliContext& ctx)
{
    const bool active = ctx.takeFlag(QStringLiteral("--active"));
    if (!ctx.args.isEmpty())
        return ctx.usage();
    int rc = ExitDone;
    if (!OpenCliStore(ctx, &rc))
        return rc;
    for (const TPulaData& p : ListPools(active))
        ctx.record({QString::number(p.Id), p.Start, p.End, PoolTimeText(p), p.Active ? "1" : "0",
                    QString::number(p.Printed), QString::number(p.Restricted), p.LastPrinted,
                    QString::number(PoolSize(p.Start, p.End))});
    return ExitDone;
}

// ID FROM TO: the pool, opened, and the range of serial values.
std::optional<TPulaData> openPoolRange(CliContext& ctx, qint64* from, qint64* to, int* rc)
{
    if (ctx.args.size() != 3 || !parseInt(ctx.args.at(1), from) || !parseInt(ctx.args.at(2), to)) {
        *rc = ctx.usage();
        return std::nullopt;
    }
    return openPool(ctx, rc);
}

int poolBlock(CliContext& ctx)
{
    int rc = ExitDone;
    qint64 from = 0, to = 0;
    auto pool = openPoolRange(ctx, &from, &to, &rc);
    if (!pool)
        return rc;
    if (from > to)
        return ctx.refuse(QStringLiteral("numer początkowy jest większy niż końcowy"));
    if (from < SerialValue(pool->Start) || to > SerialValue(pool->End))
        return ctx.refuse(QStringLiteral("zakres blokowanych recept wykracza poza pulę"));
    if (CheckBlockOverlap(pool->Id, from, to) != 0)
        return ctx.refuse(
            QStringLiteral("zakres blokowanych recept pokrywa się z innym zakresem zablokowanych numerów w tej puli"));
    if (!AddBlock(*pool, from, to))
        return ctx.fail(QStringLiteral("Nie można zapisać zakresu zablokowanych numerów."));
    return ExitDone;
}

int poolUnblock(CliContext& ctx)
{
    int rc = ExitDone;
    qint64 from = 0, to = 0;
    auto pool = openPoolRange(ctx, &from, &to, &rc);
    if (!pool)
        return rc;
    const auto blocks = ListBlocks(pool->Id);
    bool found = false;
    for (const TPulaBlokData& b : blocks.value_or(QList<TPulaBlokData>()))
        found = found || (b.Start == from && b.End == to);
    if (!found || (from == 0 && to == 0))
        return ctx.refuse(QStringLiteral("w tej puli nie ma takiego zakresu zablokowanych numerów"));
    if (!DeleteBlock(*pool, from, to))
        return ctx.fail(QStringLiteral("Nie można usunąć zakresu zablokowanych numerów."));
    return ExitDone;
}

int poolBlocks(CliContext& ctx)
{
    int rc = ExitDone;
    if (ctx.args.size() != 1)
        return ctx.usage();
    auto pool = openPool(ctx, &rc);
    if (!pool)
        return rc;
    const auto blocks = ListBlocks(pool->Id);
    if (!blocks)
        return ctx.fail(QStringLiteral("Nie można odczytać zablokowanych numerów."));
    for (const TPulaBlokData& b : *blocks)
        ctx.record({QString::number(b.Start), QString::number(b.End), QString::number(b.End - b.Start + 1), BlockTimeText(b)});
    return ExitDone;
}

int poolNext(CliContext& ctx)
{
    int rc = ExitDone;
    if (ctx.args.size() != 1)
        return ctx.usage();
    auto pool = openPool(ctx, &rc);
    if (!pool)
        return rc;
    ctx.out << NextFreeNumber(pool->Start, pool->End) << '\n';
    return ExitDone;
}

int poolDelete(CliContext& ctx)
{
    int rc = ExitDone;
    if (ctx.args.size() != 1)
        return ctx.usage();
    auto pool = openPool(ctx, &rc);
    if (!pool)
        return rc;
    return DeletePool(*pool) == 0 ? ExitDone : ctx.fail(QStringLiteral("Nie można usunąć puli numeracyjnej."));
}

int poolSetActive(CliContext& ctx)
{
    int rc = ExitDone;
    if (ctx.args.size() != 2 || (ctx.args.at(1) != QLatin1String("0") && ctx.args.at(1) != QLatin1String("1")))
        return ctx.usage();
    auto pool = openPool(ctx, &rc);
    if (!pool)
        return rc;
    pool->Active = ctx.args.at(1) == QLatin1String("1");
    return SavePoolState(*pool) ? ExitDone : ctx.fail(QStringLiteral("Nie można zapisać puli numeracyjnej."));
}
} // namespace

SOLVIRA_CLI_COMMAND({QStringLiteral("init"), QStringLiteral("init"),
                     QStringLiteral("creates the data folder's database when missing and brings it up to date"), init});
SOLVIRA_CLI_COMMAND({QStringLiteral("pool add"), QStringLiteral("pool add FIRST LAST"),
                     QStringLiteral("adds a pool of numbers; prints its id"), poolAdd});
SOLVIRA_CLI_COMMAND({QStringLiteral("pool list"), QStringLiteral("pool list [--active]"),
                     QStringLiteral("id, start, end, time, active, printed, restricted, lastprinted, size"), poolList});
SOLVIRA_CLI_COMMAND({QStringLiteral("pool block"), QStringLiteral("pool block ID FROM TO"),
                     QStringLiteral("blocks the serial values FROM..TO of the pool"), poolBlock});
SOLVIRA_CLI_COMMAND({QStringLiteral("pool unblock"), QStringLiteral("pool unblock ID FROM TO"),
                     QStringLiteral("removes a blocked range"), poolUnblock});
SOLVIRA_CLI_COMMAND({QStringLiteral("pool blocks"), QStringLiteral("pool blocks ID"),
                     QStringLiteral("from, to, count, time of each blocked range"), poolBlocks});
SOLVIRA_CLI_COMMAND({QStringLiteral("pool next"), QStringLiteral("pool next ID"),
                     QStringLiteral("the next number that may be printed (empty when used up)"), poolNext});
SOLVIRA_CLI_COMMAND({QStringLiteral("pool delete"), QStringLiteral("pool delete ID"),
                     QStringLiteral("removes the pool and its blocks"), poolDelete});
SOLVIRA_CLI_COMMAND({QStringLiteral("pool set-active"), QStringLiteral("pool set-active ID 0|1"),
                     QStringLiteral("offers the pool for printing or not"), poolSetActive});
