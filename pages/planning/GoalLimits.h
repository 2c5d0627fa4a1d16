// What a financial goal may hold: the goals page keeps its fields to these,
// and the charts hold what they read from the saved work to them too.
#pragma once

inline constexpr int kMaxGoalAmount = 9999999;
inline constexpr int kMinGoalYears = 1;
inline constexpr int kMaxGoalYears = 45;
// Goal years are stored in hundredths.
inline constexpr int kGoalYearHundredths = 100;
