#include "kit/TopTenWindow.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ContentFiles.h"
#include "kit/Modules.h"
#include "kit/NavBar.h"
#include "kit/PageWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Keys.h"

#include <algorithm>

using namespace platform;

namespace {

constexpr COLORREF kItemColour = RGB(255, 255, 255);
constexpr COLORREF kSelectedColour = RGB(255, 0, 255);
constexpr COLORREF kHoverColour = RGB(255, 255, 0);
constexpr COLORREF kDetailColour = RGB(0, 0, 128);
const Font kItemFont{"Arial", 14, FW_SEMIBOLD};
const Font kDetailFont{"Arial", 16, FW_NORMAL};

constexpr int kItemsX = 10;
constexpr int kItemsTop = 53;
constexpr int kLineStep = 12; // second and third lines below the first
constexpr int kItemStep = 13; // per line of an item
constexpr int kIndent = 16;   // second and third lines
constexpr int kDetailX = 271;
constexpr int kDetailTop = 83;
constexpr int kDetailStep = 15;
constexpr Rect kDetailArea{255, 0, 255 + 230, 0 + 380};

// The list whose fourth tip quotes a magazine after its sixth line.
constexpr char kMagazineList[] = "cred2a";
constexpr int kMagazineItem = 3;
constexpr int kMagazineLine = 5;
constexpr char kMagazine[] = "Parade Magazine,";

struct ModuleLook {
    int module;
    const char* background;
    const char* closeStem;
};

constexpr ModuleLook kLooks[] = {
    {ModuleCredit, "IDB_cr_topbk", "IDB_cr_t"},
    {ModuleMoney, "IDB_ten_bk", "IDB_t_d"},
    {ModuleAttitudes, "IDB_fn_topbk", "IDB_fn_t"},
    {ModulePlanning, "IDB_pl_topbk", "IDB_pl_t"},
};

const ModuleLook* LookOf(int module)
{
    for (const ModuleLook& look : kLooks) {
        if (look.module == module)
            return &look;
    }
    return nullptr;
}

std::string ListPath(const std::string& name)
{
    return ContentFilePath("top10\\", name + ".txt");
}

} // namespace

TopTenWindow::TopTenWindow(Window* frame) : Window(frame)
{
    close_.SetPosition(413, 398);
}

bool TopTenWindow::WasShown(const std::string& name) const
{
    return std::find(shownLists_.begin(), shownLists_.end(), name) != shownLists_.end();
}

void TopTenWindow::SetList(const std::string& name)
{
    list_ = name;
    if (Window* view = App().Windows().view)
        view->SendMessage(WasShown(name) ? VM_TOPTEN_SEEN : VM_TOPTEN_NEW);
}

void TopTenWindow::OpenList()
{
    items_.clear();
    selected_ = 0;
    hovered_ = -1;
    background_.Release();
    close_.Release();
    const ModuleLook* look = LookOf(App().Flags().currentModule);
    if (look) {
        const std::string stem = look->closeStem;
        close_.LoadStates(stem + "_ovr", stem + "_sel", stem + "_off");
        const Size size = close_.BitmapOf(ImageButton::Pressed).GetSize();
        close_.SetSize(size.cx, size.cy);
    }
    close_.SetState(ImageButton::Normal);
    close_.SetPressed(false);
    ReadDetail(0);
    ReadItems();
    if (look)
        App().Art().LoadBitmapByName(background_, look->background);
}

void TopTenWindow::ReadItems()
{
    ItemListOptions options;
    options.blankMarkers = true;
    int y = kItemsTop;
    for (const ContentItem& entry : ReadItemList(ListPath(list_), options)) {
        if (entry.IsGap())
            continue;
        if (items_.size() >= kMaxItems)
            break;
        Item item;
        item.lineCount = entry.lineCount;
        item.name = list_ + std::to_string(items_.size() + 1);
        for (int i = 0; i < entry.lineCount; ++i) {
            item.lines[i] = entry.lines[i];
            item.places[i] = {i == 0 ? kItemsX : kItemsX + kIndent, y + kLineStep * i};
        }
        items_.push_back(item);
        y += kItemStep * entry.lineCount;
    }
    // Measure the lines for hit tests.
    ClientDc dc(this);
    dc.SelectFont(kItemFont);
    for (Item& item : items_) {
        for (int i = 0; i < item.lineCount; ++i)
            item.sizes[i] = dc.GetTextExtent(item.lines[i]);
    }
}

void TopTenWindow::ReadDetail(int index)
{
    detail_ = ReadLineList(ListPath(list_ + std::to_string(index + 1)), kMaxDetailLines);
}

void TopTenWindow::OnShowWindow(bool show)
{
    if (!show)
        return;
    Window* view = App().Windows().view;
    if (view) {
        const Rect area = view->GetFrameRect();
        MoveWindow(area.left + kPageLeft, area.top + kPageTop, area.Width() - 131, area.Height() - kPageTop);
    }
    if (!WasShown(list_))
        shownLists_.push_back(list_);
}

void TopTenWindow::DrawItem(Dc& dc, int index, COLORREF colour)
{
    const Item& item = items_[static_cast<size_t>(index)];
    dc.SelectFont(kItemFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour);
    // The items keep left of the detail area, which a new choice repaints.
    const int right = dc.SetTextRight(kDetailArea.left - 3);
    for (int i = 0; i < item.lineCount; ++i)
        dc.TextOut(item.places[i].x, item.places[i].y, item.lines[i]);
    dc.SetTextRight(right);
}

void TopTenWindow::DrawDetail(Dc& dc)
{
    dc.SelectFont(kDetailFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kDetailColour);
    const int right = dc.SetTextRight(kDetailArea.right);
    for (size_t i = 0; i < detail_.size(); ++i) {
        const int y = kDetailTop + kDetailStep * static_cast<int>(i);
        dc.TextOut(kDetailX, y, detail_[i]);
        if (list_ == kMagazineList && selected_ == kMagazineItem && i == kMagazineLine) {
            const int end = kDetailX + dc.GetTextExtent(detail_[i]).cx;
            const Font plain =
                dc.SelectFont(Font{kDetailFont.face, kDetailFont.height, kDetailFont.weight, true});
            dc.TextOut(end + 10, y, kMagazine);
            dc.SelectFont(plain);
        }
    }
    dc.SetTextRight(right);
}

void TopTenWindow::OnPaint(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    art.DrawBitmap(dc, background_, 0, 0);
    DrawDetail(dc);
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        DrawItem(dc, i, i == selected_ ? kSelectedColour : i == hovered_ ? kHoverColour : kItemColour);
    close_.Draw(dc, 0);
    if (Window* main = App().Windows().mainWindow)
        main->SetFocus();
}

int TopTenWindow::ItemAt(Point p) const
{
    for (int index = 0; index < static_cast<int>(items_.size()); ++index) {
        const Item& item = items_[static_cast<size_t>(index)];
        for (int i = 0; i < item.lineCount; ++i) {
            const Rect r{item.places[i].x, item.places[i].y, item.places[i].x + item.sizes[i].cx,
                         item.places[i].y + item.sizes[i].cy};
            if (r.Contains(p))
                return index;
        }
    }
    return -1;
}

void TopTenWindow::RedrawItem(int index)
{
    const Item& item = items_[static_cast<size_t>(index)];
    for (int i = 0; i < item.lineCount; ++i)
        InvalidateRect({item.places[i].x - 2, item.places[i].y, item.places[i].x + item.sizes[i].cx + 2,
                        item.places[i].y + item.sizes[i].cy},
                       false);
    UpdateWindow();
}

void TopTenWindow::OnMouseMove(UINT flags, Point point)
{
    if (Window* view = App().Windows().view)
        view->SendMessage(VM_RESET_HOVER);
    bool hand = false;
    if (close_.HitTest(point.x, point.y)) {
        hand = true;
        if (close_.GetState() == ImageButton::Normal) {
            const bool down = (flags & MK_LBUTTON) && close_.IsPressed();
            if (down || !close_.IsPressed()) {
                close_.SetState(down ? ImageButton::Pressed : ImageButton::Over);
                ClientDc dc(this);
                close_.Draw(dc, 0);
            }
        }
    } else if (close_.GetState() != ImageButton::Normal) {
        close_.SetState(ImageButton::Normal);
        ClientDc dc(this);
        close_.Draw(dc, 0);
    }

    const int item = ItemAt(point);
    if (item >= 0) {
        hand = true;
        if (item != selected_ && item != hovered_) {
            const int previous = hovered_;
            hovered_ = item;
            if (previous >= 0 && previous != selected_)
                RedrawItem(previous);
            RedrawItem(item);
        }
    } else if (hovered_ >= 0) {
        const int previous = hovered_;
        hovered_ = -1;
        if (previous != selected_)
            RedrawItem(previous);
    }
    if (App().Nav().NavHover(point.x, point.y))
        hand = true;
    SetCursor(hand ? Cursor::Hand : Cursor::Arrow);
}

void TopTenWindow::Select(int index)
{
    ReadDetail(index);
    const int previous = selected_;
    selected_ = index;
    if (hovered_ == index)
        hovered_ = -1;
    // The detail area comes back from the background picture, then the
    // new text and both items are painted.
    InvalidateRect(kDetailArea, false);
    RedrawItem(previous);
    RedrawItem(index);
}

void TopTenWindow::OnLButtonDown(UINT, Point point)
{
    if (Window* main = App().Windows().mainWindow)
        main->SetFocus();
    if (close_.HitTest(point.x, point.y)) {
        close_.SetState(ImageButton::Pressed);
        close_.SetPressed(true);
        ClientDc dc(this);
        close_.Draw(dc, 0);
        return;
    }
    const int item = ItemAt(point);
    if (item >= 0 && item != selected_)
        Select(item);
}

void TopTenWindow::OnLButtonUp(UINT, Point point)
{
    if (!close_.HitTest(point.x, point.y) || !close_.IsPressed()) {
        close_.SetPressed(false);
        return;
    }
    close_.SetState(ImageButton::Normal);
    {
        ClientDc dc(this);
        close_.Draw(dc, 0);
    }
    ShowWindow(SW_HIDE);
    if (Window* view = App().Windows().view)
        view->SendMessage(VM_TOPTEN_CLOSED);
    close_.SetPressed(false);
}

void TopTenWindow::SelectNext(bool first)
{
    if (items_.empty())
        return;
    int target = selected_;
    if (first) {
        if (selected_ == 0)
            return;
        target = 0;
    } else {
        // The step never goes past the last item the list has.
        if (selected_ + 1 >= static_cast<int>(items_.size()))
            return;
        target = selected_ + 1;
    }
    Select(target);
}
