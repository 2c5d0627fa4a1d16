#include "pages/money/BudgetPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/NumberFormat.h"
#include "kit/TextDrawing.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Sound.h"

using namespace platform;

namespace {

struct Category {
    const char* label;
    int screen; // 0 or 1
};

constexpr Category kCategoryTable[BudgetPage::kCategories] = {
    {"Cash contributions: $", 0}, {"Food: $", 0},           {"Housing: $", 0},
    {"Utilities: $", 0},          {"Consumer debt: $", 0},  {"Savings: $", 0},
    {"Clothing: $", 0},           {"Transportation: $", 1}, {"Health care: $", 1},
    {"Insurance/pensions: $", 1}, {"Entertainment: $", 1},  {"Other expenditures: $", 1},
    {"Misc. expenses: $", 1},
};
constexpr int kSecondScreenFirst = 7;

const std::vector<std::string> kIntro = {
    "Enter the total amount you spend on each category.  See",
    "how much money you have remaining to potentially save",
    "or invest.",
};

// The labels, their boxes beside them, and the pay field above them on the
// page art's card.
constexpr int kLabelRight = 205;
constexpr int kFirstRow = 174;
constexpr int kRowStep = 23;
constexpr int kBoxLeft = 213;
constexpr Size kBox{78, 20};
constexpr int kBoxDrop = -3; // a box's top from its label's top
constexpr Rect kPayPlace{kBoxLeft, 123, kBoxLeft + 78, 143};
constexpr Point kArt{68, 108};

// What remains of the pay, on the art's plaque.
constexpr Point kRemaining{232, 357};
constexpr Rect kRemainingArea{228, 348, 228 + 120, 348 + 30};
const Font kRemainingFont{"Arial", 20, 800};

constexpr Point kScreenIndicator{80, 387};
const Font kScreenFont{"Arial", 16, 700};
constexpr COLORREF kNavy = RGB(0, 0, 128);
// What switching screens paints again.
constexpr Rect kCategoryArea{10, 100, 450, 330};
constexpr Rect kIndicatorArea{80, 387, 200, 410};

constexpr UINT kSuppressionMs = 500;

DetailLinesLook Look(int screen)
{
    DetailLinesLook look{DetailKind::Budget, "idb_net_tab", 71, -10, {136, 33}, {207, 153}};
    look.font = Font{"MS Sans Serif", 14, 600};
    look.firstLine = screen == 0 ? 0 : kSecondScreenFirst;
    return look;
}

} // namespace

BudgetPage::BudgetPage(Window* view)
    : PageWindow(view), pay_(this), lines_{{{*this, Look(0)}, {*this, Look(1)}}}
{
    SetWindowText("IDD_Budget");
    record_.Reset();
    pay_.MoveWindow(kPayPlace.left, kPayPlace.top, kPayPlace.Width(), kPayPlace.Height());
    // The pay's label is part of the page's picture.
    pay_.Edit().SetAccessibleName("Monthly take-home pay");
    for (int c = 0; c < kCategories; ++c) {
        const Category& category = kCategoryTable[c];
        const int row = category.screen == 0 ? c : c - kSecondScreenFirst;
        const int y = kFirstRow + kRowStep * row;
        lines_[static_cast<size_t>(category.screen)].Add(
            category.label, kLabelRight, y,
            {kBoxLeft, y + kBoxDrop, kBoxLeft + kBox.cx, y + kBoxDrop + kBox.cy});
    }
}

BudgetPage::~BudgetPage() = default;

void BudgetPage::TakeKey(const std::string& key)
{
    firstScreen_ = key != kSecondScreen;
}

EditControl& BudgetPage::Box(int category)
{
    return category < kSecondScreenFirst ? lines_[0].Box(category)
                                         : lines_[1].Box(category - kSecondScreenFirst);
}

long long BudgetPage::Remaining() const
{
    long long remaining = std::max(0, CFinData::ParseAmount(pay_.GetText()));
    for (const DetailLines& lines : lines_) {
        for (int i = 0; i < lines.Count(); ++i)
            remaining -= lines.BoxValue(i);
    }
    return remaining;
}

std::array<int, BudgetPage::kCompared> BudgetPage::ComparedTotals() const
{
    std::array<int, kCompared> totals{};
    for (size_t k = 0; k < totals.size(); ++k) {
        const int category = kComparedCategories[k];
        totals[k] = category < kSecondScreenFirst ? lines_[0].BoxValue(category)
                                                  : lines_[1].BoxValue(category - kSecondScreenFirst);
    }
    return totals;
}

void BudgetPage::OnPageShown()
{
    Load();
    firstPaint_ = true;
    for (DetailLines& lines : lines_)
        lines.SetSuppressed(false);
    pay_.SetHintSound(App().ContentPath() + "sounds\\a32_21.wav");
    pay_.PageShown();
}

void BudgetPage::Load()
{
    record_.Load();
    pay_.SetIntValue(record_.GetMonthlyNetIncome());
    ShowSums();
    ShowScreen(firstScreen_);
}

void BudgetPage::ShowSums()
{
    for (DetailLines& lines : lines_)
        lines.ShowSums(record_, [](int) { return true; });
}

void BudgetPage::ShowScreen(bool first)
{
    firstScreen_ = first;
    lines_[0].ShowBoxes(first);
    lines_[1].ShowBoxes(!first);
    InvalidateRect(kCategoryArea, false);
    InvalidateRect(kIndicatorArea, false);
}

void BudgetPage::CommitPay()
{
    // The detail panel saves the categories: start from what the file holds.
    record_.Load();
    record_.SetMonthlyNetIncome(pay_.GetText());
    record_.Save();
}

void BudgetPage::OnPageHidden()
{
    CommitPay();
    StopSound();
    for (DetailLines& lines : lines_)
        lines.SetSuppressed(true);
    pay_.PageHidden();
}

void BudgetPage::OnProgramBackground()
{
    for (DetailLines& lines : lines_)
        lines.EnableBoxes(false);
    FocusNeutral();
}

void BudgetPage::DrawRemaining(Dc& dc)
{
    const long long remaining = Remaining();
    dc.SelectFont(kRemainingFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(remaining < 0 ? RGB(255, 0, 0) : RGB(255, 255, 255));
    dc.TextOut(kRemaining.x, kRemaining.y, FormatThousands(remaining));
}

void BudgetPage::OnPaint(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (art_.IsEmpty())
        art.LoadBitmapByName(art_, "idb_bud1");
    art.DrawBitmap(dc, art_, kArt.x, kArt.y);
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia("2_2_1.avi");
    EnableNav(false, true, true, false);
    App().Nav().DrawNavBar(dc);
    DrawTextBlock(dc, kIntro);
    DrawHeading(dc, "Build a Monthly Budget");
    Shown().Draw(dc);
    dc.SelectFont(kScreenFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kNavy);
    dc.TextOut(kScreenIndicator.x, kScreenIndicator.y, firstScreen_ ? "Page 1 of 2" : "Page 2 of 2");
    DrawRemaining(dc);
    if (firstPaint_) {
        firstPaint_ = false;
        pay_.SetFocus();
    }
    SetTimer(kPageTimer, kSuppressionMs);
    Shown().EnableBoxes(true);
}

void BudgetPage::OnTimer(UINT id)
{
    if (id == kPageTimer)
        Shown().SetSuppressed(false);
}

void BudgetPage::OnMouseMove(UINT, Point point)
{
    if (Shown().HoverBesidePanel())
        return;
    const bool onButton = SharedMouseMove(point);
    if (Shown().Hover(point) && !onButton)
        SetCursor(Cursor::Hand);
}

void BudgetPage::OnLButtonDown(UINT flags, Point point)
{
    if (Shown().Press(point))
        return;
    StopSound();
    PageWindow::OnLButtonDown(flags, point);
}

void BudgetPage::OnLButtonUp(UINT, Point point)
{
    const int button = App().Nav().NavClick(point.x, point.y);
    if (button < 0)
        return;
    KillTimer(kPageTimer);
    FocusNeutral();
    CommitPay();
    if (button == 2 && firstScreen_) {
        ShowScreen(false);
        return;
    }
    if (button == 1 && !firstScreen_) {
        ShowScreen(true);
        return;
    }
    if (button == 2)
        SendToView(VM_BUDGET_RESULTS);
    else if (button == 1)
        SendToView(VM_CHOOSER_MAN3);
    ShowWindow(SW_HIDE);
}

LRESULT BudgetPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_FIELD_LEFT || message == WM_FIELD_CHANGED) {
        InvalidateRect(kRemainingArea, false);
        return 0;
    }
    if (message == WM_DETAIL_CLOSED) {
        record_.Load();
        Shown().PanelClosed();
        Invalidate(false);
        FocusNeutral();
        return 0;
    }
    return PageWindow::WindowProc(message, wParam, lParam);
}
