#include "app/CMainFrame.h"

#include "app/StringTable.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/Calculator.h"
#include "kit/DetailPanel.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/System.h"

using namespace platform;

namespace {

constexpr int kFramedWidth = 645;
constexpr int kFramedBaseHeight = 499;

void HideIfVisible(Window* window)
{
    if (window && window->IsWindowVisible())
        window->ShowWindow(SW_HIDE);
}

} // namespace

bool CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    cs.className = WindowClassName();
    cs.style &= ~(WS_THICKFRAME | WS_MAXIMIZEBOX);
    if (screenWidth == kClientWidth) {
        // The client area fills the screen: no caption, nothing to move.
        cs.x = 0;
        cs.y = 0;
        cs.style &= ~WS_CAPTION;
        return true;
    }
    cs.cx = kFramedWidth;
    cs.cy = kFramedBaseHeight + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYBORDER);
    cs.x = (screenWidth - cs.cx) / 2;
    cs.y = (screenHeight - cs.cy) / 2;
    return true;
}

void CMainFrame::SendToView(UINT message)
{
    if (Window* view = App().Windows().view)
        view->SendMessage(message);
}

void CMainFrame::StoreDetailEntries()
{
    DetailPanel* detail = App().Windows().detailPanel;
    if (App().Windows().Created() && detail && detail->IsShowing())
        detail->StoreEntries();
}

void CMainFrame::HideVideo()
{
    HideIfVisible(App().Windows().video);
}

void CMainFrame::OnPaint(Dc&)
{
    App().Flags().iconic = false;
}

void CMainFrame::OnActivateApp(bool active)
{
    if (active) {
        SendToView(VM_ACTIVATE);
        App().Art().RealizeModulePalette();
        Invalidate();
        if (App().Windows().Created() && App().Windows().topTen && App().Windows().topTen->IsWindowVisible())
            App().Windows().topTen->Invalidate();
        return;
    }
    SendToView(VM_DEACTIVATE);
    if (VideoWindow* video = App().Windows().video)
        video->Deactivate();
    DismissCalculator();
    if (App().Windows().Created()) {
        DetailPanel* detail = App().Windows().detailPanel;
        if (detail && detail->IsShowing())
            detail->HidePanel();
    }
    if (!App().Flags().exiting)
        Invalidate();
}

void CMainFrame::OnMove()
{
    if (!App().Windows().Created())
        return;
    StoreDetailEntries();
    HideVideo();
    HideIfVisible(App().Windows().topTen);
    HideIfVisible(App().Windows().facts);
    SendToView(VM_MOVED);
}

void CMainFrame::OnSysCommand(UINT command)
{
    if (command == SC_MINIMIZE) {
        SendToView(VM_DEACTIVATE);
        StoreDetailEntries();
        HideIfVisible(App().Windows().topTen);
        HideVideo();
        App().Flags().iconic = true;
    } else if (command == SC_RESTORE) {
        App().Art().RealizeModulePalette();
        SendToView(VM_PALETTE);
        App().Flags().iconic = false;
        if (App().Windows().Created() && App().Windows().detailPanel)
            App().Windows().detailPanel->StoreEntries();
    }
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_CLOSE)
        return CFrameWnd::WindowProc(message, wParam, lParam);
    SendToView(VM_DEACTIVATE);
    HideVideo();
    if (App().Flags().iconic) {
        ShowWindow(SW_RESTORE);
        App().Art().RealizeModulePalette();
    }
    if (App().Flags().exiting)
        return CFrameWnd::WindowProc(message, wParam, lParam);
    // The window stays: the exit screen is the only way out.
    SendToView(VM_EXIT_SCREEN);
    return 0;
}
