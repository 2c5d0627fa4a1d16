// Drives the program as a user does: mouse moves, clicks and keys at
// coordinates of the main window's client area, delivered to whichever
// window is on top there.
#pragma once

#include <QImage>
#include <QPoint>
#include <functional>

namespace platform {
class Window;
}

class QWidget;

// The visible widget on top at a point of `frame`, and the point in it.
QWidget* TargetAt(QWidget* frame, QPoint& point);

// A mouse move without buttons, sent to the widget itself.
void SendMouseMove(QWidget* widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton);

class Driver {
public:
    explicit Driver(platform::Window& frame) : frame_(frame) {}

    void MoveTo(int x, int y);
    void Press(int x, int y);
    void Release(int x, int y);
    void Click(int x, int y);
    void Key(int qtKey);
    void Type(const char* text);
    // Lets posted messages, timers and paints run for `ms` milliseconds.
    static void Settle(int ms = 50);
    // Makes the (shown) top-level window of `window` the active one, as a
    // click on it would; false when it does not become active.
    static bool Activate(platform::Window& window);
    // Runs the event loop until `done` or the time limit.
    static bool Until(const std::function<bool()>& done, int timeoutMs = 5000);
    // Fires timer `id` of `window` tick after tick, without waiting on the
    // clock, until `done` or until the timer stops; at most `ticks` times.
    // True when `done`.
    static bool TickUntil(platform::Window& window, unsigned id, const std::function<bool()>& done,
                          int ticks = 10000);
    // The main window as it shows now.
    QImage Screen();

private:
    platform::Window& frame_;
};
