#include "pages/money/NetWorthSheet.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/DetailPanel.h"
#include "kit/NavBar.h"
#include "kit/NumberFormat.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Sound.h"

using namespace platform;

namespace {

// The quick analysis: two columns of fields on the rows of its picture.
constexpr int kQuickRows[] = {160, 190, 220, 250};
constexpr int kQuickRightColumn = 395;
constexpr int kFieldGap = 4;
constexpr Size kQuickField{72, 20};
constexpr Point kQuickArt{0, 137};
constexpr Point kQuickTotal{140, 315};
constexpr Rect kQuickTotalArea{0, 300, 420, 360};

// The detailed analysis: one column of labels and boxes.
constexpr int kDetailTop = 122;
constexpr int kDetailStep = 26;
constexpr int kBoxGap = 8;
constexpr Size kBox{66, 20}; // inside the card of the detailed picture
constexpr Point kDetailArt{4, 99};
constexpr Point kTotalStrip{5, 354};
constexpr Point kDetailedTotal{70, 362};
constexpr Rect kDetailedTotalArea{5, 354, 435, 398};

const DetailLinesLook kLook{DetailKind::Assets, "idb_ass_tab", 3, -7, {184, 29}, {187, 100}};
const Font kTotalFont{"Handel Gothic BT", 30, 800};
constexpr UINT kSuppressionMs = 500;

DetailLinesLook LookFor(DetailKind kind)
{
    DetailLinesLook look = kLook;
    look.kind = kind;
    return look;
}

} // namespace

NetWorthSheet::NetWorthSheet(Window* view, const NetWorthSheetRows& rows)
    : PageWindow(view), rows_(rows), lines_(*this, LookFor(rows.kind))
{
    SetWindowText(rows.name);
    record_.Reset();
    for (int i = 0; i < LineCount(); ++i) {
        const bool left = i < rows.leftLines;
        const int row = kQuickRows[left ? i : i - rows.leftLines];
        const int x = (left ? rows.quickLeftRight : kQuickRightColumn) + kFieldGap;
        auto field = std::make_unique<FEdit>(this);
        field->MoveWindow(x, row - 2, kQuickField.cx, kQuickField.cy);
        quick_.push_back(std::move(field));
        const int y = kDetailTop + kDetailStep * i;
        lines_.Add(rows.lines[static_cast<size_t>(i)].label, rows.detailedLabelRight, y,
                   {rows.detailedLabelRight + kBoxGap, y - 2, rows.detailedLabelRight + kBoxGap + kBox.cx,
                    y - 2 + kBox.cy});
    }
}

NetWorthSheet::~NetWorthSheet() = default;

int NetWorthSheet::QuickValue(int line) const
{
    const int index = rows_.lines[static_cast<size_t>(line)].quickIndex;
    if (rows_.kind == DetailKind::Assets)
        return record_.GetQuickAssets(index);
    return index < 0 ? record_.GetQuickOtherLiabilities() : record_.GetQuickLiabilities(index);
}

void NetWorthSheet::SetQuickValue(int line, const std::string& text)
{
    const int index = rows_.lines[static_cast<size_t>(line)].quickIndex;
    if (rows_.kind == DetailKind::Assets)
        record_.SetQuickAssets(index, text);
    else if (index < 0)
        record_.SetQuickOtherLiabilities(text);
    else
        record_.SetQuickLiabilities(index, text);
}

void NetWorthSheet::OnPageShown()
{
    for (int i = 0; i < LineCount(); ++i) {
        QuickField(i).SetHintSound(App().ContentPath() + "sounds\\" +
                                   rows_.lines[static_cast<size_t>(i)].hint);
        QuickField(i).PageShown();
    }
    firstPaint_ = true;
    Load();
}

void NetWorthSheet::Load()
{
    detailed_ = App().Flags().detailedAnalysis;
    lines_.SetSuppressed(true);
    for (auto& field : quick_)
        field->ShowWindow(detailed_ ? SW_HIDE : SW_SHOW);
    lines_.ShowBoxes(detailed_);
    if (detailed_)
        FocusNeutral();
    record_.Load();
    ShowLineValues();
    lines_.SetSuppressed(false);
}

void NetWorthSheet::ShowLineValues()
{
    if (detailed_) {
        // Cash on hand shows its separators; the other boxes plain digits.
        lines_.ShowSums(record_, [&](int line) { return rows_.kind == DetailKind::Assets && line == 0; });
        return;
    }
    for (int i = 0; i < LineCount(); ++i)
        QuickField(i).SetIntValue(QuickValue(i));
}

long long NetWorthSheet::Total()
{
    long long sum = 0;
    for (int i = 0; i < LineCount(); ++i)
        sum += detailed_ ? lines_.BoxValue(i) : std::max(0, CFinData::ParseAmount(QuickField(i).GetText()));
    StoreTotal(sum);
    return sum;
}

void NetWorthSheet::StoreTotal(long long total)
{
    const int value = static_cast<int>(std::min<long long>(total, INT_MAX));
    if (rows_.kind == DetailKind::Assets)
        record_.SetTotalAssets(value);
    else
        record_.SetTotalLiabilities(value);
}

void NetWorthSheet::Commit()
{
    // The detail panel saves the sub-items: start from what the file holds
    // and put only this page's own entries on it.
    record_.Load();
    if (detailed_) {
        ShowLineValues();
    } else {
        for (int i = 0; i < LineCount(); ++i)
            SetQuickValue(i, QuickField(i).GetText());
    }
    // The total goes with the record in both modes, so that the result page
    // reads the amounts the user has just seen.
    Total();
    record_.Save();
}

void NetWorthSheet::OnPageHidden()
{
    Commit();
    lines_.SetSuppressed(true);
    for (auto& field : quick_)
        field->PageHidden();
}

void NetWorthSheet::OnProgramBackground()
{
    if (!detailed_)
        return;
    lines_.EnableBoxes(false);
    FocusNeutral();
}

Rect NetWorthSheet::TotalArea() const
{
    return detailed_ ? kDetailedTotalArea : kQuickTotalArea;
}

void NetWorthSheet::DrawQuickLabels(Dc& dc)
{
    dc.SelectFont(kLabelFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
    for (int i = 0; i < LineCount(); ++i) {
        const bool left = i < rows_.leftLines;
        dc.TextOut(left ? rows_.quickLeftRight : kQuickRightColumn,
                   kQuickRows[left ? i : i - rows_.leftLines], rows_.lines[static_cast<size_t>(i)].label);
    }
    dc.SetTextAlign(align);
}

void NetWorthSheet::DrawTotal(Dc& dc)
{
    const long long total = Total();
    dc.SelectFont(kTotalFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    const Point at = detailed_ ? kDetailedTotal : kQuickTotal;
    dc.TextOut(at.x, at.y, "Total: $ " + FormatThousands(total));
}

void NetWorthSheet::OnPaint(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (detailed_) {
        if (totalStrip_.IsEmpty())
            art.LoadBitmapByName(totalStrip_, "idb_net_total");
        if (detailArt_.IsEmpty())
            art.LoadBitmapByName(detailArt_, "idb_net_flybk");
        art.DrawBitmap(dc, totalStrip_, kTotalStrip.x, kTotalStrip.y);
        art.DrawBitmap(dc, detailArt_, kDetailArt.x, kDetailArt.y);
    } else {
        if (quickArt_.IsEmpty())
            art.LoadBitmapByName(quickArt_, "idb_net_bak");
        art.DrawBitmap(dc, quickArt_, kQuickArt.x, kQuickArt.y);
    }
    DrawHeading(dc, detailed_ ? rows_.detailedHeading : rows_.quickHeading);
    EnableNav(false, true, true, false);
    App().Nav().DrawNavBar(dc);
    DrawTextBlock(dc, {rows_.intro[0], rows_.intro[1]});
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(detailed_ ? rows_.detailedNarration : rows_.quickNarration);
    const char* panel = detailed_ ? rows_.detailedPanel : rows_.quickPanel;
    if (TopTenWindow* topTen = App().Windows().topTen; topTen && panel)
        topTen->SetList(panel);
    if (detailed_)
        lines_.Draw(dc);
    else
        DrawQuickLabels(dc);
    DrawTotal(dc);
    if (firstPaint_) {
        firstPaint_ = false;
        if (!detailed_)
            QuickField(0).SetFocus();
    }
    SetTimer(kPageTimer, kSuppressionMs);
    if (detailed_)
        lines_.EnableBoxes(true);
}

void NetWorthSheet::OnTimer(UINT id)
{
    if (id == kPageTimer)
        lines_.SetSuppressed(false);
}

void NetWorthSheet::OnMouseMove(UINT, Point point)
{
    if (detailed_ && lines_.HoverBesidePanel())
        return;
    const bool onButton = SharedMouseMove(point);
    if (detailed_ && lines_.Hover(point) && !onButton)
        SetCursor(Cursor::Hand);
}

void NetWorthSheet::OnLButtonDown(UINT flags, Point point)
{
    if (detailed_ && lines_.Press(point))
        return;
    StopSound();
    PageWindow::OnLButtonDown(flags, point);
}

void NetWorthSheet::OnLButtonUp(UINT, Point point)
{
    const int button = App().Nav().NavClick(point.x, point.y);
    if (button != 1 && button != 2)
        return;
    FocusNeutral();
    InvalidateRect(TotalArea(), false);
    Commit();
    KillTimer(kPageTimer);
    SendToView(button == 1 ? rows_.back : rows_.forward);
    ShowWindow(SW_HIDE);
}

LRESULT NetWorthSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_FIELD_LEFT) {
        InvalidateRect(TotalArea(), false);
        return 0;
    }
    if (message == WM_DETAIL_CLOSED) {
        // The box keeps the plain total the panel wrote into it.
        record_.Load();
        lines_.PanelClosed();
        Invalidate(false);
        FocusNeutral();
        return 0;
    }
    return PageWindow::WindowProc(message, wParam, lParam);
}
