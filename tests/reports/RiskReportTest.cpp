// The risk tolerance report: the result's lines at their rows, a bullet
// before each paragraph and an arrow before each tip, the markers not
// printed.
#include "pages/planning/RiskLevels.h"
#include "reports/ReportPrinter.h"
#include "tests/support/PrintedReport.h"
#include "tests/support/Screen.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class RiskReport : public PrintedReportTest {
protected:
    void TearDown() override
    {
        PrintedReportTest::TearDown();
        EXPECT_TRUE(boxes.boxes.empty());
    }
};

} // namespace

TEST_F(RiskReport, PrintsTheLevelAndTipsWithTheirBulletsAndArrows)
{
    ReportData data;
    data.request = 1150;
    data.values = RiskReportLines(RiskLevelFor(24));
    ReportPrinter report(data);
    EXPECT_EQ(report.Title(), "Risk Tolerance Survey Results");
    const Size printable{2400, 3150};
    const QImage page = DrawReport(report, printable);
    EXPECT_TRUE(PrintedAt(report, 40, 100, "Risk Tolerance Survey Results"));
    EXPECT_TRUE(PrintedAt(report, 40, 142, "Your answers suggest that you:"));
    EXPECT_TRUE(
        PrintedAt(report, 40, 154, "May be prepared to consider investment alternatives with more risk."));
    // Tip k (from 0) stands at 194 + 12 k, the gaps keeping their rows.
    EXPECT_TRUE(PrintedAt(report, 40, 194, "Spend time learning more about the investment products "));
    EXPECT_TRUE(PrintedAt(report, 40, 194 + 12 * 8, "Seek investments with growing power--growth stocks "));
    EXPECT_TRUE(PrintedAt(report, 40, 194 + 12 * 15, "Diversify; don't put all your money in one place."));
    for (const auto& line : report.Printed()) {
        EXPECT_NE(line.text.front(), '*') << line.text;
        EXPECT_NE(line.text.front(), '>') << line.text;
    }
    // A marker stands before a paragraph and before a tip, none before the
    // line that goes on with a tip.
    const double sx = printable.cx / 630.0;
    const double sy = printable.cy / 791.0;
    const auto inkBefore = [&](int y) {
        return FirstInkRow(page,
                           QRect(static_cast<int>(30 * sx), static_cast<int>(y * sy),
                                 static_cast<int>(9 * sx), static_cast<int>(10 * sy)),
                           RGB(255, 255, 255)) >= 0;
    };
    EXPECT_TRUE(inkBefore(194));
    EXPECT_TRUE(inkBefore(194 + 12 * 8));
    EXPECT_FALSE(inkBefore(194 + 12 * 9));
    // The low level's report ends well above the notice.
    data.values = RiskReportLines(RiskLevelFor(5));
    ReportPrinter low(data);
    DrawReport(low, {850, 1100});
    EXPECT_EQ(low.Printed().back().text, "Purchase savings bonds. Twenty-five dollars can buy a $50 bond.");
    EXPECT_LT(low.Printed().back().y, 400);
}
