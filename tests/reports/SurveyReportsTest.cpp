// The reports of the surveys: a result's lines at their rows, its bullets
// for the "*" paragraphs (and the risk result's arrows for its ">" tips),
// and a spending type's topics with their texts.
#include "pages/planning/RiskLevels.h"
#include "pages/surveys/SurveyResults.h"
#include "reports/ReportPrinter.h"
#include "tests/support/PrintedReport.h"
#include "tests/support/Screen.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class SurveyReports : public PrintedReportTest {
protected:
    void TearDown() override
    {
        PrintedReportTest::TearDown();
        EXPECT_TRUE(boxes.boxes.empty());
    }
};

} // namespace

TEST_F(SurveyReports, RealityResultPrintsItsLinesWithBulletsInsteadOfStars)
{
    ReportData data;
    data.request = 1149;
    data.values = ReportLines(RealityResult(45));
    ReportPrinter report(data);
    EXPECT_EQ(report.Title(), "Financial Reality Survey Results");
    const Size printable{2400, 3150};
    const QImage page = DrawReport(report, printable);
    EXPECT_TRUE(PrintedAt(report, 40, 100, "Financial Reality Survey Results"));
    EXPECT_TRUE(PrintedAt(report, 40, 142, "Your answers indicate that:"));
    EXPECT_TRUE(PrintedAt(report, 40, 154, "You are getting on financial track."));
    // No quotation: its row stays empty, the details follow 12 apart.
    EXPECT_TRUE(PrintedAt(report, 40, 194, "Your money attitudes and practices are somewhat unrealistic"));
    EXPECT_TRUE(PrintedAt(report, 40, 206, "and will continue to disappoint you unless you make changes."));
    EXPECT_TRUE(PrintedAt(report, 40, 230, "You have probably experienced some difficulty in achieving the"));
    for (const auto& line : report.Printed())
        EXPECT_NE(line.text.front(), '*') << line.text;
    // A bullet stands before the first detail line, none before the second.
    const double sx = printable.cx / 630.0;
    const double sy = printable.cy / 791.0;
    const auto inkBefore = [&](int y) {
        return FirstInkRow(page,
                           QRect(static_cast<int>(30 * sx), static_cast<int>(y * sy),
                                 static_cast<int>(8 * sx), static_cast<int>(10 * sy)),
                           RGB(255, 255, 255)) >= 0;
    };
    EXPECT_TRUE(inkBefore(194));
    EXPECT_FALSE(inkBefore(206));
}

TEST_F(SurveyReports, BorrowingResultPrintsItsQuotationApart)
{
    ReportData data;
    data.request = 1132;
    data.values = ReportLines(BorrowingResult(35));
    ReportPrinter report(data);
    EXPECT_EQ(report.Title(), "Your Borrowing Habits");
    DrawReport(report, {850, 1100});
    EXPECT_TRUE(PrintedAt(report, 40, 154, "You may need to work on your borrowing habits."));
    EXPECT_TRUE(PrintedAt(report, 40, 178, "\"Remember, habits can be changed.\""));
    EXPECT_TRUE(
        PrintedAt(report, 40, 194, "Be selective with your credit use. Credit use is one of the quickest"));
    // The longest result (the middle level) ends well above the notice.
    data.values = ReportLines(BorrowingResult(25));
    ReportPrinter middle(data);
    DrawReport(middle, {850, 1100});
    EXPECT_EQ(middle.Printed().back().text, "and always make your payments on time. ");
    EXPECT_LT(middle.Printed().back().y, 400);
}

TEST_F(SurveyReports, SpendingReportPrintsTheTypesTopicsWithTheirTexts)
{
    ReportData data;
    data.request = 1148;
    data.key = "green";
    data.headings = {"About the Security Seeker", "What money means to you"};
    ReportPrinter report(data);
    EXPECT_EQ(report.Title(), "Spending Survey Results");
    DrawReport(report, {2400, 3150});
    EXPECT_TRUE(PrintedAt(report, 40, 120, "Your answers on this exercise indicate ..."));
    EXPECT_TRUE(PrintedAt(report, 40, 152, "About the Security Seeker"));
    // The first entry of "green1.txt": its lines joined.
    EXPECT_TRUE(PrintedAt(report, 40, 164,
                          "Security Seekers feel best when there is money put away for a rainy day."));
    bool second = false;
    for (const auto& line : report.Printed())
        second = second || line.text == "What money means to you";
    EXPECT_TRUE(second);
}

TEST_F(SurveyReports, RiskResultPrintsItsTipsWithBulletsAndArrows)
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
    // Looked for a little below the line's top, where a marker stands and
    // the one of the line before has ended.
    const auto inkBefore = [&](int y) {
        return FirstInkRow(page,
                           QRect(static_cast<int>(30 * sx), static_cast<int>((y + 3) * sy),
                                 static_cast<int>(8 * sx), static_cast<int>(7 * sy)),
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
