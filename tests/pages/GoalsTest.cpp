// The goals page as a user fills it in: names typed or chosen from the list
// of typical goals, amounts and times, what the saved-work file keeps of
// them at their places, the times kept to the half year, and the goals
// shown again from the file.
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/planning/ChartPage.h"
#include "pages/planning/GoalsPage.h"
#include "tests/support/Exercise.h"
#include "tests/support/Screen.h"

using namespace platform;
using namespace places;

namespace {

class Goals : public ExerciseTest {
protected:
    void SetUp() override { program.EnterFromMenu(4); }
    GoalsPage* page() { return Get<GoalsPage>(PageId::Goals); }
    // From the "Setting Financial Goals" section, as the user goes.
    void OpenFromChooser()
    {
        drive.Click(kSideX, kSectionY[2]);
        ASSERT_TRUE(Shows(view().Chooser()));
        ASSERT_EQ(view().Chooser()->Key(), "PLAN3");
        Choose(1);
        ASSERT_TRUE(Shows(page()));
        Grab(*page());
    }
    void ClickInto(const Rect& place) { ClickPage(place.left + 12, place.top + 10); }

    TextOverflowRecorder fit;
};

} // namespace

TEST_F(Goals, GoalsTypedAndChosenAreKeptAtTheirPlacesAndShownAgain)
{
    OpenFromChooser();
    GoalsPage& goals = *page();
    EXPECT_EQ(CurrentMediaName(), "4_2_2a.avi");
    ASSERT_EQ(goals.NameBox(0).GetCount(), 10);
    EXPECT_EQ(goals.NameBox(2).GetItemText(3), "Saving for kids\x92 college");
    EXPECT_EQ(goals.NameBox(0).GetLimitText(), 45);
    // The first name box has the focus: a name typed by hand.
    EXPECT_TRUE(goals.NameBox(0).HasFocus());
    drive.Type("Sailing around the islands");
    TypeInto(goals.AmountField(0), "25000");
    TypeInto(goals.TimeField(0), "2.2");
    // Two names from the list, by the arrow keys.
    ClickInto(goals.NameBox(1).GetWindowRect());
    drive.Key(Qt::Key_Down);
    TypeInto(goals.AmountField(1), "12.50"); // the point buzzes away
    TypeInto(goals.TimeField(1), "2.3");
    ClickInto(goals.NameBox(2).GetWindowRect());
    for (int i = 0; i < 4; ++i)
        drive.Key(Qt::Key_Down);
    EXPECT_EQ(goals.NameBox(2).GetCurSel(), 3);
    TypeInto(goals.AmountField(2), "80000");
    TypeInto(goals.TimeField(2), "2.8");
    // Leaving a field already stores the goals, times kept to the half year.
    ClickInto(goals.TimeField(0).GetWindowRect());
    EXPECT_EQ(goals.TimeField(2).GetText(), "3");
    EXPECT_EQ(program.folder().SavedRecord().goalYears[2], 300);
    EXPECT_EQ(goals.AmountField(0).GetText(), "25,000");

    Click(kNavNext);
    auto* chart = view().Pages().Get<ChartPage>(PageId::Chart);
    ASSERT_TRUE(Shows(chart));
    EXPECT_FALSE(Visible(page()));
    EXPECT_EQ(chart->GetMode(), ChartPage::Mode::Meet);

    // In the file, at the record's offsets.
    const std::string bytes = ReadFileBytes(program.folder().SavedWorkFile());
    ASSERT_EQ(bytes.size(), sizeof(FinRecord));
    const auto intAt = [&](size_t offset) {
        std::int32_t v = 0;
        std::memcpy(&v, bytes.data() + offset, 4);
        return v;
    };
    EXPECT_EQ(intAt(0x254), 25000);
    EXPECT_EQ(intAt(0x258), 1250);
    EXPECT_EQ(intAt(0x25C), 80000);
    EXPECT_EQ(intAt(0x260), 200);
    EXPECT_EQ(intAt(0x264), 250);
    EXPECT_EQ(intAt(0x268), 300);
    EXPECT_STREQ(bytes.data() + 0x424, "Sailing around the islands");
    EXPECT_STREQ(bytes.data() + 0x424 + 50, "Buying a house");
    EXPECT_STREQ(bytes.data() + 0x424 + 100, "Saving for kids\x92 college");

    // Back on the goals page they come back from the file.
    Click(kNavBack);
    ASSERT_TRUE(Shows(page()));
    EXPECT_EQ(goals.NameBox(0).GetText(), "Sailing around the islands");
    EXPECT_EQ(goals.NameBox(2).GetText(), "Saving for kids\x92 college");
    EXPECT_EQ(goals.AmountField(1).GetText(), "1,250");
    EXPECT_EQ(goals.TimeField(0).GetText(), "2");
    EXPECT_EQ(goals.TimeField(1).GetText(), "2.5");
    Click(kNavBack);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_EQ(view().Chooser()->Key(), "PLAN3");
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(fit.overflows.empty());
}

TEST_F(Goals, AnEmptyTimeIsAYearAndATimeOverTheTopIsFortyFiveYears)
{
    OpenFromChooser();
    GoalsPage& goals = *page();
    // Nothing entered yet: empty fields, however the record marks it.
    EXPECT_EQ(goals.TimeField(0).GetText(), "");
    EXPECT_EQ(goals.AmountField(0).GetText(), "");
    TypeInto(goals.TimeField(1), "45.9");
    TypeInto(goals.TimeField(2), "7.75");
    view().SendMessage(VM_CHOOSER_PLAN3);
    ASSERT_FALSE(Visible(page()));
    const FinRecord saved = program.folder().SavedRecord();
    EXPECT_EQ(saved.goalYears[0], 100);
    EXPECT_EQ(saved.goalYears[1], 4500);
    EXPECT_EQ(saved.goalYears[2], 750);
    EXPECT_EQ(saved.goalAmount[0], -1);
    EXPECT_EQ(saved.goalName[0][0], '\0');
}

TEST_F(Goals, NamesStopAtFortyFiveTypedCharactersAndFortyNineFromTheFile)
{
    // A damaged file whose first name has no end within its field.
    CFinData record;
    record.Reset();
    ASSERT_TRUE(record.Save());
    std::string bytes = ReadFileBytes(program.folder().SavedWorkFile());
    std::memset(bytes.data() + 0x424, 'x', 50);
    WriteFileBytes(program.folder().SavedWorkFile(), bytes);

    OpenFromChooser();
    GoalsPage& goals = *page();
    EXPECT_EQ(goals.NameBox(0).GetText(), std::string(49, 'x'));
    ClickInto(goals.NameBox(1).GetWindowRect());
    drive.Type("A name that goes on and on past the forty-five characters a box takes");
    EXPECT_EQ(goals.NameBox(1).GetText(), "A name that goes on and on past the forty-fiv");
    view().SendMessage(VM_CHOOSER_PLAN3);
    const FinRecord saved = program.folder().SavedRecord();
    EXPECT_EQ(std::string(saved.goalName[0]), std::string(49, 'x'));
    EXPECT_EQ(std::string(saved.goalName[1]), "A name that goes on and on past the forty-fiv");
}

TEST(GoalTimes, AreKeptToTheHalfYear)
{
    struct Case {
        double typed;
        int stored;
    };
    const Case cases[] = {
        {2.2, 200},  {2.3, 250},  {2.8, 300},   {45.9, 4500}, {0, 100}, {0.2, 100},   {2.25, 250},
        {2.75, 250}, {2.76, 300}, {44.8, 4500}, {45, 4500},   {1, 100}, {12.5, 1250},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GoalTimeToStore(c.typed), c.stored) << c.typed;
}
