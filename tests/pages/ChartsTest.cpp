// The growth, dwindle and meet-goal charts: their figures, the charts as a
// user works them (rate choices, a typed rate, the inflation slider, the goal
// choices), and the two chart reports with the chart on the printed page.
#include "kit/ViewMessages.h"
#include "pages/planning/ChartFigures.h"
#include "pages/planning/ChartPage.h"
#include "tests/support/Exercise.h"
#include "tests/support/PrintedReport.h"
#include "tests/support/Screen.h"

#include <QFile>
#include <QTest>

using namespace platform;
using namespace places;

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

} // namespace

TEST(ChartFigures, GrowthAtTenPercentEndsAt1744OnAScaleOf1800)
{
    const std::vector<int> growth = GrowthValues(0.10);
    ASSERT_EQ(growth.size(), 31u);
    EXPECT_EQ(growth[0], 100);
    EXPECT_EQ(growth[1], 110);
    EXPECT_EQ(growth[30], 1744);
    EXPECT_EQ(AxisScale(1744), 1800);
    EXPECT_EQ(ValueAxisLabels(1800), (std::vector<std::string>{"0", "$450", "$900", "$1,350", "$1,800"}));
    // Thirty years, the first at the plot's left edge and the last at its right.
    const std::vector<CurvePoint> curve = YearlyCurve(growth);
    ASSERT_EQ(curve.size(), 30u);
    EXPECT_EQ(curve.front().value, 110);
    EXPECT_DOUBLE_EQ(curve.front().x, 128);
    EXPECT_DOUBLE_EQ(curve.back().x, 353);
    // No interest keeps $100, on a scale of exactly 100.
    EXPECT_EQ(GrowthValues(0).back(), 100);
    EXPECT_EQ(AxisScale(100), 100);
    EXPECT_EQ(AxisScale(0), 100);
    EXPECT_EQ(AxisScale(200), 300);
}

TEST(ChartFigures, DwindleKeepsItsHundredAtNoInflationAndLosesAtFifteenPercent)
{
    const std::vector<int> none = DwindleValues(0);
    ASSERT_EQ(none.size(), 31u);
    for (const int value : none)
        EXPECT_EQ(value, 100);
    const std::vector<int> most = DwindleValues(100); // 15 % a year
    EXPECT_EQ(most[1], 85);
    EXPECT_EQ(most[30], 0); // 100 x 0.85^30 = 0.76
    EXPECT_DOUBLE_EQ(InflationAt(50), 0.075);
}

TEST(ChartFigures, TenThousandInFiveYearsAtTenPercentNeeds129AMonth)
{
    EXPECT_EQ(MonthlySaving(10000, 500, 0.10), 129);
    const std::vector<int> balances = GoalBalances(129, 500, 0.10);
    ASSERT_EQ(balances.size(), 6u);
    EXPECT_EQ(balances[0], 0);
    EXPECT_EQ(balances[1], 1763);
    EXPECT_EQ(balances[5], 10072);
    EXPECT_EQ(MiddleTimeLabel(500), "2.50 yrs");
    EXPECT_EQ(EndTimeLabel(500), "5.0 yrs");
    EXPECT_EQ(MiddleTimeLabel(400), "2 yrs");
    EXPECT_EQ(EndTimeLabel(400), "4.0 yrs");
    EXPECT_EQ(MiddleTimeLabel(-100), "? yrs");
    EXPECT_EQ(EndTimeLabel(-100), "? yrs");
    // Five whole years share the plot in steps of 45.
    const std::vector<CurvePoint> curve = GoalCurve(balances, 500);
    ASSERT_EQ(curve.size(), 6u);
    EXPECT_DOUBLE_EQ(curve[1].x, 173);
    EXPECT_DOUBLE_EQ(curve[5].x, 353);
}

TEST(ChartFigures, AHalfYearAddsAShorterStepAtTheRightEnd)
{
    const int saving = MonthlySaving(10000, 550, 0.10);
    const std::vector<int> balances = GoalBalances(saving, 550, 0.10);
    ASSERT_EQ(balances.size(), 7u); // today, five years, and half a year
    EXPECT_GT(balances[6], balances[5]);
    const std::vector<CurvePoint> curve = GoalCurve(balances, 550);
    ASSERT_EQ(curve.size(), 7u);
    // The five years take 204 of the 225 pixels, 40 each; the half year the rest.
    EXPECT_DOUBLE_EQ(curve[5].x, 128 + 200);
    EXPECT_DOUBLE_EQ(curve[6].x, 128 + 200 + 21);
    EXPECT_EQ(MiddleTimeLabel(550), "2.75 yrs");
    EXPECT_EQ(EndTimeLabel(550), "5.5 yrs");
}

TEST(ChartFigures, NoInterestSharesTheAmountOverTheMonthsInAStraightLine)
{
    EXPECT_EQ(MonthlySaving(12000, 500, 0), 200);
    const std::vector<int> balances = GoalBalances(200, 500, 0);
    ASSERT_EQ(balances.size(), 6u);
    EXPECT_EQ(balances[1], 2600); // the first saving today, then twelve more
    for (size_t year = 2; year < balances.size() - 1; ++year)
        EXPECT_EQ(balances[year] - balances[year - 1], 2400) << year;
    EXPECT_EQ(balances.back(), 12000); // the last month saves nothing more
}

TEST(ChartFigures, ATimeUnderAYearIsDrawnMonthByMonth)
{
    const int saving = MonthlySaving(600, 50, 0.10);
    EXPECT_GT(saving, 95);
    EXPECT_LT(saving, 100);
    const std::vector<int> balances = GoalBalances(saving, 50, 0.10);
    ASSERT_EQ(balances.size(), 7u); // today and six months
    const std::vector<CurvePoint> curve = GoalCurve(balances, 50);
    ASSERT_EQ(curve.size(), 7u);
    for (size_t k = 1; k < curve.size(); ++k) {
        EXPECT_GT(curve[k].x, curve[k - 1].x);
        EXPECT_LE(curve[k].x, 353);
    }
    EXPECT_EQ(EndTimeLabel(50), "0.5 yrs");
    EXPECT_EQ(MiddleTimeLabel(50), "0.25 yrs");
    // A hundredth of a year still makes a month, and no time none at all.
    EXPECT_EQ(GoalBalances(MonthlySaving(600, 1, 0.10), 1, 0.10).size(), 2u);
    EXPECT_EQ(MonthlySaving(600, 0, 0.10), 0);
    EXPECT_EQ(GoalBalances(10, 0, 0.10), std::vector<int>{0});
    EXPECT_TRUE(GoalCurve({0}, 0).empty());
}

TEST(ChartFigures, FiguresFromADamagedFileStayInsideTheAxis)
{
    const int saving = MonthlySaving(2000000000, 1, 0.25);
    EXPECT_EQ(saving, 999999999);
    const std::vector<int> balances = GoalBalances(saving, 99999, 0.25);
    EXPECT_EQ(balances.back(), 999999999);
    EXPECT_EQ(AxisScale(balances.back()), 1000000000);
}

namespace {

class Charts : public ExerciseTest {
protected:
    void SetUp() override { program.EnterFromMenu(4); }
    ChartPage& chart() { return *Get<ChartPage>(PageId::Chart); }
    // Opens choice `choice` of the section behind side button `section`.
    void Choose(int section, int choice)
    {
        drive.Click(kSideX, kSectionY[section]);
        ASSERT_TRUE(Shows(view().Chooser()));
        ExerciseTest::Choose(choice);
        ASSERT_TRUE(Shows(&chart()));
        Grab(chart());
    }
    void TypeRate(const char* text) { TypeInto(chart().RateField(), text); }
    static void SaveGoals(const std::vector<std::tuple<const char*, int, int>>& goals)
    {
        CFinData record;
        record.Reset();
        for (int k = 0; k < static_cast<int>(goals.size()); ++k) {
            record.SetGoalName(k, std::get<0>(goals[static_cast<size_t>(k)]));
            record.Record().goalAmount[k] = std::get<1>(goals[static_cast<size_t>(k)]);
            record.Record().goalYears[k] = std::get<2>(goals[static_cast<size_t>(k)]);
        }
        ASSERT_TRUE(record.Save());
    }
    // Whether the page shows yellow ink in a rectangle of page coordinates.
    bool YellowIn(const QRect& area) { return ContainsColour(Grab(chart()), area, kYellow, 40); }

    TextOverflowRecorder fit;
};

} // namespace

TEST_F(Charts, GrowthRedrawsAtOnceForAnotherRateAndPrintsItsReport)
{
    Choose(1, 1);
    ChartPage& page = chart();
    EXPECT_EQ(page.GetMode(), ChartPage::Mode::Growth);
    EXPECT_EQ(CurrentMediaName(), "4_1_2.avi");
    EXPECT_EQ(page.RateChoices().Selected(), 0);
    EXPECT_EQ(page.LastPlot().last, 1744);
    EXPECT_EQ(page.LastPlot().scale, 1800);
    EXPECT_EQ(page.LastPlot().end, "30 yrs");
    EXPECT_TRUE(page.RateField().IsWindowVisible());
    EXPECT_FALSE(page.InflationSlider().IsShown());
    EXPECT_TRUE(page.RateField().Edit().HasFocus());
    EXPECT_EQ(page.RateField().GetText(), "6");
    // The curve ends at the top right of the plot, its value beside it.
    EXPECT_TRUE(YellowIn(QRect(345, 176, 10, 10)));
    EXPECT_TRUE(YellowIn(QRect(360, 176, 40, 14)));
    // Year 15: $417 of $1,800.
    const QRect yearFifteenAtTen(233, 247, 7, 8);
    const QRect yearFifteenAtSix(233, 230, 7, 8);
    EXPECT_TRUE(YellowIn(yearFifteenAtTen));
    EXPECT_FALSE(YellowIn(yearFifteenAtSix));

    // Typing another rate chooses it and redraws the chart as it is typed.
    TypeRate("6");
    EXPECT_EQ(page.RateChoices().Selected(), 1);
    EXPECT_EQ(page.LastPlot().last, 574);
    EXPECT_EQ(page.LastPlot().scale, 600);
    EXPECT_FALSE(YellowIn(yearFifteenAtTen)); // $239 of $600
    EXPECT_TRUE(YellowIn(yearFifteenAtSix));
    // Above 25 % the field is set back.
    TypeRate("40");
    EXPECT_EQ(page.RateField().GetText(), "25");
    EXPECT_EQ(page.LastPlot().last, GrowthValues(0.25).back());
    // A click on the first choice goes back to 10 %.
    ClickPage(160, 328);
    EXPECT_EQ(page.RateChoices().Selected(), 0);
    EXPECT_EQ(page.LastPlot().last, 1744);

    // The report: the chart drawn onto the page, the rate line under the
    // introduction.
    TypeRate("6");
    ReportPrinter report(view().Reports().Collect(VM_PRINT_GROWTH));
    EXPECT_EQ(report.Title(), "Growth of Money");
    const QImage printed = DrawReport(report, {2400, 3150});
    bool captionFound = false;
    for (const ReportPrinter::PrintedLine& line : report.Printed())
        captionFound |= line.x == 40 && line.y == 149 &&
                        line.text == "Invest $100 in: Other investment returning 6% per year";
    EXPECT_TRUE(captionFound);
    const double sx = 2400 / 630.0;
    const double sy = 3150 / 791.0;
    // The frame of the plot and the curve inside it, black on white.
    EXPECT_NE(FirstInkRow(printed, QRect(200 * sx, 172 * sy, 80 * sx, 4 * sy), kWhite), -1);
    EXPECT_NE(FirstInkRow(printed, QRect(140 * sx, 180 * sy, 200 * sx, 90 * sy), kWhite), -1);
    EXPECT_FALSE(ContainsColour(printed, QRect(0, 0, 2400, 3150), kYellow, 60));
    EXPECT_EQ(page.LastPlot().last, 574); // the screen's figures are untouched

    // The print button prints it (into a PDF, there being no printer).
    Click(kNavPrint);
    EXPECT_EQ(view().Reports().LastRequest(), VM_PRINT_GROWTH);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text.rfind("The report \"Growth of Money\" was not printed", 0), 0u);
    boxes.boxes.clear();
    EXPECT_TRUE(Visible(&page));

    Click(kNavNext);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_EQ(view().Chooser()->Key(), "PLAN2");
    EXPECT_TRUE(fit.overflows.empty());
}

TEST_F(Charts, DwindleFollowsTheSliderAsItIsDragged)
{
    Choose(1, 2);
    ChartPage& page = chart();
    EXPECT_EQ(page.GetMode(), ChartPage::Mode::Dwindle);
    EXPECT_EQ(CurrentMediaName(), "4_1_3.avi");
    EXPECT_TRUE(page.InflationSlider().IsShown());
    EXPECT_FALSE(page.RateField().IsWindowVisible());
    EXPECT_EQ(page.InflationSlider().GetPos(), 0);
    // No inflation: a flat $100 along the top of the plot.
    EXPECT_EQ(page.LastPlot().last, 100);
    EXPECT_EQ(page.LastPlot().scale, 100);
    EXPECT_TRUE(YellowIn(QRect(140, 172, 200, 4)));
    EXPECT_TRUE(YellowIn(QRect(50, 350, 30, 15))); // "0.00%"

    // A drag from the thumb: every step on the way redraws.
    const Rect bar = page.InflationSlider().GetWindowRect();
    const int y = kPageY + bar.top + bar.Height() / 2;
    drive.Press(kPageX + bar.left + 10, y);
    std::vector<int> seen;
    for (int x = bar.left + 20; x <= bar.left + 120; x += 20) {
        drive.MoveTo(kPageX + x, y);
        seen.push_back(page.LastPlot().last);
    }
    drive.Release(kPageX + bar.left + 120, y);
    const int position = page.InflationSlider().GetPos();
    EXPECT_GT(position, 40);
    EXPECT_LT(position, 80);
    for (size_t k = 1; k < seen.size(); ++k)
        EXPECT_LT(seen[k], seen[k - 1]) << k;
    EXPECT_EQ(page.Values(), DwindleValues(position));
    EXPECT_EQ(page.LastPlot().scale, 100);
    // The rate label and its pointer moved along with the thumb.
    const int labelX = static_cast<int>(position * 1.68) + 50;
    EXPECT_TRUE(YellowIn(QRect(labelX, 350, 30, 15)));
    EXPECT_FALSE(YellowIn(QRect(50, 350, 20, 15)));
    // The keys move it too.
    drive.Key(Qt::Key_End);
    EXPECT_EQ(page.InflationSlider().GetPos(), 100);
    EXPECT_EQ(page.LastPlot().last, 0);
    EXPECT_TRUE(YellowIn(QRect(218, 350, 40, 15))); // "15.00%"
    // A click on the track far from the thumb takes it straight there.
    drive.Click(kPageX + bar.left + 3, y);
    EXPECT_EQ(page.InflationSlider().GetPos(), 0);
    EXPECT_EQ(page.LastPlot().last, 100);

    // No print button here; the return leads to the chooser.
    Click(kNavPrint);
    EXPECT_EQ(view().Reports().PrintCount(), 0);
    Click(kNavNext);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_EQ(view().Chooser()->Key(), "PLAN2");
    EXPECT_TRUE(fit.overflows.empty());
}

TEST_F(Charts, MeetShowsTheSavingForTheChosenGoalAndPrintsIt)
{
    SaveGoals({{"Buying a house", 10000, 500},
               {"Taking a vacation", 3000, 550},
               {"Owning a business", 50000, 400}});
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_CHART_MEET);
    ChartPage& page = chart();
    ASSERT_TRUE(Shows(&page));
    Grab(page);
    EXPECT_EQ(CurrentMediaName(), "4_2_2b.avi");
    EXPECT_EQ(page.SelectedGoal(), 0);
    EXPECT_EQ(page.Saving(), 129);
    EXPECT_EQ(page.LastPlot().middle, "2.50 yrs");
    EXPECT_EQ(page.LastPlot().end, "5.0 yrs");
    EXPECT_EQ(page.GoalLine(0), "Buying a house requiring $10,000");

    // The half-year goal, by a click on its line.
    ClickPage(120, 122);
    EXPECT_EQ(page.SelectedGoal(), 1);
    EXPECT_EQ(page.GoalChoices().Selected(), 1);
    EXPECT_EQ(page.Values().size(), 7u);
    EXPECT_EQ(page.LastPlot().curve.back().x, 349);
    ClickPage(120, 141);
    EXPECT_EQ(page.LastPlot().middle, "2 yrs");

    // No interest: the amount shared over the months.
    TypeRate("0");
    EXPECT_EQ(page.Saving(), 50000 / 48);
    EXPECT_EQ(page.Values().back(), 50000 / 48 * 48);

    // The report prints the goal and its saving, then the rate.
    ReportPrinter report(view().Reports().Collect(VM_PRINT_GOALS));
    EXPECT_EQ(report.Title(), "Meeting Your Goals");
    DrawReport(report, {1275, 1650});
    std::vector<std::string> lines;
    for (const ReportPrinter::PrintedLine& line : report.Printed()) {
        if (line.x == 50)
            lines.push_back(std::to_string(line.y) + " " + line.text);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "120 Looking at the chart below, you can see how you can reach your goal of",
                         "132 Owning a business requiring $50,000 by investing or saving $1,041 in: ",
                         "144 Other investment returning 0% per year"}));

    // Back leads to the goals page.
    Click(kNavBack);
    ASSERT_TRUE(Driver::Until([&] { return !Visible(&page); }));
    EXPECT_TRUE(Visible(view().Pages().Find(PageId::Goals)));
    EXPECT_TRUE(fit.overflows.empty());
}

TEST_F(Charts, UnusableGoalsHandTheirChoiceOnAndNeverDivideByZero)
{
    // Goals 1 and 2 without an amount or a name: goal 3 is chosen.
    SaveGoals({{"Buying a house", -1, 500}, {"", 4000, 500}, {"Buying a vehicle", 600, 50}});
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_CHART_MEET);
    ChartPage& page = chart();
    ASSERT_TRUE(Shows(&page));
    Grab(page);
    EXPECT_EQ(page.SelectedGoal(), 2);
    EXPECT_EQ(page.GoalChoices().Selected(), 2);
    EXPECT_FALSE(page.GoalChoices().Button(0).Enabled());
    EXPECT_FALSE(page.GoalChoices().Button(1).Enabled());
    EXPECT_EQ(page.GoalLine(0), "");
    // Half a year: a chart of its months.
    EXPECT_EQ(page.Values().size(), 7u);
    EXPECT_EQ(page.LastPlot().end, "0.5 yrs");
    EXPECT_GT(page.Saving(), 0);
    // A click on a disabled goal does nothing.
    ClickPage(120, 103);
    EXPECT_EQ(page.SelectedGoal(), 2);

    // Goal 2 unusable between two usable ones: only goal 1 is selected.
    SaveGoals(
        {{"Buying a house", 10000, 500}, {"Taking a vacation", 0, 100}, {"Buying a vehicle", 600, 100}});
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_CHART_MEET);
    ASSERT_TRUE(Shows(&page));
    Grab(page);
    EXPECT_EQ(page.GoalChoices().Selected(), 0);
    EXPECT_EQ(page.GoalChoices().Button(2).GetState(), ImageButton::Normal);

    // No goal at all: no curve, the times unknown.
    SaveGoals({});
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_CHART_MEET);
    ASSERT_TRUE(Shows(&page));
    Grab(page);
    EXPECT_EQ(page.Saving(), 0);
    EXPECT_TRUE(page.LastPlot().curve.empty());
    EXPECT_EQ(page.LastPlot().end, "? yrs");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Charts, TheLongestNamesAreShortenedToFitTheirLineOnScreenAndFitThePrintedPage)
{
    // As long as the box lets a name be typed, and as wide as a file can hold.
    const std::string longest = "Putting aside enough for a long sailing voyag";
    const std::string widest(49, 'W');
    SaveGoals({{longest.c_str(), 9999999, 4500}, {widest.c_str(), 9999999, 4450}});
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_CHART_MEET);
    ChartPage& page = chart();
    ASSERT_TRUE(Shows(&page));
    Grab(page);
    EXPECT_EQ(page.GoalLine(0), longest + " requiring $9,999,999");
    EXPECT_EQ(page.LastPlot().end, "45.0 yrs");
    EXPECT_EQ(page.LastPlot().middle, "22.50 yrs");
    ReportPrinter report(view().Reports().Collect(VM_PRINT_GOALS));
    DrawReport(report, {1275, 1650});
    EXPECT_TRUE(fit.overflows.empty());

    // A damaged file: an amount and a time the goals page never lets
    // through are held to its limits, and the line still fits.
    SaveGoals({{widest.c_str(), 1048989442, 2000000}});
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_CHART_MEET);
    ASSERT_TRUE(Shows(&page));
    Grab(page);
    EXPECT_EQ(page.GoalLine(0), widest + " requiring $9,999,999");
    EXPECT_EQ(page.LastPlot().end, "45.0 yrs");
    EXPECT_TRUE(fit.overflows.empty());

    // A name of stray bytes, a tab among them, that a damaged file held:
    // it is shortened as far as it is really drawn.
    const std::string stray = "d\x94\x14\x1c\xa7" "6\xc1\x1c\x1b\xd2" "M\xe8\xbf\xfd?\x0c)\x18z\xea"
                              "m\xee\x9f>s\xc2\x83\x8d\xbaV\xc2)\x9d\x88\xe4\xd7^\x09\xcf\xe3"
                              "6z\x8c\xb5\xf1";
    SaveGoals({{stray.c_str(), 9999999, 4500}});
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_CHART_MEET);
    ASSERT_TRUE(Shows(&page));
    Grab(page);
    EXPECT_TRUE(fit.overflows.empty());
    for (const TextOverflow& o : fit.overflows)
        ADD_FAILURE() << o.text;
}
