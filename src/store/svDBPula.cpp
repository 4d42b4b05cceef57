#include "store/svDBPula.h"

#include "numbers/svNumbers.h"
#include "shell/Ask.h"
#include "shell/Clock.h"
#include "shell/svGlobals.h"
#include "store/svDB.h"

#include <QCursor>
#include <QGuiApplication>

namespace
{
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

TPulaData poolFromRow(const TTable& t)
{
    TPulaData p;
    p.Id = qint32(t.AsInteger(QStringLiteral("id")));
    p.Start = TrimRightBlanks(t.AsString(QStringLiteral("start")));
    p.End = TrimRightBlanks(t.AsString(QStringLiteral("end")));
    p.Time = t.AsDateTime(QStringLiteral("time"));
    p.Active = t.AsBoolean(QStringLiteral("active"));
    p.Printed = qint32(t.AsInteger(QStringLiteral("printed")));
    p.Restricted = t.AsInteger(QStringLiteral("restricted"));
    p.LastPrinted = TrimRightBlanks(t.AsString(QStringLiteral("lastprinted")));
    return p;
}

TPulaData poolFromQuery(const TQuery& q)
{
    TPulaData p;
    p.Id = q.Field(QStringLiteral("id")).toInt();
    p.Start = TrimRightBlanks(q.Field(QStringLiteral("start")).toString());
    p.End = TrimRightBlanks(q.Field(QStringLiteral("end")).toString());
    p.Time = QDateTime::fromString(q.Field(QStringLiteral("time")).toString(), kTimeFormat);
    p.Active = q.Field(QStringLiteral("active")).toLongLong() != 0;
    p.Printed = q.Field(QStringLiteral("printed")).toInt();
    p.Restricted = q.Field(QStringLiteral("restricted")).toLongLong();
    p.LastPrinted = TrimRightBlanks(q.Field(QStringLiteral("lastprinted")).toString());
    return p;
}

class BusyCursor
{
public:
    BusyCursor()
    {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        m_set = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    }
    ~BusyCursor()
    {
        if (m_set)
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool m_set = false;
};

// The first serial at or after serial that no block of the pool contains. Each step jumps over
// the longest block that holds the serial, so a long blocked range costs one query.
qint64 firstUnblocked(qint32 poolId, qint64 serial, qint64 limit)
{
    while (serial <= limit) {
        // Only blocks ending at or after the serial are read: blocks long passed cost nothing.
        TQuery q(QStringLiteral("SELECT max(\"end\") FROM data_102 INDEXED BY data_102_koniec "
                                "WHERE idpool = ? AND \"end\" >= ? AND start <= ?"),
                 {poolId, serial, serial});
        if (!q.Open() || !q.Next() || q.Field(0).isNull())
            break;
        serial = q.Field(0).toLongLong() + 1;
    }
    return serial;
}
} // namespace

std::optional<TPulaData> AddPool(const QString& first, const QString& last)
{
    TTable& t = PoolsTable();
    if (!t.Open())
        return std::nullopt;
    t.Append();
    t.SetValue(QStringLiteral("start"), first);
    t.SetValue(QStringLiteral("end"), last);
    t.SetValue(QStringLiteral("printed"), 0);
    t.SetValue(QStringLiteral("restricted"), 0);
    t.SetValue(QStringLiteral("active"), true);
    t.SetValue(QStringLiteral("time"), Clock::now());
    if (!t.Post()) {
        t.Close();
        return std::nullopt;
    }
    TPulaData p = poolFromRow(t);
    p.LastPrinted.clear();
    t.Close();
    return p;
}

QList<TPulaData> ListPools(bool onlyActive)
{
    QList<TPulaData> pools;
    TQuery q(QStringLiteral("SELECT * FROM data_101 ORDER BY rowid"));
    if (!q.Open())
        return pools;
    while (q.Next()) {
        TPulaData p = poolFromQuery(q);
        if (!onlyActive || p.Active)
            pools.append(p);
    }
    return pools;
}

int DeletePool(const TPulaData& pool)
{
    QString error;
    if (!Db::BeginImmediate(&error))
        return 500;
    const bool ok = Db::Exec(QStringLiteral("DELETE FROM data_101 WHERE id = ?"), {pool.Id})
        && Db::Exec(QStringLiteral("DELETE FROM data_102 WHERE idpool = ?"), {pool.Id});
    if (!ok) {
        Db::Rollback();
        return 500;
    }
    return Db::Commit() ? 0 : 500;
}

std::optional<TPulaData> FindPool(const QString& first, const QString& last)
{
    TQuery q(QStringLiteral("SELECT * FROM data_101 WHERE start = ? AND \"end\" = ? ORDER BY rowid LIMIT 1"), {first, last});
    if (!q.Open() || !q.Next())
        return std::nullopt;
    return poolFromQuery(q);
}

std::optional<TPulaData> FindPoolById(qint32 id)
{
    TQuery q(QStringLiteral("SELECT * FROM data_101 WHERE id = ?"), {id});
    if (!q.Open() || !q.Next())
        return std::nullopt;
    return poolFromQuery(q);
}

qint32 FindPoolId(const QString& first, const QString& last)
{
    const auto p = FindPool(first, last);
    return p ? p->Id : -1;
}

bool SavePoolState(const TPulaData& pool)
{
    return Db::Exec(QStringLiteral("UPDATE data_101 SET printed = ?, restricted = ?, active = ?, lastprinted = ? WHERE id = ?"),
                    {pool.Printed, pool.Restricted, pool.Active ? 1 : 0, pool.LastPrinted, pool.Id});
}

QString NextFreeNumber(const QString& first, const QString& last)
{
    const auto pool = FindPool(first, last);
    if (!pool)
        return QString();
    const qint64 endSerial = SerialValue(pool->End);
    const qint64 candidate = IsBlank(pool->LastPrinted) ? SerialValue(pool->Start) : SerialValue(pool->LastPrinted) + 1;
    const qint64 serial = firstUnblocked(pool->Id, candidate, endSerial);
    if (serial > endSerial)
        return QString();
    return NumberWithSerial(pool->Start, serial);
}

QString PoolTimeText(const TPulaData& pool)
{
    return pool.Time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

bool AddBlock(TPulaData& pool, qint64 first, qint64 last)
{
    if (!Db::BeginImmediate())
        return false;
    const bool ok = Db::Exec(QStringLiteral("INSERT INTO data_102 (idpool, start, \"end\", time) VALUES (?, ?, ?, ?)"),
                             {pool.Id, first, last, Clock::now().toString(kTimeFormat)})
        && Db::Exec(QStringLiteral("UPDATE data_101 SET restricted = restricted + ? WHERE id = ?"), {last - first + 1, pool.Id});
    if (!ok || !Db::Commit()) {
        Db::Rollback();
        return false;
    }
    pool.Restricted += last - first + 1;
    return true;
}

std::optional<QList<TPulaBlokData>> ListBlocks(qint32 poolId)
{
    TQuery q(QStringLiteral("SELECT * FROM data_102 WHERE idpool = ? ORDER BY start"), {poolId});
    if (!q.Open())
        return std::nullopt;
    QList<TPulaBlokData> blocks;
    while (q.Next())
        blocks.append({q.Field(QStringLiteral("start")).toLongLong(), q.Field(QStringLiteral("end")).toLongLong(),
                       QDateTime::fromString(q.Field(QStringLiteral("time")).toString(), kTimeFormat)});
    return blocks;
}

bool DeleteBlock(TPulaData& pool, qint64 first, qint64 last)
{
    if (first == 0 && last == 0)
        return Db::Exec(QStringLiteral("DELETE FROM data_102 WHERE idpool = ?"), {pool.Id});
    if (!Db::BeginImmediate())
        return false;
    const bool ok = Db::Exec(QStringLiteral("DELETE FROM data_102 WHERE idpool = ? AND start = ? AND \"end\" = ?"),
                             {pool.Id, first, last})
        && Db::Exec(QStringLiteral("UPDATE data_101 SET restricted = restricted - ? WHERE id = ?"), {last - first + 1, pool.Id});
    if (!ok || !Db::Commit()) {
        Db::Rollback();
        return false;
    }
    pool.Restricted -= last - first + 1;
    return true;
}

int CheckBlockOverlap(qint32 poolId, qint64 first, qint64 last)
{
    TQuery q(QStringLiteral("SELECT count(*) AS ile FROM data_102 WHERE idpool = ? AND start <= ? AND \"end\" >= ?"),
             {poolId, last, first});
    if (!q.Open() || !q.Next())
        return 500;
    return q.Field(QStringLiteral("ile")).toLongLong() == 0 ? 0 : 500;
}

qint64 CountBlockedInRange(const QString& first, const QString& last, qint64 low, qint64 high)
{
    TQuery q(QStringLiteral("SELECT data_102.start, data_102.\"end\" FROM data_102, data_101 "
                            "WHERE (data_101.start = ? AND data_101.\"end\" = ? AND data_101.id = data_102.idpool) "
                            "AND ((data_102.start >= ? AND data_102.start <= ?) OR (data_102.\"end\" >= ? AND data_102.\"end\" <= ?))"),
             {first, last, low, high, low, high});
    if (!q.Open())
        return 0;
    qint64 total = 0;
    while (q.Next()) {
        const qint64 s = q.Field(0).toLongLong();
        const qint64 e = q.Field(1).toLongLong();
        const bool sIn = s >= low && s <= high;
        const bool eIn = e >= low && e <= high;
        if (sIn && eIn)
            total += e - s + 1;
        else if (eIn)
            total += e - low + 1;
        else if (sIn)
            total += high - s + 1;
    }
    return total;
}

int CheckPoolOverlap(const QString& first, const QString& last, bool quiet)
{
    BusyCursor busy;
    TQuery q(QStringLiteral("SELECT start, \"end\" FROM data_101 WHERE substr(start, 1, 8) = ? ORDER BY rowid"), {first.left(8)});
    bool meets = false;
    if (q.Open()) {
        const qint64 s1 = SerialValue(first);
        const qint64 e1 = SerialValue(last);
        while (!meets && q.Next()) {
            const QString start = TrimRightBlanks(q.Field(0).toString());
            const QString end = TrimRightBlanks(q.Field(1).toString());
            if (!SameConstantPart(start, first))
                continue;
            meets = SerialValue(start) <= e1 && SerialValue(end) >= s1;
        }
    }
    if (!meets)
        return 0;
    if (!quiet)
        Ask::refused(kPoolOverlapMessage);
    return 500;
}

bool IsNumberBlocked(const QString& number, const QList<TPulaBlokData>& blocks)
{
    const qint64 serial = SerialValue(number);
    for (const TPulaBlokData& b : blocks)
        if (b.BlockContains(serial))
            return true;
    return false;
}

QString BlockTimeText(const TPulaBlokData& block)
{
    return block.Time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

bool RecordPrintedNumber(qint32 poolId, const QString& number, QString* error)
{
    if (!Db::BeginImmediate(error))
        return false;
    TQuery q(QStringLiteral("SELECT lastprinted FROM data_101 WHERE id = ?"), {poolId});
    if (!q.Open() || !q.Next()) {
        Db::Rollback();
        if (error)
            *error = QStringLiteral("pula numeracyjna nie istnieje");
        return false;
    }
    const QString stored = TrimRightBlanks(q.Field(0).toString());
    q.SetSql(QString());
    // Another process may have printed a later number meanwhile: never go back.
    if (!IsBlank(stored) && SerialValue(stored) >= SerialValue(number))
        return Db::Commit(error);
    if (!Db::Exec(QStringLiteral("UPDATE data_101 SET lastprinted = ? WHERE id = ?"), {number, poolId}, error)) {
        Db::Rollback();
        return false;
    }
    return Db::Commit(error);
}

bool RecordSerialPrintout(qint32 poolId, QString* error)
{
    return Db::Exec(QStringLiteral("UPDATE data_101 SET printed = printed + 1 WHERE id = ?"), {poolId}, error);
}
