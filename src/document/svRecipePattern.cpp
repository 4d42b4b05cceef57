// The printed pattern "2011-12-23" of the prescription form: frame lines, the dashed frames of
// the drug area, the fixed captions, the patient's PESEL with its barcode and the footer.
#include "document/svRecipe.h"

#include "document/svLayout.h"
#include "shell/svGlobals.h"

#include <QPainter>

#include <algorithm>

void TRecipe::drawBarcode(TCanvas& canvas, const QString& digits, int barHeight, const TRectL& r)
{
    // Bars are painted as a symbol of its own size in units stretched into the rectangle.
    canvas.Barcode(digits, barHeight, r);
}

void TRecipe::drawPattern20111223(TCanvas& c)
{
    using LD = long double;
    const LD H = Height;
    const int L = Left;
    const int T = Top;
    const int W = Width;
    auto R = [](LD x) { return RoundEven(x); };

    const int f = R(H * FrameSize / 1000.0L);
    const int m = R(0.8L * Hz(0.06) * H);
    const int xR = L + W - f - m;
    const int F2 = FontSlotHeight(2);
    const int F3 = FontSlotHeight(3);
    const int F9 = FontSlotHeight(9);
    const int x6 = L + R(H * Hz(0.06));
    const int x326 = L + R(H * Hz(0.326));
    const int y22 = T + R(H * V(0.22));
    const int y374 = T + R(H * V(0.374));
    const int y84 = T + R(H * V(0.84));

    // Frame lines.
    c.SetPenStyle(Qt::SolidLine);
    c.SetPenWidth(f);
    c.Line(L + m, y22, xR, y22);
    c.Line(L + m, y374, xR, y374);
    c.Line(L + m, y84, xR, y84);
    c.Line(x326, y22, x326, y374);
    c.Line(x326, T + R(H * V(0.3)), xR, T + R(H * V(0.3)));
    const int x23 = L + R(H * Hz(0.23));
    c.Line(x23, y84, x23, T + Height - R(H * V(0.008) * 4));

    // Dashed frames of the five drug bands and the payment column.
    if (DrugFrames) {
        c.SetPenStyle(Qt::DotLine);
        const int d = R(H * DrugFrameWidth / 1000.0L);
        c.SetPenWidth(d);
        for (int k = 0; k <= 5; ++k) {
            const int yk = T + R(H * (V(0.41) + k * V(0.075)));
            DrawDashedLine(c, L + m, yk, L + W - d - m, yk);
        }
        DrawDashedLine(c, x326, y374, x326, T + R(H * (5 * V(0.075) + V(0.41))));
        c.SetPenStyle(Qt::SolidLine);
        c.SetPenWidth(f);
    }

    // "Recepta".
    c.SetFontName(FontName);
    c.SetFontHeight(R(H * V(0.025)));
    c.SetBold(BoldBase);
    c.SetItalic(false);
    if (c.FontHeight() > 0)
        c.TextOut(x6, T + R(H * V(0.03)), QStringLiteral("Recepta"));

    // Provider, patient and PESEL captions.
    c.SetFontName(Font(3).Name);
    c.SetFontHeight(F3);
    c.SetBold(Font(3).Bold);
    const int yPeselLevel = T + R(H * (V(0.374) - V(0.002)));
    if (F3 > 0) {
        c.TextOut(x6, T + R(H * (V(0.22) - V(0.008))) - F3, QStringLiteral("Świadczeniodawca"));
        c.TextOut(x6, T + R(H * (V(0.22) + V(0.008))), QStringLiteral("Pacjent"));
        c.TextOut(x6, yPeselLevel - 3 * F3, QStringLiteral("PESEL"));
    }

    // The PESEL itself, bold and larger, after the caption.
    c.SetBold(true);
    c.SetFontHeight(R(H * V(0.02) * 1.1L));
    if (c.FontHeight() > 0) {
        const int x = x6 + c.TextWidth(QStringLiteral("PESEL"));
        const int y = yPeselLevel - R(3.5L * F3);
        c.TextOut(x, y, Pesel);
        if (!Pesel.isEmpty())
            m_peselValueBox = TRectL{x, y, x + c.TextWidth(Pesel), y + c.FontHeight()};
    }
    c.SetFontHeight(F3);

    if (!IsBlank(Pesel)) {
        const QString code = PeselBarcodeText(Pesel);
        if (!code.isEmpty()) {
            const int barHeight = R(H * V(0.03) / 2);
            TRectL r;
            r.Left = x6;
            r.Top = yPeselLevel - 2 * F3;
            r.Right = r.Left + R((LD)Pesel.size() / 20.0L * (Hz(0.469) - V(0.075)) * H);
            r.Bottom = r.Top + barHeight;
            drawBarcode(c, code, barHeight, r);
            const QString keptFace = c.FontName();
            const int keptHeight = c.FontHeight();
            const bool keptBold = c.Bold();
            c.SetFontName(Font(3).Name);
            c.SetFontHeight(F3);
            c.SetBold(true);
            if (F3 > 0) {
                c.TextOut(r.Right - c.TextWidth(code), r.Bottom + 2, code);
                m_peselCodeBox = TRectL{r.Right - c.TextWidth(code), r.Bottom + 2, r.Right, r.Bottom + 2 + F3};
            }
            c.SetFontName(keptFace);
            c.SetFontHeight(keptHeight);
            c.SetBold(keptBold);
        }
    }

    // "Rp" and "Odpłatność".
    c.SetFontName(Font(9).Name);
    c.SetFontHeight(F9);
    c.SetBold(false);
    if (F9 > 0) {
        const int y = T + R(H * (V(0.386) + V(0.002)));
        c.TextOut(x6, y, QStringLiteral("Rp"));
        const QString pay = QStringLiteral("Odpłatność");
        const int low = L + R(H * (Hz(0.326) + V(0.008)));
        const int high = L + W - R(H * Hz(0.06));
        // Centred over the payment column; shrunk where it would reach the column's dashed line.
        const int clear = x326 + std::max(f, 1) + 1;
        const int kept = c.FontHeight();
        while (c.FontHeight() > 1 && CentreIn(c.TextWidth(pay), low, high) < clear)
            c.SetFontHeight(c.FontHeight() - 1);
        c.TextOut(CentreIn(c.TextWidth(pay), low, high), y, pay);
        c.SetFontHeight(kept);
    }

    // The line between the two date fields.
    c.Line(L + m, T + R(H * V(0.91)), x23, T + R(H * V(0.91)));

    // Date and doctor captions.
    c.SetFontName(Font(2).Name);
    c.SetFontHeight(F2);
    c.SetBold(Font(2).Bold);
    if (F2 > 0) {
        c.TextOut(x6, T + R(H * (V(0.84) + V(0.002))), QStringLiteral("Data wystawienia:"));
        c.TextOut(x6, T + R(H * (V(0.91) + V(0.002))), QStringLiteral("Data realizacji „od dnia”:"));
        // Starts where the longer caption would start right-aligned.
        const int w = c.TextWidth(QStringLiteral("Dane id. i podpis lekarza"));
        c.TextOut(L + W - w - R(H * Hz(0.06)), T + R(H * (V(0.84) + V(0.008))), QStringLiteral("Dane i podpis lekarza"));
    }

    // Branch and entitlement captions, left-aligned to each other.
    c.SetFontName(Font(3).Name);
    c.SetFontHeight(F3);
    c.SetBold(Font(3).Bold);
    const int boxLow = f + L + R(H * (Hz(0.326) + V(0.008))) + 1;
    const int boxHigh = L + W - R(H * Hz(0.06));
    if (F3 > 0) {
        const QString nfz = QStringLiteral("Oddział NFZ");
        c.TextOut(CentreIn(c.TextWidth(nfz), boxLow, boxHigh), T + R(H * (V(0.22) + V(0.002))), nfz);
        const QString upr = QStringLiteral("Uprawnienia");
        const int x = CentreIn(c.TextWidth(upr), boxLow, boxHigh);
        const int y = T + R(H * (V(0.3) + V(0.002)));
        c.TextOut(x, y, upr);
        c.TextOut(x, f + y + F3, QStringLiteral("dodatkowe"));
    }

    // Footer: always the fixed text, whatever the settings hold.
    Stopka = QStringLiteral("Wydruk własny");
    c.SetFontHeight(R(H * V(0.008) * 1.2L));
    if (c.FontHeight() > 0)
        c.TextOut(L + R(H * Hz(0.01) * 2), T + Height - R(H * V(0.008) * 3), Stopka);
}
