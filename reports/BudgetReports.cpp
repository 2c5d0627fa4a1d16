// The bodies of the budget's reports: the average household's budget for
// an income, and the user's budget beside the average one.
#include "reports/ReportLayout.h"
#include "reports/ReportPrinter.h"

using namespace platform;
using namespace report;

namespace {

const char* const kCategories[] = {
    "Cash contributions:",
    "Food:",
    "Housing:",
    "Utilities:",
    "Clothing:",
    "Transportation:",
    "Health care:",
    "Insurance/pensions:",
    "Entertainment:",
    "Other expenditures:",
    "Misc. expenses:",
};
constexpr size_t kCategoryCount = std::size(kCategories);

// The value at `index`, or nothing when the page gave fewer.
std::string ValueAt(const std::vector<std::string>& values, size_t index)
{
    return index < values.size() ? values[index] : std::string();
}

} // namespace

void ReportPrinter::DrawTwoColumns(Dc& dc, int y, int valueRight,
                                   const std::vector<std::pair<std::string, std::string>>& rows)
{
    for (const auto& [label, value] : rows) {
        if (!label.empty())
            Text(dc, 100, y, label);
        const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
        if (!value.empty())
            Text(dc, valueRight, y, value);
        dc.SetTextAlign(align);
        y += kLineStep;
    }
}

// Values: the income, then the eleven amounts.
void ReportPrinter::DrawAverageBudget(Dc& dc)
{
    std::vector<std::pair<std::string, std::string>> rows = {
        {"Monthly Take Home Pay:", ValueAt(data_.values, 0)}, {"", ""}};
    for (size_t c = 0; c < kCategoryCount; ++c)
        rows.emplace_back(kCategories[c], ValueAt(data_.values, c + 1));
    DrawTwoColumns(dc, 150, 300, rows);
}

// Values: the pay with its separators, then each category's average and
// the user's amount.
std::vector<std::string> ReportPrinter::BudgetResultsIntroduction() const
{
    return {"Now that you have entered your budget, you can compare your monthly budget with",
            "that of an average American household with a monthly take-home income of $" +
                ValueAt(data_.values, 0) + ":"};
}

void ReportPrinter::DrawBudgetResults(Dc& dc)
{
    constexpr int kTop = 160;
    constexpr int kLabelX = 60;
    constexpr int kAverageRight = 300;
    constexpr int kUserRight = 500;
    constexpr int kHeaderShift = 8;
    // The headings stand over their columns' right edges.
    dc.SelectFont(kUnderlinedBold);
    for (const auto& [heading, edge] :
         {std::pair{"Average American Household", kAverageRight}, std::pair{"Your Budget", kUserRight}})
        Text(dc, edge - dc.GetTextExtent(heading).cx / 2 - kHeaderShift, kTop, heading);
    dc.SelectFont(kBodyFont);
    int y = kTop + 2 * kLineStep; // a blank row under the headings
    for (size_t c = 0; c < kCategoryCount; ++c, y += kLineStep) {
        Text(dc, kLabelX, y, kCategories[c]);
        const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
        Text(dc, kAverageRight, y, ValueAt(data_.values, 1 + 2 * c));
        Text(dc, kUserRight, y, ValueAt(data_.values, 2 + 2 * c));
        dc.SetTextAlign(align);
    }
}
