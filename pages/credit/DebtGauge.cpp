#include "pages/credit/DebtGauge.h"

#include <algorithm>

namespace {

// The zone videos: under the comfort level, at it (up to a quarter above),
// and beyond.
constexpr char kUnderVideo[] = "3_2_2a3.avi";
constexpr char kAtVideo[] = "3_2_2a2.avi";
constexpr char kOverVideo[] = "3_2_2a1.avi";

constexpr int kComfortPercent = 20;

} // namespace

int ComfortDebtLoad(int income, int housing)
{
    const long long remaining = static_cast<long long>(income) - housing;
    return remaining <= 0 ? 0 : static_cast<int>(remaining * kComfortPercent / 100);
}

DebtGauge MeasureDebtLoad(int payments, int comfort)
{
    const float p = static_cast<float>(payments);
    const float c = static_cast<float>(comfort);
    // The payments as a share of the comfort level; without one, payments
    // are as far over it as the gauge shows.
    const float share = comfort > 0 ? p / c : payments > 0 ? kMostOver : 0.0f;
    DebtGauge gauge;
    gauge.video = p < c ? kUnderVideo : share >= kTooMuchShare ? kOverVideo : kAtVideo;
    gauge.ratio = c < 1 || share > 1 ? 1.0f : share;
    if (payments == 0 && comfort == 0)
        gauge.ratio = 0;
    gauge.bar = gauge.ratio * kComfortBar;
    if (share > 1)
        gauge.bar += (std::min(share, kMostOver) - 1) * kOverBarScale;
    return gauge;
}
