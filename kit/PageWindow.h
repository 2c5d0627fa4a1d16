// The base of every page: a window in the view's page area that places
// itself when shown, cleans up when hidden, and shares the mouse handling
// of the navigation bar.
#pragma once

#include "platform/Window.h"

class PageWindow : public platform::Window {
public:
    explicit PageWindow(platform::Window* view);

protected:
    void OnShowWindow(bool show) override;
    // When the page becomes visible, after it is placed and registered.
    virtual void OnPageShown() {}
    // When the page is hidden: write entries to the record.
    virtual void OnPageHidden() {}

    // The shared mouse-move step: the view's hovered side buttons go back to
    // rest, the navigation bar follows the pointer, and the cursor is the
    // hand over a navigation button. Returns whether it was over one.
    bool SharedMouseMove(platform::Point point);
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    // The shared button-down step: the navigation bar's press.
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;

    // Makes this page the one the navigation bar draws on.
    void RegisterAsCurrentPage();
};

// Places a page in the view's page area: at (128, 51), as wide as the view
// minus 128 and as high as the view minus 46.
void PlacePage(platform::Window& page);

inline constexpr int kPageLeft = 128;
inline constexpr int kPageTop = 51;
