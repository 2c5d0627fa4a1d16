// The tour's walks through the credit exercises: the borrowing-habits survey
// with its result at each level, its tips and its return.
#include "app/CFinApp.h"
#include "app/CFinView.h"
#include "app/ChooserPage.h"
#include "app/LessonPage.h"
#include "pages/surveys/SurveyPage.h"
#include "pages/surveys/SurveyResults.h"
#include "tests/tour/TourVisits.h"

using namespace places;

void VisitBorrowingSurvey(Tour& tour, const std::string& module)
{
    CFinView* view = tour.App().FinView();
    SurveyPage* survey = ShownSurvey(tour);
    if (!survey || survey->File() != "habitsur.txt")
        return tour.Fail("the borrowing survey did not open");
    ChooserPage* chooser = view->Chooser();
    // Every statement in one column: 10, 30 and 50, the three levels.
    const int columns[] = {1, 3, 5};
    for (int column : columns) {
        const bool first = column == columns[0];
        TakeSurveyInOneColumn(tour, column, first ? module + "-borrowing-survey" : "",
                              "Borrowing habits survey");
        if (!WaitFor(chooser) || chooser->Key() != "habitsur")
            return tour.Fail("the borrowing survey did not lead to its results");
        const int score = chooser->BorrowingScore();
        tour.Capture(module + "-borrowing-results-" + std::to_string(score),
                     "Borrowing habits, score " + std::to_string(score) + ": " +
                         BorrowingResult(score).level);
        if (score != 10 * column)
            tour.Fail("the borrowing score is " + std::to_string(score));
        if (first) {
            tour.CaptureReport("borrowing", 1132);
            VisitVideo(tour, module);
        }
        if (column != columns[std::size(columns) - 1] && !BackToSurvey(tour, "borrowing results"))
            return;
    }
    // The tips, whose return comes back to the result.
    const ImageButton& tips = chooser->Choice(0);
    ClickPage(tour, tips.X() + tips.Width() / 2, tips.Y() + tips.Height() / 2);
    if (!WaitFor(view->Lesson()) || view->Lesson()->Key() != "habits")
        return tour.Fail("the borrowing result's choice did not open the tips");
    VisitLesson(tour, module);
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    if (!WaitFor(chooser) || chooser->Key() != "habitsur")
        return tour.Fail("the tips' return did not lead back to the borrowing result");
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    if (!Visible(chooser) || chooser->Key() != "CRED3")
        tour.Fail("the borrowing result's return did not turn into the section's chooser");
}
