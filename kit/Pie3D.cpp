#include "kit/Pie3D.h"

#include <algorithm>

using namespace platform;

Point PieBoundary(double percent)
{
    const int t = static_cast<int>(percent * 1.3 + 30);
    if (t < 30)
        return {t, 30 - t};
    if (t < 60)
        return {60 - t, 30 - t};
    if (t < 90)
        return {60 - t, t - 90};
    if (t < 120)
        return {t - 120, t - 90};
    return {t - 120, 160 - t};
}

void DrawPie3D(Dc& dc, const Pie3D& pie, std::span<const Point> boundaries, std::span<const COLORREF> colours)
{
    const Rect& e = pie.ellipse;
    const Point centre{e.left + e.Width() / 2, e.top + e.Height() / 2};
    if (boundaries.size() < 2)
        return;
    const size_t slices = std::min(boundaries.size() - 1, colours.size());
    const Pen pen = dc.SelectPen({});
    const Brush brush = dc.SelectBrush({});
    const auto arc = [&](const Point& from, const Point& to, int up) {
        dc.Arc(e.left, e.top - up, e.right, e.bottom - up, centre.x + from.x, centre.y + from.y - up,
               centre.x + to.x, centre.y + to.y - up);
    };
    // The rim: arcs stacked one pixel apart, then the black lower edge.
    for (size_t s = 0; s < slices; ++s) {
        const Point& from = boundaries[s];
        const Point& to = boundaries[s + 1];
        dc.SelectPen({PenStyle::Solid, 1, colours[s]});
        for (int up = 1; up < pie.depth; ++up)
            arc(from, to, up);
        dc.SelectPen({PenStyle::Solid, 1, RGB(0, 0, 0)});
        arc(from, to, 0);
    }
    // The tops.
    const int up = pie.depth;
    dc.SelectPen({PenStyle::Solid, 1, RGB(0, 0, 0)});
    for (size_t s = 0; s < slices; ++s) {
        const Point& from = boundaries[s];
        const Point& to = boundaries[s + 1];
        dc.SelectBrush({false, colours[s]});
        dc.Pie(e.left, e.top - up, e.right, e.bottom - up, centre.x + from.x, centre.y + from.y - up,
               centre.x + to.x, centre.y + to.y - up);
    }
    dc.SelectPen(pen);
    dc.SelectBrush(brush);
}
