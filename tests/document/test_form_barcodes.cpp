// Every barcode the form prints is read back with the exact digits by an independent decoder
// from a 300 dpi rendering of a complete prescription, drawn on an image and on a PDF writer.
#include "FormFixture.h"
#include "support/TestSupport.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

namespace
{
TEST_F(FormTest, EveryPrintedBarcodeIsReadBackAt300Dpi)
{
    struct Size
    {
        int w, h;
    };
    for (const Size size : {Size{99, 210}, Size{103, 204}}) {
        SCOPED_TRACE(size.h);
        auto form = makeForm({300, size.w, size.h}, 60);
        QImage logo(200, 100, QImage::Format_RGB32);
        logo.fill(QColor(40, 90, 200));
        fillFullPrescription(*form, &logo);
        const QImage img = render(*form, 300, 60);
        const QStringList read = zbarRead(img);
        const QSet<QString> found(read.begin(), read.end());
        const QSet<QString> expected = {
            QStringLiteral("CODE-128:0112345678901234567890"), // the number
            QStringLiteral("CODE-128:560215123456"),           // PESEL and its check digit
            QStringLiteral("CODE-128:3012345677"),             // 30, licence number, check digit
            QStringLiteral("CODE-128:20123456780002"),         // 2, REGON, 000, check digit
        };
        EXPECT_EQ(found, expected) << read.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(read.size(), 4);
    }
}

TEST_F(FormTest, OddLengthCodesAreReadWithTheirLeadingZero)
{
    auto form = makeForm({300, 99, 210}, 60);
    form->DrRamki = false;
    form->Regon = QStringLiteral("01234567890123"); // 14 characters: a 19-digit code
    form->RegonDrukuj = 2;
    form->Numer = QStringLiteral("123456789012345678901"); // 21 digits
    const QStringList read = zbarRead(render(*form, 300, 60));
    const QSet<QString> found(read.begin(), read.end());
    const QString regonCode = RegonBarcodeText(form->Regon);
    ASSERT_EQ(regonCode.size(), 19);
    EXPECT_EQ(found, (QSet<QString>{QStringLiteral("CODE-128:0123456789012345678901"),
                                    QStringLiteral("CODE-128:0") + regonCode}));
}
} // namespace

namespace
{
// The same drawing on a PDF writer: the texts are real text, and the barcodes, rasterised by
// an independent renderer, read back exactly.
TEST_F(FormTest, PdfOutputCarriesTextAndReadableBarcodes)
{
    QTemporaryDir dir;
    const QString pdfPath = dir.filePath(QStringLiteral("form.pdf"));
    QImage logo(200, 100, QImage::Format_RGB32);
    logo.fill(QColor(40, 90, 200));
    {
        QPdfWriter pdf(pdfPath);
        pdf.setResolution(600);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        auto form = makeForm({600, 99, 210}, 0);
        fillFullPrescription(*form, &logo);
        form->Left = (pdf.width() - form->Width) / 2;
        form->Top = (pdf.height() - form->Height) / 2;
        QPainter p(&pdf);
        form->Draw(p);
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdfPath, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"Recepta", "Świadczeniodawca", "Odpłatność", "Data realizacji „od dnia”:",
                                 "Małgorzata Żółkiewska (70 lat)", "nie zamieniać", "Wydruk własny"})
        EXPECT_TRUE(content.contains(QString::fromUtf8(expected))) << expected;

    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                  pdfPath, dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(raster.waitForFinished(60000));
    const QStringList read = zbarReadFile(dir.filePath(QStringLiteral("page.png")));
    const QSet<QString> found(read.begin(), read.end());
    EXPECT_EQ(found, (QSet<QString>{QStringLiteral("CODE-128:0112345678901234567890"),
                                    QStringLiteral("CODE-128:560215123456"), QStringLiteral("CODE-128:3012345677"),
                                    QStringLiteral("CODE-128:20123456780002")}));
}
} // namespace
