#include "pages/surveys/SurveyScores.h"

#include <algorithm>

namespace {

// The highest column of these surveys' grids.
constexpr int kMostAnswer = 5;
constexpr int kUnanswered = -1;

// An answer no box gives (only a damaged saved-work file holds one) counts
// as unanswered, so that scores stay inside their ranges.
int Counted(int answer)
{
    return answer >= 1 && answer <= kMostAnswer ? answer : kUnanswered;
}

} // namespace

int RealityScore(const CFinData& record)
{
    int score = 0;
    for (int i = 0; i < kRealityStatements; ++i)
        score += std::max(0, Counted(record.GetValuesAnswers(i)));
    return score;
}

int BorrowingScore(const CFinData& record)
{
    int score = 0;
    for (int i = 0; i < kBorrowingStatements; ++i)
        score += Counted(record.GetHabitsAnswers(i));
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
