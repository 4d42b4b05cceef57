// The form's size and the metric of the form drawing: every position and font height on a form
// is a fraction of the form's height in device units, scaled by the form size and rounded once.
#pragma once

// Form size in mm (process-wide): the settings write it, the sheet sizes forms with it, and
// every new TRecipe scales its layout constants from it.
extern int FormHeightMM; // the long side, 210 at start
extern int FormWidthMM;  // the short side, 99 at start

// FormHeightMM / 210 and FormWidthMM / 99, worked out at each construction of a TRecipe.
extern long double VerticalScale;
extern long double HorizontalScale;
void RecomputeLayoutScale();

// Rounds to the nearest integer, ties to the even one.
int RoundEven(long double x);

// A constant scaled with VerticalScale ("0.22v") or HorizontalScale ("0.326h"). The constant is
// held as a double; the expressions that use it are evaluated in extended precision.
inline long double V(double c)
{
    return (long double)double(c * VerticalScale);
}
inline long double Hz(double c)
{
    return (long double)double(c * HorizontalScale);
}

// low + (high - low - size) div 2, truncating toward zero.
int CentreIn(int size, int low, int high);

// Millimetres from device pixels (pixels / dpi * 25.4, rounded once, ties to even).
int PixelsToMM(int pixels, int dpi);
