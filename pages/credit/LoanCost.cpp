#include "pages/credit/LoanCost.h"

#include <algorithm>
#include <cmath>

namespace {

// A twelfth and a hundredth as single precision holds them: the monthly
// rate of an annual rate in percent.
constexpr float kTwelfth = 0.0833333358f;
constexpr float kHundredth = 0.00999999978f;

// The payment that repays `principal` over `months` at monthly rate `r`,
// worked out in double precision without the cancellation that single
// precision suffers at rates of a few hundredths of a percent.
double PreciseMonthlyPayment(int principal, double r, int months)
{
    return principal * r / -std::expm1(-months * std::log1p(r));
}

} // namespace

LoanCost ComputeLoanCost(int principal, double annualRate, int months)
{
    LoanCost cost;
    if (principal <= 0 || months <= 0)
        return cost;
    cost.repaid = true;
    const float p = static_cast<float>(principal);
    const float r = static_cast<float>(annualRate) * kTwelfth * kHundredth;
    if (r <= 0) {
        // Without interest the payments repay the amount exactly.
        cost.payment = p / static_cast<float>(months);
        cost.totalPaid = principal;
    } else {
        const float x = static_cast<float>(std::pow(static_cast<double>(1.0f + r), months));
        cost.payment = p / (1.0f / r - 1.0f / (x * r));
        const float total = cost.payment * static_cast<float>(months);
        // At the smallest rates single precision can make the total come
        // out below the amount borrowed, or nothing at all; the payment is
        // then worked out exactly enough to say what the loan costs.
        if (!std::isfinite(total) || std::trunc(total) < p) {
            cost.payment = static_cast<float>(PreciseMonthlyPayment(principal, r, months));
            cost.totalPaid = std::max(principal, static_cast<int>(cost.payment * static_cast<float>(months)));
        } else {
            cost.totalPaid = static_cast<int>(total);
        }
    }
    cost.interest = cost.totalPaid - principal;
    cost.shownPayment = static_cast<int>(cost.payment);
    cost.principalShare = p / static_cast<float>(cost.totalPaid) * 100.0f;
    cost.interestShare = 100 - static_cast<int>(cost.principalShare);
    return cost;
}
