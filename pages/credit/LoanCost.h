// What a loan costs: the monthly payment, the total paid and the interest
// for an amount borrowed at an annual rate over a number of months, and how
// the total divides into principal and interest. The figures are worked out
// in single precision, as the page has always shown them; whole dollars
// are the figures with their fractions dropped.
#pragma once

struct LoanCost {
    float payment = 0;        // the monthly payment, with its cents
    int shownPayment = 0;     // the monthly payment in whole dollars
    int totalPaid = 0;        // what all the payments add up to
    int interest = 0;         // the total paid beyond the amount borrowed
    float principalShare = 0; // percent of the total paid that repays the amount
    int interestShare = 0;    // percent: 100 less the whole principal share
    // Whether there is a loan to divide into a pie: an amount repaid over
    // at least one month.
    bool repaid = false;
};

// The cost of borrowing `principal` dollars at `annualRate` percent a year
// over `months` months. A rate of 0 is a loan without interest; no months
// or no amount is no loan, every figure 0. The amounts are those the page
// takes: up to a million dollars, 30 percent and 360 months.
LoanCost ComputeLoanCost(int principal, double annualRate, int months);
