// GS1-128 code set C: element strings, widths, the properties of the barcode class, and the
// painted bars read back by an independent decoder.
#include "printing/svBarcode.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QPainter>

namespace
{
// Code 128 patterns written out as element characters (bar 5..8, space 0..3).
const QString kStartC = QStringLiteral("605171");  // 211232
const QString kFnc1 = QStringLiteral("805070");    // 411131
const QString kStop = QStringLiteral("6270506");   // 2331112

struct ElementCase
{
    const char* input;
    const char* text;    // Text after encoding
    QString elements;
    int width;
};

TEST(BarcodeElements, WorkedExamplesAreExact)
{
    const ElementCase cases[] = {
        // 0123: pairs 01 (222122) and 23 (312131), check (105 + 102 + 1*2 + 23*3) mod 103 = 72 (122411).
        {"123", "0123", kStartC + kFnc1 + "616061" + "706070" + "516350" + kStop, 68},
        // Nothing to encode: check value (105 + 102) mod 103 = 1 (222122).
        {"", "", kStartC + kFnc1 + "616061" + kStop, 46},
        // Blanks around the digits go: pairs 12 (112232) and 34 (131123), check 333 mod 103 = 24 (311222).
        {" 1234 ", "1234", kStartC + kFnc1 + "506171" + "525062" + "705161" + kStop, 68},
        // Control characters are trimmed like blanks.
        {"\t1234\r\n", "1234", kStartC + kFnc1 + "506171" + "525062" + "705161" + kStop, 68},
    };
    for (const ElementCase& c : cases) {
        SCOPED_TRACE(c.input);
        const TBarcodeEncoding enc = EncodeEAN128C(QString::fromLatin1(c.input));
        ASSERT_TRUE(enc.ok());
        EXPECT_EQ(enc.text, QString::fromLatin1(c.text));
        EXPECT_EQ(enc.elements, c.elements);

        TSVBarcode code;
        code.SetTyp(bcCodeEAN128C);
        code.SetText(QString::fromLatin1(c.input));
        EXPECT_EQ(code.Width(), c.width);
        EXPECT_EQ(code.Text(), QString::fromLatin1(c.text));
        EXPECT_EQ(code.Width(), c.width) << "a second read encodes the padded text again";
        EXPECT_EQ(code.Text(), QString::fromLatin1(c.text));
    }
}

TEST(BarcodeElements, LongNumbersGiveFourteenCharactersAndStop)
{
    TSVBarcode code;
    code.SetTyp(bcCodeEAN128C);
    code.SetText(QStringLiteral("1234567890123456789012"));
    EXPECT_EQ(code.Width(), 167);

    // 21 digits: the first pair is a zero and the first digit, same width.
    code.SetText(QStringLiteral("234567890123456789012"));
    EXPECT_EQ(code.Width(), 167);
    EXPECT_EQ(code.Text(), QStringLiteral("0234567890123456789012"));

    // Every element string alternates bar and space, starts and ends with a bar, 11 modules per
    // character and 13 for Stop.
    const TBarcodeEncoding enc = EncodeEAN128C(QStringLiteral("1234567890123456789012"));
    ASSERT_EQ(enc.elements.size(), 14 * 6 + 7);
    for (int i = 0; i < enc.elements.size(); ++i) {
        const bool bar = enc.elements.at(i) >= QLatin1Char('5');
        EXPECT_EQ(bar, i % 2 == 0) << i;
    }
}

TEST(BarcodeElements, NonDigitsAreRefused)
{
    for (const char* text : {"12a4", "12 34", "１２", "-12"}) {
        SCOPED_TRACE(text);
        const TBarcodeEncoding enc = EncodeEAN128C(QString::fromUtf8(text));
        EXPECT_EQ(enc.error, QStringLiteral("Barcode must be numeric"));
        EXPECT_TRUE(enc.elements.isEmpty());

        TSVBarcode code;
        code.SetTyp(bcCodeEAN128C);
        code.SetText(QString::fromUtf8(text));
        EXPECT_EQ(code.Width(), 0);
        EXPECT_EQ(code.LastError(), QStringLiteral("Barcode must be numeric"));
        QImage img(400, 50, QImage::Format_RGB32);
        img.fill(Qt::gray);
        QPainter p(&img);
        EXPECT_FALSE(code.PaintSymbol(p));
        p.end();
        EXPECT_EQ(img.pixel(0, 0), QColor(Qt::gray).rgb()) << "nothing is drawn";
    }
}

TEST(BarcodeClass, UnbuiltSymbologiesReportTheirError)
{
    TSVBarcode code; // bcCodeEAN13 at creation
    code.SetText(QStringLiteral("123"));
    QString error;
    EXPECT_FALSE(code.Encode(nullptr, &error));
    EXPECT_EQ(error, QStringLiteral("TSVBarcode: wrong BarcodeType"));
    code.SetTyp(TSVBarcodeType(99));
    EXPECT_FALSE(code.Encode(nullptr, &error));
    EXPECT_EQ(error, QStringLiteral("TSVBarcode: wrong BarcodeType"));
}

TEST(BarcodeClass, ModulRatioAndWidth)
{
    TSVBarcode code;
    code.SetTyp(bcCodeEAN128C);
    code.SetText(QStringLiteral("123"));
    code.SetModul(0);
    code.SetModul(50);
    EXPECT_EQ(code.Modul(), 1) << "values outside 1..49 are ignored";
    code.SetModul(2);
    EXPECT_EQ(code.Width(), 136);
    code.SetModul(1);
    code.SetWidth(340); // 1 * 340 / 68 = 5
    EXPECT_EQ(code.Modul(), 5);
    code.SetWidth(10000); // 5 * 10000 / 340 = 147: out of range, ignored
    EXPECT_EQ(code.Modul(), 5);

    // The wide elements follow Ratio; at 2.5 the rounding to even keeps them 2, 3 and 4.
    code.SetModul(1);
    code.SetRatio(2.5); // M1 = round(2.5) = 2 (ties to even), widths unchanged
    EXPECT_EQ(code.Width(), 68);
    code.SetRatio(200); // M3 = 400: beyond a signed byte
    EXPECT_EQ(code.Width(), 0);
    EXPECT_EQ(code.LastError(), QStringLiteral("Range check error"));
}

TEST(BarcodeClass, NotificationsAssignAndChecksum)
{
    TSVBarcode code;
    int changes = 0;
    code.OnChange = [&] { ++changes; };
    code.SetHeight(10);
    code.SetHeight(10); // equal: nothing
    code.SetText(QStringLiteral("1"));
    code.SetModul(1); // Modul notifies even when equal
    code.SetModul(0); // ignored
    EXPECT_EQ(changes, 3);

    TSVBarcode copy;
    copy.Assign(code);
    EXPECT_EQ(copy.Height(), 10);
    EXPECT_EQ(copy.Text(), QStringLiteral("1"));
    copy.SetLeft(4);
    EXPECT_EQ(changes, 4) << "OnChange is copied too";

    TSVBarcode sum;
    sum.SetTyp(bcCodeEAN128C);
    sum.SetText(QStringLiteral("123"));
    sum.SetChecksum(true); // 3*3 + 2*1 + 1*3 = 14 -> 6
    EXPECT_EQ(sum.Width(), 68);
    EXPECT_EQ(sum.Text(), QStringLiteral("1236"));
    EXPECT_EQ(Modulo10CheckDigit(QStringLiteral("123")), QLatin1Char('6'));
    EXPECT_EQ(Modulo10CheckDigit(QStringLiteral("")), QLatin1Char('0'));
}

TEST(BarcodePainting, ElementsAtOneUnitPerModule)
{
    TSVBarcode code;
    code.SetTyp(bcCodeEAN128C);
    code.SetText(QStringLiteral("123"));
    code.SetHeight(8);
    code.SetLeft(5);
    code.SetTop(3);
    QImage img(90, 20, QImage::Format_RGB32);
    img.fill(Qt::gray);
    QPainter p(&img);
    p.setPen(QPen(Qt::red, 3));
    ASSERT_TRUE(code.PaintSymbol(p));
    EXPECT_EQ(p.pen().color(), QColor(Qt::red)) << "the painter's pen is put back";
    p.end();

    QString seen;
    for (int x = 5; x < 5 + 68; ++x)
        seen += img.pixel(x, 6) == qRgb(0, 0, 0) ? QLatin1Char('B') : QLatin1Char('W');
    QString expected;
    const TBarcodeEncoding enc = EncodeEAN128C(QStringLiteral("123"));
    for (QChar c : enc.elements) {
        const bool bar = c >= QLatin1Char('5');
        const int w = (bar ? c.unicode() - '5' : c.unicode() - '0') + 1;
        expected += QString(w, bar ? QLatin1Char('B') : QLatin1Char('W'));
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(img.pixel(4, 6), QColor(Qt::gray).rgb()) << "no quiet zone is painted";
    EXPECT_EQ(img.pixel(5 + 68, 6), QColor(Qt::gray).rgb());
    EXPECT_EQ(img.pixel(10, 2), QColor(Qt::gray).rgb());
    EXPECT_EQ(img.pixel(10, 11), QColor(Qt::gray).rgb());
}

TEST(BarcodePainting, StretchedSymbolsAreReadBack)
{
    struct Case
    {
        const char* digits;
        double width; // target width in pixels
        const char* read;
    };
    const Case cases[] = {
        {"123", 200.0, "CODE-128:0123"},
        {"1234567890123456789012", 420.5, "CODE-128:1234567890123456789012"},
        {"0000000000000000000000", 560.0, "CODE-128:0000000000000000000000"},
        {"99", 130.3, "CODE-128:99"},
        {"300012345", 310.7, "CODE-128:0300012345"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.digits);
        QImage img(700, 140, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        ASSERT_TRUE(DrawBarcode(p, QString::fromLatin1(c.digits), 10, QRectF(40.4, 30, c.width, 60)));
        p.end();
        EXPECT_EQ(zbarRead(img), QStringList{QString::fromLatin1(c.read)});
    }
}
} // namespace

namespace
{
TEST(BarcodePainting, TurnedSymbolStaysRightOfAndBelowItsOrigin)
{
    // At 90 degrees the symbol turns counter-clockwise: Height wide, Width high, and Start ends
    // up at the bottom.
    TSVBarcode code;
    code.SetTyp(bcCodeEAN128C);
    code.SetText(QStringLiteral("123"));
    code.SetHeight(10);
    code.SetLeft(20);
    code.SetTop(5);
    code.SetAngle(90);
    QImage img(60, 100, QImage::Format_RGB32);
    img.fill(Qt::gray);
    QPainter p(&img);
    ASSERT_TRUE(code.PaintSymbol(p));
    p.end();
    int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != QColor(Qt::gray).rgb()) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    EXPECT_EQ(minX, 20);
    EXPECT_EQ(maxX, 29);
    EXPECT_EQ(minY, 5);
    EXPECT_EQ(maxY, 5 + 68 - 1);
    // Start C begins with a bar two modules wide: the two bottom rows are black.
    EXPECT_EQ(img.pixel(22, 72), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(22, 71), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(22, 70), qRgb(255, 255, 255));
}
} // namespace
