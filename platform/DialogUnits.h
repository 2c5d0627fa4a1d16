// Dialog units: window templates give the places of their controls in units
// of the template's font, a quarter of its average character width across and
// an eighth of its height down. For the 8-point dialog font the program's
// templates use, a character is 6 pixels wide and 13 high, so x dialog units
// are x * 6 / 4 pixels across and y units y * 13 / 8 pixels down.
#pragma once

#include "platform/Types.h"

namespace platform {

// The 8-point dialog font's character cell in pixels.
inline constexpr int kDialogBaseX = 6;
inline constexpr int kDialogBaseY = 13;

// Pixels across for x dialog units.
constexpr int DialogX(int x)
{
    return x * kDialogBaseX / 4;
}

// Pixels down for y dialog units.
constexpr int DialogY(int y)
{
    return y * kDialogBaseY / 8;
}

// A point of a template in pixels.
constexpr Point DialogPoint(int x, int y)
{
    return {DialogX(x), DialogY(y)};
}

// A size of a template in pixels.
constexpr Size DialogSize(int width, int height)
{
    return {DialogX(width), DialogY(height)};
}

// A control's rectangle from its template place and size. Place and size
// are converted each on its own, as a dialog creates its controls, so the
// right edge is the left edge plus the converted width.
constexpr Rect DialogRect(int x, int y, int width, int height)
{
    const Point place = DialogPoint(x, y);
    const Size size = DialogSize(width, height);
    return {place.x, place.y, place.x + size.cx, place.y + size.cy};
}

} // namespace platform
