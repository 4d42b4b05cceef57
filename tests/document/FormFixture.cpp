// Shared pieces of the form tests.
#include "FormFixture.h"

#include "support/SamplePrescription.h"

#include <QColor>

#include <cmath>

void RecordingCanvas::TextOut(int x, int y, const QString& text)
{
    DrawnOp op;
    op.kind = DrawnOp::Text;
    op.text = text;
    op.x1 = x;
    op.y1 = y;
    op.fontHeight = FontHeight();
    op.bold = Bold();
    op.italic = Italic();
    op.face = FontName();
    ops.push_back(op);
    TCanvas::TextOut(x, y, text);
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2)
{
    DrawnOp op;
    op.kind = DrawnOp::Line;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.penWidth = PenWidth();
    ops.push_back(op);
    TCanvas::Line(x1, y1, x2, y2);
}

void RecordingCanvas::StretchDraw(const TRectL& r, const QImage& picture)
{
    DrawnOp op;
    op.kind = DrawnOp::Picture;
    op.rect = r;
    ops.push_back(op);
    TCanvas::StretchDraw(r, picture);
}

void RecordingCanvas::Barcode(const QString& digits, int barHeight, const TRectL& r)
{
    DrawnOp op;
    op.kind = DrawnOp::Code;
    op.text = digits;
    op.barHeight = barHeight;
    op.rect = r;
    ops.push_back(op);
    TCanvas::Barcode(digits, barHeight, r);
}

std::vector<DrawnOp> RecordingCanvas::texts(const QString& text) const
{
    std::vector<DrawnOp> out;
    for (const DrawnOp& op : ops)
        if (op.kind == DrawnOp::Text && op.text == text)
            out.push_back(op);
    return out;
}

std::vector<DrawnOp> RecordingCanvas::lines() const
{
    std::vector<DrawnOp> out;
    for (const DrawnOp& op : ops)
        if (op.kind == DrawnOp::Line)
            out.push_back(op);
    return out;
}

std::vector<DrawnOp> RecordingCanvas::codes() const
{
    std::vector<DrawnOp> out;
    for (const DrawnOp& op : ops)
        if (op.kind == DrawnOp::Code)
            out.push_back(op);
    return out;
}

void FormTest::TearDown()
{
    FormWidthMM = 99;
    FormHeightMM = 210;
    RecomputeLayoutScale();
}

std::unique_ptr<TRecipe> FormTest::makeForm(const FormGeometry& g, int margin)
{
    FormWidthMM = g.widthMM;
    FormHeightMM = g.heightMM;
    auto r = std::make_unique<TRecipe>();
    // The sheet's way: the form size in device units, truncated.
    r->SetFormWidth(int(g.widthMM * g.dpi / 25.4));
    r->SetFormHeight(int(g.heightMM * g.dpi / 25.4));
    r->Left = margin;
    r->Top = margin;
    return r;
}

QImage FormTest::blankImage(const TRecipe& r, int dpi, int margin)
{
    QImage img(r.Width + 2 * margin, r.Height + 2 * margin, QImage::Format_RGB32);
    img.fill(Qt::white);
    const int dpm = int(std::lround(dpi / 0.0254));
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    return img;
}

QImage FormTest::render(TRecipe& r, int dpi, int margin)
{
    QImage img = blankImage(r, dpi, margin);
    QPainter p(&img);
    r.Draw(p);
    p.end();
    return img;
}

std::vector<DrawnOp> FormTest::record(TRecipe& r, int dpi, QImage* image)
{
    QImage local = blankImage(r, dpi, r.Left);
    QImage& img = image ? *image : local;
    if (image)
        img = blankImage(r, dpi, r.Left);
    QPainter p(&img);
    RecordingCanvas canvas(p);
    r.Draw(canvas);
    p.end();
    return canvas.ops;
}

void FormTest::fillFullPrescription(TRecipe& r, const QImage* logo)
{
    FillSamplePrescription(r, logo);
}

int measureText(const QString& text, int height, bool bold, bool italic)
{
    QImage img(8, 8, QImage::Format_RGB32);
    QPainter p(&img);
    TCanvas c(p);
    c.SetFontHeight(height);
    c.SetBold(bold);
    c.SetItalic(italic);
    return c.TextWidth(text);
}

bool isDark(QRgb p)
{
    return qGray(p) < 128;
}

double darkShareInRow(const QImage& img, int y, int x1, int x2)
{
    int dark = 0;
    for (int x = x1; x <= x2; ++x)
        dark += isDark(img.pixel(x, y));
    return double(dark) / (x2 - x1 + 1);
}

double darkShareInColumn(const QImage& img, int x, int y1, int y2)
{
    int dark = 0;
    for (int y = y1; y <= y2; ++y)
        dark += isDark(img.pixel(x, y));
    return double(dark) / (y2 - y1 + 1);
}

int darkCount(const QImage& img, const TRectL& r)
{
    int n = 0;
    for (int y = std::max(0, r.Top); y < std::min(img.height(), r.Bottom); ++y)
        for (int x = std::max(0, r.Left); x < std::min(img.width(), r.Right); ++x)
            n += isDark(img.pixel(x, y));
    return n;
}
