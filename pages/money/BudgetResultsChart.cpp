#include "pages/money/BudgetResultsChart.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NumberFormat.h"

#include <algorithm>

using namespace platform;

namespace {

using Chart = BudgetResultsChart;

constexpr Point kArt{140, 90};
// Bars as thick as half the plot's height allows, and the pitch of the
// bars by the same reckoning.
constexpr int kThickness = std::min(23, Chart::kHeight / 2 / Chart::kBars);
constexpr int kPitch = kThickness + 10 < Chart::kHeight / Chart::kBars ? 14 : Chart::kHeight / Chart::kBars;
constexpr int kFirstBar = 5;  // the first bar's top below the plot's
constexpr int kUserRaise = 3; // the user's bars stand this much higher
constexpr int kLabelGap = 10; // the categories end this far left of the bars

const Font kCategoryFont{"Arial", 14, 600};
const Font kValueFont{"Arial", 15, 800};
const Font kGridFont{"Arial", 11, 400};
constexpr COLORREF kAverage = RGB(0, 255, 0);
constexpr COLORREF kAverageShadow = RGB(0, 128, 0);
constexpr COLORREF kUser = RGB(255, 255, 255);
constexpr COLORREF kUserShadow = RGB(128, 128, 128);
constexpr COLORREF kGrid = RGB(173, 173, 173);
constexpr int kGridBottom = 366;
constexpr int kGridLabelY = 368;
constexpr int kGridLines = 6; // at most, past the zero line

bool IsAverage(int bar)
{
    return bar % 2 == 0;
}

// A round step for the grid (1, 2, 2.5 or 5 times a power of ten, in whole
// dollars), the smallest that draws no more than kGridLines lines.
long long GridStep(long long top)
{
    for (long long power = 1;; power *= 10) {
        // 2.5 dollars rounds down to 2, which comes before it anyway.
        for (long long step : {power, 2 * power, 5 * power / 2, 5 * power}) {
            if (top / step <= kGridLines)
                return step;
        }
    }
}

} // namespace

void BudgetResultsChart::Compute(const std::array<int, kSpendingCategories>& user, int pay)
{
    pay_ = std::max(0, pay);
    largest_ = 0;
    for (int c = 0; c < kSpendingCategories; ++c) {
        values_[static_cast<size_t>(2 * c + 1)] = std::max(0, user[static_cast<size_t>(c)]);
        values_[static_cast<size_t>(2 * c)] = AverageAmount(pay_, c);
    }
    for (int value : values_)
        largest_ = std::max(largest_, value);
}

int BudgetResultsChart::Length(int bar) const
{
    const double scale = static_cast<double>(kWidth) / ScaleTop();
    return static_cast<int>(Value(bar) * scale);
}

int BudgetResultsChart::BarTop(int bar) const
{
    return kTop + kFirstBar + bar * kPitch - (IsAverage(bar) ? 0 : kUserRaise);
}

void BudgetResultsChart::Draw(Dc& dc)
{
    Artwork& art = App().Art();
    if (art_.IsEmpty())
        art.LoadBitmapByName(art_, "IDB_budrez");
    art.DrawBitmap(dc, art_, kArt.x, kArt.y);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectFont(kCategoryFont);
    dc.SetTextColor(RGB(0, 0, 0));
    UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
    for (int c = 0; c < kSpendingCategories; ++c)
        dc.TextOut(kLeft - kLabelGap, 6 + kThickness / 2 + 2 * kPitch * c + kTop,
                   kSpending[static_cast<size_t>(c)].label);
    dc.SetTextAlign(align);
    DrawGrid(dc);
    DrawBars(dc);
}

void BudgetResultsChart::DrawGrid(Dc& dc)
{
    const long long top = ScaleTop();
    const long long step = GridStep(top);
    dc.SelectFont(kGridFont);
    dc.SetTextColor(kGrid);
    dc.SelectPen({PenStyle::Solid, 1, kGrid});
    const UINT align = dc.SetTextAlign(TA_CENTER | TA_TOP);
    for (long long value = step; value <= top; value += step) {
        const int x = kLeft + static_cast<int>(value * kWidth / top);
        dc.MoveTo(x, kTop);
        dc.LineTo(x, kGridBottom);
        dc.TextOut(x, kGridLabelY, "$" + FormatThousands(value));
    }
    dc.SetTextAlign(align);
}

void BudgetResultsChart::DrawBars(Dc& dc)
{
    dc.SelectFont(kValueFont);
    for (int bar = 0; bar < kBars; ++bar) {
        const bool average = IsAverage(bar);
        const int length = Length(bar);
        const int top = BarTop(bar);
        const int left = std::min(kLeft, kLeft + length);
        const int right = std::max(kLeft, kLeft + length);
        dc.FillSolidRect({left, top, right, top + kThickness}, average ? kAverage : kUser);
        // The shadow under the bar and at its end.
        const COLORREF shadow = average ? kAverageShadow : kUserShadow;
        dc.FillSolidRect({left + 1, top + kThickness, right + 1, top + kThickness + 1}, shadow);
        dc.FillSolidRect({kLeft + length, top + 1, kLeft + length + 1, top + kThickness + 1}, shadow);
        dc.SetTextColor(average ? kAverage : kUser);
        const int y = bar * kPitch + kThickness / 2 + kTop + (average ? 4 : 2) - 6;
        dc.TextOut(kLeft + 2 + length, y, "$" + FormatThousands(Value(bar)));
    }
}
