// Rounding, centring, form-size scaling, text fitting, crosses and dashed lines.
#include "FormFixture.h"

#include <QFontMetrics>

#include <cmath>

namespace
{
struct CentreCase
{
    int size, low, high, expected;
};

TEST(Layout, CentreInTruncatesTowardZero)
{
    const CentreCase cases[] = {
        {5, 0, 10, 2},   // 0 + 5 div 2
        {5, 10, 0, 3},   // 10 + (-15 div 2) = 10 - 7: the reversed bounds round the other way
        {4, 0, 10, 3},
        {11, 0, 10, 0},  // -1 div 2 = 0
        {13, 0, 10, -1},
        {0, -4, 4, 0},
    };
    for (const CentreCase& c : cases)
        EXPECT_EQ(CentreIn(c.size, c.low, c.high), c.expected) << c.size << " " << c.low << " " << c.high;
}

TEST(Layout, RoundingIsToNearestWithTiesToEven)
{
    const std::pair<long double, int> cases[] = {{0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2},
                                                 {2.4999L, 2}, {2.5001L, 3}, {1240 * 0.22L, 273}};
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(RoundEven(x), expected) << double(x);
    EXPECT_EQ(PixelsToMM(2480, 300), 210);
    EXPECT_EQ(PixelsToMM(0, 0), 0);
}

TEST(Layout, ScaleFactorsFollowTheFormSize)
{
    FormWidthMM = 99;
    FormHeightMM = 210;
    RecomputeLayoutScale();
    for (double c : {0.002, 0.008, 0.22, 0.374, 0.91})
        EXPECT_EQ(V(c), (long double)c);
    for (double c : {0.01, 0.06, 0.326, 0.469})
        EXPECT_EQ(Hz(c), (long double)c);

    FormHeightMM = 204;
    FormWidthMM = 103;
    TRecipe r; // each construction recomputes the scale
    EXPECT_DOUBLE_EQ(double(V(0.22)), 0.22 * 204 / 210);
    EXPECT_DOUBLE_EQ(double(Hz(0.326)), 0.326 * 103 / 99);
    EXPECT_DOUBLE_EQ(double(r.Font(1).HeightFactor), 0.025 * 204 / 210);
    FormWidthMM = 99;
    FormHeightMM = 210;
    RecomputeLayoutScale();
}

class Primitives : public ::testing::Test
{
protected:
    Primitives() : img(400, 300, QImage::Format_RGB32), painter(&img), canvas(painter) { img.fill(Qt::white); }
    ~Primitives() override { painter.end(); }
    QImage img;
    QPainter painter;
    RecordingCanvas canvas;
};

TEST_F(Primitives, FontHeightIsTheCellHeightOnTheDevice)
{
    for (int h : {6, 11, 20, 25, 37, 60, 131}) {
        for (bool bold : {false, true}) {
            canvas.SetFontHeight(h);
            canvas.SetBold(bold);
            const int cell = QFontMetrics(canvas.RealFont(), &img).height();
            EXPECT_LE(cell, h) << h;
            EXPECT_GE(cell, h - 2) << h;
            EXPECT_EQ(canvas.TextHeight(QStringLiteral("x")), cell);
            QFont bigger = canvas.RealFont();
            bigger.setPixelSize(bigger.pixelSize() + 1);
            EXPECT_GT(QFontMetrics(bigger, &img).height(), h) << "the largest size not above the height";
        }
    }
    EXPECT_EQ(QFontInfo(canvas.RealFont()).family(), QStringLiteral("Liberation Sans"));
}

TEST_F(Primitives, FitTextTakesTheRectangleHeightUnlessCapped)
{
    canvas.SetFontHeight(7);
    FitText(canvas, TRectL{10, 20, 390, 60}, QStringLiteral("Ab"), 0, 0, 0);
    FitText(canvas, TRectL{10, 100, 390, 140}, QStringLiteral("Ab"), 25, 2, 2);
    ASSERT_EQ(canvas.ops.size(), 2u);
    EXPECT_EQ(canvas.ops[0].fontHeight, 40);
    EXPECT_EQ(canvas.ops[0].x1, 10);
    EXPECT_EQ(canvas.ops[0].y1, 20);
    EXPECT_EQ(canvas.ops[1].fontHeight, 25);
    canvas.SetFontHeight(25);
    EXPECT_EQ(canvas.ops[1].x1, 390 - canvas.TextWidth(QStringLiteral("Ab")));
    EXPECT_EQ(canvas.ops[1].y1, 140 - canvas.TextHeight(QStringLiteral("Ab")));
    // The kept height is put back.
    EXPECT_EQ(canvas.FontHeight(), 25);
    canvas.SetFontHeight(7);
    FitText(canvas, TRectL{0, 0, 10, 10}, QStringLiteral("x"), 0, 1, 1);
    EXPECT_EQ(canvas.FontHeight(), 7);
}

TEST_F(Primitives, FitTextShrinksToTheWidthAndCentresDownwards)
{
    const QString text = QStringLiteral("Dane id. i podpis lekarza");
    const TRectL r{50, 50, 150, 91};
    FitText(canvas, r, text, 0, 1, 1);
    ASSERT_EQ(canvas.ops.size(), 1u);
    const DrawnOp op = canvas.ops[0];
    canvas.SetFontHeight(op.fontHeight);
    EXPECT_LE(canvas.TextWidth(text), 100);
    canvas.SetFontHeight(op.fontHeight + 1);
    EXPECT_GT(canvas.TextWidth(text), 100) << "the largest height that fits";
    canvas.SetFontHeight(op.fontHeight);
    const int w = canvas.TextWidth(text);
    const int h = canvas.TextHeight(text);
    EXPECT_EQ(op.x1, 50 + (100 - w) / 2);
    // Vertical centring passes the bounds reversed: Bottom + (Top - Bottom - h) div 2.
    EXPECT_EQ(op.y1, 91 + (50 - 91 - h) / 2);
    EXPECT_GE(op.y1 * 2, 50 + 91 - h) << "an odd half unit goes down the page";
}

TEST_F(Primitives, FitTextWritesNothingWhenNothingFits)
{
    FitText(canvas, TRectL{10, 10, 10, 50}, QStringLiteral("W"), 0, 0, 0);   // no width
    FitText(canvas, TRectL{10, 10, 200, 10}, QStringLiteral("W"), 0, 0, 0);  // no height
    FitText(canvas, TRectL{10, 10, 200, 5}, QStringLiteral("W"), 0, 0, 0);   // upside down
    EXPECT_TRUE(canvas.ops.empty());
    painter.end();
    EXPECT_EQ(darkCount(img, TRectL{0, 0, 400, 300}), 0);
    painter.begin(&img);
}

TEST_F(Primitives, FitLinesSharesOneHeightAndBoldsTheFirstLines)
{
    // Three lines in 64 units: Round(64 / 3.2) = 20.
    const QStringList three = {QStringLiteral("Ab"), QStringLiteral("Cd"), QStringLiteral("Ef")};
    FitLines(canvas, TRectL{0, 0, 400, 64}, three, 2, 100);
    ASSERT_EQ(canvas.ops.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(canvas.ops[size_t(i)].fontHeight, 20);
        EXPECT_EQ(canvas.ops[size_t(i)].bold, i < 2);
    }
    // gap Round(2.0) = 2, block 64, top 0.
    EXPECT_EQ(canvas.ops[0].y1, 0);
    EXPECT_EQ(canvas.ops[1].y1, 22);
    EXPECT_EQ(canvas.ops[2].y1, 44);

    // One line: the full height, capped by the maximum.
    canvas.ops.clear();
    FitLines(canvas, TRectL{0, 100, 400, 150}, {QStringLiteral("Ab")}, 0, 100);
    FitLines(canvas, TRectL{0, 100, 400, 150}, {QStringLiteral("Ab")}, 0, 12);
    ASSERT_EQ(canvas.ops.size(), 2u);
    EXPECT_EQ(canvas.ops[0].fontHeight, 50);
    EXPECT_EQ(canvas.ops[1].fontHeight, 12);
    EXPECT_EQ(canvas.ops[1].y1, CentreIn(12, 100, 150));

    // The widest line sets the height of all; style and height come back.
    canvas.ops.clear();
    canvas.SetFontHeight(9);
    canvas.SetBold(true);
    const QStringList mixed = {QStringLiteral("a"), QStringLiteral("a much longer line than the rest")};
    FitLines(canvas, TRectL{0, 0, 120, 100}, mixed, 0, 40);
    ASSERT_EQ(canvas.ops.size(), 2u);
    EXPECT_EQ(canvas.ops[0].fontHeight, canvas.ops[1].fontHeight);
    EXPECT_LT(canvas.ops[0].fontHeight, 40);
    EXPECT_EQ(canvas.FontHeight(), 9);
    EXPECT_TRUE(canvas.Bold());

    canvas.ops.clear();
    FitLines(canvas, TRectL{0, 0, 120, 100}, {}, 0, 40);
    EXPECT_TRUE(canvas.ops.empty());
}

struct DashCase
{
    const char* name;
    int penWidth;
    int x1, y1, x2, y2;
    std::vector<std::array<int, 4>> dashes;
};

TEST_F(Primitives, DashedLinesFollowTheWorkedExamples)
{
    const DashCase cases[] = {
        {"100 long, pen 1", 1, 10, 50, 110, 50,
         {{10, 50, 20, 50}, {30, 50, 40, 50}, {50, 50, 60, 50}, {70, 50, 80, 50}, {90, 50, 100, 50}}},
        {"105 long: a short sixth dash", 1, 10, 50, 115, 50,
         {{10, 50, 20, 50}, {30, 50, 40, 50}, {50, 50, 60, 50}, {70, 50, 80, 50}, {90, 50, 100, 50},
          {110, 50, 115, 50}}},
        {"pen 0: dashes of 5", 0, 0, 0, 22, 0, {{0, 0, 5, 0}, {10, 0, 15, 0}, {20, 0, 22, 0}}},
        {"pen 3: dashes of 20", 3, 0, 0, 50, 0, {{0, 0, 20, 0}, {40, 0, 50, 0}}},
        {"top to bottom", 1, 5, 0, 5, 35, {{5, 0, 5, 10}, {5, 20, 5, 30}}},
        {"right to left", 1, 40, 7, 0, 7, {{40, 7, 30, 7}, {20, 7, 10, 7}}},
        {"bottom to top", 1, 5, 30, 5, 0, {{5, 30, 5, 20}, {5, 10, 5, 0}}},
        {"diagonal 3-4-5", 1, 0, 0, 30, 40, {{0, 0, 6, 8}, {12, 16, 18, 24}, {24, 32, 30, 40}}},
        {"a point", 1, 7, 7, 7, 7, {}},
    };
    TRecipe recipe;
    for (const DashCase& c : cases) {
        SCOPED_TRACE(c.name);
        canvas.ops.clear();
        canvas.SetPenWidth(c.penWidth);
        canvas.SetPenStyle(Qt::DotLine);
        recipe.DrawDashedLine(canvas, c.x1, c.y1, c.x2, c.y2);
        ASSERT_EQ(canvas.ops.size(), c.dashes.size());
        for (size_t i = 0; i < c.dashes.size(); ++i) {
            const DrawnOp& op = canvas.ops[i];
            EXPECT_EQ((std::array<int, 4>{op.x1, op.y1, op.x2, op.y2}), c.dashes[i]) << i;
            EXPECT_EQ(op.penWidth, c.penWidth);
        }
        EXPECT_EQ(canvas.PenStyle(), Qt::DotLine) << "the pen style comes back";
    }
}

TEST_F(Primitives, CrossTakesItsPenFromTheFrameSize)
{
    TRecipe recipe;
    recipe.SetFormHeight(2480);
    recipe.FrameSize = 3; // Round(3 / 900 * 2480) = 8
    canvas.SetPenWidth(1);
    recipe.DrawCross(canvas, 10, 20, 40, 50);
    ASSERT_EQ(canvas.ops.size(), 2u);
    EXPECT_EQ((std::array<int, 4>{canvas.ops[0].x1, canvas.ops[0].y1, canvas.ops[0].x2, canvas.ops[0].y2}),
              (std::array<int, 4>{10, 20, 40, 50}));
    EXPECT_EQ((std::array<int, 4>{canvas.ops[1].x1, canvas.ops[1].y1, canvas.ops[1].x2, canvas.ops[1].y2}),
              (std::array<int, 4>{40, 20, 10, 50}));
    EXPECT_EQ(canvas.ops[0].penWidth, 8);
    EXPECT_EQ(canvas.PenWidth(), 1);

    painter.end();
    EXPECT_TRUE(isDark(img.pixel(25, 35))) << "the diagonals cross in the middle";
    EXPECT_FALSE(isDark(img.pixel(25, 22)));
    painter.begin(&img);
}
} // namespace
