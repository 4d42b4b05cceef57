// Canvas wrapper and text-fitting primitives of the form drawing.
#include "document/svGraphics.h"

#include "document/svLayout.h"
#include "printing/svBarcode.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace
{
QFont makeFont(const QString& face, bool bold, bool italic, int pixelSize)
{
    QFont f(face);
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    // Unhinted outlines keep the text widths proportional across resolutions.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

int cellHeight(const QString& face, bool bold, bool italic, int pixelSize, QPaintDevice* device)
{
    return QFontMetrics(makeFont(face, bold, italic, pixelSize), device).height();
}
} // namespace

bool IsEmptyRect(const TRectL& r)
{
    return r.Left == 0 && r.Top == 0 && r.Right == 0 && r.Bottom == 0;
}

int PixelSizeForCellHeight(const QString& face, bool bold, bool italic, int height, QPainter& painter)
{
    if (height <= 1)
        return 1;
    QPaintDevice* device = painter.device();
    const int dpi = device ? device->logicalDpiY() : 0;
    // Text fitting asks for the same sizes over and over: remember what was found per device kind.
    static QHash<QString, int> cache;
    const QString key = face + QLatin1Char('|') + QString::number(int(bold)) + QString::number(int(italic))
        + QLatin1Char('|') + QString::number(height) + QLatin1Char('|') + QString::number(dpi)
        + QLatin1Char('|') + QString::number(device ? device->devType() : 0);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();

    int px = std::max(1, int(height / 1.2));
    while (px > 1 && cellHeight(face, bold, italic, px, device) > height)
        --px;
    while (cellHeight(face, bold, italic, px + 1, device) <= height)
        ++px;
    cache.insert(key, px);
    return px;
}

TCanvas::TCanvas(QPainter& painter)
    : m_painter(painter)
{
}

void TCanvas::SetFontName(const QString& name)
{
    if (name != m_fontName) {
        m_fontName = name;
        m_fontDirty = true;
    }
}

void TCanvas::SetFontHeight(int height)
{
    if (height != m_fontHeight) {
        m_fontHeight = height;
        m_fontDirty = true;
    }
}

void TCanvas::SetBold(bool on)
{
    if (on != m_bold) {
        m_bold = on;
        m_fontDirty = true;
    }
}

void TCanvas::SetItalic(bool on)
{
    if (on != m_italic) {
        m_italic = on;
        m_fontDirty = true;
    }
}

void TCanvas::SetPenWidth(int width)
{
    m_penWidth = std::max(0, width);
}

void TCanvas::SetPenStyle(Qt::PenStyle style)
{
    m_penStyle = style;
}

QFont TCanvas::RealFont()
{
    if (m_fontDirty) {
        const int px = PixelSizeForCellHeight(m_fontName, m_bold, m_italic, m_fontHeight, m_painter);
        m_font = makeFont(m_fontName, m_bold, m_italic, px);
        m_ascent = QFontMetrics(m_font, m_painter.device()).ascent();
        m_fontDirty = false;
    }
    return m_font;
}

int TCanvas::TextWidth(const QString& text)
{
    return QFontMetrics(RealFont(), m_painter.device()).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString& /*text*/)
{
    return QFontMetrics(RealFont(), m_painter.device()).height();
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    m_painter.setFont(RealFont());
    m_painter.setPen(QPen(Qt::black));
    m_painter.drawText(x, y + m_ascent, text);
}

void TCanvas::applyPen()
{
    QPen pen(Qt::black);
    pen.setWidth(m_penWidth); // 0: cosmetic, the thinnest line of the device
    pen.setStyle(m_penStyle);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
}

void TCanvas::Line(int x1, int y1, int x2, int y2)
{
    applyPen();
    m_painter.drawLine(x1, y1, x2, y2);
}

void TCanvas::StretchDraw(const TRectL& r, const QImage& picture)
{
    if (picture.isNull() || r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_painter.drawImage(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), picture);
    m_painter.restore();
}

void TCanvas::Barcode(const QString& digits, int barHeight, const TRectL& r)
{
    DrawBarcode(m_painter, digits, barHeight, QRectF(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top));
}

void FitText(TCanvas& canvas, const TRectL& r, const QString& text, int maxHeight, int hAlign, int vAlign)
{
    const int kept = canvas.FontHeight();
    int h = r.Bottom - r.Top;
    if (maxHeight > 0 && maxHeight < h)
        h = maxHeight;
    canvas.SetFontHeight(h);
    while (canvas.TextWidth(text) > r.Right - r.Left && canvas.FontHeight() > 0)
        canvas.SetFontHeight(canvas.FontHeight() - 1);

    const int width = canvas.TextWidth(text);
    const int height = canvas.TextHeight(text);
    int x = 0;
    switch (hAlign) {
    case 0: x = r.Left; break;
    case 1: x = CentreIn(width, r.Left, r.Right); break;
    case 2: x = r.Right - width; break;
    default: x = 0; break;
    }
    int y = 0;
    switch (vAlign) {
    case 0: y = r.Top; break;
    // The bounds passed the other way round round half a unit downwards.
    case 1: y = CentreIn(height, r.Bottom, r.Top); break;
    case 2: y = r.Bottom - height; break;
    default: y = 0; break;
    }
    if (canvas.FontHeight() > 0)
        canvas.TextOut(x, y, text);
    canvas.SetFontHeight(kept);
}

void FitLines(TCanvas& canvas, const TRectL& r, const QStringList& lines, int boldCount, int maxHeight)
{
    if (lines.isEmpty())
        return;
    const bool keptBold = canvas.Bold();
    const bool keptItalic = canvas.Italic();
    const int keptHeight = canvas.FontHeight();

    const int n = int(lines.size());
    int h = RoundEven((long double)(r.Bottom - r.Top) / (n + 0.1L * (n - 1)));
    h = std::min(h, maxHeight);
    canvas.SetFontHeight(h);
    for (int i = 0; i < n; ++i) {
        canvas.SetBold(i < boldCount);
        while (canvas.TextWidth(lines.at(i)) > r.Right - r.Left && canvas.FontHeight() >= 1)
            canvas.SetFontHeight(canvas.FontHeight() - 1);
    }

    h = canvas.FontHeight();
    const int gap = RoundEven(h * 0.1L);
    const int block = n * h + (n - 1) * gap;
    const int top = CentreIn(block, r.Top, r.Bottom);
    if (h > 0) {
        for (int i = 0; i < n; ++i) {
            canvas.SetBold(i < boldCount);
            canvas.TextOut(CentreIn(canvas.TextWidth(lines.at(i)), r.Left, r.Right), top + i * (h + gap), lines.at(i));
        }
    }
    canvas.SetBold(keptBold);
    canvas.SetItalic(keptItalic);
    canvas.SetFontHeight(keptHeight);
}
