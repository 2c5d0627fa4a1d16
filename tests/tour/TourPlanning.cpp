// The tour's walks through the planning exercises: the growth and dwindle
// charts, and the goals with the meet-goal chart of each.
#include "app/CFinApp.h"
#include "app/CFinView.h"
#include "app/ChooserPage.h"
#include "pages/planning/ChartPage.h"
#include "pages/planning/GoalsPage.h"
#include "tests/tour/TourVisits.h"

using namespace places;

namespace {

ChartPage* Chart(Tour& tour)
{
    return tour.App().FinView()->Pages().Get<ChartPage>(PageId::Chart);
}

// Clicks a field of the page and replaces its text by typing.
void TypeInto(Tour& tour, FEdit& field, const char* text)
{
    const platform::Rect place = field.GetWindowRect();
    ClickPage(tour, place.left + 12, place.top + 10);
    field.Edit().SelectAll();
    tour.Drive().Type(text);
}

// The return button (where next stands) back to the section's chooser.
void ReturnToChooser(Tour& tour, const std::string& from)
{
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    if (!WaitFor(tour.App().FinView()->Chooser()))
        tour.Fail("the return button of " + from + " did not lead to the chooser");
}

} // namespace

void VisitGrowthChart(Tour& tour, const std::string& module)
{
    ChartPage* chart = Chart(tour);
    if (!Visible(chart) || chart->GetMode() != ChartPage::Mode::Growth)
        return tour.Fail("the growth chart did not open");
    tour.Capture("planning-growth", "Growth of money at 10 %");
    if (chart->LastPlot().last != 1744 || chart->LastPlot().scale != 1800)
        tour.Fail("the growth chart at 10 % does not end at $1,744 on a scale of $1,800");
    tour.CaptureReport("growth", 1139);
    TypeInto(tour, chart->RateField(), "6.5");
    tour.Capture("planning-growth-other", "Growth of money at a rate typed in");
    tour.CaptureReport("growth-other", 1139);
    VisitVideo(tour, module);
    ReturnToChooser(tour, "the growth chart");
}

void VisitDwindleChart(Tour& tour, const std::string& module)
{
    ChartPage* chart = Chart(tour);
    if (!Visible(chart) || chart->GetMode() != ChartPage::Mode::Dwindle)
        return tour.Fail("the dwindle chart did not open");
    tour.Capture("planning-dwindle", "How money dwindles, no inflation");
    // The thumb dragged along the track, then to its end by the keyboard.
    const platform::Rect bar = chart->InflationSlider().GetWindowRect();
    const int y = kPageY + bar.top + bar.Height() / 2;
    tour.Drive().Press(kPageX + bar.left + 8, y);
    for (int x = bar.left + 20; x <= bar.left + 90; x += 10)
        tour.Drive().MoveTo(kPageX + x, y);
    tour.Drive().Release(kPageX + bar.left + 90, y);
    if (chart->InflationSlider().GetPos() == 0)
        tour.Fail("dragging the inflation slider did not move it");
    tour.Capture("planning-dwindle-dragged",
                 "How money dwindles, slider at " + std::to_string(chart->InflationSlider().GetPos()));
    tour.Drive().Key(Qt::Key_End);
    tour.Capture("planning-dwindle-most", "How money dwindles at 15 % a year");
    VisitVideo(tour, module);
    ReturnToChooser(tour, "the dwindle chart");
}

void VisitGoals(Tour& tour, const std::string& module)
{
    CFinView* view = tour.App().FinView();
    auto* goals = view->Pages().Get<GoalsPage>(PageId::Goals);
    if (!Visible(goals))
        return tour.Fail("the goals page did not open");
    tour.Capture("planning-goals", "Define your financial goals, before any entry");
    // One name typed, two chosen from the list by the arrow keys.
    goals->NameBox(0).SetFocus();
    tour.Drive().Type("Sailing around the islands");
    TypeInto(tour, goals->AmountField(0), "10000");
    TypeInto(tour, goals->TimeField(0), "5");
    const std::pair<int, const char*> chosen[] = {{3, "40000"}, {7, "6000"}};
    const char* times[] = {"12.3", "0.8"};
    for (int k = 1; k < GoalsPage::kGoals; ++k) {
        goals->NameBox(k).SetFocus();
        for (int i = 0; i <= chosen[k - 1].first; ++i)
            tour.Drive().Key(Qt::Key_Down);
        TypeInto(tour, goals->AmountField(k), chosen[k - 1].second);
        TypeInto(tour, goals->TimeField(k), times[k - 1]);
    }
    tour.Capture("planning-goals-filled", "Three goals with their amounts and times");
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    ChartPage* chart = Chart(tour);
    if (!WaitFor(chart) || chart->GetMode() != ChartPage::Mode::Meet)
        return tour.Fail("next on the goals page did not show the meet-goal chart");
    for (int k = 0; k < ChartPage::kGoals; ++k) {
        const ImageButton& choice = chart->GoalChoices().Button(k);
        if (!choice.Enabled())
            continue;
        ClickPage(tour, choice.X() + 60, choice.Y() + 8);
        if (chart->SelectedGoal() != k)
            tour.Fail("a click on goal " + std::to_string(k + 1) + " did not choose it");
        tour.Capture("planning-meet-" + std::to_string(k + 1),
                     "Meeting your goals: goal " + std::to_string(k + 1));
    }
    tour.CaptureReport("goals", 1141);
    TypeInto(tour, chart->RateField(), "4");
    tour.Capture("planning-meet-other", "Meeting your goals at a rate typed in");
    VisitVideo(tour, module);
    tour.Drive().Click(kNavBack.x(), kNavBack.y());
    if (!WaitFor(goals))
        return tour.Fail("back on the meet-goal chart did not show the goals");
    tour.Drive().Click(kNavBack.x(), kNavBack.y());
    if (!WaitFor(view->Chooser()))
        tour.Fail("back on the goals page did not lead to the chooser");
}
