#include "pages/money/BudgetResultsPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/TextDrawing.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"

using namespace platform;

namespace {

const std::vector<std::string> kIntro = {
    "Now you can compare your monthly budget with that of an average",
    "American household. Note how it differs from yours.",
};

constexpr int kSourceX = 120;
constexpr int kSourceRight = 318; // clear of the back button
constexpr const char* kSource[] = {"Source: Estimates adapted from", "The Bureau of Labor Statistics",
                                   "Consumer Expenditure Survey, 1997."};
constexpr int kSourceY[] = {390, 402, 414};
const Font kSourceFont{"Arial", 14, 400};

} // namespace

BudgetResultsPage::BudgetResultsPage(Window* view) : PageWindow(view)
{
    SetWindowText("IDD_Comp");
    record_.Reset();
    chart_.Compute(user_, 0);
}

void BudgetResultsPage::OnPaint(Dc& dc)
{
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia("2_2_1a.avi");
    record_.Load();
    chart_.Compute(user_, record_.GetMonthlyNetIncome());
    App().Art().DrawModuleBackground(dc);
    chart_.Draw(dc);
    DrawHeading(dc, "Budget Results");
    dc.SelectFont(kSourceFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    const int right = dc.SetTextRight(kSourceRight);
    for (size_t i = 0; i < std::size(kSource); ++i)
        dc.TextOut(kSourceX, kSourceY[i], kSource[i]);
    dc.SetTextRight(right);
    EnableNav(true, true, false, true);
    App().Nav().DrawNavBar(dc);
    DrawTextBlock(dc, kIntro);
}

void BudgetResultsPage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        SendToView(VM_PRINT_BUDGET_RESULTS);
        break;
    case 1:
        PostToView(VM_BUDGET_QUICK);
        ShowWindow(SW_HIDE);
        break;
    case 3:
        PostToView(VM_BUDGET_RESULTS_DONE);
        ShowWindow(SW_HIDE);
        break;
    default:
        break;
    }
}
