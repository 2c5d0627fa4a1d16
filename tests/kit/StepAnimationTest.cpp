// A drawing made a step at a time on a window's timer: which positions are
// drawn on which tick, that the timer stops at the end, and that finishing
// draws what remains at once.
#include "kit/StepAnimation.h"

#include "platform/Window.h"
#include "tests/support/Driver.h"

#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {

constexpr UINT kTimer = 1;

// A window that hands its timer's ticks to its animation, as a page does.
class Animated : public Window {
public:
    std::vector<int> drawn;
    StepAnimation animation{*this, kTimer, [this](Dc&, int position) { drawn.push_back(position); }};

protected:
    void OnTimer(UINT id) override { animation.OnTimer(id); }
};

} // namespace

TEST(StepAnimation, DrawsOneStepPerTickUpToItsEndAndThenStopsItsTimer)
{
    Animated a;
    a.animation.Start(0, 9.5, 2);
    EXPECT_TRUE(a.animation.Running());
    EXPECT_TRUE(a.HasTimer(kTimer));
    EXPECT_EQ(a.TimerPeriod(kTimer), 10u); // the shortest period
    EXPECT_TRUE(a.drawn.empty());          // nothing before the first tick

    ASSERT_TRUE(FireTimer(a, kTimer));
    EXPECT_EQ(a.drawn, (std::vector<int>{0}));
    EXPECT_EQ(a.animation.Position(), 2);
    // The last position below the end is drawn, and the timer stops with it.
    EXPECT_FALSE(Driver::TickUntil(a, kTimer, [] { return false; }));
    EXPECT_EQ(a.drawn, (std::vector<int>{0, 2, 4, 6, 8}));
    EXPECT_FALSE(a.animation.Running());
    EXPECT_FALSE(a.HasTimer(kTimer));

    // Started again, it starts afresh; an end at the start draws nothing.
    a.drawn.clear();
    a.animation.Start(5, 5, 1);
    EXPECT_TRUE(a.animation.OnTimer(kTimer));
    EXPECT_TRUE(a.drawn.empty());
    EXPECT_FALSE(a.HasTimer(kTimer));
    // Another timer of the window is not the animation's.
    EXPECT_FALSE(a.animation.OnTimer(kTimer + 1));
}

TEST(StepAnimation, FinishingDrawsWhatRemainsAndMovingBackwardsWorksAlike)
{
    Animated a;
    a.animation.Start(10, 0, -3);
    ASSERT_TRUE(FireTimer(a, kTimer));
    a.animation.Finish();
    EXPECT_EQ(a.drawn, (std::vector<int>{10, 7, 4, 1}));
    EXPECT_FALSE(a.animation.Running());
    EXPECT_FALSE(a.HasTimer(kTimer));
    // Once finished, finishing again draws nothing more.
    a.animation.Finish();
    EXPECT_EQ(a.drawn.size(), 4u);

    // Stopped half-way, it stays where it was.
    a.drawn.clear();
    a.animation.Start(0, 100, 10);
    ASSERT_TRUE(FireTimer(a, kTimer));
    a.animation.Stop();
    EXPECT_EQ(a.drawn, (std::vector<int>{0}));
    EXPECT_EQ(a.animation.Position(), 10);
    EXPECT_FALSE(FireTimer(a, kTimer));
}
