// The print commands of solvira-cli, end to end: PDF files read back with zbarimg, the
// confirmation recorded in the store, and the refusals.
#include "numbers/svNumbers.h"
#include "support/Cups.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace
{
const QString kStart = QStringLiteral("0112304500000000000189");
QString num(qint64 s)
{
    return NumberWithSerial(kStart, s);
}

QStringList barcodesOf(const QString& pdf)
{
    QTemporaryDir pages;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {"-r", "300", "-gray", "-png", pdf, pages.filePath(QStringLiteral("p"))});
    p.waitForFinished(120000);
    QStringList all;
    for (const QString& f : QDir(pages.path()).entryList({QStringLiteral("p*.png")}, QDir::Files, QDir::Name)) {
        QStringList page = zbarReadFile(pages.filePath(f));
        std::sort(page.begin(), page.end());
        all << page;
    }
    return all;
}

QStringList code128(std::initializer_list<qint64> serials)
{
    QStringList l;
    for (qint64 s : serials)
        l << QStringLiteral("CODE-128:") + num(s);
    return l;
}

TEST(PrintCli, SerialAndSingleToPdfWithConfirmation)
{
    TempDataFolder dir;
    const QString d = dir.file(QStringLiteral("dane"));
    ASSERT_EQ(runCli({"pool", "add", num(1), num(8)}, d).exitCode, 0);
    ASSERT_EQ(runCli({"pool", "block", "1", "2", "2"}, d).exitCode, 0);

    // Without --pages: the count the dialog proposes for the offered range, 7 numbers at 3 a page.
    const QString serial = dir.file(QStringLiteral("seria.pdf"));
    const CliRun s = runCli({"print-serial", "--pool", "1", "--per-page", "3", "--landscape", "--pdf", serial, "--confirm"}, d);
    ASSERT_EQ(s.exitCode, 0) << qPrintable(s.err);
    EXPECT_EQ(s.value("pages"), QStringLiteral("3"));
    EXPECT_EQ(s.value("numbers"), QStringLiteral("7"));
    EXPECT_EQ(barcodesOf(serial), code128({1, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(runCli({"pool", "list"}, d).lines().value(0).split(QLatin1Char('\t')).value(5), QStringLiteral("1")); // printed

    const QString json = dir.file(QStringLiteral("recepta.json"));
    QFile f(json);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({"patient": {"imie": "Anna", "nazwisko": "Żak", "pesel": "56021512345"},
               "leki": [{"Nazwa": "Bisocard", "Dawka": "5 mg", "Ilosc": 1}]})");
    f.close();
    const QString one = dir.file(QStringLiteral("recepta.pdf"));
    const CliRun r = runCli({"print-single", "--pool", "1", "--prescription", json, "--pdf", one, "--confirm"}, d);
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, num(1) + QStringLiteral("\n"));
    EXPECT_TRUE(barcodesOf(one).contains(code128({1}).first()));
    EXPECT_EQ(runCli({"pool", "next", "1"}, d).out, num(3) + QStringLiteral("\n"));
    const CliRun next = runCli({"print-single", "--pool", "1", "--prescription", json, "--pdf", one}, d);
    EXPECT_EQ(next.out, num(3) + QStringLiteral("\n"));

    // Without a pool the form carries no number.
    const CliRun none = runCli({"print-single", "--prescription", json, "--pdf", one}, d);
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, QStringLiteral("\n"));
}

TEST(PrintCli, Refusals)
{
    TempDataFolder dir;
    const QString d = dir.file(QStringLiteral("dane"));
    ASSERT_EQ(runCli({"pool", "add", num(1), num(1)}, d).exitCode, 0);
    const QString pdf = dir.file(QStringLiteral("x.pdf"));
    const CliRun missing = runCli({"print-serial", "--pool", "9", "--pdf", pdf}, d);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, QStringLiteral("pula numeracyjna nie istnieje\n"));
    const CliRun printer = runCli({"print-serial", "--pool", "1", "--printer", "Nie ma takiej"}, d);
    EXPECT_EQ(printer.exitCode, 1);
    EXPECT_EQ(printer.err, QStringLiteral("nie ma w systemie drukarki „Nie ma takiej”\n"));
    const CliRun paper = runCli({"print-serial", "--pool", "1", "--paper", "Papirus", "--pdf", pdf}, d);
    EXPECT_EQ(paper.exitCode, 1);
    EXPECT_EQ(paper.err, QStringLiteral("drukarka „Plik PDF” nie obsługuje papieru „Papirus”\n"));
    ASSERT_EQ(runCli({"print-serial", "--pool", "1", "--pdf", pdf, "--confirm"}, d).exitCode, 0);
    ASSERT_EQ(runCli({"pool", "set-active", "1", "1"}, d).exitCode, 0);
    // The pool's only number was printed as a single prescription: used up.
    QFile f(dir.file(QStringLiteral("r.json")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{}");
    f.close();
    ASSERT_EQ(runCli({"print-single", "--pool", "1", "--prescription", f.fileName(), "--pdf", pdf, "--confirm"}, d).exitCode, 0);
    const CliRun used = runCli({"print-single", "--pool", "1", "--prescription", f.fileName(), "--pdf", pdf}, d);
    EXPECT_EQ(used.exitCode, 1);
    EXPECT_EQ(used.err, QStringLiteral("pula numeracyjna została już wykorzystana\n"));
    EXPECT_EQ(runCli({"print-serial", "--pdf", pdf}, d).exitCode, 2);
}

TEST(PrintCli, SerialJobThroughARealCupsQueue)
{
    QString why;
    const QString queue = EnsureCupsPdfQueue(&why);
    if (queue.isEmpty())
        GTEST_SKIP() << "CUPS is not usable here: " << qPrintable(why);
    TempDataFolder dir;
    const QString d = dir.file(QStringLiteral("dane"));
    ASSERT_EQ(runCli({"pool", "add", num(1), num(100)}, d).exitCode, 0);
    // cups-pdf names its file after the job title "Solvira"; older files are cleared first.
    for (const QString& folder : {QDir::homePath() + QStringLiteral("/PDF")})
        for (const QString& f : QDir(folder).entryList({QStringLiteral("*Solvira*.pdf")}, QDir::Files))
            QFile::remove(folder + QLatin1Char('/') + f);
    const CliRun r = runCli({"print-serial", "--pool", "1", "--pages", "2", "--per-page", "2", "--paper", "A4", "--printer", queue}, d);
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);
    const QString pdf = WaitForCupsPdf(QStringLiteral("Solvira"));
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived from the queue";
    EXPECT_EQ(barcodesOf(pdf), code128({1, 2, 3, 4}));
    QFile::remove(pdf);
}
} // namespace
