// The printed pattern found where the formulas put it, at two resolutions and two form sizes:
// frame lines, dashed drug frames and captions, probed in real renderings.
#include "FormFixture.h"

#include <cmath>

namespace
{
class PatternProbe : public FormTest, public ::testing::WithParamInterface<FormGeometry>
{
protected:
    void SetUp() override
    {
        g = GetParam();
        form = makeForm(g);
        vs = g.heightMM / 210.0;
        hs = g.widthMM / 99.0;
        H = form->Height;
        L = form->Left;
        T = form->Top;
        W = form->Width;
        f = int(std::lround(H * 3 / 1000.0));
        m = int(std::lround(0.8 * 0.06 * hs * H));
    }
    int y(double frac) const { return T + int(std::lround(H * frac * vs)); }
    int x(double frac) const { return L + int(std::lround(H * frac * hs)); }

    // Rows around yc that are dark over [x1, x2] almost all along: their middle and count.
    void expectSolidRow(const QImage& img, int yc, int x1, int x2, const char* what) const
    {
        int first = -1;
        int last = -1;
        for (int yy = yc - f - 4; yy <= yc + f + 4; ++yy) {
            if (darkShareInRow(img, yy, x1, x2) >= 0.97) {
                if (first < 0)
                    first = yy;
                last = yy;
            }
        }
        ASSERT_GE(first, 0) << what << ": no line near y " << yc;
        EXPECT_NEAR((first + last) / 2.0, yc, 1.5) << what;
        EXPECT_NEAR(last - first + 1, std::max(1, f), 1) << what;
        // Captions may stand close under a line; no second line does.
        EXPECT_LT(darkShareInRow(img, yc - f - 3, x1, x2), 0.4) << what;
        EXPECT_LT(darkShareInRow(img, yc + f + 3, x1, x2), 0.4) << what;
    }
    void expectSolidColumn(const QImage& img, int xc, int y1, int y2, const char* what) const
    {
        int first = -1;
        int last = -1;
        for (int xx = xc - f - 4; xx <= xc + f + 4; ++xx) {
            if (darkShareInColumn(img, xx, y1, y2) >= 0.97) {
                if (first < 0)
                    first = xx;
                last = xx;
            }
        }
        ASSERT_GE(first, 0) << what << ": no line near x " << xc;
        EXPECT_NEAR((first + last) / 2.0, xc, 1.5) << what;
        EXPECT_LT(darkShareInColumn(img, xc - f - 3, y1, y2), 0.4) << what;
        EXPECT_LT(darkShareInColumn(img, xc + f + 3, y1, y2), 0.4) << what;
    }

    FormGeometry g;
    std::unique_ptr<TRecipe> form;
    double vs = 1, hs = 1;
    int H = 0, L = 0, T = 0, W = 0, f = 0, m = 0;
};

TEST_P(PatternProbe, FrameLinesStandWhereTheFormulasPutThem)
{
    const QImage img = render(*form, g.dpi);
    const int xR = L + W - f - m;
    const int inset = f + 3;
    expectSolidRow(img, y(0.22), L + m + inset, xR - inset, "provider/patient line");
    expectSolidRow(img, y(0.374), L + m + inset, xR - inset, "patient/drugs line");
    expectSolidRow(img, y(0.84), L + m + inset, xR - inset, "drugs/dates line");
    expectSolidRow(img, y(0.3), x(0.326) + inset, xR - inset, "branch/entitlement line");
    expectSolidRow(img, y(0.91), L + m + inset, x(0.23) - inset, "line between the dates");
    expectSolidColumn(img, x(0.326), y(0.22) + inset, y(0.374) - inset, "patient/boxes line");
    expectSolidColumn(img, x(0.23), y(0.84) + inset, T + H - int(std::lround(H * 0.032 * vs)) - inset,
                      "dates/doctor line");
    // Nothing is drawn left of the frame margin or above the number's line in a blank form.
    EXPECT_EQ(darkCount(img, TRectL{0, 0, L + m - f, y(0.8)}), 0);
}

TEST_P(PatternProbe, DashedDrugFramesStandEveryBand)
{
    const QImage img = render(*form, g.dpi);
    const int x1 = L + m + 2;
    const int x2 = L + W - m - 2;
    for (int k = 0; k <= 5; ++k) {
        SCOPED_TRACE(k);
        const int yk = y(0.41 + k * 0.075);
        // Cosmetic pen: dashes of 5 units every 10.
        const double share = darkShareInRow(img, yk, x1, x2);
        EXPECT_GT(share, 0.4);
        EXPECT_LT(share, 0.7);
        int runs = 0;
        for (int xx = x1; xx <= x2; ++xx)
            runs += isDark(img.pixel(xx, yk)) && !isDark(img.pixel(xx - 1, yk));
        EXPECT_NEAR(runs, (x2 - x1) / 10.0, 2);
        EXPECT_LT(darkShareInRow(img, yk - 2, x1, x2), 0.05);
        EXPECT_LT(darkShareInRow(img, yk + 2, x1, x2), 0.05);
    }
    // The payment column: from the patient line down to the last dashed line.
    const double column = darkShareInColumn(img, x(0.326), y(0.374) + f + 2, y(0.785) - 2);
    EXPECT_GT(column, 0.4);
    EXPECT_LT(column, 0.7);
}

struct CaptionAt
{
    const char* text;
    double xFrac; // of H, scaled horizontally
    double yFrac; // of H, scaled vertically
    int slot;     // font slot of its height, 0 for the base font
};

TEST_P(PatternProbe, CaptionsStandWhereTheFormulasPutThem)
{
    QImage img;
    const std::vector<DrawnOp> ops = record(*form, g.dpi, &img);
    auto find = [&](const char* text) {
        for (const DrawnOp& op : ops)
            if (op.kind == DrawnOp::Text && op.text == QString::fromUtf8(text))
                return op;
        ADD_FAILURE() << "not written: " << text;
        return DrawnOp();
    };
    const CaptionAt captions[] = {
        {"Recepta", 0.06, 0.03, 0},          // 12.6, 6.3 mm at the default size
        {"Pacjent", 0.06, 0.228, 3},         // 47.88 mm
        {"Rp", 0.06, 0.388, 9},              // 81.48 mm
        {"Data wystawienia:", 0.06, 0.842, 2},
        {"Data realizacji „od dnia”:", 0.06, 0.912, 2},
    };
    for (const CaptionAt& c : captions) {
        SCOPED_TRACE(c.text);
        const DrawnOp op = find(c.text);
        EXPECT_NEAR(op.x1, x(c.xFrac), 1);
        EXPECT_NEAR(op.y1, y(c.yFrac), 1);
        const double size = c.slot == 0 ? 0.025 : form->Font(c.slot).Size / 1000.0;
        EXPECT_EQ(op.fontHeight, int(std::lround(H * size * vs)));
        // Ink inside the text cell, none just left of it.
        EXPECT_GT(darkCount(img, TRectL{op.x1, op.y1, op.x1 + op.fontHeight * 2, op.y1 + op.fontHeight}), 10);
        EXPECT_EQ(darkCount(img, TRectL{op.x1 - 8, op.y1, op.x1 - 1, op.y1 + op.fontHeight}), 0);
    }
    // "Świadczeniodawca" ends its cell on the level 0.212.
    const DrawnOp swd = find("Świadczeniodawca");
    EXPECT_NEAR(swd.y1 + swd.fontHeight, y(0.212), 1);
    // The footer at 0.02h from the left and 0.024v from the bottom, whatever Stopka held.
    const DrawnOp foot = find("Wydruk własny");
    EXPECT_NEAR(foot.x1, x(0.02), 1);
    EXPECT_NEAR(foot.y1, T + H - int(std::lround(H * 0.024 * vs)), 1);
    EXPECT_EQ(form->Stopka, QStringLiteral("Wydruk własny"));
    // "Uprawnienia" and "dodatkowe" share their left edge; "Odpłatność" sits right of the column line.
    EXPECT_EQ(find("Uprawnienia").x1, find("dodatkowe").x1);
    // Clear of the payment column's dashed line even where the centred word would reach it.
    EXPECT_GT(find("Odpłatność").x1, x(0.326) + f);
    EXPECT_LE(find("Odpłatność").fontHeight, form->FontSlotHeight(9));
    EXPECT_EQ(find("Odpłatność").y1, find("Rp").y1);
    // No patient: the PESEL prints as nothing and no barcode is drawn.
    for (const DrawnOp& op : ops)
        EXPECT_NE(op.kind, DrawnOp::Code);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PatternProbe,
                         ::testing::Values(FormGeometry{150, 99, 210}, FormGeometry{300, 99, 210},
                                           FormGeometry{150, 103, 204}, FormGeometry{300, 103, 204}),
                         [](const auto& info) {
                             return std::to_string(info.param.dpi) + "dpi_" + std::to_string(info.param.widthMM)
                                 + "x" + std::to_string(info.param.heightMM);
                         });

TEST_F(FormTest, ThinnestFramesAndFramesOff)
{
    auto form = makeForm({150, 99, 210});
    form->FrameSize = 0;
    QImage img;
    const std::vector<DrawnOp> ops = record(*form, 150, &img);
    int frames = 0;
    for (const DrawnOp& op : ops)
        if (op.kind == DrawnOp::Line && op.penWidth == 0 && op.y1 == op.y2 && op.x2 - op.x1 > 300)
            ++frames;
    EXPECT_GE(frames, 3);
    const int y22 = form->Top + int(std::lround(form->Height * 0.22));
    EXPECT_GT(darkShareInRow(img, y22, form->Left + 80, form->Left + 400), 0.97) << "a one-pixel line";

    // Without frames only the data are drawn: a blank form without data stays white.
    auto bare = makeForm({150, 99, 210});
    bare->DrRamki = false;
    bare->DataReal = QStringLiteral("2026-01-02");
    bare->Uprawnienia = QStringLiteral("S");
    bare->KasaChorych = QStringLiteral("07");
    const QImage white = render(*bare, 150);
    EXPECT_EQ(darkShareInRow(white, y22, bare->Left + 80, bare->Left + 400), 0.0);
}
} // namespace
