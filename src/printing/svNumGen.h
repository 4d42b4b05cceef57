// Number generators: where the numbers printed on a sheet come from. The base hands out one
// random sample number (previews, forms without numbers); the two others walk a pool,
// skipping blocked numbers. Serial values are 64-bit.
#pragma once

#include <QList>
#include <QString>

// A blocked range of serial values, both ends inclusive.
struct TSerialRange
{
    qint64 Start = 0;
    qint64 End = 0;
};

class TSVNumGen
{
public:
    explicit TSVNumGen(QList<TSerialRange> blocks = {});
    virtual ~TSVNumGen() = default;

    // The next number to print; empty when there is none. The base gives its sample every time.
    virtual QString NextNumber();
    bool IsBlocked(qint64 serial) const;
    QString SampleNumber() const { return m_sample; }

protected:
    // The first serial at or after serial that no block contains.
    qint64 FirstUnblocked(qint64 serial) const;

private:
    QList<TSerialRange> m_blocks; // sorted by Start
    QString m_sample;             // 22 random digits
};

// The numbers of a serial printout: from firstSerial to the pool's end, blocked ones skipped.
class TSVNumGenMulti : public TSVNumGen
{
public:
    TSVNumGenMulti(const QString& poolStart, const QString& poolEnd, qint64 firstSerial, QList<TSerialRange> blocks);
    QString NextNumber() override;

private:
    QString m_start;
    QString m_end;
    qint64 m_firstSerial = 0;
    QString m_current;
};

// The number of one prescription: the first unblocked number after the pool's last printed.
class TSVNumGenSingle : public TSVNumGen
{
public:
    TSVNumGenSingle(const QString& poolStart, const QString& poolEnd, const QString& lastPrinted,
                    QList<TSerialRange> blocks);
    QString NextNumber() override;
    // The generator's own record of the pool's last printed number (nothing is stored).
    QString LastPrinted() const { return m_lastPrinted; }

private:
    QString m_start;
    QString m_end;
    QString m_lastPrinted;
};
