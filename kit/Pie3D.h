// A pie chart standing on a rim, as the budget's average spending and the
// cost of a loan show it: slices given by boundaries on the way round from
// the right, counter-clockwise, each boundary a direction from the centre.
// The rim is the ellipse's lower part, drawn in each slice's colour and
// closed by a black edge; the slices' tops lie on the ellipse raised by the
// rim's depth, each outlined in black.
#pragma once

#include "platform/Dc.h"

#include <span>

struct Pie3D {
    platform::Rect ellipse; // the rim's lower edge
    int depth;              // the rim's height in pixels
};

// The direction from the centre of the boundary that lies `percent` of the
// way round. 0 points right, 100 right again after a full turn; the first
// three quarters take 30 units of the way each and the last one 40, as
// the charts' slices were always laid out.
platform::Point PieBoundary(double percent);
// The direction that starts and ends every chart: right, a hair above the
// axis, so that a full slice never has two equal radials.
inline constexpr platform::Point kPieStart{30, -1};

// Draws the slices between consecutive `boundaries` (one more than there
// are slices) in `colours`.
void DrawPie3D(platform::Dc& dc, const Pie3D& pie, std::span<const platform::Point> boundaries,
               std::span<const platform::COLORREF> colours);
