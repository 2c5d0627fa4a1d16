// The user's data record: every entry of the course in one flat block that
// is read from and written to the saved-work file whole. Each page that
// shows user data owns one, loads it when shown and saves it when left.
#pragma once

#include "data/FinRecord.h"

#include <string>
#include <string_view>

// The saved-work file's name, which every record also carries.
inline constexpr char kSavedWorkFileName[] = "findata.zem";

class CFinData {
public:
    CFinData();
    virtual ~CFinData();
    CFinData(const CFinData&) = default;
    CFinData& operator=(const CFinData&) = default;

    // What the user typed, as a stored amount: the digits of at most the
    // first 11 characters, or -1 when there are none.
    static int ParseAmount(std::string_view text);

    // Every data field to its default.
    void Reset();
    // Reads the saved-work file; false (record unchanged) when it cannot.
    bool Load();
    // Writes the record to the saved-work file; false when it cannot.
    bool Save() const;

    // The record as the file holds it.
    const FinRecord& Record() const { return r_; }
    FinRecord& Record() { return r_; }
    const char* GetFileName() const { return r_.fileName; }

// An integer group filled from entry fields: index and text.
#define FIN_AMOUNT_GROUP(Name, field)                                                                        \
    void Set##Name(int i, std::string_view text)                                                             \
    {                                                                                                        \
        r_.field[i] = ParseAmount(text);                                                                     \
    }                                                                                                        \
    int Get##Name(int i) const                                                                               \
    {                                                                                                        \
        return r_.field[i];                                                                                  \
    }
// A single integer filled from an entry field.
#define FIN_AMOUNT(Name, field)                                                                              \
    void Set##Name(std::string_view text)                                                                    \
    {                                                                                                        \
        r_.field = ParseAmount(text);                                                                        \
    }                                                                                                        \
    int Get##Name() const                                                                                    \
    {                                                                                                        \
        return r_.field;                                                                                     \
    }
// An integer group or field stored as it is.
#define FIN_VALUE_GROUP(Name, field)                                                                         \
    void Set##Name(int i, int value)                                                                         \
    {                                                                                                        \
        r_.field[i] = value;                                                                                 \
    }                                                                                                        \
    int Get##Name(int i) const                                                                               \
    {                                                                                                        \
        return r_.field[i];                                                                                  \
    }
#define FIN_VALUE(Name, field)                                                                               \
    void Set##Name(int value)                                                                                \
    {                                                                                                        \
        r_.field = value;                                                                                    \
    }                                                                                                        \
    int Get##Name() const                                                                                    \
    {                                                                                                        \
        return r_.field;                                                                                     \
    }
// A group of fixed-size texts.
#define FIN_TEXT_GROUP(Name, field)                                                                          \
    void Set##Name(int i, std::string_view text)                                                             \
    {                                                                                                        \
        CopyText(r_.field[i], text);                                                                         \
    }                                                                                                        \
    std::string Get##Name(int i) const                                                                       \
    {                                                                                                        \
        return TextOf(r_.field[i]);                                                                          \
    }

    FIN_AMOUNT_GROUP(QuickAssets, quickAssets)
    FIN_AMOUNT_GROUP(QuickLiabilities, quickLiabilities)
    FIN_AMOUNT(QuickOtherLiabilities, quickOtherLiabilities)
    FIN_AMOUNT_GROUP(BudgetFood, budgetFood)
    FIN_AMOUNT_GROUP(BudgetHousing, budgetHousing)
    FIN_AMOUNT_GROUP(BudgetUtilities, budgetUtilities)
    FIN_AMOUNT_GROUP(BudgetClothing, budgetClothing)
    FIN_AMOUNT_GROUP(BudgetTransportation, budgetTransportation)
    FIN_AMOUNT_GROUP(BudgetHealth, budgetHealth)
    FIN_AMOUNT_GROUP(BudgetEntertainment, budgetEntertainment)
    FIN_AMOUNT_GROUP(BudgetInsurance, budgetInsurance)
    FIN_AMOUNT_GROUP(BudgetContributions, budgetContributions)
    FIN_AMOUNT_GROUP(BudgetMisc, budgetMisc)
    FIN_AMOUNT_GROUP(BudgetPersonal, budgetPersonal)
    FIN_AMOUNT_GROUP(BudgetSavings, budgetSavings)
    FIN_AMOUNT_GROUP(BudgetConsumerDebt, budgetConsumerDebt)
    FIN_AMOUNT_GROUP(AssetsCash, assetsCash)
    FIN_AMOUNT_GROUP(AssetsChecking, assetsChecking)
    FIN_AMOUNT_GROUP(AssetsSavings, assetsSavings)
    FIN_AMOUNT_GROUP(AssetsHouses, assetsHouses)
    FIN_AMOUNT_GROUP(AssetsVehicles, assetsVehicles)
    FIN_AMOUNT_GROUP(AssetsOther, assetsOther)
    FIN_AMOUNT_GROUP(AssetsPersonal, assetsPersonal)
    FIN_AMOUNT_GROUP(AssetsInvestments, assetsInvestments)
    FIN_AMOUNT_GROUP(LiabUtilities, liabUtilities)
    FIN_AMOUNT_GROUP(LiabCreditCards, liabCreditCards)
    FIN_AMOUNT_GROUP(LiabVehicles, liabVehicles)
    FIN_AMOUNT_GROUP(LiabStudentLoans, liabStudentLoans)
    FIN_AMOUNT_GROUP(LiabHome, liabHome)
    FIN_AMOUNT_GROUP(LiabTaxes, liabTaxes)
    FIN_AMOUNT_GROUP(LiabOther, liabOther)
    FIN_AMOUNT(CreditMonths, creditMonths)
    FIN_AMOUNT(CreditRate, creditRate)
    FIN_AMOUNT(CreditPrincipal, creditPrincipal)
    FIN_AMOUNT_GROUP(GoalAmount, goalAmount)
    FIN_AMOUNT_GROUP(GoalYears, goalYears)
    FIN_AMOUNT(MonthlyHousingCost, monthlyHousingCost)
    FIN_AMOUNT(MonthlyNetIncome, monthlyNetIncome)
    FIN_AMOUNT(Age, age)
    FIN_AMOUNT(MonthlyDebtPayments, monthlyDebtPayments)
    FIN_AMOUNT(TotalOwned, totalOwned)
    FIN_AMOUNT_GROUP(LoanList, loanList)
    FIN_AMOUNT_GROUP(SaveMoreAmounts, saveMoreAmounts)
    FIN_VALUE(TotalAssets, totalAssets)
    FIN_VALUE(TotalLiabilities, totalLiabilities)
    FIN_VALUE_GROUP(EmergencyChoice, emergencyChoice)
    FIN_VALUE_GROUP(HabitsAnswers, habitsAnswers)
    FIN_VALUE_GROUP(SpendingAnswers, spendingAnswers)
    FIN_VALUE_GROUP(ValuesAnswers, valuesAnswers)
    FIN_VALUE_GROUP(SaverAnswers, saverAnswers)
    FIN_TEXT_GROUP(GoalName, goalName)
    FIN_TEXT_GROUP(EmergencyText, emergencyText)

#undef FIN_AMOUNT_GROUP
#undef FIN_AMOUNT
#undef FIN_VALUE_GROUP
#undef FIN_VALUE
#undef FIN_TEXT_GROUP

    // Ticks of the detailed-analysis checklist, 0 or 1.
    void SetAnalysisChecklist(int i, std::uint8_t tick)
    {
        r_.analysisChecklist[i] = tick;
    }
    std::uint8_t GetAnalysisChecklist(int i) const
    {
        return r_.analysisChecklist[i];
    }

private:
    // Copies at most 49 characters and the terminating zero.
    static void CopyText(char (&field)[kTextSize], std::string_view text);
    // The characters of a field up to its zero (at most 49).
    static std::string TextOf(const char (&field)[kTextSize]);

    FinRecord r_{};
};

// Where the saved-work file lives and which record the file is read into
// first. The application sets both at start-up; until it does, the file is
// looked for in the current folder and read into a private buffer.
void SetSavedWorkDirectory(std::string directory);
const std::string& SavedWorkDirectory();
void SetSharedRecord(CFinData* record);
