// The scores of the attitude surveys, worked out from the answers the
// record holds (each the column of the chosen box, -1 when unanswered).
#pragma once

#include "data/CFinData.h"

#include <array>

inline constexpr int kRealityStatements = 15;
inline constexpr int kBorrowingStatements = 10;
inline constexpr int kSpendingStatements = 50;
inline constexpr int kSpendingTypes = 5;
// The answer that agrees with a spending statement.
inline constexpr int kAgree = 1;

// The reality check: the answers added up, unanswered statements adding
// nothing (0 to 75).
int RealityScore(const CFinData& record);
// Borrowing habits: the plain sum of the answers, so that an unanswered
// statement takes one off (-10 to 50).
int BorrowingScore(const CFinData& record);
// Spending habits: statement i speaks for type i mod 5; a type's count is
// how many of its ten statements were agreed with.
std::array<int, kSpendingTypes> SpendingCounts(const CFinData& record);
