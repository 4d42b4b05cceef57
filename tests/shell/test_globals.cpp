// Constant lists and text helpers.
#include "shell/svGlobals.h"
#include "support/TestSupport.h"

#include <QFile>

namespace
{
TEST(Globals, ConstantListsAndTitle)
{
    EXPECT_EQ(ProgramTitle(), QStringLiteral("Solvira 4.50"));
    QStringList l{QStringLiteral("stale")};
    FillBranches(l);
    ASSERT_EQ(l.size(), 17);
    for (int i = 0; i < l.size(); ++i)
        EXPECT_EQ(l.at(i).left(3), ZeroPad(i + 1, 2) + QLatin1Char(' ')); // code and position agree
    EXPECT_EQ(l.at(11), QStringLiteral("12 Śląski"));
    FillEntitlements(l);
    ASSERT_EQ(l.size(), 12);
    EXPECT_EQ(l.first(), QStringLiteral(" X"));
    EXPECT_EQ(l.last(), QStringLiteral("ZK zasłużony dawca krwi lub przeszczepu"));
    FillPaymentLevels(l);
    EXPECT_EQ(l, (QStringList{"B", "R", "30%", "50%", "100%"}));
}

TEST(Globals, TextHelpers)
{
    EXPECT_EQ(ZeroPad(7, 4), QStringLiteral("0007"));
    EXPECT_EQ(ZeroPad(12345, 4), QStringLiteral("12345"));
    EXPECT_EQ(TextToInt64(QString()), 0);
    EXPECT_EQ(TextToInt64(QStringLiteral("12a")), 0);
    EXPECT_EQ(TextToInt64(QStringLiteral("0042")), 42);
    EXPECT_EQ(TextToInt64(QStringLiteral("987654321098")), 987654321098LL);
    EXPECT_DOUBLE_EQ(TextToFloat(QStringLiteral("2.5")), 2.5);
    EXPECT_DOUBLE_EQ(TextToFloat(QStringLiteral("2,5")), 0.0);
    EXPECT_EQ(CopyRange(QStringLiteral("abcde"), 4, 9), QStringLiteral("de"));
    EXPECT_EQ(CopyRange(QStringLiteral("abcde"), 3, 2), QString());
    EXPECT_EQ(LeftPart(QStringLiteral("abcde"), 2), QStringLiteral("ab"));
    EXPECT_EQ(RightPart(QStringLiteral("abcde"), 2), QStringLiteral("de"));
    EXPECT_EQ(CharAt(QStringLiteral("abc"), 1), QStringLiteral("a"));
    EXPECT_EQ(CharAt(QStringLiteral("abc"), 0), QString());
    EXPECT_EQ(CharAt(QStringLiteral("abc"), 4), QString());
    EXPECT_EQ(TrimBlanks(QStringLiteral("  a b \t ")), QStringLiteral("a b \t")); // only blanks are trimmed
    EXPECT_EQ(TrimLeftBlanks(QStringLiteral("  a ")), QStringLiteral("a "));
    EXPECT_EQ(TrimRightBlanks(QStringLiteral("  a ")), QStringLiteral("  a"));
    EXPECT_TRUE(IsBlank(QStringLiteral("   ")));
    EXPECT_FALSE(IsBlank(QStringLiteral("\t")));
    EXPECT_EQ(UpperPl(QStringLiteral("zażółć gęślą jaźń 12,-ü")), QStringLiteral("ZAŻÓŁĆ GĘŚLĄ JAŹŃ 12,-ü"));
    EXPECT_TRUE(IsDigit(QStringLiteral("7x")));
    EXPECT_FALSE(IsDigit(QString()));
    EXPECT_EQ(EnsureSuffix(QStringLiteral(" C:\\a "), QStringLiteral("\\")), QStringLiteral("C:\\a\\"));
    EXPECT_EQ(EnsureBackslash(QStringLiteral("C:\\a\\")), QStringLiteral("C:\\a\\"));
    EXPECT_EQ(Choose(true, "a", "b"), QStringLiteral("a"));
}

TEST(Globals, WildcardMatch)
{
    struct Case
    {
        const char* pattern;
        bool match;
    } cases[] = {{"Kow%", true}, {"%ski", true}, {"Ko%ki", false}, {"Nowak", true},
                 {"%ski%", false}, {"%Kowalski", true}, {"Now%", false}};
    for (const auto& c : cases)
        EXPECT_EQ(WildcardMatch(QString::fromLatin1(c.pattern), QStringLiteral("Kowalski"), QLatin1Char('%')), c.match)
            << c.pattern;
    // A lone wildcard matches an empty text, also one read as null from the store.
    EXPECT_TRUE(WildcardMatch(QStringLiteral("*"), QString(), QLatin1Char('*')));
}

TEST(Globals, Cp1250Order)
{
    // Windows-1250: Z < Ś (0x8C) < Ł (0xA3) < Ą (0xA5).
    EXPECT_LT(CompareCp1250(QStringLiteral("Z"), QStringLiteral("Ś")), 0);
    EXPECT_LT(CompareCp1250(QStringLiteral("Ś"), QStringLiteral("Ł")), 0);
    EXPECT_LT(CompareCp1250(QStringLiteral("Ł"), QStringLiteral("Ą")), 0);
    EXPECT_LT(CompareCp1250(QStringLiteral("AB"), QStringLiteral("ABC")), 0);
    EXPECT_EQ(CompareCp1250(QStringLiteral("Żuk"), QStringLiteral("Żuk")), 0);
}

TEST(Globals, MatchingFiles)
{
    TempDataFolder dir;
    QString name;
    FirstMatchingFileName(dir.file(QStringLiteral("drukpict.*")), name);
    EXPECT_TRUE(name.isEmpty()); // nothing matches: unchanged
    for (const char* f : {"drukpict.png", "a.adi", "b.adi", "keep.txt"}) {
        QFile file(dir.file(QString::fromLatin1(f)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(dir.file(QStringLiteral("b.adi")), QFile::ReadOwner); // read-only goes too
    FirstMatchingFileName(dir.file(QStringLiteral("drukpict.*")), name);
    EXPECT_EQ(name, QStringLiteral("drukpict.png"));
    DeleteMatchingFiles(dir.file(QStringLiteral("*.adi")));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("a.adi"))));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("b.adi"))));
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("keep.txt"))));
}
} // namespace
