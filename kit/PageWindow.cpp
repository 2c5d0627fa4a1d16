#include "kit/PageWindow.h"

#include "kit/AppServices.h"
#include "kit/NavBar.h"
#include "kit/ViewMessages.h"
#include "platform/Sound.h"

using namespace platform;

namespace {

constexpr UINT kPageTimer = 1;

} // namespace

PageWindow::PageWindow(Window* view) : Window(view) {}

void PlacePage(Window& page)
{
    Window* view = App().View();
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
    KillTimer(kPageTimer);
    OnPageHidden();
    if (HasFocus() && App().View())
        App().View()->SetFocus();
    StopSound();
}

bool PageWindow::SharedMouseMove(Point point)
{
    if (Window* view = App().View())
        view->SendMessage(VM_RESET_HOVER);
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
