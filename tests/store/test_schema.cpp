// The store's schema: a fresh installation, the upgrade's statements and its all-or-nothing run.
#include "store/svDB.h"
#include "store/svSchema.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlQuery>

namespace
{
QString olderDictionary(const TempDataFolder& dir)
{
    const QString path = dir.file(QStringLiteral("data_100.add"));
    QString error;
    EXPECT_TRUE(Schema::CreateFreshDatabase(path, &error)) << qPrintable(error);
    return path;
}

QByteArray digest(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

TEST(Schema, UpgradeOfAnOlderDictionaryCollectsTheStatementsInOrder)
{
    TempDataFolder dir;
    olderDictionary(dir);
    const QStringList l = Schema::CollectUpgradeStatements();
    ASSERT_GE(l.size(), 10);
    EXPECT_EQ(l.mid(0, 6), (QStringList{
                               "ALTER TABLE data_101 ADD COLUMN rodzaj INTEGER DEFAULT '1';",
                               "UPDATE data_101 SET rodzaj=1;",
                               "ALTER TABLE data_108 ADD COLUMN odplat INTEGER DEFAULT '0';",
                               "UPDATE data_108 SET odplat=0;",
                               "ALTER TABLE data_110 ADD COLUMN odplat INTEGER DEFAULT '0';",
                               "UPDATE data_110 SET odplat=0;",
                           }));
    EXPECT_EQ(l.at(6), QStringLiteral("ALTER TABLE data_109 ALTER COLUMN daneid daneid CHAR(100);"));
    EXPECT_EQ(l.at(7), QStringLiteral("ALTER TABLE data_109 ADD COLUMN prn_single_name CHAR(50);"));
    EXPECT_EQ(l.at(8), QStringLiteral("ALTER TABLE data_109 ADD COLUMN prn_single_format CHAR(30) DEFAULT 'A4';"));
    EXPECT_EQ(l.at(9), QStringLiteral("UPDATE data_109 SET prn_single_format='A4';"));
    EXPECT_TRUE(l.contains(QStringLiteral("UPDATE data_109 SET prn_single_rotate=FALSE;")));
    EXPECT_TRUE(l.contains(QStringLiteral("CREATE INDEX wizyty_data ON data_111( data_wizyty );")));
    const qsizetype five = l.indexOf(QStringLiteral("ALTER TABLE data_101 ALTER start start CHAR(22);"));
    ASSERT_GT(five, 0);
    EXPECT_EQ(l.mid(five, 4), (QStringList{
                                  "ALTER TABLE data_101 ALTER start start CHAR(22);",
                                  "ALTER TABLE data_101 ALTER \"end\" \"end\" CHAR(22);",
                                  "ALTER TABLE data_101 ALTER lastprinted lastprinted CHAR(22);",
                                  "ALTER TABLE data_101 ALTER rodzaj rodzaj INTEGER DEFAULT '5';",
                              }));
    EXPECT_TRUE(l.contains(QStringLiteral("UPDATE data_109 SET ramkiLekiWl=True ;")));
    EXPECT_TRUE(l.contains(QStringLiteral("ALTER TABLE data_109 ADD COLUMN czcionkarozmiar09 INTEGER DEFAULT '15' ;")));
    EXPECT_TRUE(l.contains(QStringLiteral("UPDATE data_109 SET pogrub10=False ;")));
    // data_111 does not exist yet, so step 7 adds nothing; step 8 closes the list.
    EXPECT_FALSE(l.contains(QStringLiteral("ALTER TABLE data_111 ALTER COLUMN nr_recepty nr_recepty CHAR(22);")));
    EXPECT_EQ(l.last(), QStringLiteral("ALTER TABLE data_109 ADD COLUMN daneid2 CHAR(100);"));
    EXPECT_EQ(l.size(), 6 + 1 + (15 + 12 + 2) + 4 + (2 + 2 + 2 + 1 + 2 + 6 + 20 + 20 + 20) + 2);
    Db::Close();
}

TEST(Schema, CombinedStepsKeepOldPoolsAtOneAndNewPoolsAtFive)
{
    TempDataFolder dir;
    const QString path = olderDictionary(dir);
    ASSERT_TRUE(Db::Exec("INSERT INTO data_101 (start, \"end\", printed, restricted, active, time) VALUES "
                         "('07123456789000000152', '07123456789000000255', 0, 0, 1, '2020-01-01 10:00:00')"));
    QString error;
    ASSERT_TRUE(Schema::UpgradeSchema(&error)) << qPrintable(error);
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".kopia")));
    ASSERT_TRUE(Db::Exec("INSERT INTO data_101 (start, \"end\") VALUES ('0112304500000000012382', '0112304500000000012485')"));
    QSqlQuery q(Db::Connection());
    ASSERT_TRUE(q.exec("SELECT id, rodzaj FROM data_101 ORDER BY id"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
    EXPECT_EQ(q.value(1).toInt(), 1);
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 2); // the id sequence survived the rebuild
    EXPECT_EQ(q.value(1).toInt(), 5);
    EXPECT_EQ(Db::ColumnSize("data_101", "end"), 22);
    EXPECT_EQ(Db::ColumnSize("data_109", "druk_tekst"), 200);
    EXPECT_TRUE(Db::TableExists("data_111"));
    // The shipped drug base came along with its new payment column.
    ASSERT_TRUE(q.exec("SELECT count(*), sum(odplat) FROM data_108"));
    ASSERT_TRUE(q.next());
    EXPECT_GE(q.value(0).toInt(), 400);
    EXPECT_EQ(q.value(1).toInt(), 0);
    q.finish();
    // The visits table was created at the start just made: the next start widens its number
    // column, and the one after that collects nothing.
    EXPECT_EQ(Schema::CollectUpgradeStatements(),
              QStringList{"ALTER TABLE data_111 ALTER COLUMN nr_recepty nr_recepty CHAR(22);"});
    ASSERT_TRUE(Schema::UpgradeSchema(&error)) << qPrintable(error);
    EXPECT_EQ(Db::ColumnSize("data_111", "nr_recepty"), 22);
    EXPECT_EQ(Schema::CollectUpgradeStatements(), QStringList());
    Db::Close();
}

TEST(Schema, AFailingStatementLeavesTheDatabaseExactlyAsBefore)
{
    TempDataFolder dir;
    const QString path = olderDictionary(dir);
    ASSERT_TRUE(Db::Exec("INSERT INTO data_101 (start, \"end\") VALUES ('07123456789000000152', '07123456789000000255')"));
    Db::Close();
    const QByteArray before = digest(path);
    ASSERT_TRUE(Db::Open(path));
    QStringList statements = Schema::CollectUpgradeStatements();
    statements.insert(statements.size() / 2, QStringLiteral("UPDATE no_such_table SET x=1;"));
    QString error;
    EXPECT_FALSE(Db::ExecScript(statements, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("no_such_table")));
    EXPECT_FALSE(Schema::CollectUpgradeStatements().isEmpty()); // nothing half-applied
    Db::Close();
    EXPECT_EQ(digest(path), before);
}

TEST(Schema, OpenStoreMakesTheFreshInstallationAndRefusesABrokenFile)
{
    TempDataFolder dir;
    QString error;
    ASSERT_TRUE(Schema::OpenStore(dir.path(), &error)) << qPrintable(error);
    Db::Close();
    ASSERT_TRUE(Schema::OpenStore(dir.path(), &error)) << qPrintable(error); // the second start
    EXPECT_TRUE(Schema::CollectUpgradeStatements().isEmpty());
    Db::Close();

    TempDataFolder broken;
    QFile f(broken.file(QStringLiteral("data_100.add")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    EXPECT_FALSE(Schema::OpenStore(broken.path(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("data_100.add"))) << qPrintable(error);
    EXPECT_TRUE(error.contains(QStringLiteral("plik jest uszkodzony"))) << qPrintable(error);
    EXPECT_TRUE(QFile::exists(broken.file(QStringLiteral("data_100.add")))); // never replaced
}

TEST(Schema, StoreFailuresAreExplainedInPolishWithTheEngineWordsKept)
{
    struct TCase
    {
        const char* cause;
        const char* explained; // empty: left as it is
    };
    const TCase cases[] = {
        {"database is locked Unable to execute statement", "baza jest zablokowana przez inny program"},
        {"attempt to write a readonly database", "plik bazy lub jego folder jest tylko do odczytu"},
        {"file is not a database Unable to execute statement", "plik jest uszkodzony"},
        {"database disk image is malformed", "plik jest uszkodzony"},
        {"unable to open database file Error opening database", "brak dostępu do pliku bazy"},
        {"database or disk is full", "błąd zapisu na dysku"},
        {"plik nie zawiera tabel programu", ""},
    };
    for (const TCase& c : cases) {
        const QString cause = QString::fromLatin1(c.cause);
        const QString text = Schema::ExplainStoreFailure(cause);
        if (*c.explained) {
            EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.explained))) << qPrintable(text);
            EXPECT_TRUE(text.endsWith(QLatin1Char('(') + cause + QLatin1Char(')'))) << qPrintable(text);
        } else {
            EXPECT_EQ(text, QString::fromUtf8(c.cause));
        }
    }
}
} // namespace
