// The byte image of the user's data record, exactly as the saved-work file
// "findata.zem" holds it: 1512 bytes of little-endian 32-bit integers,
// checklist bytes and zero-terminated texts, with no header.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

inline constexpr int kTextSize = 50; // goal names and emergency texts
inline constexpr int kFileNameSize = 20;

struct FinRecord {
    std::uint32_t classWord; // no defined content; ignored when read
    std::uint32_t spareWord; // no defined content
    char fileName[kFileNameSize];
    std::int32_t quickAssets[8];
    std::int32_t quickLiabilities[6];
    std::int32_t budgetFood[3];
    std::int32_t budgetHousing[4];
    std::int32_t budgetUtilities[4];
    std::int32_t quickOtherLiabilities;
    std::int32_t budgetClothing[4];
    std::int32_t budgetTransportation[7];
    std::int32_t budgetHealth[4];
    std::int32_t budgetEntertainment[8];
    std::int32_t budgetInsurance[4];
    std::int32_t budgetContributions[4];
    std::int32_t budgetMisc[3];
    std::int32_t budgetPersonal[7];
    std::int32_t budgetSavings[2];
    std::int32_t budgetConsumerDebt[4];
    std::int32_t assetsCash[5];
    std::int32_t spareAfterCash;
    std::int32_t assetsChecking[4];
    std::int32_t assetsSavings[4];
    std::int32_t assetsHouses[3];
    std::int32_t assetsVehicles[4];
    std::int32_t assetsOther[3];
    std::int32_t assetsPersonal[6];
    std::int32_t liabUtilities[7];
    std::int32_t liabCreditCards[4];
    std::int32_t spareLiabilities[4]; // counted into the detailed total, never written
    std::int32_t liabVehicles[4];
    std::int32_t liabStudentLoans[4];
    std::int32_t liabHome[3];
    std::int32_t spareAfterHome;
    std::int32_t liabTaxes[4];
    std::int32_t liabOther[5];
    std::int32_t creditMonths;
    std::int32_t creditRate; // hundredths of a percent
    std::int32_t creditPrincipal;
    std::int32_t goalAmount[3];
    std::int32_t goalYears[3]; // hundredths of a year; -100 when not entered
    std::int32_t spareAfterGoals;
    std::int32_t assetsInvestments[8];
    std::int32_t spareAfterInvestments;
    std::int32_t monthlyHousingCost;
    std::int32_t monthlyNetIncome;
    std::int32_t age;
    std::int32_t monthlyDebtPayments;
    std::int32_t totalOwned;
    std::uint8_t analysisChecklist[10];
    std::uint8_t paddingAfterChecklist[2];
    std::int32_t saveMoreAmounts[9];
    std::int32_t habitsAnswers[10];
    std::int32_t spendingAnswers[50];
    std::int32_t valuesAnswers[15];
    std::int32_t saverAnswers[6];
    std::int32_t totalAssets;
    std::int32_t totalLiabilities;
    char goalName[3][kTextSize];
    std::uint8_t paddingAfterGoalNames[2];
    std::int32_t emergencyChoice[5];
    char emergencyText[5][kTextSize];
    std::uint8_t paddingAfterEmergencyTexts[2];
    std::int32_t loanList[6];
    std::int32_t lastSpare;
};

static_assert(std::endian::native == std::endian::little, "the file holds little-endian integers");
static_assert(std::is_standard_layout_v<FinRecord> && std::is_trivially_copyable_v<FinRecord>);
static_assert(sizeof(FinRecord) == 1512);

// Every field stands where the saved-work file has it.
static_assert(offsetof(FinRecord, fileName) == 0x008);
static_assert(offsetof(FinRecord, quickAssets) == 0x01C);
static_assert(offsetof(FinRecord, quickLiabilities) == 0x03C);
static_assert(offsetof(FinRecord, budgetFood) == 0x054);
static_assert(offsetof(FinRecord, budgetHousing) == 0x060);
static_assert(offsetof(FinRecord, budgetUtilities) == 0x070);
static_assert(offsetof(FinRecord, quickOtherLiabilities) == 0x080);
static_assert(offsetof(FinRecord, budgetClothing) == 0x084);
static_assert(offsetof(FinRecord, budgetTransportation) == 0x094);
static_assert(offsetof(FinRecord, budgetHealth) == 0x0B0);
static_assert(offsetof(FinRecord, budgetEntertainment) == 0x0C0);
static_assert(offsetof(FinRecord, budgetInsurance) == 0x0E0);
static_assert(offsetof(FinRecord, budgetContributions) == 0x0F0);
static_assert(offsetof(FinRecord, budgetMisc) == 0x100);
static_assert(offsetof(FinRecord, budgetPersonal) == 0x10C);
static_assert(offsetof(FinRecord, budgetSavings) == 0x128);
static_assert(offsetof(FinRecord, budgetConsumerDebt) == 0x130);
static_assert(offsetof(FinRecord, assetsCash) == 0x140);
static_assert(offsetof(FinRecord, spareAfterCash) == 0x154);
static_assert(offsetof(FinRecord, assetsChecking) == 0x158);
static_assert(offsetof(FinRecord, assetsSavings) == 0x168);
static_assert(offsetof(FinRecord, assetsHouses) == 0x178);
static_assert(offsetof(FinRecord, assetsVehicles) == 0x184);
static_assert(offsetof(FinRecord, assetsOther) == 0x194);
static_assert(offsetof(FinRecord, assetsPersonal) == 0x1A0);
static_assert(offsetof(FinRecord, liabUtilities) == 0x1B8);
static_assert(offsetof(FinRecord, liabCreditCards) == 0x1D4);
static_assert(offsetof(FinRecord, spareLiabilities) == 0x1E4);
static_assert(offsetof(FinRecord, liabVehicles) == 0x1F4);
static_assert(offsetof(FinRecord, liabStudentLoans) == 0x204);
static_assert(offsetof(FinRecord, liabHome) == 0x214);
static_assert(offsetof(FinRecord, spareAfterHome) == 0x220);
static_assert(offsetof(FinRecord, liabTaxes) == 0x224);
static_assert(offsetof(FinRecord, liabOther) == 0x234);
static_assert(offsetof(FinRecord, creditMonths) == 0x248);
static_assert(offsetof(FinRecord, creditRate) == 0x24C);
static_assert(offsetof(FinRecord, creditPrincipal) == 0x250);
static_assert(offsetof(FinRecord, goalAmount) == 0x254);
static_assert(offsetof(FinRecord, goalYears) == 0x260);
static_assert(offsetof(FinRecord, spareAfterGoals) == 0x26C);
static_assert(offsetof(FinRecord, assetsInvestments) == 0x270);
static_assert(offsetof(FinRecord, spareAfterInvestments) == 0x290);
static_assert(offsetof(FinRecord, monthlyHousingCost) == 0x294);
static_assert(offsetof(FinRecord, monthlyNetIncome) == 0x298);
static_assert(offsetof(FinRecord, age) == 0x29C);
static_assert(offsetof(FinRecord, monthlyDebtPayments) == 0x2A0);
static_assert(offsetof(FinRecord, totalOwned) == 0x2A4);
static_assert(offsetof(FinRecord, analysisChecklist) == 0x2A8);
static_assert(offsetof(FinRecord, paddingAfterChecklist) == 0x2B2);
static_assert(offsetof(FinRecord, saveMoreAmounts) == 0x2B4);
static_assert(offsetof(FinRecord, habitsAnswers) == 0x2D8);
static_assert(offsetof(FinRecord, spendingAnswers) == 0x300);
static_assert(offsetof(FinRecord, valuesAnswers) == 0x3C8);
static_assert(offsetof(FinRecord, saverAnswers) == 0x404);
static_assert(offsetof(FinRecord, totalAssets) == 0x41C);
static_assert(offsetof(FinRecord, totalLiabilities) == 0x420);
static_assert(offsetof(FinRecord, goalName) == 0x424);
static_assert(offsetof(FinRecord, paddingAfterGoalNames) == 0x4BA);
static_assert(offsetof(FinRecord, emergencyChoice) == 0x4BC);
static_assert(offsetof(FinRecord, emergencyText) == 0x4D0);
static_assert(offsetof(FinRecord, paddingAfterEmergencyTexts) == 0x5CA);
static_assert(offsetof(FinRecord, loanList) == 0x5CC);
static_assert(offsetof(FinRecord, lastSpare) == 0x5E4);

// The data fields, from the first amount to the last spare.
inline constexpr std::size_t kDataBegin = offsetof(FinRecord, quickAssets);
inline constexpr std::size_t kDataEnd = sizeof(FinRecord);
