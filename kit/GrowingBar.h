// A gauge bar that grows along a line: its element picture drawn at every
// pixel from the bar's start up to its length. Each time its page is shown
// the bar grows anew on the page's timer, a step a tick; any other paint
// stops the growth and draws the bar at its length at once.
#pragma once

#include "kit/StepAnimation.h"
#include "platform/Bitmap.h"
#include "platform/Dc.h"
#include "platform/Window.h"

class GrowingBar {
public:
    // Pixels added on each tick of the timer.
    static constexpr int kStep = 2;

    // A bar of `page` whose first element stands at `start`, growing on the
    // page's timer `timer`.
    GrowingBar(platform::Window& page, platform::UINT timer, platform::Point start);

    // The picture repeated along the bar (the page keeps it).
    void SetElement(const platform::Bitmap* element) { element_ = element; }
    // The full length in pixels; below 0 it is no bar.
    void SetLength(int length);
    int Length() const { return length_; }
    // How much of it stands drawn: the full length once grown.
    int Drawn() const;
    bool Growing() const { return growth_.Running(); }

    // The page is shown: its next paint grows the bar from nothing.
    void GrowOnNextPaint() { growPending_ = true; }
    // Draws the bar as part of the page's paint, after the picture behind
    // it: nothing when a growth starts, the whole bar otherwise.
    void Paint(platform::Dc& dc);
    // The page's timer ticked: draws the next step; the timer stops at the
    // full length. False for another timer.
    bool OnTimer(platform::UINT id);

private:
    void DrawElement(platform::Dc& dc, int x) const;

    platform::Point start_;
    const platform::Bitmap* element_ = nullptr;
    int length_ = 0;
    bool growPending_ = false;
    StepAnimation growth_;
};
