// The net-worth exercise as a user goes through it: the quick and the
// detailed analysis from the money-management chooser, what the worksheets
// total and keep in the saved-work file, the checklist's ticks and the
// result in its colours.
#include "kit/DetailPanel.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/money/AssetsPage.h"
#include "pages/money/ChecklistPage.h"
#include "pages/money/LiabilitiesPage.h"
#include "pages/money/NetWorthPage.h"
#include "tests/support/Exercise.h"
#include "tests/support/Screen.h"

#include <QFile>

using namespace platform;
using namespace places;

namespace {

class NetWorth : public ExerciseTest {
protected:
    void SetUp() override { OpenSection(2, 1); }
    // Clicks a quick field and types into it, leaving it as it is.
    void TypeInto(NetWorthSheet& sheet, int line, const char* text)
    {
        const Rect place = sheet.QuickField(line).GetWindowRect();
        ClickPage(place.left + 20, place.top + 10);
        drive.Type(text);
    }
    // Whether a figure row of the result page shows pure red ink.
    bool RedAt(int pageY)
    {
        const QImage page = Grab(*Get<NetWorthPage>(PageId::NetWorth));
        return ContainsColour(page, QRect(260, pageY, 170, 24), RGB(255, 0, 0), 10);
    }
};

} // namespace

TEST_F(NetWorth, QuickPathTotalsBothSheetsAndKeepsEveryAmountInTheFile)
{
    Choose(0);
    auto* assets = Get<AssetsPage>(PageId::Assets);
    ASSERT_TRUE(Visible(assets));
    EXPECT_FALSE(program.app().Flags().detailedAnalysis);
    EXPECT_EQ(assets->Total(), 0); // nothing entered yet
    const char* amounts[] = {"1500", "2400", "6000", "185000", "9500", "4000", "12000", "500"};
    for (int i = 0; i < 8; ++i)
        TypeInto(*assets, i, amounts[i]);
    EXPECT_EQ(assets->QuickField(0).GetText(), "1,500"); // a field left shows separators
    // The last amount is still being typed when the user goes on.
    Click(kNavNext);
    auto* liabilities = Get<LiabilitiesPage>(PageId::Liabilities);
    ASSERT_TRUE(Shows(liabilities));
    EXPECT_FALSE(Visible(assets));
    const char* owed[] = {"180", "2300", "8000", "15000", "140000", "900", "400"};
    for (int i = 0; i < 7; ++i)
        TypeInto(*liabilities, i, owed[i]);
    Click(kNavNext);
    auto* result = Get<NetWorthPage>(PageId::NetWorth);
    ASSERT_TRUE(Shows(result));
    Grab(*result);
    EXPECT_EQ(result->NetWorth(), 220900 - 166780);
    EXPECT_FALSE(RedAt(260));
    EXPECT_EQ(CurrentMediaName(), "2_1_2a1.avi");

    // Every amount stands at its place in the file, the liabilities in the
    // record's own order and the taxes in their own field.
    const FinRecord saved = program.folder().SavedRecord();
    const int quickAssets[] = {1500, 2400, 6000, 185000, 9500, 4000, 12000, 500};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(saved.quickAssets[i], quickAssets[i]) << i;
    const int quickLiabilities[] = {180, 2300, 15000, 400, 8000, 140000};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(saved.quickLiabilities[i], quickLiabilities[i]) << i;
    EXPECT_EQ(saved.quickOtherLiabilities, 900);
    EXPECT_EQ(saved.totalAssets, 220900);
    EXPECT_EQ(saved.totalLiabilities, 166780);
    EXPECT_EQ(offsetof(FinRecord, totalAssets), 0x41Cu);

    // The report prints what the worksheets show and the saved totals; with
    // no printer it becomes a PDF, and the user is told where.
    const ReportData report = view().Reports().Collect(VM_PRINT_NET_WORTH);
    ASSERT_EQ(report.values.size(), 18u);
    EXPECT_EQ(report.values[0], "$1,500");
    EXPECT_EQ(report.values[8], "$220,900");
    EXPECT_EQ(report.values[13], "$140,000");
    EXPECT_EQ(report.values[16], "$166,780");
    EXPECT_EQ(report.values[17], "$54,120");
    Click(kNavPrint);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    const std::string& note = boxes.boxes[0].text;
    EXPECT_EQ(
        note.rfind("The report \"Your Net Worth\" was not printed (no printer is set up). It was saved as ",
                   0),
        0u);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(note.substr(note.rfind(" as ") + 4))));
    boxes.boxes.clear();

    // Back on the liabilities, the amounts are there again.
    Click(kNavBack);
    ASSERT_TRUE(Shows(liabilities));
    EXPECT_EQ(liabilities->QuickField(4).GetText(), "140,000");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(NetWorth, ResultIsWhiteAtZeroAndRedWithItsSignBelowZero)
{
    CFinData record;
    record.Reset();
    record.SetTotalAssets(2750);
    record.SetTotalLiabilities(2750);
    ASSERT_TRUE(record.Save());
    view().SendMessage(VM_SHOW_NET_WORTH);
    auto* result = Get<NetWorthPage>(PageId::NetWorth);
    ASSERT_TRUE(Shows(result));
    Grab(*result);
    EXPECT_EQ(result->NetWorth(), 0);
    EXPECT_FALSE(RedAt(260));
    EXPECT_EQ(CurrentMediaName(), "2_1_2a2.avi");

    record.SetTotalAssets(1500);
    ASSERT_TRUE(record.Save());
    result->Invalidate();
    Grab(*result);
    EXPECT_EQ(result->NetWorth(), -1250);
    EXPECT_TRUE(RedAt(260));
    EXPECT_TRUE(RedAt(215)); // the liabilities are always red
    EXPECT_FALSE(RedAt(185));
    EXPECT_EQ(CurrentMediaName(), "2_1_2a2.avi");
}

TEST_F(NetWorth, DetailedPathSumsThePanelsAndLeavesTheQuickAmountsAlone)
{
    CFinData record;
    record.Reset();
    record.SetQuickAssets(0, "777");
    ASSERT_TRUE(record.Save());

    Choose(1);
    auto* checklist = Get<ChecklistPage>(PageId::Checklist);
    ASSERT_TRUE(Shows(checklist));
    EXPECT_TRUE(program.app().Flags().detailedAnalysis);
    Grab(*checklist);
    // The label of "Mortgage balance" ticks its box as the box itself does.
    const Rect mortgage = checklist->LabelRect(6);
    ClickPage(mortgage.left + 5, mortgage.top + 8);
    EXPECT_TRUE(checklist->Box(6).GetCheck());
    ClickPage(mortgage.left + 5, mortgage.top + 8);
    EXPECT_FALSE(checklist->Box(6).GetCheck());
    ClickPage(mortgage.left + 5, mortgage.top + 8);
    Click(kNavNext);
    auto* assets = Get<AssetsPage>(PageId::Assets);
    ASSERT_TRUE(Shows(assets));
    EXPECT_EQ(SavedBytes().analysisChecklist[6], 1);
    ASSERT_TRUE(assets->Detailed());
    Grab(*assets);

    // Cash on hand: three rows of its panel. Cash at home is the panel's
    // third row and the fourth slot of the record.
    DetailPanel* panel = program.app().Windows().detailPanel;
    const Rect cashBox = assets->Lines().Box(0).GetWindowRect();
    ClickPage(cashBox.left - 40, cashBox.top + 10);
    ASSERT_TRUE(panel->IsShowing());
    EXPECT_EQ(assets->Lines().Selected(), 0);
    panel->Row(0).SetText("1000");
    panel->Row(2).SetText("250");
    // The pointer leaving the panel's close button for the page takes the
    // button's highlight with it.
    const Rect at = panel->GetWindowRect();
    const ImageButton& done = panel->CloseButton();
    drive.MoveTo(at.left + done.X() + 5, at.top + done.Y() + 5);
    EXPECT_EQ(done.GetState(), ImageButton::Over);
    drive.MoveTo(at.left - 20, at.top + done.Y() + 5);
    EXPECT_EQ(done.GetState(), ImageButton::Normal);
    drive.Key(Qt::Key_Escape);
    EXPECT_FALSE(panel->IsShowing());
    EXPECT_EQ(assets->Lines().Selected(), -1);
    EXPECT_EQ(assets->Lines().Box(0).GetText(), "1250"); // the panel's plain total
    EXPECT_EQ(assets->Total(), 1250);

    // A second label while the panel is open only closes the panel.
    const Rect savingsBox = assets->Lines().Box(2).GetWindowRect();
    ClickPage(savingsBox.left - 40, savingsBox.top + 10);
    ASSERT_TRUE(panel->IsShowing());
    const Rect houseBox = assets->Lines().Box(3).GetWindowRect();
    ClickPage(20, houseBox.top + 10);
    EXPECT_FALSE(panel->IsShowing());
    EXPECT_EQ(assets->Lines().Box(2).GetText(), ""); // all its rows empty

    Click(kNavNext);
    auto* liabilities = Get<LiabilitiesPage>(PageId::Liabilities);
    ASSERT_TRUE(Shows(liabilities));
    // Taxes: "Other owed taxes" lands in its own field.
    const Rect taxesBox = liabilities->Lines().Box(5).GetWindowRect();
    ClickPage(taxesBox.left - 30, taxesBox.top + 10);
    ASSERT_TRUE(panel->IsShowing());
    ASSERT_STREQ(panel->RowLabel(3), "Other owed taxes: $");
    panel->Row(3).SetText("100");
    panel->Close();
    EXPECT_EQ(liabilities->Lines().Box(5).GetText(), "100");
    // The program going to the background leaves no box to type in.
    liabilities->OnProgramBackground();
    EXPECT_FALSE(liabilities->Lines().Box(5).IsWindowEnabled());
    liabilities->Invalidate();
    Grab(*liabilities);
    EXPECT_TRUE(liabilities->Lines().Box(5).IsWindowEnabled());

    Click(kNavNext);
    auto* result = Get<NetWorthPage>(PageId::NetWorth);
    ASSERT_TRUE(Shows(result));
    Grab(*result);
    EXPECT_EQ(result->NetWorth(), 1250 - 100);
    const FinRecord saved = program.folder().SavedRecord();
    EXPECT_EQ(saved.assetsCash[0], 1000);
    EXPECT_EQ(saved.assetsCash[3], 250);
    EXPECT_EQ(saved.assetsCash[2], -1);
    EXPECT_EQ(saved.liabTaxes[1], 100);
    EXPECT_EQ(saved.totalAssets, 1250);
    EXPECT_EQ(saved.totalLiabilities, 100);
    EXPECT_EQ(saved.quickAssets[0], 777); // the quick analysis keeps its amounts
    // The report takes the detailed boxes.
    const ReportData report = view().Reports().Collect(VM_PRINT_NET_WORTH);
    ASSERT_EQ(report.values.size(), 18u);
    EXPECT_EQ(report.values[0], "$1,250");
    EXPECT_EQ(report.values[2], "$");
    EXPECT_EQ(report.values[14], "$100");
    EXPECT_EQ(report.values[17], "$1,150");
    // Shown again, the worksheet gives the cash its separators.
    view().SendMessage(VM_DETAILED_ASSETS);
    ASSERT_TRUE(Shows(assets));
    EXPECT_EQ(assets->Lines().Box(0).GetText(), "1,250");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(NetWorth, SubItemsTypedWhenTheUserLeavesByASideButtonAreKept)
{
    Choose(1);
    ASSERT_TRUE(Shows(Get<ChecklistPage>(PageId::Checklist)));
    Click(kNavNext);
    auto* assets = Get<AssetsPage>(PageId::Assets);
    ASSERT_TRUE(Shows(assets));
    Grab(*assets);
    const Rect checking = assets->Lines().Box(1).GetWindowRect();
    ClickPage(checking.left - 40, checking.top + 10);
    DetailPanel* panel = program.app().Windows().detailPanel;
    ASSERT_TRUE(panel->IsShowing());
    panel->Row(0).SetText("300");
    // Straight to the introduction, the panel still open.
    drive.Click(kSideX, kSectionY[0]);
    ASSERT_TRUE(Driver::Until([&] { return !Visible(assets); }));
    EXPECT_FALSE(panel->IsShowing());
    EXPECT_EQ(program.folder().SavedRecord().assetsChecking[0], 300);
    EXPECT_EQ(program.folder().SavedRecord().totalAssets, 300);

    // Back on the worksheet the line shows it.
    view().SendMessage(VM_DETAILED_ASSETS);
    ASSERT_TRUE(Shows(assets));
    EXPECT_EQ(assets->Lines().Box(1).GetText(), "300");
    EXPECT_EQ(assets->Total(), 300);
}
