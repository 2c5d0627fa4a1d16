#include "pages/money/NetWorthPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/NumberFormat.h"
#include "kit/TextDrawing.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"

#include <string>
#include <vector>

using namespace platform;

namespace {

const std::vector<std::string> kDetailedText = {
    "Based on the information you provided, your net worth has been calculated",
    "below. Remember that your net worth will continue to change as assets increase",
    "and liabilities decrease. Conduct a net worth analysis each year or whenever",
    "there are significant changes in your financial situation.",
};
const std::vector<std::string> kQuickText = {
    "Based on information you have provided, your net worth has been calculated",
    "below. Your net worth will continue to change as your assets increase and your",
    "debt decreases. A net worth analysis should be conducted annually, or whenever",
    "there are significant changes in your financial situation. Remember that your",
    "quick analysis may not be a true reflection of your net worth.",
};

constexpr Point kArt{20, 149};
constexpr int kLabelRight = 250;
constexpr int kValueRight = 420;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// A value as the page shows it: "$" and the amount with its separators,
// a minus sign in front of it.
std::string Dollars(long long value)
{
    return "$" + FormatThousands(value);
}

} // namespace

NetWorthPage::NetWorthPage(Window* view) : PageWindow(view)
{
    SetWindowText("IDD_Networth");
    record_.Reset();
}

void NetWorthPage::DrawFigure(Dc& dc, int height, const char* label, long long value, COLORREF colour, int y)
{
    dc.SelectFont(Font{kHeadingFont.face, height, 800});
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour);
    const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
    dc.TextOut(kLabelRight, y, label);
    dc.TextOut(kValueRight, y, Dollars(value));
    dc.SetTextAlign(align);
}

void NetWorthPage::OnPaint(Dc& dc)
{
    record_.Load();
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (art_.IsEmpty())
        art.LoadBitmapByName(art_, "IDB_net_bk");
    art.DrawBitmap(dc, art_, kArt.x, kArt.y);
    const bool detailed = App().Flags().detailedAnalysis;
    DrawHeading(dc, detailed ? "Detailed Net Worth Analysis" : "Quick Net Worth Analysis");
    DrawTextBlock(dc, detailed ? kDetailedText : kQuickText);
    EnableNav(true, true, false, true);
    App().Nav().DrawNavBar(dc);

    // Totals not entered count as nothing.
    const long long assets = std::max(0, record_.GetTotalAssets());
    const long long liabilities = std::max(0, record_.GetTotalLiabilities());
    netWorth_ = assets - liabilities;
    DrawFigure(dc, 24, "Assets:", assets, kWhite, 185);
    DrawFigure(dc, 24, "- Liabilities:", liabilities, kRed, 215);
    dc.SelectPen(Pen{PenStyle::Solid, 2, kWhite});
    dc.MoveTo(40, 245);
    dc.LineTo(420, 245);
    DrawFigure(dc, 26, "Total Net Worth:", netWorth_, netWorth_ < 0 ? kRed : kWhite, 260);
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(netWorth_ > 0 ? "2_1_2a1.avi" : "2_1_2a2.avi");
}

void NetWorthPage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        SendToView(VM_PRINT_NET_WORTH);
        break;
    case 1:
        SendToView(VM_BACK_TO_LIABILITIES);
        ShowWindow(SW_HIDE);
        break;
    case 2:
    case 3:
        SendToView(VM_CHOOSER_MAN2);
        ShowWindow(SW_HIDE);
        break;
    default:
        break;
    }
}
