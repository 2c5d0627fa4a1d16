// A neutral control that can hold the keyboard focus and shows nothing: a
// page gives it the focus to take the focus off its entry fields, so that no
// field keeps a caret (while the page is left, or while the program is in
// the background) and every field's focus-lost hook has run.
#pragma once

#include <memory>

class QWidget;

namespace platform {

class Window;

class FocusTarget {
public:
    // An invisible, focusable control inside `parent`.
    explicit FocusTarget(Window* parent);
    ~FocusTarget();
    FocusTarget(const FocusTarget&) = delete;
    FocusTarget& operator=(const FocusTarget&) = delete;

    // Gives this control the focus. The control that held it hears at once,
    // before the call returns, that it lost the focus, also when the window
    // is not the active one.
    void TakeFocus();
    // Whether this control is the one its top-level window gives the focus
    // to (also while that window is not the active one).
    bool HasFocus() const;

    // The underlying widget, for the platform and for tests.
    QWidget* Widget() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
