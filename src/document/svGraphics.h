// The canvas the forms draw on (a QPainter with a font measured by its character-cell height)
// and the small primitives shared by the form drawings: fitting texts and blocks of lines.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QImage;
class QPainter;

// A rectangle by its four edges, right and bottom exclusive (Left, Top, Right, Bottom).
struct TRectL
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TRectL&) const = default;
};

bool IsEmptyRect(const TRectL& r); // all four coordinates 0

// Wraps a QPainter on any paint device. Font height is the height of the character cell (the
// line height including internal leading) in device units; texts are placed by the top-left
// corner of their cell and measured with the metrics of the device being drawn on. Pen width 0
// is the device's thinnest line.
class TCanvas
{
public:
    explicit TCanvas(QPainter& painter);
    virtual ~TCanvas() = default;

    QPainter& Painter() { return m_painter; }

    QString FontName() const { return m_fontName; }
    void SetFontName(const QString& name);
    int FontHeight() const { return m_fontHeight; }
    void SetFontHeight(int height);
    bool Bold() const { return m_bold; }
    void SetBold(bool on);
    bool Italic() const { return m_italic; }
    void SetItalic(bool on);

    int PenWidth() const { return m_penWidth; }
    void SetPenWidth(int width);
    Qt::PenStyle PenStyle() const { return m_penStyle; }
    void SetPenStyle(Qt::PenStyle style);

    int TextWidth(const QString& text);
    int TextHeight(const QString& text);
    // The three drawing operations are virtual so that a canvas can also record what it draws.
    virtual void TextOut(int x, int y, const QString& text);
    virtual void Line(int x1, int y1, int x2, int y2);
    // Draws the picture scaled into the rectangle (right and bottom exclusive).
    virtual void StretchDraw(const TRectL& r, const QImage& picture);
    // Paints the GS1-128 symbol of the digits, bars barHeight units high, stretched into r.
    virtual void Barcode(const QString& digits, int barHeight, const TRectL& r);

    // The QFont realising the current face, style and cell height on this device.
    QFont RealFont();

private:
    void applyPen();

    QPainter& m_painter;
    QString m_fontName = QStringLiteral("Liberation Sans");
    int m_fontHeight = 12;
    bool m_bold = false;
    bool m_italic = false;
    int m_penWidth = 0;
    Qt::PenStyle m_penStyle = Qt::SolidLine;
    bool m_fontDirty = true;
    QFont m_font;
    int m_ascent = 0;
};

// Pixel size of the face whose cell height on the device is the largest not above height.
int PixelSizeForCellHeight(const QString& face, bool bold, bool italic, int height, QPainter& painter);

// Writes one text inside the rectangle with the largest font height that fits (at most
// maxHeight when maxHeight > 0). hAlign 0 left, 1 centre, 2 right; vAlign 0 top, 1 middle,
// 2 bottom. The canvas's font height is kept; face and style are not touched.
void FitText(TCanvas& canvas, const TRectL& r, const QString& text, int maxHeight, int hAlign, int vAlign);

// Writes the lines as a block centred in the rectangle with one common font height (at most
// maxHeight), the first boldCount lines bold. Font style and height are kept.
void FitLines(TCanvas& canvas, const TRectL& r, const QStringList& lines, int boldCount, int maxHeight);
