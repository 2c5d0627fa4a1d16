// The plot of a planning chart, as the chart page draws it on screen and on
// a printed report: the value axis up to its scale with the grid, the time
// axis from today, the curve and its last value. On screen it is yellow and
// white over the chart's dark picture; in print black on white, with a thin
// pen, smaller labels and a frame around the plot.
#pragma once

#include "pages/planning/ChartFigures.h"
#include "platform/Dc.h"

#include <string>
#include <vector>

struct Plot {
    std::vector<CurvePoint> curve;
    int scale = kDwindleScale; // the top of the value axis
    int last = 0;              // the value written at the end of the curve
    std::string middle;        // the time axis's labels after "Today"
    std::string end;
};

void DrawPlot(platform::Dc& dc, const Plot& plot, bool print);

// The height of the curve for `value` on a value axis up to `scale`.
int PlotY(int value, int scale);
