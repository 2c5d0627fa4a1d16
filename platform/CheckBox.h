// A standard check box inside a window: a box that the user ticks and
// unticks with a click (or the space bar while it has the focus), with a
// caption beside it or none, and a hook that tells its owner of each click.
#pragma once

#include "platform/Font.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace platform {

class Window;

class CheckBox {
public:
    // A visible, unticked box inside `parent` with the caption (Windows-1252;
    // empty for a bare box), at (0, 0) with no size until moved.
    explicit CheckBox(Window* parent, const std::string& caption = {});
    ~CheckBox();
    CheckBox(const CheckBox&) = delete;
    CheckBox& operator=(const CheckBox&) = delete;

    // --- State --------------------------------------------------------------
    // Ticks or unticks the box; the click hook does not run.
    void SetCheck(bool checked);
    bool GetCheck() const;
    // The caption drawn beside the box (Windows-1252).
    void SetWindowText(const std::string& caption);
    std::string GetWindowText() const;
    void SetFont(const Font& font);

    // --- Place and visibility -----------------------------------------------
    void MoveWindow(int x, int y, int width, int height);
    void MoveWindow(const Rect& rect);
    // The control's rectangle in its parent's client coordinates.
    Rect GetWindowRect() const;
    void Show(bool show);
    bool IsShown() const;
    // A disabled box is drawn greyed and ignores clicks.
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void SetFocus();
    bool HasFocus() const;

    // --- Hooks --------------------------------------------------------------
    // After each click of the user, once the box has toggled.
    void SetClickHandler(std::function<void()> handler);

    // The underlying widget, for the platform and for tests.
    QWidget* Widget() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
