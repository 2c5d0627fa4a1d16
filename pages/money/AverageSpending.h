// How an average household spends its monthly take-home income: eleven
// categories, each a share of the income that depends on the income's
// bracket. The shares add up to more than the whole: the average household
// spends more than it takes home.
#pragma once

#include <array>

inline constexpr int kSpendingCategories = 11;
inline constexpr int kShareUnit = 10000;

struct SpendingCategory {
    const char* label;                    // "Cash contributions:", "Food:" ...
    std::array<int, 3> shares;            // of the income in ten-thousandths, by bracket
    std::array<const char*, 3> pieLabels; // the share as the pie names it
};

extern const std::array<SpendingCategory, kSpendingCategories> kSpending;

// The bracket of a monthly income: 0 below $2,500 a month before taxes,
// 1 below $4,166, 2 from there on (the take-home income times 1.28).
int IncomeBracket(int income);
// The average amount of `category` for a monthly income, in whole dollars.
int AverageAmount(int income, int category);
