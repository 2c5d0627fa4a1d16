// What the tour's walks through the surveys share: ticking boxes at their
// places and paging through a survey.
#include "app/CFinApp.h"
#include "app/CFinView.h"
#include "pages/surveys/SurveyPage.h"
#include "tests/tour/TourVisits.h"

using namespace places;

SurveyPage* ShownSurvey(Tour& tour)
{
    auto* survey = tour.App().FinView()->Pages().Get<SurveyPage>(PageId::Survey);
    return Visible(survey) ? survey : nullptr;
}

void AnswerSurveyPage(Tour& tour, const std::vector<int>& columns)
{
    SurveyPage* survey = ShownSurvey(tour);
    if (!survey)
        return tour.Fail("no survey page to answer");
    for (size_t r = 0; r < columns.size(); ++r) {
        const int row = static_cast<int>(r);
        if (columns[r] <= 0 || survey->Grid().Answer(row) == columns[r])
            continue;
        const ImageButton& box = survey->Grid().Box(row, columns[r]);
        ClickPage(tour, box.X() + SurveyGrid::kBoxWidth / 2, box.Y() + 10);
        if (survey->Grid().Answer(row) != columns[r])
            tour.Fail(survey->File() + ": the box of column " + std::to_string(columns[r]) + " on row " +
                      std::to_string(row + 1) + " did not take the click");
    }
}

void AnswerWholeSurveyPage(Tour& tour, int column)
{
    if (SurveyPage* survey = ShownSurvey(tour))
        AnswerSurveyPage(tour,
                         std::vector<int>(static_cast<size_t>(survey->Grid().GetLayout().rows), column));
}

void TurnSurveyPage(Tour& tour, bool forward)
{
    SurveyPage* survey = ShownSurvey(tour);
    if (!survey)
        return tour.Fail("no survey page to turn");
    const int page = survey->CurrentPage();
    const QPoint button = forward ? kNavNext : kNavBack;
    tour.Drive().Click(button.x(), button.y());
    const bool atEnd = forward ? page == survey->PageCount() - 1 : page == 0;
    if (!atEnd && survey->CurrentPage() != page + (forward ? 1 : -1))
        tour.Fail(survey->File() + ": the page did not turn from page " + std::to_string(page + 1));
}

void BackToFirstSurveyPage(Tour& tour)
{
    while (SurveyPage* survey = ShownSurvey(tour)) {
        if (survey->CurrentPage() == 0)
            return;
        const int page = survey->CurrentPage();
        TurnSurveyPage(tour, false);
        if (survey->CurrentPage() == page)
            return;
    }
}

void TakeSurveyInOneColumn(Tour& tour, int column, const std::string& shot, const std::string& caption)
{
    SurveyPage* survey = ShownSurvey(tour);
    if (!survey)
        return tour.Fail("no survey to take");
    BackToFirstSurveyPage(tour);
    for (int page = 0; page < survey->PageCount(); ++page) {
        AnswerWholeSurveyPage(tour, column);
        if (!shot.empty())
            tour.Capture(shot + "-" + std::to_string(page + 1),
                         caption + ", " + survey->PageCounter() + ", answered");
        TurnSurveyPage(tour, true);
    }
}

bool BackToSurvey(Tour& tour, const std::string& result)
{
    auto* survey = tour.App().FinView()->Pages().Get<SurveyPage>(PageId::Survey);
    tour.Drive().Click(kNavBack.x(), kNavBack.y());
    if (WaitFor(survey) && survey->CurrentPage() == survey->PageCount() - 1)
        return true;
    tour.Fail("back on the " + result + " did not show the survey's last page");
    return false;
}
