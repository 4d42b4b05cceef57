// The page preview and the page-count dialog, as widgets.
#include "printing/ui/TFormNrSerPrint.h"
#include "printing/ui/TSVPreview.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace
{
int countColour(const QImage& img, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) == colour;
    return n;
}

TEST(Preview, DrawsThePageOnlyWhenPaintingAndInPreviewMode)
{
    QWidget parent;
    parent.resize(400, 400);
    TSVPreview preview(&parent);
    preview.SetPlacement(5, 15, 196, 263);
    const QRgb grey = qRgb(192, 192, 192);

    // No paper and no printable area yet: nothing of the sheet.
    EXPECT_EQ(countColour(preview.grab().toImage(), grey), 0);

    preview.BeginUpdate();
    preview.SetPaperRect({0, 0, 210, 297});
    preview.SetPrintableRect({5, 5, 205, 292});
    preview.Sheet().SetLiczbaRecept(-1);
    EXPECT_FALSE(preview.IsPainting());
    EXPECT_EQ(countColour(preview.grab().toImage(), grey), 0); // suspended

    preview.EndUpdate();
    const QImage img = preview.grab().toImage();
    EXPECT_GT(countColour(img, grey), 100); // the shadow
    EXPECT_EQ(preview.Sheet().PageRect, (TRectL{69, 10, 193, 186}));
    // The forms carry the preview's sample number.
    EXPECT_EQ(preview.Sheet().LastNumbers.size(), preview.Sheet().MaxNum());
    for (const QString& n : preview.Sheet().LastNumbers)
        EXPECT_EQ(n, preview.Sheet().NumGen().SampleNumber());
}

TEST(PageCountDialog, ProposesPagesAndGuardsTheCount)
{
    TFormNrSerPrint dialog;
    auto* pages = dialog.findChild<QSpinBox*>(QStringLiteral("EdLiczbaStron"));
    auto* next = dialog.findChild<QPushButton*>(QStringLiteral("BDalej"));
    ASSERT_TRUE(pages && next && dialog.findChild<QPushButton*>(QStringLiteral("PicBtn1")));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Rozpoczęcie drukowania"));

    dialog.Prepare(QStringLiteral("10-1"), 4, true);
    EXPECT_EQ(dialog.Pages(), 3);
    EXPECT_TRUE(pages->isReadOnly());
    EXPECT_TRUE(next->isEnabled());

    dialog.Prepare(QStringLiteral("  "), 4, true);
    EXPECT_FALSE(next->isEnabled());

    dialog.Prepare(QStringLiteral("120"), 4, false);
    EXPECT_EQ(dialog.Pages(), 1);
    EXPECT_FALSE(pages->isReadOnly());
    pages->setValue(999);
    EXPECT_TRUE(next->isEnabled());
    pages->setValue(0);
    EXPECT_FALSE(next->isEnabled());

    // Enter goes on when there is something to print, Esc goes back.
    struct TKey
    {
        int pages;
        Qt::Key key;
        bool visibleAfter;
        int result;
    };
    const TKey keys[] = {{0, Qt::Key_Return, true, -1}, {5, Qt::Key_Return, false, QDialog::Accepted},
                         {5, Qt::Key_Escape, false, QDialog::Rejected}};
    for (const TKey& k : keys) {
        dialog.setResult(-1);
        dialog.show();
        pages->setValue(k.pages);
        QTest::keyClick(pages, k.key);
        EXPECT_EQ(dialog.isVisible(), k.visibleAfter) << k.pages << " " << k.key;
        EXPECT_EQ(dialog.result(), k.result) << k.pages << " " << k.key;
    }
}
} // namespace
