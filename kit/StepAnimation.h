// A drawing that a page makes a step at a time on one of its timers: a
// position that moves from its start toward its end by a fixed step on
// each tick, each position drawn as it is reached (a gauge's bar growing, a
// pointer swinging round). The timer runs at the shortest period and stops
// when the end is reached.
#pragma once

#include "platform/Dc.h"
#include "platform/Types.h"

#include <functional>

namespace platform {
class Window;
}

class StepAnimation {
public:
    // Draws the animation at one position.
    using DrawStep = std::function<void(platform::Dc& dc, int position)>;

    StepAnimation(platform::Window& window, platform::UINT timer, DrawStep draw);

    // Starts at `from` and moves by `step` (either way) while the position
    // has not reached `end`; the end itself is not drawn.
    void Start(int from, double end, int step);
    // A tick of one of the window's timers: draws the next position. True
    // when the timer was this animation's.
    bool OnTimer(platform::UINT id);
    // Draws every position that remains at once and stops.
    void Finish();
    // Stops where it is.
    void Stop();

    bool Running() const { return running_; }
    // The next position to draw.
    int Position() const { return position_; }

private:
    bool Before(int position) const;

    platform::Window& window_;
    platform::UINT timer_;
    DrawStep draw_;
    int position_ = 0;
    double end_ = 0;
    int step_ = 1;
    bool running_ = false;
};
