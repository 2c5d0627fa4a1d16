// The attitude surveys as a user takes them: boxes ticked by clicks page by
// page, the answers where the saved-work file keeps them, the scores and the
// results they lead to, and the ways back.
#include "app/ExitScreen.h"
#include "app/LessonPage.h"
#include "app/MainMenu.h"
#include "app/TextPage.h"
#include "kit/AppServices.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/surveys/SpendingResultsPage.h"
#include "pages/surveys/SurveyPage.h"
#include "pages/surveys/SurveyResults.h"
#include "pages/surveys/SurveyScores.h"
#include "tests/support/Exercise.h"
#include "tests/support/Screen.h"

#include <QTest>
#include <QWidget>

using namespace platform;
using namespace places;

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);

class Surveys : public ExerciseTest {
protected:
    explicit Surveys(const std::set<std::string>& omit = {}) : ExerciseTest(omit) {}

    SurveyPage* Survey() { return Get<SurveyPage>(PageId::Survey); }
    SpendingResultsPage* Spending() { return Get<SpendingResultsPage>(PageId::SpendingResults); }
    // Opens a module's section and takes the chooser's first choice.
    void TakeFirstChoice(int menuItem, int section)
    {
        OpenSection(menuItem, section);
        Choose(0);
        ASSERT_TRUE(Shows(Survey()));
    }
    QPoint BoxCentre(int row, int column)
    {
        const ImageButton& box = Survey()->Grid().Box(row, column);
        return {kPageX + box.X() + SurveyGrid::kBoxWidth / 2, kPageY + box.Y() + 10};
    }
    void Tick(int row, int column) { Click(BoxCentre(row, column)); }
    // Ticks `column` on every row of the page on screen.
    void TickAll(int column)
    {
        for (int r = 0; r < Survey()->Grid().GetLayout().rows; ++r)
            Tick(r, column);
    }
};

} // namespace

TEST_F(Surveys, RealityCheckTakenByClicksGivesItsLevelAndReopensWithItsMarks)
{
    TakeFirstChoice(1, 1);
    SurveyPage* survey = Survey();
    EXPECT_EQ(survey->File(), "pvals.txt");
    EXPECT_EQ(survey->PageCounter(), "Page 1 of 3");
    EXPECT_EQ(survey->InstructionLines().size(), 3u);
    EXPECT_EQ(CurrentMediaName(), "1_1_1a.wav");
    EXPECT_EQ(survey->Statements().size(), 15u);
    // The first box of the first row stands where the page puts it.
    EXPECT_EQ(survey->Grid().Box(0, 1).X(), 252);
    EXPECT_EQ(survey->Grid().Box(0, 1).Y(), 170);
    EXPECT_EQ(survey->Grid().Box(4, 5).X(), 252 + 4 * 49);
    EXPECT_EQ(survey->Grid().Box(4, 5).Y(), 182 + 4 * 43 - 12);

    for (int page = 0; page < 3; ++page) {
        TickAll(1);
        Click(kNavNext);
    }
    TextPage* text = view().Text();
    ASSERT_TRUE(Shows(text));
    EXPECT_FALSE(Visible(survey));
    EXPECT_EQ(text->Key(), "reality");
    EXPECT_EQ(text->RealityScore(), 15);
    EXPECT_EQ(CurrentMediaName(), "1_1_1e.avi");
    EXPECT_STREQ(RealityResult(text->RealityScore()).level, "You are approaching the financial track.");
    const FinRecord saved = SavedBytes();
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(saved.valuesAnswers[i], 1) << i;
    EXPECT_EQ(offsetof(FinRecord, valuesAnswers), 0x3C8u);

    Grab(*text);
    // The report prints the result page's lines.
    const ReportData report = view().Reports().Collect(VM_PRINT_REALITY);
    ASSERT_GE(report.values.size(), 4u);
    EXPECT_EQ(report.values[0], "Your answers indicate that:");
    EXPECT_EQ(report.values[1], "You are approaching the financial track.");
    EXPECT_EQ(report.values[2], ""); // no quotation
    EXPECT_EQ(report.values[3], "*You may have unrealistic money beliefs and practices. In order");
    Click(kNavPrint);
    EXPECT_TRUE(Visible(text));        // a printed result stays on screen
    ASSERT_EQ(boxes.boxes.size(), 1u); // where the PDF went
    EXPECT_NE(boxes.boxes[0].text.find("\"Financial Reality Survey Results\""), std::string::npos);
    boxes.boxes.clear();

    // Back shows the last page with its marks; changing them changes the level.
    Click(kNavBack);
    ASSERT_TRUE(Shows(survey));
    EXPECT_EQ(survey->CurrentPage(), 2);
    EXPECT_EQ(survey->PageCounter(), "Page 3 of 3");
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(survey->Grid().Answer(r), 1);
    TickAll(5); // 10 + 25
    Click(kNavNext);
    ASSERT_TRUE(Shows(text));
    EXPECT_EQ(text->RealityScore(), 35);
    Click(kNavBack);
    ASSERT_TRUE(Shows(survey));
    Click(kNavBack);
    Click(kNavBack);
    EXPECT_EQ(survey->CurrentPage(), 0);
    TickAll(5);
    Click(kNavNext);
    TickAll(4);
    Click(kNavNext);
    Click(kNavNext);
    ASSERT_TRUE(Shows(text));
    EXPECT_EQ(text->RealityScore(), 25 + 20 + 25);
    EXPECT_STREQ(RealityResult(text->RealityScore()).level, "You are on financial track and moving fast.");

    // The return button leads back to the section.
    Click(kNavNext);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_EQ(view().Chooser()->Key(), "FIN2");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Surveys, ASecondClickOnABoxTakesTheAnswerBack)
{
    TakeFirstChoice(1, 1);
    SurveyPage* survey = Survey();
    Tick(0, 3);
    EXPECT_EQ(survey->Grid().Answer(0), 3);
    Tick(0, 3);
    EXPECT_EQ(survey->Grid().Answer(0), SurveyGrid::kUnanswered);
    EXPECT_EQ(survey->Grid().Box(0, 3).GetState(), ImageButton::Over);
    // Another box of a row replaces the row's answer.
    Tick(1, 2);
    Tick(1, 4);
    EXPECT_EQ(survey->Grid().Answer(1), 4);
    EXPECT_EQ(survey->Grid().Box(1, 2).GetState(), ImageButton::Normal);
    // The second press of a double click comes as a double click: it takes
    // back what the first one ticked.
    Tick(2, 2);
    EXPECT_EQ(survey->Grid().Answer(2), 2);
    QWidget* frame = program.app().MainFrame()->Widget();
    const QPoint p = BoxCentre(2, 2);
    QWidget* target = frame->childAt(p);
    ASSERT_NE(target, nullptr);
    QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(frame, p));
    Driver::Settle();
    EXPECT_EQ(survey->Grid().Answer(2), SurveyGrid::kUnanswered);
    Tick(3, 5);

    Click(kNavNext);
    const FinRecord saved = SavedBytes();
    EXPECT_EQ(saved.valuesAnswers[0], -1);
    EXPECT_EQ(saved.valuesAnswers[1], 4);
    EXPECT_EQ(saved.valuesAnswers[2], -1);
    EXPECT_EQ(saved.valuesAnswers[3], 5);
    EXPECT_EQ(saved.valuesAnswers[4], -1);
    EXPECT_EQ(survey->PageCounter(), "Page 2 of 3");
    EXPECT_EQ(survey->InstructionLines().size(), 2u);
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(survey->Grid().Answer(r), SurveyGrid::kUnanswered) << r;
}

TEST_F(Surveys, StatementsOfOneAndThreeLinesSitOnTheirRowsAndLightUpUnderThePointer)
{
    TakeFirstChoice(3, 2); // the borrowing survey
    SurveyPage* survey = Survey();
    ASSERT_EQ(survey->File(), "habitsur.txt");
    // Its first statement has three lines, its second two.
    ASSERT_EQ(survey->Statements()[0].lineCount, 3);
    ASSERT_EQ(survey->Statements()[1].lineCount, 2);
    EXPECT_EQ(survey->StatementPlace(0), (Point{15, 182 - 12}));
    EXPECT_EQ(survey->StatementPlace(1), (Point{15, 225 - 6}));
    QImage page = Grab(*survey);
    const COLORREF white = RGB(255, 255, 255);
    // The three lines of the first statement run from 12 above the row to 12
    // below it; none of its ink is yellow until the pointer is on a box.
    const QRect firstStatement(15, 182 - 12, 220, 3 * 12 + 4);
    EXPECT_TRUE(ContainsColour(page, firstStatement, white, 8));
    EXPECT_FALSE(ContainsColour(page, firstStatement, kYellow, 8));
    drive.MoveTo(BoxCentre(0, 2).x(), BoxCentre(0, 2).y());
    EXPECT_EQ(survey->Grid().Highlighted(), 0);
    EXPECT_EQ(survey->GetCursor(), Cursor::Hand);
    page = Grab(*survey);
    EXPECT_TRUE(ContainsColour(page, firstStatement, kYellow, 8));
    // Straight onto a box of the next row: the light follows.
    drive.MoveTo(BoxCentre(1, 4).x(), BoxCentre(1, 4).y());
    EXPECT_EQ(survey->Grid().Highlighted(), 1);
    EXPECT_EQ(survey->Grid().Box(0, 2).GetState(), ImageButton::Normal);
    drive.MoveTo(kPageX + 100, kPageY + 300);
    EXPECT_EQ(survey->Grid().Highlighted(), -1);
    EXPECT_EQ(survey->GetCursor(), Cursor::Arrow);
    page = Grab(*survey);
    EXPECT_FALSE(ContainsColour(page, firstStatement, kYellow, 8));

    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Surveys, AStatementOfOneLineStandsOnItsRow)
{
    TakeFirstChoice(1, 2); // the spending survey: its second statement
    SurveyPage* survey = Survey();
    const COLORREF white = RGB(255, 255, 255);
    ASSERT_EQ(survey->Statements()[1].lineCount, 1);
    EXPECT_EQ(survey->StatementPlace(1), (Point{15, 225}));
    const QImage page = Grab(*survey);
    EXPECT_TRUE(ContainsColour(page, QRect(15, 225, 200, 15), white, 8));
    EXPECT_FALSE(ContainsColour(page, QRect(15, 225 - 14, 200, 14), white, 8));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Surveys, BorrowingScoresMinusTenUnansweredAndTenAllInTheFirstColumn)
{
    TakeFirstChoice(3, 2);
    SurveyPage* survey = Survey();
    EXPECT_EQ(program.app().Windows().topTen->List(), "cred3");
    EXPECT_EQ(CurrentMediaName(), "3_2_1a.wav");
    EXPECT_EQ(survey->InstructionLines().front(),
              "Using credit is borrowing. You are borrowing money with the understanding that");
    Click(kNavNext);
    Click(kNavNext);
    ChooserPage* chooser = view().Chooser();
    ASSERT_TRUE(Shows(chooser));
    EXPECT_EQ(chooser->Key(), "habitsur");
    EXPECT_TRUE(chooser->ResultsMode());
    EXPECT_EQ(chooser->BorrowingScore(), -10);
    EXPECT_EQ(chooser->HeadingBlockLines(),
              (std::vector<std::string>{"Your answers indicate that:", "You have great borrowing habits.",
                                        "ShowResults"}));
    Grab(*chooser);
    EXPECT_EQ(CurrentMediaName(), "3_2_1b1.avi");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(SavedBytes().habitsAnswers[i], -1);

    // Back to the last page, then the first, and every row in column 1.
    Click(kNavBack);
    ASSERT_TRUE(Shows(survey));
    EXPECT_EQ(survey->CurrentPage(), 1);
    TickAll(1);
    Click(kNavBack);
    EXPECT_EQ(survey->CurrentPage(), 0);
    TickAll(1);
    Click(kNavNext);
    Click(kNavNext);
    ASSERT_TRUE(Shows(chooser));
    EXPECT_EQ(chooser->BorrowingScore(), 10);
    const FinRecord saved = SavedBytes();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(saved.habitsAnswers[i], 1) << i;
    EXPECT_EQ(offsetof(FinRecord, habitsAnswers), 0x2D8u);

    // Column 4 on the last page: 5 + 20 is a good habit.
    Click(kNavBack);
    ASSERT_TRUE(Shows(survey));
    TickAll(4);
    Click(kNavNext);
    ASSERT_TRUE(Shows(chooser));
    EXPECT_EQ(chooser->BorrowingScore(), 25);
    EXPECT_EQ(chooser->HeadingBlockLines()[1], "You have good borrowing habits.");
    const ReportData report = view().Reports().Collect(VM_PRINT_BORROWING);
    ASSERT_GE(report.values.size(), 4u);
    EXPECT_EQ(report.values[2],
              "\"With a little practice, your good borrowing habits will become even better.\"");
    Click(kNavPrint);
    EXPECT_TRUE(Visible(chooser));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find("\"Your Borrowing Habits\""), std::string::npos);
    boxes.boxes.clear();

    // The choice opens the tips, whose return comes back to the result.
    const ImageButton& tips = chooser->Choice(0);
    EXPECT_EQ(tips.X(), 68);
    EXPECT_EQ(tips.Y(), 342);
    drive.Click(kPageX + tips.X() + 20, kPageY + tips.Y() + 10);
    LessonPage* lesson = view().Lesson();
    ASSERT_TRUE(Shows(lesson));
    EXPECT_EQ(lesson->Key(), "habits");
    Click(kNavNext);
    ASSERT_TRUE(Shows(chooser));
    EXPECT_EQ(chooser->Key(), "habitsur");
    EXPECT_EQ(chooser->BorrowingScore(), 25);
    // Return turns the page into the section's chooser in place.
    Click(kNavNext);
    EXPECT_TRUE(Visible(chooser));
    EXPECT_EQ(chooser->Key(), "CRED3");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Surveys, SpendingSurveyWithNothingAnsweredGivesFiveZeroCounts)
{
    TakeFirstChoice(1, 2);
    SurveyPage* survey = Survey();
    EXPECT_EQ(survey->File(), "spending.txt");
    EXPECT_EQ(survey->Grid().Box(0, 2).X(), 402 + 49);
    for (int page = 0; page < 9; ++page)
        Click(kNavNext);
    EXPECT_EQ(survey->PageCounter(), "Page 10 of 10");
    EXPECT_EQ(survey->InstructionLines().front(),
              "You're almost finished. Check \"Agree\" if the statement reflects your beliefs or");
    EXPECT_EQ(program.app().Windows().topTen->List(), "fin2a");
    Click(kNavNext);
    SpendingResultsPage* results = Spending();
    ASSERT_TRUE(Shows(results));
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(results->TypeCount(k), 0) << k;
    EXPECT_EQ(results->SelectedType(), 0);
    EXPECT_FALSE(results->ShowsYourType());
    const QImage page = Grab(*results);
    EXPECT_FALSE(ContainsColour(page, QRect(20, 175, 240, 30), RGB(141, 171, 191)));
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(SavedBytes().spendingAnswers[i], -1);
    EXPECT_EQ(offsetof(FinRecord, spendingAnswers), 0x300u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Surveys, SpendingResultsOpenTheLowerOfTiedTypesAndFollowTabsAndTopics)
{
    program.EnterFromMenu(1);
    // Agreeing makes the counts 3, 7, 7, 2, 0.
    CFinData record;
    record.Reset();
    const int agreements[5] = {3, 7, 7, 2, 0};
    for (int type = 0; type < 5; ++type) {
        for (int n = 0; n < 10; ++n)
            record.SetSpendingAnswers(type + 5 * n, n < agreements[type] ? kAgree : 2);
    }
    ASSERT_TRUE(record.Save());
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_SPENDING_RESULTS);
    SpendingResultsPage* results = Spending();
    ASSERT_TRUE(Shows(results));
    EXPECT_EQ(results->SelectedType(), 1);
    EXPECT_STREQ(SpendingResultsPage::ColourWord(1), "green");
    EXPECT_TRUE(results->ShowsYourType());
    EXPECT_EQ(results->Topics()[0].key, "green1");
    EXPECT_EQ(results->Text(), ReadLineList(program.folder().Path() + "data/green1.txt", 40));
    QImage page = Grab(*results);
    EXPECT_TRUE(ContainsColour(page, QRect(20, 175, 240, 30), RGB(141, 171, 191)));
    EXPECT_EQ(CurrentMediaName(), "1_1_2e.avi");

    // The tab of type 1 (count 3): no sentence; of type 3 (tied): the sentence.
    drive.Click(kPageX + 60, kPageY + 145);
    EXPECT_EQ(results->SelectedType(), 0);
    EXPECT_FALSE(results->ShowsYourType());
    page = Grab(*results);
    EXPECT_FALSE(ContainsColour(page, QRect(20, 175, 240, 30), RGB(141, 171, 191)));
    drive.Click(kPageX + 22 + 2 * 92 + 40, kPageY + 145);
    EXPECT_EQ(results->SelectedType(), 2);
    EXPECT_TRUE(results->ShowsYourType());
    // The right end of the strip is the fifth tab.
    drive.Click(kPageX + 482, kPageY + 140);
    EXPECT_EQ(results->SelectedType(), 4);
    // The hand stands over the band of the tabs, from one side to the other.
    for (const QPoint p : {QPoint(5, 126), QPoint(495, 159), QPoint(100, 140)}) {
        drive.MoveTo(kPageX + p.x(), kPageY + p.y());
        EXPECT_EQ(results->GetCursor(), Cursor::Hand) << p.x() << "," << p.y();
    }
    for (const QPoint p : {QPoint(100, 125), QPoint(100, 162)}) {
        drive.MoveTo(kPageX + p.x(), kPageY + p.y());
        EXPECT_EQ(results->GetCursor(), Cursor::Arrow) << p.x() << "," << p.y();
    }

    // A topic opens its text; the open one again changes nothing.
    const Rect third = results->Topics()[2].area;
    drive.MoveTo(kPageX + third.left + 5, kPageY + third.top + 5);
    EXPECT_EQ(results->HoveredTopic(), 2);
    EXPECT_EQ(results->Topics()[2].tooltip, "This is a tooltip!");
    EXPECT_EQ(results->GetCursor(), Cursor::Hand);
    drive.Click(kPageX + third.left + 5, kPageY + third.top + 5);
    EXPECT_EQ(results->OpenTopic(), 2);
    EXPECT_EQ(results->Text(), ReadLineList(program.folder().Path() + "data/white3.txt", 40));
    page = Grab(*results);
    EXPECT_TRUE(
        ContainsColour(page, QRect(third.left, third.top, third.Width(), third.Height()), kYellow, 8));
    drive.Click(kPageX + third.left + 5, kPageY + third.top + 5);
    EXPECT_EQ(results->OpenTopic(), 2);

    // The report prints the topics of the type on screen with their texts.
    const ReportData report = view().Reports().Collect(VM_PRINT_SPENDING);
    EXPECT_EQ(report.key, "white");
    ASSERT_EQ(report.headings.size(), static_cast<size_t>(results->Topics().Count()));
    EXPECT_EQ(report.headings[0], results->Topics()[0].lines[0]);
    Click(kNavPrint);
    EXPECT_TRUE(Visible(results));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find("\"Spending Survey Results\""), std::string::npos);
    boxes.boxes.clear();

    // Back reopens the survey's last page; return leads to the section.
    Click(kNavBack);
    SurveyPage* survey = Survey();
    ASSERT_TRUE(Shows(survey));
    EXPECT_EQ(survey->File(), "spending.txt");
    EXPECT_EQ(survey->CurrentPage(), 9);
    // Statements 45 to 49, the tenth of each type: none agreed with.
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(survey->Grid().Answer(r), 2) << r;
    Click(kNavNext);
    ASSERT_TRUE(Shows(results));
    Click(kNavNext); // return, where next stands
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_EQ(view().Chooser()->Key(), "FIN3");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Surveys, EveryWayOfLeavingASurveyStoresItsPage)
{
    TakeFirstChoice(1, 1);
    SurveyPage* survey = Survey();
    // Back on the first page.
    Tick(0, 2);
    Click(kNavBack);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_EQ(view().Chooser()->Key(), "FIN2");
    EXPECT_EQ(SavedBytes().valuesAnswers[0], 2);

    // A side button (the section button hides every page).
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_SURVEY_VALUES);
    ASSERT_TRUE(Shows(survey));
    EXPECT_EQ(survey->Grid().Answer(0), 2); // the survey opens with the answers kept
    Click(kNavNext);
    Tick(4, 3);
    drive.Click(kSideX, kSectionY[2]);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_FALSE(Visible(survey));
    EXPECT_EQ(SavedBytes().valuesAnswers[9], 3);

    // Next on the last page.
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_SURVEY_VALUES_LAST);
    ASSERT_TRUE(Shows(survey));
    Tick(2, 5);
    Click(kNavNext);
    ASSERT_TRUE(Shows(view().Text()));
    EXPECT_EQ(SavedBytes().valuesAnswers[12], 5);
    EXPECT_EQ(view().Text()->RealityScore(), 2 + 3 + 5);

    // Quitting through the exit screen with the work kept.
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_SURVEY_VALUES_LAST);
    ASSERT_TRUE(Shows(survey));
    Tick(3, 1);
    view().SendMessage(VM_EXIT_SCREEN);
    ASSERT_TRUE(Shows(view().Exit()));
    drive.Click(350, 290 + 19);
    EXPECT_EQ(SavedBytes().valuesAnswers[13], 1);
    EXPECT_EQ(SavedBytes().valuesAnswers[12], 5);
}

namespace {

// Opens the spending survey in a program of its own.
SurveyPage* OpenSpendingSurvey(RunningProgram& program)
{
    program.EnterFromMenu(1);
    program.view().SendMessage(VM_HIDE_PAGES);
    program.view().SendMessage(VM_SURVEY_SPENDING);
    auto* survey = program.view().Pages().Get<SurveyPage>(PageId::Survey);
    EXPECT_TRUE(Driver::Until([&] { return survey && survey->IsWindowVisible(); }));
    return survey;
}

} // namespace

TEST(SurveyAnswers, AreThereAgainAfterARestart)
{
    MessageBoxRecorder boxes;
    std::string bytes;
    {
        RunningProgram program;
        SurveyPage* survey = OpenSpendingSurvey(program);
        ASSERT_NE(survey, nullptr);
        Driver drive(*program.app().MainFrame());
        for (const auto& [row, column] : {std::pair{0, 1}, std::pair{3, 2}}) {
            const ImageButton& box = survey->Grid().Box(row, column);
            drive.Click(kPageX + box.X() + 10, kPageY + box.Y() + 10);
        }
        drive.Click(kNavNext.x(), kNavNext.y());
        bytes = ReadFileBytes(program.folder().SavedWorkFile());
    }
    RunningProgram again;
    WriteFileBytes(again.folder().SavedWorkFile(), bytes);
    const FinRecord saved = again.folder().SavedRecord();
    EXPECT_EQ(saved.spendingAnswers[0], 1);
    EXPECT_EQ(saved.spendingAnswers[1], -1);
    EXPECT_EQ(saved.spendingAnswers[3], 2);
    SurveyPage* survey = OpenSpendingSurvey(again);
    ASSERT_NE(survey, nullptr);
    EXPECT_EQ(survey->Grid().Answer(0), 1);
    EXPECT_EQ(survey->Grid().Answer(1), SurveyGrid::kUnanswered);
    EXPECT_EQ(survey->Grid().Answer(3), 2);
    EXPECT_EQ(survey->Grid().Box(3, 2).GetState(), ImageButton::Pressed);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Surveys, RiskSurveyCountsFromPageTwoAndItsReturnsStayInsideItsAnswers)
{
    program.EnterFromMenu(4);
    CFinData record;
    record.Reset();
    record.SetTotalAssets(12345);
    ASSERT_TRUE(record.Save());
    view().SendMessage(VM_HIDE_PAGES);
    view().SendMessage(VM_SURVEY_SAVER);
    SurveyPage* survey = Survey();
    ASSERT_TRUE(Shows(survey));
    EXPECT_EQ(survey->PageCounter(), "Page 2 of 3");
    EXPECT_EQ(program.app().Windows().topTen->List(), "plan2aa");
    EXPECT_EQ(survey->Grid().Box(2, 2).Y(), 200 + 2 * 60 - 12);
    Tick(2, 1);
    Click(kNavNext);
    EXPECT_EQ(survey->PageCounter(), "Page 3 of 3");
    EXPECT_EQ(program.app().Windows().topTen->List(), "plan2ab");
    EXPECT_EQ(survey->InstructionLines().size(), 3u);
    survey->ShowWindow(SW_HIDE);
    EXPECT_EQ(SavedBytes().saverAnswers[2], 1);

    // Its help's return names a page past its last: the last page it is.
    view().SendMessage(VM_SURVEY_SAVER_LAST);
    ASSERT_TRUE(Shows(survey));
    EXPECT_EQ(survey->CurrentPage(), 1);
    TickAll(2);
    survey->ShowWindow(SW_HIDE);
    view().SendMessage(VM_SURVEY_SAVER_AGAIN);
    ASSERT_TRUE(Shows(survey));
    EXPECT_EQ(survey->PageCounter(), "Page 3 of 3");
    survey->ShowWindow(SW_HIDE);
    const FinRecord saved = SavedBytes();
    EXPECT_EQ(saved.saverAnswers[3], 2);
    EXPECT_EQ(saved.saverAnswers[5], 2);
    EXPECT_EQ(saved.totalAssets, 12345); // the field after the answers
    EXPECT_TRUE(boxes.boxes.empty());
}

namespace {

std::string Repeated(const std::string& line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line + std::to_string(i + 1) + "\r\n\r\n";
    return text;
}

// A program whose statements, topic list and topic text run longer than the
// pages hold.
class LongFiles : public Surveys {
protected:
    LongFiles() : Surveys({"data/pvals.txt", "data/yellow.txt", "data/yellow1.txt"})
    {
        const std::string data = program.folder().Path() + "data/";
        WriteFileBytes(data + "pvals.txt", Repeated("A statement number ", 130));
        WriteFileBytes(data + "yellow.txt", Repeated("Topic ", 45));
        std::string text;
        for (int i = 0; i < 60; ++i)
            text += "Line " + std::to_string(i + 1) + "\r\n";
        WriteFileBytes(data + "yellow1.txt", text);
    }
};

} // namespace

TEST_F(LongFiles, AreReadUpToWhatThePagesHold)
{
    TakeFirstChoice(1, 1);
    SurveyPage* survey = Survey();
    ASSERT_EQ(survey->Statements().size(), SurveyPage::kMaxStatements);
    EXPECT_EQ(survey->Statements().back().lines[0], "A statement number 100");
    EXPECT_EQ(survey->PageCount(), 3);
    // Pages past the answers' end are never offered.
    view().SendMessage(VM_SURVEY_VALUES_LAST);
    EXPECT_EQ(survey->CurrentPage(), 2);

    survey->ShowWindow(SW_HIDE);
    view().SendMessage(VM_SPENDING_RESULTS);
    SpendingResultsPage* results = Spending();
    ASSERT_TRUE(Shows(results));
    ASSERT_EQ(results->SelectedType(), 0);
    EXPECT_EQ(results->Topics().Count(), static_cast<int>(SpendingResultsPage::kMaxTopics));
    ASSERT_EQ(results->Text().size(), SpendingResultsPage::kMaxTextLines);
    EXPECT_EQ(results->Text().back(), "Line 40");
    Grab(*results);
    EXPECT_TRUE(boxes.boxes.empty());
}

namespace {

class MissingStatements : public Surveys {
protected:
    MissingStatements() : Surveys({"data/habitsur.txt"}) {}
};

} // namespace

TEST_F(MissingStatements, AreNamedAndThePageStillTakesAnswers)
{
    TakeFirstChoice(3, 2);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Unable to open file " + program.folder().Path() + "data/habitsur.txt");
    SurveyPage* survey = Survey();
    EXPECT_TRUE(survey->Statements().empty());
    Tick(1, 3);
    Click(kNavNext);
    Click(kNavNext);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_EQ(SavedBytes().habitsAnswers[1], 3);
    EXPECT_EQ(view().Chooser()->BorrowingScore(), 3 - 9);
}

TEST(SurveyScores, RealityLevelsMeetAtTheirBoundaries)
{
    const std::pair<int, const char*> cases[] = {
        {0, "You are approaching the financial track."},
        {39, "You are approaching the financial track."},
        {40, "You are getting on financial track."},
        {50, "You are getting on financial track."},
        {51, "You are on financial track and getting started."},
        {59, "You are on financial track and getting started."},
        {60, "You are on financial track and moving."},
        {66, "You are on financial track and moving."},
        {67, "You are on financial track and moving fast."},
        {75, "You are on financial track and moving fast."},
    };
    for (const auto& [score, level] : cases)
        EXPECT_STREQ(RealityResult(score).level, level) << score;
    // Unanswered statements add nothing; every one in column 1 gives 15.
    CFinData record;
    record.Reset();
    EXPECT_EQ(RealityScore(record), 0);
    for (int i = 0; i < kRealityStatements; ++i)
        record.SetValuesAnswers(i, 1);
    EXPECT_EQ(RealityScore(record), 15);
    record.SetValuesAnswers(14, -1);
    record.SetValuesAnswers(0, 5);
    EXPECT_EQ(RealityScore(record), 18);
}

TEST(SurveyScores, BorrowingLevelsAndTheirQuotationsAndVideos)
{
    EXPECT_STREQ(BorrowingResult(-10).level, "You have great borrowing habits.");
    EXPECT_STREQ(BorrowingResult(20).video, "3_2_1b1.avi");
    EXPECT_STREQ(BorrowingResult(21).level, "You have good borrowing habits.");
    EXPECT_STREQ(BorrowingResult(30).video, "3_2_1b2.avi");
    EXPECT_STREQ(BorrowingResult(31).level, "You may need to work on your borrowing habits.");
    EXPECT_STREQ(BorrowingResult(31).quotation, "\"Remember, habits can be changed.\"");
    EXPECT_STREQ(BorrowingResult(50).video, "3_2_1b3.avi");
    // The middle level's tip on limiting credit cards appears once.
    const auto& details = BorrowingResult(25).details;
    EXPECT_EQ(std::count_if(details.begin(), details.end(),
                            [](const std::string& line) { return line.rfind("*Try to limit", 0) == 0; }),
              1);
    // Every result's lines fit the chooser above its prompt.
    for (int score : {0, 25, 40}) {
        int y = 130;
        for (const std::string& line : BorrowingResult(score).details)
            y += line.empty() ? 10 : 13;
        EXPECT_LE(y, 318) << score;
    }
    CFinData record;
    record.Reset();
    EXPECT_EQ(BorrowingScore(record), -10);
    for (int i = 0; i < kBorrowingStatements; ++i)
        record.SetHabitsAnswers(i, 5);
    EXPECT_EQ(BorrowingScore(record), 50);
}

TEST(SurveyScores, SpendingCountsAreAgreementsPerType)
{
    CFinData record;
    record.Reset();
    EXPECT_EQ(SpendingCounts(record), (std::array<int, 5>{0, 0, 0, 0, 0}));
    record.SetSpendingAnswers(0, kAgree);
    record.SetSpendingAnswers(5, kAgree);
    record.SetSpendingAnswers(10, 2); // disagreeing counts for nothing
    record.SetSpendingAnswers(49, kAgree);
    record.SetSpendingAnswers(23, kAgree);
    EXPECT_EQ(SpendingCounts(record), (std::array<int, 5>{2, 0, 0, 1, 1}));
}

TEST(SurveyScores, AnswersNoBoxGivesCountAsUnansweredAndScoresStayInRange)
{
    // What only a damaged saved-work file holds: the scores neither wrap
    // around nor leave their ranges.
    CFinData record;
    record.Reset();
    for (int i = 0; i < kRealityStatements; ++i)
        record.SetValuesAnswers(i, 2147483647);
    EXPECT_EQ(RealityScore(record), 0);
    record.SetValuesAnswers(0, 5);
    record.SetValuesAnswers(1, 6);
    record.SetValuesAnswers(2, -7);
    EXPECT_EQ(RealityScore(record), 5);

    for (int i = 0; i < kBorrowingStatements; ++i)
        record.SetHabitsAnswers(i, i % 2 ? 2147483647 : -2147483647 - 1);
    EXPECT_EQ(BorrowingScore(record), -10);
    record.SetHabitsAnswers(0, 3);
    EXPECT_EQ(BorrowingScore(record), -9 + 3);
}

// A module's pages are made as they are first shown, each while its own
// module is current: one never shown is not made from another module,
// where its pictures could not be found.
TEST_F(Surveys, AResultsPageNeverShownIsNotMadeFromAnotherModule)
{
    const auto backToTheMenu = [&] {
        drive.Click(places::kSideX, places::kMainMenuY);
        ASSERT_TRUE(Driver::Until([&] { return Visible(view().Menu()); }));
    };
    OpenSection(1, 1);
    backToTheMenu();
    OpenSection(2, 1);
    EXPECT_EQ(Get<SpendingResultsPage>(PageId::SpendingResults), nullptr);
    for (const auto& [id, page] : view().Pages().Existing())
        EXPECT_NE(id, PageId::SpendingResults) << page->DescribeWindow();
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes.front().text;

    backToTheMenu();
    OpenSection(1, 1);
    EXPECT_NE(Get<SpendingResultsPage>(PageId::SpendingResults), nullptr);
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes.front().text;
}
