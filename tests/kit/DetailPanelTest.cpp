// The detail panel of the worksheets, opened as a page opens it: which rows
// each line shows and where each row's amount lands in the record, the
// total it hands the page's box, its keys, and the slot it keeps unseen.
#include "kit/DetailPanel.h"
#include "kit/ModuleArtLoading.h"
#include "kit/ViewMessages.h"
#include "platform/Keys.h"
#include "tests/support/Driver.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"
#include "tests/support/Screen.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class DetailPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSavedWorkDirectory(saved.path().toStdString() + "/");
        // Saved work with nothing entered, as the exit screen's erase leaves it.
        CFinData empty;
        empty.Reset();
        ASSERT_TRUE(empty.Save());
        app.Flags().currentModule = ModuleMoney;
        app.Art().LoadSectionModule("manym.dll");
        LoadModuleArt();
        app.view->ShowWindow(SW_SHOW);
        page.MoveWindow(128, 51, 512, 434);
        page.ShowWindow(SW_SHOW);
        box.MoveWindow(190, 120, 80, 20);
        panel.SetTarget(&box, &page);
        ASSERT_TRUE(Driver::Activate(*app.view));
    }
    void TearDown() override { SetSavedWorkDirectory(FISCOVA_PROGRAM_DIR "/"); }

    void Open(int line, DetailKind kind) { panel.Open(315, 151, line, kind); }
    CFinData SavedRecord()
    {
        CFinData record;
        EXPECT_TRUE(record.Load());
        return record;
    }
    void Key(int row, int qtKey) { QTest::keyClick(panel.Row(row).Widget(), static_cast<Qt::Key>(qtKey)); }

    QTemporaryDir saved;
    FakeApp app{FISCOVA_PROGRAM_DIR "/"};
    MessageBoxRecorder boxes;
    MessageLog page{app.view.get()};
    EditControl box{&page};
    DetailPanel panel{app.view.get()};
};

} // namespace

TEST_F(DetailPanelTest, EachLineShowsItsRowsAndEveryLabelFits)
{
    TextOverflowRecorder fit;
    struct Kind {
        DetailKind kind;
        const char* pack;
        std::vector<int> rows; // per line
        Size size;
    };
    const Kind kinds[] = {
        {DetailKind::Assets, "manym.dll", {5, 4, 4, 3, 3, 6, 8, 3}, {268, 261}},
        {DetailKind::Liabilities, "manym.dll", {7, 4, 4, 4, 3, 4, 5}, {268, 261}},
        {DetailKind::Loans, "cred.dll", {6}, {265, 214}},
        {DetailKind::Budget, "manym.dll", {4, 2, 4, 4, 4, 2, 4, 7, 4, 4, 8, 7, 3}, {265, 240}},
    };
    for (const Kind& k : kinds) {
        app.Art().LoadSectionModule(k.pack);
        for (size_t line = 0; line < k.rows.size(); ++line) {
            Open(static_cast<int>(line), k.kind);
            ASSERT_TRUE(panel.IsShowing());
            EXPECT_EQ(panel.RowCount(), k.rows[line]) << static_cast<int>(k.kind) << " " << line;
            EXPECT_EQ(panel.GetClientRect().Width(), k.size.cx);
            EXPECT_EQ(panel.GetClientRect().Height(), k.size.cy);
            EXPECT_TRUE(panel.Row(0).HasFocus());
            // Every row's field shows, below the last row none does, and
            // the last row stays clear of the close button.
            for (int r = 0; r < kDetailMaxRows; ++r)
                EXPECT_EQ(panel.Row(r).IsShown(), r < k.rows[line]);
            const Rect last = panel.Row(k.rows[line] - 1).GetWindowRect();
            EXPECT_LE(last.bottom, panel.CloseButton().Y());
            EXPECT_LE(last.right, k.size.cx);
            Grab(panel);
            panel.HidePanel();
        }
    }
    EXPECT_TRUE(fit.overflows.empty());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DetailPanelTest, ClosingWritesEachRowToItsOwnFieldAndTheTotalToTheBox)
{
    // Taxes: the fourth row is the other taxes, second in the record.
    app.Art().LoadSectionModule("manym.dll");
    Open(5, DetailKind::Liabilities);
    EXPECT_STREQ(panel.RowLabel(3), "Other owed taxes: $");
    panel.Row(3).SetText("100");
    panel.Close();
    EXPECT_FALSE(panel.IsShowing());
    EXPECT_FALSE(panel.IsWindowVisible());
    EXPECT_EQ(box.GetText(), "100");
    EXPECT_EQ(page.Count(WM_DETAIL_CLOSED), 1);
    CFinData record = SavedRecord();
    EXPECT_EQ(record.GetLiabTaxes(1), 100);
    EXPECT_EQ(record.GetLiabTaxes(0), -1);
    EXPECT_EQ(record.GetLiabTaxes(2), -1);
    EXPECT_EQ(record.GetLiabTaxes(3), -1);

    // Investments: life insurance is the seventh row, fifth in the record;
    // amounts typed with separators count by their digits.
    Open(6, DetailKind::Assets);
    EXPECT_STREQ(panel.RowLabel(6), "Life insurance: $");
    panel.Row(6).SetText("1,250");
    panel.Row(0).SetText("50");
    panel.Close();
    EXPECT_EQ(box.GetText(), "1300");
    record = SavedRecord();
    EXPECT_EQ(record.GetAssetsInvestments(4), 1250);
    EXPECT_EQ(record.GetAssetsInvestments(0), 50);
    EXPECT_EQ(record.GetAssetsInvestments(6), -1);
    // The taxes typed before are still there.
    EXPECT_EQ(record.GetLiabTaxes(1), 100);

    // A panel opened again shows what was saved; all rows emptied give an
    // empty box and amounts not entered.
    Open(6, DetailKind::Assets);
    EXPECT_EQ(panel.Row(6).GetText(), "1250");
    for (int r = 0; r < panel.RowCount(); ++r)
        panel.Row(r).SetText("");
    panel.Close();
    EXPECT_EQ(box.GetText(), "");
    EXPECT_EQ(SavedRecord().GetAssetsInvestments(4), -1);
}

TEST_F(DetailPanelTest, TheUnseenFourthVehicleGoesBackAsItCame)
{
    CFinData record;
    ASSERT_TRUE(record.Load());
    record.SetAssetsVehicles(3, "4000");
    record.SetAssetsVehicles(0, "9000");
    ASSERT_TRUE(record.Save());
    app.Art().LoadSectionModule("manym.dll");
    Open(4, DetailKind::Assets);
    EXPECT_EQ(panel.RowCount(), 3);
    EXPECT_EQ(panel.Row(0).GetText(), "9000");
    panel.Row(1).SetText("500");
    panel.Close();
    // The total is what the panel shows; the slot keeps its amount.
    EXPECT_EQ(box.GetText(), "9500");
    const CFinData after = SavedRecord();
    EXPECT_EQ(after.GetAssetsVehicles(3), 4000);
    EXPECT_EQ(after.GetAssetsVehicles(1), 500);
}

TEST_F(DetailPanelTest, KeysMoveBetweenRowsAndEscapeCommits)
{
    app.Art().LoadSectionModule("manym.dll");
    Open(0, DetailKind::Assets);
    ASSERT_TRUE(panel.Row(0).HasFocus());
    QTest::keyClicks(panel.Row(0).Widget(), "20");
    Key(0, Qt::Key_Return);
    EXPECT_TRUE(panel.Row(1).HasFocus());
    Key(1, Qt::Key_Down);
    EXPECT_TRUE(panel.Row(2).HasFocus());
    Key(2, Qt::Key_Up);
    EXPECT_TRUE(panel.Row(1).HasFocus());
    // Up on the first row and down on the last stay where they are.
    Key(1, Qt::Key_Up);
    Key(0, Qt::Key_Up);
    EXPECT_TRUE(panel.Row(0).HasFocus());
    for (int r = 0; r < 6; ++r)
        Key(std::min(r, 4), Qt::Key_Down);
    EXPECT_TRUE(panel.Row(4).HasFocus());
    // Tab goes round the panel's rows, never to the page behind it.
    QTest::keyClick(panel.Row(4).Widget(), Qt::Key_Tab);
    EXPECT_TRUE(panel.Row(0).HasFocus());
    QTest::keyClicks(panel.Row(4).Widget(), "5");
    Key(4, Qt::Key_Escape);
    EXPECT_FALSE(panel.IsShowing());
    EXPECT_EQ(box.GetText(), "25");
    EXPECT_TRUE(box.HasFocus());
    const CFinData record = SavedRecord();
    EXPECT_EQ(record.GetAssetsCash(0), 20);
    EXPECT_EQ(record.GetAssetsCash(4), 5);
    EXPECT_EQ(page.Count(WM_DETAIL_CLOSED), 1);
}

TEST_F(DetailPanelTest, StoringKeepsThePanelOpenAndHidingItStillSavesAndTotals)
{
    app.Art().LoadSectionModule("manym.dll");
    QFile::remove(saved.path() + "/findata.zem");
    panel.StoreEntries();
    EXPECT_FALSE(QFile::exists(saved.path() + "/findata.zem"));
    Open(1, DetailKind::Budget);
    panel.Row(1).SetText("75");
    panel.StoreEntries();
    EXPECT_TRUE(panel.IsShowing());
    EXPECT_EQ(SavedRecord().GetBudgetFood(1), 75);
    EXPECT_EQ(page.Count(WM_DETAIL_CLOSED), 0);
    // Hidden without closing (the program left for another), it still saves
    // its rows and puts their total into the box, and the page hears of it.
    panel.Row(0).SetText("20");
    panel.HidePanel();
    EXPECT_FALSE(panel.IsShowing());
    EXPECT_EQ(SavedRecord().GetBudgetFood(0), 20);
    EXPECT_EQ(box.GetText(), "95");
    EXPECT_EQ(page.Count(WM_DETAIL_CLOSED), 1);
}
