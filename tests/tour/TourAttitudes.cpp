// The tour's walks through the financial-attitudes surveys: the reality
// check with a result at several levels, and the spending survey with each
// spending type's tab.
#include "app/CFinApp.h"
#include "app/CFinView.h"
#include "app/ChooserPage.h"
#include "app/TextPage.h"
#include "pages/surveys/SpendingResultsPage.h"
#include "pages/surveys/SurveyPage.h"
#include "pages/surveys/SurveyResults.h"
#include "tests/tour/TourVisits.h"

using namespace places;

namespace {

constexpr int kAgree = 1;
constexpr int kDisagree = 2;

// Leaves a result by its return button and checks the chooser it leads to.
void ReturnToChooser(Tour& tour, const std::string& key)
{
    tour.Drive().Click(kNavNext.x(), kNavNext.y()); // return, where next stands
    ChooserPage* chooser = tour.App().FinView()->Chooser();
    if (!WaitFor(chooser) || chooser->Key() != key)
        tour.Fail("a result's return did not lead to the chooser " + key);
}

} // namespace

void VisitRealityCheck(Tour& tour, const std::string& module)
{
    CFinView* view = tour.App().FinView();
    SurveyPage* survey = ShownSurvey(tour);
    if (!survey || survey->File() != "pvals.txt")
        return tour.Fail("the reality check did not open");
    TextPage* text = view->Text();
    // Every statement in one column: 15, 45, 60 and 75, four of the levels.
    const int columns[] = {1, 3, 4, 5};
    for (int column : columns) {
        const bool first = column == columns[0];
        TakeSurveyInOneColumn(tour, column, first ? module + "-reality-check" : "",
                              "Financial reality check");
        if (!WaitFor(text) || text->Key() != "reality")
            return tour.Fail("the reality check did not lead to its results");
        const int score = text->RealityScore();
        tour.Capture(module + "-reality-results-" + std::to_string(score),
                     "Financial reality results, score " + std::to_string(score) + ": " +
                         RealityResult(score).level);
        if (score != 15 * column)
            tour.Fail("the reality score is " + std::to_string(score));
        if (first) {
            tour.CaptureReport("reality", 1149);
            VisitVideo(tour, module);
        }
        if (!BackToSurvey(tour, "reality results"))
            return;
        if (first)
            tour.Capture(module + "-reality-check-again", "Financial reality check again, with its marks");
    }
    TurnSurveyPage(tour, true);
    if (WaitFor(text))
        ReturnToChooser(tour, "FIN2");
}

namespace {

// The spending survey answered page by page: row r of each page speaks for
// type r + 1, which is agreed with on the first counts[r] pages.
void AnswerSpendingSurvey(Tour& tour, const std::string& module, const std::vector<int>& counts, bool capture)
{
    SurveyPage* survey = ShownSurvey(tour);
    if (!survey)
        return tour.Fail("the spending survey is not on screen");
    BackToFirstSurveyPage(tour);
    for (int page = 0; page < survey->PageCount(); ++page) {
        std::vector<int> columns;
        for (int count : counts)
            columns.push_back(page < count ? kAgree : kDisagree);
        AnswerSurveyPage(tour, columns);
        if (capture && (page < 2 || page == survey->PageCount() - 1))
            tour.Capture(module + "-spending-survey-" + std::to_string(page + 1),
                         "Spending habits survey, " + survey->PageCounter() + ", answered");
        TurnSurveyPage(tour, true);
    }
}

} // namespace

void VisitSpendingSurvey(Tour& tour, const std::string& module)
{
    CFinView* view = tour.App().FinView();
    SurveyPage* survey = ShownSurvey(tour);
    if (!survey || survey->File() != "spending.txt")
        return tour.Fail("the spending survey did not open");
    auto* results = view->Pages().Get<SpendingResultsPage>(PageId::SpendingResults);
    // A tie between types 2 and 3 opens type 2; then type 5 leads.
    struct Outcome {
        std::vector<int> counts;
        int opens;
    };
    const Outcome outcomes[] = {{{3, 7, 7, 2, 0}, 1}, {{3, 7, 7, 2, 8}, 4}};
    for (const Outcome& outcome : outcomes) {
        const bool first = &outcome == &outcomes[0];
        AnswerSpendingSurvey(tour, module, outcome.counts, first);
        if (!WaitFor(results))
            return tour.Fail("the spending survey did not lead to its results");
        const std::string type = std::to_string(results->SelectedType() + 1);
        tour.Capture(module + "-spending-results-type" + type,
                     "Spending results, opened at type " + type + " (" +
                         SpendingResultsPage::ColourWord(results->SelectedType()) + ")");
        if (results->SelectedType() != outcome.opens)
            tour.Fail("the spending results opened at type " + type);
        if (!first)
            break;
        tour.CaptureReport("spending-" + std::string(SpendingResultsPage::ColourWord(1)), 1148);
        VisitVideo(tour, module);
        // Every tab, and a topic of the last.
        for (int k = 0; k < SpendingResultsPage::kTypes; ++k) {
            ClickPage(tour, SpendingResultsPage::kTabStrip.left + SpendingResultsPage::kTabStep * k + 40,
                      145);
            if (results->SelectedType() != k)
                tour.Fail("the tab of type " + std::to_string(k + 1) + " did not open");
            tour.Capture(module + "-spending-tab" + std::to_string(k + 1),
                         "Spending results, tab of type " + std::to_string(k + 1) + " (" +
                             SpendingResultsPage::ColourWord(k) + ")");
        }
        if (results->Topics().Count() > 2) {
            const platform::Rect& a = results->Topics()[2].area;
            ClickPage(tour, a.left + 5, (a.top + a.bottom) / 2);
            if (results->OpenTopic() != 2)
                tour.Fail("the third topic of the spending results did not open");
            tour.Capture(module + "-spending-topic3", "Spending results, third topic of type 5");
        }
        if (!BackToSurvey(tour, "spending results"))
            return;
    }
    ReturnToChooser(tour, "FIN3");
}
