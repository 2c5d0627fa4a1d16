// Asks for the content disc while the content location does not answer;
// it closes by itself within a second of the disc arriving.
#pragma once

#include "kit/ImageButton.h"
#include "platform/Bitmap.h"
#include "platform/Dialog.h"

#include <array>

class NoDiscScreen : public platform::Dialog {
public:
    static constexpr platform::UINT kCheckTimer = 1;
    static constexpr platform::UINT kCheckMs = 1000;
    static constexpr int kOk = 0;
    static constexpr int kCancel = 1;

    explicit NoDiscScreen(const platform::Rect& place);
    const ImageButton& Button(int index) const { return buttons_[static_cast<size_t>(index)]; }
    // The button that has the keyboard focus (Enter and Down move it on,
    // Space presses it).
    int FocusedButton() const { return focused_; }

protected:
    void OnPaint(platform::Dc& dc) override;
    void OnTimer(platform::UINT id) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    void OnKeyDown(platform::UINT key) override;

private:
    void Press(int index);

    platform::Bitmap picture_;
    std::array<ImageButton, 2> buttons_;
    int focused_ = kOk;
};
