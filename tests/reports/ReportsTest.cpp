// The printed reports: where report units land on pages of different
// sizes, what each report prints from known values, the lesson reports'
// entries, and where a page goes when there is no printer or it fails.
#include "platform/Printer.h"
#include "reports/ReportPage.h"
#include "reports/ReportPrinter.h"
#include "tests/support/FakeApp.h"
#include "tests/support/PrintedReport.h"
#include "tests/support/Recorders.h"
#include "tests/support/Screen.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

using Reports = PrintedReportTest;

} // namespace

TEST_F(Reports, ReportUnitsSpanThePrintableAreaOfAnyPage)
{
    // A US letter page at 600 dpi and an A4 page at 300 dpi.
    for (const Size printable : {Size{4800, 6300}, Size{2338, 3307}}) {
        SCOPED_TRACE(printable.cx);
        QImage page(printable.cx, printable.cy, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            Dc dc(&page, true);
            MapReportPage(dc, printable);
            dc.FillSolidRect({310, 390, 320, 400}, RGB(0, 0, 0));   // around the middle of 630 x 791
            dc.FillSolidRect({620, 780, 630, 791}, RGB(255, 0, 0)); // the far corner
        }
        const double sx = printable.cx / 630.0;
        const double sy = printable.cy / 791.0;
        EXPECT_EQ(PixelOf(page, static_cast<int>(315 * sx), static_cast<int>(395 * sy)), RGB(0, 0, 0));
        EXPECT_EQ(PixelOf(page, static_cast<int>(300 * sx), static_cast<int>(395 * sy)), kWhite);
        EXPECT_TRUE(ContainsColour(page, QRect(printable.cx - 3 * sx, printable.cy - 3 * sy, 3 * sx, 3 * sy),
                                   RGB(255, 0, 0)));
        // Nothing past the page's edge is lost: the corner reaches it.
        EXPECT_EQ(PixelOf(page, printable.cx - 1, printable.cy - 1), RGB(255, 0, 0));
    }
}

TEST_F(Reports, NetWorthPrintsEachLineAndTheTotalsInTheirColumns)
{
    ReportData data;
    data.request = 1096;
    data.values = {"$1,500", "$", "$", "$", "$", "$", "$", "$",      "$1,500",
                   "$2,750", "$", "$", "$", "$", "$", "$", "$2,750", "$-1,250"};
    ReportPrinter report(data);
    EXPECT_EQ(report.Title(), "Your Net Worth");
    const QImage page = DrawReport(report, {2400, 3150});
    EXPECT_TRUE(PrintedAt(report, 40, 100, "Your Net Worth"));
    EXPECT_TRUE(PrintedAt(report, 100, 150, "Assets: "));
    EXPECT_TRUE(PrintedAt(report, 100, 162, "Cash: "));
    EXPECT_TRUE(PrintedAt(report, 320, 162, "$1,500"));
    EXPECT_TRUE(PrintedAt(report, 100, 270, "Total Assets:"));
    EXPECT_TRUE(PrintedAt(report, 320, 270, "$1,500"));
    EXPECT_TRUE(PrintedAt(report, 100, 306, "Liabilities"));
    EXPECT_TRUE(PrintedAt(report, 320, 318, "$2,750"));
    EXPECT_TRUE(PrintedAt(report, 100, 462, "Net Worth:"));
    EXPECT_TRUE(PrintedAt(report, 320, 462, "$-1,250"));
    // The letterhead's logo and names stand above the title.
    EXPECT_NE(FirstInkRow(page, QRect(0, 0, 2400, 3150 * 95 / 791), kWhite), -1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Reports, ChecklistMarksTheTickedItems)
{
    ReportData data;
    data.request = 1108;
    data.ticks[1] = true;
    data.ticks[6] = true;
    ReportPrinter report(data);
    DrawReport(report, {2400, 3150});
    EXPECT_TRUE(PrintedAt(report, 40, 200, "("));
    EXPECT_TRUE(PrintedAt(report, 40, 215, "(x"));
    EXPECT_TRUE(PrintedAt(report, 50, 215, ") Value of your home"));
    EXPECT_TRUE(PrintedAt(report, 270, 215, "(x"));
    EXPECT_TRUE(PrintedAt(report, 280, 215, ") Mortgage balance"));
    EXPECT_TRUE(PrintedAt(report, 270, 260, "("));
}

TEST_F(Reports, LessonEntriesJoinTheirLinesAndMissingTextsAreNamed)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("data");
    {
        QFile text(dir.path() + "/data/emer1.txt");
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("  Losing a job  \r\nmeans losing the pay.\r\n\r\n\r\nKeep three months\r\nof "
                   "expenses.\r\n\r\n\r\n");
    }
    FakeApp own(dir.path().toStdString() + "/");
    ReportData data;
    data.request = 1138;
    data.key = "emer";
    data.headings = {"Loss of a job", "Illness"};
    ReportPrinter report(data);
    EXPECT_EQ(report.Title(), "List Of Typical Emergencies");
    DrawReport(report, {2400, 3150});
    EXPECT_TRUE(PrintedAt(report, 40, 152, "Loss of a job"));
    EXPECT_TRUE(PrintedAt(report, 40, 164, "Losing a job means losing the pay."));
    EXPECT_TRUE(PrintedAt(report, 40, 174, "Keep three months of expenses."));
    // The second topic's text is missing: the user hears of it, and its
    // heading stands without entries.
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text.rfind("Unable to open ", 0), 0u);
    EXPECT_NE(boxes.boxes[0].text.find("emer2.txt"), std::string::npos);
}

TEST_F(Reports, InvestmentsPrintInTwoPartsAndLongListsStopAtTheNotice)
{
    ReportData data;
    data.request = 1138;
    data.key = "invest";
    for (int i = 1; i <= 20; ++i)
        data.headings.push_back(i == 1 ? "High risk" : "Option " + std::to_string(i));
    ReportPrinter first(data);
    DrawReport(first, {2400, 3150});
    EXPECT_EQ(first.Title(), "Investment Options");
    EXPECT_TRUE(PrintedAt(first, 40, 152, "High risk"));
    const auto printedHeading = [](const ReportPrinter& r, const std::string& h) {
        for (const auto& line : r.Printed())
            if (line.text == h)
                return true;
        return false;
    };
    EXPECT_TRUE(printedHeading(first, "Option 10"));
    EXPECT_FALSE(printedHeading(first, "Option 11"));
    data.secondPart = true;
    ReportPrinter second(data);
    DrawReport(second, {2400, 3150});
    EXPECT_EQ(second.Title(), "Investment Options - continued");
    EXPECT_TRUE(printedHeading(second, "Option 10"));
    EXPECT_TRUE(printedHeading(second, "Option 20"));
    EXPECT_FALSE(printedHeading(second, "Option 9"));
    for (const auto& line : second.Printed())
        EXPECT_LT(line.y, 760) << line.text;
}

TEST_F(Reports, WithoutAPrinterThePageBecomesAPdfThatNeverReplacesAnother)
{
    QTemporaryDir folder;
    const PrintSettings before = SetPrintSettings({"none", folder.path().toStdString() + "/Fiscova Reports"});
    int drawn = 0;
    const auto draw = [&](Dc& dc, Size printable) {
        ++drawn;
        EXPECT_GT(printable.cx, 1000);
        MapReportPage(dc, printable);
        dc.TextOut(40, 100, "Your Net Worth");
    };
    const PrintResult one = PrintPage("Your Net Worth", draw);
    const PrintResult two = PrintPage("Your Net Worth", draw);
    EXPECT_FALSE(one.printed);
    EXPECT_EQ(one.problem, "no printer is set up");
    ASSERT_FALSE(one.pdfPath.empty());
    ASSERT_FALSE(two.pdfPath.empty());
    EXPECT_NE(one.pdfPath, two.pdfPath);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(one.pdfPath)));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(two.pdfPath)));
    EXPECT_EQ(QString::fromStdString(one.pdfPath).section('/', -1).left(15), "Your Net Worth ");
    EXPECT_TRUE(QString::fromStdString(one.pdfPath).endsWith(".pdf"));
    QFile pdf(QString::fromStdString(one.pdfPath));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    // A printer that is not there gets the same PDF, and says so.
    SetPrintSettings({"No Such Printer", folder.path().toStdString()});
    const PrintResult missing = PrintPage("Your Net Worth", draw);
    EXPECT_FALSE(missing.printed);
    EXPECT_EQ(missing.problem, "there is no printer No Such Printer");
    EXPECT_FALSE(missing.pdfPath.empty());
    EXPECT_EQ(drawn, 3);
    SetPrintSettings(before);
}

TEST_F(Reports, AverageBudgetListsTheIncomeAndElevenAmounts)
{
    ReportData data;
    data.request = 1137;
    data.values = {"$2,000", "$53",  "$274", "$612", "$133", "$94",
                   "$414",   "$103", "$198", "$95",  "$63",  "$55"};
    ReportPrinter report(data);
    EXPECT_EQ(report.Title(), "View an Average Monthly Budget");
    DrawReport(report, {2400, 3150});
    EXPECT_TRUE(PrintedAt(report, 40, 120,
                          "The figures below show the budget for an average American household "
                          "for the"));
    EXPECT_TRUE(PrintedAt(report, 100, 150, "Monthly Take Home Pay:"));
    EXPECT_TRUE(PrintedAt(report, 300, 150, "$2,000"));
    EXPECT_TRUE(PrintedAt(report, 100, 174, "Cash contributions:"));
    EXPECT_TRUE(PrintedAt(report, 300, 174, "$53"));
    EXPECT_TRUE(PrintedAt(report, 100, 198, "Housing:"));
    EXPECT_TRUE(PrintedAt(report, 300, 198, "$612"));
    EXPECT_TRUE(PrintedAt(report, 100, 294, "Misc. expenses:"));
    EXPECT_TRUE(PrintedAt(report, 300, 294, "$55"));
    // The blank row under the pay holds nothing.
    for (const ReportPrinter::PrintedLine& line : report.Printed())
        EXPECT_NE(line.y, 162) << line.text;
}

TEST_F(Reports, BudgetResultsSetTheTwoBudgetsSideBySideUnderTheirHeadings)
{
    ReportData data;
    data.request = 1142;
    data.values = {"12,345"};
    for (int c = 0; c < 11; ++c) {
        data.values.push_back("$" + std::to_string(100 + c));
        data.values.push_back("$" + std::to_string(200 + c));
    }
    ReportPrinter report(data);
    EXPECT_EQ(report.Title(), "Budget Results");
    DrawReport(report, {2400, 3150});
    EXPECT_TRUE(
        PrintedAt(report, 40, 132,
                  "that of an average American household with a monthly take-home income of $12,345:"));
    EXPECT_TRUE(PrintedAt(report, 60, 184, "Cash contributions:"));
    EXPECT_TRUE(PrintedAt(report, 300, 184, "$100"));
    EXPECT_TRUE(PrintedAt(report, 500, 184, "$200"));
    EXPECT_TRUE(PrintedAt(report, 60, 304, "Misc. expenses:"));
    EXPECT_TRUE(PrintedAt(report, 500, 304, "$210"));
    // Each heading is centred a little left of its column's right edge.
    for (const ReportPrinter::PrintedLine& line : report.Printed()) {
        if (line.text == "Average American Household") {
            EXPECT_TRUE(line.x < 300 - 8 && line.x > 150) << line.x;
        } else if (line.text == "Your Budget") {
            EXPECT_TRUE(line.x < 500 - 8 && line.x > 420) << line.x;
        }
    }
}
