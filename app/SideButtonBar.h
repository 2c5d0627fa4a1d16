// The side buttons as the user meets them: over and new pictures under the
// pointer with the hand cursor, a click with its sound and its held press,
// and what each button opens in each module.
#pragma once

#include "app/SideButtons.h"
#include "platform/Types.h"

#include <functional>

namespace platform {
class Dc;
class Window;
} // namespace platform

class SideButtonBar {
public:
    // The buttons sit on `view`; the main-menu button calls `showMainMenu`.
    SideButtonBar(platform::Window& view, std::function<void()> showMainMenu);

    SideButtons& Buttons() { return buttons_; }
    // Loads the buttons of `module` and places them.
    void Build(int module) { buttons_.Build(module); }
    void Draw(platform::Dc& dc) { buttons_.Draw(dc); }

    // The pointer moved over the view (not over a page).
    void OnMouseMove(platform::Point point);
    // The left button went down on the view.
    void OnButtonDown(platform::Point point);

    // Sets button `index` to `state` and redraws it.
    void SetState(int index, int state);
    // Over pictures back to normal, new-over ones back to new.
    void ResetHovered();

private:
    bool VideoSet() const;
    void Redraw(int index);
    void Activate(int index);

    platform::Window& view_;
    std::function<void()> showMainMenu_;
    SideButtons buttons_;
};

// True for points in the page area (right of the left column and below the
// top band), where the side buttons never react.
inline bool InPageArea(platform::Point p)
{
    return p.y > 46 && p.x > 128;
}
