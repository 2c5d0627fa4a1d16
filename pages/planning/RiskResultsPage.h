// The result of the risk tolerance exercise (the second "IDD_Saver"): the
// level the score falls in, its tips, and a gauge whose pointer grows to
// the score each time the page is shown. The view hands the page the score
// when the survey is completed.
#pragma once

#include "kit/GrowingBar.h"
#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

#include <string>
#include <vector>

struct RiskLevel;

class RiskResultsPage : public PageWindow {
public:
    explicit RiskResultsPage(platform::Window* view);

    void SetRiskScore(int score);
    int RiskScore() const { return score_; }
    const RiskLevel& Level() const;
    // The lines of its report.
    std::vector<std::string> ReportLines() const;
    const GrowingBar& Gauge() const { return gauge_; }

protected:
    void OnPageShown() override;
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    void OnTimer(platform::UINT id) override;

private:
    int score_ = 0;
    GrowingBar gauge_;
    platform::Bitmap art_;
    platform::Bitmap pointer_;
    platform::Bitmap bullet_;
    platform::Bitmap arrow_;
};
