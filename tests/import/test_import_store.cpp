// Storing imported pools: overlaps skipped with their messages, the summary, the CLI command.
#include "XmzFixture.h"
#include "import/svPulaImport.h"
#include "numbers/svNumbers.h"
#include "store/svDB.h"
#include "store/svSchema.h"
#include "support/TestSupport.h"

namespace
{
const QString k22 = QStringLiteral("0112304500000000012382");
const QString k20 = QStringLiteral("07123456789000000152");

QStringList run(const QString& t, std::initializer_list<int> serials)
{
    QStringList l;
    for (int s : serials)
        l << Num(t, s);
    return l;
}

TEST(ImportStore, OverlapsAreSkippedWithTheirMessagesAndTheSummaryCountsTheRest)
{
    TempDataFolder dir;
    QString error;
    ASSERT_TRUE(Schema::OpenStore(dir.path(), &error)) << qPrintable(error);
    ASSERT_TRUE(AddPool(Num(k22, 100), Num(k22, 150)));
    AskRecorder boxes;
    QList<TPulaData> rows;
    for (const auto& [a, b] : {std::pair{140, 160}, std::pair{200, 299}, std::pair{300, 300}}) {
        TPulaData r;
        r.Start = Num(k22, a);
        r.End = Num(k22, b);
        rows << r;
    }
    const TImportResult result = ImportPools(rows);
    EXPECT_EQ(result.pools, 2);
    EXPECT_EQ(result.numbers, 101);
    EXPECT_TRUE(result.accepted);
    ASSERT_EQ(boxes.shown().size(), 3);
    EXPECT_EQ(boxes.shown().at(0).title, QStringLiteral("Uwaga"));
    EXPECT_EQ(boxes.shown().at(1).title, QStringLiteral("Ostrzeżenie"));
    EXPECT_EQ(boxes.shown().at(1).text, QStringLiteral("wystąpił nieoczekiwany problem z importem puli:\r") + Num(k22, 140)
                                            + QStringLiteral(" - ") + Num(k22, 160) + QStringLiteral("  (21)"));
    EXPECT_EQ(boxes.shown().at(2).title, QStringLiteral("Informacja"));
    EXPECT_EQ(boxes.shown().at(2).text, QStringLiteral("import został zakończony\rliczba zaimportowanych pul numeracyjnych: 2\r"
                                                       "łączna liczba zaimportowanych recept: 101"));
    EXPECT_EQ(ListPools(false).size(), 3);

    AskRecorder empty;
    EXPECT_FALSE(ImportPools({}).accepted);
    ASSERT_EQ(empty.shown().size(), 1);
    EXPECT_EQ(empty.shown().at(0).text, QStringLiteral("brak pul numeracyjnych do zaimportowania"));
    Db::Close();
}

TEST(ImportStore, OnlyStatusZeroRowsAreStoredAndTheCursorIsNormalWhileABoxIsUp)
{
    TempDataFolder dir;
    QString error;
    ASSERT_TRUE(Schema::OpenStore(dir.path(), &error)) << qPrintable(error);
    ASSERT_TRUE(AddPool(Num(k20, 10), Num(k20, 20)));
    AskRecorder boxes;
    QStringList trace;
    TImportHooks hooks;
    hooks.busy = [&](bool on) { trace << QString::number(boxes.shown().size()) + (on ? "busy" : "idle"); };
    hooks.beforeSummary = [&] { trace << QString::number(boxes.shown().size()) + "hide"; };
    QList<TPulaData> rows(3);
    rows[0].Start = Num(k20, 15), rows[0].End = Num(k20, 30);                       // overlaps
    rows[1].Start = Num(k20, 40), rows[1].End = Num(k20, 49), rows[1].Status = 1; // not to be imported
    rows[2].Start = Num(k20, 50), rows[2].End = Num(k20, 59);
    const TImportResult result = ImportPools(rows, hooks);
    EXPECT_EQ(result.pools, 1);
    EXPECT_EQ(result.numbers, 10);
    // The overlap box (1) under the busy cursor, the warning (2) with the normal one, the
    // summary (3) after the dialog is hidden.
    EXPECT_EQ(trace, QStringList({"0busy", "1idle", "2busy", "2idle", "2hide"}));
    EXPECT_EQ(boxes.shown().size(), 3);
    EXPECT_FALSE(FindPool(Num(k20, 40), Num(k20, 49)));
    EXPECT_TRUE(FindPool(Num(k20, 50), Num(k20, 59)));

    AskRecorder none;
    trace.clear();
    EXPECT_FALSE(ImportPools({rows[1]}, hooks).accepted);
    EXPECT_TRUE(trace.isEmpty());
    ASSERT_EQ(none.shown().size(), 1);
    EXPECT_EQ(none.shown().at(0).title, QStringLiteral("Uwaga"));
    Db::Close();
}

TEST(ImportStore, CliImportsTwoEntriesAndListsTheTree)
{
    TempDataFolder dir;
    const QString xmz = dir.file(QStringLiteral("pule.xmz"));
    ASSERT_TRUE(WriteZip(xmz, {{"lekarze.xml", XmzDocument("S", {run(k20, {5, 6, 7, 9, 10}), run(k22, {1, 2})})},
                               {"lekarz.xml", XmzDocument("L", {run(k22, {50, 51})}, false)}}));
    const QString data = dir.file(QStringLiteral("dane"));

    const CliRun list = runCli({"import", xmz, "--list"}, data);
    ASSERT_EQ(list.exitCode, 0) << qPrintable(list.err);
    const QStringList lines = list.lines();
    ASSERT_EQ(lines.size(), 1 + 1 + 2 + 1 + 1 + 1 + 1 + 1);
    EXPECT_EQ(lines.at(0), QStringLiteral("0\tPrzychodnia Zdrowie Łódź, ul. Piotrkowska 1"));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("1\tLekarz 0 / PESEL:")));
    EXPECT_EQ(lines.at(2), QStringLiteral("2\t") + Num(k20, 5) + QStringLiteral(" - ") + Num(k20, 7));
    EXPECT_EQ(lines.at(6), QStringLiteral("0\t<niekontraktowy>"));
    EXPECT_TRUE(runCli({"pool", "list"}, data).out.isEmpty()); // --list stores nothing

    const CliRun first = runCli({"import", xmz}, data);
    ASSERT_EQ(first.exitCode, 0) << qPrintable(first.err);
    EXPECT_EQ(first.value("pools"), QStringLiteral("4"));
    EXPECT_EQ(first.value("numbers"), QStringLiteral("9"));
    // Importing the same file again: every pool overlaps, each with both messages.
    const CliRun again = runCli({"import", xmz}, data);
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.value("pools"), QStringLiteral("0"));
    EXPECT_EQ(again.err.count(QStringLiteral("zakres nowej puli pokrywa się z zakresem innej, istniejącej już puli")), 4);
    EXPECT_EQ(again.err.count(QStringLiteral("wystąpił nieoczekiwany problem z importem puli: ")), 4);
}

TEST(ImportStore, AStructuralFaultStoresNothing)
{
    TempDataFolder dir;
    const QString xmz = dir.file(QStringLiteral("zly.xmz"));
    ASSERT_TRUE(WriteZip(xmz, {{"a.xml", XmzDocument("S", {run(k22, {1, 2})})}, {"b.xml", "<recepty typ=\"Q\"/>"}}));
    const QString data = dir.file(QStringLiteral("dane"));
    const CliRun r = runCli({"import", xmz}, data);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Błąd struktury pliku XMZ.\nNieprawidłowa wartość atrybutu \"typ\" w znaczniku: \"recepty\".\n"
                                    "Import pul numeracyjnych zakończył się niepowodzeniem.\n"));
    EXPECT_TRUE(runCli({"pool", "list"}, data).out.isEmpty());

    const QString notXml = dir.file(QStringLiteral("tekst.xmz"));
    ASSERT_TRUE(WriteZip(notXml, {{"a.txt", "to nie jest XML <"}}));
    const CliRun parse = runCli({"import", notXml}, data);
    EXPECT_EQ(parse.exitCode, 1);
    EXPECT_TRUE(parse.err.endsWith(QStringLiteral("Import pul numeracyjnych zakończył się niepowodzeniem.\n")));
    EXPECT_EQ(parse.err.count(QLatin1Char('\n')), 2);
    EXPECT_EQ(runCli({"import", dir.file(QStringLiteral("brak.xmz"))}, data).exitCode, 1);

    // What the dialog shows: the structural message as a plain box, then the failure box.
    std::vector<TXmzEntry> entries;
    QStringList messages;
    EXPECT_FALSE(LoadXmzArchive(xmz, &entries, &messages));
    EXPECT_TRUE(entries.empty()); // the entry read before the fault is dropped too
    AskRecorder boxes;
    ShowLoadFailure(messages);
    ASSERT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(boxes.shown().at(0).icon, AskIcon::None);
    EXPECT_EQ(boxes.shown().at(0).text, XmzMessage(EXMZ::UnknownType));
    EXPECT_EQ(boxes.shown().at(1).title, QStringLiteral("Komunikat"));
    EXPECT_EQ(boxes.shown().at(1).icon, AskIcon::Error);
    EXPECT_EQ(boxes.shown().at(1).text, kImportFailed);
}
} // namespace
