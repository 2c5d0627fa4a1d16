// Conversions between the platform's plain types and Qt's, for use inside
// the platform layer only.
#pragma once

#include "platform/Types.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>

namespace platform {

struct Font;

inline QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
inline COLORREF FromQColor(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}
inline QPoint ToQPoint(Point p)
{
    return {p.x, p.y};
}
inline Point FromQPoint(const QPoint& p)
{
    return {p.x(), p.y()};
}
inline QRect ToQRect(const Rect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}
inline Rect FromQRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// The Qt font that draws `font`: the substituted face at the pixel size
// whose ascent + descent matches the requested cell height.
const QFont& ToQFont(const Font& font);

} // namespace platform
