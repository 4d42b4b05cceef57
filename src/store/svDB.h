// The store's engine layer over SQLite (Qt SQL): one database file, data_100.add, in the data
// folder, with the tables data_101 ... data_111 under their own column names, so that users and
// tools can open it with sqlite3.
//
// What the stores ask of the engine:
//  - TTable: a cursor on one table in stored order (rowid): Open/Close, First/Next/Eof, fields by
//    name without regard to case, the declared size of a character column, values as text,
//    integer, logical or date-time, Append/Edit/Post/Delete, Locate by one or two columns exactly
//    or as a case-insensitive prefix, bookmarks (the rowid). An auto-increment id is readable
//    right after Post.
//  - TQuery: a SELECT with row stepping, with bound parameters.
//  - ExecScript: a text of several statements, run in order in one transaction. Statements in
//    the original engine's dialect (ALTER ... ALTER COLUMN, AUTOINC, LOGICAL, CONSTRAINT NOT NULL)
//    are translated here; a column's type or default change becomes a table rebuild that keeps
//    rows, ids and indexes.
// Errors: functions answer false / empty and keep the engine's message in LastError().
#pragma once

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>

namespace Db
{
inline const QString kFileName = QStringLiteral("data_100.add");

// Opens (creating when asked) the database file; sets the safety pragmas (rollback journal,
// synchronous=FULL, a busy timeout so a second process waits). False with a message.
bool Open(const QString& path, QString* error = nullptr);
void Close();
bool IsOpen();
QSqlDatabase Connection();
QString FilePath();

// Runs statements in order inside one transaction: all or nothing.
bool ExecScript(const QStringList& statements, QString* error = nullptr);
// The same inside a transaction the caller holds (no commit, no rollback).
bool ExecStatements(const QStringList& statements, QString* error = nullptr);
// One statement with bound parameters (?).
bool Exec(const QString& sql, const QVariantList& params = {}, QString* error = nullptr);
// The engine's form of a statement of the original dialect (exposed for tests).
QStringList Translate(const QString& statement);

bool TableExists(const QString& table);
// Column names in table order; empty when the table does not exist.
QStringList Columns(const QString& table);
// Declared size of a CHAR(n) column; 0 for other types; -1 when the column does not exist.
int ColumnSize(const QString& table, const QString& column);

// Begin/commit/rollback of a write transaction that takes the lock at once.
bool BeginImmediate(QString* error = nullptr);
bool Commit(QString* error = nullptr);
void Rollback();
} // namespace Db

class TQuery
{
public:
    explicit TQuery(const QString& sql = QString(), const QVariantList& params = {});
    ~TQuery();
    TQuery(const TQuery&) = delete;
    TQuery& operator=(const TQuery&) = delete;
    void SetSql(const QString& sql, const QVariantList& params = {});
    bool Open(); // runs the SELECT; positions before the first row
    bool Next(); // moves to the next row; false at the end
    QVariant Field(const QString& name) const;
    QVariant Field(int index) const;
    QString LastError() const { return m_error; }

private:
    QString m_sql;
    QVariantList m_params;
    std::unique_ptr<class QSqlQuery> m_query;
    QString m_error;
};

class TTable
{
public:
    explicit TTable(QString name);
    ~TTable();
    TTable(const TTable&) = delete;
    TTable& operator=(const TTable&) = delete;

    QString Name() const { return m_name; }
    bool Open();
    void Close();
    bool IsOpen() const { return m_open; }
    QString LastError() const { return m_error; }

    void First();
    void Next();
    bool Eof() const;
    qint64 RecordCount() const { return qint64(m_rowids.size()); }

    bool HasField(const QString& name) const;
    int FieldSize(const QString& name) const; // -1 when there is no such column
    QString AsString(const QString& name) const;
    qint64 AsInteger(const QString& name) const;
    bool AsBoolean(const QString& name) const;
    QDateTime AsDateTime(const QString& name) const;
    QVariant Value(const QString& name) const;

    // Edit buffer: Append or Edit, SetValue..., then Post (or Cancel).
    void Append();
    bool Edit();
    void SetValue(const QString& name, const QVariant& value);
    bool Post();
    // Edit of the row whose id column holds id, or Append when id is 0 (a record not stored yet);
    // false when that row is gone.
    bool EditOrAppend(const QString& idColumn, qint64 id);
    void Cancel();
    bool Delete();

    // Moves to the first row (stored order) whose columns equal the values, or, with
    // prefix, whose first column begins with the text without regard to letter case.
    bool Locate(const QString& column, const QVariant& value, bool prefix = false);
    bool Locate2(const QString& c1, const QVariant& v1, const QString& c2, const QVariant& v2);

    using Bookmark = qint64;
    Bookmark GetBookmark() const;
    bool GotoBookmark(Bookmark b);

private:
    QString realName(const QString& name) const;
    void loadCurrent();

    QString m_name;
    bool m_open = false;
    QStringList m_columns;
    QList<qint64> m_rowids;
    qsizetype m_pos = 0;
    QVariantList m_current;
    enum class State { Browse, Insert, Edit } m_state = State::Browse;
    QVariantMap m_buffer;
    QString m_error;
};

// The shared table slots: each created on first request, never opened by the accessor.
TTable& PoolsTable();    // data_101
TTable& BlocksTable();   // data_102
TTable& PatientsTable(); // data_106
TTable& AtcTable();      // data_107
TTable& MainDrugsTable(); // data_108
TTable& OwnDrugsTable(); // data_110
TTable& SettingsTable(); // data_109
TTable& VisitsTable();   // data_111
// Frees every slot (their tables see a new column list on next use).
void FreeSharedTables();
