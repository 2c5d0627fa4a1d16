// The budget results' chart: for each of eleven categories a pair of bars,
// the average household's amount for the user's pay (green) above the
// user's own (white), on one scale with a light grid, each bar with its
// amount at its end.
#pragma once

#include "pages/money/AverageSpending.h"
#include "platform/Bitmap.h"
#include "platform/Dc.h"

#include <array>

class BudgetResultsChart {
public:
    static constexpr int kBars = 2 * kSpendingCategories;
    // The plot: bars start at x 140 and the largest fills most of 310 pixels.
    static constexpr int kLeft = 140;
    static constexpr int kTop = 100;
    static constexpr int kWidth = 310;
    static constexpr int kHeight = 285;

    // The user's amounts by category (not entered counts 0) and the pay
    // whose averages they stand beside.
    void Compute(const std::array<int, kSpendingCategories>& user, int pay);

    int Value(int bar) const { return values_[static_cast<size_t>(bar)]; }
    int Average(int category) const { return Value(2 * category); }
    int User(int category) const { return Value(2 * category + 1); }
    int Largest() const { return largest_; }
    int Pay() const { return pay_; }
    // The largest amount the scale shows, at the plot's right edge.
    long long ScaleTop() const { return (largest_ / 8 + 1) * 10LL; }
    // A bar's length in pixels.
    int Length(int bar) const;
    // The top of a bar.
    int BarTop(int bar) const;

    void Draw(platform::Dc& dc);

private:
    void DrawGrid(platform::Dc& dc);
    void DrawBars(platform::Dc& dc);

    std::array<int, kBars> values_{};
    int largest_ = 0;
    int pay_ = 0;
    platform::Bitmap art_; // "IDB_budrez"
};
