// The arrangement of forms on a sheet: the page grid and the page on the canvas.
#include "document/svLayout.h"
#include "printing/svDrawSheet.h"
#include "support/TestSupport.h"

namespace
{
struct GridCase
{
    const char* name;
    int hAlign, vAlign, pageW, pageH, formW, formH, count;
    bool eqH, eqV;
    QList<QPoint> corners;
};

TEST(PageGrid, WorkedExamples)
{
    const GridCase cases[] = {
        {"left, even", alLeft, alTop, 210, 297, 99, 210, 2, true, false, {{0, 0}, {105, 0}}},
        {"centre, even", alCenter, alTop, 210, 297, 99, 210, 2, true, false, {{4, 0}, {107, 0}}},
        {"right, even", alRight, alTop, 210, 297, 99, 210, 2, true, false, {{111, 0}, {6, 0}}},
        // Three columns, five forms, centred: the last row is centred on its own, left to right.
        {"centre, 3x2", alCenter, alTop, 300, 200, 100, 100, 5, false, false,
         {{0, 0}, {100, 0}, {200, 0}, {50, 100}, {150, 100}}},
        {"bottom rows keep their order", alLeft, alBottom, 100, 300, 100, 100, 2, false, false, {{0, 100}, {0, 200}}},
        {"middle, even vertical", alLeft, alMiddle, 100, 300, 100, 100, 2, false, true, {{0, 34}, {0, 167}}},
        {"count 0 is the capacity", alLeft, alTop, 297, 210, 99, 210, 0, false, false, {{0, 0}, {99, 0}, {198, 0}}},
        {"too many", alLeft, alTop, 210, 297, 99, 210, 3, false, false, {}},
        {"forms larger than the paper", alLeft, alTop, 90, 297, 99, 210, 1, false, false, {}},
    };
    for (const GridCase& c : cases)
        EXPECT_EQ(PageGrid(c.hAlign, c.vAlign, c.pageW, c.pageH, c.formW, c.formH, c.count, c.eqH, c.eqV), c.corners)
            << c.name;
}

TEST(SheetGeometry, PreviewPageIsFittedAndCentred)
{
    TSVDrawSheetGeometry sheet(10);
    sheet.CanvasWidth = 263;
    sheet.CanvasHeight = 196;
    sheet.SetPaperRect({0, 0, 210, 297});
    EXPECT_EQ(sheet.PageRect, (TRectL{69, 10, 193, 186}));
    EXPECT_FALSE(sheet.PreviewMode());

    // A printable area equal to the whole paper lies one unit inside the page's outline.
    sheet.SetPrintableRect({0, 0, 210, 297});
    EXPECT_TRUE(sheet.PreviewMode());
    EXPECT_EQ(sheet.PrintableRect, (TRectL{70, 11, 192, 185}));

    // Landscape: the page is wider than high and takes the full width first.
    sheet.SetOrientation(1);
    EXPECT_EQ(sheet.PageRect.Right - sheet.PageRect.Left, 243);
    EXPECT_EQ(sheet.PageRect.Bottom - sheet.PageRect.Top, 172); // round(243 * 210 / 297)
}

TEST(SheetGeometry, CapacityAndAutomaticArrangement)
{
    FormWidthMM = 99;
    FormHeightMM = 210;
    TSVDrawSheetGeometry sheet;
    sheet.CanvasWidth = 2480;
    sheet.CanvasHeight = 3508;
    sheet.SetPaperRect({0, 0, 210, 297});
    sheet.SetLiczbaRecept(-1);
    EXPECT_EQ(sheet.MaxNum(), 2);
    sheet.SetLiczbaRecept(5);
    EXPECT_EQ(sheet.MaxNum(), 2); // more than fit: the capacity
    sheet.SetLiczbaRecept(0);
    EXPECT_EQ(sheet.MaxNum(), 0);

    sheet.SetLiczbaRecept(1);
    sheet.HAlign = alLeft;
    sheet.EqSpaceH = true;
    sheet.SetAuto(true);
    EXPECT_EQ(sheet.Orientation, 1); // A4: landscape holds 3, portrait 2
    EXPECT_EQ(sheet.LiczbaRecept, 1);
    EXPECT_EQ(sheet.HAlign, alCenter);
    EXPECT_FALSE(sheet.EqSpaceH);

    // A tie stays portrait.
    sheet.SetPaperRect({0, 0, 210, 210});
    sheet.SetAuto(true);
    EXPECT_EQ(sheet.Orientation, 0);
}

TEST(SheetGeometry, LayoutCommand)
{
    const CliRun r = runCli({"layout", "--page", "210x297", "--form", "99x210", "--count", "2", "--halign", "2", "--even-h"});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);
    EXPECT_EQ(r.lines(), (QStringList{"111\t43", "6\t43"}));
    EXPECT_TRUE(runCli({"layout", "--page", "210x297", "--form", "99x210", "--count", "3"}).out.isEmpty());
    EXPECT_EQ(runCli({"layout", "--page", "210", "--form", "99x210", "--count", "3"}).exitCode, 2);
}
} // namespace
