#include "app/ExitScreen.h"

#include "data/CFinData.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ProgramSounds.h"
#include "kit/ViewMessages.h"
#include "platform/Framework.h"

using namespace platform;

namespace {

constexpr int kButtonX = 200;
constexpr int kButtonY[] = {290, 331, 375};
constexpr UINT kNarrationDelayMs = 100;

const char* const kThanks[] = {
    "Thank you for using this product. By completing the excercises",
    "in this product, you will be able to better understand your ",
    "finances, set financial goals, and develop a plan for ",
    "achieving these goals. At this time, you can save your work ",
    "so that it is available to you the next time you use this product.",
};
constexpr int kThanksX = 135;
constexpr int kThanksTop = 120;
constexpr int kThanksStep = 17;

void FocusMainWindow()
{
    if (Window* main = App().Windows().mainWindow)
        main->SetFocus();
}

} // namespace

ExitScreen::ExitScreen(Window* view) : Window(view)
{
    SetAccessibleName("Exit");
    FitToFrame();
    App().Art().LoadBitmapByName(background_, "idb_ex_bak");
    for (int i = 0; i < 3; ++i) {
        const std::string stem = "IDB_ex_" + std::to_string(i + 1);
        ImageButton& b = buttons_[static_cast<size_t>(i)];
        b.LoadStates(stem + "ovr", stem + "sel", stem + "off");
        b.SetPosition(kButtonX, kButtonY[i]);
    }
}

void ExitScreen::FitToFrame()
{
    const Window* frame = App().Windows().mainWindow;
    MoveWindow(frame ? frame->GetClientRect() : Rect{0, 0, 640, 480});
}

void ExitScreen::OnShowWindow(bool show)
{
    if (show)
        shownJustNow_ = true;
}

void ExitScreen::OnPaint(Dc& dc)
{
    if (shownJustNow_) {
        SetTimer(kNarrationTimer, kNarrationDelayMs);
        FocusMainWindow();
        shownJustNow_ = false;
    }
    App().Art().DrawBitmap(dc, background_, 0, 0);
    for (ImageButton& b : buttons_)
        b.Draw(dc, 0);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectFont(Font{"Arial", 22, FW_BOLD});
    dc.SetTextColor(RGB(252, 4, 4));
    dc.TextOut(160, 255, "Would you like to ...");
    dc.SelectFont(Font{"Verdana", 14, FW_SEMIBOLD});
    dc.SetTextColor(RGB(0, 0, 0));
    for (int i = 0; i < 5; ++i)
        dc.TextOut(kThanksX, kThanksTop + kThanksStep * i, kThanks[i]);
}

void ExitScreen::OnTimer(UINT id)
{
    if (id != kNarrationTimer)
        return;
    StopSound();
    PlayProgramSound("exit", SND_ASYNC);
    KillTimer(kNarrationTimer);
}

int ExitScreen::ButtonAt(Point p) const
{
    for (int i = 0; i < 3; ++i) {
        if (buttons_[static_cast<size_t>(i)].HitTest(p.x, p.y))
            return i;
    }
    return -1;
}

void ExitScreen::Redraw(int index)
{
    ClientDc dc(this);
    buttons_[static_cast<size_t>(index)].Draw(dc, 0);
}

void ExitScreen::OnMouseMove(UINT, Point point)
{
    const int hit = ButtonAt(point);
    for (int i = 0; i < 3; ++i) {
        ImageButton& b = buttons_[static_cast<size_t>(i)];
        const int wanted = i != hit        ? ImageButton::Normal
                           : b.IsPressed() ? ImageButton::Pressed
                                           : ImageButton::Over;
        if (b.GetState() != wanted) {
            b.SetState(wanted);
            Redraw(i);
        }
    }
    SetCursor(hit >= 0 ? Cursor::Hand : Cursor::Arrow);
}

void ExitScreen::OnLButtonDown(UINT, Point point)
{
    const int hit = ButtonAt(point);
    if (hit >= 0) {
        ImageButton& b = buttons_[static_cast<size_t>(hit)];
        b.SetState(ImageButton::Pressed);
        b.SetPressed(true);
        Redraw(hit);
    }
    FocusMainWindow();
}

void ExitScreen::OnLButtonDblClk(UINT, Point)
{
    FocusMainWindow();
}

void ExitScreen::OnRButtonDown(UINT, Point)
{
    FocusMainWindow();
}

void ExitScreen::OnLButtonUp(UINT, Point point)
{
    const int hit = ButtonAt(point);
    if (hit < 0 || !buttons_[static_cast<size_t>(hit)].IsPressed())
        return;
    ImageButton& b = buttons_[static_cast<size_t>(hit)];
    b.SetPressed(false);
    b.SetState(ImageButton::Normal);
    Redraw(hit);
    Choose(hit);
}

void ExitScreen::Choose(int index)
{
    Window* view = App().Windows().view;
    Window* main = App().Windows().mainWindow;
    switch (index) {
    case kKeep:
        // The saved-work file stays as the pages last saved it.
        App().Flags().exiting = true;
        if (view)
            view->SendMessage(VM_HIDE_PAGES);
        if (main)
            main->SendMessage(WM_COMMAND, ID_APP_EXIT);
        break;
    case kErase: {
        // The file is overwritten with a record of defaults; a failure to
        // write it does not keep the user from quitting.
        CFinData defaults;
        defaults.Reset();
        defaults.Save();
        App().Flags().exiting = true;
        if (main)
            main->SendMessage(WM_COMMAND, ID_APP_EXIT);
        break;
    }
    case kGoBack:
        ShowWindow(SW_HIDE);
        if (view)
            view->SendMessage(VM_RETURN);
        break;
    }
}
