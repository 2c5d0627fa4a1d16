// The monthly budget as a user builds it: the pay, the categories filled in
// the detail panel over two screens, what remains in white or red, the
// results beside an average household's and what all of it keeps in the
// saved-work file; then the average budget and its income slider.
#include "kit/DetailPanel.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/money/AverageBudgetPage.h"
#include "pages/money/BudgetPage.h"
#include "pages/money/BudgetResultsPage.h"
#include "tests/support/Exercise.h"
#include "tests/support/Screen.h"

#include <QGuiApplication>
#include <QTest>
#include <tuple>

using namespace platform;
using namespace places;

namespace {

constexpr int kPay = 2000;
// Where the page writes what remains of the pay.
const QRect kRemaining(228, 348, 120, 30);

class Budget : public ExerciseTest {
protected:
    void SetUp() override { OpenSection(2, 2); }

    BudgetPage* OpenBudget()
    {
        Choose(0);
        auto* budget = Get<BudgetPage>(PageId::Budget);
        EXPECT_TRUE(Shows(budget));
        Grab(*budget);
        return budget;
    }
    void TypePay(BudgetPage& budget, const char* text)
    {
        const Rect place = budget.Pay().GetWindowRect();
        ClickPage(place.left + 20, place.top + 10);
        budget.Pay().Edit().SelectAll();
        drive.Type(text);
    }
    // Opens a category's panel by a click on its label and types its rows.
    void FillCategory(BudgetPage& budget, int category, const std::vector<const char*>& rows)
    {
        const Rect box = budget.Box(category).GetWindowRect();
        ClickPage(box.left - 30, box.top + 10);
        DetailPanel* panel = program.app().Windows().detailPanel;
        ASSERT_TRUE(panel->IsShowing()) << "category " << category;
        for (size_t r = 0; r < rows.size(); ++r) {
            panel->Row(static_cast<int>(r)).SetFocus();
            drive.Type(rows[r]);
        }
        drive.Key(Qt::Key_Escape);
        ASSERT_FALSE(panel->IsShowing());
    }
    bool RemainingIn(BudgetPage& budget, COLORREF colour)
    {
        return ContainsColour(Grab(budget), kRemaining, colour, 10);
    }
};

} // namespace

TEST_F(Budget, PayAndCategoriesOverTwoScreensLeadToTheResultsAndStayInTheFile)
{
    BudgetPage* budget = OpenBudget();
    ASSERT_TRUE(budget->FirstScreen());
    // Before anything is saved the pay is the record's default, 1,000.
    EXPECT_EQ(budget->Remaining(), 1000);
    TypePay(*budget, "");
    drive.Key(Qt::Key_Delete);
    EXPECT_EQ(budget->Pay().GetText(), "");
    EXPECT_EQ(budget->Remaining(), 0); // an empty pay counts 0
    EXPECT_EQ(CurrentMediaName(), "2_2_1.avi");

    TypePay(*budget, "2000");
    EXPECT_EQ(budget->Remaining(), kPay);
    EXPECT_TRUE(RemainingIn(*budget, RGB(255, 255, 255)));
    EXPECT_FALSE(RemainingIn(*budget, RGB(255, 0, 0)));

    FillCategory(*budget, 2, {"1500", "150"}); // housing
    FillCategory(*budget, 1, {"400", "100"});  // food
    // The box shows the panel's plain sum; what remains reads its digits.
    EXPECT_EQ(budget->Box(2).GetText(), "1650");
    EXPECT_EQ(budget->Box(1).GetText(), "500");
    EXPECT_EQ(budget->Remaining(), -150);
    EXPECT_TRUE(RemainingIn(*budget, RGB(255, 0, 0)));

    // Forward on the first screen turns to the second.
    Click(kNavNext);
    ASSERT_TRUE(Visible(budget));
    EXPECT_FALSE(budget->FirstScreen());
    EXPECT_FALSE(budget->Box(2).IsShown());
    EXPECT_TRUE(budget->Box(7).IsShown());
    Grab(*budget);
    FillCategory(*budget, 7, {"250", "", "50"}); // transportation
    FillCategory(*budget, 12, {"20"});           // misc. expenses
    EXPECT_EQ(budget->Remaining(), -470);

    // Forward on the second screen leaves for the results.
    Click(kNavNext);
    auto* results = Get<BudgetResultsPage>(PageId::BudgetResults);
    ASSERT_TRUE(Shows(results));
    EXPECT_FALSE(Visible(budget));
    Grab(*results);
    const BudgetResultsChart& chart = results->Chart();
    EXPECT_EQ(chart.Pay(), kPay);
    EXPECT_EQ(chart.User(2), 1650);
    EXPECT_EQ(chart.User(1), 500);
    EXPECT_EQ(chart.User(5), 300);    // transportation, the sixth compared
    EXPECT_EQ(chart.User(10), 20);    // misc. expenses, the last
    EXPECT_EQ(chart.Average(2), 612); // housing at 2000 a month
    EXPECT_EQ(chart.Average(1), 274);
    EXPECT_EQ(chart.Average(5), 414);
    EXPECT_EQ(chart.Largest(), 1650);
    EXPECT_EQ(chart.Length(5), static_cast<int>(1650 * 310.0 / ((1650 / 8 + 1) * 10)));
    EXPECT_EQ(CurrentMediaName(), "2_2_1a.avi");

    // Every amount stands at its place in the file.
    const FinRecord saved = SavedBytes();
    EXPECT_EQ(saved.monthlyNetIncome, kPay);
    EXPECT_EQ(offsetof(FinRecord, monthlyNetIncome), 0x298u);
    EXPECT_EQ(saved.budgetHousing[0], 1500);
    EXPECT_EQ(saved.budgetHousing[1], 150);
    EXPECT_EQ(saved.budgetHousing[2], -1);
    EXPECT_EQ(saved.budgetFood[0], 400);
    EXPECT_EQ(saved.budgetFood[1], 100);
    EXPECT_EQ(saved.budgetTransportation[0], 250);
    EXPECT_EQ(saved.budgetTransportation[1], -1);
    EXPECT_EQ(saved.budgetTransportation[2], 50);
    EXPECT_EQ(saved.budgetMisc[0], 20);

    // The report sets the two budgets side by side, the pay in its introduction.
    const ReportData report = view().Reports().Collect(VM_PRINT_BUDGET_RESULTS);
    ASSERT_EQ(report.values.size(), 23u);
    EXPECT_EQ(report.values[0], "2,000");
    EXPECT_EQ(report.values[5], "$612");
    EXPECT_EQ(report.values[6], "$1,650");

    // Back leads to the budget's second screen, then its first, then the chooser.
    Click(kNavBack);
    ASSERT_TRUE(Shows(budget));
    EXPECT_FALSE(budget->FirstScreen());
    EXPECT_EQ(budget->Box(7).GetText(), "300");
    Click(kNavBack);
    EXPECT_TRUE(budget->FirstScreen());
    ASSERT_TRUE(Visible(budget));
    Click(kNavBack);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_FALSE(Visible(budget));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Budget, EmptyBudgetGivesEmptyBoxesAndBarsOfNoLength)
{
    BudgetPage* budget = OpenBudget();
    for (int c = 0; c < BudgetPage::kCategories; ++c)
        EXPECT_EQ(budget->Box(c).GetText(), "") << c;
    // A category whose panel is left empty stays empty and adds nothing.
    FillCategory(*budget, 4, {});
    EXPECT_EQ(budget->Box(4).GetText(), "");
    EXPECT_EQ(budget->Remaining(), 1000); // the default pay, untouched
    EXPECT_TRUE(RemainingIn(*budget, RGB(255, 255, 255)));
    Click(kNavNext);
    Click(kNavNext);
    auto* results = Get<BudgetResultsPage>(PageId::BudgetResults);
    ASSERT_TRUE(Shows(results));
    const QImage shot = Grab(*results);
    const BudgetResultsChart& chart = results->Chart();
    for (int category = 0; category < kSpendingCategories; ++category) {
        EXPECT_EQ(chart.User(category), 0) << category;
        EXPECT_EQ(chart.Length(2 * category + 1), 0) << category;
        EXPECT_GT(chart.Length(2 * category), 0) << category; // the averages of the default pay
    }
    // Each user bar still says "$0" in white at the start of the plot.
    for (int category = 0; category < kSpendingCategories; ++category) {
        const int top = chart.BarTop(2 * category + 1);
        EXPECT_TRUE(ContainsColour(shot, QRect(142, top - 3, 20, 14), RGB(255, 255, 255)));
    }
}

TEST_F(Budget, TheSecondScreenOpensTheRightCategoriesAndTheViewCanOpenEitherScreen)
{
    CFinData record;
    record.Reset();
    record.SetBudgetHealth(3, "1,250"); // as a box would show it
    record.SetBudgetEntertainment(7, "80");
    ASSERT_TRUE(record.Save());
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_BUDGET_QUICK); // back from the results: the second screen
    auto* budget = Get<BudgetPage>(PageId::Budget);
    ASSERT_TRUE(Shows(budget));
    Grab(*budget);
    EXPECT_FALSE(budget->FirstScreen());
    EXPECT_EQ(budget->Box(8).GetText(), "1,250");
    EXPECT_EQ(budget->Box(10).GetText(), "80");
    // The panel opens on the category under the label, with its own rows.
    const Rect health = budget->Box(8).GetWindowRect();
    ClickPage(health.left - 30, health.top + 10);
    DetailPanel* panel = program.app().Windows().detailPanel;
    ASSERT_TRUE(panel->IsShowing());
    EXPECT_EQ(panel->RowCount(), 4);
    EXPECT_STREQ(panel->RowLabel(3), "Health insurance: $");
    EXPECT_EQ(panel->Row(3).GetText(), "1250");
    // The program left for another with the panel open: the rows are saved
    // and the box shows their total.
    panel->Row(0).SetText("30");
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(panel->IsShowing());
    EXPECT_EQ(budget->Box(8).GetText(), "1280");
    EXPECT_EQ(SavedBytes().budgetHealth[0], 30);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    // The results read the boxes' digits, separators and all.
    Click(kNavNext);
    auto* results = Get<BudgetResultsPage>(PageId::BudgetResults);
    ASSERT_TRUE(Shows(results));
    Grab(*results);
    EXPECT_EQ(results->Chart().User(6), 1280); // health care
    EXPECT_EQ(results->Chart().User(8), 80);   // entertainment

    view().SendMessage(VM_BUDGET_DETAILED);
    ASSERT_TRUE(Shows(budget));
    EXPECT_TRUE(budget->FirstScreen());
}

TEST_F(Budget, AverageBudgetSliderStartsAtThePayAndSnapsToIt)
{
    CFinData record;
    record.Reset();
    record.SetMonthlyNetIncome("1234");
    ASSERT_TRUE(record.Save());
    Choose(1);
    auto* average = Get<AverageBudgetPage>(PageId::AverageBudget);
    ASSERT_TRUE(Shows(average));
    Grab(*average);
    Slider& slider = average->IncomeSlider();
    EXPECT_EQ(slider.GetPos(), 5);
    EXPECT_EQ(average->Chart().Income(), 1234);
    EXPECT_EQ(CurrentMediaName(), "2_2_0a.avi");
    // One step right still snaps to the pay; the next does not.
    QTest::keyClick(slider.Widget(), Qt::Key_Right);
    EXPECT_EQ(average->Chart().Position(), 6);
    EXPECT_EQ(average->Chart().Income(), 1234);
    QTest::keyClick(slider.Widget(), Qt::Key_Right);
    EXPECT_EQ(average->Chart().Income(), 1280);
    // The page keeps Down for itself.
    QTest::keyClick(slider.Widget(), Qt::Key_Down);
    EXPECT_EQ(slider.GetPos(), 7);
    // A click far along the track moves it a page ($800) towards the click.
    QWidget* bar = slider.Widget();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() - 3, bar->height() / 2));
    EXPECT_EQ(slider.GetPos(), 27);
    EXPECT_EQ(average->Chart().Income(), 2080);
    // End takes it to the far end.
    QTest::keyClick(slider.Widget(), Qt::Key_End);
    EXPECT_EQ(average->Chart().Income(), 5000);
    EXPECT_EQ(average->Chart().Bracket(), 2);
    const ReportData report = view().Reports().Collect(VM_PRINT_AVERAGE_BUDGET);
    ASSERT_EQ(report.values.size(), 12u);
    EXPECT_EQ(report.values[0], "$5,000");
    EXPECT_EQ(report.values[3], "$1,507"); // housing
    // The income is written under the thumb.
    const QImage shot = Grab(*average);
    EXPECT_TRUE(ContainsColour(shot, QRect(253, 322, 40, 14), RGB(255, 255, 255)));

    // Return goes back to the chooser.
    Click(kNavNext);
    ASSERT_TRUE(Shows(view().Chooser()));
}

TEST_F(Budget, AverageBudgetKeepsAPayOutsideTheSliderAtItsEnds)
{
    for (const auto& [pay, position, income] :
         {std::tuple{"", 0, 1000}, std::tuple{"500", 0, 1000}, std::tuple{"9000", 100, 5000}}) {
        CFinData record;
        record.Reset();
        record.SetMonthlyNetIncome(pay);
        ASSERT_TRUE(record.Save());
        view().SendMessage(VM_HIDE_PAGES);
        view().SendMessage(VM_SHOW_AVERAGE_BUDGET);
        auto* average = Get<AverageBudgetPage>(PageId::AverageBudget);
        ASSERT_TRUE(Shows(average));
        EXPECT_EQ(average->IncomeSlider().GetPos(), position) << pay;
        EXPECT_EQ(average->Chart().Income(), income) << pay;
        average->ShowWindow(SW_HIDE);
    }
}
