// The cost of credit as a user works it out: the example loan with its
// figures and pie, a new amount and rate changing them, the rate kept in
// hundredths, loans without interest, months or amount, what the record
// keeps across a restart and what the report prints; and the loan's figures
// themselves, down to rates so small that single precision fails them.
#include "kit/NumberFormat.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/credit/CostOfCreditPage.h"
#include "pages/credit/LoanCost.h"
#include "tests/support/Exercise.h"
#include "tests/support/Screen.h"

#include <QTest>

using namespace platform;
using namespace places;

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// The pie's top and rim, and the points of it that tell its slices apart:
// upper left on the top (principal), to the right just below the axis
// (interest), and the rim in front.
const QRect kPieArea(318, 226, 146, 98);
constexpr QPoint kPrincipalTop(360, 250);
constexpr QPoint kInterestTop(438, 268);
constexpr QPoint kFrontRim(390, 310);
// Where the example line stands: the sixth line of the introduction.
const QRect kExampleLine(10, 121, 300, 12);
// The percentages written on the legend.
const QRect kShares(455, 172, 40, 36);

// Types over a field's text and leaves the field by a click into another,
// as a user does.
void EnterInto(Driver& drive, FEdit& field, const char* text, FEdit& next)
{
    const Rect place = field.GetWindowRect();
    drive.Click(kPageX + place.left + 20, kPageY + place.top + 10);
    field.Edit().SelectAll();
    drive.Type(text);
    const Rect other = next.GetWindowRect();
    drive.Click(kPageX + other.left + 20, kPageY + other.top + 10);
    Driver::Settle();
}

class CostOfCredit : public ExerciseTest {
protected:
    void SetUp() override
    {
        OpenSection(3, 1);
        Choose(1);
        page = Get<CostOfCreditPage>(PageId::CostOfCredit);
        ASSERT_TRUE(Shows(page));
        Grab(*page);
    }
    void Enter(FEdit& field, const char* text, FEdit& next) { EnterInto(drive, field, text, next); }
    QImage Screen() { return Grab(*page); }

    CostOfCreditPage* page = nullptr;
};

// A program of its own at the page, started on a saved-work file.
struct AtTheLoan {
    explicit AtTheLoan(const std::string& savedWork = {})
    {
        if (!savedWork.empty())
            WriteFileBytes(program.folder().SavedWorkFile(), savedWork);
        program.EnterFromMenu(3);
        drive.Click(kSideX, kSectionY[1]);
        EXPECT_TRUE(Driver::Until([&] { return program.view().Chooser()->IsWindowVisible(); }));
        const ImageButton& b = program.view().Chooser()->Choice(1);
        drive.Click(kPageX + b.X() + b.Width() / 2, kPageY + b.Y() + b.Height() / 2);
        page = program.view().Pages().Get<CostOfCreditPage>(PageId::CostOfCredit);
        EXPECT_TRUE(Driver::Until([&] { return page && page->IsWindowVisible(); }));
        Grab(*page);
    }
    void Enter(FEdit& field, const char* text, FEdit& next) { EnterInto(drive, field, text, next); }

    MessageBoxRecorder boxes;
    RunningProgram program;
    Driver drive{*program.app().MainFrame()};
    CostOfCreditPage* page = nullptr;
};

} // namespace

TEST_F(CostOfCredit, ExampleLoanShowsItsFiguresAndANewAmountChangesThemAll)
{
    ASSERT_NE(page, nullptr);
    // The record's example: $1000 at 5 % over 36 months, the amount in the
    // field that has the focus, in plain digits.
    EXPECT_EQ(page->Amount().GetText(), "1000");
    EXPECT_EQ(page->Rate().GetText(), "5");
    EXPECT_EQ(page->Months().GetText(), "36");
    EXPECT_TRUE(page->Amount().Edit().HasFocus());
    EXPECT_EQ(CurrentMediaName(), "3_1_2.avi");
    const LoanCost example = page->Cost();
    EXPECT_EQ(example.shownPayment, 29);
    EXPECT_EQ(example.totalPaid, 1078);
    EXPECT_EQ(example.interest, 78);
    EXPECT_EQ(static_cast<int>(example.principalShare), 92);
    EXPECT_EQ(example.interestShare, 8);
    EXPECT_EQ(page->TotalText(), "1078");
    EXPECT_EQ(page->InterestText(), "78");
    EXPECT_EQ(page->PaymentText(), "29");

    QImage screen = Screen();
    EXPECT_TRUE(page->ShowsExample());
    EXPECT_TRUE(ContainsColour(screen, kExampleLine, kBlack));
    EXPECT_EQ(PixelOf(screen, kPrincipalTop.x(), kPrincipalTop.y()), kGreen);
    EXPECT_EQ(PixelOf(screen, kInterestTop.x(), kInterestTop.y()), kRed);
    EXPECT_EQ(PixelOf(screen, kFrontRim.x(), kFrontRim.y()), kGreen);
    EXPECT_TRUE(ContainsColour(screen, kShares, kBlack));

    // Another amount: the example line goes, every figure follows.
    Enter(page->Amount(), "2000", page->Rate());
    EXPECT_EQ(page->Amount().GetText(), "2,000");
    EXPECT_FALSE(page->ShowsExample());
    screen = Screen();
    EXPECT_FALSE(ContainsColour(screen, kExampleLine, kBlack));
    EXPECT_EQ(page->PaymentText(), "59");
    EXPECT_EQ(page->TotalText(), "2157");
    EXPECT_EQ(page->InterestText(), "157");
    EXPECT_EQ(SavedBytes().creditPrincipal, 2000);

    // A dearer loan takes a larger slice of interest.
    Enter(page->Rate(), "30", page->Months());
    Enter(page->Months(), "120", page->Amount());
    const LoanCost dear = page->Cost();
    EXPECT_EQ(dear.interestShare, 100 - static_cast<int>(dear.principalShare));
    EXPECT_GT(dear.interestShare, 50);
    screen = Screen();
    // The principal ends at the top's upper left: the interest takes the
    // rest of the way round, the front of the rim with it.
    EXPECT_EQ(PixelOf(screen, kPrincipalTop.x(), kPrincipalTop.y()), kRed);
    EXPECT_EQ(PixelOf(screen, kFrontRim.x(), kFrontRim.y()), kRed);

    // The fields keep to their limits.
    Enter(page->Months(), "400", page->Amount());
    EXPECT_EQ(page->Months().GetText(), "360");
    Enter(page->Rate(), "45", page->Amount());
    EXPECT_EQ(page->Rate().GetText(), "30");
    Enter(page->Amount(), "2000000", page->Rate());
    EXPECT_EQ(page->Amount().GetText(), "1,000,000");
    const FinRecord saved = SavedBytes();
    EXPECT_EQ(saved.creditMonths, 360);
    EXPECT_EQ(saved.creditRate, 3000);
    EXPECT_EQ(saved.creditPrincipal, 1000000);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CostOfCredit, RateIsKeptInHundredthsAndShownWithItsDecimals)
{
    Enter(page->Rate(), "5.1", page->Months());
    EXPECT_EQ(SavedBytes().creditRate, 510);
    EXPECT_EQ(page->Rate().GetText(), "5.1");
    Enter(page->Rate(), "7.25", page->Months());
    EXPECT_EQ(SavedBytes().creditRate, 725);
    EXPECT_EQ(page->Rate().GetText(), "7.25");
    // A third decimal is rounded away; a trailing zero is not shown.
    Enter(page->Rate(), "6.499", page->Months());
    EXPECT_EQ(SavedBytes().creditRate, 650);
    EXPECT_EQ(page->Rate().GetText(), "6.5");
    // A second point is not taken.
    Enter(page->Rate(), "4.5.5", page->Months());
    EXPECT_EQ(SavedBytes().creditRate, 455);
}

TEST_F(CostOfCredit, LoansWithoutInterestMonthsOrAmountShowSoundFigures)
{
    // No interest: the payments repay the amount, which is the whole pie.
    Enter(page->Rate(), "0", page->Months());
    LoanCost cost = page->Cost();
    EXPECT_EQ(cost.shownPayment, 27); // 1000 / 36
    EXPECT_EQ(cost.totalPaid, 1000);
    EXPECT_EQ(cost.interest, 0);
    EXPECT_EQ(cost.interestShare, 0);
    EXPECT_EQ(page->TotalText(), "1000");
    QImage screen = Screen();
    EXPECT_EQ(PixelOf(screen, kInterestTop.x(), kInterestTop.y()), kGreen);
    EXPECT_FALSE(ContainsColour(screen, kPieArea, kRed));

    // No months: no payment, no pie, every figure $0.
    Enter(page->Rate(), "5", page->Months());
    Enter(page->Months(), "0", page->Amount());
    cost = page->Cost();
    EXPECT_FALSE(cost.repaid);
    EXPECT_EQ(page->PaymentText(), "0");
    EXPECT_EQ(page->TotalText(), "0");
    EXPECT_EQ(page->InterestText(), "0");
    screen = Screen();
    EXPECT_FALSE(ContainsColour(screen, kPieArea, kGreen));
    EXPECT_FALSE(ContainsColour(screen, kPieArea, kRed));
    EXPECT_FALSE(ContainsColour(screen, kShares, kBlack));

    // An empty amount is no loan either, and is kept as not entered.
    Enter(page->Months(), "36", page->Amount());
    const Rect place = page->Amount().GetWindowRect();
    ClickPage(place.left + 20, place.top + 10);
    page->Amount().Edit().SelectAll();
    drive.Key(Qt::Key_Delete);
    ClickPage(page->Rate().GetWindowRect().left + 20, page->Rate().GetWindowRect().top + 10);
    EXPECT_FALSE(page->Cost().repaid);
    EXPECT_EQ(page->TotalText(), "0");
    EXPECT_EQ(SavedBytes().creditPrincipal, -1);
    screen = Screen();
    EXPECT_FALSE(ContainsColour(screen, kPieArea, kGreen));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CostOfCredit, ReturnLeadsToTheChooserAndTheReportPrintsTheLoan)
{
    Enter(page->Amount(), "2500", page->Rate());
    Enter(page->Rate(), "7.5", page->Months());
    Enter(page->Months(), "48", page->Amount());
    // The print button asks for the report; without a printer it is a PDF.
    // The field being edited finishes first, its amount with separators.
    Click(kNavPrint);
    EXPECT_EQ(view().Reports().LastRequest(), VM_PRINT_COST);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text.rfind("The report \"The Cost of Credit\" was not printed", 0), 0u);
    const ReportData report = view().Reports().Collect(VM_PRINT_COST);
    const LoanCost cost = page->Cost();
    ASSERT_EQ(report.values.size(), 7u);
    EXPECT_EQ(report.values[0], "$2,500");
    EXPECT_EQ(report.values[1], "7.5");
    EXPECT_EQ(report.values[2], "48");
    EXPECT_EQ(report.values[3], "$" + std::to_string(cost.shownPayment));
    EXPECT_EQ(report.values[4], "$2,500");
    EXPECT_EQ(report.values[5], "$" + std::to_string(cost.interest));
    EXPECT_EQ(report.values[6], "$" + FormatThousands(cost.totalPaid));
    EXPECT_EQ(cost.shownPayment, 60);
    EXPECT_EQ(cost.totalPaid, 2901);
    EXPECT_TRUE(Visible(page));

    // Return goes back to the section's chooser, the loan kept in the file.
    Click(kNavNext);
    ASSERT_TRUE(Shows(view().Chooser()));
    EXPECT_EQ(view().Chooser()->Key(), "CRED2");
    EXPECT_FALSE(Visible(page));
    const FinRecord saved = SavedBytes();
    EXPECT_EQ(offsetof(FinRecord, creditMonths), 0x248u);
    EXPECT_EQ(offsetof(FinRecord, creditRate), 0x24Cu);
    EXPECT_EQ(offsetof(FinRecord, creditPrincipal), 0x250u);
    EXPECT_EQ(saved.creditMonths, 48);
    EXPECT_EQ(saved.creditRate, 750);
    EXPECT_EQ(saved.creditPrincipal, 2500);
}

TEST(CostOfCreditRestart, TheLoanComesBackAfterARestart)
{
    std::string savedWork;
    {
        AtTheLoan first;
        first.Enter(first.page->Amount(), "12345", first.page->Rate());
        first.Enter(first.page->Rate(), "19.99", first.page->Months());
        first.Enter(first.page->Months(), "60", first.page->Amount());
        // Left by a side button, not by return.
        first.drive.Click(kSideX, kSectionY[0]);
        EXPECT_TRUE(Driver::Until([&] { return !first.page->IsWindowVisible(); }));
        savedWork = ReadFileBytes(first.program.folder().SavedWorkFile());
        EXPECT_TRUE(first.boxes.boxes.empty());
    }
    AtTheLoan second(savedWork);
    EXPECT_EQ(second.page->Amount().GetText(), "12345"); // with the focus
    EXPECT_EQ(second.page->Rate().GetText(), "19.99");
    EXPECT_EQ(second.page->Months().GetText(), "60");
    EXPECT_FALSE(second.page->ShowsExample());
    EXPECT_EQ(second.page->TotalText(), std::to_string(second.page->Cost().totalPaid));
    EXPECT_TRUE(second.boxes.boxes.empty());
}

TEST(LoanCost, FiguresOfTheExampleAndOfOtherLoans)
{
    const LoanCost example = ComputeLoanCost(1000, 5, 36);
    EXPECT_NEAR(example.payment, 29.97, 0.01);
    EXPECT_EQ(example.shownPayment, 29);
    EXPECT_EQ(example.totalPaid, 1078);
    EXPECT_EQ(example.interest, 78);
    EXPECT_NEAR(example.principalShare, 92.76, 0.01);
    EXPECT_EQ(example.interestShare, 8);
    EXPECT_TRUE(example.repaid);

    const LoanCost twice = ComputeLoanCost(2000, 5, 36);
    EXPECT_EQ(twice.shownPayment, 59);
    EXPECT_EQ(twice.totalPaid, 2157);
    EXPECT_EQ(twice.interest, 157);

    // The largest loan the page takes: a million at 30 % over 30 years.
    const LoanCost largest = ComputeLoanCost(1000000, 30, 360);
    EXPECT_NEAR(largest.payment, 25003.0, 2.0);
    EXPECT_NEAR(largest.totalPaid, 9001000, 1000);
    EXPECT_EQ(largest.interest, largest.totalPaid - 1000000);
    EXPECT_EQ(largest.interestShare, 89);
}

TEST(LoanCost, NoInterestNoMonthsAndNoAmountDivideByNothing)
{
    const LoanCost free = ComputeLoanCost(1000, 0, 3);
    EXPECT_EQ(free.shownPayment, 333);
    EXPECT_EQ(free.totalPaid, 1000); // not 999 from 333.33 x 3
    EXPECT_EQ(free.interest, 0);
    EXPECT_FLOAT_EQ(free.principalShare, 100);
    EXPECT_EQ(free.interestShare, 0);
    EXPECT_TRUE(free.repaid);

    for (const LoanCost& none :
         {ComputeLoanCost(1000, 5, 0), ComputeLoanCost(0, 5, 36), ComputeLoanCost(0, 0, 0)}) {
        EXPECT_FALSE(none.repaid);
        EXPECT_EQ(none.payment, 0);
        EXPECT_EQ(none.totalPaid, 0);
        EXPECT_EQ(none.interest, 0);
        EXPECT_EQ(none.interestShare, 0);
    }
}

TEST(LoanCost, TheSmallestRatesNeverCostLessThanTheAmount)
{
    // In single precision these would repay $996 of $1000 (interest -4),
    // or nothing of $1 at all.
    const LoanCost small = ComputeLoanCost(1000, 0.01, 2);
    EXPECT_EQ(small.shownPayment, 500);
    EXPECT_EQ(small.totalPaid, 1000);
    EXPECT_EQ(small.interest, 0);
    EXPECT_EQ(small.interestShare, 0);
    const LoanCost dollar = ComputeLoanCost(1, 0.01, 1);
    EXPECT_EQ(dollar.totalPaid, 1);
    EXPECT_EQ(dollar.interest, 0);
    // A million over two months at 0.01 % costs $12.50 of interest.
    const LoanCost large = ComputeLoanCost(1000000, 0.01, 2);
    EXPECT_EQ(large.totalPaid, 1000012);
    EXPECT_EQ(large.interest, 12);
    // Over the whole range of small rates and terms nothing goes below.
    for (int hundredths = 1; hundredths <= 50; ++hundredths) {
        for (int months : {1, 2, 3, 12, 36, 360}) {
            for (int amount : {1, 10, 999, 1000, 12345, 1000000}) {
                const LoanCost cost = ComputeLoanCost(amount, hundredths / 100.0, months);
                ASSERT_GE(cost.interest, 0) << amount << " " << hundredths << " " << months;
                ASSERT_GE(cost.interestShare, 0) << amount << " " << hundredths << " " << months;
                ASSERT_LE(cost.principalShare, 100.0f);
            }
        }
    }
}
