// Reading back what windows drew.
#pragma once

#include "platform/Types.h"

#include <QImage>

namespace platform {
class Window;
}

// The window as it shows now, children included, after pending paints.
QImage Grab(platform::Window& window);
// The colour of one pixel of an image.
platform::COLORREF PixelOf(const QImage& image, int x, int y);
// The first and last rows (inclusive) of a rectangle that hold a pixel of
// a colour other than `background`; -1 when none.
int FirstInkRow(const QImage& image, const QRect& area, platform::COLORREF background);
int LastInkRow(const QImage& image, const QRect& area, platform::COLORREF background);
// The last column (inclusive) of a rectangle that holds such a pixel; -1
// when none.
int LastInkColumn(const QImage& image, const QRect& area, platform::COLORREF background);
// Whether any pixel of the rectangle has the colour.
bool ContainsColour(const QImage& image, const QRect& area, platform::COLORREF colour, int tolerance = 0);
