// The debt load as a user works through it: income and housing, the loan
// list in the detail panel, the result with its growing bar and zone video,
// the lesson on reducing debt and the way back, what the file keeps across
// a restart and what the report prints; and the twenty percent rule with
// its gauge, at each zone's edge and without a comfort level at all.
#include "app/LessonPage.h"
#include "kit/DetailPanel.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/credit/DebtGauge.h"
#include "pages/credit/DebtLoadPage.h"
#include "pages/credit/DebtLoadResultPage.h"
#include "tests/support/Exercise.h"
#include "tests/support/Screen.h"

#include <QTest>

using namespace platform;
using namespace places;

namespace {

// The bar grows from (108, 237) along the gauge's track, 18 pixels high.
constexpr int kBarX = 108;
constexpr int kBarMiddleY = 246;
// Where a click falls on the total's label, which opens the loan list.
constexpr QPoint kTotalLabel(200, 275);
constexpr QPoint kLessonButton(74 + 170, 336 + 19);

// Types over a field's text, leaving the caret in it, in a program of the
// test's own.
void TypeInto(Driver& drive, FEdit& field, const char* text)
{
    const Rect place = field.GetWindowRect();
    drive.Click(kPageX + place.left + 20, kPageY + place.top + 10);
    field.Edit().SelectAll();
    drive.Type(text);
}

// Opens the loan list by a click on the total's label, types its rows (an
// empty text leaves a row as it is) and closes it with Escape.
void FillLoans(Driver& drive, DetailPanel& panel, const std::vector<const char*>& rows)
{
    drive.Click(kPageX + kTotalLabel.x(), kPageY + kTotalLabel.y());
    ASSERT_TRUE(panel.IsShowing());
    for (size_t r = 0; r < rows.size(); ++r) {
        if (*rows[r] == '\0')
            continue;
        panel.Row(static_cast<int>(r)).SetFocus();
        panel.Row(static_cast<int>(r)).SelectAll();
        drive.Type(rows[r]);
    }
    drive.Key(Qt::Key_Escape);
    ASSERT_FALSE(panel.IsShowing());
}

// Opens the debt page in a program of the test's own, as a user does; null
// when it does not show.
DebtLoadPage* OpenDebtPage(RunningProgram& program, Driver& drive)
{
    program.EnterFromMenu(3);
    drive.Click(kSideX, kSectionY[2]);
    if (!Driver::Until([&] { return program.view().Chooser()->IsWindowVisible(); }))
        return nullptr;
    const ImageButton& b = program.view().Chooser()->Choice(1);
    drive.Click(kPageX + b.X() + b.Width() / 2, kPageY + b.Y() + b.Height() / 2);
    auto* page = program.view().Pages().Get<DebtLoadPage>(PageId::DebtLoad);
    if (!Driver::Until([&] { return page && page->IsWindowVisible(); }))
        return nullptr;
    Grab(*page);
    return page;
}

class DebtLoad : public ExerciseTest {
protected:
    void SetUp() override
    {
        OpenSection(3, 2);
        Choose(1);
        page = Get<DebtLoadPage>(PageId::DebtLoad);
        result = Get<DebtLoadResultPage>(PageId::DebtLoadResult);
        ASSERT_TRUE(Shows(page));
        Grab(*page);
    }
    DetailPanel& Panel() { return *program.app().Windows().detailPanel; }
    // Enters income and housing, and goes on to the result.
    void ToResult(const char* income, const char* housing)
    {
        TypeInto(page->Income(), income);
        TypeInto(page->Housing(), housing);
        Click(kNavNext);
        ASSERT_TRUE(Shows(result));
        Grab(*result);
    }
    // Lets the bar grow to its end.
    void Grow()
    {
        EXPECT_TRUE(Driver::TickUntil(*result, 1, [&] { return !result->Growing(); }));
    }
    // Whether the bar shows at a distance from its start: the bar is one
    // colour across, unlike the gauge's track.
    bool BarAt(int x)
    {
        const QImage now = Grab(*result);
        return PixelOf(now, kBarX + x, kBarMiddleY) == PixelOf(now, kBarX, kBarMiddleY);
    }

    DebtLoadPage* page = nullptr;
    DebtLoadResultPage* result = nullptr;
};

} // namespace

TEST_F(DebtLoad, IncomeHousingAndLoansLeadToAResultUnderTheComfortLevel)
{
    // The record's income, in the field that has the focus and so shows
    // its plain digits; no housing and no loans yet.
    EXPECT_TRUE(page->Income().Edit().HasFocus());
    EXPECT_EQ(page->Income().GetText(), "1000");
    EXPECT_EQ(page->Housing().GetText(), "");
    EXPECT_EQ(page->Total().GetText(), "");
    EXPECT_TRUE(page->Total().IsWindowEnabled());
    EXPECT_EQ(CurrentMediaName(), "3_2_2.avi");

    FillLoans(drive, Panel(), {"150", "", "100"});
    EXPECT_EQ(Panel().RowCount(), 6);
    EXPECT_EQ(page->Total().GetText(), "250");
    FinRecord saved = SavedBytes();
    EXPECT_EQ(offsetof(FinRecord, loanList), 0x5CCu);
    EXPECT_EQ(saved.loanList[0], 150);
    EXPECT_EQ(saved.loanList[1], -1);
    EXPECT_EQ(saved.loanList[2], 100);
    EXPECT_EQ(saved.loanList[5], -1);

    ToResult("2000", "500");
    EXPECT_FALSE(Visible(page));
    EXPECT_EQ(result->Comfort(), 300);
    EXPECT_EQ(result->Payments(), 250);
    EXPECT_EQ(CurrentMediaName(), "3_2_2a3.avi");
    EXPECT_NEAR(result->Gauge().bar, 250.0 / 300 * 49, 0.01);
    EXPECT_EQ(result->ComfortLine(), "Your income and housing indicate a comfort debt load for you is $300");
    EXPECT_EQ(result->PaymentsLine(), "or less monthly. Currently, you are spending  $250 monthly. Your");

    // The bar grows to about 40 pixels (its last step at 40, four wide).
    Grow();
    EXPECT_EQ(result->BarDrawn(), 41);
    EXPECT_TRUE(BarAt(20));
    EXPECT_TRUE(BarAt(43));
    EXPECT_FALSE(BarAt(48));

    // Income, housing and the payments are in the file.
    saved = SavedBytes();
    EXPECT_EQ(offsetof(FinRecord, monthlyNetIncome), 0x298u);
    EXPECT_EQ(offsetof(FinRecord, monthlyHousingCost), 0x294u);
    EXPECT_EQ(offsetof(FinRecord, monthlyDebtPayments), 0x2A0u);
    EXPECT_EQ(saved.monthlyNetIncome, 2000);
    EXPECT_EQ(saved.monthlyHousingCost, 500);
    EXPECT_EQ(saved.monthlyDebtPayments, 250);

    // The report: the result's lines and the three amounts.
    const ReportData report = view().Reports().Collect(VM_PRINT_DEBT);
    ASSERT_EQ(report.values.size(), 6u);
    EXPECT_EQ(report.values[0], result->ComfortLine());
    EXPECT_EQ(report.values[1], result->PaymentsLine());
    EXPECT_EQ(report.values[2], "debt load will change as your payments to creditors decrease.");
    EXPECT_EQ(report.values[3], "$2,000");
    EXPECT_EQ(report.values[4], "$500");
    EXPECT_EQ(report.values[5], "$250");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DebtLoad, TheResultLeadsToTheLessonAndBackAndPrintingFinishesTheBar)
{
    FillLoans(drive, Panel(), {"300", "150"});
    ToResult("2000", "500");
    EXPECT_EQ(CurrentMediaName(), "3_2_2a1.avi"); // 1.5 times the comfort level
    EXPECT_NEAR(result->Gauge().bar, 202, 0.01);

    // The bar grows two pixels a tick; printing while it grows shows it
    // whole at once.
    EXPECT_TRUE(result->Growing());
    ASSERT_TRUE(FireTimer(*result, 1));
    const int drawn = result->BarDrawn();
    ASSERT_TRUE(FireTimer(*result, 1));
    EXPECT_EQ(result->BarDrawn(), drawn + 2);
    EXPECT_LT(result->BarDrawn(), 203);
    EXPECT_FALSE(BarAt(204));
    Click(kNavPrint);
    EXPECT_EQ(view().Reports().LastRequest(), VM_PRINT_DEBT);
    EXPECT_FALSE(result->Growing());
    EXPECT_EQ(result->BarDrawn(), 203);
    EXPECT_TRUE(BarAt(200));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text.rfind("The report \"How Much Debt Is Too Much Debt?\" was not printed", 0),
              0u);
    boxes.boxes.clear();
    EXPECT_TRUE(Visible(result));

    // The picture button turns when pointed at and opens the lesson.
    drive.MoveTo(kPageX + kLessonButton.x(), kPageY + kLessonButton.y());
    EXPECT_EQ(result->LessonButton().GetState(), ImageButton::Over);
    drive.MoveTo(kPageX + 20, kPageY + 20);
    EXPECT_EQ(result->LessonButton().GetState(), ImageButton::Normal);
    Click({kPageX + kLessonButton.x(), kPageY + kLessonButton.y()});
    ASSERT_TRUE(Shows(view().Lesson()));
    EXPECT_EQ(view().Lesson()->Key(), "reducing");
    EXPECT_FALSE(Visible(result));

    // The lesson returns to the result, whose bar grows anew.
    Click(kNavNext);
    ASSERT_TRUE(Shows(result));
    Grab(*result);
    EXPECT_TRUE(result->Growing());
    EXPECT_EQ(result->Payments(), 450);
    Grow();

    // Back leads to the input page as it was; return to the section's chooser.
    Click(kNavBack);
    ASSERT_TRUE(Shows(page));
    EXPECT_EQ(page->Income().GetText(), "2000"); // with the focus
    EXPECT_EQ(page->Housing().GetText(), "500");
    EXPECT_EQ(page->Total().GetText(), "450");
    Click(kNavNext);
    ASSERT_TRUE(Shows(result));
    Grow();
    Click(kNavNext);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_EQ(view().Chooser()->Key(), "CRED3");
    EXPECT_FALSE(Visible(result));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DebtLoad, RentAboveIncomeAndNoLoansAtAllStillGiveAResult)
{
    // Housing above the income: no comfort level, and no payments.
    ToResult("1500", "1800");
    EXPECT_EQ(result->Comfort(), 0);
    EXPECT_EQ(result->ComfortLine(), "Your income and housing indicate a comfort debt load for you is $0");
    EXPECT_EQ(result->PaymentsLine(), "or less monthly. Currently, you are spending  $0 monthly. Your");
    Grow();
    EXPECT_EQ(result->BarDrawn(), 0);
    // The report prints an amount left empty as $0.
    ReportData report = view().Reports().Collect(VM_PRINT_DEBT);
    ASSERT_EQ(report.values.size(), 6u);
    EXPECT_EQ(report.values[5], "$0");
    // No loans shown as an empty total are not payments of 0: the field
    // stays for the loans the user gives next.
    EXPECT_EQ(SavedBytes().monthlyDebtPayments, -1);

    // With payments and still no comfort level, the bar goes all the way.
    Click(kNavBack);
    ASSERT_TRUE(Shows(page));
    FillLoans(drive, Panel(), {"", "", "", "", "", "75"});
    Click(kNavNext);
    ASSERT_TRUE(Shows(result));
    Grab(*result);
    EXPECT_EQ(result->Payments(), 75);
    EXPECT_EQ(CurrentMediaName(), "3_2_2a1.avi");
    Grow();
    EXPECT_EQ(result->BarDrawn(), 203);
    // The payments reached the file the first time; after that the rule
    // leaves them to what the user gave.
    EXPECT_EQ(SavedBytes().monthlyDebtPayments, 75);
    Click(kNavBack);
    ASSERT_TRUE(Shows(page));
    FillLoans(drive, Panel(), {"25"});
    Click(kNavNext);
    ASSERT_TRUE(Shows(result));
    EXPECT_EQ(result->Payments(), 100);
    EXPECT_EQ(SavedBytes().monthlyDebtPayments, 75);
    EXPECT_EQ(SavedBytes().loanList[0], 25);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(DebtLoadRestart, IncomeHousingAndLoansComeBackAfterARestart)
{
    std::string savedWork;
    {
        MessageBoxRecorder boxes;
        RunningProgram program;
        Driver drive{*program.app().MainFrame()};
        DebtLoadPage* page = OpenDebtPage(program, drive);
        ASSERT_NE(page, nullptr);
        TypeInto(drive, page->Income(), "4200");
        TypeInto(drive, page->Housing(), "1250");
        FillLoans(drive, *program.app().Windows().detailPanel, {"", "", "", "", "1000", "234"});
        EXPECT_EQ(page->Total().GetText(), "1,234");
        // Left by a side button.
        drive.Click(kSideX, kSectionY[0]);
        ASSERT_TRUE(Driver::Until([&] { return !page->IsWindowVisible(); }));
        savedWork = ReadFileBytes(program.folder().SavedWorkFile());
        EXPECT_TRUE(boxes.boxes.empty());
    }
    MessageBoxRecorder boxes;
    RunningProgram program;
    WriteFileBytes(program.folder().SavedWorkFile(), savedWork);
    Driver drive{*program.app().MainFrame()};
    DebtLoadPage* page = OpenDebtPage(program, drive);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Income().GetText(), "4200"); // with the focus
    EXPECT_EQ(page->Housing().GetText(), "1,250");
    EXPECT_EQ(page->Total().GetText(), "1,234");
    const FinRecord saved = program.folder().SavedRecord();
    EXPECT_EQ(saved.loanList[4], 1000);
    EXPECT_EQ(saved.loanList[5], 234);
    EXPECT_EQ(saved.monthlyDebtPayments, 1234);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(DebtGauge, ComfortIsAFifthOfWhatRemainsAfterHousing)
{
    EXPECT_EQ(ComfortDebtLoad(2000, 500), 300);
    EXPECT_EQ(ComfortDebtLoad(2004, 500), 300); // a fifth of 1504, cut to dollars
    EXPECT_EQ(ComfortDebtLoad(1000, 0), 200);
    EXPECT_EQ(ComfortDebtLoad(500, 500), 0);
    EXPECT_EQ(ComfortDebtLoad(500, 2000), 0); // housing above the income
    EXPECT_EQ(ComfortDebtLoad(999999, 0), 199999);
}

TEST(DebtGauge, ZonesAndBarsAtTheEdgesOfEachZone)
{
    struct Case {
        int payments;
        int comfort;
        const char* video;
        float bar;
    };
    const Case cases[] = {
        {250, 300, "3_2_2a3.avi", 250.0f / 300 * 49}, // under the comfort level
        {0, 300, "3_2_2a3.avi", 0},                   // no payments at all
        {300, 300, "3_2_2a2.avi", 49},                // at it
        {375, 300, "3_2_2a2.avi", 49 + 0.25f * 340},  // a quarter above it
        {376, 300, "3_2_2a1.avi", 49 + (376.0f / 300 - 1) * 340},
        {450, 300, "3_2_2a1.avi", 202},  // half above it: the longest bar
        {3000, 300, "3_2_2a1.avi", 202}, // far above it: no longer
        {75, 0, "3_2_2a1.avi", 202},     // payments without any comfort level
        {0, 0, "3_2_2a2.avi", 0},        // neither
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.payments) + " against " + std::to_string(c.comfort));
        const DebtGauge gauge = MeasureDebtLoad(c.payments, c.comfort);
        EXPECT_STREQ(gauge.video, c.video);
        EXPECT_NEAR(gauge.bar, c.bar, 0.01);
        EXPECT_LE(gauge.ratio, 1.0f);
    }
}
