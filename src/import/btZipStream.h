// Reads the entries of an XMZ (zip) archive straight into memory. Nothing is ever written to
// disk under an entry's name, so a crafted archive cannot place files anywhere.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringList>

struct zip;

class TZipFile
{
public:
    // Archives with more entries, or entries larger than this when unpacked, are refused as
    // damaged: a zip bomb must not exhaust memory.
    static constexpr qint64 kMaxEntrySize = 64LL * 1024 * 1024;
    static constexpr qint64 kMaxEntries = 1000;

    explicit TZipFile(const QString& path);
    ~TZipFile();
    TZipFile(const TZipFile&) = delete;
    TZipFile& operator=(const TZipFile&) = delete;

    // False when the archive could not be opened; errorString() says why (Polish).
    bool isOpen() const { return m_zip != nullptr; }
    QString errorString() const { return m_error; }

    // The entries' names in directory order, folders ("name/") left out.
    QStringList EntryNames() const { return m_names; }

    // The first entry whose name equals the requested one with ASCII letters upper-cased.
    // False with a message when it is missing, too large or cannot be unpacked.
    bool ReadEntry(const QString& name, QByteArray* data, QString* error = nullptr) const;

    // The entry at a position of EntryNames(): names that differ only in case each get their own.
    bool ReadEntryAt(qsizetype position, QByteArray* data, QString* error = nullptr) const;

private:
    zip* m_zip = nullptr;
    QString m_error;
    QStringList m_names;
    QList<qint64> m_indexes; // archive index of each name
};

// A read-only stream over one entry, held in memory.
class TZipFileStream : public QBuffer
{
public:
    TZipFileStream(const TZipFile& archive, const QString& entryName);
    TZipFileStream(const TZipFile& archive, qsizetype position);
    bool ok() const { return m_ok; }
    QString errorString() const { return m_error; }

private:
    QByteArray m_data;
    bool m_ok = false;
    QString m_error;
};
