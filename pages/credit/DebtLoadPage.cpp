#include "pages/credit/DebtLoadPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/TextDrawing.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/DialogUnits.h"

#include <vector>

using namespace platform;

namespace {

const std::vector<std::string> kIntro = {
    "If you are making several monthly payments to creditors, your debt",
    "load may be too high. No more than 20 percent of your total household",
    "income after rent or mortgage is deducted should go to credit. Answer",
    "the questions below to determine if more than 20 percent of your",
    "monthly household income is going to debt.",
};

// The fields and the total from the page's template, which is laid out in
// 8-point Arial; each stands on its label's line.
constexpr Rect kIncomePlace = DialogRect(170, 110, 43, 13, kArialDialogFont);
constexpr Rect kHousingPlace = DialogRect(170, 130, 43, 13, kArialDialogFont);
constexpr Rect kTotalPlace = DialogRect(170, 150, 43, 13, kArialDialogFont);
constexpr char kIncomeHint[] = "sounds\\a32_21.wav";
constexpr char kHousingHint[] = "sounds\\a32_22.wav";

constexpr const char* kLabels[] = {
    "Monthly household net income: $",
    "Monthly rent or mortgage cost: $",
    "Total monthly payment to all creditors: $",
};
constexpr int kLabelRight = 252;
constexpr int kFirstLabelY = 198;
constexpr int kLabelStep = 35;
constexpr int kTotalLine = 2; // the label that opens the loan list

constexpr char kSource[] = "Source: The Washington Post, January, 1999";
constexpr Point kSourceAt{10, 370};
const Font kSourceFont{"Arial", 14, 400};

constexpr Point kBackdrop{4, 143};
constexpr char kVideo[] = "3_2_2.avi";

// What the closed panel leaves to paint again: where it stood, and the
// total's label with the bar behind it.
constexpr Rect kPanelArea{231, 143, 496, 357};
constexpr Rect kTotalLabelArea{4, 263, 239, 288};

DetailLinesLook Look()
{
    // The bar stands behind the total's label; the panel opens beside it.
    return {DetailKind::Loans, "IDB_cre_tab", 4, -5, {235, 25}, {239, 143}};
}

int LabelY(int line)
{
    return kFirstLabelY + kLabelStep * line;
}

} // namespace

DebtLoadPage::DebtLoadPage(Window* view)
    : PageWindow(view), income_(this), housing_(this), lines_(*this, Look())
{
    SetWindowText("IDD_Debt");
    record_.Reset();
    income_.MoveWindow(kIncomePlace);
    housing_.MoveWindow(kHousingPlace);
    lines_.Add(kLabels[kTotalLine], kLabelRight, LabelY(kTotalLine), kTotalPlace);
    lines_.ShowBoxes(true);
    lines_.EnableBoxes(false);
}

DebtLoadPage::~DebtLoadPage() = default;

void DebtLoadPage::OnPageShown()
{
    const std::string content = App().ContentPath();
    income_.SetHintSound(content + kIncomeHint);
    housing_.SetHintSound(content + kHousingHint);
    income_.PageShown();
    housing_.PageShown();
    firstPaint_ = true;
    Load();
    lines_.SetSuppressed(false);
    lines_.EnableBoxes(true);
}

void DebtLoadPage::OnPageHidden()
{
    Store();
    income_.PageHidden();
    housing_.PageHidden();
    lines_.SetSuppressed(true);
    lines_.EnableBoxes(false);
}

void DebtLoadPage::OnProgramBackground()
{
    lines_.EnableBoxes(false);
    FocusNeutral();
}

void DebtLoadPage::Load()
{
    loaded_ = true;
    record_.Load();
    income_.SetIntValue(record_.GetMonthlyNetIncome());
    housing_.SetIntValue(record_.GetMonthlyHousingCost());
    ShowTotal();
}

void DebtLoadPage::ShowTotal()
{
    lines_.ShowSums(record_, [](int) { return true; });
}

void DebtLoadPage::Store()
{
    // The panel saves the loans: start from what the file holds.
    record_.Load();
    // The payments are handed on to the risk questions only until the
    // user has given them there or here.
    const std::string total = Total().GetText();
    if (record_.GetMonthlyDebtPayments() == -1 && total != "0")
        record_.SetMonthlyDebtPayments(total);
    record_.SetMonthlyNetIncome(income_.GetText());
    record_.SetMonthlyHousingCost(housing_.GetText());
    record_.Save();
}

void DebtLoadPage::OnPaint(Dc& dc)
{
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(kVideo);
    record_.Load();
    if (!loaded_)
        Load();
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (backdrop_.IsEmpty())
        art.LoadBitmapByName(backdrop_, "IDB_cre_flybk");
    art.DrawBitmap(dc, backdrop_, kBackdrop.x, kBackdrop.y);
    EnableNav(false, true, true, false);
    App().Nav().DrawNavBar(dc);
    DrawHeading(dc, "Know Your Borrowing Habits");
    DrawTextBlock(dc, kIntro);

    dc.SelectFont(kLabelFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kLabelNormal);
    const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
    for (int line = 0; line < kTotalLine; ++line)
        dc.TextOut(kLabelRight, LabelY(line), kLabels[line]);
    dc.SetTextAlign(align);
    lines_.Draw(dc);
    dc.SelectFont(kSourceFont);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(kSourceAt.x, kSourceAt.y, kSource);

    if (firstPaint_) {
        firstPaint_ = false;
        income_.SetFocus();
    }
    lines_.EnableBoxes(true);
}

void DebtLoadPage::OnMouseMove(UINT, Point point)
{
    if (lines_.HoverBesidePanel())
        return;
    const bool onButton = SharedMouseMove(point);
    if (lines_.Hover(point) && !onButton)
        SetCursor(Cursor::Hand);
}

void DebtLoadPage::OnLButtonDown(UINT flags, Point point)
{
    if (lines_.PanelOpen()) {
        lines_.Press(point);
        return;
    }
    App().Flags().calculatorOpen = false;
    if (lines_.Press(point))
        return;
    PageWindow::OnLButtonDown(flags, point);
}

void DebtLoadPage::OnLButtonUp(UINT, Point point)
{
    const int button = App().Nav().NavClick(point.x, point.y);
    if (button < 0)
        return;
    FocusNeutral();
    Store();
    if (button == 2)
        SendToView(VM_DEBT_RESULTS);
    else
        PostToView(VM_CHOOSER_CRED3);
    ShowWindow(SW_HIDE);
}

LRESULT DebtLoadPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DETAIL_CLOSED) {
        record_.Load();
        ShowTotal();
        lines_.PanelClosed();
        InvalidateRect(kPanelArea, false);
        InvalidateRect(kTotalLabelArea, false);
        FocusNeutral();
        return 0;
    }
    return PageWindow::WindowProc(message, wParam, lParam);
}
