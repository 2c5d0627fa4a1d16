// What every control inside a window has alike: its place in the window,
// whether it shows, whether it takes input, and the keyboard focus. Each
// control gives the widget it is built on (null once Qt has deleted it with
// its window, when all of these do nothing).
#pragma once

#include "platform/Types.h"

#include <string>

class QWidget;

namespace platform {

class Control {
public:
    virtual ~Control() = default;

    // Places the control in its parent's client coordinates.
    void MoveWindow(int x, int y, int width, int height);
    void MoveWindow(const Rect& rect);
    // The control's rectangle in its parent's client coordinates.
    Rect GetWindowRect() const;
    // Shows or hides the control.
    void Show(bool show);
    // Whether the control itself is shown (its window may still be hidden).
    bool IsShown() const;
    // A disabled control is drawn greyed and takes no input.
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    // Gives the control the keyboard focus.
    void SetFocus();
    bool HasFocus() const;
    // The control's name for screen readers, where the label drawn beside
    // it does not say enough (a row of a table); otherwise that label is.
    void SetAccessibleName(const std::string& name);

    // The underlying widget, for the platform and for tests.
    virtual QWidget* Widget() const = 0;
};

} // namespace platform
