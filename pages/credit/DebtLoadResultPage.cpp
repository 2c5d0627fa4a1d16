#include "pages/credit/DebtLoadResultPage.h"

#include "data/CFinData.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/NumberFormat.h"
#include "kit/TextDrawing.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"

#include <algorithm>

using namespace platform;

namespace {

constexpr char kComfortSentence[] = "Your income and housing indicate a comfort debt load for you is ";
constexpr char kPaymentsSentence[] = "or less monthly. Currently, you are spending ";
constexpr char kPaymentsEnd[] = " monthly. Your";
constexpr int kTextX = 10;
constexpr int kAmountGap = 10; // between the first sentence and its amount
constexpr int kLineY[] = {45, 60, 75};
const Font kProseFont{"Arial", 16, 400};
const Font kAmountFont{"Arial", 16, 600, false, true};

constexpr char kInvitation[] = "Would you like to ...";
constexpr Point kInvitationAt{40, 311};
const Font kInvitationFont{"Arial", 21, 800};
constexpr COLORREF kInvitationColour = RGB(252, 4, 4);
constexpr Point kLessonAt{74, 336};

// The gauge's face and the bar that grows across it, one picture of its
// tip at each step.
constexpr Point kFace{20, 150};
constexpr Point kBarStart{108, 237};
constexpr int kGrowthStep = 2;

} // namespace

const char* const DebtLoadResultPage::kClosingLine =
    "debt load will change as your payments to creditors decrease.";

DebtLoadResultPage::DebtLoadResultPage(Window* view)
    : PageWindow(view),
      growth_(*this, kPageTimer, [this](Dc& dc, int position) { DrawBarStep(dc, position); })
{
    SetWindowText("IDD_Therm");
    lesson_.SetPosition(kLessonAt.x, kLessonAt.y);
}

DebtLoadResultPage::~DebtLoadResultPage() = default;

void DebtLoadResultPage::SetFigures(int comfort, const std::string& paymentsText)
{
    comfort_ = std::max(0, comfort);
    paymentsText_ = paymentsText;
    payments_ = std::max(0, CFinData::ParseAmount(paymentsText));
}

std::string DebtLoadResultPage::PaymentsAmount() const
{
    return "$" + (paymentsText_.empty() ? std::string("0") : paymentsText_);
}

std::string DebtLoadResultPage::ComfortLine() const
{
    return kComfortSentence + ("$" + FormatThousands(comfort_));
}

std::string DebtLoadResultPage::PaymentsLine() const
{
    // The printed line puts a space of its own before the amount.
    return kPaymentsSentence + (" " + PaymentsAmount()) + kPaymentsEnd;
}

void DebtLoadResultPage::OnPageShown()
{
    animate_ = true;
    drawn_ = 0;
}

void DebtLoadResultPage::OnPageHidden()
{
    growth_.Stop();
}

void DebtLoadResultPage::OnPaint(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (face_.IsEmpty()) {
        art.LoadBitmapByName(face_, "IDB_zone_gr");
        art.LoadBitmapByName(tip_, "IDB_zone_tip");
        lesson_.LoadStates("idb_c3b_1ovr", "idb_c3b_1sel", "idb_c3b_1off");
    }
    art.DrawBitmap(dc, face_, kFace.x, kFace.y);
    DrawHeading(dc, "Your Debt Load");
    EnableNav(true, true, false, true);
    App().Nav().DrawNavBar(dc);
    dc.SelectFont(kInvitationFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kInvitationColour);
    dc.TextOut(kInvitationAt.x, kInvitationAt.y, kInvitation);
    DrawResultText(dc);
    lesson_.Draw(dc, 0);
    DrawGauge(dc);
}

void DebtLoadResultPage::DrawResultText(Dc& dc)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SelectFont(kProseFont);
    dc.TextOut(kTextX, kLineY[0], kComfortSentence);
    const int comfortX = dc.GetTextExtent(kComfortSentence).cx + kAmountGap;
    dc.TextOut(kTextX, kLineY[1], kPaymentsSentence);
    int x = kTextX + dc.GetTextExtent(kPaymentsSentence).cx;
    dc.TextOut(kTextX, kLineY[2], kClosingLine);

    dc.SelectFont(kAmountFont);
    dc.TextOut(comfortX, kLineY[0], "$" + FormatThousands(comfort_));
    const std::string payments = PaymentsAmount();
    dc.TextOut(x, kLineY[1], payments);
    x += dc.GetTextExtent(payments).cx;
    dc.SelectFont(kProseFont);
    dc.TextOut(x, kLineY[1], kPaymentsEnd);
}

void DebtLoadResultPage::DrawGauge(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawBitmap(dc, tip_, kBarStart.x, kBarStart.y);
    gauge_ = MeasureDebtLoad(payments_, comfort_);
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(gauge_.video);
    if (animate_) {
        drawn_ = 0;
        growth_.Start(0, gauge_.bar, kGrowthStep);
    } else {
        growth_.Stop();
        art.DrawBitmap(dc, face_, kFace.x, kFace.y);
        for (int position = 0; position < gauge_.bar; ++position)
            DrawBarStep(dc, position);
    }
    animate_ = false;
}

void DebtLoadResultPage::DrawBarStep(Dc& dc, int position)
{
    App().Art().DrawBitmap(dc, tip_, kBarStart.x + position, kBarStart.y);
    drawn_ = position + 1;
}

void DebtLoadResultPage::OnTimer(UINT id)
{
    growth_.OnTimer(id);
}

void DebtLoadResultPage::DrawLessonButton(int state)
{
    lesson_.SetState(state);
    ClientDc dc(this);
    lesson_.Draw(dc, 0);
}

void DebtLoadResultPage::OnMouseMove(UINT, Point point)
{
    SharedMouseMove(point);
    const bool over = lesson_.HitTest(point.x, point.y);
    const int state = over ? ImageButton::Over : ImageButton::Normal;
    if (lesson_.GetState() != state)
        DrawLessonButton(state);
    if (over)
        SetCursor(Cursor::Hand);
}

void DebtLoadResultPage::OnLButtonDown(UINT flags, Point point)
{
    PageWindow::OnLButtonDown(flags, point);
    if (!lesson_.HitTest(point.x, point.y))
        return;
    DrawLessonButton(ImageButton::Pressed);
    DrawLessonButton(ImageButton::Normal);
    SendToView(VM_LESSON_REDUCING);
    ShowWindow(SW_HIDE);
}

void DebtLoadResultPage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        // Printing stops the growth: the bar goes to its full length at once.
        growth_.Finish();
        SendToView(VM_PRINT_DEBT);
        break;
    case 1:
        PostToView(VM_SHOW_DEBT);
        ShowWindow(SW_HIDE);
        break;
    case 3:
        SendToView(VM_CHOOSER_CRED3);
        ShowWindow(SW_HIDE);
        break;
    default:
        break;
    }
}
