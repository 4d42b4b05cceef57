#include "printing/svNumGen.h"

#include "numbers/svNumbers.h"
#include "shell/svGlobals.h"

#include <QRandomGenerator>

#include <algorithm>

TSVNumGen::TSVNumGen(QList<TSerialRange> blocks)
    : m_blocks(std::move(blocks))
{
    std::sort(m_blocks.begin(), m_blocks.end(), [](const TSerialRange& a, const TSerialRange& b) { return a.Start < b.Start; });
    for (int i = 0; i < 22; ++i)
        m_sample += QChar('0' + int(QRandomGenerator::global()->bounded(10)));
}

QString TSVNumGen::NextNumber()
{
    return m_sample;
}

bool TSVNumGen::IsBlocked(qint64 serial) const
{
    for (const TSerialRange& b : m_blocks) {
        if (b.Start > serial)
            break;
        if (serial <= b.End)
            return true;
    }
    return false;
}

qint64 TSVNumGen::FirstUnblocked(qint64 serial) const
{
    // Blocks are sorted by their start; overlapping or adjacent blocks are passed in one walk,
    // so a long blocked range costs one step, not one per number.
    for (const TSerialRange& b : m_blocks) {
        if (b.Start > serial)
            break;
        if (serial <= b.End)
            serial = b.End + 1;
    }
    return serial;
}

TSVNumGenMulti::TSVNumGenMulti(const QString& poolStart, const QString& poolEnd, qint64 firstSerial,
                               QList<TSerialRange> blocks)
    : TSVNumGen(std::move(blocks))
    , m_start(poolStart)
    , m_end(poolEnd)
    , m_firstSerial(firstSerial)
{
}

QString TSVNumGenMulti::NextNumber()
{
    if (m_current == m_end)
        return QString();
    const qint64 endSerial = SerialValue(m_end);
    qint64 serial = 0;
    if (m_current.isEmpty()) {
        serial = m_firstSerial;
    } else {
        serial = SerialValue(m_current);
        if (serial >= endSerial)
            return QString();
        ++serial;
    }
    serial = FirstUnblocked(serial);
    if (serial > endSerial) {
        m_current = m_end;
        return QString();
    }
    m_current = NumberWithSerial(m_start, serial);
    return m_current;
}

TSVNumGenSingle::TSVNumGenSingle(const QString& poolStart, const QString& poolEnd, const QString& lastPrinted,
                                 QList<TSerialRange> blocks)
    : TSVNumGen(std::move(blocks))
    , m_start(poolStart)
    , m_end(poolEnd)
    , m_lastPrinted(lastPrinted)
{
}

QString TSVNumGenSingle::NextNumber()
{
    const qint64 serial = FirstUnblocked(IsBlank(m_lastPrinted) ? SerialValue(m_start) : SerialValue(m_lastPrinted) + 1);
    if (serial > SerialValue(m_end)) {
        m_lastPrinted = m_end;
        return QString();
    }
    m_lastPrinted = NumberWithSerial(m_start, serial);
    return m_lastPrinted;
}
