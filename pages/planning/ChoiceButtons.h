// A group of round choice buttons of which one is selected: button k of the
// group (counting from 1) shows "idb_p" + k + "_r_OFF" at rest and under the
// pointer and "idb_p" + k + "_r_SEL" when selected. Each button reacts
// across a fixed width to the right of its picture, over its label; a
// disabled one neither draws nor reacts.
#pragma once

#include "kit/ImageButton.h"
#include "platform/Dc.h"

#include <memory>
#include <vector>

class ChoiceButtons {
public:
    // Buttons at `places` (top-left corners), reacting across `hitWidth`.
    ChoiceButtons(const std::vector<platform::Point>& places, int hitWidth);

    int Count() const { return static_cast<int>(buttons_.size()); }
    // Selects button `index` (from 0) and unselects the others; -1 selects none.
    void Select(int index);
    // The selected button, -1 when none is.
    int Selected() const;
    void Enable(int index, bool enabled);
    // The enabled button under `point`, or -1.
    int HitTest(platform::Point point) const;
    // Draws the enabled buttons, loading their pictures the first time.
    void Draw(platform::Dc& dc);
    const ImageButton& Button(int index) const { return *buttons_[static_cast<size_t>(index)]; }

private:
    std::vector<std::unique_ptr<ImageButton>> buttons_;
    int hitWidth_;
    bool loaded_ = false;
};
