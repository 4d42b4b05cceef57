#include "store/svDB.h"

#include "shell/svGlobals.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <map>

namespace
{
const QString kConnection = QStringLiteral("data_100adm");
QString g_path;

QString sqlError(const QSqlError& e)
{
    return e.text().trimmed();
}

bool run(QSqlQuery& q, const QString& sql, const QVariantList& params, QString* error)
{
    if (!q.prepare(sql)) {
        if (error)
            *error = sqlError(q.lastError()) + QStringLiteral(" [") + sql + QLatin1Char(']');
        return false;
    }
    for (const QVariant& p : params)
        q.addBindValue(p);
    if (!q.exec()) {
        if (error)
            *error = sqlError(q.lastError()) + QStringLiteral(" [") + sql + QLatin1Char(']');
        return false;
    }
    return true;
}

struct ColumnInfo
{
    QString name;
    QString type;
    bool notNull = false;
    QVariant dflt;
    int pk = 0;
};

QList<ColumnInfo> tableInfo(const QString& table)
{
    QList<ColumnInfo> cols;
    QSqlQuery q(Db::Connection());
    if (!q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
        return cols;
    while (q.next())
        cols.append({q.value(1).toString(), q.value(2).toString(), q.value(3).toBool(), q.value(4), q.value(5).toInt()});
    return cols;
}

// The original dialect's types in SQLite: LOGICAL stays a declared type (numeric affinity),
// AUTOINC becomes INTEGER.
QString translateType(QString type)
{
    type.replace(QRegularExpression(QStringLiteral("\\bAUTOINC\\b"), QRegularExpression::CaseInsensitiveOption),
                 QStringLiteral("INTEGER"));
    return type;
}

// 'TRUE' / 'False' defaults of logical columns are stored as 1 / 0.
QString translateDefault(const QString& type, QString dflt)
{
    const QString bare = dflt.trimmed().remove(QLatin1Char('\'')).toUpper();
    if (type.trimmed().toUpper().startsWith(QLatin1String("LOGICAL")) && (bare == QLatin1String("TRUE") || bare == QLatin1String("FALSE")))
        return bare == QLatin1String("TRUE") ? QStringLiteral("1") : QStringLiteral("0");
    return dflt;
}

QString unquote(QString name)
{
    name = name.trimmed();
    if ((name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        || (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']'))))
        return name.mid(1, name.size() - 2);
    return name;
}

// Rebuilds the table with one column's type and default changed; rows, ids and indexes stay.
QStringList rebuildStatements(const QString& table, const QString& column, const QString& type, const QString& dflt)
{
    const QList<ColumnInfo> cols = tableInfo(table);
    QSqlQuery q(Db::Connection());
    QString createSql;
    QStringList indexes;
    if (q.exec(QStringLiteral("SELECT type, sql FROM sqlite_master WHERE tbl_name = '%1' AND sql IS NOT NULL").arg(table))) {
        while (q.next()) {
            if (q.value(0).toString() == QLatin1String("table"))
                createSql = q.value(1).toString();
            else if (q.value(0).toString() == QLatin1String("index"))
                indexes << q.value(1).toString();
        }
    }
    const bool autoinc = createSql.contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);
    QStringList defs;
    QStringList names;
    for (const ColumnInfo& c : cols) {
        QString def = QLatin1Char('"') + c.name + QLatin1Char('"');
        const bool changed = c.name.compare(column, Qt::CaseInsensitive) == 0;
        const QString colType = changed ? translateType(type) : c.type;
        def += QLatin1Char(' ') + colType;
        if (c.pk == 1 && cols.size() > 0 && c.type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
            def += autoinc ? QStringLiteral(" PRIMARY KEY AUTOINCREMENT") : QStringLiteral(" PRIMARY KEY");
        if (c.notNull)
            def += QStringLiteral(" NOT NULL");
        const QString d = changed ? (dflt.isEmpty() ? (c.dflt.isNull() ? QString() : c.dflt.toString()) : translateDefault(type, dflt))
                                  : (c.dflt.isNull() ? QString() : c.dflt.toString());
        if (!d.isEmpty())
            def += QStringLiteral(" DEFAULT ") + d;
        defs << def;
        names << QLatin1Char('"') + c.name + QLatin1Char('"');
    }
    const QString tmp = table + QStringLiteral("_przebudowa");
    QStringList out;
    out << QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(tmp, defs.join(QStringLiteral(", ")));
    out << QStringLiteral("INSERT INTO \"%1\" (%2) SELECT %2 FROM \"%3\"").arg(tmp, names.join(QStringLiteral(", ")), table);
    out << QStringLiteral("DROP TABLE \"%1\"").arg(table);
    out << QStringLiteral("ALTER TABLE \"%1\" RENAME TO \"%2\"").arg(tmp, table);
    out << indexes;
    return out;
}
} // namespace

namespace Db
{
bool Open(const QString& path, QString* error)
{
    Close();
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
        if (!db.open()) {
            failure = sqlError(db.lastError());
        } else {
            QSqlQuery q(db);
            // The rollback journal keeps the file self-contained; FULL makes every commit
            // durable. A file that is not a database shows itself at the first read.
            for (const char* sql : {"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL", "PRAGMA busy_timeout=15000",
                                    "SELECT count(*) FROM sqlite_master"}) {
                if (!q.exec(QLatin1String(sql))) {
                    failure = sqlError(q.lastError());
                    break;
                }
            }
        }
    }
    if (!failure.isEmpty()) {
        if (error)
            *error = failure;
        Close();
        return false;
    }
    g_path = QFileInfo(path).absoluteFilePath();
    return true;
}

void Close()
{
    FreeSharedTables();
    if (QSqlDatabase::contains(kConnection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(kConnection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(kConnection);
    }
    g_path.clear();
}

bool IsOpen()
{
    return QSqlDatabase::contains(kConnection) && QSqlDatabase::database(kConnection, false).isOpen();
}

QSqlDatabase Connection()
{
    return QSqlDatabase::database(kConnection, false);
}

QString FilePath()
{
    return g_path;
}

QStringList Translate(const QString& statementIn)
{
    QString s = statementIn.trimmed();
    while (s.endsWith(QLatin1Char(';')))
        s.chop(1);
    s = s.trimmed();
    static const QRegularExpression alter(
        QStringLiteral("^ALTER\\s+TABLE\\s+(\\S+)\\s+ALTER\\s+(?:COLUMN\\s+)?(\\S+)\\s+(\\S+)\\s+(.+?)(?:\\s+DEFAULT\\s+(.+))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = alter.match(s);
    if (m.hasMatch())
        return rebuildStatements(unquote(m.captured(1)), unquote(m.captured(2)), m.captured(4).trimmed(), m.captured(5).trimmed());
    static const QRegularExpression addColumn(
        QStringLiteral("^ALTER\\s+TABLE\\s+(\\S+)\\s+ADD\\s+COLUMN\\s+(\\S+)\\s+(.+?)(?:\\s+DEFAULT\\s+(.+))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch a = addColumn.match(s);
    if (a.hasMatch()) {
        QString out = QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(a.captured(1), a.captured(2), translateType(a.captured(3).trimmed()));
        if (!a.captured(4).isEmpty())
            out += QStringLiteral(" DEFAULT ") + translateDefault(a.captured(3), a.captured(4).trimmed());
        return {out};
    }
    if (s.startsWith(QLatin1String("CREATE TABLE"), Qt::CaseInsensitive)) {
        s.replace(QRegularExpression(QStringLiteral("\\bAUTOINC\\b"), QRegularExpression::CaseInsensitiveOption), QStringLiteral("INTEGER"));
        s.replace(QRegularExpression(QStringLiteral("\\bCONSTRAINT\\s+NOT\\s+NULL\\b"), QRegularExpression::CaseInsensitiveOption),
                  QStringLiteral("NOT NULL"));
    }
    return {s};
}

bool ExecStatements(const QStringList& statements, QString* error)
{
    QSqlQuery q(Connection());
    for (const QString& statement : statements) {
        // Each statement is translated when it runs: a rebuild must see the schema that the
        // statements before it made.
        for (const QString& sql : Translate(statement)) {
            if (!q.exec(sql)) {
                if (error)
                    *error = sqlError(q.lastError()) + QStringLiteral(" [") + statement + QLatin1Char(']');
                return false;
            }
        }
    }
    return true;
}

bool ExecScript(const QStringList& statements, QString* error)
{
    if (!BeginImmediate(error))
        return false;
    if (!ExecStatements(statements, error)) {
        Rollback();
        return false;
    }
    return Commit(error);
}

bool Exec(const QString& sql, const QVariantList& params, QString* error)
{
    QSqlQuery q(Connection());
    return run(q, sql, params, error);
}

bool TableExists(const QString& table)
{
    QSqlQuery q(Connection());
    return run(q, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"), {table}, nullptr) && q.next();
}

QStringList Columns(const QString& table)
{
    QStringList names;
    for (const ColumnInfo& c : tableInfo(table))
        names << c.name;
    return names;
}

int ColumnSize(const QString& table, const QString& column)
{
    for (const ColumnInfo& c : tableInfo(table)) {
        if (c.name.compare(column, Qt::CaseInsensitive) != 0)
            continue;
        static const QRegularExpression size(QStringLiteral("^\\s*(?:VAR)?CHAR\\s*\\(\\s*(\\d+)\\s*\\)"), QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = size.match(c.type);
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    }
    return -1;
}

bool BeginImmediate(QString* error)
{
    QSqlQuery q(Connection());
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        if (error)
            *error = sqlError(q.lastError());
        return false;
    }
    return true;
}

bool Commit(QString* error)
{
    QSqlQuery q(Connection());
    if (!q.exec(QStringLiteral("COMMIT"))) {
        if (error)
            *error = sqlError(q.lastError());
        Rollback();
        return false;
    }
    return true;
}

void Rollback()
{
    QSqlQuery q(Connection());
    q.exec(QStringLiteral("ROLLBACK"));
}
} // namespace Db

TQuery::TQuery(const QString& sql, const QVariantList& params)
    : m_sql(sql)
    , m_params(params)
{
}

TQuery::~TQuery() = default;

void TQuery::SetSql(const QString& sql, const QVariantList& params)
{
    m_sql = sql;
    m_params = params;
    m_query.reset();
}

bool TQuery::Open()
{
    m_query = std::make_unique<QSqlQuery>(Db::Connection());
    m_query->setForwardOnly(true);
    return run(*m_query, m_sql, m_params, &m_error);
}

bool TQuery::Next()
{
    return m_query && m_query->next();
}

QVariant TQuery::Field(const QString& name) const
{
    if (!m_query)
        return {};
    const QSqlRecord r = m_query->record();
    for (int i = 0; i < r.count(); ++i)
        if (r.fieldName(i).compare(name, Qt::CaseInsensitive) == 0)
            return m_query->value(i);
    return {};
}

QVariant TQuery::Field(int index) const
{
    return m_query ? m_query->value(index) : QVariant();
}

TTable::TTable(QString name)
    : m_name(std::move(name))
{
}

TTable::~TTable() = default;

bool TTable::Open()
{
    m_error.clear();
    m_columns = Db::Columns(m_name);
    if (m_columns.isEmpty()) {
        m_error = QStringLiteral("Brak tabeli %1").arg(m_name);
        return false;
    }
    m_rowids.clear();
    QSqlQuery q(Db::Connection());
    if (!run(q, QStringLiteral("SELECT rowid FROM \"%1\" ORDER BY rowid").arg(m_name), {}, &m_error))
        return false;
    while (q.next())
        m_rowids << q.value(0).toLongLong();
    m_open = true;
    m_state = State::Browse;
    First();
    return true;
}

void TTable::Close()
{
    m_open = false;
    m_rowids.clear();
    m_current.clear();
    m_state = State::Browse;
}

void TTable::loadCurrent()
{
    m_current.clear();
    if (Eof())
        return;
    QSqlQuery q(Db::Connection());
    if (run(q, QStringLiteral("SELECT * FROM \"%1\" WHERE rowid = ?").arg(m_name), {m_rowids.at(m_pos)}, &m_error) && q.next())
        for (int i = 0; i < m_columns.size(); ++i)
            m_current << q.value(i);
}

void TTable::First()
{
    m_pos = 0;
    loadCurrent();
}

void TTable::Next()
{
    if (m_pos < m_rowids.size())
        ++m_pos;
    loadCurrent();
}

bool TTable::Eof() const
{
    return !m_open || m_pos >= m_rowids.size();
}

QString TTable::realName(const QString& name) const
{
    for (const QString& c : m_columns)
        if (c.compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return QString();
}

bool TTable::HasField(const QString& name) const
{
    return !realName(name).isEmpty();
}

int TTable::FieldSize(const QString& name) const
{
    return Db::ColumnSize(m_name, name);
}

QVariant TTable::Value(const QString& name) const
{
    if (m_state != State::Browse) {
        const QString real = realName(name);
        if (m_buffer.contains(real))
            return m_buffer.value(real);
    }
    for (int i = 0; i < m_columns.size() && i < m_current.size(); ++i)
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return m_current.at(i);
    return {};
}

QString TTable::AsString(const QString& name) const
{
    return Value(name).toString();
}

qint64 TTable::AsInteger(const QString& name) const
{
    return Value(name).toLongLong();
}

bool TTable::AsBoolean(const QString& name) const
{
    const QVariant v = Value(name);
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toUpper();
        return s == QLatin1String("TRUE") || s == QLatin1String("T") || s.toLongLong() != 0;
    }
    return v.toLongLong() != 0;
}

QDateTime TTable::AsDateTime(const QString& name) const
{
    const QString s = AsString(name);
    QDateTime t = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!t.isValid())
        t = QDateTime::fromString(s, Qt::ISODate);
    if (!t.isValid()) {
        const QDate d = QDate::fromString(s, QStringLiteral("yyyy-MM-dd"));
        if (d.isValid())
            t = QDateTime(d, QTime(0, 0));
    }
    return t;
}

void TTable::Append()
{
    m_state = State::Insert;
    m_buffer.clear();
}

bool TTable::Edit()
{
    if (Eof())
        return false;
    m_state = State::Edit;
    m_buffer.clear();
    return true;
}

bool TTable::EditOrAppend(const QString& idColumn, qint64 id)
{
    if (id == 0) {
        Append();
        return true;
    }
    return Locate(idColumn, id) && Edit();
}

void TTable::SetValue(const QString& name, const QVariant& value)
{
    const QString real = realName(name);
    if (real.isEmpty())
        return;
    QVariant v = value;
    if (value.typeId() == QMetaType::QDateTime)
        v = value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    else if (value.typeId() == QMetaType::QDate)
        v = value.toDate().isValid() ? value.toDate().toString(QStringLiteral("yyyy-MM-dd")) : QVariant();
    else if (value.typeId() == QMetaType::Bool)
        v = value.toBool() ? 1 : 0;
    m_buffer.insert(real, v);
}

bool TTable::Post()
{
    if (m_state == State::Browse)
        return true;
    QSqlQuery q(Db::Connection());
    QStringList names;
    QVariantList values;
    for (auto it = m_buffer.cbegin(); it != m_buffer.cend(); ++it) {
        names << QLatin1Char('"') + it.key() + QLatin1Char('"');
        values << it.value();
    }
    bool ok = false;
    if (m_state == State::Insert) {
        QString sql;
        if (names.isEmpty()) {
            sql = QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(m_name);
        } else {
            QStringList marks;
            for (qsizetype i = 0; i < names.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)").arg(m_name, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        }
        ok = run(q, sql, values, &m_error);
        if (ok) {
            m_rowids << q.lastInsertId().toLongLong();
            m_pos = m_rowids.size() - 1;
        }
    } else {
        if (names.isEmpty()) {
            ok = true;
        } else {
            QStringList sets;
            for (const QString& n : names)
                sets << n + QStringLiteral(" = ?");
            values << m_rowids.at(m_pos);
            ok = run(q, QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid = ?").arg(m_name, sets.join(QLatin1Char(','))), values, &m_error);
        }
    }
    m_state = State::Browse;
    m_buffer.clear();
    loadCurrent();
    return ok;
}

void TTable::Cancel()
{
    m_state = State::Browse;
    m_buffer.clear();
}

bool TTable::Delete()
{
    if (Eof())
        return false;
    QSqlQuery q(Db::Connection());
    if (!run(q, QStringLiteral("DELETE FROM \"%1\" WHERE rowid = ?").arg(m_name), {m_rowids.at(m_pos)}, &m_error))
        return false;
    m_rowids.remove(m_pos);
    loadCurrent();
    return true;
}

bool TTable::Locate(const QString& column, const QVariant& value, bool prefix)
{
    const QString real = realName(column);
    if (real.isEmpty() || !m_open)
        return false;
    QSqlQuery q(Db::Connection());
    if (!prefix) {
        if (!run(q, QStringLiteral("SELECT rowid FROM \"%1\" WHERE \"%2\" = ? ORDER BY rowid LIMIT 1").arg(m_name, real), {value}, &m_error)
            || !q.next())
            return false;
        return GotoBookmark(q.value(0).toLongLong());
    }
    // Case-blind prefix on Polish letters too, so compared here rather than by the engine.
    const QString wanted = UpperPl(value.toString()).toUpper();
    if (!run(q, QStringLiteral("SELECT rowid, \"%2\" FROM \"%1\" ORDER BY rowid").arg(m_name, real), {}, &m_error))
        return false;
    while (q.next())
        if (UpperPl(q.value(1).toString()).toUpper().startsWith(wanted))
            return GotoBookmark(q.value(0).toLongLong());
    return false;
}

bool TTable::Locate2(const QString& c1, const QVariant& v1, const QString& c2, const QVariant& v2)
{
    const QString r1 = realName(c1);
    const QString r2 = realName(c2);
    if (r1.isEmpty() || r2.isEmpty() || !m_open)
        return false;
    QSqlQuery q(Db::Connection());
    if (!run(q, QStringLiteral("SELECT rowid FROM \"%1\" WHERE \"%2\" = ? AND \"%3\" = ? ORDER BY rowid LIMIT 1").arg(m_name, r1, r2),
             {v1, v2}, &m_error)
        || !q.next())
        return false;
    return GotoBookmark(q.value(0).toLongLong());
}

TTable::Bookmark TTable::GetBookmark() const
{
    return Eof() ? -1 : m_rowids.at(m_pos);
}

bool TTable::GotoBookmark(Bookmark b)
{
    const qsizetype i = m_rowids.indexOf(b);
    if (i < 0)
        return false;
    m_pos = i;
    loadCurrent();
    return true;
}

namespace
{
std::map<QString, std::unique_ptr<TTable>>& sharedSlots()
{
    static std::map<QString, std::unique_ptr<TTable>> s;
    return s;
}

TTable& slot(const char* name)
{
    auto& s = sharedSlots()[QLatin1String(name)];
    if (!s)
        s = std::make_unique<TTable>(QLatin1String(name));
    return *s;
}
} // namespace

TTable& PoolsTable() { return slot("data_101"); }
TTable& BlocksTable() { return slot("data_102"); }
TTable& PatientsTable() { return slot("data_106"); }
TTable& AtcTable() { return slot("data_107"); }
TTable& MainDrugsTable() { return slot("data_108"); }
TTable& OwnDrugsTable() { return slot("data_110"); }
TTable& SettingsTable() { return slot("data_109"); }
TTable& VisitsTable() { return slot("data_111"); }

void FreeSharedTables()
{
    sharedSlots().clear();
}
