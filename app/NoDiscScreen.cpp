#include "app/NoDiscScreen.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/Modules.h"
#include "platform/Keys.h"
#include "platform/MessageBox.h"

using namespace platform;

namespace {

struct ButtonArt {
    const char* normal;
    const char* pressed;
    int x, y;
};

constexpr ButtonArt kButtons[] = {
    {"IDB_ok_OFF", "IDB_ok_sel", 220, 390},
    {"IDB_canc_OFF", "IDB_canc_sel", 340, 390},
};

} // namespace

NoDiscScreen::NoDiscScreen(const Rect& place)
{
    SetFixedFrame(false);
    SetAccessibleName("Please insert the Fiscova disc");
    MoveWindow(place);
    const int module = App().Flags().currentModule;
    App().Flags().currentModule = ModuleMainMenu;
    App().Art().LoadBitmapByName(picture_, "idb_nocd");
    for (size_t i = 0; i < buttons_.size(); ++i) {
        ImageButton& b = buttons_[i];
        const Size size = b.LoadState(ImageButton::Normal, kButtons[i].normal);
        b.LoadState(ImageButton::Pressed, kButtons[i].pressed);
        b.SetSize(size.cx, size.cy);
        b.SetPosition(kButtons[i].x, kButtons[i].y);
    }
    App().Flags().currentModule = module;
}

void NoDiscScreen::OnPaint(Dc& dc)
{
    SetTimer(kCheckTimer, kCheckMs);
    App().Art().DrawBitmap(dc, picture_, 0, 0);
    for (ImageButton& b : buttons_)
        b.Draw(dc, 0);
}

void NoDiscScreen::OnTimer(UINT id)
{
    if (id == kCheckTimer && App().IsContentDiscPresent()) {
        KillTimer(kCheckTimer);
        EndDialog(IDOK);
    }
}

void NoDiscScreen::OnMouseMove(UINT, Point point)
{
    bool over = false;
    for (ImageButton& b : buttons_)
        over = over || b.HitTest(point.x, point.y);
    SetCursor(over ? Cursor::Hand : Cursor::Arrow);
}

void NoDiscScreen::OnLButtonDown(UINT, Point point)
{
    for (ImageButton& b : buttons_) {
        if (b.HitTest(point.x, point.y)) {
            b.SetState(ImageButton::Pressed);
            b.SetPressed(true);
            ClientDc dc(this);
            b.Draw(dc, 0);
        }
    }
}

void NoDiscScreen::OnLButtonUp(UINT, Point point)
{
    for (int i = 0; i < 2; ++i) {
        ImageButton& b = buttons_[static_cast<size_t>(i)];
        const bool clicked = b.IsPressed() && b.HitTest(point.x, point.y);
        b.SetPressed(false);
        if (b.GetState() != ImageButton::Normal) {
            b.SetState(ImageButton::Normal);
            ClientDc dc(this);
            b.Draw(dc, 0);
        }
        if (clicked)
            Press(i);
    }
}

void NoDiscScreen::Press(int index)
{
    if (index == kCancel) {
        EndDialog(IDCANCEL);
    } else if (App().IsContentDiscPresent()) {
        EndDialog(IDOK);
    }
}

void NoDiscScreen::OnKeyDown(UINT key)
{
    // As in any dialog: Space presses the button with the focus and
    // Escape cancels.
    if (key == VK_RETURN || key == VK_DOWN)
        focused_ = (focused_ + 1) % 2;
    else if (key == VK_SPACE)
        Press(focused_);
    else if (key == VK_ESCAPE)
        Press(kCancel);
}
