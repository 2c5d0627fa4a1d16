// The average budget's chart: for a monthly income chosen on the slider,
// a pie of what an average household of that income spends on each of
// eleven categories, a legend with the amounts, and the income under the
// slider's thumb. The slider runs from $1,000 to $5,000 a month in steps
// of $40 and snaps to the user's own income when it comes within $45.
#pragma once

#include "pages/money/AverageSpending.h"
#include "platform/Bitmap.h"
#include "platform/Dc.h"

#include <array>

class AverageBudgetChart {
public:
    // The surface the chart covers, from the page's corner.
    static constexpr platform::Size kSurface{500, 344};
    static constexpr const char* kHeading = "View an Average Budget";
    static constexpr int kLowest = 1000;
    static constexpr int kHighest = 5000;
    static constexpr int kStep = 40;
    static constexpr int kSnap = 45;

    // The user's income, kept within the slider's range; not entered
    // counts as the lowest.
    void SetReference(int income);
    int Reference() const { return reference_; }
    // The slider position that shows the reference income.
    int ReferencePosition() const { return (reference_ - kLowest) / kStep; }

    // The income, bracket and amounts for slider position 0 to 100.
    void Compute(int position);
    int Income() const { return income_; }
    int Position() const { return position_; }
    int Bracket() const { return bracket_; }
    const std::array<int, kSpendingCategories>& Amounts() const { return amounts_; }

    // Draws the whole surface: background, heading, introduction, art,
    // pie, legend, percentages and the income under the thumb.
    void Draw(platform::Dc& dc);

private:
    void DrawPie(platform::Dc& dc);
    void DrawLegend(platform::Dc& dc);
    void DrawPercentages(platform::Dc& dc);
    void DrawIncome(platform::Dc& dc);

    int reference_ = kLowest;
    int income_ = kLowest;
    int position_ = 0;
    int bracket_ = 0;
    std::array<int, kSpendingCategories> amounts_{};
    platform::Bitmap art_[3]; // "IDB_typ1" to "IDB_typ3"
};
