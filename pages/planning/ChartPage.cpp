#include "pages/planning/ChartPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/NumberFormat.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/planning/GoalLimits.h"
#include "platform/Cursor.h"

#include <algorithm>
#include <cstdio>

using namespace platform;

namespace {

using Mode = ChartPage::Mode;

struct ModeRow {
    Mode mode;
    const char* key;
    const char* title;
    std::vector<std::string> instructions;
    const char* video;
    const char* panel; // the top-ten list; null leaves the list as it is
    UINT print;        // the report; 0: no print button
    UINT back;         // 0: no back button
    UINT ret;
};

// In the order of the modes.
const ModeRow kModes[] = {
    {Mode::Growth,
     "growth",
     "Growth of Money",
     {"Money does not grow on trees, but with a little time, it will grow. That is",
      "why the sooner you start saving, the more your money may grow. This is the",
      "result of compound interest. This chart shows the future value of $100", "invested."},
     "4_1_2.avi",
     "plan2b",
     VM_PRINT_GROWTH,
     0,
     VM_CHOOSER_PLAN2},
    {Mode::Dwindle,
     "dwindle",
     "How Money Dwindles",
     {"Not only can money grow, but it can become less valuable, too. This is",
      "the result of increasing prices, which is called inflation. It is one of",
      "the reasons you need to make a financial plan for saving and investing",
      "your hard-earned dollars. The chart below shows the value of $100 over",
      "a period of time under rising inflation."},
     "4_1_3.avi",
     "plan2c",
     0,
     0,
     VM_CHOOSER_PLAN2},
    {Mode::Meet,
     "meet",
     "Meeting Your Goals",
     {"The chart below will show you how much you need to save monthly in ",
      "order to meet each of your goals. By working with this chart, you can ",
      "see how your investment options affect your monthly savings target."},
     "4_2_2b.avi",
     nullptr,
     VM_PRINT_GOALS,
     VM_SHOW_GOALS,
     VM_CHOOSER_PLAN3},
};

const ModeRow& RowOf(Mode mode)
{
    return kModes[static_cast<int>(mode)];
}

// The chart's picture, and the slider's strip below it in dwindle mode.
constexpr Point kOrigin{20, 156};
constexpr Point kStripAt{20, 320};
// The band of the strip under the rate label, redrawn with every move.
constexpr Rect kStripBand{0, 22, 250, 52};
constexpr int kStripBandY = 342;
// The strip's scale: a tick every 12 pixels, one per 1.68 pixels a position.
constexpr int kTickFirstX = 54;
constexpr int kTickStep = 12;
constexpr int kTicks = 15;
constexpr int kTickTop = 371;
constexpr int kTickBottom = 377;
constexpr double kPixelsPerPosition = 1.68;
constexpr double kPercentPerPosition = 0.15;
constexpr int kRateLabelLeft = 50;
constexpr int kRateLabelY = 350;
constexpr int kPointerLeft = 54;
constexpr int kPointerTop = 365;
// The slider's thumb stands over the pointer: its track runs from the first
// tick to the last.
constexpr Rect kSlider{47, 378, 230, 400};
constexpr int kSliderJumpBeyond = 6;

// The rate choices and the field of the second, and the goal choices.
const std::vector<Point> kRatePlaces = {{148, 320}, {148, 340}};
constexpr int kRateHitWidth = 500;
const std::vector<Point> kGoalPlaces = {{35, 96}, {35, 115}, {35, 134}};
constexpr int kGoalHitWidth = 280;
constexpr int kChoiceLabelX = 170;
constexpr int kGoalLineX = 60;
constexpr Rect kRateField{372, 338, 412, 358};
constexpr int kPerYearX = 415;
constexpr int kStandardChoice = 0;
constexpr int kOtherChoice = 1;
constexpr double kStandardRate = 0.10;
constexpr int kMaxRate = 25;
constexpr int kStartRate = 6;

// The monthly saving's lines in meet mode.
constexpr Rect kSavingText{10, 335, 120, 355};

const Font kCaptionFont{"Arial", 16, 800};
const Font kNoteFont{"Arial", 14, 800, true};
const Font kRateLabelFont{"Arial", 15, 800};
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

constexpr char kStandardText[] = "Hypothetical investment returning 10% per year";
constexpr char kOtherText[] = "Other investment returning ";
constexpr char kPerYear[] = "% per year";
constexpr char kNote[] = "Note: The above is for illustration only.";
constexpr Point kNoteAt{20, 385};
constexpr char kGrowthPrefix[] = "Invest $100 in: ";

struct PlacedText {
    const char* text;
    int x;
    int y;
};

// Beside the rate choices: what is invested, or (meet) the monthly saving,
// whose empty second line takes the amount.
constexpr PlacedText kGrowthInvest[] = {{"Invest", 30, 320}, {"$100 in:", 30, 336}};
constexpr PlacedText kSavingLines[] = {{"Invest or save", 10, 320}, {"", 10, 335}, {"month in:", 10, 350}};
constexpr char kPerMonth[] = " per";
// The dwindle chart's note stands right of the slider's strip.
constexpr PlacedText kDwindleNote[] = {{"Note: The above is", 360, 345},
                                       {"for illustration only.", 360, 357}};
constexpr char kEllipsis[] = "...";

template <size_t N> void DrawTexts(Dc& dc, const PlacedText (&texts)[N])
{
    for (const PlacedText& t : texts)
        dc.TextOut(t.x, t.y, t.text);
}

void Line(Dc& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

// `name` + `rest`, the name shortened with "..." until the line fits
// `width` at the narrowest the text guard may draw it.
std::string FittedLine(const Dc& dc, const std::string& name, const std::string& rest, int width)
{
    const auto fits = [&](const std::string& line) { return dc.GetNarrowestTextExtent(line).cx <= width; };
    if (fits(name + rest))
        return name + rest;
    std::string shortened = name;
    while (!shortened.empty() && !fits(shortened + kEllipsis + rest))
        shortened.pop_back();
    return shortened + kEllipsis + rest;
}

} // namespace

ChartPage::ChartPage(Window* view)
    : PageWindow(view), rateField_(this), slider_(this), rateChoices_(kRatePlaces, kRateHitWidth),
      goalChoices_(kGoalPlaces, kGoalHitWidth)
{
    SetWindowText("IDD_Growth");
    record_.Reset();
    rateField_.MoveWindow(kRateField.left, kRateField.top, kRateField.Width(), kRateField.Height());
    rateField_.SetMaxValue(kMaxRate);
    rateField_.AllowDecimals(2);
    rateField_.SetIntValue(kStartRate);
    slider_.MoveWindow(kSlider);
    slider_.SetCursor(Cursor::Hand);
    // A click on the track takes the thumb there, unless it is about as
    // near as the thumb is wide.
    slider_.SetJumpBeyond(kSliderJumpBeyond);
    slider_.SetScrollHandler([this](UINT, int) {
        if (mode_ == Mode::Dwindle)
            RedrawChart();
    });
    slider_.Show(false);
    rateChoices_.Select(kStandardChoice);
    goalChoices_.Select(0);
}

ChartPage::~ChartPage() = default;

void ChartPage::TakeKey(const std::string& key)
{
    for (const ModeRow& row : kModes) {
        if (key == row.key)
            mode_ = row.mode;
    }
    ShowControls();
}

void ChartPage::ShowControls()
{
    rateField_.ShowWindow(mode_ == Mode::Dwindle ? SW_HIDE : SW_SHOW);
    slider_.Show(mode_ == Mode::Dwindle);
}

void ChartPage::OnPageShown()
{
    // The goals are read afresh at the first paint, after the goals page
    // that may have led here has stored them.
    goalsCurrent_ = false;
    rateChoices_.Select(kStandardChoice);
    firstPaint_ = true;
}

int ChartPage::SelectedGoal() const
{
    const int selected = goalChoices_.Selected();
    return selected >= 0 ? selected : kGoals - 1;
}

double ChartPage::Rate()
{
    return rateChoices_.Selected() == kStandardChoice ? kStandardRate : rateField_.GetRealValue() * 0.01;
}

void ChartPage::RefreshGoals()
{
    if (goalsCurrent_)
        return;
    goalsCurrent_ = true;
    record_.Load();
    goalChoices_.Select(0);
    for (int k = 0; k < kGoals; ++k) {
        Goal& goal = goals_[static_cast<size_t>(k)];
        goal.name = record_.GetGoalName(k);
        // A damaged file may hold what the goals page never lets through.
        goal.amount = std::min(record_.GetGoalAmount(k), kMaxGoalAmount);
        goal.time = std::min(record_.GetGoalYears(k), kMaxGoalYears * kGoalYearHundredths);
        const bool usable = goal.Usable();
        goal.line = usable ? goal.name + " requiring $" + FormatThousands(goal.amount) : std::string();
        goalChoices_.Enable(k, usable);
        // An unusable goal hands its selection on to the next one.
        if (!usable && goalChoices_.Selected() == k)
            goalChoices_.Select(k + 1 < kGoals ? k + 1 : -1);
    }
}

Plot ChartPage::BuildPlot()
{
    Plot plot;
    switch (mode_) {
    case Mode::Growth:
        values_ = GrowthValues(Rate());
        plot.curve = YearlyCurve(values_);
        break;
    case Mode::Dwindle:
        values_ = DwindleValues(slider_.GetPos());
        plot.curve = YearlyCurve(values_);
        break;
    case Mode::Meet: {
        RefreshGoals();
        const Goal& goal = goals_[static_cast<size_t>(SelectedGoal())];
        const double rate = Rate();
        saving_ = goal.Usable() ? MonthlySaving(goal.amount, goal.time, rate) : 0;
        values_ = goal.Usable() ? GoalBalances(saving_, goal.time, rate) : std::vector<int>{0};
        plot.curve = GoalCurve(values_, goal.time);
        plot.middle = MiddleTimeLabel(goal.time);
        plot.end = EndTimeLabel(goal.time);
        break;
    }
    }
    if (mode_ != Mode::Meet) {
        plot.middle = std::to_string(kChartYears / 2) + " yrs";
        plot.end = std::to_string(kChartYears) + " yrs";
    }
    plot.last = values_.back();
    plot.scale = mode_ == Mode::Dwindle ? kDwindleScale : AxisScale(plot.last);
    return plot;
}

void ChartPage::LoadArt()
{
    // The pictures come with the planning module, there once it is entered.
    if (chartArt_.IsEmpty())
        App().Art().LoadBitmapByName(chartArt_, "idb_grow_bk");
    if (stripArt_.IsEmpty())
        App().Art().LoadBitmapByName(stripArt_, "idb_dwind2_bk");
}

void ChartPage::drawChart(Dc& dc)
{
    if (!printing_) {
        LoadArt();
        App().Art().DrawBitmap(dc, chartArt_, kOrigin.x, kOrigin.y);
    }
    plot_ = BuildPlot();
    DrawPlot(dc, plot_, printing_);
    if (mode_ == Mode::Dwindle)
        DrawStrip(dc);
}

void ChartPage::DrawStrip(Dc& dc)
{
    const int position = slider_.GetPos();
    if (!printing_) {
        // Clears the label and pointer of the position before.
        LoadArt();
        App().Art().DrawBitmapPart(dc, stripArt_, kStripAt.x, kStripBandY, kStripBand.Width(),
                                   kStripBand.Height(), kStripBand.left, kStripBand.top);
    }
    dc.SelectPen(Pen{PenStyle::Solid, 1, printing_ ? kBlack : kWhite});
    for (int k = 0; k < kTicks; ++k)
        Line(dc, kTickFirstX + k * kTickStep, kTickBottom, kTickFirstX + k * kTickStep, kTickTop);
    const int offset = static_cast<int>(position * kPixelsPerPosition);
    Line(dc, kPointerLeft + offset, kTickTop, kPointerLeft + offset, kPointerTop);
    char label[16];
    std::snprintf(label, sizeof label, "%.2f%%", position * kPercentPerPosition);
    dc.SelectFont(kRateLabelFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(printing_ ? kBlack : kYellow);
    dc.TextOut(kRateLabelLeft + offset, kRateLabelY, label);
}

std::string ChartPage::rateCaption(Dc& dc, bool captionOnly)
{
    dc.SetBkMode(TRANSPARENT);
    const COLORREF noteInk = printing_ ? kBlack : kBlue;
    if (mode_ == Mode::Dwindle) {
        dc.SelectFont(kNoteFont);
        dc.SetTextColor(noteInk);
        DrawTexts(dc, kDwindleNote);
        return {};
    }
    dc.SelectFont(kCaptionFont);
    dc.SetTextColor(kBlack);
    if (!captionOnly) {
        dc.TextOut(kChoiceLabelX, kRatePlaces[0].y, kStandardText);
        dc.TextOut(kChoiceLabelX, kRatePlaces[1].y, kOtherText);
        dc.TextOut(kPerYearX, kRatePlaces[1].y, kPerYear);
        if (mode_ == Mode::Growth)
            DrawTexts(dc, kGrowthInvest);
    }
    if (mode_ == Mode::Meet && !printing_) {
        const PlacedText& amount = kSavingLines[1];
        DrawTexts(dc, kSavingLines);
        dc.TextOut(amount.x, amount.y, "$" + FormatThousands(saving_) + kPerMonth);
    }
    if (mode_ == Mode::Growth || !printing_) {
        dc.SelectFont(kNoteFont);
        dc.SetTextColor(noteInk);
        dc.TextOut(kNoteAt.x, kNoteAt.y, kNote);
    }
    const std::string prefix = mode_ == Mode::Growth ? kGrowthPrefix : "";
    if (rateChoices_.Selected() == kStandardChoice)
        return prefix + kStandardText;
    return prefix + kOtherText + rateField_.GetText() + kPerYear;
}

std::string ChartPage::goalCaption(Dc& dc)
{
    RefreshGoals();
    if (!printing_) {
        dc.SelectFont(kCaptionFont);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(kBlack);
        const int width = GetClientRect().Width() - kGoalLineX;
        for (int k = 0; k < kGoals; ++k) {
            const Goal& goal = goals_[static_cast<size_t>(k)];
            if (!goal.line.empty())
                dc.TextOut(kGoalLineX, kGoalPlaces[static_cast<size_t>(k)].y,
                           FittedLine(dc, goal.name, goal.line.substr(goal.name.size()), width));
        }
    }
    return goals_[static_cast<size_t>(SelectedGoal())].line + " by investing or saving " + "$" +
           FormatThousands(saving_) + " in: ";
}

std::vector<std::string> ChartPage::PrintChart(Dc& dc)
{
    printing_ = true;
    drawChart(dc);
    std::vector<std::string> lines;
    if (mode_ == Mode::Meet)
        lines.push_back(goalCaption(dc));
    lines.push_back(rateCaption(dc, true));
    printing_ = false;
    return lines;
}

void ChartPage::DrawChoices(Dc& dc)
{
    if (mode_ != Mode::Dwindle)
        rateChoices_.Draw(dc);
    if (mode_ == Mode::Meet)
        goalChoices_.Draw(dc);
}

void ChartPage::OnPaint(Dc& dc)
{
    const ModeRow& row = RowOf(mode_);
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    EnableNav(row.print != 0, row.back != 0, false, true);
    DrawHeading(dc, row.title);
    if (mode_ == Mode::Meet)
        goalCaption(dc);
    DrawTextBlock(dc, row.instructions);
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(row.video);
    if (TopTenWindow* topTen = App().Windows().topTen; topTen && row.panel)
        topTen->SetList(row.panel);
    LoadArt();
    art.DrawBitmap(dc, chartArt_, kOrigin.x, kOrigin.y);
    if (mode_ == Mode::Dwindle)
        art.DrawBitmap(dc, stripArt_, kStripAt.x, kStripAt.y);
    if (mode_ != Mode::Meet)
        rateCaption(dc, false);
    App().Nav().DrawNavBar(dc);
    drawChart(dc);
    if (mode_ == Mode::Meet)
        rateCaption(dc, false);
    DrawChoices(dc);
    if (firstPaint_) {
        firstPaint_ = false;
        if (mode_ == Mode::Dwindle)
            slider_.SetFocus();
        else
            rateField_.SetFocus();
    }
}

void ChartPage::RedrawChart()
{
    if (!IsWindowVisible())
        return;
    ClientDc dc(this);
    drawChart(dc);
}

void ChartPage::ChoiceChanged()
{
    RedrawChart();
    if (IsWindowVisible()) {
        ClientDc dc(this);
        DrawChoices(dc);
    }
    if (mode_ == Mode::Meet)
        InvalidateRect(kSavingText, false);
}

void ChartPage::OnMouseMove(UINT, Point point)
{
    const bool onButton = SharedMouseMove(point);
    const bool onChoice = (mode_ != Mode::Dwindle && rateChoices_.HitTest(point) >= 0) ||
                          (mode_ == Mode::Meet && goalChoices_.HitTest(point) >= 0);
    if (!onButton && onChoice)
        SetCursor(Cursor::Hand);
}

void ChartPage::OnLButtonDown(UINT flags, Point point)
{
    if (const int rate = rateChoices_.HitTest(point); mode_ != Mode::Dwindle && rate >= 0) {
        rateChoices_.Select(rate);
        ChoiceChanged();
    }
    if (const int goal = goalChoices_.HitTest(point); mode_ == Mode::Meet && goal >= 0) {
        goalChoices_.Select(goal);
        ChoiceChanged();
    }
    PageWindow::OnLButtonDown(flags, point);
}

void ChartPage::OnLButtonUp(UINT, Point point)
{
    const ModeRow& row = RowOf(mode_);
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        if (row.print)
            SendToView(row.print);
        break;
    case 1:
        if (row.back) {
            SendToView(row.back);
            ShowWindow(SW_HIDE);
        }
        break;
    case 3:
        SendToView(row.ret);
        ShowWindow(SW_HIDE);
        break;
    default:
        break;
    }
}

LRESULT ChartPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_FIELD_CHANGED) {
        // Typing a rate chooses it; reading the field keeps it at 25 at most.
        if (IsWindowVisible()) {
            rateChoices_.Select(kOtherChoice);
            rateField_.GetRealValue();
            ChoiceChanged();
        }
        return 0;
    }
    return PageWindow::WindowProc(message, wParam, lParam);
}
