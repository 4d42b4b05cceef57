// The printers: the PDF printer writes the document with the paper's own size at 600 dpi.
#include "printing/svPrinter.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QDateTime>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>

namespace
{
QString pdfInfo(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(Printers, PdfPrinterIsAlwaysListedLast)
{
    const QStringList names = Printers::Names();
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.last(), QStringLiteral("Plik PDF"));
    EXPECT_FALSE(Printers::Open(QStringLiteral("no such printer")));
}

TEST(Printers, PdfPrinterWritesPagesOfThePaperChosen)
{
    TempDataFolder dir;
    const QString path = dir.file(QStringLiteral("out.pdf"));
    auto printer = Printers::Open(QStringLiteral("Plik PDF"), path);
    ASSERT_TRUE(printer);
    EXPECT_TRUE(printer->PaperNames().contains(QStringLiteral("A5")));
    EXPECT_FALSE(printer->SetPaper(QStringLiteral("Papirus")));
    ASSERT_TRUE(printer->SetPaper(QStringLiteral("A5")));
    EXPECT_EQ(printer->CurrentPaper(), QStringLiteral("A5"));
    printer->SetOrientation(1);
    EXPECT_EQ(printer->DpiX(), 600);
    EXPECT_EQ(printer->PhysicalSize(), QSize(4958, 3500)); // A5 landscape (595 x 420 pt) at 600 dpi
    printer->SetTitle(QStringLiteral("Solvira"));
    ASSERT_TRUE(printer->BeginDoc());
    printer->Canvas()->drawText(100, 100, QStringLiteral("strona 1"));
    ASSERT_TRUE(printer->NewPage());
    printer->Canvas()->drawText(100, 100, QStringLiteral("strona 2"));
    ASSERT_TRUE(printer->EndDoc());
    const QString info = pdfInfo(path);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2")))) << qPrintable(info);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Solvira")))) << qPrintable(info);
    EXPECT_TRUE(info.contains(QStringLiteral("595.2 x 419.52")) || info.contains(QStringLiteral("595.28 x 419.53"))
                || info.contains(QStringLiteral("595 x 420")))
        << qPrintable(info);
}
} // namespace

#include "support/Cups.h"

namespace
{
TEST(Printers, RealCupsQueuePrintsThroughQPrinter)
{
    QString why;
    const QString queue = EnsureCupsPdfQueue(&why);
    if (queue.isEmpty())
        GTEST_SKIP() << "CUPS is not usable here: " << qPrintable(why);
    ASSERT_TRUE(Printers::Names().contains(queue));
    auto printer = Printers::Open(queue);
    ASSERT_TRUE(printer);
    ASSERT_TRUE(printer->SetPaper(QStringLiteral("A4"))) << qPrintable(printer->PaperNames().join(", "));
    const QString marker = QStringLiteral("solvira%1").arg(QDateTime::currentMSecsSinceEpoch());
    printer->SetTitle(marker);
    ASSERT_TRUE(printer->BeginDoc());
    printer->Canvas()->drawText(300, 300, QStringLiteral("Zażółć gęślą jaźń"));
    ASSERT_TRUE(printer->EndDoc());
    const QString pdf = WaitForCupsPdf(marker);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived from the queue";
    EXPECT_TRUE(pdfInfo(pdf).contains(QRegularExpression(QStringLiteral("Pages:\\s+1"))));
    QFile::remove(pdf);
}
} // namespace
