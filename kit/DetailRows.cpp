#include "kit/DetailRows.h"

#include <algorithm>

namespace {

using D = CFinData;
using K = DetailKind;

// clang-format off
constexpr DetailLine kLines[] = {
    // The assets worksheet.
    {K::Assets, 0, &D::GetAssetsCash, &D::SetAssetsCash,
     {{"Traveler's checks: $", 0}, {"Penny jar: $", 1}, {"Cash at home: $", 3}, {"Tax refunds: $", 2},
      {"Other cash: $", 4}}},
    {K::Assets, 1, &D::GetAssetsChecking, &D::SetAssetsChecking,
     {{"Checking account #1: $", 0}, {"Checking account #2: $", 1}, {"Checking account #3: $", 2},
      {"Checking account #4: $", 3}}},
    {K::Assets, 2, &D::GetAssetsSavings, &D::SetAssetsSavings,
     {{"Savings account #1: $", 0}, {"Savings account #2: $", 1}, {"Savings account #3: $", 2},
      {"Savings account #4: $", 3}}},
    {K::Assets, 3, &D::GetAssetsHouses, &D::SetAssetsHouses,
     {{"House #1: $", 0}, {"House #2: $", 1}, {"House #3: $", 2}}},
    {K::Assets, 4, &D::GetAssetsVehicles, &D::SetAssetsVehicles,
     {{"Vehicle #1: $", 0}, {"Vehicle #2: $", 1}, {"Vehicle #3: $", 2}}, 3},
    {K::Assets, 5, &D::GetAssetsPersonal, &D::SetAssetsPersonal,
     {{"Furniture: $", 0}, {"Clothing/jewelry: $", 1}, {"Appliances/electronics: $", 2}, {"Collections: $", 3},
      {"Family heirlooms: $", 4}, {"Other: $", 5}}},
    {K::Assets, 6, &D::GetAssetsInvestments, &D::SetAssetsInvestments,
     {{"Stocks: $", 0}, {"Bonds: $", 1}, {"Mutual funds: $", 2}, {"IRA: $", 3}, {"Annuities: $", 5},
      {"401K: $", 6}, {"Life insurance: $", 4}, {"Pensions: $", 7}}},
    {K::Assets, 7, &D::GetAssetsOther, &D::SetAssetsOther,
     {{"Other asset #1: $", 0}, {"Other asset #2: $", 1}, {"Other asset #3: $", 2}}},

    // The liabilities worksheet.
    {K::Liabilities, 0, &D::GetLiabUtilities, &D::SetLiabUtilities,
     {{"Gas: $", 0}, {"Oil: $", 1}, {"Water: $", 2}, {"Electricity: $", 3}, {"Telephone: $", 4},
      {"Cable: $", 5}, {"Other: $", 6}}},
    {K::Liabilities, 1, &D::GetLiabCreditCards, &D::SetLiabCreditCards,
     {{"Credit card #1: $", 0}, {"Credit card #2: $", 1}, {"Credit card #3: $", 2}, {"Credit card #4: $", 3}}},
    {K::Liabilities, 2, &D::GetLiabVehicles, &D::SetLiabVehicles,
     {{"Vehicle #1: $", 0}, {"Vehicle #2: $", 1}, {"Vehicle #3: $", 2}, {"Vehicle #4: $", 3}}},
    {K::Liabilities, 3, &D::GetLiabStudentLoans, &D::SetLiabStudentLoans,
     {{"Student loan #1: $", 0}, {"Student loan #2: $", 1}, {"Student loan #3: $", 2},
      {"Student loan #4: $", 3}}},
    {K::Liabilities, 4, &D::GetLiabHome, &D::SetLiabHome,
     {{"Home #1: $", 0}, {"Home #2: $", 1}, {"Home equity loan: $", 2}}},
    {K::Liabilities, 5, &D::GetLiabTaxes, &D::SetLiabTaxes,
     {{"Owed income taxes: $", 0}, {"Owed property taxes: $", 2}, {"Owed school taxes: $", 3},
      {"Other owed taxes: $", 1}}},
    {K::Liabilities, 6, &D::GetLiabOther, &D::SetLiabOther,
     {{"Other charge card #1: $", 0}, {"Other charge card #2: $", 1}, {"Other loan #1: $", 2},
      {"Other loan #2: $", 3}, {"Other unpaid bills: $", 4}}},

    // The loans of the debt-load worksheet.
    {K::Loans, 0, &D::GetLoanList, &D::SetLoanList,
     {{"Education loan: $", 0}, {"Car loan: $", 1}, {"Credit card #1: $", 2}, {"Credit card #2: $", 3},
      {"Credit card #3: $", 4}, {"Other Loans: $", 5}}},

    // The monthly budget's categories.
    {K::Budget, 0, &D::GetBudgetContributions, &D::SetBudgetContributions,
     {{"Church: $", 0}, {"Charities: $", 1}, {"Alimony: $", 2}, {"Child support: $", 3}}},
    {K::Budget, 1, &D::GetBudgetFood, &D::SetBudgetFood,
     {{"Food at home: $", 0}, {"Food away from home: $", 1}}},
    {K::Budget, 2, &D::GetBudgetHousing, &D::SetBudgetHousing,
     {{"Mortgage/rent: $", 0}, {"Property taxes: $", 1}, {"Maintenance/repairs: $", 2},
      {"Homeowner's insurance: $", 3}}},
    {K::Budget, 3, &D::GetBudgetUtilities, &D::SetBudgetUtilities,
     {{"Telephone: $", 0}, {"Electricity: $", 1}, {"Gas: $", 2}, {"Water: $", 3}}},
    {K::Budget, 4, &D::GetBudgetConsumerDebt, &D::SetBudgetConsumerDebt,
     {{"Credit card payments: $", 0}, {"Charge card payments: $", 1}, {"Furniture/appliance loans: $", 2},
      {"Other loans: $", 3}}},
    {K::Budget, 5, &D::GetBudgetSavings, &D::SetBudgetSavings,
     {{"Emergency: $", 0}, {"Other savings: $", 1}}},
    {K::Budget, 6, &D::GetBudgetClothing, &D::SetBudgetClothing,
     {{"Clothing: $", 0}, {"Laundry/dry cleaning: $", 1}, {"Footwear: $", 2}, {"Jewelry: $", 3}}},
    {K::Budget, 7, &D::GetBudgetTransportation, &D::SetBudgetTransportation,
     {{"Vehicle payments: $", 0}, {"Insurance: $", 1}, {"Gas & oil: $", 2}, {"Vehicle repair/maint: $", 3},
      {"Public transportation: $", 4}, {"Tags/license: $", 5}, {"Parking: $", 6}}},
    {K::Budget, 8, &D::GetBudgetHealth, &D::SetBudgetHealth,
     {{"Medical services: $", 0}, {"Prescriptions: $", 1}, {"Medical supplies: $", 2},
      {"Health insurance: $", 3}}},
    {K::Budget, 9, &D::GetBudgetInsurance, &D::SetBudgetInsurance,
     {{"Life: $", 0}, {"Mortgage life: $", 1}, {"Retirement plans: $", 2}, {"Other: $", 3}}},
    {K::Budget, 10, &D::GetBudgetEntertainment, &D::SetBudgetEntertainment,
     {{"Vacations: $", 0}, {"Videos & music: $", 1}, {"Cable: $", 2}, {"Health club: $", 3},
      {"Fees & admissions: $", 4}, {"Recreation equipment: $", 5}, {"Pets: $", 6}, {"Other: $", 7}}},
    {K::Budget, 11, &D::GetBudgetPersonal, &D::SetBudgetPersonal,
     {{"Personal products: $", 0}, {"Personal care services: $", 1}, {"Education: $", 2}, {"Tuition: $", 3},
      {"Books, supplies, fees: $", 4}, {"Subscriptions: $", 5}, {"Other: $", 6}}},
    {K::Budget, 12, &D::GetBudgetMisc, &D::SetBudgetMisc,
     {{"Banking fees: $", 0}, {"Job expenses: $", 1}, {"Other: $", 2}}},
};
// clang-format on

} // namespace

const DetailLine* FindDetailLine(DetailKind kind, int line)
{
    for (const DetailLine& l : kLines) {
        if (l.kind == kind && l.line == line)
            return &l;
    }
    return nullptr;
}

int RowCount(const DetailLine& line)
{
    int count = 0;
    while (count < kDetailMaxRows && line.rows[count].label)
        ++count;
    return count;
}

long long SubItemSum(const CFinData& record, DetailKind kind, int line)
{
    const DetailLine* detail = FindDetailLine(kind, line);
    if (!detail)
        return 0;
    long long sum = 0;
    const auto add = [&](int index) { sum += std::max(0, (record.*detail->get)(index)); };
    for (int r = 0; r < RowCount(*detail); ++r)
        add(detail->rows[r].index);
    if (detail->hiddenSlot >= 0)
        add(detail->hiddenSlot);
    return sum;
}
