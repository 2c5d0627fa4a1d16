// The emergencies list and its plan: the ranking of the ways to prepare,
// the plan file byte for byte, the boxes as a user fills them, the plan
// lesson that follows, what the record keeps across a restart, the printed
// plan, and a plan file that cannot be written.
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "app/LessonPage.h"
#include "data/FinRecord.h"
#include "kit/ContentFiles.h"
#include "kit/ViewMessages.h"
#include "pages/money/EmergenciesPage.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"
#include "tests/support/PrintedReport.h"
#include "tests/support/Screen.h"
#include "tests/support/TestProgram.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

using namespace platform;
using namespace places;

namespace {

using Ranking = std::vector<int>;

constexpr QPoint kBack{kPageX + 325 + 40, kPageY + 402 + 13};
constexpr QPoint kNext{kPageX + 413 + 40, kPageY + 402 + 13};
constexpr QPoint kPrint{kPageX + 8 + 40, kPageY + 402 + 13};

// "Loss of job" with "Natural disaster ": ten suggestions, among them the
// two of two lines; the tenth has no blank after its number.
const Ranking kJobAndDisaster = {3, 12, 1, 2, 5, 6, 7, 10, 11, 8};
constexpr char kJobAndDisasterPlan[] =
    "1. Cash on hand.\n\n"
    "2. Family support community agencies.\n\n"
    "3. Three to six months of salary saved.\n\n"
    "4. Get medical coverage.\n\n"
    "5. Traveler's checks.\n\n"
    "6. Homeowner's insurance/fair market\nvalue insurance for valuables.\n\n"
    "7. Awareness of state\nunemployment agencies.\n\n"
    "8. COBRA.\n\n"
    "9. Updated resume.\n\n"
    "10.Awareness of job-locating agencies.\n\n";
constexpr char kNoChoicePlan[] = "1. Three to six months of salary saved.\n\n"
                                 "2. Traveler's checks.\n\n"
                                 "3. Family support community agencies.\n\n"
                                 "4. Get medical coverage.\n\n"
                                 "5. Cash on hand.\n\n";

bool Visible(const Window* w)
{
    return w && w->IsWindowVisible();
}

// A program at the emergencies list, reached as a user reaches it.
struct AtTheList {
    MessageBoxRecorder boxes;
    RunningProgram program;
    Driver drive{*program.app().MainFrame()};
    EmergenciesPage* page = nullptr;

    explicit AtTheList(const std::string& savedWork = {})
    {
        if (!savedWork.empty())
            WriteFileBytes(program.folder().SavedWorkFile(), savedWork);
        program.EnterFromMenu(2);
        drive.Click(kSideX, kSectionY[3]); // preparing for emergencies
        EXPECT_TRUE(Driver::Until([&] { return Visible(view().Chooser()); }));
        const ImageButton& b = view().Chooser()->Choice(1);
        drive.Click(kPageX + b.X() + b.Width() / 2, kPageY + b.Y() + b.Height() / 2);
        page = view().Pages().Get<EmergenciesPage>(PageId::Emergencies);
        EXPECT_TRUE(Driver::Until([&] { return Visible(page); }));
        Grab(*page);
    }
    CFinView& view() { return program.view(); }
    LessonPage* lesson() { return view().Lesson(); }
    void Click(QPoint p) { drive.Click(p.x(), p.y()); }
    // Clicks into the text of box k.
    void ClickBox(int k)
    {
        const Rect r = page->Box(k).GetWindowRect();
        drive.Click(kPageX + r.left + 20, kPageY + r.top + r.Height() / 2);
    }
    // Opens the list of box k by its arrow and clicks alternative `item`.
    void Pick(int k, int item)
    {
        const Rect r = page->Box(k).GetWindowRect();
        drive.Click(kPageX + r.right - 8, kPageY + r.top + r.Height() / 2);
        ASSERT_TRUE(Driver::Until([&] { return page->Box(k).IsDropped(); }));
        // A list opened by a click ignores a release that follows at once,
        // as it would the end of that click.
        Driver::Settle(QApplication::doubleClickInterval() + 50);
        QAbstractItemView* list = static_cast<QComboBox*>(page->Box(k).Widget())->view();
        const QRect place = list->visualRect(list->model()->index(item, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
        ASSERT_TRUE(Driver::Until([&] { return !page->Box(k).IsDropped(); }));
    }
    void Next()
    {
        Click(kNext);
        EXPECT_TRUE(Driver::Until([&] { return Visible(lesson()); }));
        EXPECT_FALSE(Visible(page));
    }
    void BackToTheList()
    {
        Click(kBack);
        EXPECT_TRUE(Driver::Until([&] { return Visible(page); }));
        Grab(*page);
    }
    std::string PlanFile() const { return program.folder().Path() + "data/plan.txt"; }
    FinRecord Saved() { return program.folder().SavedRecord(); }
    std::vector<std::string> TopicLines()
    {
        std::vector<std::string> lines;
        for (const LessonPage::Topic& topic : lesson()->Topics()) {
            for (int line = 0; line < topic.lineCount; ++line)
                lines.push_back(topic.lines[line]);
        }
        return lines;
    }
    void OpenTopic(int index)
    {
        const Rect a = lesson()->Topics()[static_cast<size_t>(index)].area;
        drive.Click(kPageX + a.left + 5, kPageY + a.top + 5);
        EXPECT_EQ(lesson()->OpenTopic(), index);
    }
};

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TEST(EmergencyPlan, RanksTheSuggestionsByTheWeightsOfTheChosenEmergencies)
{
    // With nothing chosen, "Other unlikely emergency" counts once.
    EXPECT_EQ(EmergencyPlan({-1, -1, -1, -1, -1}).Ranking(), (Ranking{1, 5, 12, 2, 3}));
    EXPECT_EQ(EmergencyPlan({-1, -1, -1, -1, -1}).Text(), kNoChoicePlan);
    // Scores 10, 9, 9, 9, 8, 7, 7, 5, 4; the five that score nothing are left out.
    const Ranking job = {1, 7, 10, 11, 8, 3, 9, 2, 12};
    EXPECT_EQ(EmergencyPlan({0, -1, -1, -1, -1}).Ranking(), job);
    EXPECT_EQ(EmergencyPlan({-1, -1, -1, -1, 0}).Ranking(), job);
    // Five times as high, in the same order.
    EXPECT_EQ(EmergencyPlan({0, 0, 0, 0, 0}).Ranking(), job);
    // Two emergencies add up; ten is the most the plan lists.
    const EmergencyPlan jobAndDisaster({0, 7, -1, -1, -1});
    EXPECT_EQ(jobAndDisaster.Ranking(), kJobAndDisaster);
    EXPECT_EQ(jobAndDisaster.Text(), kJobAndDisasterPlan);
    // Equal scores keep the suggestions' order (21: 4 and 5; 8: 10 and 11);
    // "Awareness of state" (7) is the eleventh and stays out.
    EXPECT_EQ(EmergencyPlan({1, 2, 3, 4, 5}).Ranking(), (Ranking{2, 1, 0, 3, 4, 5, 12, 6, 10, 11}));
    // Numbers that name no alternative count as no choice.
    EXPECT_EQ(EmergencyPlan({9, -2, 100, -1, -1}).Ranking(), (Ranking{1, 5, 12, 2, 3}));
    EXPECT_EQ(EmergencyPlan().Text(), "");
    EXPECT_STREQ(EmergencyPlan::AlternativeName(7), "Natural disaster ");
    EXPECT_STREQ(EmergencyPlan::AlternativeName(9), "");
}

TEST(Emergencies, PickedAndTypedEmergenciesLeadToTheirPlanAndComeBack)
{
    AtTheList at;
    EmergenciesPage& page = *at.page;
    EXPECT_TRUE(page.Box(0).HasFocus());
    EXPECT_EQ(CurrentMediaName(), "2_3_2a.wav");
    for (int k = 0; k < EmergenciesPage::kBoxes; ++k) {
        EXPECT_EQ(page.Box(k).GetCount(), 9);
        EXPECT_EQ(page.Box(k).GetCurSel(), -1);
    }

    // "Loss of job" from the first list, "Natural disaster " by the arrow
    // keys in the second box, a text of the user's own in the third.
    at.Pick(0, 0);
    EXPECT_EQ(page.Box(0).GetText(), "Loss of job");
    at.ClickBox(1);
    for (int i = 0; i < 8; ++i)
        at.drive.Key(Qt::Key_Down);
    EXPECT_EQ(page.Box(1).GetCurSel(), 7);
    at.ClickBox(2);
    at.drive.Type("Flooded basement");
    EXPECT_EQ(page.Box(2).GetCurSel(), -1);

    // Next: the plan file, and the lesson listing the ranked suggestions.
    at.Next();
    EXPECT_EQ(ReadFileBytes(at.PlanFile()), kJobAndDisasterPlan);
    EXPECT_EQ(page.Plan().Ranking(), kJobAndDisaster);
    LessonPage& lesson = *at.lesson();
    EXPECT_EQ(lesson.Key(), "plan");
    ASSERT_EQ(lesson.Topics().size(), 10u);
    const std::vector<std::string> lines = at.TopicLines();
    EXPECT_EQ(lines.front(), "1. Cash on hand.");
    EXPECT_EQ(lines[5], "6. Homeowner's insurance/fair market");
    EXPECT_EQ(lines[6], "value insurance for valuables.");
    EXPECT_EQ(lines.back(), "10.Awareness of job-locating agencies.");
    // Each topic opens the text of its own suggestion.
    EXPECT_TRUE(EndsWith(lesson.TextFile(), "data\\plan4.txt"));
    EXPECT_EQ(lesson.Text().front(), "Power outages and disasters");
    at.OpenTopic(5);
    EXPECT_TRUE(EndsWith(lesson.TextFile(), "data\\plan7.txt"));
    EXPECT_EQ(lesson.Text().front(), "Homeowner's or renters");

    // The record: the chosen alternatives by number, the typed text by itself.
    const FinRecord saved = at.Saved();
    const int choices[] = {0, 7, -1, -1, -1};
    const char* texts[] = {"blank", "blank", "Flooded basement", "", ""};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(saved.emergencyChoice[k], choices[k]) << k;
        EXPECT_STREQ(saved.emergencyText[k], texts[k]) << k;
    }

    // Back on the list the boxes show what they showed.
    at.BackToTheList();
    EXPECT_EQ(page.Box(0).GetCurSel(), 0);
    EXPECT_EQ(page.Box(1).GetCurSel(), 7);
    EXPECT_EQ(page.Box(1).GetText(), "Natural disaster ");
    EXPECT_EQ(page.Box(2).GetText(), "Flooded basement");
    EXPECT_EQ(page.Box(2).GetCurSel(), -1);

    // Back leads to the section's chooser, keeping the boxes.
    at.Click(kBack);
    EXPECT_TRUE(Driver::Until([&] { return Visible(at.view().Chooser()); }));
    EXPECT_FALSE(Visible(at.page));
    EXPECT_EQ(at.Saved().emergencyChoice[1], 7);
    EXPECT_TRUE(at.boxes.boxes.empty());
}

TEST(Emergencies, ChoicesAndTypedTextsComeBackAfterARestart)
{
    std::string savedWork;
    {
        AtTheList first;
        first.Pick(3, 2);
        first.ClickBox(0);
        first.drive.Type("Roof repair");
        // Typed over a chosen alternative, a box keeps the typed text.
        first.Pick(4, 5);
        first.ClickBox(4);
        first.drive.Key(Qt::Key_End);
        first.drive.Type(" abroad");
        EXPECT_EQ(first.page->Box(4).GetCurSel(), -1);
        // Left by a side button, not by Next.
        first.drive.Click(kSideX, kSectionY[0]);
        EXPECT_TRUE(Driver::Until([&] { return !Visible(first.page); }));
        savedWork = ReadFileBytes(first.program.folder().SavedWorkFile());
        EXPECT_TRUE(first.boxes.boxes.empty());
    }
    AtTheList second(savedWork);
    EmergenciesPage& page = *second.page;
    EXPECT_EQ(page.Box(0).GetText(), "Roof repair");
    EXPECT_EQ(page.Box(0).GetCurSel(), -1);
    EXPECT_EQ(page.Box(3).GetCurSel(), 2);
    EXPECT_EQ(page.Box(3).GetText(), "Medical emergency");
    EXPECT_EQ(page.Box(4).GetText(), "Unexpected travel abroad");
    EXPECT_EQ(page.Box(4).GetCurSel(), -1);
    EXPECT_EQ(page.Box(1).GetText(), "");
    // The typed texts weigh nothing: only "Medical emergency" counts.
    second.Next();
    EXPECT_EQ(page.Plan().Ranking(), (Ranking{2, 1, 3, 0, 5, 4}));
    EXPECT_EQ(second.TopicLines().front(), "1. Get medical coverage.");
}

TEST(Emergencies, TypedTextsAloneGiveTheFallbackPlanAndKeepToTheirFields)
{
    AtTheList at;
    EmergenciesPage& page = *at.page;
    // Typing stops at 49 characters.
    at.ClickBox(0);
    at.drive.Type("A very long emergency that the box cannot hold at all, no");
    EXPECT_EQ(page.Box(0).GetText().size(), 49u);
    // A longer text in the box is cut at 49 before it is stored.
    page.Box(3).SetText(std::string(60, 'x'));
    at.ClickBox(4);
    at.drive.Type("Storm");
    at.Next();
    EXPECT_EQ(ReadFileBytes(at.PlanFile()), kNoChoicePlan);
    EXPECT_EQ(at.lesson()->Topics().size(), 5u);

    const FinRecord saved = at.Saved();
    EXPECT_EQ(std::string(saved.emergencyText[0]), page.Box(0).GetText());
    EXPECT_EQ(std::string(saved.emergencyText[3]), std::string(49, 'x'));
    EXPECT_STREQ(saved.emergencyText[4], "Storm");
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(saved.emergencyChoice[k], -1);
    EXPECT_EQ(saved.loanList[0], -1); // past the texts nothing changed
    EXPECT_TRUE(at.boxes.boxes.empty());
}

TEST(Emergencies, PrintedPlanNamesTheEmergenciesAndTheTextsOfItsOwnSuggestions)
{
    AtTheList at;
    at.Pick(0, 0);
    at.Pick(1, 7);
    at.ClickBox(2);
    at.drive.Type("Flooded basement");
    at.Next();

    const ReportData data = at.view().Reports().Collect(VM_PRINT_LESSON);
    EXPECT_EQ(ReportPrinter(data).Title(), "Emergency Expense Plan");
    const auto printed = PrintReport(data);
    const std::vector<std::string> introduction = {
        "The most important emergencies that you are planning for are:",
        "1) Loss of job",
        "2) Natural disaster ",
        "3) Flooded basement",
        "4) ",
        "5) ",
        "The following suggestions will help you plan for the financial emergencies that you have "
        "identified.",
    };
    ASSERT_GT(printed.size(), introduction.size());
    for (size_t k = 0; k < introduction.size(); ++k) {
        EXPECT_EQ(printed[k].text, introduction[k]);
        EXPECT_EQ(printed[k].y, 120 + 12 * static_cast<int>(k));
    }
    // Under each heading the first entry of that suggestion's own text.
    int headings = 0;
    for (size_t i = 0; i + 1 < printed.size(); ++i) {
        for (size_t t = 0; t < at.lesson()->Topics().size(); ++t) {
            if (printed[i].text != data.headings[t])
                continue;
            ++headings;
            const int suggestion = kJobAndDisaster[t];
            const std::string file =
                ContentFilePath("data\\", "plan" + std::to_string(suggestion + 1) + ".txt");
            const std::vector<std::string> text = ReadLineList(file, 40);
            ASSERT_FALSE(text.empty());
            EXPECT_EQ(printed[i + 1].text.rfind(text.front(), 0), 0u) << data.headings[t];
        }
    }
    EXPECT_GE(headings, 5);
    EXPECT_EQ(printed[introduction.size() + 1].text, "1. Cash on hand.");
    EXPECT_EQ(printed[introduction.size() + 1].y, 207);

    at.Click(kPrint);
    EXPECT_EQ(at.view().Reports().LastRequest(), VM_PRINT_LESSON);
    ASSERT_EQ(at.boxes.boxes.size(), 1u);
    EXPECT_EQ(at.boxes.boxes[0].text.rfind("The report \"Emergency Expense Plan\" was not printed", 0), 0u);
}

TEST(Emergencies, PlanThatCannotBeWrittenIsShownAndTheUserIsToldOnce)
{
    AtTheList at;
    // Something in the way of the file: no write can replace it.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(at.PlanFile())));
    at.Pick(0, 0);
    at.Next();
    ASSERT_EQ(at.boxes.boxes.size(), 1u);
    EXPECT_EQ(at.boxes.boxes[0].text.rfind("Unable to save the plan file ", 0), 0u);
    EXPECT_NE(at.boxes.boxes[0].text.find("data/plan.txt"), std::string::npos);
    EXPECT_FALSE(at.page->PlanSaved());
    // The lesson lists the ranking just made, each topic with its text.
    ASSERT_EQ(at.lesson()->Topics().size(), 9u);
    EXPECT_EQ(at.TopicLines().front(), "1. Three to six months of salary saved.");
    EXPECT_TRUE(EndsWith(at.lesson()->TextFile(), "data\\plan2.txt"));
    EXPECT_FALSE(at.lesson()->Text().empty());
    at.OpenTopic(1);
    EXPECT_TRUE(EndsWith(at.lesson()->TextFile(), "data\\plan8.txt"));
    // The record is saved all the same.
    EXPECT_EQ(at.Saved().emergencyChoice[0], 0);

    // Another plan: shown as well, and no second message.
    at.BackToTheList();
    at.Pick(0, 5);
    at.Next();
    EXPECT_EQ(at.boxes.boxes.size(), 1u);
    EXPECT_EQ(at.TopicLines().front(), "1. Traveler's checks.");
    EXPECT_EQ(at.Saved().emergencyChoice[0], 5);

    // Once the file can be written again, the plan goes into it.
    ASSERT_TRUE(QDir().rmdir(QString::fromStdString(at.PlanFile())));
    at.BackToTheList();
    at.Next();
    EXPECT_TRUE(at.page->PlanSaved());
    EXPECT_EQ(ReadFileBytes(at.PlanFile()).rfind("1. Traveler's checks.\n\n", 0), 0u);
    EXPECT_EQ(at.TopicLines().front(), "1. Traveler's checks.");
    EXPECT_EQ(at.boxes.boxes.size(), 1u);
}

TEST(Emergencies, AnInstalledProgramKeepsTheChoicesAndThePlanInTheUsersFolder)
{
    ReadOnlyProgramFolder installed;
    AtTheList at;
    const std::string work = at.program.environment().Path("data/fiscova/");
    EXPECT_EQ(at.program.app().WorkDirectory(), work);
    at.Pick(0, 0);
    at.Next();
    EXPECT_TRUE(at.boxes.boxes.empty());
    // The plan beside the saved-work file, and the lesson listing it from there.
    EXPECT_EQ(ReadFileBytes(work + "data/plan.txt").rfind("1. Three to six months of salary saved.\n\n", 0),
              0u);
    EXPECT_EQ(at.TopicLines().front(), "1. Three to six months of salary saved.");
    FinRecord saved{};
    const std::string bytes = ReadFileBytes(work + "findata.zem");
    ASSERT_EQ(bytes.size(), sizeof(FinRecord));
    std::memcpy(&saved, bytes.data(), sizeof saved);
    EXPECT_EQ(saved.emergencyChoice[0], 0);
    // Nothing of the user's is written into the program folder.
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(at.program.folder().SavedWorkFile())));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(at.PlanFile())));
}
