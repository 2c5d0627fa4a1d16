#include "pages/money/AverageBudgetPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Keys.h"

using namespace platform;

namespace {

// The slider lies across the strip so that its thumb stands over x 34 at
// $1,000 and over x 281 at $5,000, where the chart writes the income.
constexpr Rect kSliderPlace{27, 296, 289, 318};
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr Point kStrip{0, 290};

// The ruler under the slider.
constexpr int kRulerFirst = 33;
constexpr int kRulerLast = 281;
constexpr int kRulerStep = 8;
constexpr int kRulerTop = 344;
constexpr int kRulerBottom = 350;

constexpr int kSourceX = 320;
constexpr const char* kSource[] = {"Source: Estimates adapted from", "The Bureau of Labor Statistics",
                                   "Consumer Expenditure Survey, 1997."};
constexpr int kSourceY[] = {345, 357, 369};
const Font kSourceFont{"Arial", 14, 400};

} // namespace

AverageBudgetPage::AverageBudgetPage(Window* view)
    : PageWindow(view), slider_(this),
      surface_(AverageBudgetChart::kSurface.cx, AverageBudgetChart::kSurface.cy)
{
    SetWindowText("IDD_Typ");
    record_.Reset();
    App().Art().LoadBitmapByName(strip_, "IDB_typ3");
    chart_.Compute(0);
    slider_.MoveWindow(kSliderPlace.left, kSliderPlace.top, kSliderPlace.Width(), kSliderPlace.Height());
    slider_.SetBackgroundColor(kNavy);
    slider_.SetScrollHandler([this](UINT, int position) {
        SetCursor(Cursor::Hand);
        ShowPosition(position);
    });
    slider_.SetKeyHandler([this](UINT key) { return OnSliderKey(key); });
    // The chart, its heading and the slider's ruler are drawn off screen,
    // where no screen reader sees their words.
    SetAccessibleName(AverageBudgetChart::kHeading);
    slider_.SetAccessibleName("Monthly income");
}

AverageBudgetPage::~AverageBudgetPage() = default;

bool AverageBudgetPage::OnSliderKey(UINT key)
{
    // Enter, Escape and Down do nothing here; Up would move the focus to the
    // control before the slider, and the slider is the page's only one.
    return key == VK_RETURN || key == VK_ESCAPE || key == VK_DOWN || key == VK_UP;
}

void AverageBudgetPage::OnPageShown()
{
    record_.Load();
    chart_.SetReference(record_.GetMonthlyNetIncome());
    slider_.SetPos(chart_.ReferencePosition());
    ShowPosition(slider_.GetPos());
}

void AverageBudgetPage::ShowPosition(int position)
{
    chart_.Compute(position);
    ClientDc dc(this);
    DrawChart(dc);
}

void AverageBudgetPage::DrawChart(Dc& dc)
{
    chart_.Draw(surface_.GetDc());
    const Size size = surface_.GetSize();
    dc.BitBlt(0, 0, size.cx, size.cy, surface_.GetBitmap(), 0, 0);
}

void AverageBudgetPage::OnPaint(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    EnableNav(true, false, false, true);
    App().Nav().DrawNavBar(dc);
    art.DrawBitmap(dc, strip_, kStrip.x, kStrip.y);
    DrawChart(dc);
    dc.SelectPen({PenStyle::Solid, 1, RGB(255, 255, 255)});
    for (int x = kRulerFirst; x <= kRulerLast; x += kRulerStep) {
        dc.MoveTo(x, kRulerTop);
        dc.LineTo(x, kRulerBottom);
    }
    dc.SelectFont(kSourceFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    for (size_t i = 0; i < std::size(kSource); ++i)
        dc.TextOut(kSourceX, kSourceY[i], kSource[i]);
    slider_.SetFocus();
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia("2_2_0a.avi");
}

void AverageBudgetPage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        SendToView(VM_PRINT_AVERAGE_BUDGET);
        break;
    case 3:
        PostToView(VM_AVERAGE_BUDGET_DONE);
        ShowWindow(SW_HIDE);
        break;
    default:
        break;
    }
}
