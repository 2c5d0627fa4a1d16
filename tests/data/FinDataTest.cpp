// The data record: amounts as typed, defaults, and where each accessor
// puts its value in the saved-work file.
#include "data/CFinData.h"
#include "tests/support/Recorders.h"

#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

std::int32_t IntAt(const std::string& bytes, size_t offset)
{
    std::int32_t v = 0;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

class SavedWorkDir : public ::testing::Test {
protected:
    void SetUp() override { SetSavedWorkDirectory(dir.path().toStdString() + "/"); }
    std::string FilePath() const { return dir.path().toStdString() + "/findata.zem"; }
    QTemporaryDir dir;
};

} // namespace

TEST(FinData, ParseAmountKeepsOnlyDigits)
{
    EXPECT_EQ(CFinData::ParseAmount("$1,250"), 1250);
    EXPECT_EQ(CFinData::ParseAmount("12.50"), 1250);
    EXPECT_EQ(CFinData::ParseAmount("1,000.00"), 100000);
    EXPECT_EQ(CFinData::ParseAmount("-40"), 40);
    EXPECT_EQ(CFinData::ParseAmount(""), -1);
    EXPECT_EQ(CFinData::ParseAmount("$ ,."), -1);
    EXPECT_EQ(CFinData::ParseAmount("0"), 0);
    EXPECT_EQ(CFinData::ParseAmount("999999999"), 999999999);
    // Only the first 11 characters count; the result never overflows.
    EXPECT_EQ(CFinData::ParseAmount("12345678901234"), 2147483647);
    EXPECT_EQ(CFinData::ParseAmount("1,2,3,4,5,6,789"), 123456);
}

TEST(FinData, ConstructionSetsOnlyTheFileName)
{
    CFinData record;
    EXPECT_STREQ(record.GetFileName(), "findata.zem");
    EXPECT_EQ(record.GetCreditMonths(), 0);
    EXPECT_EQ(record.GetQuickAssets(0), 0);
    EXPECT_EQ(record.GetGoalName(0), "");
}

TEST(FinData, ResetGivesTheDefaults)
{
    CFinData record;
    record.Record().classWord = 0xDEADBEEF;
    record.Record().paddingAfterGoalNames[0] = 7;
    record.SetGoalName(1, "House");
    record.SetAnalysisChecklist(3, 1);
    record.Reset();

    EXPECT_EQ(record.GetCreditMonths(), 36);
    EXPECT_EQ(record.GetCreditRate(), 500);
    EXPECT_EQ(record.GetCreditPrincipal(), 1000);
    EXPECT_EQ(record.GetMonthlyNetIncome(), 1000);
    EXPECT_EQ(record.GetAge(), 30);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(record.GetGoalYears(i), -100);
        EXPECT_EQ(record.GetGoalAmount(i), -1);
        EXPECT_EQ(record.GetGoalName(i), "");
    }
    EXPECT_EQ(record.Record().lastSpare, 100);
    EXPECT_EQ(record.Record().spareLiabilities[2], -1);
    EXPECT_EQ(record.GetQuickAssets(7), -1);
    EXPECT_EQ(record.GetLoanList(5), -1);
    EXPECT_EQ(record.GetEmergencyChoice(4), -1);
    EXPECT_EQ(record.GetSaverAnswers(5), -1);
    EXPECT_EQ(record.GetTotalLiabilities(), -1);
    EXPECT_EQ(record.GetAnalysisChecklist(3), 0);
    EXPECT_EQ(record.Record().paddingAfterChecklist[1], 0);
    // Reset leaves the class word, the padding after the texts and the name.
    EXPECT_EQ(record.Record().classWord, 0xDEADBEEFu);
    EXPECT_EQ(record.Record().paddingAfterGoalNames[0], 7);
    EXPECT_STREQ(record.GetFileName(), "findata.zem");
}

TEST(FinData, TextSettersKeepAtMost49Characters)
{
    CFinData record;
    record.SetEmergencyText(2, std::string(80, 'x'));
    EXPECT_EQ(record.GetEmergencyText(2), std::string(49, 'x'));
    record.SetGoalName(0, "Buying a house");
    EXPECT_EQ(record.GetGoalName(0), "Buying a house");
}

TEST_F(SavedWorkDir, AccessorsWriteAtTheDocumentedOffsets)
{
    struct Case {
        size_t offset;
        std::function<void(CFinData&)> set;
        std::int32_t value;
    };
    const Case cases[] = {
        {0x01C, [](CFinData& r) { r.SetQuickAssets(0, "11"); }, 11},
        {0x038, [](CFinData& r) { r.SetQuickAssets(7, "18"); }, 18},
        {0x050, [](CFinData& r) { r.SetQuickLiabilities(5, "$2,050"); }, 2050},
        {0x058, [](CFinData& r) { r.SetBudgetFood(1, "58"); }, 58},
        {0x080, [](CFinData& r) { r.SetQuickOtherLiabilities("80"); }, 80},
        {0x0AC, [](CFinData& r) { r.SetBudgetTransportation(6, "172"); }, 172},
        {0x0DC, [](CFinData& r) { r.SetBudgetEntertainment(7, "220"); }, 220},
        {0x0FC, [](CFinData& r) { r.SetBudgetContributions(3, "252"); }, 252},
        {0x124, [](CFinData& r) { r.SetBudgetPersonal(6, "292"); }, 292},
        {0x12C, [](CFinData& r) { r.SetBudgetSavings(1, "300"); }, 300},
        {0x13C, [](CFinData& r) { r.SetBudgetConsumerDebt(3, "316"); }, 316},
        {0x148, [](CFinData& r) { r.SetAssetsCash(2, "328"); }, 328},
        {0x190, [](CFinData& r) { r.SetAssetsVehicles(3, "400"); }, 400},
        {0x1B4, [](CFinData& r) { r.SetAssetsPersonal(5, "436"); }, 436},
        {0x1D0, [](CFinData& r) { r.SetLiabUtilities(6, "464"); }, 464},
        {0x228, [](CFinData& r) { r.SetLiabTaxes(1, "552"); }, 552},
        {0x244, [](CFinData& r) { r.SetLiabOther(4, "580"); }, 580},
        {0x248, [](CFinData& r) { r.SetCreditMonths("48"); }, 48},
        {0x24C, [](CFinData& r) { r.SetCreditRate("5.25"); }, 525},
        {0x250, [](CFinData& r) { r.SetCreditPrincipal("2,000"); }, 2000},
        {0x25C, [](CFinData& r) { r.SetGoalAmount(2, "10000"); }, 10000},
        {0x264, [](CFinData& r) { r.SetGoalYears(1, "550"); }, 550},
        {0x280, [](CFinData& r) { r.SetAssetsInvestments(4, "640"); }, 640},
        {0x294, [](CFinData& r) { r.SetMonthlyHousingCost("660"); }, 660},
        {0x298, [](CFinData& r) { r.SetMonthlyNetIncome("2500"); }, 2500},
        {0x29C, [](CFinData& r) { r.SetAge("45"); }, 45},
        {0x2A0, [](CFinData& r) { r.SetMonthlyDebtPayments("250"); }, 250},
        {0x2A4, [](CFinData& r) { r.SetTotalOwned("50,000"); }, 50000},
        {0x2D4, [](CFinData& r) { r.SetSaveMoreAmounts(8, "724"); }, 724},
        {0x2FC, [](CFinData& r) { r.SetHabitsAnswers(9, 5); }, 5},
        {0x3C4, [](CFinData& r) { r.SetSpendingAnswers(49, 2); }, 2},
        {0x400, [](CFinData& r) { r.SetValuesAnswers(14, 4); }, 4},
        {0x418, [](CFinData& r) { r.SetSaverAnswers(5, 1); }, 1},
        {0x41C, [](CFinData& r) { r.SetTotalAssets(-1234); }, -1234},
        {0x420, [](CFinData& r) { r.SetTotalLiabilities(4321); }, 4321},
        {0x4CC, [](CFinData& r) { r.SetEmergencyChoice(4, 8); }, 8},
        {0x5CC, [](CFinData& r) { r.SetLoanList(0, "1484"); }, 1484},
        {0x5E0, [](CFinData& r) { r.SetLoanList(5, "1504"); }, 1504},
    };
    CFinData record;
    record.Reset();
    for (const Case& c : cases)
        c.set(record);
    record.SetAnalysisChecklist(9, 1);
    record.SetGoalName(1, "Taking a vacation");
    record.SetEmergencyText(4, "Roof repair");
    ASSERT_TRUE(record.Save());

    const std::string bytes = ReadFileBytes(FilePath());
    ASSERT_EQ(bytes.size(), 1512u);
    for (const Case& c : cases)
        EXPECT_EQ(IntAt(bytes, c.offset), c.value) << "offset 0x" << std::hex << c.offset;
    EXPECT_EQ(bytes.substr(0x008, 12), std::string("findata.zem\0", 12));
    EXPECT_EQ(bytes[0x2A8 + 9], 1);
    EXPECT_EQ(bytes.substr(0x424 + 50, 18), std::string("Taking a vacation\0", 18));
    EXPECT_EQ(bytes.substr(0x4D0 + 200, 12), std::string("Roof repair\0", 12));
    EXPECT_EQ(IntAt(bytes, 0x5E4), 100);
    EXPECT_EQ(IntAt(bytes, 0x260), -100);
}
