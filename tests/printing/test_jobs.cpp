// Number generators and print jobs: blocked numbers skipped, pool ends, failures, and a real PDF
// read back with an independent barcode decoder.
#include "numbers/svNumbers.h"
#include "printing/svPrinting.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QPainter>
#include <QProcess>

namespace
{
const QString kStart = QStringLiteral("0112304500000000000189"); // kind 5, serial 1
QString num(qint64 serial)
{
    return NumberWithSerial(kStart, serial);
}

QList<qint64> serials(const QStringList& numbers)
{
    QList<qint64> s;
    for (const QString& n : numbers)
        s << SerialValue(n);
    return s;
}

QStringList drain(TSVNumGen& g, int limit = 1000)
{
    QStringList out;
    for (int i = 0; i < limit; ++i) {
        const QString n = g.NextNumber();
        if (n.isEmpty())
            break;
        out << n;
    }
    return out;
}

TEST(Generators, SerialWalkSkipsBlocksAndStopsAtThePoolEnd)
{
    TSVNumGenMulti plain(num(1), num(100), 1, {});
    EXPECT_EQ(serials(drain(plain, 12)), (QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));

    TSVNumGenMulti blocked(num(1), num(100), 1, {{3, 3}, {50, 99}});
    const QStringList all = drain(blocked);
    EXPECT_EQ(serials(all.mid(0, 4)), (QList<qint64>{1, 2, 4, 5}));
    EXPECT_EQ(SerialValue(all.last()), 100);
    EXPECT_EQ(all.size(), 100 - 1 - 50);
    EXPECT_TRUE(blocked.NextNumber().isEmpty()); // exhausted stays exhausted

    TSVNumGenMulti tail(num(1), num(100), 98, {{100, 100}});
    EXPECT_EQ(serials(drain(tail)), (QList<qint64>{98, 99}));

    // A million blocked numbers are passed in one step.
    TSVNumGenMulti big(num(1), num(3000000), 1, {{1, 1000000}, {1000001, 2000000}});
    EXPECT_EQ(SerialValue(big.NextNumber()), 2000001);
}

TEST(Generators, SingleTakesTheFirstFreeNumberAfterTheLastPrinted)
{
    TSVNumGenSingle fresh(num(1), num(10), QString(), {{1, 2}});
    EXPECT_EQ(SerialValue(fresh.NextNumber()), 3);
    EXPECT_EQ(SerialValue(fresh.LastPrinted()), 3);

    TSVNumGenSingle next(num(1), num(10), num(5), {});
    EXPECT_EQ(next.NextNumber(), num(6));

    TSVNumGenSingle usedUp(num(1), num(10), num(10), {});
    EXPECT_TRUE(usedUp.NextNumber().isEmpty());
    TSVNumGenSingle restBlocked(num(1), num(10), num(7), {{8, 10}});
    EXPECT_TRUE(restBlocked.NextNumber().isEmpty());
    EXPECT_EQ(restBlocked.LastPrinted(), num(10));

    // The sample generator: 22 random digits, the same every time.
    TSVNumGen sample;
    EXPECT_EQ(sample.NextNumber().size(), 22);
    EXPECT_EQ(sample.NextNumber(), sample.NextNumber());
}

TEST(PageCountDialog, ProposedPages)
{
    EXPECT_EQ(ProposedPageCount(QStringLiteral("10"), 4, true), 3);
    EXPECT_EQ(ProposedPageCount(QStringLiteral("10-1"), 4, true), 3); // ceil(9 / 4)
    EXPECT_EQ(ProposedPageCount(QStringLiteral("8"), 4, true), 2);
    EXPECT_EQ(ProposedPageCount(QStringLiteral("????"), 4, true), 0);
    EXPECT_EQ(ProposedPageCount(QStringLiteral("120"), 0, true), 0);
    EXPECT_EQ(ProposedPageCount(QStringLiteral("120"), 4, false), 1);
}

// A printer that records the document calls and can refuse to start.
class FakePrinter : public TSVPrinter
{
public:
    bool refuseStart = false;
    int pages = 0;
    bool ended = false;
    QImage image{210, 297, QImage::Format_RGB32}; // 1 pixel per mm... scaled below
    std::unique_ptr<QPainter> painter;

    QString Name() const override { return QStringLiteral("fake"); }
    QStringList PaperNames() const override { return {QStringLiteral("A4")}; }
    QString CurrentPaper() const override { return QStringLiteral("A4"); }
    bool SetPaper(const QString&) override { return true; }
    void SetOrientation(int o) override { orientation = o; }
    int Orientation() const override { return orientation; }
    void SetTitle(const QString& t) override { title = t; }
    bool BeginDoc() override
    {
        if (refuseStart)
            return false;
        image = QImage(PhysicalSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        painter = std::make_unique<QPainter>(&image);
        pages = 1;
        return true;
    }
    bool NewPage() override { return ++pages > 0; }
    bool EndDoc() override
    {
        ended = true;
        painter.reset();
        return true;
    }
    QPainter* Canvas() override { return painter.get(); }
    int DpiX() const override { return 72; }
    int DpiY() const override { return 72; }
    QSize PhysicalSize() const override { return orientation ? QSize(842, 595) : QSize(595, 842); }
    QPoint PhysicalOffset() const override { return {}; }
    QSize PrintableSize() const override { return PhysicalSize(); }
    int orientation = 0;
    QString title;
};

TPrintingData serialJob(TSVPrinter* printer, qint64 first, int pages, int perPage)
{
    TPrintingData d;
    d.Printer = printer;
    d.Mode = 0;
    d.PoolFound = true;
    d.PoolStart = num(1);
    d.PoolEnd = num(100);
    d.FirstSerial = first;
    d.Pages = pages;
    d.PerPage = perPage;
    d.Orientation = 1;
    return d;
}

TEST(PrintJobs, SerialJobPrintsPagesTimesFormsAndStopsAtThePoolEnd)
{
    FakePrinter printer;
    QList<QPair<int, int>> progress;
    TSVPrinting job(serialJob(&printer, 1, 3, 4), [&](int i, int n) { progress.append({i, n}); });
    job.Print();
    EXPECT_FALSE(job.Failed());
    EXPECT_EQ(printer.title, QStringLiteral("Solvira"));
    EXPECT_EQ(printer.pages, 3);
    // A4 landscape holds 3 forms, so 4 wanted gives 3 a page.
    EXPECT_EQ(serials(job.Printed()), (QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(progress, (QList<QPair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));

    TSVPrinting tail(serialJob(&printer, 96, 3, 3));
    tail.Print();
    EXPECT_EQ(serials(tail.Printed()), (QList<qint64>{96, 97, 98, 99, 100}));
}

TEST(PrintJobs, FailuresAreFlaggedNotShown)
{
    AskRecorder boxes;
    FakePrinter refusing;
    refusing.refuseStart = true;
    TSVPrinting job(serialJob(&refusing, 1, 1, 1));
    job.Print();
    EXPECT_TRUE(job.Failed());

    FakePrinter printer;
    TPrintingData gone = serialJob(&printer, 1, 1, 1);
    gone.PoolFound = false;
    TSVPrinting noPool(gone);
    noPool.Print();
    EXPECT_TRUE(noPool.Failed());
    EXPECT_TRUE(boxes.shown().isEmpty());

    // A single prescription without a pool prints normally without a number.
    TPrintingData single;
    single.Printer = &printer;
    single.Mode = 2;
    TSVPrinting unnumbered(single);
    unnumbered.Print();
    EXPECT_FALSE(unnumbered.Failed());
    EXPECT_TRUE(unnumbered.Printed().isEmpty());
}

QStringList readPdfBarcodes(const QString& pdf, const QString& folder)
{
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
                                         QStringLiteral("-png"), pdf, folder + QStringLiteral("/page")});
    p.waitForFinished(120000);
    QStringList all;
    for (const QString& f : QDir(folder).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name)) {
        QStringList page = zbarReadFile(folder + QLatin1Char('/') + f);
        // zbar reports symbols in no fixed order; the forms of a page are in serial order.
        std::sort(page.begin(), page.end());
        all << page;
    }
    return all;
}

TEST(PrintJobs, PdfSerialJobAndSinglePrescriptionReadBack)
{
    TempDataFolder dir;
    const QString pdf = dir.file(QStringLiteral("seria.pdf"));
    auto printer = Printers::Open(QStringLiteral("Plik PDF"), pdf);
    ASSERT_TRUE(printer);
    TPrintingData d = serialJob(printer.get(), 5, 2, 3);
    d.Blocks = {{6, 6}};
    d.DrSwiadcz = false;
    TSVPrinting job(d);
    job.Print();
    ASSERT_FALSE(job.Failed());
    QStringList expected;
    for (qint64 s : {5, 7, 8, 9, 10, 11})
        expected << QStringLiteral("CODE-128:") + num(s);
    EXPECT_EQ(readPdfBarcodes(pdf, dir.path()), expected);

    TempDataFolder dir2;
    const QString pdf2 = dir2.file(QStringLiteral("recepta.pdf"));
    auto printer2 = Printers::Open(QStringLiteral("Plik PDF"), pdf2);
    TPrintingData single;
    single.Printer = printer2.get();
    single.Mode = 2;
    single.PoolFound = true;
    single.PoolStart = num(1);
    single.PoolEnd = num(100);
    single.LastPrinted = num(41);
    single.Blocks = {{42, 42}};
    TSVPrinting one(single);
    one.Print();
    ASSERT_FALSE(one.Failed());
    EXPECT_EQ(one.Printed(), QStringList{num(43)});
    EXPECT_EQ(readPdfBarcodes(pdf2, dir2.path()), QStringList{QStringLiteral("CODE-128:") + num(43)});
}
} // namespace
