#pragma once
// Dialog units, converted to pixels as the Windows dialog manager does: a
// horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its character height.
#include <QRect>

class QFont;
class QPaintDevice;

namespace corvane::platform {

struct DialogBaseUnits {
    int x = 1; // average character width in pixels
    int y = 1; // character height in pixels
};

// The average width is that of the 52 letters A-Z and a-z, halved and rounded
// the way Windows does: (width / 26 + 1) / 2.
DialogBaseUnits dialogBaseUnits(const QFont& font, QPaintDevice* device);

// Windows' MulDiv: a * b / c rounded to the nearest integer, halves away from zero.
int mulDiv(int a, int b, int c);

QRect dialogUnitsToPixels(const QRect& units, DialogBaseUnits base);

} // namespace corvane::platform
