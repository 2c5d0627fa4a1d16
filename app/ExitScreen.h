// The only way out of the program: it thanks the user and offers to keep
// the saved work and quit, to erase it and quit, or to go back.
#pragma once

#include "kit/ImageButton.h"
#include "platform/Bitmap.h"
#include "platform/Window.h"

#include <array>

class ExitScreen : public platform::Window {
public:
    static constexpr platform::UINT kNarrationTimer = 1;
    static constexpr int kKeep = 0;
    static constexpr int kErase = 1;
    static constexpr int kGoBack = 2;

    explicit ExitScreen(platform::Window* view);
    // Covers the frame's client area.
    void FitToFrame();
    // The next paint gives the keyboard focus back to the main window.
    void ClearFocusMark() { shownJustNow_ = true; }
    const ImageButton& Button(int index) const { return buttons_[static_cast<size_t>(index)]; }

protected:
    void OnShowWindow(bool show) override;
    void OnPaint(platform::Dc& dc) override;
    void OnTimer(platform::UINT id) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    void OnLButtonDblClk(platform::UINT flags, platform::Point point) override;
    void OnRButtonDown(platform::UINT flags, platform::Point point) override;

private:
    int ButtonAt(platform::Point p) const;
    void Redraw(int index);
    void Choose(int index);

    platform::Bitmap background_;
    std::array<ImageButton, 3> buttons_;
    bool shownJustNow_ = false;
};
