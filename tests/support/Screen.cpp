#include "tests/support/Screen.h"

#include "platform/Window.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdlib>

using platform::COLORREF;

QImage Grab(platform::Window& window)
{
    QCoreApplication::processEvents();
    return window.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

COLORREF PixelOf(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return platform::RGB(qRed(c), qGreen(c), qBlue(c));
}

namespace {

bool RowHasInk(const QImage& image, const QRect& area, int y, COLORREF background)
{
    for (int x = area.left(); x <= area.right(); ++x) {
        if (PixelOf(image, x, y) != background)
            return true;
    }
    return false;
}

} // namespace

int FirstInkRow(const QImage& image, const QRect& area, COLORREF background)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (RowHasInk(image, area, y, background))
            return y;
    }
    return -1;
}

int LastInkRow(const QImage& image, const QRect& area, COLORREF background)
{
    for (int y = area.bottom(); y >= area.top(); --y) {
        if (RowHasInk(image, area, y, background))
            return y;
    }
    return -1;
}

int LastInkColumn(const QImage& image, const QRect& area, COLORREF background)
{
    for (int x = area.right(); x >= area.left(); --x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (PixelOf(image, x, y) != background)
                return x;
        }
    }
    return -1;
}

bool ContainsColour(const QImage& image, const QRect& area, COLORREF colour, int tolerance)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const COLORREF c = PixelOf(image, x, y);
            if (std::abs(platform::GetRValue(c) - platform::GetRValue(colour)) <= tolerance &&
                std::abs(platform::GetGValue(c) - platform::GetGValue(colour)) <= tolerance &&
                std::abs(platform::GetBValue(c) - platform::GetBValue(colour)) <= tolerance)
                return true;
        }
    }
    return false;
}
