#include "printing/svPageGrid.h"

int PageCapacity(int pageWidth, int pageHeight, int formWidth, int formHeight)
{
    if (formWidth <= 0 || formHeight <= 0 || pageWidth < 0 || pageHeight < 0)
        return 0;
    return (pageWidth / formWidth) * (pageHeight / formHeight);
}

QList<QPoint> PageGrid(int hAlign, int vAlign, int pageWidth, int pageHeight, int formWidth, int formHeight,
                       int count, bool eqSpaceH, bool eqSpaceV)
{
    QList<QPoint> corners;
    const int capacity = PageCapacity(pageWidth, pageHeight, formWidth, formHeight);
    if (capacity <= 0 || capacity < count || count < 0)
        return corners;
    if (count == 0)
        count = capacity;
    const int columns = pageWidth / formWidth;
    const int m = std::min(columns, count);
    const int r = (count - 1) / columns + 1;
    int gapH = 0;
    if (eqSpaceH)
        gapH = (pageWidth - m * formWidth) / (hAlign == alCenter ? m + 1 : m);
    int gapV = 0;
    if (eqSpaceV)
        gapV = (pageHeight - r * formHeight) / (vAlign == alMiddle ? r + 1 : r);
    const int stepX = formWidth + gapH;
    const int stepY = formHeight + gapV;
    const int lastRowStart = count - count % columns;
    corners.reserve(count);
    for (int j = 0; j < count; ++j) {
        const int row = j / columns;
        const int c = j % columns;
        const int v = (count % columns != 0 && j >= lastRowStart) ? count % columns : columns;
        int x = 0;
        switch (hAlign) {
        case alLeft: x = c * stepX; break;
        case alCenter: x = c * stepX + (pageWidth / 2 - (v * formWidth + (v - 1) * gapH) / 2); break;
        default: x = pageWidth - c * stepX - formWidth; break;
        }
        int y = 0;
        switch (vAlign) {
        case alTop: y = row * stepY; break;
        case alMiddle: y = row * stepY + (pageHeight / 2 - (r * formHeight + (r - 1) * gapV) / 2); break;
        default: y = pageHeight - (r - row - 1) * stepY - formHeight; break;
        }
        corners.append(QPoint(x, y));
    }
    return corners;
}
