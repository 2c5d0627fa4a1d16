#include "kit/DetailPanel.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ViewMessages.h"
#include "platform/Keys.h"
#include "platform/Timing.h"

#include <utility>

using namespace platform;

namespace {

// The look of each kind, by kind number.
struct PanelLook {
    const char* background;
    const char* buttonStem; // + "_ovr", "_sel", "_off"
    Point button;
    Size size;
};

constexpr PanelLook kLooks[] = {
    {"idb_ass_bak", "idb_ass", {177, 228}, {268, 261}},    // assets
    {"idb_ass_bak", "idb_ass", {177, 228}, {268, 261}},    // liabilities
    {"idb_howMuch_bk", "idb_how", {176, 188}, {265, 214}}, // the debt load's loans
    {"idb_budfly", "idb_ass", {176, 208}, {265, 240}},     // the budget
};

const Font kLabelFont{"Arial", 14, 800};
constexpr int kLabelRight = 153;
constexpr int kLabelMargin = 6; // from the panel's left edge
constexpr int kRowTop = 25;
constexpr int kRowStep = 23;
constexpr Rect kEditPlace{158, 22, 158 + 96, 22 + 20}; // of the first row
constexpr unsigned kHeldButtonMs = 250;
constexpr size_t kHiddenEdit = kDetailMaxRows;

const PanelLook& LookOf(DetailKind kind)
{
    return kLooks[static_cast<int>(kind)];
}

} // namespace

DetailPanel::DetailPanel(Window* frame) : Window(frame)
{
    SetWindowText("IDD_Detail");
    KeepTabWithin();
    // Until the saved-work file exists, the panel saves a record in which
    // nothing else is entered.
    record_.Reset();
    for (size_t i = 0; i < edits_.size(); ++i) {
        edits_[i] = std::make_unique<EditControl>(this);
        edits_[i]->MoveWindow(kEditPlace.left, kEditPlace.top + kRowStep * static_cast<int>(i),
                              kEditPlace.Width(), kEditPlace.Height());
        edits_[i]->Show(false);
        const int row = static_cast<int>(i);
        edits_[i]->SetKeyHandler([this, row](UINT key, UINT) { return OnRowKey(row, key); });
    }
}

DetailPanel::~DetailPanel() = default;

void DetailPanel::SetTarget(EditControl* box, Window* page)
{
    target_ = box;
    targetPage_ = page;
}

const char* DetailPanel::RowLabel(int row) const
{
    return line_ && row >= 0 && row < rowCount_ ? line_->rows[row].label : "";
}

void DetailPanel::LoadArt(DetailKind kind)
{
    const PanelLook& look = LookOf(kind);
    background_.Release();
    App().Art().LoadBitmapByName(background_, look.background);
    const std::string stem = look.buttonStem;
    closeButton_.Release();
    closeButton_.LoadStates(stem + "_ovr", stem + "_sel", stem + "_off");
    closeButton_.SetPosition(look.button.x, look.button.y);
    closeButton_.SetState(ImageButton::Normal);
}

void DetailPanel::Open(int x, int y, int line, DetailKind kind)
{
    line_ = FindDetailLine(kind, line);
    if (!line_)
        return;
    LoadArt(kind);
    record_.Load();
    rowCount_ = ::RowCount(*line_);
    const auto shown = [](int value) { return value < 0 ? std::string() : std::to_string(value); };
    for (int i = 0; i < kDetailMaxRows; ++i) {
        EditControl& edit = *edits_[static_cast<size_t>(i)];
        edit.Show(i < rowCount_);
        edit.SetText(i < rowCount_ ? shown((record_.*line_->get)(line_->rows[i].index)) : std::string());
    }
    // The hidden slot goes back as it came.
    EditControl& hidden = *edits_[kHiddenEdit];
    hidden.SetText(line_->hiddenSlot >= 0 ? shown((record_.*line_->get)(line_->hiddenSlot)) : std::string());
    const Size size = LookOf(kind).size;
    MoveWindow(x, y, size.cx, size.cy);
    showing_ = true;
    ShowWindow(SW_SHOW);
    BringToTop();
    Invalidate();
    edits_[0]->SetFocus();
}

std::string DetailPanel::TotalText() const
{
    long long sum = 0;
    for (int i = 0; i < rowCount_; ++i)
        sum += std::max(0, CFinData::ParseAmount(edits_[static_cast<size_t>(i)]->GetText()));
    return sum == 0 ? std::string() : std::to_string(sum);
}

void DetailPanel::StoreEntries()
{
    if (!showing_ || !line_)
        return;
    for (int i = 0; i < rowCount_; ++i)
        (record_.*line_->set)(line_->rows[i].index, edits_[static_cast<size_t>(i)]->GetText());
    if (line_->hiddenSlot >= 0)
        (record_.*line_->set)(line_->hiddenSlot, edits_[kHiddenEdit]->GetText());
    record_.Save();
}

void DetailPanel::Close()
{
    if (!showing_)
        return;
    // The box takes the focus while the panel still counts as open, so that
    // its page does not open the panel again for it.
    if (target_)
        target_->SetFocus();
    HidePanel();
}

void DetailPanel::HidePanel()
{
    // However the panel goes (closed, the program left for another, a side
    // button), what its rows hold is saved and its line's box shows their
    // total.
    StoreEntries();
    if (showing_ && target_)
        target_->SetText(TotalText());
    // Hidden while it still counts as open, so that the focus leaving it
    // for a box of the page does not open it again.
    ShowWindow(SW_HIDE);
    const bool wasShowing = std::exchange(showing_, false);
    // The page shows again what the record holds.
    if (wasShowing && targetPage_)
        targetPage_->SendMessage(WM_DETAIL_CLOSED);
}

bool DetailPanel::OnRowKey(int row, UINT key)
{
    if (key == VK_ESCAPE) {
        Close();
        return true;
    }
    if (key == VK_RETURN || key == VK_DOWN) {
        if (row + 1 < rowCount_)
            edits_[static_cast<size_t>(row + 1)]->SetFocus();
        return true;
    }
    if (key == VK_UP) {
        if (row > 0)
            edits_[static_cast<size_t>(row - 1)]->SetFocus();
        return true;
    }
    return false;
}

void DetailPanel::OnPaint(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawBitmap(dc, background_, 0, 0);
    dc.SelectFont(kLabelFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
    // The longest labels are narrowed to keep inside the panel's frame.
    const int left = dc.SetTextLeft(kLabelMargin);
    for (int i = 0; i < rowCount_; ++i)
        dc.TextOut(kLabelRight, kRowTop + kRowStep * i, line_->rows[i].label);
    dc.SetTextLeft(left);
    dc.SetTextAlign(align);
    closeButton_.Draw(dc, 0);
}

void DetailPanel::OnMouseMove(UINT, Point point)
{
    if (Window* view = App().Windows().view)
        view->SendMessage(VM_RESET_HOVER);
    const bool over = closeButton_.HitTest(point.x, point.y);
    SetCloseState(over ? ImageButton::Over : ImageButton::Normal);
    SetCursor(over ? Cursor::Hand : Cursor::Arrow);
}

void DetailPanel::ResetCloseButton()
{
    SetCloseState(ImageButton::Normal);
}

void DetailPanel::SetCloseState(int state)
{
    if (closeButton_.GetState() == state)
        return;
    closeButton_.SetState(state);
    ClientDc dc(this);
    closeButton_.Draw(dc, 0);
}

void DetailPanel::OnLButtonDown(UINT, Point point)
{
    if (!closeButton_.HitTest(point.x, point.y))
        return;
    closeButton_.SetState(ImageButton::Pressed);
    {
        ClientDc dc(this);
        closeButton_.Draw(dc, 0);
    }
    BusyWait(kHeldButtonMs);
    closeButton_.SetState(ImageButton::Normal);
    Close();
}

void DetailPanel::OnClose()
{
    Close();
}
