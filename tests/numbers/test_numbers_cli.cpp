// The pure number commands of solvira-cli, run as a real process.
#include "support/TestSupport.h"

namespace
{
TEST(NumbersCli, NumberDescribesEveryField)
{
    const CliRun r = runCli({QStringLiteral("number"), QStringLiteral("0112304500000000012382")});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);
    EXPECT_EQ(r.lines(), (QStringList{
                             QStringLiteral("well-formed\t1"), QStringLiteral("kind\t5"),
                             QStringLiteral("serial\t123"), QStringLiteral("check-digit\t0"),
                             QStringLiteral("valid-check-digit\t1"), QStringLiteral("branch\t12 Śląski"),
                             QStringLiteral("category\tRp"), QStringLiteral("contract\t0 - Opieka zdrowotna"),
                         }));
}

TEST(NumbersCli, RangeAndSerialCommands)
{
    EXPECT_EQ(runCli({"with-serial", "12345678900019000287", "20000"}).out, QStringLiteral("12345678900029000082\n"));
    EXPECT_EQ(runCli({"with-serial", "abc", "1"}).out, QStringLiteral("\n"));
    EXPECT_EQ(runCli({"pool-size", "07123456789000000152", "07123456789000000255"}).out, QStringLiteral("2\n"));
    EXPECT_EQ(runCli({"is-next", "07123456789000000152", "07123456789000000255"}).out, QStringLiteral("1\n"));

    const CliRun ok = runCli({"validate-range", "07123456789000000152", "07123456789000000255"});
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_TRUE(ok.out.isEmpty());
    const CliRun bad = runCli({"validate-range", "07123456789000000152", "07123456789000000251"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, QStringLiteral("nieprawidłowy numer; zła cyfra kontrolna w numerze końcowym\n"));
}

TEST(NumbersCli, CheckDigitCalculator)
{
    const CliRun r = runCli({"check-digit", "0712345678900000015", "--rule", "2007"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.value("digits"), QStringLiteral("19"));
    EXPECT_EQ(r.value("weights"), QStringLiteral("1379137913791379137"));
    EXPECT_EQ(r.value("check-digit"), QStringLiteral("2"));
    EXPECT_EQ(r.value("number"), QStringLiteral("07123456789000000152"));
    EXPECT_EQ(r.value("kind"), QStringLiteral("1 - Numer 2007-05-17"));
    EXPECT_EQ(r.value("prescription-number"), QStringLiteral("1"));
    EXPECT_EQ(runCli({"check-digit", "x"}).value("weights"), QStringLiteral("Wprowadź liczbę"));
}

TEST(NumbersCli, UsageErrorsExitTwo)
{
    EXPECT_EQ(runCli({"number"}).exitCode, 2);
    EXPECT_EQ(runCli({"with-serial", "1", "-5"}).exitCode, 2);
    EXPECT_EQ(runCli({"check-digit", "1", "--rule", "1999"}).exitCode, 2);
    EXPECT_EQ(runCli({"no-such-command"}).exitCode, 2);
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("validate-range FIRST LAST")));
}
} // namespace
