#include "pages/planning/GoalsPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/NumberFormat.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/planning/GoalLimits.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace platform;

namespace {

// The same ten for each goal; the apostrophe is Windows-1252's right
// single quotation mark.
constexpr const char* kTypicalGoals[] = {
    "Buying a house",          "Paying off school loans",
    "Saving for retirement",   "Saving for kids\x92 college",
    "Taking a vacation",       "Buying a vehicle",
    "Owning a business",       "Building an emergency reserve",
    "Buying home furnishings", "Paying off credit cards",
};

const std::vector<std::string> kInstructions = {
    "Defining a goal consists of identifying what is important to you,",
    "determining how much money you will need to attain it, and",
    "knowing when you will need your money. Enter this information",
    "for your three most important goals and then click on Next for",
    "help in meeting your goals:",
};

struct Label {
    const char* text;
    int x;
    int y;
};

constexpr Label kLabels[] = {
    {"1", 10, 183},       {"2", 10, 255},      {"3", 10, 327},         {"$", 240, 183},
    {"$", 240, 255},      {"$", 240, 327},     {"after", 344, 183},    {"after", 344, 255},
    {"after", 344, 327},  {"years", 450, 180}, {"years", 450, 255},    {"years", 450, 327},
    {"Goal", 25, 150},    {"Money", 255, 135}, {"Required", 255, 150}, {"When", 380, 135},
    {"Needed", 380, 150},
};

// Each goal's row: its controls stand on the line of its labels.
constexpr int kRowY[GoalsPage::kGoals] = {183, 255, 327};
constexpr int kControlAbove = 3;
constexpr Rect kNameBox{25, 0, 232, 22};
constexpr Rect kAmountField{252, 0, 336, 20};
constexpr Rect kTimeField{380, 0, 444, 20};

constexpr char kAmountHint[] = "sounds\\a42_2a1.wav";
constexpr char kTimeHint[] = "sounds\\a42_2a2.wav";
constexpr char kVideo[] = "4_2_2a.avi";
constexpr char kPanel[] = "plan3b";

const Font kLabelTextFont{"Arial", 16, 800};
// The dialog font of the pages.
const Font kBoxFont{"MS Sans Serif", 13, FW_NORMAL};

Rect OnRow(const Rect& place, int row)
{
    const int top = kRowY[row] - kControlAbove;
    return {place.left, top, place.right, top + place.bottom};
}

} // namespace

int GoalTimeToStore(double years)
{
    constexpr double kLowerQuarter = 0.25;
    constexpr double kUpperQuarter = 0.75;
    const double whole = std::trunc(years);
    const double fraction = years - whole;
    double kept = whole;
    if (fraction > kUpperQuarter)
        kept = whole >= kMaxGoalYears ? whole : whole + 1;
    else if (fraction >= kLowerQuarter)
        kept = whole + 0.5;
    if (kept <= 0)
        kept = 1;
    return static_cast<int>(std::lround(kept * 100));
}

GoalsPage::GoalsPage(Window* view) : PageWindow(view)
{
    SetWindowText("IDD_Define");
    record_.Reset();
    for (int k = 0; k < kGoals; ++k) {
        auto name = std::make_unique<ComboBox>(this);
        name->MoveWindow(OnRow(kNameBox, k));
        name->SetFont(kBoxFont);
        name->SetLimitText(kNameLimit);
        for (const char* goal : kTypicalGoals)
            name->AddString(goal);
        names_[static_cast<size_t>(k)] = std::move(name);

        auto amount = std::make_unique<FEdit>(this);
        amount->MoveWindow(OnRow(kAmountField, k));
        amount->SetMaxValue(kMaxGoalAmount);
        amounts_[static_cast<size_t>(k)] = std::move(amount);

        auto time = std::make_unique<FEdit>(this);
        time->MoveWindow(OnRow(kTimeField, k));
        time->AllowDecimals(2);
        time->SetMinValue(kMinGoalYears);
        time->SetMaxValue(kMaxGoalYears);
        times_[static_cast<size_t>(k)] = std::move(time);

        // The labels of the table's columns and rows together.
        const std::string goal = std::to_string(k + 1);
        NameBox(k).SetAccessibleName("Goal " + goal);
        AmountField(k).Edit().SetAccessibleName("Money required for goal " + goal);
        TimeField(k).Edit().SetAccessibleName("Years until goal " + goal + " is needed");
    }
}

GoalsPage::~GoalsPage() = default;

void GoalsPage::OnPageShown()
{
    for (int k = 0; k < kGoals; ++k) {
        AmountField(k).SetHintSound(App().ContentPath() + kAmountHint);
        TimeField(k).SetHintSound(App().ContentPath() + kTimeHint);
        AmountField(k).PageShown();
        TimeField(k).PageShown();
    }
    Load();
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(kVideo);
    firstPaint_ = true;
}

void GoalsPage::OnPageHidden()
{
    Store();
    for (int k = 0; k < kGoals; ++k) {
        AmountField(k).PageHidden();
        TimeField(k).PageHidden();
    }
}

void GoalsPage::Load()
{
    record_.Load();
    for (int k = 0; k < kGoals; ++k) {
        NameBox(k).SetText(record_.GetGoalName(k));
        AmountField(k).SetIntValue(record_.GetGoalAmount(k));
    }
    ShowTimes();
}

void GoalsPage::ShowTimes()
{
    for (int k = 0; k < kGoals; ++k) {
        // A time never entered (or damaged) shows an empty field; one outside
        // the field's years (only a damaged file holds one) the nearer bound.
        const int time = record_.GetGoalYears(k);
        const int held = std::clamp(time, kMinGoalYears * kGoalYearHundredths, kMaxGoalYears * kGoalYearHundredths);
        TimeField(k).SetText(time < 0 ? std::string() : FormatTwoDecimals(held * 0.01));
    }
}

void GoalsPage::Store()
{
    // Start from what the file holds, so that the other pages' entries stay.
    record_.Load();
    for (int k = 0; k < kGoals; ++k) {
        record_.SetGoalName(k, NameBox(k).GetText());
        record_.SetGoalAmount(k, AmountField(k).GetText());
        record_.SetGoalYears(k, std::to_string(GoalTimeToStore(TimeField(k).GetRealValue())));
    }
    record_.Save();
    ShowTimes();
}

void GoalsPage::OnPaint(Dc& dc)
{
    if (TopTenWindow* topTen = App().Windows().topTen)
        topTen->SetList(kPanel);
    App().Art().DrawModuleBackground(dc);
    DrawHeading(dc, "Define Your Financial Goals");
    EnableNav(false, true, true, false);
    App().Nav().DrawNavBar(dc);
    DrawTextBlock(dc, kInstructions);
    dc.SelectFont(kLabelTextFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    for (const Label& label : kLabels)
        dc.TextOut(label.x, label.y, label.text);
    if (firstPaint_) {
        firstPaint_ = false;
        NameBox(0).SetFocus();
    }
}

void GoalsPage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 1:
        SendToView(VM_CHOOSER_PLAN3);
        ShowWindow(SW_HIDE);
        break;
    case 2:
        // The chart reads the goals as they are now.
        FocusNeutral();
        Store();
        SendToView(VM_CHART_MEET);
        ShowWindow(SW_HIDE);
        break;
    default:
        break;
    }
}

LRESULT GoalsPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_FIELD_LEFT) {
        if (IsWindowVisible())
            Store();
        return 0;
    }
    return PageWindow::WindowProc(message, wParam, lParam);
}
