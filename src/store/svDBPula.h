// Pools of prescription numbers (data_101) and their blocked ranges (data_102). Records are
// plain values owned by the caller. Serial values are 64-bit.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct TPulaData
{
    qint32 Id = 0;
    QString Start;
    QString End;
    QDateTime Time;
    bool Active = true;
    qint32 Printed = 0;
    qint64 Restricted = 0;
    QString LastPrinted;
    qint32 Status = 0; // pools read from an import file: 0 may be imported; never stored
};

struct TPulaBlokData
{
    qint64 Start = 0;
    qint64 End = 0;
    QDateTime Time;
    bool BlockContains(qint64 serial) const { return Start <= serial && serial <= End; }
};

// Nothing on failure; nothing shown.
std::optional<TPulaData> AddPool(const QString& first, const QString& last);
QList<TPulaData> ListPools(bool onlyActive);
int DeletePool(const TPulaData& pool); // 0 or 500
std::optional<TPulaData> FindPool(const QString& first, const QString& last);
qint32 FindPoolId(const QString& first, const QString& last); // -1 when none
std::optional<TPulaData> FindPoolById(qint32 id);
// Writes Printed, Restricted, Active and LastPrinted of the row with the pool's id.
bool SavePoolState(const TPulaData& pool);
// The next number of the pool that may be printed, or an empty text.
QString NextFreeNumber(const QString& first, const QString& last);
QString PoolTimeText(const TPulaData& pool);

bool AddBlock(TPulaData& pool, qint64 first, qint64 last);
// Nothing when the query failed.
std::optional<QList<TPulaBlokData>> ListBlocks(qint32 poolId);
bool DeleteBlock(TPulaData& pool, qint64 first, qint64 last);
int CheckBlockOverlap(qint32 poolId, qint64 first, qint64 last); // 0 or 500
qint64 CountBlockedInRange(const QString& first, const QString& last, qint64 low, qint64 high);
// 0 when the range meets no stored pool; 500 (with the "Uwaga" box unless quiet) when it does.
int CheckPoolOverlap(const QString& first, const QString& last, bool quiet);
bool IsNumberBlocked(const QString& number, const QList<TPulaBlokData>& blocks);
QString BlockTimeText(const TPulaBlokData& block);

// Recording a confirmed printout, in one transaction that re-reads the row: a number printed
// meanwhile by another process is never overwritten with an older one. False with a message.
bool RecordPrintedNumber(qint32 poolId, const QString& number, QString* error = nullptr);
// A serial printout of the whole pool: Printed goes up by one.
bool RecordSerialPrintout(qint32 poolId, QString* error = nullptr);

inline const QString kPoolOverlapMessage =
    QStringLiteral("zakres nowej puli pokrywa się z zakresem innej, istniejącej już puli");
