// Form size, scale factors and the rounding shared by every drawing of a form.
#include "document/svLayout.h"

#include <cfenv>
#include <cmath>

int FormHeightMM = 210;
int FormWidthMM = 99;
long double VerticalScale = 1.0L;
long double HorizontalScale = 1.0L;

void RecomputeLayoutScale()
{
    VerticalScale = (long double)FormHeightMM / 210.0L;
    HorizontalScale = (long double)FormWidthMM / 99.0L;
}

int RoundEven(long double x)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return int(std::nearbyintl(x));
}

int CentreIn(int size, int low, int high)
{
    return low + (high - low - size) / 2;
}

int PixelsToMM(int pixels, int dpi)
{
    if (dpi <= 0)
        return 0;
    return RoundEven((long double)pixels / dpi * 25.4L);
}
