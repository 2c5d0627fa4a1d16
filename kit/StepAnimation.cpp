#include "kit/StepAnimation.h"

#include "platform/Window.h"

#include <utility>

using namespace platform;

namespace {

// The shortest period a timer has.
constexpr UINT kShortestPeriod = 0;

} // namespace

StepAnimation::StepAnimation(Window& window, UINT timer, DrawStep draw)
    : window_(window), timer_(timer), draw_(std::move(draw))
{
}

bool StepAnimation::Before(int position) const
{
    return step_ > 0 ? position < end_ : position > end_;
}

void StepAnimation::Start(int from, double end, int step)
{
    position_ = from;
    end_ = end;
    step_ = step == 0 ? 1 : step;
    running_ = true;
    window_.SetTimer(timer_, kShortestPeriod);
}

bool StepAnimation::OnTimer(UINT id)
{
    if (id != timer_)
        return false;
    if (!running_ || !Before(position_)) {
        Stop();
        return true;
    }
    {
        ClientDc dc(&window_);
        draw_(dc, position_);
    }
    position_ += step_;
    if (!Before(position_))
        Stop();
    return true;
}

void StepAnimation::Finish()
{
    if (!running_)
        return;
    {
        ClientDc dc(&window_);
        for (; Before(position_); position_ += step_)
            draw_(dc, position_);
    }
    Stop();
}

void StepAnimation::Stop()
{
    running_ = false;
    window_.KillTimer(timer_);
}
