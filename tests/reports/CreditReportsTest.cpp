// The credit exercises' reports from known values: the loan's figures in
// their two columns under the rule, and the debt load's result lines above
// the three amounts it comes from.
#include "reports/ReportPrinter.h"
#include "tests/support/PrintedReport.h"

#include <gtest/gtest.h>

namespace {

using CreditReports = PrintedReportTest;

} // namespace

TEST_F(CreditReports, CostOfCreditSetsTheLoanInTwoColumnsWithTheTotalUnderTheRule)
{
    ReportData data;
    data.request = 1134;
    data.values = {"$1,000", "5", "36", "$29", "$1,000", "$78", "$1,078"};
    ReportPrinter report(data);
    EXPECT_EQ(report.Title(), "The Cost of Credit");
    DrawReport(report, {2400, 3150});
    EXPECT_TRUE(PrintedAt(report, 40, 100, "The Cost of Credit"));
    EXPECT_TRUE(PrintedAt(report, 40, 120,
                          "This report demonstrates the true cost of buying the item you are interested "
                          "in purchasing"));
    EXPECT_TRUE(PrintedAt(report, 40, 144, "than the cost of purchasing with cash."));
    EXPECT_TRUE(PrintedAt(report, 100, 180, "Amount borrowed (Principal):"));
    EXPECT_TRUE(PrintedAt(report, 320, 180, "$1,000"));
    EXPECT_TRUE(PrintedAt(report, 100, 192, "Annual interest rate: "));
    EXPECT_TRUE(PrintedAt(report, 320, 192, "5"));
    EXPECT_TRUE(PrintedAt(report, 320, 204, "36"));
    EXPECT_TRUE(PrintedAt(report, 100, 228, "Monthly payment:"));
    EXPECT_TRUE(PrintedAt(report, 320, 228, "$29"));
    EXPECT_TRUE(PrintedAt(report, 100, 240, "Total principal paid:"));
    EXPECT_TRUE(PrintedAt(report, 320, 240, "$1,000"));
    EXPECT_TRUE(PrintedAt(report, 100, 252, "Total interest paid:"));
    EXPECT_TRUE(PrintedAt(report, 320, 252, "$78"));
    EXPECT_TRUE(PrintedAt(report, 100, 265, std::string(59, '_')));
    EXPECT_TRUE(PrintedAt(report, 100, 288, "Total cost of item:"));
    EXPECT_TRUE(PrintedAt(report, 320, 288, "$1,078"));
    // The blank rows hold nothing but the rule.
    for (const ReportPrinter::PrintedLine& line : report.Printed())
        EXPECT_TRUE(line.y != 216 && line.y != 264 && line.y != 276) << line.text;
}

TEST_F(CreditReports, DebtLoadPrintsItsResultAboveTheThreeAmounts)
{
    ReportData data;
    data.request = 1136;
    data.values = {"Your income and housing indicate a comfort debt load for you is $300",
                   "or less monthly. Currently, you are spending  $250 monthly. Your",
                   "debt load will change as your payments to creditors decrease.",
                   "$2,000",
                   "$500",
                   "$250"};
    ReportPrinter report(data);
    EXPECT_EQ(report.Title(), "How Much Debt Is Too Much Debt?");
    DrawReport(report, {2400, 3150});
    EXPECT_TRUE(PrintedAt(report, 40, 100, "How Much Debt Is Too Much Debt?"));
    EXPECT_TRUE(PrintedAt(report, 40, 120, data.values[0]));
    EXPECT_TRUE(PrintedAt(report, 40, 132, data.values[1]));
    EXPECT_TRUE(PrintedAt(report, 40, 144, data.values[2]));
    EXPECT_TRUE(PrintedAt(report, 100, 210, "Monthly household net income:"));
    EXPECT_TRUE(PrintedAt(report, 370, 210, "$2,000"));
    EXPECT_TRUE(PrintedAt(report, 100, 222, "Monthly rent or mortgage cost:"));
    EXPECT_TRUE(PrintedAt(report, 370, 222, "$500"));
    EXPECT_TRUE(PrintedAt(report, 100, 234, "Total monthly payment to all creditors:"));
    EXPECT_TRUE(PrintedAt(report, 370, 234, "$250"));
    // No introduction: nothing else under the title before the amounts.
    EXPECT_EQ(report.Printed().size(), 1u + 3u + 6u);
}
