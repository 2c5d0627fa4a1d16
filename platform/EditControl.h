// A single-line edit control inside a window: the text the user types, a
// limit on how much can be typed, the selection and the caret, and hooks
// for its owner (every change of the text, focus in and out, a left click
// before the control sees it, key presses, and drawing over the control
// after it has painted itself).
#pragma once

#include "platform/Control.h"
#include "platform/Dc.h"
#include "platform/Font.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace platform {

class Window;

class EditControl : public Control {
public:
    // A visible control inside `parent`, at (0, 0) with no size until moved.
    explicit EditControl(Window* parent);
    ~EditControl();
    EditControl(const EditControl&) = delete;
    EditControl& operator=(const EditControl&) = delete;

    // --- Text ---------------------------------------------------------------
    // Replaces the text (Windows-1252) whatever the limit; the caret goes
    // to its end. The change hook runs when the text differs.
    void SetText(const std::string& text);
    std::string GetText() const;
    // The most characters the user can type; a longer text set by the
    // program stays, and typing cannot make it longer. Negative: no limit.
    void SetLimitText(int limit);
    int GetLimitText() const { return limit_; }
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const;
    void SetFont(const Font& font);

    // --- Selection ----------------------------------------------------------
    void SelectAll();
    void SetCaretToEnd();
    // The selected characters ("" when none).
    std::string GetSelectedText() const;
    int GetCaretPosition() const;

    // --- Focus, state, place --------------------------------------------------
    // Makes the control cover its parent window and stand for it: it follows
    // the parent's size, and focus given to the parent goes to the control.
    void FillParent();
    // Repaints the control (and what is drawn over it).
    void Invalidate();

    // --- Hooks --------------------------------------------------------------
    // After every change of the text, the program's own changes included.
    void SetChangeHandler(std::function<void()> handler);
    void SetFocusHandlers(std::function<void()> gained, std::function<void()> lost);
    // A left click (or the second click of a double click) at a point of the
    // control, before the control handles it; returning true swallows it.
    void SetClickHandler(std::function<bool(Point point)> handler);
    // A key press: its virtual-key code (0 when it has none) and the
    // Windows-1252 character it types (0 when none); true swallows it.
    void SetKeyHandler(std::function<bool(UINT key, UINT character)> handler);
    // Draws over the control after the control has painted itself.
    void SetPaintHandler(std::function<void(Dc& dc)> handler);

    // The underlying widget, for the platform and for tests.
    QWidget* Widget() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int limit_ = -1;
};

} // namespace platform
