// The risk tolerance score: points for the four answers of the first page
// (age, monthly net income, the value of what the user owns, and monthly
// payments against that income) and for the six yes/no statements, 1 to
// 24 in all; and the length of the gauge pointer that shows it.
#pragma once

#include "data/CFinData.h"

inline constexpr int kRiskStatements = 6;
inline constexpr int kHighestRiskScore = 24;

// Points of each first-page answer (1 to 3). Amounts not entered count as
// nothing.
int AgePoints(int age);
int IncomePoints(int monthlyNetIncome);
int OwnedPoints(int totalOwned);
// Payments over income: 3 up to 15 %, 2 up to 20 %, 1 above. With no
// income, payments are above any share and no payments none at all.
int PaymentPoints(int monthlyPayments, int monthlyNetIncome);
// Points of statement `index` (0 to 5) for a stored answer (1 yes, 2 no,
// anything else unanswered).
int StatementPoints(int index, int answer);

// The whole score from what the record holds.
int RiskScore(const CFinData& record);

// The pointer's length in pixels: a 24th of 204 pixels a point, held short
// of the next level's part of the gauge (45 pixels below 13 points, 145
// below 19).
int GaugeLength(int score);
