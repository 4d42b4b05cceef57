// Forms drawn into images at a chosen resolution and form size, and a canvas that records
// what the form draws (texts with their font, lines with their pen, pictures, barcodes).
#pragma once

#include "document/svLayout.h"
#include "document/svRecipe.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

struct DrawnOp
{
    enum Kind { Text, Line, Picture, Code } kind = Text;
    QString text; // the text, or the barcode's digits
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // text: top-left in x1, y1; line: its ends
    TRectL rect;                        // picture and barcode
    int barHeight = 0;
    int fontHeight = 0;
    bool bold = false;
    bool italic = false;
    QString face;
    int penWidth = 0;
};

class RecordingCanvas : public TCanvas
{
public:
    using TCanvas::TCanvas;
    std::vector<DrawnOp> ops;

    void TextOut(int x, int y, const QString& text) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void StretchDraw(const TRectL& r, const QImage& picture) override;
    void Barcode(const QString& digits, int barHeight, const TRectL& r) override;

    std::vector<DrawnOp> texts(const QString& text) const; // every TextOut of exactly this text
    std::vector<DrawnOp> lines() const;
    std::vector<DrawnOp> codes() const;
};

// A form size in mm and a resolution; the global form size is set for the test and put back.
struct FormGeometry
{
    int dpi = 150;
    int widthMM = 99;
    int heightMM = 210;
};

class FormTest : public ::testing::Test
{
protected:
    void TearDown() override;

    // Sets the global form size and makes a form of that size at (margin, margin).
    std::unique_ptr<TRecipe> makeForm(const FormGeometry& g, int margin = 20);
    // An image big enough for the form and its margin, white, with the resolution set.
    static QImage blankImage(const TRecipe& r, int dpi, int margin = 20);
    static QImage render(TRecipe& r, int dpi, int margin = 20);
    // Draws on a recording canvas over an image; returns what was drawn.
    static std::vector<DrawnOp> record(TRecipe& r, int dpi, QImage* image = nullptr);

    // The whole prescription of the examples: patient, five drugs, dates, logo, barcodes.
    static void fillFullPrescription(TRecipe& r, const QImage* logo);
};

// Width of a text in Liberation Sans at a cell height, measured on an image device.
int measureText(const QString& text, int height, bool bold = false, bool italic = false);

bool isDark(QRgb p);
// Share of dark pixels in a row (from x1 to x2 inclusive) or a column.
double darkShareInRow(const QImage& img, int y, int x1, int x2);
double darkShareInColumn(const QImage& img, int x, int y1, int y2);
// Number of dark pixels inside the rectangle (right and bottom exclusive).
int darkCount(const QImage& img, const TRectL& r);
