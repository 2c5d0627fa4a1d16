// The fixed-size top-level window whose 640x480 client area holds the whole
// program. It keeps the palette right when the program comes and goes,
// parks the pop-up windows when it is moved or iconified, and turns a close
// request into the exit screen.
#pragma once

#include "platform/Framework.h"

inline constexpr int kClientWidth = 640;
inline constexpr int kClientHeight = 480;

class CMainFrame : public platform::CFrameWnd {
public:
    CMainFrame() = default;

protected:
    bool PreCreateWindow(platform::CREATESTRUCT& cs) override;
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;
    void OnPaint(platform::Dc& dc) override;
    void OnActivateApp(bool active) override;
    void OnMove() override;
    void OnSysCommand(platform::UINT command) override;

private:
    void SendToView(platform::UINT message);
    // Makes an open detailed-worksheet panel keep its entries.
    void StoreDetailEntries();
    void HideVideo();
};
