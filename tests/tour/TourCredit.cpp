// The tour's walks through the credit exercises: the cost of credit with
// typed loans, the debt load with its loan list and its gauge in each of its
// three zones, and the borrowing-habits survey with its result at each
// level, its tips and its return.
#include "app/CFinApp.h"
#include "app/CFinView.h"
#include "app/ChooserPage.h"
#include "app/LessonPage.h"
#include "kit/FEdit.h"
#include "pages/credit/CostOfCreditPage.h"
#include "pages/credit/DebtLoadPage.h"
#include "pages/credit/DebtLoadResultPage.h"
#include "pages/surveys/SurveyPage.h"
#include "pages/surveys/SurveyResults.h"
#include "tests/tour/TourVisits.h"

using namespace places;

namespace {

// Types over a field's text; with `next`, leaves it by a click into that one.
void TypeInto(Tour& tour, FEdit& field, const char* text, FEdit* next = nullptr)
{
    const platform::Rect place = field.GetWindowRect();
    ClickPage(tour, place.left + 20, place.top + 10);
    field.Edit().SelectAll();
    tour.Drive().Type(text);
    if (!next)
        return;
    const platform::Rect other = next->GetWindowRect();
    ClickPage(tour, other.left + 20, other.top + 10);
    Driver::Settle(50);
}

// On the debt load's result: lets the bar grow half-way and to its end,
// capturing both (the first only when `shot` names one).
void GrowBar(Tour& tour, DebtLoadResultPage& result, const std::string& shot, const std::string& caption)
{
    Driver::TickUntil(result, 1, [&] { return result.BarDrawn() * 2 >= result.Gauge().bar; });
    if (!shot.empty())
        tour.Capture(shot + "-growing", caption + ", the bar growing");
    if (!Driver::TickUntil(result, 1, [&] { return !result.Growing(); }))
        tour.Fail("the debt load's bar did not stop growing");
    tour.Capture(shot.empty() ? "credit-debt-result" : shot, caption);
}

} // namespace

void VisitCostOfCredit(Tour& tour, const std::string& module)
{
    auto* page = tour.App().FinView()->Pages().Get<CostOfCreditPage>(PageId::CostOfCredit);
    if (!WaitFor(page))
        return tour.Fail("the cost of credit did not open");
    if (page->PaymentText() != "29" || page->TotalText() != "1078" || page->InterestText() != "78")
        tour.Fail("the cost of credit's example is not $29 a month, $1,078 in all and $78 of interest");
    tour.Capture("credit-cost-example", "Cost of credit: the example, $1000 at 5 % over 36 months");
    TypeInto(tour, page->Amount(), "2000", &page->Rate());
    if (page->ShowsExample() || page->TotalText() != "2157")
        tour.Fail("a new amount did not change the cost of credit");
    tour.Capture("credit-cost-2000", "Cost of credit: $2,000 at 5 % over 36 months");
    TypeInto(tour, page->Rate(), "18.5", &page->Months());
    TypeInto(tour, page->Months(), "300", &page->Amount());
    tour.Capture("credit-cost-dear",
                 "Cost of credit: $2,000 at 18.5 % over 25 years, more interest than principal");
    TypeInto(tour, page->Rate(), "0", &page->Months());
    tour.Capture("credit-cost-no-interest", "Cost of credit: a loan without interest, one whole slice");
    TypeInto(tour, page->Months(), "0", &page->Rate());
    tour.Capture("credit-cost-no-months", "Cost of credit: no months to repay, no pie");
    TypeInto(tour, page->Amount(), "1000000", &page->Rate());
    TypeInto(tour, page->Rate(), "12.75", &page->Months());
    TypeInto(tour, page->Months(), "360", &page->Amount());
    tour.Capture("credit-cost-largest", "Cost of credit: the largest loan, $1,000,000 over 30 years");
    tour.CaptureReport("cost-of-credit", 1134);
    VisitVideo(tour, module);
    tour.Drive().Click(kNavNext.x(), kNavNext.y()); // return
    if (!WaitFor(tour.App().FinView()->Chooser()))
        tour.Fail("the cost of credit's return did not lead to the chooser");
}

void VisitDebtLoad(Tour& tour, const std::string& module)
{
    CFinView* view = tour.App().FinView();
    auto* page = view->Pages().Get<DebtLoadPage>(PageId::DebtLoad);
    auto* result = view->Pages().Get<DebtLoadResultPage>(PageId::DebtLoadResult);
    if (!WaitFor(page))
        return tour.Fail("the debt load did not open");
    tour.Capture("credit-debt", "Debt load: income, housing and the payments to creditors");
    TypeInto(tour, page->Income(), "2400");
    TypeInto(tour, page->Housing(), "800");
    FillDetailedLine(tour, page->Lines(), 0, {"120", "", "80", "50"}, "credit-debt-loans");
    tour.Capture("credit-debt-filled", "Debt load: the loans add up to $250 a month");
    // Under the comfort level of $320, at it (a little above) and far above.
    struct Zone {
        std::vector<const char*> loans; // typed into the loan list first
        int payments;
        const char* video;
        const char* shot;
        const char* caption;
    };
    const Zone zones[] = {
        {{},
         250,
         "3_2_2a3.avi",
         "credit-debt-result-under",
         "Debt load: $250 under the comfort level of $320"},
        {{"", "", "", "", "110"},
         360,
         "3_2_2a2.avi",
         "credit-debt-result-caution",
         "Debt load: $360, a little over $320"},
        {{"", "", "", "", "", "120"},
         480,
         "3_2_2a1.avi",
         "credit-debt-result-over",
         "Debt load: $480, far over $320"},
    };
    for (const Zone& zone : zones) {
        if (!zone.loans.empty()) {
            tour.Drive().Click(kNavBack.x(), kNavBack.y());
            if (!WaitFor(page))
                return tour.Fail("back from the debt load's result did not show its input page");
            FillDetailedLine(tour, page->Lines(), 0, zone.loans, "");
        }
        tour.Drive().Click(kNavNext.x(), kNavNext.y());
        if (!WaitFor(result))
            return tour.Fail("the debt load did not lead to its result");
        if (result->Comfort() != 320 || result->Payments() != zone.payments ||
            CurrentMediaName() != zone.video)
            tour.Fail(std::string("the debt load's result is not the one of ") + zone.caption);
        GrowBar(tour, *result, zone.shot, zone.caption);
    }
    tour.CaptureReport("debt-load", 1136);
    VisitVideo(tour, module);
    // The lesson on reducing debt, and back to the result.
    const ImageButton& lesson = result->LessonButton();
    ClickPage(tour, lesson.X() + lesson.Width() / 2, lesson.Y() + lesson.Height() / 2);
    if (!WaitFor(view->Lesson()) || view->Lesson()->Key() != "reducing")
        return tour.Fail("the debt load's result did not open the lesson on reducing debt");
    VisitLesson(tour, module);
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    if (!WaitFor(result))
        return tour.Fail("the lesson on reducing debt did not return to the debt load's result");
    GrowBar(tour, *result, "", "Debt load's result again after the lesson");
    tour.Drive().Click(kNavNext.x(), kNavNext.y()); // return
    if (!WaitFor(view->Chooser()) || view->Chooser()->Key() != "CRED3")
        tour.Fail("the debt load's return did not lead to the section's chooser");
}

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
