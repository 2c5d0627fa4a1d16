// A standard check box inside a window: a box that the user ticks and
// unticks with a click (or the space bar while it has the focus), with a
// caption beside it or none, and a hook that tells its owner of each click.
#pragma once

#include "platform/Control.h"
#include "platform/Font.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace platform {

class Window;

class CheckBox : public Control {
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
    // Whether the box is ticked.
    bool GetCheck() const;
    // Replaces the caption drawn beside the box (Windows-1252).
    void SetWindowText(const std::string& caption);
    // The caption (Windows-1252).
    std::string GetWindowText() const;
    // The font of the caption.
    void SetFont(const Font& font);

    // --- Hooks --------------------------------------------------------------
    // After each click of the user, once the box has toggled.
    void SetClickHandler(std::function<void()> handler);

    // The underlying widget, for the platform and for tests.
    QWidget* Widget() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
