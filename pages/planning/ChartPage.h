// The chart page ("IDD_Growth") in its three modes, chosen by the key the
// view hands over:
//   "growth":  $100 compounded yearly for 30 years at 10 % or at a rate the
//              user types;
//   "dwindle": the buying power of $100 over 30 years under the inflation
//              the user sets with a slider;
//   "meet":    the monthly saving that reaches one of the user's three goals
//              and the balance it builds year by year.
// The same drawing serves the screen and the printed reports: with the
// print flag raised the chart is black on white, and the captions that the
// reports print come back as text.
#pragma once

#include "data/CFinData.h"
#include "kit/FEdit.h"
#include "kit/PageWindow.h"
#include "pages/planning/ChartPlot.h"
#include "pages/planning/ChoiceButtons.h"
#include "platform/Bitmap.h"
#include "platform/Slider.h"

#include <array>
#include <string>
#include <vector>

class ChartPage : public PageWindow {
public:
    enum class Mode { Growth, Dwindle, Meet };
    static constexpr int kGoals = 3;

    explicit ChartPage(platform::Window* view);
    ~ChartPage() override;

    // "growth", "dwindle" or "meet"; any other key leaves the mode.
    void TakeKey(const std::string& key) override;
    Mode GetMode() const { return mode_; }

    // Draws the chart of the current mode: on screen over its picture, in
    // print black on white inside a frame.
    void drawChart(platform::Dc& dc);
    // Draws the rate choices and notes (only the notes when `captionOnly`)
    // and returns the rate caption of the printed reports.
    std::string rateCaption(platform::Dc& dc, bool captionOnly);
    // Draws the goal lines (not in print) and returns the caption of the
    // goal report: the selected goal and its monthly saving.
    std::string goalCaption(platform::Dc& dc);
    // A report's chart: draws it in print colours on `dc` and returns the
    // figure lines printed with it (growth: the rate caption; meet: the goal
    // caption, then the rate caption).
    std::vector<std::string> PrintChart(platform::Dc& dc);

    // The controls, the choices and what was drawn last.
    FEdit& RateField() { return rateField_; }
    platform::Slider& InflationSlider() { return slider_; }
    const ChoiceButtons& RateChoices() const { return rateChoices_; }
    const ChoiceButtons& GoalChoices() const { return goalChoices_; }
    // The goal the meet chart is drawn for (0 to 2).
    int SelectedGoal() const;
    // The rate in use, as a fraction.
    double Rate();
    int Saving() const { return saving_; }
    const std::vector<int>& Values() const { return values_; }
    const Plot& LastPlot() const { return plot_; }
    const std::string& GoalLine(int goal) const { return goals_[static_cast<size_t>(goal)].line; }

protected:
    void OnPageShown() override;
    void OnPaint(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;

private:
    struct Goal {
        std::string name;
        std::string line; // name + " requiring $" + amount; empty when unusable
        int amount = -1;
        int time = -100; // hundredths of a year
        bool Usable() const { return !name.empty() && amount > 0 && time > 0; }
    };

    // Shows the controls of the mode.
    void ShowControls();
    // Copies the goals from the record when the copy is stale, and chooses
    // the first usable one.
    void RefreshGoals();
    // The chart of the mode's values, computed afresh.
    Plot BuildPlot();
    void LoadArt();
    void DrawStrip(platform::Dc& dc);
    // Redraws the chart on screen at once, after an input changed.
    void RedrawChart();
    void DrawChoices(platform::Dc& dc);
    // A choice changed: the chart, the choices and the monthly saving follow.
    void ChoiceChanged();

    Mode mode_ = Mode::Growth;
    bool printing_ = false;
    bool firstPaint_ = false;
    FEdit rateField_;
    platform::Slider slider_;
    ChoiceButtons rateChoices_;
    ChoiceButtons goalChoices_;
    CFinData record_;
    std::array<Goal, kGoals> goals_;
    bool goalsCurrent_ = false;
    int saving_ = 0;
    std::vector<int> values_; // the curve's table, today's value first
    Plot plot_;
    platform::Bitmap chartArt_;
    platform::Bitmap stripArt_;
};
