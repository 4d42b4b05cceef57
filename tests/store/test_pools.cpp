// Pools and blocks on a real database file.
#include "numbers/svNumbers.h"
#include "store/svDB.h"
#include "store/svDBPula.h"
#include "store/svSchema.h"
#include "support/TestSupport.h"

#include <QProcess>

namespace
{
const QString kStart = QStringLiteral("0112304500000000000189"); // kind 5, serial 1
QString num(qint64 s)
{
    return NumberWithSerial(kStart, s);
}

class PoolsTest : public StoreFixture
{
protected:
    FixedClock clock{QDateTime(QDate(2026, 12, 1), QTime(9, 30, 0))};
    AskRecorder boxes;
};

TEST_F(PoolsTest, AddListFindAndDelete)
{
    const auto p = AddPool(num(1), num(100));
    ASSERT_TRUE(p);
    EXPECT_GT(p->Id, 0);
    EXPECT_TRUE(p->Active);
    EXPECT_EQ(PoolTimeText(*p), QStringLiteral("2026-12-01 09:30:00"));
    ASSERT_TRUE(AddPool(num(201), num(300)));
    EXPECT_EQ(ListPools(false).size(), 2);
    EXPECT_EQ(FindPoolId(num(201), num(300)), p->Id + 1);
    EXPECT_EQ(FindPoolId(num(201), num(301)), -1);

    TPulaData inactive = *p;
    inactive.Active = false;
    ASSERT_TRUE(SavePoolState(inactive));
    EXPECT_EQ(ListPools(true).size(), 1);

    TPulaData withBlock = *FindPool(num(201), num(300));
    ASSERT_TRUE(AddBlock(withBlock, 210, 220));
    EXPECT_EQ(DeletePool(withBlock), 0);
    EXPECT_EQ(ListBlocks(withBlock.Id)->size(), 0);
    EXPECT_EQ(DeletePool(withBlock), 0); // gone already: still success
}

TEST_F(PoolsTest, BlocksKeepTheRestrictedCountAndOverlapsAreFound)
{
    TPulaData p = *AddPool(num(1), num(100));
    ASSERT_TRUE(AddBlock(p, 5, 5));
    EXPECT_EQ(FindPoolById(p.Id)->Restricted, 1);
    ASSERT_TRUE(AddBlock(p, 20, 30));
    EXPECT_EQ(FindPoolById(p.Id)->Restricted, 12);
    struct
    {
        qint64 from, to;
        int expected;
    } overlaps[] = {{10, 20, 500}, {31, 40, 0}, {1, 4, 0}, {5, 5, 500}, {1, 100, 500}};
    for (const auto& c : overlaps)
        EXPECT_EQ(CheckBlockOverlap(p.Id, c.from, c.to), c.expected) << c.from << ".." << c.to;
    EXPECT_EQ(CountBlockedInRange(p.Start, p.End, 1, 25), 1 + 6);
    EXPECT_EQ(CountBlockedInRange(p.Start, p.End, 1, 100), 12);
    ASSERT_TRUE(DeleteBlock(p, 5, 5));
    EXPECT_EQ(FindPoolById(p.Id)->Restricted, 11);
    EXPECT_EQ(ListBlocks(p.Id)->size(), 1);
}

TEST_F(PoolsTest, NextFreeNumberSkipsBlocksAndKnowsWhenThePoolIsUsedUp)
{
    TPulaData p = *AddPool(num(1), num(10));
    EXPECT_EQ(NextFreeNumber(p.Start, p.End), num(1));
    ASSERT_TRUE(AddBlock(p, 1, 2));
    ASSERT_TRUE(AddBlock(p, 3, 4)); // adjacent blocks are passed one after the other
    EXPECT_EQ(NextFreeNumber(p.Start, p.End), num(5));
    p.LastPrinted = num(7);
    ASSERT_TRUE(SavePoolState(p));
    EXPECT_EQ(NextFreeNumber(p.Start, p.End), num(8));
    ASSERT_TRUE(AddBlock(p, 8, 10));
    EXPECT_EQ(NextFreeNumber(p.Start, p.End), QString());
    p.LastPrinted = num(10);
    ASSERT_TRUE(SavePoolState(p));
    EXPECT_EQ(NextFreeNumber(p.Start, p.End), QString());
    EXPECT_EQ(NextFreeNumber(num(1), num(11)), QString()); // no such pool
}

TEST_F(PoolsTest, PoolOverlapWithinTheSameConstantPartOnly)
{
    ASSERT_TRUE(AddPool(num(100), num(200)));
    EXPECT_EQ(CheckPoolOverlap(num(150), num(160), true), 500);
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_EQ(CheckPoolOverlap(num(190), num(250), false), 500);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().at(0).title, QStringLiteral("Uwaga"));
    EXPECT_EQ(boxes.shown().at(0).text, QStringLiteral("zakres nowej puli pokrywa się z zakresem innej, istniejącej już puli"));
    EXPECT_EQ(CheckPoolOverlap(num(201), num(300), false), 0);
    // Another first 8 characters: never compared.
    const QString other = QStringLiteral("0107304500000000000189");
    EXPECT_EQ(CheckPoolOverlap(NumberWithSerial(other, 150), NumberWithSerial(other, 160), true), 0);
}

TEST_F(PoolsTest, RecordingAPrintedNumberNeverGoesBack)
{
    const TPulaData p = *AddPool(num(1), num(100));
    ASSERT_TRUE(RecordPrintedNumber(p.Id, num(5)));
    ASSERT_TRUE(RecordPrintedNumber(p.Id, num(3))); // an older confirmation arriving late
    EXPECT_EQ(FindPoolById(p.Id)->LastPrinted, num(5));
    ASSERT_TRUE(RecordPrintedNumber(p.Id, num(6)));
    EXPECT_EQ(FindPoolById(p.Id)->LastPrinted, num(6));
    QString error;
    EXPECT_FALSE(RecordPrintedNumber(p.Id + 100, num(6), &error));
    ASSERT_TRUE(RecordSerialPrintout(p.Id));
    EXPECT_EQ(FindPoolById(p.Id)->Printed, 1);
}

TEST(PoolsCli, CommandsAndRefusals)
{
    TempDataFolder dir;
    const QString d = dir.path();
    EXPECT_EQ(runCli({"pool", "add", " " + num(1), num(100) + " "}, d).out, QStringLiteral("1\n"));
    const CliRun overlap = runCli({"pool", "add", num(50), num(150)}, d);
    EXPECT_EQ(overlap.exitCode, 1);
    EXPECT_EQ(overlap.err, QStringLiteral("zakres nowej puli pokrywa się z zakresem innej, istniejącej już puli\n"));
    const CliRun bad = runCli({"pool", "add", num(200), num(150)}, d);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, QStringLiteral("numer początkowy jest większy niż końcowy\n"));

    EXPECT_EQ(runCli({"pool", "block", "1", "9", "5"}, d).err, QStringLiteral("numer początkowy jest większy niż końcowy\n"));
    EXPECT_EQ(runCli({"pool", "block", "1", "1", "3"}, d).exitCode, 0);
    const CliRun twice = runCli({"pool", "block", "1", "3", "4"}, d);
    EXPECT_EQ(twice.exitCode, 1);
    EXPECT_EQ(twice.err,
              QStringLiteral("zakres blokowanych recept pokrywa się z innym zakresem zablokowanych numerów w tej puli\n"));
    EXPECT_EQ(runCli({"pool", "next", "1"}, d).out, num(4) + QStringLiteral("\n"));
    const QStringList blocks = runCli({"pool", "blocks", "1"}, d).lines();
    ASSERT_EQ(blocks.size(), 1);
    EXPECT_TRUE(blocks.at(0).startsWith(QStringLiteral("1\t3\t3\t")));
    EXPECT_EQ(runCli({"pool", "unblock", "1", "1", "3"}, d).exitCode, 0);
    EXPECT_EQ(runCli({"pool", "set-active", "1", "0"}, d).exitCode, 0);
    EXPECT_TRUE(runCli({"pool", "list", "--active"}, d).out.isEmpty());
    const QStringList fields = runCli({"pool", "list"}, d).lines().value(0).split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 9);
    EXPECT_EQ(fields.at(4), QStringLiteral("0"));
    EXPECT_EQ(fields.at(6), QStringLiteral("0"));
    EXPECT_EQ(fields.at(8), QStringLiteral("100"));
    EXPECT_EQ(runCli({"pool", "next", "7"}, d).exitCode, 1);
    EXPECT_EQ(runCli({"pool", "delete", "1"}, d).exitCode, 0);
    EXPECT_TRUE(runCli({"pool", "list"}, d).out.isEmpty());
}

TEST(PoolsCli, TwoProcessesAtOnceLoseNothing)
{
    TempDataFolder dir;
    ASSERT_EQ(runCli({"pool", "add", num(1), num(1000)}, dir.path()).exitCode, 0);
    // Two writers interleave pool additions and block additions against the same file.
    auto start = [&](int base) {
        auto* p = new QProcess;
        QStringList script;
        for (int i = 0; i < 15; ++i) {
            const qint64 a = 2000 + (base * 100 + i) * 10;
            script << QStringLiteral("\"$SOLVIRA_CLI\" --data \"%1\" pool add %2 %3 >/dev/null || exit 1")
                          .arg(dir.path(), num(a), num(a + 5));
            script << QStringLiteral("\"$SOLVIRA_CLI\" --data \"%1\" pool block 1 %2 %2 || exit 1").arg(dir.path()).arg(base * 100 + i + 1);
        }
        p->start(QStringLiteral("bash"), {QStringLiteral("-c"), script.join(QLatin1Char('\n'))});
        return p;
    };
    std::unique_ptr<QProcess> a(start(1)), b(start(2));
    ASSERT_TRUE(a->waitForFinished(240000));
    ASSERT_TRUE(b->waitForFinished(240000));
    EXPECT_EQ(a->exitCode(), 0) << a->readAllStandardError().toStdString();
    EXPECT_EQ(b->exitCode(), 0) << b->readAllStandardError().toStdString();
    EXPECT_EQ(runCli({"pool", "list"}, dir.path()).lines().size(), 1 + 30);
    EXPECT_EQ(runCli({"pool", "blocks", "1"}, dir.path()).lines().size(), 30);
    EXPECT_TRUE(runCli({"pool", "list"}, dir.path()).lines().value(0).contains(QStringLiteral("\t30\t\t1000")));
}
} // namespace
