#include "pages/surveys/SurveyScores.h"

#include <algorithm>

int RealityScore(const CFinData& record)
{
    int score = 0;
    for (int i = 0; i < kRealityStatements; ++i)
        score += std::max(0, record.GetValuesAnswers(i));
    return score;
}

int BorrowingScore(const CFinData& record)
{
    int score = 0;
    for (int i = 0; i < kBorrowingStatements; ++i)
        score += record.GetHabitsAnswers(i);
    return score;
}

std::array<int, kSpendingTypes> SpendingCounts(const CFinData& record)
{
    std::array<int, kSpendingTypes> counts{};
    for (int i = 0; i < kSpendingStatements; ++i) {
        if (record.GetSpendingAnswers(i) == kAgree)
            ++counts[static_cast<size_t>(i % kSpendingTypes)];
    }
    return counts;
}
