// The command line, the version marker and the message box record.
#include "shell/Startup.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QSettings>

namespace
{
TEST(Startup, DecodeParamTextReplacesExactlyTheEighteenReferences)
{
    const QString all = QStringLiteral("&#261;&#263;&#281;&#322;&#324;&#243;&#347;&#378;&#380;"
                                       "&#260;&#262;&#280;&#321;&#323;&#211;&#346;&#377;&#379;");
    EXPECT_EQ(DecodeParamText(all), QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"));
    EXPECT_EQ(DecodeParamText(QStringLiteral("&#261;&amp;&#x105;")), QStringLiteral("ą&amp;&#x105;"));
    EXPECT_EQ(DecodeParamText(QStringLiteral("Ma&#322;ecki")), QStringLiteral("Małecki"));
    // Neighbours of the listed references and a broken one stay as they are.
    const QString untouched = QStringLiteral("&#262&#264;&#2610;&#X105;");
    EXPECT_EQ(DecodeParamText(untouched), untouched);
}

TEST(Startup, CommandLineFillsPositionsAsFarAsGiven)
{
    struct Case
    {
        QStringList args;
        int count;
        QString doctor;
    } cases[] = {
        {{}, 0, {}},
        {{"85010112345"}, 1, {}},
        {{"85010112345", "Jan", "Ma&#322;ecki", "Jan"}, 4, "Jan"},
        {{"p", "i", "n", "Jan", "Kowalski"}, 5, "Jan Kowalski"},
        {{"p", "i", "n", "Jan", "Kowalski", "lekarz"}, 6, "Jan Kowalski lekarz"},
        {{"p", "i", "n", "Jan", "Kowalski", "lekarz", "extra"}, 6, "Jan Kowalski lekarz"},
    };
    for (const auto& c : cases) {
        const TCommandLine cl = SplitCommandLine(c.args);
        EXPECT_EQ(cl.count, c.count);
        EXPECT_EQ(cl.doctor, c.doctor);
        EXPECT_EQ(cl.hasDoctor(), c.count >= 4);
    }
    const TCommandLine cl = SplitCommandLine({"85010112345", "Jan", "Ma&#322;ecki"});
    EXPECT_EQ(cl.pesel, QStringLiteral("85010112345"));
    EXPECT_EQ(cl.firstName, QStringLiteral("Jan"));
    EXPECT_EQ(cl.surname, QStringLiteral("Małecki"));
    EXPECT_FALSE(cl.hasDoctor());
}

void touch(const TempDataFolder& dir, const QStringList& names)
{
    for (const QString& n : names) {
        QFile f(dir.file(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
}

QString marker(const TempDataFolder& dir)
{
    return QSettings(dir.file(QStringLiteral("solvira.ini")), QSettings::IniFormat).value("MAIN/WERSJA").toString();
}

TEST(Startup, VersionMarkerCleansOnceAndIsWritten)
{
    const QStringList stale{"data_101.adi", "x.ai", "old.BAK"};
    for (const QString& previous : {QString(), QStringLiteral("4.49"), QStringLiteral("4.5"), QStringLiteral("")}) {
        TempDataFolder dir;
        if (!previous.isNull())
            QSettings(dir.file(QStringLiteral("solvira.ini")), QSettings::IniFormat).setValue("MAIN/WERSJA", previous);
        touch(dir, stale + QStringList{"data_100.add", "keep.txt"});
        ASSERT_TRUE(UpdateVersionMarker(dir.path()));
        for (const QString& f : stale)
            EXPECT_FALSE(QFile::exists(dir.file(f))) << qPrintable(f);
        EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("data_100.add"))));
        EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("keep.txt"))));
        EXPECT_EQ(marker(dir), QStringLiteral("4.50"));

        // The next start deletes nothing.
        touch(dir, stale);
        ASSERT_TRUE(UpdateVersionMarker(dir.path()));
        for (const QString& f : stale)
            EXPECT_TRUE(QFile::exists(dir.file(f))) << qPrintable(f);
    }
}

TEST(Startup, AskRecordsEveryBoxAndTakesQueuedAnswers)
{
    AskRecorder rec;
    Ask::queueAnswer(AskAnswer::No);
    EXPECT_FALSE(Ask::question(QStringLiteral("Czy wydruk jest poprawny?")));
    EXPECT_TRUE(Ask::question(QStringLiteral("Drugie?"))); // no presenter, no queue: default Yes
    Ask::refused(QStringLiteral("x"));
    ASSERT_EQ(rec.shown().size(), 3);
    EXPECT_EQ(rec.shown().at(0).title, QStringLiteral("Pytanie"));
    EXPECT_EQ(rec.shown().at(0).icon, AskIcon::Question);
    EXPECT_EQ(rec.shown().at(2).title, QStringLiteral("Uwaga"));
    EXPECT_EQ(rec.shown().at(2).icon, AskIcon::Error);
}
} // namespace
