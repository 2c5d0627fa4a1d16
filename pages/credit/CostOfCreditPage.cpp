#include "pages/credit/CostOfCreditPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/NumberFormat.h"
#include "kit/Pie3D.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/DialogUnits.h"

#include <cmath>
#include <vector>

using namespace platform;

namespace {

const std::vector<std::string> kIntro = {
    "So what does it cost to borrow money? Before making your next",
    "big credit purchase, calculate the real cost. See how much debt",
    "you will really incur. Enter the total amount you plan to borrow,",
    "the annual interest rate you will pay, and the number of months",
    "you have to repay. Your answer may be a surprise.",
};
constexpr char kExampleLine[] = "(We have shown you an example using $1000 with a 5% interest rate).";
constexpr int kExampleRate = 5;
constexpr int kExampleAmount = 1000;

// The fields, in tab order, from the page's template.
constexpr Rect kAmountPlace = DialogRect(145, 112, 43, 13);
constexpr Rect kRatePlace = DialogRect(145, 127, 43, 13);
constexpr Rect kMonthsPlace = DialogRect(145, 143, 43, 13);
constexpr int kMaxAmount = 1000000;
constexpr int kMaxRate = 30;
constexpr int kMaxMonths = 360;
constexpr char kAmountHint[] = "sounds\\a31_21.wav";
constexpr char kRateHint[] = "sounds\\a31_22.wav";
constexpr char kMonthsHint[] = "sounds\\a31_23.wav";

constexpr char kVideo[] = "3_1_2.avi";
constexpr char kTopTenList[] = "cred2b";

// The worksheet art and the patches of it that the results are drawn over.
constexpr Point kSheet{7, 157};
struct Patch {
    Point to;
    Size size;
    Point from; // in the art
};
constexpr Patch kLegendPatch{{407, 157}, {90, 50}, {400, 0}};
constexpr Patch kFiguresPatch{{222, 259}, {80, 80}, {215, 102}};
constexpr Patch kTotalPatch{{120, 357}, {280, 30}, {115, 200}};

struct Label {
    const char* text;
    int y;
};
constexpr Label kLabels[] = {
    {"Amount to borrow (principal): $", 185}, {"Annual interest rate: %", 209},
    {"Months to repay loan: ", 233},          {"Monthly payment:", 271},
    {"Total principal repaid:", 293},         {"Total interest paid:", 315},
};
constexpr int kLabelRight = 211;
// The longest label is narrowed to keep inside the page.
constexpr int kLabelLeft = 4;
const Font kLabelTextFont{"Arial", 16, 800};

// The figures beside the result labels, and the total under them.
constexpr int kFiguresX = 222;
constexpr int kPaymentY = 272;
constexpr int kPrincipalY = 294;
constexpr int kInterestY = 316;
const Font kFigureFont{"Arial", 17, 800};
constexpr Point kTotalAt{120, 362};
const Font kTotalFont{"Arial", 22, 800};

// The pie of principal against interest, and its legend's percentages.
const Pie3D kPie{{320, 250, 460, 320}, 20};
constexpr COLORREF kSliceColours[] = {RGB(0, 255, 0), RGB(255, 0, 0)};
constexpr Point kPrincipalShareAt{455, 191};
constexpr Point kInterestShareAt{455, 174};
const Font kShareFont{"Arial", 16, 800};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

std::string Dollars(long long amount)
{
    return "$" + FormatThousands(amount);
}

} // namespace

CostOfCreditPage::CostOfCreditPage(Window* view) : PageWindow(view), amount_(this), rate_(this), months_(this)
{
    SetWindowText("IDD_Cost");
    record_.Reset();
    amount_.MoveWindow(kAmountPlace);
    amount_.SetMaxValue(kMaxAmount);
    rate_.MoveWindow(kRatePlace);
    rate_.SetMaxValue(kMaxRate);
    rate_.AllowDecimals(2);
    months_.MoveWindow(kMonthsPlace);
    months_.SetMaxValue(kMaxMonths);
}

CostOfCreditPage::~CostOfCreditPage() = default;

void CostOfCreditPage::OnPageShown()
{
    const std::string content = App().ContentPath();
    amount_.SetHintSound(content + kAmountHint);
    rate_.SetHintSound(content + kRateHint);
    months_.SetHintSound(content + kMonthsHint);
    for (FEdit* field : {&amount_, &rate_, &months_})
        field->PageShown();
    firstPaint_ = true;
    Load();
}

void CostOfCreditPage::OnPageHidden()
{
    Store();
    for (FEdit* field : {&amount_, &rate_, &months_})
        field->PageHidden();
}

void CostOfCreditPage::Load()
{
    loaded_ = true;
    record_.Load();
    months_.SetIntValue(record_.GetCreditMonths());
    amount_.SetIntValue(record_.GetCreditPrincipal());
    ShowRate();
}

void CostOfCreditPage::ShowRate()
{
    // A rate never entered shows an empty field.
    const int rate = record_.GetCreditRate();
    rate_.SetText(rate < 0 ? std::string() : FormatTwoDecimals(rate * 0.01));
}

void CostOfCreditPage::Store()
{
    // Start from what the file holds, so that the other pages' entries stay.
    record_.Load();
    record_.SetCreditMonths(months_.GetText());
    record_.SetCreditPrincipal(amount_.GetText());
    record_.SetCreditRate(std::to_string(std::lround(rate_.GetRealValue() * 100)));
    record_.Save();
    ShowRate();
    Results();
}

LoanCost CostOfCreditPage::Cost()
{
    return ComputeLoanCost(amount_.GetIntValue(), rate_.GetRealValue(), months_.GetIntValue());
}

LoanCost CostOfCreditPage::Results()
{
    const LoanCost cost = Cost();
    totalText_ = std::to_string(cost.totalPaid);
    interestText_ = std::to_string(cost.interest);
    paymentText_ = std::to_string(cost.shownPayment);
    return cost;
}

bool CostOfCreditPage::ShowsExample()
{
    return rate_.GetIntValue() == kExampleRate && amount_.GetIntValue() == kExampleAmount;
}

void CostOfCreditPage::OnPaint(Dc& dc)
{
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(kVideo);
    if (TopTenWindow* topTen = App().Windows().topTen)
        topTen->SetList(kTopTenList);
    if (!loaded_)
        Load();
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (sheet_.IsEmpty())
        art.LoadBitmapByName(sheet_, "idb_wrk_shet");
    art.DrawBitmap(dc, sheet_, kSheet.x, kSheet.y);
    DrawHeading(dc, "The Cost of Credit");
    EnableNav(true, false, false, true);
    App().Nav().DrawNavBar(dc);
    std::vector<std::string> intro = kIntro;
    if (ShowsExample())
        intro.emplace_back(kExampleLine);
    DrawTextBlock(dc, intro);
    DrawLabels(dc);
    DrawResults(dc);
    if (firstPaint_) {
        firstPaint_ = false;
        amount_.SetFocus();
    }
}

void CostOfCreditPage::DrawLabels(Dc& dc)
{
    dc.SelectFont(kLabelTextFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kWhite);
    const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
    const int left = dc.SetTextLeft(kLabelLeft);
    for (const Label& label : kLabels)
        dc.TextOut(kLabelRight, label.y, label.text);
    dc.SetTextLeft(left);
    dc.SetTextAlign(align);
}

void CostOfCreditPage::DrawResults(Dc& dc)
{
    const LoanCost cost = Results();
    const int principal = amount_.GetIntValue();

    Artwork& art = App().Art();
    const auto restore = [&](const Patch& patch) {
        art.DrawBitmapPart(dc, sheet_, patch.to.x, patch.to.y, patch.size.cx, patch.size.cy, patch.from.x,
                           patch.from.y);
    };
    restore(kLegendPatch);
    dc.SetBkMode(TRANSPARENT);
    if (cost.repaid) {
        DrawPie(dc, cost);
        dc.SelectFont(kShareFont);
        dc.SetTextColor(kBlack);
        dc.TextOut(kPrincipalShareAt.x, kPrincipalShareAt.y,
                   std::to_string(static_cast<int>(cost.principalShare)) + "%");
        dc.TextOut(kInterestShareAt.x, kInterestShareAt.y, std::to_string(cost.interestShare) + "%");
    }

    restore(kFiguresPatch);
    dc.SelectFont(kFigureFont);
    dc.SetTextColor(kWhite);
    // Without a loan to repay, nothing of the amount is repaid either.
    dc.TextOut(kFiguresX, kPaymentY, Dollars(cost.shownPayment));
    dc.TextOut(kFiguresX, kPrincipalY, Dollars(cost.repaid ? principal : 0));
    dc.TextOut(kFiguresX, kInterestY, Dollars(cost.interest));

    restore(kTotalPatch);
    dc.SelectFont(kTotalFont);
    dc.TextOut(kTotalAt.x, kTotalAt.y, "Total cost of item: " + Dollars(cost.totalPaid));
}

void CostOfCreditPage::DrawPie(Dc& dc, const LoanCost& cost)
{
    // The principal from the start round to its share, the interest from
    // there back to the start; with no share left for interest the
    // principal is one whole slice.
    if (cost.interestShare <= 0) {
        const Point whole[] = {kPieStart, kPieStart};
        DrawPie3D(dc, kPie, whole, kSliceColours);
        return;
    }
    const Point boundaries[] = {kPieStart, PieBoundary(cost.principalShare), kPieStart};
    DrawPie3D(dc, kPie, boundaries, kSliceColours);
}

void CostOfCreditPage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        // A field being edited finishes first, so that the report has its figures.
        FocusNeutral();
        SendToView(VM_PRINT_COST);
        break;
    case 3:
        SendToView(VM_CHOOSER_CRED2);
        ShowWindow(SW_HIDE);
        break;
    default:
        break;
    }
}

LRESULT CostOfCreditPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_FIELD_LEFT) {
        if (IsWindowVisible()) {
            Store();
            // Every figure, the pie and the example line follow the fields.
            Invalidate(false);
        }
        return 0;
    }
    return PageWindow::WindowProc(message, wParam, lParam);
}
