// How to save more as a user goes through it: amounts typed into the eight
// rows, the yearly total as they are typed, the keys that move between the
// rows, the amounts kept in the saved-work file and the printed report.
#include "kit/ViewMessages.h"
#include "pages/money/SaveMorePage.h"
#include "tests/support/Exercise.h"
#include "tests/support/PrintedReport.h"
#include "tests/support/Screen.h"

#include <QApplication>
#include <QFile>
#include <gtest/gtest.h>

using namespace platform;
using namespace places;

namespace {

// Where the page draws its total.
constexpr QRect kTotalStrip{24, 351, 470, 42};

class SaveMore : public ExerciseTest {
protected:
    void SetUp() override
    {
        OpenSection(2, 2); // the budgeting section
        TakeSaveMore();
    }
    // Takes the chooser's choice of how to save more.
    void TakeSaveMore()
    {
        Choose(2);
        page = Get<SaveMorePage>(PageId::SaveMore);
        ASSERT_TRUE(Shows(page));
        EXPECT_FALSE(Visible(view().Chooser()));
        Grab(*page);
    }
    void TypeInto(int row, const char* text) { ExerciseTest::TypeInto(page->Field(row), text); }
    bool FocusIn(int row) { return page->Field(row).Edit().HasFocus(); }
    QImage TotalStrip() { return Grab(*page).copy(kTotalStrip); }

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
    Click(kNavNext);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_FALSE(Visible(page));
    const FinRecord saved = SavedBytes();
    const int expected[] = {25, -1, -1, 1500, -1, -1, 7, -1, -1};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(saved.saveMoreAmounts[i], expected[i]) << i;

    // Shown again, the fields hold them with their separators.
    TakeSaveMore();
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
    Click(kNavPrint);
    EXPECT_EQ(view().Reports().LastRequest(), VM_PRINT_SAVE_MORE);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text.rfind("The report \"How To Save More\" was not printed", 0), 0u);
    EXPECT_TRUE(Visible(page));
}
