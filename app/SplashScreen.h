// The opening picture with its music; it closes by itself after five
// seconds, or at once on a click or a key.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Dialog.h"

class SplashScreen : public platform::Dialog {
public:
    static constexpr platform::UINT kCloseTimer = 1;
    static constexpr platform::UINT kShowMs = 5000;

    // Placed over the main window's client area.
    explicit SplashScreen(const platform::Rect& place);

protected:
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnKeyDown(platform::UINT key) override;
    void OnTimer(platform::UINT id) override;

private:
    platform::Bitmap picture_;
};
