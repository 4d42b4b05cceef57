// solvira-cli barcode: the element string of a text, and the refusal of non-digits.
#include "support/TestSupport.h"

TEST(BarcodeCli, PrintsTextElementsAndWidth)
{
    const CliRun r = runCli({QStringLiteral("barcode"), QStringLiteral(" 123 ")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.value(QStringLiteral("text")), QStringLiteral("0123"));
    EXPECT_EQ(r.value(QStringLiteral("elements")), QStringLiteral("6051718050706160617060705163506270506"));
    EXPECT_EQ(r.value(QStringLiteral("width")), QStringLiteral("68"));
}

TEST(BarcodeCli, RefusesNonDigitsAndWrongUsage)
{
    const CliRun r = runCli({QStringLiteral("barcode"), QStringLiteral("12a4")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), QStringLiteral("Barcode must be numeric"));
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(runCli({QStringLiteral("barcode")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("barcode"), QStringLiteral("1"), QStringLiteral("2")}).exitCode, 2);
}
