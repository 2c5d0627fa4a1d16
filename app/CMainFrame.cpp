#include "app/CMainFrame.h"

#include "app/StringTable.h"
#include "platform/System.h"

using namespace platform;

namespace {

constexpr int kFramedWidth = 645;
constexpr int kFramedBaseHeight = 499;

} // namespace

bool CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    cs.className = WindowClassName();
    cs.style &= ~(WS_THICKFRAME | WS_MAXIMIZEBOX);
    if (screenWidth == kClientWidth) {
        // The client area fills the screen; the frame has no caption.
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
