// The figures behind the planning charts: $100 growing or dwindling year by
// year, the monthly saving that meets a goal and the balance it builds, the
// scale of the value axis, the labels of the time axis, and where each value
// stands across the plot. Times are in hundredths of a year, as the record
// keeps them; rates are fractions (0.10 for 10 % a year).
#pragma once

#include <string>
#include <vector>

inline constexpr int kChartYears = 30;
inline constexpr int kDwindleScale = 100;
// The plot across the chart: its left edge and width, in page pixels.
inline constexpr int kPlotLeft = 128;
inline constexpr int kPlotWidth = 225;

// $100 compounded once a year for 30 years: 31 values, today's first, each
// cut to whole dollars.
std::vector<int> GrowthValues(double rate);
// The buying power of $100 over 30 years while prices rise by slider
// `position` x 0.15 % a year: 31 values, today's first.
std::vector<int> DwindleValues(int position);
// The inflation a year at slider `position` (0 to 100), as a fraction.
double InflationAt(int position);

// The monthly saving, in whole dollars, that grows to `amount` in `time`
// at `rate` with the interest added monthly. Without interest it is the
// amount shared over the months. A time of no months needs no saving.
int MonthlySaving(int amount, int time, double rate);
// What `saving` a month builds: 0 today, then the balance at the end of
// each whole year and, for a time with a fraction, half a year later. A time
// under a year gives the balance at the end of each of its months instead.
std::vector<int> GoalBalances(int saving, int time, double rate);

// The top of the value axis for the last value of a curve: the next whole
// hundred above it, or 100 for exactly 100.
int AxisScale(int last);
// An amount as the chart writes it: "$" and the amount with its separators.
std::string DollarLabel(long long value);
// The value axis's labels from the bottom up: "0", then a quarter, a half
// and three quarters of the scale, and the scale.
std::vector<std::string> ValueAxisLabels(int scale);
// The time axis of a goal's chart: half the time and the whole time, each
// followed by " yrs"; a time not entered shows "?".
std::string MiddleTimeLabel(int time);
std::string EndTimeLabel(int time);

// One value of a curve at its place across the plot.
struct CurvePoint {
    double x;
    int value;
};
// Growth and dwindle: the values of years 1 to 30 spread evenly across it.
std::vector<CurvePoint> YearlyCurve(const std::vector<int>& values);
// A goal's balances (GoalBalances) across the plot: one step per whole
// year, a shorter one for the half year, or one step per month for a time
// under a year.
std::vector<CurvePoint> GoalCurve(const std::vector<int>& balances, int time);
