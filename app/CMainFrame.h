// The fixed-size top-level window whose 640x480 client area holds the whole
// program.
#pragma once

#include "platform/Framework.h"

inline constexpr int kClientWidth = 640;
inline constexpr int kClientHeight = 480;

class CMainFrame : public platform::CFrameWnd {
public:
    CMainFrame() = default;

protected:
    bool PreCreateWindow(platform::CREATESTRUCT& cs) override;
};
