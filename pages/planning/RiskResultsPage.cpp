#include "pages/planning/RiskResultsPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/ResultLines.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/planning/RiskLevels.h"
#include "pages/planning/RiskScore.h"

using namespace platform;

namespace {

constexpr char kTitle[] = "Your Risk Tolerance";
constexpr char kPanel[] = "plan2ac";
constexpr Point kArt{49, 92};
// The pointer grows to the right from here, over the gauge of the art.
constexpr Point kGaugeStart{137, 179};

// The tips: the bullet at the left edge, the arrows of the tips under
// a paragraph a little in, with their text.
constexpr ResultLinesLayout kTipLines{7, 245, 13, 3, 0, 16, 25};

} // namespace

RiskResultsPage::RiskResultsPage(Window* view) : PageWindow(view), gauge_(*this, kPageTimer, kGaugeStart)
{
    SetWindowText("IDD_Saver");
    // The bullet and the arrow are the program's own.
    App().Art().LoadOwnBitmap(bullet_, "IDB_bullet");
    App().Art().LoadOwnBitmap(arrow_, "IDB_arrow");
    gauge_.SetElement(&pointer_);
}

void RiskResultsPage::SetRiskScore(int score)
{
    score_ = score;
    gauge_.SetLength(GaugeLength(score));
}

const RiskLevel& RiskResultsPage::Level() const
{
    return RiskLevelFor(score_);
}

std::vector<std::string> RiskResultsPage::ReportLines() const
{
    return RiskReportLines(Level());
}

void RiskResultsPage::OnPageShown()
{
    gauge_.GrowOnNextPaint();
}

void RiskResultsPage::OnPaint(Dc& dc)
{
    if (TopTenWindow* topTen = App().Windows().topTen)
        topTen->SetList(kPanel);
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(Level().video);
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (art_.IsEmpty()) {
        art.LoadBitmapByName(art_, "IDB_risk_bk");
        art.LoadBitmapByName(pointer_, "IDB_risk_tip");
    }
    art.DrawBitmap(dc, art_, kArt.x, kArt.y);
    DrawHeading(dc, kTitle);
    EnableNav(true, true, false, true);
    App().Nav().DrawNavBar(dc);
    DrawTextBlock(dc, RiskHeadingBlock(Level()));
    DrawResultLines(dc, RiskTips(Level()), kTipLines, bullet_, &arrow_);
    gauge_.Paint(dc);
}

void RiskResultsPage::OnTimer(UINT id)
{
    if (!gauge_.OnTimer(id))
        PageWindow::OnTimer(id);
}

void RiskResultsPage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        PostToView(VM_PRINT_RISK);
        return;
    case 1:
        PostToView(VM_SURVEY_SAVER_AGAIN);
        break;
    case 2:
    case 3:
        SendToView(VM_CHOOSER_PLAN2);
        break;
    default:
        return;
    }
    ShowWindow(SW_HIDE);
}
