#include "platform/Timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>

namespace platform {
namespace {

class RealClock : public Clock {
public:
    RealClock() { timer_.start(); }
    std::uint64_t TickCount() override { return static_cast<std::uint64_t>(timer_.elapsed()); }
    void Sleep(unsigned ms) override { QThread::msleep(ms); }

private:
    QElapsedTimer timer_;
};

Clock* g_clock = nullptr;

Clock& CurrentClock()
{
    static RealClock real;
    return g_clock ? *g_clock : real;
}

// Shows on the screen what has been drawn so far, and nothing else.
void PresentDrawing()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible())
            QCoreApplication::sendPostedEvents(top, QEvent::UpdateRequest);
    }
}

} // namespace

std::uint64_t GetTickCount()
{
    return CurrentClock().TickCount();
}

void BusyWait(unsigned ms)
{
    PresentDrawing();
    CurrentClock().Sleep(ms);
}

void SetClock(Clock* clock)
{
    g_clock = clock;
}

} // namespace platform
