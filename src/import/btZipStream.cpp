#include "import/btZipStream.h"

#include <QFile>

#include <zip.h>

namespace
{
const QString kDamaged = QStringLiteral("Plik nie jest poprawnym archiwum XMZ (uszkodzone archiwum zip).");

QByteArray upperAscii(const QByteArray& s)
{
    QByteArray r = s;
    for (char& c : r)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return r;
}
} // namespace

TZipFile::TZipFile(const QString& path)
{
    int code = 0;
    zip* z = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!z) {
        if (code == ZIP_ER_NOENT || code == ZIP_ER_OPEN || code == ZIP_ER_READ)
            m_error = QStringLiteral("Nie można otworzyć pliku „%1”.").arg(path);
        else
            m_error = kDamaged;
        return;
    }
    const zip_int64_t count = zip_get_num_entries(z, 0);
    if (count < 0 || count > kMaxEntries) {
        zip_discard(z);
        m_error = kDamaged;
        return;
    }
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(z, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!raw)
            continue;
        const QString name = QString::fromUtf8(raw);
        if (name.endsWith(QLatin1Char('/')))
            continue;
        m_names.append(name);
        m_indexes.append(i);
    }
    m_zip = z;
}

TZipFile::~TZipFile()
{
    if (m_zip)
        zip_discard(m_zip);
}

bool TZipFile::ReadEntry(const QString& name, QByteArray* data, QString* error) const
{
    auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    if (!m_zip)
        return fail(m_error);
    const QByteArray wanted = upperAscii(name.toUtf8());
    qsizetype found = -1;
    for (qsizetype i = 0; i < m_names.size() && found < 0; ++i)
        if (upperAscii(m_names.at(i).toUtf8()) == wanted)
            found = i;
    if (found < 0)
        return fail(QStringLiteral("Brak pozycji „%1” w archiwum.").arg(name));
    return ReadEntryAt(found, data, error);
}

bool TZipFile::ReadEntryAt(qsizetype position, QByteArray* data, QString* error) const
{
    auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    if (!m_zip)
        return fail(m_error);
    if (position < 0 || position >= m_indexes.size())
        return fail(kDamaged);
    const zip_uint64_t index = zip_uint64_t(m_indexes.at(position));
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_zip, index, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        return fail(kDamaged);
    if (st.size > zip_uint64_t(kMaxEntrySize))
        return fail(kDamaged);
    zip_file_t* file = zip_fopen_index(m_zip, index, 0);
    if (!file)
        return fail(kDamaged);
    QByteArray bytes;
    bytes.resize(qsizetype(st.size));
    // Read no more than the directory promised: a lying header must not grow the buffer.
    zip_int64_t total = 0;
    while (total < zip_int64_t(st.size)) {
        const zip_int64_t n = zip_fread(file, bytes.data() + total, zip_uint64_t(st.size) - zip_uint64_t(total));
        if (n <= 0)
            break;
        total += n;
    }
    const bool complete = total == zip_int64_t(st.size);
    zip_fclose(file);
    if (!complete)
        return fail(kDamaged);
    *data = bytes;
    return true;
}

TZipFileStream::TZipFileStream(const TZipFile& archive, const QString& entryName)
{
    m_ok = archive.ReadEntry(entryName, &m_data, &m_error);
    setBuffer(&m_data);
    if (m_ok)
        m_ok = open(QIODevice::ReadOnly);
}

TZipFileStream::TZipFileStream(const TZipFile& archive, qsizetype position)
{
    m_ok = archive.ReadEntryAt(position, &m_data, &m_error);
    setBuffer(&m_data);
    if (m_ok)
        m_ok = open(QIODevice::ReadOnly);
}
