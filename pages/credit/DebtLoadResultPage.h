// The debt load's result ("IDD_Therm", "Your Debt Load"): the comfortable
// monthly debt load for the user's income and housing, the payments made
// now, and a gauge whose bar grows to show how far the payments are from
// the comfortable level, with the video of the zone they fall in and the
// way to the lesson on reducing debt.
#pragma once

#include "kit/ImageButton.h"
#include "kit/PageWindow.h"
#include "kit/StepAnimation.h"
#include "pages/credit/DebtGauge.h"
#include "platform/Bitmap.h"

#include <string>

class DebtLoadResultPage : public PageWindow {
public:
    explicit DebtLoadResultPage(platform::Window* view);
    ~DebtLoadResultPage() override;

    // What the input page hands over: the comfort amount, and the payments
    // as its total shows them (empty for none).
    void SetFigures(int comfort, const std::string& paymentsText);

    int Comfort() const { return comfort_; }
    int Payments() const { return payments_; }
    // The gauge as the page last drew it.
    const DebtGauge& Gauge() const { return gauge_; }
    // How far the bar has grown: the pixels from its start that a step of
    // it has been drawn at.
    int BarDrawn() const { return drawn_; }
    bool Growing() const { return growth_.Running(); }
    const ImageButton& LessonButton() const { return lesson_; }

    // The three result lines as the report prints them.
    std::string ComfortLine() const;
    std::string PaymentsLine() const;
    static const char* const kClosingLine;

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnTimer(platform::UINT id) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    std::string PaymentsAmount() const;
    void DrawResultText(platform::Dc& dc);
    void DrawGauge(platform::Dc& dc);
    void DrawBarStep(platform::Dc& dc, int position);
    void DrawLessonButton(int state);

    int comfort_ = 0;
    int payments_ = 0;
    std::string paymentsText_;
    DebtGauge gauge_;
    StepAnimation growth_;
    bool animate_ = false;
    int drawn_ = 0;
    platform::Bitmap face_;
    platform::Bitmap tip_;
    ImageButton lesson_;
};
