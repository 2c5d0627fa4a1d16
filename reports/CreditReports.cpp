// The bodies of the credit exercises' reports: the figures of a loan, and
// the debt load's result with the three amounts it comes from.
#include "reports/ReportPrinter.h"

#include "reports/ReportLayout.h"

using namespace platform;
using namespace report;

namespace {

constexpr int kLabelX = 100;

} // namespace

// Values: the amount, rate and months as entered, the monthly payment, the
// amount again, the interest and the total cost.
void ReportPrinter::DrawCostOfCredit(Dc& dc)
{
    constexpr int kTop = 180;
    constexpr int kValueRight = 320;
    constexpr int kRuleY = 265;
    constexpr int kRuleLength = 59;
    const auto value = [&](size_t i) { return i < data_.values.size() ? data_.values[i] : std::string(); };
    DrawTwoColumns(dc, kTop, kValueRight,
                   {{"Amount borrowed (Principal):", value(0)},
                    {"Annual interest rate: ", value(1)},
                    {"Months to repay loan:", value(2)},
                    {"", ""},
                    {"Monthly payment:", value(3)},
                    {"Total principal paid:", value(4)},
                    {"Total interest paid:", value(5)},
                    {"", ""},
                    {"", ""},
                    {"Total cost of item:", value(6)}});
    Text(dc, kLabelX, kRuleY, std::string(kRuleLength, '_'));
}

// Values: the three result lines, then the income, the rent or mortgage and
// the payments to creditors.
void ReportPrinter::DrawDebtLoad(Dc& dc)
{
    constexpr size_t kResultLines = 3;
    constexpr int kResultTop = 120;
    constexpr int kAmountsTop = 210;
    constexpr int kValueRight = 370;
    const auto value = [&](size_t i) { return i < data_.values.size() ? data_.values[i] : std::string(); };
    for (size_t line = 0; line < kResultLines; ++line)
        Text(dc, kLeft, kResultTop + kLineStep * static_cast<int>(line), value(line));
    DrawTwoColumns(dc, kAmountsTop, kValueRight,
                   {{"Monthly household net income:", value(kResultLines)},
                    {"Monthly rent or mortgage cost:", value(kResultLines + 1)},
                    {"Total monthly payment to all creditors:", value(kResultLines + 2)}});
}
