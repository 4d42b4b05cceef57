#include "store/svSchema.h"

#include "shell/Paths.h"
#include "store/svDB.h"

#include <QDir>
#include <QFile>

namespace
{
bool missing(const QString& table, const QString& column)
{
    return Db::ColumnSize(table, column) < 0;
}

bool narrower(const QString& table, const QString& column, int size)
{
    const int s = Db::ColumnSize(table, column);
    return s >= 0 && s < size;
}

void add(QStringList& l, const char* statement)
{
    l << QString::fromUtf8(statement);
}

// The printer columns of the settings table, with their type and the value set right after.
struct PrinterColumn
{
    const char* name;
    const char* type;
    const char* update; // nullptr: no UPDATE
};

const PrinterColumn kPrinterColumns[] = {
    {"prn_single_name", "CHAR(50)", nullptr},
    {"prn_single_format", "CHAR(30) DEFAULT 'A4'", "'A4'"},
    {"prn_single_align", "INTEGER DEFAULT '0'", "0"},
    {"prn_single_rotate", "LOGICAL DEFAULT 'FALSE'", "FALSE"},
    {"prn_seria_name", "CHAR(50)", nullptr},
    {"prn_seria_format", "CHAR(30) DEFAULT 'A4'", "'A4'"},
    {"prn_seria_align", "INTEGER DEFAULT '0'", "0"},
    {"prn_seria_rotate", "LOGICAL DEFAULT 'FALSE'", "FALSE"},
    {"prn_seria_just_hor", "LOGICAL DEFAULT 'FALSE'", "FALSE"},
    {"prn_seria_just_vert", "LOGICAL DEFAULT 'FALSE'", "FALSE"},
    {"prn_seria_swd", "LOGICAL DEFAULT 'TRUE'", "TRUE"},
    {"prn_seria_nfz", "LOGICAL DEFAULT 'TRUE'", "TRUE"},
    {"prn_seria_nastronie", "INTEGER DEFAULT '0'", "0"},
    {"prn_dodatkowa_name", "CHAR(50)", nullptr},
    {"prn_dodatkowa_format", "CHAR(30) DEFAULT 'A4'", "'A4'"},
};

const int kFontSizeWhenAdded[10] = {20, 12, 12, 14, 20, 18, 18, 12, 15, 18};

// The tables as an older installation had them: before rodzaj, odplat, the printer, pattern,
// font and doctor columns, with 20-character numbers.
const char* const kOlderTables[] = {
    "CREATE TABLE data_101 (id INTEGER PRIMARY KEY AUTOINCREMENT, start CHAR(20), \"end\" CHAR(20), "
    "printed INTEGER DEFAULT 0, restricted INTEGER DEFAULT 0, active LOGICAL DEFAULT 1, time TIMESTAMP, "
    "lastprinted CHAR(20))",
    "CREATE TABLE data_102 (idpool INTEGER, start INTEGER, \"end\" INTEGER, time TIMESTAMP)",
    "CREATE TABLE data_106 (idPacjenta INTEGER PRIMARY KEY AUTOINCREMENT, imie CHAR(40), nazwisko CHAR(60), "
    "pesel CHAR(11), miasto CHAR(60), kodPocztowy CHAR(6), ulica CHAR(80), nrDomu CHAR(10), nrMieszk CHAR(10), "
    "plec CHAR(1), telefon CHAR(30), dataUr DATE, KCh CHAR(60), przewlekle LOGICAL DEFAULT 0, uprawnienia CHAR(80), "
    "proFamilia LOGICAL DEFAULT 0, proAuctore LOGICAL DEFAULT 0, uwagi CHAR(500))",
    "CREATE TABLE data_107 (KOD_ATC CHAR(7), NAZWA CHAR(200))",
    "CREATE TABLE data_108 (idLeku INTEGER PRIMARY KEY AUTOINCREMENT, nazwa CHAR(100), rodzajOpak CHAR(100), "
    "dawka CHAR(40), jm CHAR(30), ilosc CHAR(40), atc CHAR(7), receptariusz LOGICAL DEFAULT 0, uwagi CHAR(500))",
    "CREATE TABLE data_109 (swd_nazwa1 CHAR(100), swd_nazwa2 CHAR(100), swd_adres1 CHAR(100), swd_adres2 CHAR(100), "
    "swd_dodinfo CHAR(100), swd_symbolkch CHAR(3), swd_fontname CHAR(30) DEFAULT 'Liberation Sans', "
    "swd_framesize INTEGER DEFAULT 0, swd_rcwidth INTEGER DEFAULT 99, swd_rcheight INTEGER DEFAULT 210, "
    "numerowanie LOGICAL DEFAULT 1, frameexist LOGICAL DEFAULT 1, drukNrNFZ LOGICAL DEFAULT 1, boldBase LOGICAL DEFAULT 0, "
    "druk_Tekst CHAR(100) DEFAULT 'Dane podmiotu drukującego', daneId CHAR(50))",
    "CREATE TABLE data_110 (idLeku INTEGER PRIMARY KEY AUTOINCREMENT, nazwa CHAR(100), rodzajOpak CHAR(100), "
    "dawka CHAR(40), jm CHAR(30), ilosc CHAR(40), atc CHAR(7), receptariusz LOGICAL DEFAULT 0, uwagi CHAR(500))",
};

// Lookups that the stores make by these columns.
const char* const kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS data_101_zakres ON data_101(start, \"end\")",
    "CREATE INDEX IF NOT EXISTS data_102_pula ON data_102(idpool, start)",
    "CREATE INDEX IF NOT EXISTS data_102_koniec ON data_102(idpool, \"end\", start)",
    "CREATE INDEX IF NOT EXISTS data_108_nazwa ON data_108(nazwa)",
    "CREATE INDEX IF NOT EXISTS data_107_kod ON data_107(KOD_ATC)",
};

bool loadTsv(const QString& relative, const QString& table, const QStringList& columns, QString* error)
{
    QFile f(Paths::assetPath(relative));
    if (!f.exists())
        return true; // a build without the shipped data starts with an empty base
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("Nie można odczytać pliku „%1”.").arg(f.fileName());
        return false;
    }
    f.readLine(); // header
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    while (!f.atEnd()) {
        QString line = QString::fromUtf8(f.readLine());
        if (line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        QVariantList values;
        for (qsizetype i = 0; i < columns.size(); ++i)
            values << (i < fields.size() ? fields.at(i) : QString());
        if (!Db::Exec(sql, values, error))
            return false;
    }
    return true;
}
} // namespace

namespace Schema
{
QStringList CollectUpgradeStatements()
{
    QStringList l;
    // 1-3: the kind column of pools, the payment column of both drug bases.
    if (missing(QStringLiteral("data_101"), QStringLiteral("rodzaj"))) {
        add(l, "ALTER TABLE data_101 ADD COLUMN rodzaj INTEGER DEFAULT '1';");
        add(l, "UPDATE data_101 SET rodzaj=1;");
    }
    for (const char* t : {"data_108", "data_110"}) {
        if (missing(QLatin1String(t), QStringLiteral("odplat"))) {
            l << QStringLiteral("ALTER TABLE %1 ADD COLUMN odplat INTEGER DEFAULT '0';").arg(QLatin1String(t));
            l << QStringLiteral("UPDATE %1 SET odplat=0;").arg(QLatin1String(t));
        }
    }
    // 4: the settings table: the doctor column and the printer columns with the visits table.
    if (narrower(QStringLiteral("data_109"), QStringLiteral("daneid"), 100))
        add(l, "ALTER TABLE data_109 ALTER COLUMN daneid daneid CHAR(100);");
    if (missing(QStringLiteral("data_109"), QStringLiteral("prn_single_name"))) {
        for (const PrinterColumn& c : kPrinterColumns) {
            l << QStringLiteral("ALTER TABLE data_109 ADD COLUMN %1 %2;").arg(QLatin1String(c.name), QLatin1String(c.type));
            if (c.update)
                l << QStringLiteral("UPDATE data_109 SET %1=%2;").arg(QLatin1String(c.name), QLatin1String(c.update));
        }
        add(l, "CREATE TABLE data_111 (id AUTOINC, data_wizyty TIMESTAMP CONSTRAINT NOT NULL, nr_recepty CHAR(20), "
               "id_pacjent INTEGER CONSTRAINT NOT NULL, zapisane_leki CHAR(500), uwagi CHAR(500), "
               "CONSTRAINT wizyty_pk PRIMARY KEY( id ASC ));");
        add(l, "CREATE INDEX wizyty_data ON data_111( data_wizyty );");
    }
    // 5: 22-digit numbers; pools added from now on are of kind 5.
    if (narrower(QStringLiteral("data_101"), QStringLiteral("start"), 22)) {
        add(l, "ALTER TABLE data_101 ALTER start start CHAR(22);");
        add(l, "ALTER TABLE data_101 ALTER \"end\" \"end\" CHAR(22);");
        add(l, "ALTER TABLE data_101 ALTER lastprinted lastprinted CHAR(22);");
        add(l, "ALTER TABLE data_101 ALTER rodzaj rodzaj INTEGER DEFAULT '5';");
    }
    // 6: the form pattern, REGON, footer, frames, licence and the font slots.
    if (missing(QStringLiteral("data_109"), QStringLiteral("wzorRecepty"))) {
        add(l, "ALTER TABLE data_109 ADD COLUMN wzorRecepty CHAR(16) DEFAULT '2011-12-23';");
        add(l, "UPDATE data_109 SET wzorrecepty='2011-12-23' ;");
        add(l, "ALTER TABLE data_109 ADD COLUMN swd_regon CHAR(14);");
        add(l, "UPDATE data_109 SET swd_fontname='Liberation Sans' ;");
        add(l, "ALTER TABLE data_109 ADD COLUMN stopkapolozenie INTEGER DEFAULT '0';");
        add(l, "UPDATE data_109 SET stopkapolozenie=0 ;");
        add(l, "ALTER TABLE data_109 ALTER COLUMN druk_tekst druk_tekst CHAR(200) DEFAULT 'Dane podmiotu drukującego';");
        add(l, "ALTER TABLE data_109 ADD COLUMN ramkiLekiWl LOGICAL DEFAULT 'True';");
        add(l, "UPDATE data_109 SET ramkiLekiWl=True ;");
        for (const char* c : {"ramkiWewnPrzeryw", "nrPrawaDrukuj", "regonDrukuj"}) {
            l << QStringLiteral("ALTER TABLE data_109 ADD COLUMN %1 INTEGER DEFAULT '0';").arg(QLatin1String(c));
            l << QStringLiteral("UPDATE data_109 SET %1=0 ;").arg(QLatin1String(c));
        }
        for (int i = 1; i <= 10; ++i) {
            const QString slot = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
            l << QStringLiteral("ALTER TABLE data_109 ADD COLUMN czcionka%1 CHAR(30) DEFAULT 'Liberation Sans';").arg(slot);
            l << QStringLiteral("UPDATE data_109 SET czcionka%1='Liberation Sans' ;").arg(slot);
        }
        for (int i = 1; i <= 10; ++i) {
            const QString slot = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
            l << QStringLiteral("ALTER TABLE data_109 ADD COLUMN pogrub%1 LOGICAL DEFAULT 'False';").arg(slot);
            l << QStringLiteral("UPDATE data_109 SET pogrub%1=False ;").arg(slot);
        }
        for (int i = 1; i <= 10; ++i) {
            const QString slot = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
            const int size = kFontSizeWhenAdded[i - 1];
            l << QStringLiteral("ALTER TABLE data_109 ADD COLUMN czcionkarozmiar%1 INTEGER DEFAULT '%2' ;").arg(slot).arg(size);
            l << QStringLiteral("UPDATE data_109 SET czcionkarozmiar%1=%2 ;").arg(slot).arg(size);
        }
    }
    // 7: the visits table, only when it exists.
    if (Db::TableExists(QStringLiteral("data_111")) && narrower(QStringLiteral("data_111"), QStringLiteral("nr_recepty"), 22))
        add(l, "ALTER TABLE data_111 ALTER COLUMN nr_recepty nr_recepty CHAR(22);");
    // 8: the doctor's speciality and licence.
    if (missing(QStringLiteral("data_109"), QStringLiteral("daneid1"))) {
        add(l, "ALTER TABLE data_109 ADD COLUMN daneid1 CHAR(100);");
        add(l, "ALTER TABLE data_109 ADD COLUMN daneid2 CHAR(100);");
    }
    return l;
}

bool UpgradeSchema(QString* error)
{
    // The write lock first: a second process starting at the same moment waits, then finds the
    // schema current and collects nothing.
    if (!Db::BeginImmediate(error))
        return false;
    const QStringList statements = CollectUpgradeStatements();
    if (statements.isEmpty())
        return Db::Commit(error);
    // A copy before anything changes: the file holds every pool and patient. Written beside
    // and renamed, so a reader never sees half a copy.
    const QString path = Db::FilePath();
    const QString copy = path + QStringLiteral(".kopia");
    const QString partial = copy + QStringLiteral(".tmp");
    QFile::remove(partial);
    if (!QFile::copy(path, partial) || (QFile::exists(copy) && !QFile::remove(copy)) || !QFile::rename(partial, copy)) {
        Db::Rollback();
        if (error)
            *error = QStringLiteral("Nie można utworzyć kopii bazy danych „%1”.").arg(copy);
        return false;
    }
    const bool ok = Db::ExecStatements(statements, error);
    if (ok)
        Db::Commit(error);
    else
        Db::Rollback();
    FreeSharedTables();
    return ok;
}

bool CreateFreshDatabase(const QString& path, QString* error)
{
    if (!Db::Open(path, error))
        return false;
    // Under the write lock: of two processes creating the installation at once, the second
    // finds the tables there.
    if (!Db::BeginImmediate(error))
        return false;
    if (Db::TableExists(QStringLiteral("data_101")))
        return Db::Commit(error);
    QStringList statements;
    for (const char* s : kOlderTables)
        statements << QString::fromUtf8(s);
    const bool ok = Db::ExecStatements(statements, error)
        && loadTsv(QStringLiteral("drugs/atc.tsv"), QStringLiteral("data_107"), {"KOD_ATC", "NAZWA"}, error)
        && loadTsv(QStringLiteral("drugs/leki.tsv"), QStringLiteral("data_108"),
                   {"nazwa", "rodzajOpak", "dawka", "jm", "ilosc", "atc", "receptariusz"}, error);
    if (!ok) {
        Db::Rollback();
        return false;
    }
    return Db::Commit(error);
}

bool OpenStore(const QString& folder, QString* error)
{
    const QString path = QDir(folder).filePath(Db::kFileName);
    QString cause;
    bool ok = Db::Open(path, &cause);
    if (ok && !Db::TableExists(QStringLiteral("data_101"))) {
        // A new installation, or one whose creation was cut off before anything was committed.
        TQuery q(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        const bool empty = q.Open() && q.Next() && q.Field(0).toLongLong() == 0;
        q.SetSql(QString());
        if (empty) {
            ok = CreateFreshDatabase(path, &cause);
        } else {
            cause = QStringLiteral("plik nie zawiera tabel programu");
            ok = false;
        }
    }
    if (ok)
        ok = UpgradeSchema(&cause);
    // The visits table that the upgrade creates is widened by the next upgrade; that one runs
    // now, so an installation is current after one start and later starts change nothing.
    if (ok && !CollectUpgradeStatements().isEmpty())
        ok = UpgradeSchema(&cause);
    if (ok) {
        QStringList indexes;
        for (const char* s : kIndexes)
            indexes << QString::fromUtf8(s);
        ok = Db::ExecScript(indexes, &cause);
    }
    if (!ok) {
        Db::Close();
        if (error)
            *error = QStringLiteral("Nie można otworzyć bazy danych „%1”: %2").arg(path, ExplainStoreFailure(cause));
    }
    return ok;
}

QString ExplainStoreFailure(const QString& cause)
{
    struct TReason
    {
        const char* const words[3];
        const char* text;
    };
    static const TReason reasons[] = {
        {{"locked", "busy", nullptr}, "baza jest zablokowana przez inny program; zamknij go i uruchom program ponownie"},
        {{"readonly", "read-only", nullptr}, "plik bazy lub jego folder jest tylko do odczytu"},
        {{"not a database", "malformed", "corrupt"}, "plik jest uszkodzony lub nie jest bazą danych programu"},
        {{"disk i/o", "database or disk is full", nullptr}, "błąd zapisu na dysku (brak miejsca lub uszkodzony nośnik)"},
        {{"unable to open", "cannot open", nullptr}, "brak dostępu do pliku bazy lub do jego folderu"},
    };
    const QString lower = cause.toLower();
    for (const TReason& r : reasons)
        for (const char* word : r.words)
            if (word && lower.contains(QLatin1String(word)))
                return QString::fromUtf8(r.text) + QStringLiteral(" (") + cause + QLatin1Char(')');
    return cause;
}
} // namespace Schema
