#include "pages/planning/ChartPlot.h"

#include <algorithm>

using namespace platform;

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

const Font kScreenLabelFont{"Arial", 14, 800};
const Font kPrintLabelFont{"Arial", 12, 800};
const Font kLastValueFont{"Arial", 15, 800};

// The plot is 100 pixels high, from its bottom at y 274.
constexpr int kPlotBottom = 274;
constexpr int kPlotHeight = 100;
constexpr Rect kFrame{127, 174, 354, 276};

// The value axis: labels right-aligned on x 125, from "0" at the bottom to
// the scale at the top, and the grid between them.
constexpr int kValueLabelRight = 125;
constexpr int kValueLabelY[] = {267, 242, 217, 192, 167};
constexpr int kGridY[] = {250, 225, 200};
constexpr int kGridRight = 353;

// The time axis: a tick over each label.
constexpr int kTickTop = 280;
constexpr int kTickBottom = 284;
constexpr int kTickX[] = {127, 232, 352};
constexpr int kTimeLabelY = 285;
constexpr int kTimeLabelX[] = {109, 218, 335};

// The last value stands right of the curve's end, level with it.
constexpr int kLastValueX = 360;
constexpr int kLastValueAbove = 6; // its top stands this far above the curve's end

void Line(Dc& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

} // namespace

int PlotY(int value, int scale)
{
    return kPlotBottom - static_cast<int>(static_cast<double>(value) / scale * kPlotHeight);
}

void DrawPlot(Dc& dc, const Plot& plot, bool print)
{
    const COLORREF ink = print ? kBlack : kYellow;
    const COLORREF lines = print ? kBlack : kWhite;
    dc.SetBkMode(TRANSPARENT);
    if (print) {
        dc.SelectPen(Pen{PenStyle::Solid, 1, kBlack});
        dc.SelectBrush(Brush{true});
        dc.Rectangle(kFrame.left, kFrame.top, kFrame.right, kFrame.bottom);
    }

    dc.SelectFont(print ? kPrintLabelFont : kScreenLabelFont);
    dc.SetTextColor(ink);
    const std::vector<std::string> values = ValueAxisLabels(plot.scale);
    const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
    for (size_t k = 0; k < values.size(); ++k)
        dc.TextOut(kValueLabelRight, kValueLabelY[k], values[k]);
    dc.SetTextAlign(align);
    dc.SelectPen(Pen{PenStyle::Solid, 1, lines});
    for (const int y : kGridY)
        Line(dc, kPlotLeft, y, kGridRight, y);

    for (const int x : kTickX)
        Line(dc, x, kTickTop, x, kTickBottom);
    const std::string timeLabels[] = {"Today", plot.middle, plot.end};
    for (int k = 0; k < 3; ++k)
        dc.TextOut(kTimeLabelX[k], kTimeLabelY, timeLabels[k]);

    // A curve that reaches the top of the axis still stands inside the
    // plot: a flat $100 at no inflation is drawn along its top.
    dc.SelectPen(Pen{PenStyle::Solid, print ? 1 : 2, ink});
    for (size_t k = 1; k < plot.curve.size(); ++k) {
        const CurvePoint& from = plot.curve[k - 1];
        const CurvePoint& to = plot.curve[k];
        if (to.value > plot.scale)
            continue;
        Line(dc, static_cast<int>(from.x), PlotY(from.value, plot.scale), static_cast<int>(to.x),
             PlotY(to.value, plot.scale));
    }

    dc.SelectFont(kLastValueFont);
    dc.SetTextColor(ink);
    const int top = PlotY(std::min(plot.last, plot.scale), plot.scale) - kLastValueAbove;
    dc.TextOut(kLastValueX, top, DollarLabel(plot.last));
}
