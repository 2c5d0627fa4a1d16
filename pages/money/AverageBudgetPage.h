// "View an Average Budget" ("IDD_Typ"): the average household's monthly
// spending for an income the user picks on a slider, which starts at the
// user's own take-home pay.
#pragma once

#include "data/CFinData.h"
#include "kit/PageWindow.h"
#include "pages/money/AverageBudgetChart.h"
#include "platform/MemoryBitmap.h"
#include "platform/Slider.h"

class AverageBudgetPage : public PageWindow {
public:
    explicit AverageBudgetPage(platform::Window* view);
    ~AverageBudgetPage() override;

    const AverageBudgetChart& Chart() const { return chart_; }
    platform::Slider& IncomeSlider() { return slider_; }
    // Computes the chart for slider position `position` and draws it.
    void ShowPosition(int position);

protected:
    void OnPageShown() override;
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    // Draws the chart off screen and copies it onto `dc` at once.
    void DrawChart(platform::Dc& dc);
    bool OnSliderKey(platform::UINT key);

    CFinData record_;
    AverageBudgetChart chart_;
    platform::Slider slider_;
    platform::MemoryBitmap surface_;
    platform::Bitmap strip_; // "IDB_typ3", under the slider
};
