// Risk tolerance as a user takes it: the four amounts typed on the first
// page, the six statements over two survey pages, the level, tips and a
// gauge pointer that grows to the score, the tiers of the investment lesson
// that suit it, the amounts at their places in the saved-work file and
// again after a restart; and the score itself at the edges of its table.
#include "app/CFinView.h"
#include "app/ChooserPage.h"
#include "app/LessonPage.h"
#include "data/CFinData.h"
#include "kit/AppServices.h"
#include "kit/NavBar.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/planning/RiskInputPage.h"
#include "pages/planning/RiskLevels.h"
#include "pages/planning/RiskResultsPage.h"
#include "pages/planning/RiskScore.h"
#include "pages/surveys/SurveyPage.h"
#include "tests/support/Exercise.h"
#include "tests/support/Screen.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>

using namespace platform;
using namespace places;

namespace {

constexpr char kHigher[] = "May be prepared to consider investment alternatives with more risk.";
constexpr char kModerate[] = "May want to concentrate on moderate investment opportunities.";
constexpr char kLower[] = "May want to seek low-risk investment opportunities.";
constexpr int kYes = 1;
constexpr int kNo = 2;
// The pointer's row and first column on the results page.
constexpr int kGaugeX = 137;
constexpr int kGaugeMiddleY = 179 + 7;

// A record with the four amounts and one answer for every statement.
CFinData RecordWith(int age, int income, int owned, int payments, int answer)
{
    CFinData record;
    record.Reset();
    record.SetAge(std::to_string(age));
    record.SetMonthlyNetIncome(std::to_string(income));
    record.SetTotalOwned(std::to_string(owned));
    record.SetMonthlyDebtPayments(std::to_string(payments));
    for (int i = 0; i < kRiskStatements; ++i)
        record.SetSaverAnswers(i, answer);
    return record;
}

std::int32_t IntAt(const std::string& bytes, size_t offset)
{
    std::int32_t value = 0;
    if (offset + sizeof value <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

class Risk : public ExerciseTest {
protected:
    RiskInputPage* Input() { return Get<RiskInputPage>(PageId::RiskInput); }
    RiskResultsPage* Results() { return Get<RiskResultsPage>(PageId::RiskResults); }
    SurveyPage* Survey() { return Get<SurveyPage>(PageId::Survey); }
    LessonPage* Lesson() { return view().Lesson(); }

    // From the planning module's "Saving & Investing" section, as the user goes.
    void OpenInputPage()
    {
        OpenSection(4, 1);
        ASSERT_EQ(view().Chooser()->Key(), "PLAN2");
        Choose(0);
        ASSERT_TRUE(Shows(Input()));
    }
    void TypeAmounts(const char* age, const char* income, const char* owned, const char* payments)
    {
        TypeInto(Input()->GetField(RiskInputPage::Age), age);
        TypeInto(Input()->GetField(RiskInputPage::Income), income);
        TypeInto(Input()->GetField(RiskInputPage::Owned), owned);
        TypeInto(Input()->GetField(RiskInputPage::Payments), payments);
    }
    // Ticks `column` on every row of the survey page on screen, by clicks.
    void AnswerPage(int column)
    {
        for (int row = 0; row < Survey()->Grid().GetLayout().rows; ++row) {
            const ImageButton& box = Survey()->Grid().Box(row, column);
            ClickPage(box.X() + SurveyGrid::kBoxWidth / 2, box.Y() + 10);
        }
    }
    // Both statement pages answered alike, then Next to the result.
    void AnswerSurvey(int column)
    {
        ASSERT_TRUE(Shows(Survey()));
        ASSERT_EQ(Survey()->File(), "saver.txt");
        for (int page = 0; page < 2; ++page) {
            AnswerPage(column);
            Click(kNavNext);
        }
        ASSERT_TRUE(Shows(Results()));
    }
    // Waits for the first paint of the results, which starts the pointer.
    bool GaugeStarts()
    {
        return Driver::Until([&] { return Results()->HasTimer(1); });
    }
    // Lets the pointer grow to its end, tick after tick.
    bool GaugeGrows()
    {
        return Driver::TickUntil(*Results(), 1, [&] { return !Results()->HasTimer(1); });
    }
    // The investment lesson, opened from its section as the user goes.
    void OpenInvestLesson()
    {
        drive.Click(kSideX, kSectionY[3]);
        ASSERT_TRUE(Shows(view().Chooser()));
        ASSERT_EQ(view().Chooser()->Key(), "PLAN4");
        Choose(0);
        ASSERT_TRUE(Shows(Lesson()));
        ASSERT_EQ(Lesson()->Key(), "invest");
    }
    std::vector<bool> Tiers()
    {
        std::vector<bool> tiers;
        for (int tier = 1; tier <= kInvestmentTiers; ++tier)
            tiers.push_back(Lesson()->TierHighlighted(tier));
        return tiers;
    }
    // Saves `record` and completes the survey as its last page would.
    void CompleteWith(const CFinData& record)
    {
        ASSERT_TRUE(record.Save());
        view().SendMessage(VM_RISK_RESULTS);
    }
};

} // namespace

TEST(RiskScore, PointsOfTheAmountsAtTheEdgesOfTheirBands)
{
    // Everything at its best, yes to every statement: the full gauge.
    EXPECT_EQ(RiskScore(RecordWith(45, 4167, 50000, 0, kYes)), 24);
    EXPECT_EQ(GaugeLength(24), 204);
    // Everything at its least, no to every statement.
    EXPECT_EQ(RiskScore(RecordWith(70, 2000, 10000, 500, kNo)), 5);
    EXPECT_EQ(GaugeLength(5), 42);
    // Nothing answered: the statements add nothing.
    EXPECT_EQ(RiskScore(RecordWith(45, 4167, 50000, 0, -1)), 12);

    EXPECT_EQ(AgePoints(45), 3);
    EXPECT_EQ(AgePoints(46), 2);
    EXPECT_EQ(AgePoints(62), 2);
    EXPECT_EQ(AgePoints(63), 1);
    EXPECT_EQ(AgePoints(-1), 3); // not entered counts as nothing
    EXPECT_EQ(IncomePoints(4166), 2);
    EXPECT_EQ(IncomePoints(2084), 2);
    EXPECT_EQ(IncomePoints(2083), 1);
    EXPECT_EQ(OwnedPoints(49999), 2);
    EXPECT_EQ(OwnedPoints(24999), 1);
    // 25,000 owned scores 2 whatever the income.
    for (int income : {0, 1000, 10000}) {
        CFinData record = RecordWith(30, income, 25000, 0, -1);
        EXPECT_EQ(OwnedPoints(record.GetTotalOwned()), 2);
        EXPECT_EQ(RiskScore(record), AgePoints(30) + IncomePoints(income) + 2 + 3);
    }
    // Payments of exactly 15 % and 20 % of income, and just above.
    EXPECT_EQ(PaymentPoints(150, 1000), 3);
    EXPECT_EQ(PaymentPoints(151, 1000), 2);
    EXPECT_EQ(PaymentPoints(200, 1000), 2);
    EXPECT_EQ(PaymentPoints(201, 1000), 1);
    EXPECT_EQ(PaymentPoints(3, 20), 3);
    // No income: payments are too many, none are none.
    EXPECT_EQ(PaymentPoints(1, 0), 1);
    EXPECT_EQ(PaymentPoints(0, 0), 3);
    EXPECT_EQ(PaymentPoints(-1, 0), 3);
    EXPECT_EQ(RiskScore(RecordWith(30, 0, 0, 100, -1)), 3 + 1 + 1 + 1);
    EXPECT_EQ(RiskScore(RecordWith(30, 0, 0, 0, -1)), 3 + 1 + 1 + 3);
    // The largest amounts neither overflow nor change the bands.
    EXPECT_EQ(PaymentPoints(999999, 999999), 1);
    EXPECT_EQ(PaymentPoints(149999, 999999), 3);
}

TEST(RiskScore, StatementsTwoAndFiveTakePointsOffForNo)
{
    const int expectedNo[kRiskStatements] = {1, -2, 1, 1, -1, 1};
    for (int i = 0; i < kRiskStatements; ++i) {
        EXPECT_EQ(StatementPoints(i, kYes), 2) << i;
        EXPECT_EQ(StatementPoints(i, kNo), expectedNo[i]) << i;
        EXPECT_EQ(StatementPoints(i, -1), 0) << i;
        EXPECT_EQ(StatementPoints(i, 7), 0) << i; // a damaged answer counts as none
    }
    CFinData record = RecordWith(70, 0, 0, 0, -1);
    record.SetSaverAnswers(1, kNo);
    record.SetSaverAnswers(4, kNo);
    EXPECT_EQ(RiskScore(record), 1 + 1 + 1 + 3 - 3);
}

TEST(RiskScore, LevelsAndGaugeStopsAtTheirBoundaries)
{
    EXPECT_STREQ(RiskLevelFor(12).sentence, kLower);
    EXPECT_STREQ(RiskLevelFor(13).sentence, kModerate);
    EXPECT_STREQ(RiskLevelFor(18).sentence, kModerate);
    EXPECT_STREQ(RiskLevelFor(19).sentence, kHigher);
    EXPECT_STREQ(RiskLevelFor(1).video, "4_1_1c3.avi");
    EXPECT_STREQ(RiskLevelFor(15).video, "4_1_1c2.avi");
    EXPECT_STREQ(RiskLevelFor(24).video, "4_1_1c1.avi");
    // The pointer keeps to its level's part of the gauge.
    EXPECT_EQ(GaugeLength(12), 45);
    EXPECT_EQ(GaugeLength(13), 110);
    EXPECT_EQ(GaugeLength(18), 145); // 153 unheld
    EXPECT_EQ(GaugeLength(19), 161);
    for (int score = 1; score < kHighestRiskScore; ++score)
        EXPECT_LE(GaugeLength(score), GaugeLength(score + 1)) << score;
    // Tips: up to the last line of each level, the rest of the seventeen empty.
    const std::pair<int, size_t> tipLines[] = {{5, 12}, {15, 14}, {24, 16}};
    for (const auto& [score, count] : tipLines) {
        const RiskLevel& level = RiskLevelFor(score);
        const std::vector<std::string> tips = RiskTips(level);
        EXPECT_EQ(tips.size(), count);
        EXPECT_EQ(tips.front().front(), '*');
        const std::vector<std::string> report = RiskReportLines(level);
        EXPECT_EQ(report[0], "Your answers suggest that you:");
        EXPECT_EQ(report[1], level.sentence);
        EXPECT_EQ(report[2], "");
        EXPECT_EQ(report.size(), 3 + tips.size());
    }
    EXPECT_EQ(RiskTips(RiskLevelFor(12)).back(),
              ">Purchase savings bonds. Twenty-five dollars can buy a $50 bond.");
}

TEST_F(Risk, NewUserTypesTheAmountsAnswersYesAndGetsTheWholeGauge)
{
    OpenInputPage();
    RiskInputPage& input = *Input();
    EXPECT_EQ(input.GetWindowText(), "IDD_Saver");
    EXPECT_EQ(CurrentMediaName(), "4_1_1a.avi");
    EXPECT_EQ(program.app().Windows().topTen->List(), "plan2a");
    // A fresh record: age 30 and an income of 1,000; the rest empty.
    EXPECT_EQ(input.GetField(RiskInputPage::Age).GetText(), "30");
    EXPECT_EQ(input.GetField(RiskInputPage::Income).GetText(), "1,000");
    EXPECT_EQ(input.GetField(RiskInputPage::Owned).GetText(), "");
    EXPECT_EQ(input.GetField(RiskInputPage::Payments).GetText(), "");
    EXPECT_TRUE(Driver::Until([&] { return input.GetField(RiskInputPage::Age).Edit().HasFocus(); }));
    EXPECT_NE(input.GetField(RiskInputPage::Owned).HintSound().find("a12_12.wav"), std::string::npos);
    EXPECT_NE(input.GetField(RiskInputPage::Payments).HintSound().find("a32_23.wav"), std::string::npos);
    EXPECT_FALSE(program.app().Nav().Button(0).Enabled());
    EXPECT_TRUE(program.app().Nav().Button(1).Enabled());
    EXPECT_TRUE(program.app().Nav().Button(2).Enabled());
    // The page's white labels stand where it writes them.
    const QImage page = Grab(input);
    EXPECT_TRUE(ContainsColour(page, QRect(40, 204, 60, 14), RGB(255, 255, 255)));
    EXPECT_TRUE(ContainsColour(page, QRect(312, 319, 8, 14), RGB(255, 255, 255)));
    EXPECT_TRUE(ContainsColour(page, QRect(50, 140, 60, 14), RGB(255, 255, 255)));

    TypeInto(input.GetField(RiskInputPage::Age), "45");
    TypeInto(input.GetField(RiskInputPage::Income), "4167");
    TypeInto(input.GetField(RiskInputPage::Owned), "50000");
    TypeInto(input.GetField(RiskInputPage::Payments), "0");
    Click(kNavNext);
    ASSERT_TRUE(Shows(Survey()));
    EXPECT_FALSE(Visible(&input));
    EXPECT_EQ(Survey()->PageCounter(), "Page 2 of 3");
    // The amounts are in the file before the statements are answered.
    const std::string amounts = ReadFileBytes(program.folder().SavedWorkFile());
    EXPECT_EQ(IntAt(amounts, 0x29C), 45);
    EXPECT_EQ(IntAt(amounts, 0x298), 4167);
    EXPECT_EQ(IntAt(amounts, 0x2A4), 50000);
    EXPECT_EQ(IntAt(amounts, 0x2A0), 0);

    AnswerSurvey(kYes);
    RiskResultsPage& results = *Results();
    EXPECT_EQ(results.RiskScore(), 24);
    EXPECT_STREQ(results.Level().sentence, kHigher);
    EXPECT_EQ(CurrentMediaName(), "4_1_1c1.avi");
    EXPECT_EQ(program.app().Windows().topTen->List(), "plan2ac");
    const std::string bytes = ReadFileBytes(program.folder().SavedWorkFile());
    for (int i = 0; i < kRiskStatements; ++i)
        EXPECT_EQ(IntAt(bytes, 0x404 + 4 * static_cast<size_t>(i)), kYes) << i;

    // The pointer grows from nothing to its whole length.
    ASSERT_TRUE(GaugeStarts());
    EXPECT_EQ(results.Gauge().Length(), 204);
    EXPECT_LT(results.Gauge().Drawn(), 204);
    const QImage before = Grab(results);
    ASSERT_TRUE(GaugeGrows());
    EXPECT_EQ(results.Gauge().Drawn(), 204);
    const QImage after = Grab(results);
    EXPECT_NE(PixelOf(after, kGaugeX + 200, kGaugeMiddleY), PixelOf(before, kGaugeX + 200, kGaugeMiddleY));
    EXPECT_EQ(PixelOf(after, kGaugeX + 1, kGaugeMiddleY), PixelOf(after, kGaugeX + 200, kGaugeMiddleY));
    // A later paint draws it whole at once, without a timer.
    results.Invalidate();
    results.UpdateWindow();
    EXPECT_FALSE(results.HasTimer(1));
    EXPECT_EQ(PixelOf(Grab(results), kGaugeX + 200, kGaugeMiddleY),
              PixelOf(after, kGaugeX + 200, kGaugeMiddleY));

    // Print, and the page stays.
    Click(kNavPrint);
    EXPECT_TRUE(Driver::Until([&] { return view().Reports().LastRequest() == VM_PRINT_RISK; }));
    EXPECT_TRUE(Visible(&results));
    ASSERT_EQ(boxes.boxes.size(), 1u); // where the PDF went
    EXPECT_NE(boxes.boxes[0].text.find("\"Risk Tolerance Survey Results\""), std::string::npos);
    boxes.boxes.clear();
    const ReportData report = view().Reports().Collect(VM_PRINT_RISK);
    ASSERT_EQ(report.values.size(), 3 + RiskTips(RiskLevelFor(24)).size());
    EXPECT_EQ(report.values[1], kHigher);
    EXPECT_EQ(report.values[3], "*Spend time learning more about the investment products ");

    // The investment lesson now highlights the top tier only.
    OpenInvestLesson();
    EXPECT_EQ(Tiers(), (std::vector<bool>{true, false, false, false}));
    ASSERT_EQ(Lesson()->InstructionLines().size(), 3u);
    EXPECT_EQ(Lesson()->InstructionLines()[2],
              "The highlighted items in green are appropriate for your risk profile.");
    EXPECT_EQ(CurrentMediaName(), "4_1_1c1.avi");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Risk, NoToEveryStatementGivesTheLowLevelAndAShortPointer)
{
    OpenInputPage();
    TypeAmounts("70", "2000", "10000", "500");
    Click(kNavNext);
    AnswerSurvey(kNo);
    RiskResultsPage& results = *Results();
    EXPECT_EQ(results.RiskScore(), 5);
    EXPECT_STREQ(results.Level().sentence, kLower);
    EXPECT_EQ(CurrentMediaName(), "4_1_1c3.avi");
    ASSERT_TRUE(GaugeStarts());
    ASSERT_TRUE(GaugeGrows());
    // The pointer stops 42 pixels right of where it starts.
    const QImage shown = Grab(results);
    const COLORREF pointer = PixelOf(shown, kGaugeX + 1, kGaugeMiddleY);
    EXPECT_EQ(PixelOf(shown, kGaugeX + 41, kGaugeMiddleY), pointer);
    EXPECT_NE(PixelOf(shown, kGaugeX + 50, kGaugeMiddleY), pointer);

    // Back is the survey's last page with its answers; changed, they score anew.
    Click(kNavBack);
    ASSERT_TRUE(Shows(Survey()));
    EXPECT_FALSE(Visible(&results));
    EXPECT_EQ(Survey()->PageCounter(), "Page 3 of 3");
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Survey()->Grid().Answer(row), kNo);
    AnswerPage(kYes); // statements 4 to 6: 2 + 2 + 2 instead of 1 - 1 + 1
    Click(kNavNext);
    ASSERT_TRUE(Shows(Results()));
    EXPECT_EQ(results.RiskScore(), 10);
    ASSERT_TRUE(GaugeStarts()); // shown again: it grows again
    EXPECT_EQ(results.Gauge().Length(), 45);

    // Back twice more reaches the first page, and its Back the section.
    Click(kNavBack);
    ASSERT_TRUE(Shows(Survey()));
    Click(kNavBack);
    Click(kNavBack);
    ASSERT_TRUE(Shows(Input()));
    EXPECT_EQ(Input()->GetField(RiskInputPage::Age).GetText(), "70");
    Click(kNavBack);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_EQ(view().Chooser()->Key(), "PLAN2");
    EXPECT_FALSE(Visible(Input()));
    // The return button of the results also leads to the section.
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_RISK_RESULTS);
    ASSERT_TRUE(Shows(Results()));
    Click(kNavNext);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_FALSE(Visible(Results()));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Risk, AmountsAreHeldToTheirLimitsAndKeptWhenLeftBySideButton)
{
    OpenInputPage();
    RiskInputPage& input = *Input();
    TypeInto(input.GetField(RiskInputPage::Age), "150");
    TypeInto(input.GetField(RiskInputPage::Owned), "1250000");
    EXPECT_EQ(input.GetField(RiskInputPage::Age).GetText(), "100");
    // Tab goes on to the next field.
    input.GetField(RiskInputPage::Income).SetFocus();
    EXPECT_EQ(input.GetField(RiskInputPage::Owned).GetText(), "999,999");
    drive.Key(Qt::Key_Tab);
    EXPECT_TRUE(input.GetField(RiskInputPage::Owned).Edit().HasFocus());
    // Left by the introduction's side button, not by Next.
    drive.Click(kSideX, kSectionY[0]);
    ASSERT_TRUE(Driver::Until([&] { return !Visible(&input); }));
    const FinRecord saved = SavedBytes();
    EXPECT_EQ(saved.age, 100);
    EXPECT_EQ(saved.totalOwned, 999999);
    EXPECT_EQ(saved.monthlyNetIncome, 1000);
    EXPECT_EQ(saved.monthlyDebtPayments, -1); // still not entered
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Risk, InvestLessonHighlightsAllTiersBeforeAnyScoreThenTheTiersOfEachLevel)
{
    program.EnterFromMenu(4);
    OpenInvestLesson();
    EXPECT_EQ(Lesson()->RiskScore(), -1);
    EXPECT_EQ(Tiers(), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(Lesson()->InstructionLines().size(), 2u);
    EXPECT_EQ(CurrentMediaName(), "4_3_1.avi");

    // The level boundaries: 12 and 13, 18 and 19. Age 30 (3 points),
    // income 4,167 (3), nothing owned (1) and no payments (3) give 10; the
    // statements the rest.
    struct Case {
        int score;
        std::array<int, kRiskStatements> answers;
        std::vector<bool> tiers;
    };
    const Case cases[] = {
        {12, {kYes, -1, -1, -1, -1, -1}, {false, false, true, true}},
        {13, {kNo, -1, kNo, kNo, -1, -1}, {false, true, false, false}},
        {18, {kYes, -1, kYes, kYes, -1, kYes}, {false, true, false, false}},
        {19, {kYes, kYes, kYes, kYes, -1, kNo}, {true, false, false, false}},
    };
    for (const Case& c : cases) {
        CFinData record = RecordWith(30, 4167, 0, 0, -1);
        for (int i = 0; i < kRiskStatements; ++i)
            record.SetSaverAnswers(i, c.answers[static_cast<size_t>(i)]);
        ASSERT_EQ(RiskScore(record), c.score);
        view().SendMessage(VM_HIDE_PAGES);
        CompleteWith(record);
        EXPECT_EQ(Results()->RiskScore(), c.score);
        EXPECT_STREQ(Results()->Level().sentence, RiskLevelFor(c.score).sentence);
        OpenInvestLesson();
        EXPECT_EQ(Lesson()->RiskScore(), c.score);
        EXPECT_EQ(Tiers(), c.tiers) << c.score;
        EXPECT_EQ(Lesson()->InstructionLines().size(), 3u);
        EXPECT_EQ(CurrentMediaName(), RiskLevelFor(c.score).video);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(RiskAmounts, AreThereAgainAfterARestartWhereTheLessonStartsWithoutAScore)
{
    MessageBoxRecorder boxes;
    std::string bytes;
    {
        RunningProgram program;
        CFinData record = RecordWith(52, 3100, 27500, 420, kYes);
        record.SetSaverAnswers(3, kNo);
        ASSERT_TRUE(record.Save());
        program.EnterFromMenu(4);
        program.view().SendMessage(VM_RISK_RESULTS);
        EXPECT_EQ(program.view().Lesson()->RiskScore(), 2 + 2 + 2 + 3 + 5 * 2 + 1);
        bytes = ReadFileBytes(program.folder().SavedWorkFile());
    }
    RunningProgram again;
    WriteFileBytes(again.folder().SavedWorkFile(), bytes);
    again.EnterFromMenu(4);
    CFinView& view = again.view();
    view.SendMessage(VM_LESSON_INVEST);
    EXPECT_EQ(view.Lesson()->RiskScore(), -1);
    for (int tier = 1; tier <= kInvestmentTiers; ++tier)
        EXPECT_TRUE(view.Lesson()->TierHighlighted(tier));
    view.SendMessage(VM_HIDE_PAGES);
    view.SendMessage(VM_SHOW_RISK_INPUT);
    auto* input = view.Pages().Get<RiskInputPage>(PageId::RiskInput);
    ASSERT_TRUE(Driver::Until([&] { return input->IsWindowVisible(); }));
    EXPECT_EQ(input->GetField(RiskInputPage::Age).GetText(), "52");
    EXPECT_EQ(input->GetField(RiskInputPage::Income).GetText(), "3,100");
    EXPECT_EQ(input->GetField(RiskInputPage::Owned).GetText(), "27,500");
    EXPECT_EQ(input->GetField(RiskInputPage::Payments).GetText(), "420");
    view.SendMessage(VM_HIDE_PAGES);
    view.SendMessage(VM_SURVEY_SAVER);
    auto* survey = view.Pages().Get<SurveyPage>(PageId::Survey);
    ASSERT_TRUE(Driver::Until([&] { return survey->IsWindowVisible(); }));
    EXPECT_EQ(survey->Grid().Answer(0), kYes);
    EXPECT_TRUE(boxes.boxes.empty());
}
