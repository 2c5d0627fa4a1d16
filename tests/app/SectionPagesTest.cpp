// The chooser, text and lesson pages as the user meets them.
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "app/LessonPage.h"
#include "app/TextPage.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Shell.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"
#include "tests/support/Screen.h"
#include "tests/support/TestProgram.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace platform;
using namespace places;

namespace {

class SectionPages : public ::testing::Test {
protected:
    void Enter(int item) { program.EnterFromMenu(item); }
    // Clicks the middle of a chooser's choice.
    void Choose(int index)
    {
        const ImageButton& b = view.Chooser()->Choice(index);
        drive.Click(kPageX + b.X() + b.Width() / 2, kPageY + b.Y() + b.Height() / 2);
    }
    void ClickNav(int index)
    {
        static constexpr int kX[] = {8, 325, 413, 413};
        drive.Click(kPageX + kX[index] + 30, kPageY + 402 + 12);
    }

    MessageBoxRecorder boxes;
    RunningProgram program;
    CFinView& view = program.view();
    Driver drive{*program.app().MainFrame()};
};

} // namespace

TEST_F(SectionPages, ChooserLaysOutItsKey)
{
    Enter(2);
    drive.Click(kSideX, kSectionY[2]);
    ChooserPage* chooser = view.Chooser();
    ASSERT_EQ(chooser->Key(), "MAN3");
    ASSERT_EQ(chooser->ChoiceCount(), 3);
    EXPECT_EQ(chooser->Choice(0).Y(), 266);
    EXPECT_EQ(chooser->Choice(1).Y(), 310);
    EXPECT_EQ(chooser->Choice(2).Y(), 354);
    EXPECT_EQ(chooser->PromptY(), 235);
    EXPECT_EQ(program.app().Windows().topTen->List(), "man3a");
    const QImage screen = drive.Screen();
    EXPECT_TRUE(ContainsColour(screen, QRect(kPageX + 20, kPageY + 235, 200, 22), RGB(255, 0, 0), 10));
    EXPECT_FALSE(ContainsColour(screen, QRect(kPageX + 20, kPageY + 280, 200, 22), RGB(255, 0, 0), 10));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SectionPages, ReleasingOnAnotherChoiceOpensNothing)
{
    Enter(3);
    drive.Click(kSideX, kSectionY[3]); // CRED4: three choices
    ChooserPage* chooser = view.Chooser();
    const ImageButton& first = chooser->Choice(0);
    const ImageButton& second = chooser->Choice(1);
    drive.Press(kPageX + first.X() + 20, kPageY + first.Y() + 10);
    EXPECT_EQ(first.GetState(), ImageButton::Pressed);
    drive.MoveTo(kPageX + second.X() + 20, kPageY + second.Y() + 10);
    drive.Release(kPageX + second.X() + 20, kPageY + second.Y() + 10);
    Driver::Settle();
    EXPECT_TRUE(chooser->IsWindowVisible());
    EXPECT_FALSE(view.Lesson()->IsWindowVisible());
    EXPECT_FALSE(view.Text()->IsWindowVisible());
    EXPECT_FALSE(first.IsPressed());
    // A proper click opens the lesson on avoiding bad reports.
    Choose(1);
    EXPECT_FALSE(chooser->IsWindowVisible());
    EXPECT_TRUE(view.Lesson()->IsWindowVisible());
    EXPECT_EQ(view.Lesson()->Key(), "avoid");
    EXPECT_EQ(program.app().Windows().video->Media(), "3_3_2.avi");
}

TEST_F(SectionPages, ReturnOnTheBorrowingResultTurnsItIntoTheSection)
{
    Enter(3);
    ChooserPage* chooser = view.Chooser();
    chooser->setKey("habitsur");
    chooser->ShowWindow(SW_SHOW);
    Driver::Settle();
    EXPECT_TRUE(chooser->ResultsMode());
    ClickNav(3);
    EXPECT_TRUE(chooser->IsWindowVisible());
    EXPECT_EQ(chooser->Key(), "CRED3");
    EXPECT_FALSE(chooser->ResultsMode());
    EXPECT_EQ(chooser->ChoiceCount(), 2);
}

TEST_F(SectionPages, CreditsPageGoesOnToTheContactPageAndBack)
{
    Enter(5);
    TextPage* text = view.Text();
    ASSERT_EQ(text->Key(), "howzem1.txt");
    EXPECT_FALSE(text->Lines().empty());
    ClickNav(2);
    EXPECT_TRUE(text->IsWindowVisible());
    EXPECT_EQ(text->Key(), "howzem2.txt");
    ClickNav(1);
    EXPECT_TRUE(text->IsWindowVisible());
    EXPECT_EQ(text->Key(), "howzem1.txt");
    // The link to the publisher's page is a hand over its picture.
    drive.MoveTo(kPageX + 200, kPageY + 340);
    EXPECT_EQ(text->GetCursor(), Cursor::Hand);
    drive.MoveTo(kPageX + 400, kPageY + 340);
    EXPECT_EQ(text->GetCursor(), Cursor::Arrow);
    // A click on it opens the publisher's page; beside it, nothing.
    std::vector<std::string> opened;
    SetShellHandler([&](const std::string& path) {
        opened.push_back(path);
        return true;
    });
    drive.Click(kPageX + 291, kPageY + 340);
    drive.Click(kPageX + 141, kPageY + 321);
    Driver::Settle();
    SetShellHandler(nullptr);
    EXPECT_EQ(opened, (std::vector<std::string>{program.folder().Path() + "launchqor.htm"}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SectionPages, RatingsOutsideTheCreditModuleShowOnlyTheTitleAndReturn)
{
    Enter(2);
    TextPage* text = view.Text();
    text->setKey("ratings.txt");
    text->ShowWindow(SW_SHOW);
    const QImage screen = drive.Screen();
    // Nothing but the page background below the title, apart from the return button.
    const COLORREF ground = PixelOf(screen, kPageX + 300, kPageY + 200);
    EXPECT_EQ(FirstInkRow(screen, QRect(kPageX + 5, kPageY + 45, 500, 350), ground), -1);
    drive.MoveTo(kPageX + 8 + 30, kPageY + 414);
    EXPECT_EQ(text->GetCursor(), Cursor::Arrow); // no print button
    drive.MoveTo(kPageX + 413 + 30, kPageY + 414);
    EXPECT_EQ(text->GetCursor(), Cursor::Hand);
}

TEST_F(SectionPages, LessonListsSkipBlankRowsAndOpenTopics)
{
    Enter(3);
    drive.Click(kSideX, kSectionY[1]);
    Choose(0); // pros and cons of credit
    LessonPage* lesson = view.Lesson();
    ASSERT_EQ(lesson->Key(), "pcons");
    const auto& topics = lesson->Topics();
    ASSERT_GE(topics.size(), 6u);
    // The list starts with a blank row: topic 1 stands on the second row.
    EXPECT_EQ(topics[0].y[0], 120 + 17);
    EXPECT_NE(lesson->TextFile().find("data\\pcons1.txt"), std::string::npos);
    const std::vector<std::string> first = lesson->Text();

    // Clicking the open topic changes nothing.
    const Rect open = topics[0].area;
    drive.Click(kPageX + open.left + 3, kPageY + open.top + 3);
    EXPECT_EQ(lesson->OpenTopic(), 0);
    EXPECT_EQ(lesson->Text(), first);

    const Rect third = topics[2].area;
    drive.Click(kPageX + third.left + 3, kPageY + third.top + 3);
    EXPECT_EQ(lesson->OpenTopic(), 2);
    EXPECT_NE(lesson->Text(), first);
    EXPECT_NE(lesson->TextFile().find("pcons3.txt"), std::string::npos);
    const QImage screen = drive.Screen();
    EXPECT_TRUE(ContainsColour(screen,
                               QRect(kPageX + third.left, kPageY + third.top, third.Width(), third.Height()),
                               RGB(0, 0, 255), 30));
    // Return leads back to the section.
    ClickNav(3);
    EXPECT_TRUE(view.Chooser()->IsWindowVisible());
    EXPECT_EQ(view.Chooser()->Key(), "CRED2");
}

TEST_F(SectionPages, InvestmentTriangleBeforeTheRiskSurvey)
{
    Enter(4);
    drive.Click(kSideX, kSectionY[3]);
    Choose(0);
    LessonPage* lesson = view.Lesson();
    ASSERT_EQ(lesson->Key(), "invest");
    EXPECT_EQ(lesson->RiskScore(), -1);
    for (int tier = 1; tier <= 4; ++tier)
        EXPECT_TRUE(lesson->TierHighlighted(tier));
    EXPECT_EQ(lesson->InstructionLines().size(), 2u);
    EXPECT_EQ(program.app().Windows().video->Media(), "4_3_1.avi");
    // Tier headings start the rows of their tiers.
    EXPECT_EQ(lesson->Topics()[0].y[0], 106);
    EXPECT_EQ(lesson->Topics()[6].y[0], 185);
    EXPECT_EQ(lesson->Topics()[11].y[0], 251);
    EXPECT_EQ(lesson->Topics()[15].y[0], 319);

    lesson->SetRiskScore(15);
    lesson->open("invest");
    EXPECT_FALSE(lesson->TierHighlighted(1));
    EXPECT_TRUE(lesson->TierHighlighted(2));
    EXPECT_FALSE(lesson->TierHighlighted(3));
    EXPECT_EQ(lesson->InstructionLines().size(), 3u);
    lesson->SetRiskScore(12);
    EXPECT_TRUE(lesson->TierHighlighted(3) && lesson->TierHighlighted(4) && !lesson->TierHighlighted(2));
    lesson->SetRiskScore(19);
    EXPECT_TRUE(lesson->TierHighlighted(1) && !lesson->TierHighlighted(4));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SectionPages, EmergencyPlanOpensTheRankedSuggestions)
{
    // The emergencies exercise leaves its ranked list in the data folder.
    QFile list(QString::fromStdString(program.folder().Path() + "data/plan.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(
        "Insure what you cannot replace\r\n\r\nKeep a cash reserve\r\n\r\nReview your coverage\r\n\r\n");
    list.close();

    Enter(2);
    view.SendMessage(VM_LESSON_EMER);
    LessonPage* lesson = view.Lesson();
    ASSERT_TRUE(lesson->IsWindowVisible());
    lesson->SetPlan({4, 0, 13, 2, 7, 1, 3, 5, 6, 8}, {});
    lesson->open("plan");
    lesson->Invalidate();
    ASSERT_EQ(lesson->Topics().size(), 3u);
    EXPECT_EQ(lesson->Topics()[1].lines[0], "Keep a cash reserve");
    // Entry j opens the suggestion ranked j-th.
    EXPECT_NE(lesson->TextFile().find("data\\plan5.txt"), std::string::npos);
    const std::vector<std::string> fifth = lesson->Text();
    ASSERT_FALSE(fifth.empty());
    EXPECT_EQ(fifth[0], "If you own a business or work");

    const Rect third = lesson->Topics()[2].area;
    drive.Click(kPageX + third.left + 3, kPageY + third.top + 3);
    EXPECT_EQ(lesson->OpenTopic(), 2);
    EXPECT_NE(lesson->TextFile().find("data\\plan14.txt"), std::string::npos);
    EXPECT_NE(lesson->Text(), fifth);
    EXPECT_TRUE(boxes.boxes.empty());
}
