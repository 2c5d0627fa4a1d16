// Dialog units: window templates give the places of their controls in units
// of the template's font, a quarter of its average character width across and
// an eighth of its height down. For the 8-point dialog font most of the
// program's templates use, a character is 6 pixels wide and 13 high, so x
// dialog units are x * 6 / 4 pixels across and y units y * 13 / 8 pixels
// down, rounded to the nearer pixel (a half upwards), as Windows' MulDiv
// does. A template in 8-point Arial has characters a pixel higher.
#pragma once

#include "platform/Types.h"

namespace platform {

// A template font's character cell in pixels.
struct DialogFont {
    int baseX;
    int baseY;
};
inline constexpr DialogFont kDialogFont{6, 13};      // the 8-point dialog font
inline constexpr DialogFont kArialDialogFont{6, 14}; // 8-point "Arial"

// Pixels across for x dialog units.
constexpr int DialogX(int x, DialogFont font = kDialogFont)
{
    return (x * font.baseX + 2) / 4;
}

// Pixels down for y dialog units.
constexpr int DialogY(int y, DialogFont font = kDialogFont)
{
    return (y * font.baseY + 4) / 8;
}

// A point of a template in pixels.
constexpr Point DialogPoint(int x, int y, DialogFont font = kDialogFont)
{
    return {DialogX(x, font), DialogY(y, font)};
}

// A size of a template in pixels.
constexpr Size DialogSize(int width, int height, DialogFont font = kDialogFont)
{
    return {DialogX(width, font), DialogY(height, font)};
}

// A control's rectangle from its template place and size. Place and size
// are converted each on its own, as a dialog creates its controls, so the
// right edge is the left edge plus the converted width.
constexpr Rect DialogRect(int x, int y, int width, int height, DialogFont font = kDialogFont)
{
    const Point place = DialogPoint(x, y, font);
    const Size size = DialogSize(width, height, font);
    return {place.x, place.y, place.x + size.cx, place.y + size.cy};
}

} // namespace platform
