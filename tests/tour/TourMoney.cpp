// The tour's walks through the money-management exercises.
#include "app/CFinApp.h"
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "app/LessonPage.h"
#include "kit/DetailPanel.h"
#include "pages/money/AssetsPage.h"
#include "pages/money/AverageBudgetPage.h"
#include "pages/money/BudgetPage.h"
#include "pages/money/BudgetResultsPage.h"
#include "pages/money/ChecklistPage.h"
#include "pages/money/EmergenciesPage.h"
#include "pages/money/LiabilitiesPage.h"
#include "pages/money/NetWorthPage.h"
#include "pages/money/SaveMorePage.h"
#include "tests/tour/TourVisits.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QTest>

using namespace places;

namespace {

// Types `amounts` into the quick fields of a worksheet, one a line.
void TypeQuickAmounts(Tour& tour, NetWorthSheet& sheet, const std::vector<const char*>& amounts)
{
    for (size_t i = 0; i < amounts.size(); ++i) {
        const platform::Rect place = sheet.QuickField(static_cast<int>(i)).GetWindowRect();
        if (!*amounts[i])
            continue;
        tour.Drive().Click(kPageX + place.left + 20, kPageY + place.top + 10);
        sheet.QuickField(static_cast<int>(i)).Edit().SelectAll();
        tour.Drive().Type(amounts[i]);
    }
}

void VisitNetWorth(Tour& tour, bool detailed)
{
    CFinView* view = tour.App().FinView();
    auto* assets = view->Pages().Get<AssetsPage>(PageId::Assets);
    auto* liabilities = view->Pages().Get<LiabilitiesPage>(PageId::Liabilities);
    auto* result = view->Pages().Get<NetWorthPage>(PageId::NetWorth);
    const std::string mode = detailed ? "detailed" : "quick";
    if (detailed) {
        auto* checklist = view->Pages().Get<ChecklistPage>(PageId::Checklist);
        const platform::Rect label = checklist->LabelRect(6);
        ClickPage(tour, label.left + 10, label.top + 8);
        tour.Capture("money-checklist", "Detailed analysis: the records to gather");
        tour.CaptureReport("checklist", 1108);
        tour.Drive().Click(kNavNext.x(), kNavNext.y());
        if (!WaitFor(assets))
            return tour.Fail("the checklist did not lead to the assets");
        tour.Capture("money-assets-detailed", "Detailed assets, before any entry");
        FillDetailedLine(tour, assets->Lines(), 0, {"120", "35", "1250"}, "money-assets-panel");
        FillDetailedLine(tour, assets->Lines(), 3, {"185000"}, "");
        FillDetailedLine(tour, assets->Lines(), 4, {"9500", "4200"}, "");
        tour.Capture("money-assets-detailed-filled", "Detailed assets with their sums");
    } else {
        tour.Capture("money-assets-quick", "Quick assets, before any entry");
        TypeQuickAmounts(tour, *assets, {"1500", "2400", "6000", "185000", "9500", "4000", "12000", "500"});
        tour.Capture("money-assets-quick-filled", "Quick assets with amounts");
    }
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    if (!WaitFor(liabilities))
        return tour.Fail("the assets did not lead to the liabilities (" + mode + ")");
    if (detailed) {
        FillDetailedLine(tour, liabilities->Lines(), 5, {"", "", "", "100"}, "money-liabilities-panel");
        FillDetailedLine(tour, liabilities->Lines(), 4, {"142000"}, "");
    } else {
        TypeQuickAmounts(tour, *liabilities, {"180", "2300", "8000", "15000", "140000", "900", "400"});
    }
    tour.Capture("money-liabilities-" + mode, "Liabilities (" + mode + ")");
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    if (!WaitFor(result))
        return tour.Fail("the liabilities did not lead to the net worth (" + mode + ")");
    tour.Capture("money-net-worth-" + mode, "Net worth (" + mode + ")");
    tour.CaptureReport("net-worth-" + mode, 1096);
    if (!detailed) {
        // Owing more than one owns.
        tour.Drive().Click(kNavBack.x(), kNavBack.y());
        if (!WaitFor(liabilities))
            return tour.Fail("back from the net worth did not show the liabilities");
        TypeQuickAmounts(tour, *liabilities, {"", "", "", "", "900000"});
        tour.Drive().Click(kNavNext.x(), kNavNext.y());
        if (!WaitFor(result) || result->NetWorth() >= 0)
            return tour.Fail("a larger debt did not make the net worth negative");
        tour.Capture("money-net-worth-negative", "Net worth below zero");
    }
    tour.Drive().Click(kNavNext.x(), kNavNext.y()); // return, where next stands
    if (!WaitFor(view->Chooser()))
        tour.Fail("the net worth's return did not lead to the chooser");
}

} // namespace

void VisitQuickNetWorth(Tour& tour, const std::string&)
{
    VisitNetWorth(tour, false);
}

void VisitDetailedNetWorth(Tour& tour, const std::string&)
{
    VisitNetWorth(tour, true);
}

namespace {

// A budget that spends less than its pay on the first screen and more than
// all of it by the end of the second.
struct CategoryEntry {
    int category;
    std::vector<const char*> rows;
};
const CategoryEntry kFirstScreen[] = {
    {0, {"50"}},  {1, {"300", "120"}}, {2, {"950", "110"}}, {3, {"60", "90", "45", "30"}},
    {4, {"150"}}, {5, {"100"}},        {6, {"40"}},
};
const CategoryEntry kSecondScreen[] = {
    {7, {"280", "95", "120"}}, {8, {"60", "15"}}, {9, {"40"}}, {10, {"50", "25"}}, {11, {"30"}}, {12, {"15"}},
};

void FillCategories(Tour& tour, BudgetPage& budget, int screen, const CategoryEntry* entries, size_t count,
                    const std::string& panelShot)
{
    for (size_t i = 0; i < count; ++i) {
        const int line = entries[i].category - (screen == 0 ? 0 : 7);
        FillDetailedLine(tour, budget.Lines(screen), line, entries[i].rows,
                         i == 2 ? panelShot : std::string());
    }
}

} // namespace

void VisitBudget(Tour& tour, const std::string&)
{
    CFinView* view = tour.App().FinView();
    auto* budget = view->Pages().Get<BudgetPage>(PageId::Budget);
    auto* results = view->Pages().Get<BudgetResultsPage>(PageId::BudgetResults);
    if (!WaitFor(budget))
        return tour.Fail("the budget did not open");
    tour.Capture("money-budget", "Monthly budget, before any entry");
    const platform::Rect pay = budget->Pay().GetWindowRect();
    ClickPage(tour, pay.left + 20, pay.top + 10);
    budget->Pay().Edit().SelectAll();
    tour.Drive().Type("2400");
    FillCategories(tour, *budget, 0, kFirstScreen, std::size(kFirstScreen), "money-budget-panel");
    tour.Capture("money-budget-first-screen", "Monthly budget, first screen filled");
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    if (budget->FirstScreen())
        return tour.Fail("next did not turn the budget to its second screen");
    FillCategories(tour, *budget, 1, kSecondScreen, std::size(kSecondScreen), "");
    if (budget->Remaining() >= 0)
        tour.Fail("a budget spending more than its pay did not go below zero");
    tour.Capture("money-budget-second-screen", "Monthly budget, second screen: more spent than earned");
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    if (!WaitFor(results))
        return tour.Fail("the budget did not lead to its results");
    tour.Capture("money-budget-results", "Budget results beside the average household's");
    tour.CaptureReport("budget-results", 1142);
    tour.Drive().Click(kNavNext.x(), kNavNext.y()); // return, where next stands
    if (!WaitFor(view->Chooser()))
        tour.Fail("the budget results' return did not lead to the chooser");
}

void VisitAverageBudget(Tour& tour, const std::string&)
{
    CFinView* view = tour.App().FinView();
    auto* average = view->Pages().Get<AverageBudgetPage>(PageId::AverageBudget);
    if (!WaitFor(average))
        return tour.Fail("the average budget did not open");
    const AverageBudgetChart& chart = average->Chart();
    if (chart.Income() != 2400)
        tour.Fail("the average budget did not start at the pay");
    tour.Capture("money-average-budget-pay", "Average budget at the user's pay (middle bracket)");
    // Dragged by its thumb to the lowest income, then the highest.
    QWidget* bar = average->IncomeSlider().Widget();
    const auto thumbAt = [&](int position) {
        return QPoint(34 + position * 247 / 100 - bar->x(), bar->height() / 2);
    };
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, thumbAt(chart.Position()));
    for (int position = chart.Position(); position >= 0; position -= 5)
        SendMouseMove(bar, thumbAt(position), Qt::LeftButton);
    SendMouseMove(bar, thumbAt(0), Qt::LeftButton);
    if (chart.Bracket() != 0)
        tour.Fail("dragging the slider to its start did not reach the lowest bracket");
    tour.Capture("money-average-budget-lowest", "Average budget while dragged to $1,000 (lowest bracket)");
    for (int position = 0; position <= 100; position += 5)
        SendMouseMove(bar, thumbAt(position), Qt::LeftButton);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, thumbAt(100));
    if (chart.Income() != 5000 || chart.Bracket() != 2)
        tour.Fail("dragging the slider to its end did not reach $5,000");
    tour.Capture("money-average-budget-highest", "Average budget at $5,000 (highest bracket)");
    tour.CaptureReport("average-budget", 1137);
    tour.Drive().Click(kNavNext.x(), kNavNext.y()); // return
    if (!WaitFor(view->Chooser()))
        tour.Fail("the average budget's return did not lead to the chooser");
}

void VisitSaveMore(Tour& tour, const std::string&)
{
    CFinView* view = tour.App().FinView();
    auto* page = view->Pages().Get<SaveMorePage>(PageId::SaveMore);
    if (!WaitFor(page))
        return tour.Fail("how to save more did not open");
    tour.Capture("money-save-more", "How to save more, before any entry");
    const char* amounts[] = {"15", "25", "20", "40", "100", "60", "8", "5"};
    for (int row = 0; row < SaveMorePage::kRows; ++row) {
        const platform::Rect place = page->Field(row).GetWindowRect();
        ClickPage(tour, place.left + 20, place.top + 10);
        tour.Drive().Type(amounts[row]);
    }
    tour.Drive().Key(Qt::Key_Return);
    if (page->YearlyTotal() != 12 * (15 + 20 + 40 + 100 + 60) + 52 * (25 + 8) + 250 * 5)
        tour.Fail("how to save more did not total a year of savings");
    tour.Capture("money-save-more-filled", "How to save more: a year of savings");
    tour.CaptureReport("save-more", 1140);
    tour.Drive().Click(kNavNext.x(), kNavNext.y()); // return, where next stands
    if (!WaitFor(view->Chooser()))
        tour.Fail("the return of how to save more did not lead to the chooser");
}

void VisitEmergencies(Tour& tour, const std::string& module)
{
    CFinView* view = tour.App().FinView();
    auto* page = view->Pages().Get<EmergenciesPage>(PageId::Emergencies);
    if (!WaitFor(page))
        return tour.Fail("the emergencies list did not open");
    tour.Capture("money-emergencies", "Your emergencies list, nothing chosen");

    // The first box's list, opened by its arrow.
    const platform::Rect first = page->Box(0).GetWindowRect();
    ClickPage(tour, first.right - 8, first.top + first.Height() / 2);
    auto* combo = static_cast<QComboBox*>(page->Box(0).Widget());
    QAbstractItemView* list = combo->view();
    if (!Driver::Until([&] { return page->Box(0).IsDropped(); }))
        return tour.Fail("the list of the first emergency did not open");
    tour.Capture("money-emergencies-list", "The alternatives of an emergency box", [&](QImage& shot) {
        // The list is a window of its own, which a grab of the main window leaves out.
        QWidget* popup = list->window();
        const QPoint origin =
            tour.App().MainFrame()->Widget()->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0)));
        QPainter(&shot).drawPixmap(origin, popup->grab());
    });
    Driver::Settle(QApplication::doubleClickInterval() + 50); // the opening click's end is ignored
    const QRect item = list->visualRect(list->model()->index(0, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    Driver::Until([&] { return !page->Box(0).IsDropped(); });

    // The second by the arrow keys, the third typed.
    const platform::Rect second = page->Box(1).GetWindowRect();
    ClickPage(tour, second.left + 20, second.top + second.Height() / 2);
    for (int i = 0; i < 4; ++i) // the first Down picks the first alternative
        tour.Drive().Key(Qt::Key_Down);
    const platform::Rect third = page->Box(2).GetWindowRect();
    ClickPage(tour, third.left + 20, third.top + third.Height() / 2);
    tour.Drive().Type("Flooded basement");
    if (page->Box(0).GetCurSel() != 0 || page->Box(1).GetCurSel() != 3)
        tour.Fail("the emergency boxes did not take their choices");
    tour.Capture("money-emergencies-filled", "Your emergencies list: chosen and typed emergencies");

    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    LessonPage* lesson = view->Lesson();
    if (!WaitFor(lesson) || lesson->Key() != "plan" || lesson->Topics().empty())
        return tour.Fail("the emergencies list did not lead to the plan");
    VisitLesson(tour, module);

    tour.Drive().Click(kNavBack.x(), kNavBack.y());
    if (!WaitFor(page))
        return tour.Fail("back from the plan did not show the emergencies list");
    if (page->Box(0).GetCurSel() != 0 || page->Box(2).GetText() != "Flooded basement")
        tour.Fail("the emergencies list did not keep its choices");
    tour.Capture("money-emergencies-again", "Your emergencies list, back from the plan");
    tour.Drive().Click(kNavBack.x(), kNavBack.y());
    if (!WaitFor(view->Chooser()))
        tour.Fail("back from the emergencies list did not lead to the chooser");
}
