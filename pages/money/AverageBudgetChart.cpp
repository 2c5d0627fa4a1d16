#include "pages/money/AverageBudgetChart.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NumberFormat.h"
#include "kit/Pie3D.h"
#include "kit/TextDrawing.h"

#include <algorithm>
#include <cstdlib>

using namespace platform;

namespace {

// Where each slice ends, in hundredths of the way round, by bracket. The
// last slice ends past the full circle: the shares add up to more.
constexpr int kBoundaries[3][kSpendingCategories] = {
    {3, 18, 50, 58, 62, 80, 87, 92, 96, 99, 101},
    {3, 16, 46, 52, 56, 76, 81, 91, 96, 99, 101},
    {3, 15, 45, 50, 55, 73, 77, 91, 96, 99, 101},
};

constexpr COLORREF kSliceColours[kSpendingCategories] = {
    RGB(255, 0, 0),   RGB(0, 0, 255),   RGB(255, 0, 255), RGB(0, 128, 0),
    RGB(0, 128, 128), RGB(0, 255, 255), RGB(255, 255, 0), RGB(160, 160, 164),
    RGB(0, 255, 0),   RGB(128, 0, 0),   RGB(128, 0, 128),
};

const Pie3D kPie{{280, 85, 470, 155}, 15};

// Where each slice's share is written (the middle of the text), by bracket:
// a wide slice on its top, a narrow one in front on its rim, and the
// slivers that meet at the right-hand tip beside it, in their order there.
// clang-format off
constexpr Point kPercentAt[3][kSpendingCategories] = {
    {{484, 92}, {396, 87}, {358, 87}, {317, 141}, {350, 147}, {375, 124}, {405, 146}, {429, 142}, {451, 134}, {484, 120}, {484, 106}},
    {{484, 92}, {399, 88}, {364, 86}, {305, 114}, {315, 140}, {368, 124}, {389, 149}, {424, 144}, {449, 135}, {484, 120}, {484, 106}},
    {{484, 92}, {401, 88}, {365, 86}, {302, 110}, {308, 138}, {365, 124}, {383, 148}, {396, 128}, {449, 135}, {484, 120}, {484, 106}},
};
// clang-format on

const std::vector<std::string> kIntro = {
    "This chart shows what an average", "American family says they spend",  "monthly. Enter your monthly",
    "income to see how your expenses",  "compare in your income category.",
};

constexpr Point kArtAt[3] = {{261, 20}, {0, 152}, {0, 290}};
constexpr const char* kArtNames[3] = {"IDB_typ1", "IDB_typ2", "IDB_typ3"};

// The legend: three columns of rows, each an amount right-aligned before
// a swatch of the slice's colour, and the category's label to the left.
struct LegendRow {
    int x; // the column
    int y;
};
constexpr LegendRow kLegend[kSpendingCategories] = {
    {100, 212 - 7}, {100, 230 - 4}, {100, 248}, {252, 194}, {252, 212}, {252, 230},
    {252, 248},     {404, 194},     {404, 212}, {404, 230}, {404, 248},
};
constexpr int kLabelLead = 82; // the label starts this far left of the column
constexpr Point kCashFirstLine{18, 192};
constexpr int kLabelGap = 4; // between a label and the widest amount after it
const Font kLegendFont{"Arial", 14, 800};
const Font kPercentFont{"Arial", 14, 800};
const Font kIncomeFont{"Arial", 18, 800};
constexpr int kIncomeY = 320;
constexpr int kTickTop = 336;
constexpr int kTickBottom = 342;

// Where the amounts of a column end: further right in the last column.
int AmountRight(const LegendRow& row)
{
    return row.x + (row.x > 300 ? 57 : 35);
}

// The widest the amount of a category gets over the slider's incomes.
int WidestAmount(int category)
{
    static const std::array<int, kSpendingCategories> widest = [] {
        std::array<int, kSpendingCategories> most{};
        for (int income = AverageBudgetChart::kLowest; income <= AverageBudgetChart::kHighest; ++income) {
            for (int c = 0; c < kSpendingCategories; ++c)
                most[static_cast<size_t>(c)] =
                    std::max(most[static_cast<size_t>(c)], AverageAmount(income, c));
        }
        return most;
    }();
    return widest[static_cast<size_t>(category)];
}

std::string Dollars(int amount)
{
    return "$" + FormatThousands(amount);
}

} // namespace

void AverageBudgetChart::SetReference(int income)
{
    reference_ = std::clamp(income, kLowest, kHighest);
}

void AverageBudgetChart::Compute(int position)
{
    position_ = std::clamp(position, 0, 100);
    income_ = kLowest + kStep * position_;
    if (std::abs(income_ - reference_) < kSnap)
        income_ = reference_;
    bracket_ = IncomeBracket(income_);
    for (int c = 0; c < kSpendingCategories; ++c)
        amounts_[static_cast<size_t>(c)] = AverageAmount(income_, c);
}

void AverageBudgetChart::Draw(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    DrawTextBlock(dc, kIntro);
    DrawHeading(dc, kHeading);
    for (int i = 0; i < 3; ++i) {
        if (art_[i].IsEmpty())
            art.LoadBitmapByName(art_[i], kArtNames[i]);
        art.DrawBitmap(dc, art_[i], kArtAt[i].x, kArtAt[i].y);
    }
    DrawPie(dc);
    DrawLegend(dc);
    DrawPercentages(dc);
    DrawIncome(dc);
}

void AverageBudgetChart::DrawPie(Dc& dc)
{
    std::array<Point, kSpendingCategories + 1> boundaries;
    boundaries[0] = kPieStart;
    for (int c = 0; c + 1 < kSpendingCategories; ++c)
        boundaries[static_cast<size_t>(c + 1)] = PieBoundary(kBoundaries[bracket_][c]);
    boundaries[kSpendingCategories] = kPieStart;
    DrawPie3D(dc, kPie, boundaries, kSliceColours);
}

void AverageBudgetChart::DrawLegend(Dc& dc)
{
    dc.SelectFont(kLegendFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    for (int c = 0; c < kSpendingCategories; ++c) {
        const LegendRow& row = kLegend[c];
        const int d = AmountRight(row);
        const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
        dc.TextOut(d, row.y, Dollars(amounts_[static_cast<size_t>(c)]));
        dc.SetTextAlign(align);
        dc.FillSolidRect({d + 2, row.y, d + 14, row.y + 14}, RGB(0, 0, 0));
        dc.FillSolidRect({d + 3, row.y + 1, d + 12, row.y + 12}, kSliceColours[c]);
        // A label keeps clear of the widest amount its row can show.
        const int right = dc.SetTextRight(d - dc.GetTextExtent(Dollars(WidestAmount(c))).cx - kLabelGap);
        if (c == 0) {
            dc.TextOut(kCashFirstLine.x, kCashFirstLine.y, "Cash");
            dc.TextOut(row.x - kLabelLead, row.y, "contributions:");
        } else {
            dc.TextOut(row.x - kLabelLead, row.y, kSpending[static_cast<size_t>(c)].label);
        }
        dc.SetTextRight(right);
    }
}

void AverageBudgetChart::DrawPercentages(Dc& dc)
{
    dc.SelectFont(kPercentFont);
    dc.SetBkMode(TRANSPARENT);
    const UINT align = dc.SetTextAlign(TA_CENTER | TA_TOP);
    for (int c = 0; c < kSpendingCategories; ++c) {
        const Point at = kPercentAt[bracket_][c];
        const char* text = kSpending[static_cast<size_t>(c)].pieLabels[static_cast<size_t>(bracket_)];
        // A dark edge keeps the white figures readable on light slices.
        dc.SetTextColor(RGB(0, 0, 0));
        for (const Point& o : {Point{-1, 0}, Point{1, 0}, Point{0, -1}, Point{0, 1}})
            dc.TextOut(at.x + o.x, at.y - 7 + o.y, text);
        dc.SetTextColor(RGB(255, 255, 255));
        dc.TextOut(at.x, at.y - 7, text);
    }
    dc.SetTextAlign(align);
}

void AverageBudgetChart::DrawIncome(Dc& dc)
{
    const int x = static_cast<int>(position_ * 2.47 + 6);
    dc.SelectFont(kIncomeFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(x, kIncomeY, Dollars(income_));
    const int tick = static_cast<int>(position_ * 2.47 + 34);
    dc.SelectPen({PenStyle::Solid, 1, RGB(255, 255, 255)});
    dc.MoveTo(tick, kTickTop);
    dc.LineTo(tick, kTickBottom);
}
