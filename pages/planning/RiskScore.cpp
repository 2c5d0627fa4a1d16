#include "pages/planning/RiskScore.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>

namespace {

constexpr int kYes = 1;
constexpr int kNo = 2;

// Points for yes and for no; statements 2 and 5 take points off for no.
struct StatementWeight {
    int yes;
    int no;
};
constexpr StatementWeight kStatementWeights[kRiskStatements] = {{2, 1}, {2, -2}, {2, 1},
                                                                {2, 1}, {2, -1}, {2, 1}};

// The gauge: a point is a 24th of its 204 pixels, in single precision.
constexpr float kPointShare = 0.041666668f;
constexpr float kGaugePixels = 204.0f;
struct GaugeStop {
    int belowScore;
    int longest;
};
constexpr GaugeStop kGaugeStops[] = {{13, 45}, {19, 145}};

// The points of each amount: the first band it falls in.
struct Band {
    int limit; // the age at most, or the amount at least
    int points;
};
constexpr Band kAgeBands[] = {{45, 3}, {62, 2}, {INT_MAX, 1}};
constexpr Band kIncomeBands[] = {{4167, 3}, {2084, 2}, {0, 1}};
constexpr Band kOwnedBands[] = {{50000, 3}, {25000, 2}, {0, 1}};
// Payments as a share of income, in percent: at most this share.
constexpr Band kPaymentBands[] = {{15, 3}, {20, 2}};
constexpr int kPaymentPointsAbove = 1;
constexpr int kPercent = 100;

int Entered(int amount)
{
    return std::max(0, amount);
}

template <size_t N> int AtLeast(const Band (&bands)[N], int amount)
{
    for (const Band& band : bands) {
        if (amount >= band.limit)
            return band.points;
    }
    return bands[N - 1].points;
}

} // namespace

int AgePoints(int age)
{
    for (const Band& band : kAgeBands) {
        if (Entered(age) <= band.limit)
            return band.points;
    }
    return kAgeBands[std::size(kAgeBands) - 1].points;
}

int IncomePoints(int monthlyNetIncome)
{
    return AtLeast(kIncomeBands, Entered(monthlyNetIncome));
}

int OwnedPoints(int totalOwned)
{
    return AtLeast(kOwnedBands, Entered(totalOwned));
}

int PaymentPoints(int monthlyPayments, int monthlyNetIncome)
{
    // Compared in whole numbers, so that exactly 15 % is 15 % and no income
    // needs no division.
    const std::int64_t payments = Entered(monthlyPayments);
    const std::int64_t income = Entered(monthlyNetIncome);
    for (const Band& band : kPaymentBands) {
        if (payments * kPercent <= income * band.limit)
            return band.points;
    }
    return kPaymentPointsAbove;
}

int StatementPoints(int index, int answer)
{
    if (index < 0 || index >= kRiskStatements)
        return 0;
    const StatementWeight& weight = kStatementWeights[index];
    return answer == kYes ? weight.yes : answer == kNo ? weight.no : 0;
}

int RiskScore(const CFinData& record)
{
    int score = AgePoints(record.GetAge()) + IncomePoints(record.GetMonthlyNetIncome()) +
                OwnedPoints(record.GetTotalOwned()) +
                PaymentPoints(record.GetMonthlyDebtPayments(), record.GetMonthlyNetIncome());
    for (int i = 0; i < kRiskStatements; ++i)
        score += StatementPoints(i, record.GetSaverAnswers(i));
    return score;
}

int GaugeLength(int score)
{
    int length = static_cast<int>(static_cast<float>(score) * kPointShare * kGaugePixels);
    for (const GaugeStop& stop : kGaugeStops) {
        if (score < stop.belowScore)
            length = std::min(length, stop.longest);
    }
    return std::max(0, length);
}
