// Where forms stand on a page: the corners of a grid of equal forms, by alignment and spacing.
#pragma once

#include <QList>
#include <QPoint>

enum TAlignmentH : int { alLeft = 0, alCenter = 1, alRight = 2 };
enum TAlignmentV : int { alTop = 0, alMiddle = 1, alBottom = 2 };

// The top-left corners of count forms in drawing order; empty when the count does not fit.
// A count of 0 means as many as fit. All values in one unit; divisions truncate.
QList<QPoint> PageGrid(int hAlign, int vAlign, int pageWidth, int pageHeight, int formWidth, int formHeight,
                       int count, bool eqSpaceH, bool eqSpaceV);

// How many forms of that size fit on the page (columns x rows).
int PageCapacity(int pageWidth, int pageHeight, int formWidth, int formHeight);
