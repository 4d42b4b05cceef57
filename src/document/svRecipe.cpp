// Drug lines, the form object, its dispatch between pattern and data, and the two line
// primitives that take their pen from the form.
#include "document/svRecipe.h"

#include "document/svLayout.h"
#include "numbers/svNumbers.h"

#include <QLocale>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

TMedicine::TMedicine(const QString& nazwa, int odplatnosc, const QString& opakowanie, bool thirdFlag,
                     bool nieZamieniac, bool cito, const QString& jm, double ilosc, const QString& dawkowanie,
                     const QString& dawka, const QString& postac)
    : Nazwa(nazwa), Postac(postac), Dawka(dawka), Dawkowanie(dawkowanie), Ilosc(ilosc), Jm(jm),
      Opakowanie(opakowanie), Cito(cito), NieZamieniac(nieZamieniac), ThirdFlag(thirdFlag), Odplatnosc(odplatnosc)
{
}

void TMedicine::Clear()
{
    *this = TMedicine();
}

void TMedicine::Assign(const TMedicine& other)
{
    const qint32 id = IdLeku;
    *this = other;
    IdLeku = id;
}

TRecipe::TRecipe()
{
    RecomputeLayoutScale();
    static const int sizes[10] = {25, 12, 14, 14, 18, 20, 20, 20, 20, 20};
    for (int i = 0; i < 10; ++i) {
        Fonts[size_t(i)].Size = sizes[i];
        Fonts[size_t(i)].HeightFactor = sizes[i] / 1000.0L * VerticalScale;
    }
}

void TRecipe::AssignMedicines(const std::vector<TMedicine>& medicines)
{
    // Copy first: the source may be this form's own list.
    std::vector<TMedicine> copies;
    copies.reserve(medicines.size());
    for (const TMedicine& m : medicines) {
        TMedicine line;
        line.Assign(m);
        copies.push_back(line);
    }
    Medicines = std::move(copies);
}

int TRecipe::FontSlotHeight(int slot) const
{
    return RoundEven((long double)Height * Font(slot).HeightFactor);
}

void TRecipe::Draw(TCanvas& canvas)
{
    m_peselValueBox = TRectL();
    m_peselCodeBox = TRectL();
    if (DrRamki && FormKind == 0 && WzorRecepty == QLatin1String("2011-12-23"))
        drawPattern20111223(canvas);
    if (FormKind == 0)
        drawData(canvas);
}

void TRecipe::Draw(QPainter& painter)
{
    TCanvas canvas(painter);
    Draw(canvas);
}

void TRecipe::DrawCross(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    const int kept = canvas.PenWidth();
    canvas.SetPenWidth(RoundEven((long double)FrameSize / 900.0L * Height));
    canvas.Line(x1, y1, x2, y2);
    canvas.Line(x2, y1, x1, y2);
    canvas.SetPenWidth(kept);
}

void TRecipe::DrawDashedLine(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    const Qt::PenStyle keptStyle = canvas.PenStyle();
    canvas.SetPenStyle(Qt::SolidLine);
    const int w = canvas.PenWidth();
    const long double length = std::hypot((long double)(x2 - x1), (long double)(y2 - y1));
    const int d = 10 + 5 * (w - 1);

    long double theta = 0;
    if (x1 != x2 || y1 != y2) {
        long double dy = std::fabs((long double)(y2 - y1));
        long double dx = std::fabs((long double)(x2 - x1));
        long double rx1 = x1;
        long double ry1 = y1;
        // A zero extent is nudged so that the arc tangent and the quadrant tests stay defined.
        if (dy == 0) {
            dy = 0.0000001L;
            ry1 += 0.0000001L;
        }
        if (dx == 0) {
            dx = 0.0000001L;
            rx1 += 0.0000001L;
        }
        const long double a = std::atan(dy / dx) * 180.0L / (long double)M_PI;
        if (x2 < rx1 && y2 > ry1)
            theta = 180 - a;
        else if (x2 < rx1 && y2 < ry1)
            theta = 180 + a;
        else if (x2 > rx1 && y2 < ry1)
            theta = 360 - a;
        else
            theta = a;
        while (theta < 0)
            theta += 360;
        while (theta >= 360)
            theta -= 360;
    }
    const long double rad = theta * (long double)M_PI / 180.0L;
    const long double c = std::cos(rad);
    const long double s = std::sin(rad);
    for (int k = 0; length > 2.0L * d * k; ++k) {
        const int sx = x1 + RoundEven(2.0L * d * k * c);
        const int sy = y1 + RoundEven(2.0L * d * k * s);
        int ex = sx + RoundEven(d * c);
        int ey = sy + RoundEven(d * s);
        if (length - 2.0L * d * k < d) {
            ex = x2;
            ey = y2;
        }
        canvas.Line(sx, sy, ex, ey);
    }
    canvas.SetPenStyle(keptStyle);
}

void SizeRecipeForDevice(TRecipe& recipe, const QPaintDevice& device)
{
    recipe.SetFormWidth(int((long double)FormWidthMM * device.logicalDpiX() / 25.4L));
    recipe.SetFormHeight(int((long double)FormHeightMM * device.logicalDpiY() / 25.4L));
}

namespace
{
// The code followed by its check digit over characters 1..count; empty when it is shorter.
QString withIdentifierCheckDigit(const QString& code, int count)
{
    if (code.size() < count)
        return QString();
    // Weights 7, 9, 1, 3: a text this short is no prescription number.
    return code + QChar('0' + CheckDigit(code.left(count)));
}
} // namespace

QString PeselBarcodeText(const QString& pesel)
{
    return withIdentifierCheckDigit(pesel, 11);
}

QString LicenceBarcodeText(const QString& licence)
{
    QString digits;
    for (QChar c : licence)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    if (!digits.isEmpty() && digits.size() < 7)
        digits = QString(7 - digits.size(), QLatin1Char('0')) + digits;
    return withIdentifierCheckDigit(QStringLiteral("30") + digits, 9);
}

QString RegonBarcodeText(const QString& regon)
{
    return withIdentifierCheckDigit(QStringLiteral("2") + regon + QStringLiteral("000"), 13);
}

QString QuantityText(double quantity)
{
    QString text = QString::number(quantity, 'g', 15);
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        text.replace(QLatin1Char('.'), point);
    return text.trimmed();
}
