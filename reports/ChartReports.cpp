// The bodies of the chart reports: the chart page draws its chart onto the
// report page and hands over the lines that go with it.
#include "reports/ReportPrinter.h"

#include "reports/ReportLayout.h"

using namespace platform;
using namespace report;

namespace {

// The growth report's rate line, under its introduction.
constexpr int kGrowthCaptionY = 149;
// The goal report's introduction stands further right than the others'.
constexpr int kGoalsLeft = 50;

std::vector<std::string> ChartLines(const ReportData& data, Dc& dc)
{
    return data.chart ? data.chart(dc) : std::vector<std::string>{};
}

} // namespace

void ReportPrinter::DrawGrowthChart(Dc& dc)
{
    const std::vector<std::string> lines = ChartLines(data_, dc);
    dc.SelectFont(kBoldFont);
    dc.SetTextColor(RGB(0, 0, 0));
    if (!lines.empty())
        Text(dc, kLeft, kGrowthCaptionY, lines[0]);
}

void ReportPrinter::DrawGoalsChart(Dc& dc)
{
    std::vector<std::string> lines = ChartLines(data_, dc);
    lines.insert(lines.begin(), "Looking at the chart below, you can see how you can reach your goal of");
    dc.SelectFont(kIntroFont);
    dc.SetTextColor(RGB(0, 0, 0));
    for (size_t k = 0; k < lines.size() && k < 3; ++k)
        Text(dc, kGoalsLeft, kIntroY + kLineStep * static_cast<int>(k), lines[k]);
}
