#include "pages/money/ChecklistPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"

#include <algorithm>

using namespace platform;

namespace {

struct Item {
    const char* label;
    int column; // 0 left, 1 right
    int row;
};

constexpr Item kItemTable[ChecklistPage::kItems] = {
    {"Current bank statements", 0, 0},
    {"Value of your home", 0, 1},
    {"Value of investment portfolio", 0, 2},
    {"Value of your vehicle", 0, 3},
    {"Value of your personal belongings", 0, 4},
    {"Student loan balance", 1, 0},
    {"Mortgage balance", 1, 1},
    {"Consumer debt balances", 1, 2},
    {"Vehicle loan balance", 1, 3},
    {"Other loan balance", 1, 4},
};

constexpr int kColumnX[] = {51, 296};
constexpr int kFirstRow = 174;
constexpr int kRowStep = 24;
constexpr int kBoxGap = 20; // the box stands this far left of its label
constexpr Size kBox{14, 14};
const Font kItemFont{"Arial", 16, 800};
constexpr char kNarration[] = "2_1_3.wav";

const std::vector<std::string> kIntro = {
    "Conduct a detailed analysis to determine your true net worth. Current financial",
    "information will be necessary to get a clear picture of your financial situation. The",
    "list below can assist you in gathering any needed information. To keep track of",
    "the records you have gathered, check the appropriate boxes for those items.",
};

int RowY(const Item& item)
{
    return kFirstRow + kRowStep * item.row;
}

} // namespace

ChecklistPage::ChecklistPage(Window* view) : PageWindow(view)
{
    SetWindowText("IDD_Gather");
    record_.Reset();
    for (int i = 0; i < kItems; ++i) {
        const Item& item = kItemTable[i];
        boxes_[static_cast<size_t>(i)] = std::make_unique<CheckBox>(this);
        Box(i).MoveWindow(kColumnX[item.column] - kBoxGap, RowY(item) + 1, kBox.cx, kBox.cy);
    }
}

ChecklistPage::~ChecklistPage() = default;

void ChecklistPage::OnPageShown()
{
    if (TopTenWindow* topTen = App().Windows().topTen)
        topTen->SetList("man2b");
    record_.Load();
    for (int i = 0; i < kItems; ++i)
        Box(i).SetCheck(record_.GetAnalysisChecklist(i) != 0);
}

void ChecklistPage::StoreTicks()
{
    for (int i = 0; i < kItems; ++i)
        record_.SetAnalysisChecklist(i, Box(i).GetCheck() ? 1 : 0);
    record_.Save();
}

void ChecklistPage::OnPageHidden()
{
    StoreTicks();
}

void ChecklistPage::OnPaint(Dc& dc)
{
    App().Art().DrawModuleBackground(dc);
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(kNarration);
    DrawHeading(dc, "Detailed Analysis");
    EnableNav(true, true, true, false);
    App().Nav().DrawNavBar(dc);
    DrawTextBlock(dc, kIntro);
    dc.SelectFont(kItemFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    for (int i = 0; i < kItems; ++i) {
        const Item& item = kItemTable[i];
        const Point at{kColumnX[item.column], RowY(item)};
        // A left label keeps clear of the right column's box.
        const int limit = item.column == 0 ? kColumnX[1] - kBoxGap - 4 : GetClientRect().right;
        const int right = dc.SetTextRight(limit);
        dc.TextOut(at.x, at.y, item.label);
        dc.SetTextRight(right);
        const Size size = dc.GetTextExtent(item.label);
        labelRects_[static_cast<size_t>(i)] = {at.x, at.y, std::min(at.x + size.cx, limit), at.y + size.cy};
    }
}

void ChecklistPage::OnLButtonDown(UINT flags, Point point)
{
    for (int i = 0; i < kItems; ++i) {
        if (LabelRect(i).Contains(point))
            Box(i).SetCheck(!Box(i).GetCheck());
    }
    PageWindow::OnLButtonDown(flags, point);
}

void ChecklistPage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        SendToView(VM_PRINT_CHECKLIST);
        break;
    case 1:
        StoreTicks();
        PostToView(VM_CHECKLIST_BACK);
        ShowWindow(SW_HIDE);
        break;
    case 2:
        StoreTicks();
        PostToView(VM_DETAILED_ASSETS);
        ShowWindow(SW_HIDE);
        break;
    default:
        break;
    }
}
