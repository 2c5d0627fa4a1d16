// The average household's spending by income bracket, the average budget's
// slider and the scale of the budget results, computed as the pages show them.
#include "pages/money/AverageBudgetChart.h"
#include "pages/money/AverageSpending.h"
#include "pages/money/BudgetResultsChart.h"

#include <gtest/gtest.h>

namespace {

constexpr int kCash = 0, kFood = 1, kHousing = 2, kTransportation = 5, kInsurance = 7;

} // namespace

TEST(AverageSpending, IncomeBracketsAndTheirAmounts)
{
    // 2000 a month is 2560 before taxes: the middle bracket.
    EXPECT_EQ(IncomeBracket(2000), 1);
    EXPECT_EQ(AverageAmount(2000, kHousing), 612);
    EXPECT_EQ(AverageAmount(2000, kFood), 274);
    EXPECT_EQ(AverageAmount(2000, kTransportation), 414);
    // 1953 is just below 2500 before taxes, 1954 just above; 3254 and 3255
    // straddle 4166.
    EXPECT_EQ(IncomeBracket(1953), 0);
    EXPECT_EQ(IncomeBracket(1954), 1);
    EXPECT_EQ(IncomeBracket(3254), 1);
    EXPECT_EQ(IncomeBracket(3255), 2);
    EXPECT_EQ(AverageAmount(1953, kHousing), 634);
    EXPECT_EQ(AverageAmount(1953, kCash), 68);
    EXPECT_EQ(AverageAmount(3255, kHousing), 981);
    EXPECT_EQ(AverageAmount(3255, kInsurance), 472);
    // A pay far past the slider's range still takes the top bracket's shares.
    EXPECT_EQ(AverageAmount(10000, kHousing), 3014);
    // The shares add up to more than the income in every bracket.
    for (int bracket = 0; bracket < 3; ++bracket) {
        int sum = 0;
        for (const SpendingCategory& c : kSpending)
            sum += c.shares[static_cast<size_t>(bracket)];
        EXPECT_GT(sum, kShareUnit) << bracket;
    }
}

TEST(AverageBudgetChart, SliderStepsFortyDollarsAndSnapsToTheUsersPay)
{
    AverageBudgetChart chart;
    chart.SetReference(1234);
    EXPECT_EQ(chart.ReferencePosition(), 5);
    chart.Compute(5); // 1200, 34 away
    EXPECT_EQ(chart.Income(), 1234);
    chart.Compute(6); // 1240, 6 away
    EXPECT_EQ(chart.Income(), 1234);
    chart.Compute(7); // 1280, 46 away
    EXPECT_EQ(chart.Income(), 1280);
    chart.Compute(4); // 1160, 74 away
    EXPECT_EQ(chart.Income(), 1160);
    EXPECT_EQ(chart.Amounts()[kHousing], AverageAmount(1160, kHousing));

    // A pay below the range, or none, starts the slider at 1000; above it, at 5000.
    for (const int pay : {-1, 0, 999}) {
        chart.SetReference(pay);
        EXPECT_EQ(chart.Reference(), 1000);
        EXPECT_EQ(chart.ReferencePosition(), 0);
    }
    chart.SetReference(5001);
    EXPECT_EQ(chart.ReferencePosition(), 100);
    chart.Compute(99); // 4960 is within 45 of 5000
    EXPECT_EQ(chart.Income(), 5000);
    chart.Compute(250); // kept on the slider
    EXPECT_EQ(chart.Position(), 100);
}

TEST(BudgetResultsChart, ScaleLeavesRoomPastTheLargestBar)
{
    BudgetResultsChart chart;
    std::array<int, kSpendingCategories> user{};
    chart.Compute(user, 0);
    EXPECT_EQ(chart.Largest(), 0);
    EXPECT_EQ(chart.ScaleTop(), 10);
    user[kHousing] = 700;
    user[kFood] = -1; // not entered
    chart.Compute(user, 2000);
    EXPECT_EQ(chart.User(kFood), 0);
    EXPECT_EQ(chart.Largest(), 700);
    EXPECT_EQ(chart.ScaleTop(), 880);
    EXPECT_EQ(chart.Length(2 * kHousing + 1), 246); // 700 of 880 over 310 pixels
    EXPECT_EQ(chart.Length(2 * kHousing), 215);     // the average 612
    // Averages stand over the user's bars, which sit a little higher.
    EXPECT_EQ(chart.BarTop(0), 105);
    EXPECT_EQ(chart.BarTop(1), 114);
    EXPECT_EQ(chart.BarTop(21), 354);
}
