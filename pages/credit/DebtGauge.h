// The debt load against the twenty percent rule: the monthly payments a
// household can comfortably make to its creditors, and how the payments it
// makes stand against that level on the result page's gauge. The gauge's
// bar reaches its comfort mark at 49 pixels and grows on for payments above
// the comfort level, up to 45 percent above it; one of three videos speaks
// to the zone the payments fall in.
#pragma once

// One fifth of what remains of the monthly income after the rent or
// mortgage, in whole dollars; 0 when nothing remains.
int ComfortDebtLoad(int income, int housing);

struct DebtGauge {
    float ratio = 0; // the payments against the comfort level, at most 1
    float bar = 0;   // the bar's length in pixels
    const char* video = nullptr;
};

inline constexpr int kComfortBar = 49;          // the bar at the comfort level
inline constexpr float kMostOver = 1.45f;       // the bar grows no further past this share
inline constexpr int kOverBarScale = 340;       // pixels per whole comfort level beyond it
inline constexpr float kTooMuchShare = 1.2501f; // from here the payments are too much

// The gauge for `payments` a month against a comfort level of `comfort`.
// With no comfort level at all, any payment is as far over as the gauge
// goes, and no payment shows no bar.
DebtGauge MeasureDebtLoad(int payments, int comfort);
