#include "kit/PageWindow.h"

#include "kit/AppServices.h"
#include "kit/NavBar.h"
#include "kit/ViewMessages.h"
#include "platform/FocusTarget.h"
#include "platform/Sound.h"

using namespace platform;

PageWindow::PageWindow(Window* view) : Window(view), neutral_(std::make_unique<FocusTarget>(this))
{
    // A page is a dialog of its own: Tab goes round its fields.
    KeepTabWithin();
}

PageWindow::~PageWindow() = default;

void PageWindow::TakeKey(const std::string&) {}

void PlacePage(Window& page)
{
    Window* view = App().Windows().view;
    if (!view)
        return;
    const Rect area = view->GetClientRect();
    page.MoveWindow(kPageLeft, kPageTop, area.Width() - kPageLeft, area.Height() - 46);
}

void PageWindow::RegisterAsCurrentPage()
{
    App().Nav().SetPage(this);
}

void PageWindow::OnShowWindow(bool show)
{
    if (show) {
        PlacePage(*this);
        RegisterAsCurrentPage();
        OnPageShown();
        return;
    }
    FocusNeutral();
    OnPageHidden();
    KillTimer(kPageTimer);
    StopSound();
    if (Window* view = App().Windows().view; view && neutral_->HasFocus())
        view->SetFocus();
}

void PageWindow::FocusNeutral()
{
    neutral_->TakeFocus();
}

void PageWindow::EnableNav(bool print, bool back, bool next, bool ret)
{
    NavBar& nav = App().Nav();
    nav.EnableNavButton0(print);
    nav.EnableNavButton1(back);
    nav.EnableNavButton2(next);
    nav.EnableNavButton3(ret);
}

LRESULT PageWindow::SendToView(UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* view = App().Windows().view;
    return view ? view->SendMessage(message, wParam, lParam) : 0;
}

void PageWindow::PostToView(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Window* view = App().Windows().view)
        view->PostMessage(message, wParam, lParam);
}

bool PageWindow::SharedMouseMove(Point point)
{
    SendToView(VM_RESET_HOVER);
    const bool hot = App().Nav().NavHover(point.x, point.y);
    SetCursor(hot ? Cursor::Hand : Cursor::Arrow);
    return hot;
}

void PageWindow::OnMouseMove(UINT, Point point)
{
    SharedMouseMove(point);
}

void PageWindow::OnLButtonDown(UINT, Point point)
{
    App().Nav().NavPress(point.x, point.y);
}
