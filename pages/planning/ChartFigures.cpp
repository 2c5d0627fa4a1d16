#include "pages/planning/ChartFigures.h"

#include "kit/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kStartAmount = 100;
constexpr double kInflationStep = 0.0015; // per slider position
// A year's rate becomes a month's in single precision, as the course has
// always worked it out.
constexpr float kMonthShare = 0.083333336f;
constexpr int kMonthsAYear = 12;
constexpr int kHalfYearMonths = 6;
constexpr int kHundredths = 100;
// Figures beyond what the entry fields can make (a damaged saved-work file)
// stop here, so that the axis above them still fits an int.
constexpr double kLargestFigure = 999999999;

int Whole(double value)
{
    return static_cast<int>(std::clamp(value, 0.0, kLargestFigure));
}

float MonthlyRate(double rate)
{
    return static_cast<float>(rate) * kMonthShare;
}

std::string Formatted(const char* format, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::vector<int> GrowthValues(double rate)
{
    std::vector<int> values{kStartAmount};
    const float factor = 1.0f + static_cast<float>(rate);
    float value = kStartAmount;
    for (int year = 1; year <= kChartYears; ++year) {
        value *= factor;
        values.push_back(Whole(value));
    }
    return values;
}

double InflationAt(int position)
{
    return position * kInflationStep;
}

std::vector<int> DwindleValues(int position)
{
    std::vector<int> values{kStartAmount};
    const double inflation = InflationAt(position);
    double value = kStartAmount;
    for (int year = 1; year <= kChartYears; ++year) {
        value -= value * inflation;
        values.push_back(Whole(value));
    }
    return values;
}

int MonthlySaving(int amount, int time, double rate)
{
    if (amount <= 0 || time <= 0)
        return 0;
    const double months = time * 0.01 * kMonthsAYear;
    const float i = MonthlyRate(rate);
    // Without interest the saving is a plain share of the amount, where
    // the formula below would come out as 0 / 0.
    if (i <= 0.0f)
        return Whole(amount / months);
    return Whole(amount * static_cast<double>(i) / (std::pow(1.0 + i, months) - 1.0));
}

std::vector<int> GoalBalances(int saving, int time, double rate)
{
    std::vector<int> values{0};
    if (time <= 0)
        return values;
    const double growth = 1.0 + MonthlyRate(rate);
    double balance = saving; // the first saving goes in today
    if (time < kHundredths) {
        // Under a year: month by month, the last month without a saving.
        const int months = std::max(1, static_cast<int>(std::lround(time * kMonthsAYear / 100.0)));
        for (int month = 1; month <= months; ++month) {
            balance = balance * growth + (month < months ? saving : 0);
            values.push_back(Whole(balance));
        }
        return values;
    }
    const int years = time / kHundredths;
    const bool fraction = time % kHundredths != 0;
    for (int year = 1; year <= years; ++year) {
        for (int month = 1; month <= kMonthsAYear; ++month) {
            const bool last = year == years && month == kMonthsAYear && !fraction;
            balance = balance * growth + (last ? 0 : saving);
        }
        values.push_back(Whole(balance));
    }
    if (fraction) {
        // Any fraction is drawn as half a year more.
        for (int month = 1; month <= kHalfYearMonths; ++month)
            balance = balance * growth + (month < kHalfYearMonths ? saving : 0);
        values.push_back(Whole(balance));
    }
    return values;
}

int AxisScale(int last)
{
    if (last == kStartAmount)
        return kStartAmount;
    return (last / 100 + 1) * 100;
}

std::string DollarLabel(long long value)
{
    return "$" + FormatThousands(value);
}

std::vector<std::string> ValueAxisLabels(int scale)
{
    const long long quarter = scale / 4;
    return {"0", DollarLabel(quarter), DollarLabel(2 * quarter), DollarLabel(3 * quarter),
            DollarLabel(scale)};
}

std::string MiddleTimeLabel(int time)
{
    if (time <= 0)
        return "? yrs";
    const bool evenYears = time % (2 * kHundredths) == 0;
    return Formatted(evenYears ? "%.0f" : "%.2f", time * 0.01 / 2) + " yrs";
}

std::string EndTimeLabel(int time)
{
    if (time <= 0)
        return "? yrs";
    return Formatted("%.1f", time * 0.01) + " yrs";
}

std::vector<CurvePoint> YearlyCurve(const std::vector<int>& values)
{
    std::vector<CurvePoint> curve;
    const double step = static_cast<double>(kPlotWidth) / (kChartYears - 1);
    for (int k = 0; k < kChartYears && k + 1 < static_cast<int>(values.size()); ++k)
        curve.push_back({kPlotLeft + k * step, values[static_cast<size_t>(k + 1)]});
    return curve;
}

std::vector<CurvePoint> GoalCurve(const std::vector<int>& balances, int time)
{
    std::vector<CurvePoint> curve;
    const int points = static_cast<int>(balances.size());
    if (points < 2 || time <= 0)
        return curve;
    const auto at = [&](int k, int x) {
        curve.push_back({static_cast<double>(x), balances[static_cast<size_t>(k)]});
    };
    if (time < kHundredths) {
        // A time under a year has no whole year to scale by: its months
        // share the plot.
        const int step = kPlotWidth / (points - 1);
        for (int k = 0; k < points; ++k)
            at(k, kPlotLeft + k * step);
        return curve;
    }
    const int years = std::min(time / kHundredths, points - 1);
    const bool fraction = time % kHundredths != 0 && points > years + 1;
    // The whole years take the share of the plot that they are of the time.
    const int wholeWidth = fraction ? static_cast<int>(years / (time * 0.01) * kPlotWidth) : kPlotWidth;
    const int step = wholeWidth / years;
    for (int k = 0; k <= years; ++k)
        at(k, kPlotLeft + k * step);
    if (fraction)
        at(years + 1, kPlotLeft + step * years + (kPlotWidth - wholeWidth));
    return curve;
}
