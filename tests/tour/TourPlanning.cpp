// The tour's walks through the planning exercises: the risk tolerance
// survey at each level with the investment tiers it highlights, the growth
// and dwindle charts, and the goals with the meet-goal chart of each.
#include "app/CFinApp.h"
#include "app/CFinView.h"
#include "app/ChooserPage.h"
#include "app/LessonPage.h"
#include "kit/NavBar.h"
#include "pages/planning/ChartPage.h"
#include "pages/planning/GoalsPage.h"
#include "pages/planning/RiskInputPage.h"
#include "pages/planning/RiskLevels.h"
#include "pages/planning/RiskResultsPage.h"
#include "pages/surveys/SurveyPage.h"
#include "tests/tour/TourVisits.h"

#include <algorithm>
#include <array>

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

// The planning module's sections on the side: "Saving & Investing" and the
// investment options.
constexpr int kSavingSection = 1;
constexpr int kInvestSection = 3;

// One taking of the risk survey: the four amounts, the answer column on
// each statement page (1 yes, 2 no), and the score they make.
struct RiskRound {
    const char* name;
    std::array<const char*, RiskInputPage::kFields> amounts;
    std::array<int, 2> columns;
    int score;
};
constexpr RiskRound kRiskRounds[] = {
    // 1 + 1 + 1 + 1 for the amounts, no to all six: 5.
    {"low", {"70", "2000", "10000", "500"}, {2, 2}, 5},
    // 3 + 2 + 2 + 2, yes to the first three and no to the rest: 16.
    {"moderate", {"40", "3000", "30000", "500"}, {1, 2}, 16},
    // Everything at its best and yes to all: 24.
    {"high", {"35", "5000", "60000", "0"}, {1, 1}, 24},
};

RiskInputPage* RiskInput(Tour& tour)
{
    return tour.App().FinView()->Pages().Get<RiskInputPage>(PageId::RiskInput);
}

// From any page to the risk survey's first page by its section's chooser.
bool OpenRiskInput(Tour& tour)
{
    tour.Drive().Click(kSideX, kSectionY[kSavingSection]);
    ChooserPage* chooser = tour.App().FinView()->Chooser();
    if (!WaitFor(chooser) || chooser->Key() != "PLAN2") {
        tour.Fail("the saving section did not show its chooser");
        return false;
    }
    const ImageButton& risk = chooser->Choice(0);
    ClickPage(tour, risk.X() + risk.Width() / 2, risk.Y() + risk.Height() / 2);
    if (!WaitFor(RiskInput(tour))) {
        tour.Fail("the risk survey's choice did not open its first page");
        return false;
    }
    return true;
}

// The investment lesson by its section's chooser, captured with the tiers
// it highlights (`expected`, from the top) `when` named.
void VisitInvestTiers(Tour& tour, const std::string& module, const std::string& when,
                      const std::array<bool, kInvestmentTiers>& expected)
{
    tour.Drive().Click(kSideX, kSectionY[kInvestSection]);
    CFinView* view = tour.App().FinView();
    if (!WaitFor(view->Chooser()) || view->Chooser()->Key() != "PLAN4")
        return tour.Fail("the investment section did not show its chooser");
    const ImageButton& invest = view->Chooser()->Choice(0);
    ClickPage(tour, invest.X() + invest.Width() / 2, invest.Y() + invest.Height() / 2);
    LessonPage* lesson = view->Lesson();
    if (!WaitFor(lesson) || lesson->Key() != "invest")
        return tour.Fail("the investment section's choice did not open the investment options");
    std::string tiers;
    for (int tier = 1; tier <= kInvestmentTiers; ++tier) {
        if (lesson->TierHighlighted(tier) != expected[static_cast<size_t>(tier - 1)])
            tour.Fail("the investment options " + when + " highlight tier " + std::to_string(tier) +
                      " wrongly");
        if (lesson->TierHighlighted(tier))
            tiers += (tiers.empty() ? "" : ", ") + std::to_string(tier);
    }
    std::string shot = when;
    std::replace(shot.begin(), shot.end(), ' ', '-');
    tour.Capture(module + "-invest-" + shot,
                 "Investment options " + when + ": tiers " + tiers + " highlighted");
}

// Takes the survey from its first page with the round's amounts and
// answers, and captures its result; the first round captures each page.
void TakeRiskRound(Tour& tour, const std::string& module, const RiskRound& round, bool first)
{
    RiskInputPage* input = RiskInput(tour);
    for (int f = 0; f < RiskInputPage::kFields; ++f)
        TypeInto(tour, input->GetField(static_cast<RiskInputPage::Field>(f)),
                 round.amounts[static_cast<size_t>(f)]);
    if (first)
        tour.Capture(module + "-risk-input-filled", "How much risk can you tolerate, the four amounts typed");
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    SurveyPage* survey = ShownSurvey(tour);
    if (!survey || survey->File() != "saver.txt")
        return tour.Fail("next on the risk survey's first page did not show its statements");
    for (int column : round.columns) {
        AnswerWholeSurveyPage(tour, column);
        if (first)
            tour.Capture(module + "-risk-survey-" + std::to_string(survey->CurrentPage() + 2),
                         "Risk tolerance survey, " + survey->PageCounter() + ", answered");
        TurnSurveyPage(tour, true);
    }
    auto* results = tour.App().FinView()->Pages().Get<RiskResultsPage>(PageId::RiskResults);
    if (!WaitFor(results))
        return tour.Fail("the risk survey did not lead to its result");
    if (!Driver::Until([&] { return results->Gauge().Drawn() == results->Gauge().Length(); }))
        tour.Fail("the risk gauge's pointer did not grow to its length");
    if (results->RiskScore() != round.score)
        tour.Fail("the " + std::string(round.name) + " risk round scores " +
                  std::to_string(results->RiskScore()));
    tour.Capture(module + "-risk-results-" + round.name, "Your risk tolerance, score " +
                                                             std::to_string(results->RiskScore()) + ": " +
                                                             results->Level().sentence);
    tour.CaptureReport(std::string("risk-") + round.name, 1150);
}

} // namespace

void VisitRiskSurvey(Tour& tour, const std::string& module)
{
    RiskInputPage* input = RiskInput(tour);
    if (!Visible(input))
        return tour.Fail("the risk survey's first page did not open");
    tour.Capture(module + "-risk-input", "How much risk can you tolerate, before any entry");
    VisitVideo(tour, module);
    // Before any score every tier suits.
    VisitInvestTiers(tour, module, "before any score", {true, true, true, true});
    for (const RiskRound& round : kRiskRounds) {
        if (!OpenRiskInput(tour))
            return;
        const bool first = &round == &kRiskRounds[0];
        TakeRiskRound(tour, module, round, first);
        if (first) {
            VisitVideo(tour, module);
            // Back through the statements to the first page, which kept the amounts.
            if (!BackToSurvey(tour, "risk result"))
                return;
            BackToFirstSurveyPage(tour);
            tour.Drive().Click(kNavBack.x(), kNavBack.y());
            if (!WaitFor(input) || input->GetField(RiskInputPage::Age).GetText() != round.amounts[0])
                tour.Fail("back from the risk survey's statements did not show its first page as typed");
        } else if (&round == &kRiskRounds[std::size(kRiskRounds) - 1]) {
            tour.Drive().Click(kNavNext.x(), kNavNext.y());
            if (!WaitFor(tour.App().FinView()->Chooser()))
                tour.Fail("the return button of the risk result did not lead to the chooser");
        }
        VisitInvestTiers(tour, module, std::string("after a ") + round.name + " score",
                         RiskLevelFor(round.score).tiers);
    }
}

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
