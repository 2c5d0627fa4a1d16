// How to save more as a user goes through it: amounts typed into the eight
// rows, the yearly total as they are typed, the keys that move between the
// rows, the amounts kept in the saved-work file and the printed report.
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "data/FinRecord.h"
#include "kit/ViewMessages.h"
#include "pages/money/SaveMorePage.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"
#include "tests/support/PrintedReport.h"
#include "tests/support/Screen.h"
#include "tests/support/TestProgram.h"

#include <QApplication>
#include <QFile>
#include <gtest/gtest.h>

using namespace platform;
using namespace places;

namespace {

constexpr QPoint kReturn{kPageX + 413 + 40, kPageY + 402 + 13};
constexpr QPoint kPrint{kPageX + 8 + 40, kPageY + 402 + 13};
// Where the page draws its total.
constexpr QRect kTotalStrip{24, 351, 470, 42};

class SaveMore : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.EnterFromMenu(2);
        drive.Click(kSideX, kSectionY[2]); // the budgeting section
        ASSERT_TRUE(Driver::Until([&] { return Visible(view().Chooser()); }));
        Choose();
    }
    // Takes the chooser's choice of how to save more.
    void Choose()
    {
        const ImageButton& b = view().Chooser()->Choice(2);
        drive.Click(kPageX + b.X() + b.Width() / 2, kPageY + b.Y() + b.Height() / 2);
        page = view().Pages().Get<SaveMorePage>(PageId::SaveMore);
        ASSERT_TRUE(Driver::Until([&] { return Visible(page); }));
        EXPECT_FALSE(Visible(view().Chooser()));
        Grab(*page);
    }
    CFinView& view() { return program.view(); }
    static bool Visible(const Window* w) { return w && w->IsWindowVisible(); }
    // Clicks the row's field and types over what it holds; an empty text empties it.
    void TypeInto(int row, const char* text)
    {
        const Rect place = page->Field(row).GetWindowRect();
        drive.Click(kPageX + place.left + 20, kPageY + place.top + 10);
        page->Field(row).Edit().SelectAll();
        if (*text)
            drive.Type(text);
        else
            drive.Key(Qt::Key_Delete);
    }
    bool FocusIn(int row) { return page->Field(row).Edit().HasFocus(); }
    QImage TotalStrip() { return Grab(*page).copy(kTotalStrip); }

    MessageBoxRecorder boxes;
    RunningProgram program;
    Driver drive{*program.app().MainFrame()};
    SaveMorePage* page = nullptr;
};

} // namespace

TEST_F(SaveMore, TotalsAYearOfSavingsAsTheAmountsAreTyped)
{
    // The first field has the focus; nothing entered saves nothing.
    EXPECT_TRUE(FocusIn(0));
    EXPECT_EQ(page->TotalLine(), "Total Savings: $0 per year");
    EXPECT_EQ(CurrentMediaName(), "2_2_2.wav");

    // Lunch from home on working days: 2 a day is 500 a year, shown while
    // the amount is still being typed.
    const QImage before = TotalStrip();
    TypeInto(7, "2");
    EXPECT_TRUE(FocusIn(7));
    EXPECT_EQ(page->YearlyTotal(), 500);
    EXPECT_EQ(page->TotalLine(), "Total Savings: $500 per year");
    EXPECT_NE(TotalStrip(), before);

    // 5 a week on row 1 and 10 a month on row 0 make 260 + 120.
    TypeInto(7, "");
    TypeInto(1, "5");
    TypeInto(0, "10");
    EXPECT_EQ(page->YearlyTotal(), 380);

    // Every row counts with its own factor; the total takes its separators.
    const char* amounts[] = {"100", "40", "30", "25", "500", "60", "8", "9"};
    for (int row = 0; row < SaveMorePage::kRows; ++row)
        TypeInto(row, amounts[row]);
    EXPECT_EQ(page->YearlyTotal(), 12 * (100 + 30 + 25 + 500 + 60) + 52 * (40 + 8) + 250 * 9);
    EXPECT_EQ(page->TotalLine(), "Total Savings: $13,326 per year");
    TypeInto(4, "999999");
    TypeInto(7, "999999");
    EXPECT_EQ(page->TotalLine(), "Total Savings: $262,004,814 per year");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SaveMore, EnterAndArrowsMoveBetweenTheRowsAndEscapeDoesNothing)
{
    ASSERT_TRUE(FocusIn(0));
    drive.Type("12");
    drive.Key(Qt::Key_Return);
    EXPECT_TRUE(FocusIn(1));
    // The field left shows its amount and the total follows.
    EXPECT_EQ(page->YearlyTotal(), 144);
    drive.Key(Qt::Key_Down);
    drive.Key(Qt::Key_Down);
    EXPECT_TRUE(FocusIn(3));
    drive.Key(Qt::Key_Up);
    EXPECT_TRUE(FocusIn(2));
    drive.Key(Qt::Key_Escape);
    EXPECT_TRUE(FocusIn(2));
    EXPECT_TRUE(Visible(page));
    // At the ends the focus stays.
    drive.Key(Qt::Key_Up);
    drive.Key(Qt::Key_Up);
    drive.Key(Qt::Key_Up);
    EXPECT_TRUE(FocusIn(0));
    page->Field(7).SetFocus();
    drive.Key(Qt::Key_Return);
    EXPECT_TRUE(FocusIn(7));
    drive.Type("3");
    EXPECT_EQ(page->Field(7).GetText(), "3");
    EXPECT_EQ(page->Field(0).GetText(), "12");
}

TEST_F(SaveMore, AmountsStayInTheFileAndComeBackAndPrint)
{
    TypeInto(0, "25");
    TypeInto(3, "1500");
    TypeInto(6, "7");
    // Return leads back to the budgeting chooser and saves the amounts.
    drive.Click(kReturn.x(), kReturn.y());
    ASSERT_TRUE(Driver::Until([&] { return Visible(view().Chooser()); }));
    EXPECT_FALSE(Visible(page));
    const FinRecord saved = program.folder().SavedRecord();
    const int expected[] = {25, -1, -1, 1500, -1, -1, 7, -1, -1};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(saved.saveMoreAmounts[i], expected[i]) << i;

    // Shown again, the fields hold them with their separators.
    Choose();
    EXPECT_EQ(page->Field(3).GetText(), "1,500");
    EXPECT_EQ(page->Field(1).GetText(), "");
    EXPECT_EQ(page->YearlyTotal(), 12 * (1500 + 25) + 52 * 7);

    // The report prints each row as the page shows it and the total.
    const ReportData report = view().Reports().Collect(VM_PRINT_SAVE_MORE);
    ASSERT_EQ(report.values.size(), 9u);
    EXPECT_EQ(report.values[0], "Save $25 per month by decreasing long-distance calls.");
    EXPECT_EQ(report.values[3], "Save $1,500 per month by shopping less often or shopping for sales.");
    EXPECT_EQ(report.values[1], "Save $ per week by eating dinner out one less time a week.");
    EXPECT_EQ(report.values[7], "Save $ per day by taking lunch from home.");
    EXPECT_EQ(report.values[8], "Total Savings: $18,664 per year");
    EXPECT_EQ(ReportPrinter(report).Title(), "How To Save More");
    const auto printed = PrintReport(report);
    const auto line = [&](const std::string& text) { return FindPrinted(printed, text); };
    EXPECT_EQ(line(report.values[0]).y, 160);
    EXPECT_EQ(line(report.values[7]).y, 160 + 14 * 7);
    EXPECT_EQ(line(report.values[8]).y, 160 + 14 * 9); // after an empty line
    EXPECT_EQ(line(report.values[8]).x, 40);
    EXPECT_EQ(line("life where you can reduce your expenses:").y, 132);

    // The print button prints it; with no printer it goes into a PDF.
    drive.Click(kPrint.x(), kPrint.y());
    EXPECT_EQ(view().Reports().LastRequest(), VM_PRINT_SAVE_MORE);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text.rfind("The report \"How To Save More\" was not printed", 0), 0u);
    EXPECT_TRUE(Visible(page));
}
