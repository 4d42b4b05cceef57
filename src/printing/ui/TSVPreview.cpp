#include "printing/ui/TSVPreview.h"

#include <QPainter>

TSVPreview::TSVPreview(QWidget* parent)
    : QWidget(parent)
    , m_sheet(nullptr, 10, std::make_unique<TSVNumGen>())
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TSVPreview::EndUpdate()
{
    m_painting = true;
    update();
}

void TSVPreview::SetPlacement(int left, int top, int height, int width)
{
    setGeometry(left, top, width, height);
    m_sheet.CanvasWidth = width;
    m_sheet.CanvasHeight = height;
    // The clip works in the control's own coordinates, so no shift is needed here.
    m_sheet.OriginX = 0;
    m_sheet.OriginY = 0;
    // The page and its printable area are scaled to the canvas, so a new size places them anew.
    m_sheet.SetPaperRect(m_sheet.PaperMM);
}

void TSVPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_sheet.CanvasWidth != width() || m_sheet.CanvasHeight != height()) {
        m_sheet.CanvasWidth = width();
        m_sheet.CanvasHeight = height();
        m_sheet.SetPaperRect(m_sheet.PaperMM);
    }
}

void TSVPreview::SetDrRamki(bool on)
{
    m_sheet.DrRamki = on;
    update();
}

void TSVPreview::SetDrNumer(bool on)
{
    m_sheet.DrNumer = on;
    update();
}

void TSVPreview::SetDrSwiadcz(bool on)
{
    m_sheet.DrSwiadcz = on;
    update();
}

void TSVPreview::SetDrSymbKCh(bool on)
{
    m_sheet.DrSymbKCh = on;
    update();
}

void TSVPreview::paintEvent(QPaintEvent*)
{
    if (!m_painting)
        return;
    QPainter painter(this);
    m_sheet.Canvas = &painter;
    m_sheet.Draw();
    m_sheet.Canvas = nullptr;
}
