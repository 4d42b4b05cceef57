// The data filled into the form: number and its barcode, branch and entitlement boxes, dates,
// the doctor's block, the provider's logo and lines, the patient, the annotation and the drugs.
#include "document/svRecipe.h"

#include "document/svLayout.h"
#include "shell/svGlobals.h"

#include <algorithm>

namespace
{
QString upperAscii(const QString& text)
{
    QString out = text;
    for (QChar& ch : out)
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - 32);
    return out;
}

// Day-month-year from a year-month-day text.
QString dayMonthYear(const QString& date)
{
    return CopyRange(date, 9, 10) + QLatin1Char('-') + CopyRange(date, 6, 7) + QLatin1Char('-')
        + CopyRange(date, 1, 4);
}
} // namespace

int TRecipe::drugFontHeight(TCanvas& c)
{
    const long double H = Height;
    const int kept = c.FontHeight();
    c.SetFontHeight(RoundEven(H * V(0.02)));
    // The width of the drug line itself (from its left margin to the payment column), so that
    // the name on the left and the form and strength on the right never overlap.
    const int available = RoundEven(H * (Hz(0.469) - 2.5L * Hz(0.06))) - RoundEven(H * Hz(0.06));
    const size_t n = std::min<size_t>(Medicines.size(), 5);
    for (size_t i = 0; i < n; ++i) {
        const TMedicine& m = Medicines[i];
        const QString text = m.Nazwa + QStringLiteral("  ") + m.Postac + QStringLiteral("  ") + m.Dawka;
        while (c.FontHeight() > 0 && c.TextWidth(text) > available)
            c.SetFontHeight(c.FontHeight() - 1);
    }
    const int result = c.FontHeight();
    c.SetFontHeight(kept);
    return result;
}

void TRecipe::drawDrugLine(TCanvas& c, const TMedicine& drug, int xl, int yt, int xr, int fd)
{
    const long double H = Height;
    const TRectL line1{xl, yt, xr, yt + fd};
    const int top2 = yt + fd + RoundEven(H * V(0.002));
    const TRectL line2{xl, top2, xr, top2 + fd};
    const TRectL payment{xr + RoundEven(H * Hz(0.06)), yt + fd - RoundEven(H * V(0.002) * 2),
                         xr + RoundEven(H * Hz(0.06) * 1.5L), yt + 2 * fd};

    FitText(c, line1, drug.Postac + QStringLiteral("  ") + drug.Dawka, 0, 2, 0);
    FitText(c, line1, drug.Nazwa, 0, 0, 0);

    c.SetBold(true);
    FitText(c, line2, TrimBlanks(QuantityText(drug.Ilosc)) + QLatin1Char(' ') + drug.Jm, 0, 2, 0);
    const QStringList& levels = PaymentLevelList();
    if (drug.Odplatnosc >= 0 && drug.Odplatnosc < levels.size())
        FitText(c, payment, levels.at(drug.Odplatnosc), 0, 0, 0);
    c.SetBold(false);

    QString marks;
    if (drug.Cito)
        marks += QStringLiteral("cito");
    if (drug.Cito && drug.NieZamieniac)
        marks += QStringLiteral(" | ");
    if (drug.NieZamieniac)
        marks += QStringLiteral("nie zamieniać");
    const int r = line2.Bottom - line2.Top;
    TRectL rect{line2.Left, line2.Top, line2.Right, line2.Top + RoundEven(r * 0.75L)};
    if (!IsBlank(marks)) {
        c.SetItalic(true);
        FitText(c, rect, marks, 0, 0, 0);
        c.SetItalic(false);
        rect.Top = rect.Bottom + RoundEven(r * 0.1L);
        rect.Bottom = rect.Top + RoundEven(r * 0.75L);
    }
    FitText(c, rect, drug.Dawkowanie, 0, 0, 0);
}

void TRecipe::drawAnnotation(TCanvas& c, const QString& text)
{
    const long double H = Height;
    const int F5 = RoundEven(H * V(0.018));
    c.SetBold(false);
    c.SetItalic(true);
    c.SetFontHeight(F5);
    const int x = Left + RoundEven(H * Hz(0.326) - 1.5L * Hz(0.06) * H);
    const int y = Top + RoundEven(H * (V(0.386) - V(0.008) - V(0.018)));
    const TRectL at{x, y, x + c.TextWidth(text), y + F5};
    const TRectL& code = m_peselCodeBox;
    const bool hitsCode = !IsEmptyRect(code) && at.Left < code.Right && code.Left < at.Right && at.Top < code.Bottom
        && code.Top < at.Bottom;
    if (!hitsCode || IsEmptyRect(m_peselValueBox)) {
        if (F5 > 0)
            c.TextOut(x, y, text);
    } else {
        // The text under the PESEL barcode takes this place: write the annotation on the PESEL's
        // line instead, between the PESEL and the frame line, shrunk to the room there.
        const TRectL& value = m_peselValueBox;
        const int gap = RoundEven(H * Hz(0.01));
        const TRectL box{std::max(x, value.Right + gap), value.Top,
                         Left + RoundEven(H * Hz(0.326)) - gap, value.Bottom};
        FitText(c, box, text, F5, 0, 2);
    }
    c.SetItalic(false);
}

void TRecipe::drawData(TCanvas& c)
{
    using LD = long double;
    const LD H = Height;
    const int L = Left;
    const int T = Top;
    const int W = Width;
    auto R = [](LD x) { return RoundEven(x); };

    const int s = R((V(0.33) - V(0.275)) * 0.45L * H);
    const int xA = L + R(H * Hz(0.326));
    const int xZ = L + R(H * (Hz(0.469) - Hz(0.06)));
    const int xB = L + CentreIn(s, R(H * Hz(0.326)), R(H * (Hz(0.469) - Hz(0.06))));
    const int F5 = R(H * V(0.018));
    const int x6 = L + R(H * Hz(0.06));
    const int right6 = L + W - R(H * Hz(0.06));

    // Prescription number, shrunk until it clears the caption "Recepta".
    if (!IsBlank(Numer)) {
        c.SetFontName(FontName);
        c.SetFontHeight(F5);
        c.SetBold(Font(5).Bold);
        Numer = Numer.left(22);
        const int rightEdge = L + R(H * (Hz(0.469) - Hz(0.06)));
        auto xOf = [&] { return rightEdge - c.TextWidth(Numer); };
        auto limit = [&] { return x6 + c.TextWidth(QStringLiteral("Recepta")) + R(H * Hz(0.01)); };
        int x = xOf();
        while (x < limit() && c.FontHeight() >= 1) {
            c.SetFontHeight(c.FontHeight() - 1);
            x = xOf();
        }
        if (c.FontHeight() >= 1)
            c.TextOut(x, T + R(H * V(0.03)), Numer);

        const int barHeight = R(H * V(0.03));
        const int wN = R((LD)Numer.size() / 20.0L * (Hz(0.469) - 2 * V(0.075)) * H);
        TRectL r;
        r.Left = CentreIn(wN, L, L + W);
        r.Top = T + R(H * (V(0.84) - V(0.008) - 1.4L * V(0.03)));
        r.Right = r.Left + wN;
        r.Bottom = r.Top + R(H * V(0.03));
        drawBarcode(c, Numer, barHeight, r);
        FitText(c, TRectL{r.Left, r.Bottom, r.Left + wN, r.Bottom + R(H * V(0.03) * 0.5L)}, Numer, 0, 1, 1);
    }

    c.SetBold(true);

    // NFZ branch box: a cross when empty or "X".
    const int y1 = T + R(H * (V(0.22) + 0.005L + 3 * V(0.008)));
    if (IsBlank(KasaChorych) || upperAscii(KasaChorych) == QLatin1String("X"))
        DrawCross(c, xB, y1, xB + s, y1 + s);
    else
        FitText(c, TRectL{xA, y1, xZ, y1 + s}, KasaChorych, 0, 1, 1);

    // Entitlement box.
    const int y2 = T + R(H * (V(0.275) + 0.05L + 2 * V(0.008)));
    if (IsBlank(Uprawnienia) || upperAscii(TrimLeftBlanks(Uprawnienia)) == QLatin1String("X"))
        DrawCross(c, xB, y2, xB + s, y2 + s);
    else
        FitText(c, TRectL{xA, y2, xZ, y2 + s}, Uprawnienia, 0, 1, 1);

    // Date of issue and date of realisation.
    if (!IsBlank(Data)) {
        c.SetFontHeight(F5);
        c.SetBold(false);
        if (F5 > 0)
            c.TextOut(x6, T + R(H * (V(0.84) + V(0.018) + 2 * V(0.008))), dayMonthYear(Data));
    }
    const int y3 = T + R(H * (V(0.885) + V(0.018) + 3 * V(0.008)));
    if (!IsBlank(DataReal)) {
        c.SetFontHeight(F5);
        c.SetBold(false);
        if (F5 > 0)
            c.TextOut(x6, y3, dayMonthYear(DataReal));
    } else {
        DrawCross(c, x6, y3, x6 + s, y3 + s);
    }

    // Doctor's block.
    QStringList doctor;
    if (!IsBlank(DaneId))
        doctor << DaneId;
    if (!IsBlank(DaneId1))
        doctor << DaneId1;
    if ((NrPrawaDrukuj == 1 || NrPrawaDrukuj == 2) && !IsBlank(DaneId2))
        doctor << QStringLiteral("prawo wyk. zawodu: ") + DaneId2;
    if (!doctor.isEmpty())
        FitLines(c,
                 TRectL{L + R(H * (Hz(0.23) + Hz(0.01))), T + R(H * (V(0.84) + V(0.012))), right6,
                        T + Height - R(H * 3 * V(0.002))},
                 doctor, 2, R(H * V(0.012)));

    // Licence-number barcode over the whole width of the doctor's field.
    if (NrPrawaDrukuj == 2 && !IsBlank(DaneId2)) {
        const QString code = LicenceBarcodeText(DaneId2);
        if (!code.isEmpty()) {
            const int barHeight = R(V(0.03) / 2 * H);
            const int b = T + Height - R(H * V(0.008) * 5);
            const TRectL r{L + R(H * (2 * Hz(0.01) + Hz(0.23))), b - barHeight, right6, b};
            drawBarcode(c, code, barHeight, r);
            const int keptHeight = c.FontHeight();
            const bool keptBold = c.Bold();
            c.SetFontName(Font(3).Name);
            c.SetFontHeight(R(H * V(0.014)));
            c.SetBold(true);
            if (c.FontHeight() > 0)
                c.TextOut(r.Right - c.TextWidth(code), b + 2, code);
            c.SetFontHeight(keptHeight);
            c.SetBold(keptBold);
        }
    }

    // Provider's logo and lines.
    const int xp = x6;
    const int yp = T + R(H * (V(0.03) + V(0.025) + V(0.008)));
    const int xq = right6;
    const int yq = T + R(H * (V(0.22) - 2 * V(0.008) - V(0.018)));
    int o = 0;
    if (Logotyp && Logotyp->width() > 0 && Logotyp->height() > 0) {
        const int pw = Logotyp->width();
        const int ph = Logotyp->height();
        const int a = yq - yp;
        int lw = R((LD)pw * a / ph);
        int lh = a;
        if (lw > 0.8L * a) {
            lw = R(0.8L * a);
            lh = R((LD)ph * lw / pw);
        }
        const int top = yp + (a - lh) / 2;
        c.StretchDraw(TRectL{xp, top, xp + lw, top + lh}, *Logotyp);
        o = lw + R(H * Hz(0.01) * 0.6L);
    }
    FitLines(c, TRectL{xp + o, yp, xq, yq}, Swiadczeniodawca, 2, F5);

    // REGON barcode, centred under the provider's block.
    if (RegonDrukuj == 2 && !IsBlank(Regon)) {
        const QString code = RegonBarcodeText(Regon);
        if (!code.isEmpty()) {
            const int barHeight = R(V(0.03) / 2 * H);
            const int wR = R((Hz(0.469) - 3 * V(0.075)) * H);
            TRectL r;
            r.Left = CentreIn(wR, L, L + W);
            r.Right = r.Left + wR;
            r.Bottom = T + R(H * (V(0.22) - V(0.008) - 1.2L * V(0.014)));
            r.Top = r.Bottom - barHeight;
            drawBarcode(c, code, barHeight, r);
            const int keptHeight = c.FontHeight();
            const bool keptBold = c.Bold();
            c.SetFontHeight(R(H * V(0.014)));
            c.SetBold(true);
            if (c.FontHeight() > 0)
                c.TextOut(r.Right - c.TextWidth(code), T + R(H * (V(0.22) - V(0.008) - V(0.014))), code);
            c.SetFontHeight(keptHeight);
            c.SetBold(keptBold);
        }
    }

    // Patient's lines, placed by the font height in effect now.
    const int F = c.FontHeight();
    FitLines(c,
             TRectL{x6, T + R(H * (2 * V(0.008) + V(0.22) + V(0.018)) - F), L + R(H * (Hz(0.326) - Hz(0.06))),
                    T + R(H * (V(0.386) - 2 * V(0.008) - V(0.018)) - F)},
             Pacjent, 0, F5);

    // "pro familia" / "pro auctore".
    QString annotation;
    if (Specjalny == rpProFamilia)
        annotation = QStringLiteral("pro familia");
    else if (Specjalny == rpProAuctore)
        annotation = QStringLiteral("pro auctore");
    if (!annotation.isEmpty())
        drawAnnotation(c, annotation);

    // Up to five drug lines, separated by "#".
    const int fd = drugFontHeight(c);
    const int xl = x6;
    const int xr = L + R(H * (Hz(0.469) - 2.5L * Hz(0.06)));
    const int pitch = R(H * (3 * V(0.002) + V(0.018))) + R(2.6L * fd);
    const int count = int(std::min<size_t>(Medicines.size(), 5));
    for (int i = 0; i < count; ++i) {
        const int yi = T + R(H * V(0.43)) + i * pitch;
        drawDrugLine(c, Medicines[size_t(i)], xl, yi, xr, fd);
        if (i < count - 1) {
            const int base = yi + R(2.6L * fd);
            // The separator stays above the next drug line instead of running into its text.
            const int bottom = std::min(base + R(H * (V(0.013) + V(0.018))), yi + pitch);
            FitText(c, TRectL{xl, base + R(H * V(0.013)), L + R(H * (Hz(0.469) - Hz(0.06))), bottom},
                    QStringLiteral("#"), 0, 1, 1);
        }
    }
}
