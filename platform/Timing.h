// Time as the program sees it: the tick count and the short busy waits of
// pressed buttons and error flashes. Tests can replace the clock so that
// waits take no real time.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed moment.
    virtual std::uint64_t TickCount() = 0;
    // Waits `ms` milliseconds.
    virtual void Sleep(unsigned ms) = 0;
};

std::uint64_t GetTickCount();

// Waits `ms` milliseconds without handling input, timers or messages,
// while what has been drawn is still shown on the screen.
void BusyWait(unsigned ms);

// Replaces the real clock (tests); null restores it.
void SetClock(Clock* clock);

} // namespace platform
