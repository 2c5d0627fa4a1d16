// A horizontal track bar inside a window: a thumb that slides along a track
// over a range of positions. Its owner hears of every move the user makes as
// a horizontal scroll notification: a scroll code and the position.
//
// Keys: Left and Up one line left, Right and Down one line right, Page Up
// and Page Down a page, Home and End to the ends, each followed by
// SB_ENDSCROLL when the key is let go. Mouse: dragging the thumb reports
// SB_THUMBTRACK while it moves, then SB_THUMBPOSITION and SB_ENDSCROLL when
// the button is let go; a press on the track moves the thumb a page towards
// the pressed place (SB_PAGELEFT or SB_PAGERIGHT), again while the button is
// held until the thumb is there, then SB_ENDSCROLL. SetJumpBeyond makes a
// press far enough from the thumb move it straight there instead.
#pragma once

#include "platform/Control.h"
#include "platform/Cursor.h"
#include "platform/Types.h"

#include <functional>
#include <memory>

class QWidget;

namespace platform {

class Window;

// Scroll codes of a horizontal scroll notification, with their Windows values.
inline constexpr UINT SB_LINELEFT = 0;
inline constexpr UINT SB_LINERIGHT = 1;
inline constexpr UINT SB_PAGELEFT = 2;
inline constexpr UINT SB_PAGERIGHT = 3;
inline constexpr UINT SB_THUMBPOSITION = 4;
inline constexpr UINT SB_THUMBTRACK = 5;
inline constexpr UINT SB_LEFT = 6;
inline constexpr UINT SB_RIGHT = 7;
inline constexpr UINT SB_ENDSCROLL = 8;

class Slider : public Control {
public:
    // A visible slider inside `parent` with the range 0 to 100, the thumb at 0
    // and a page of 20 (a fifth of the range), at (0, 0) with no size until
    // moved.
    explicit Slider(Window* parent);
    ~Slider();
    Slider(const Slider&) = delete;
    Slider& operator=(const Slider&) = delete;

    // --- Range and position -------------------------------------------------
    // The positions from `min` to `max`; the thumb stays inside them.
    void SetRange(int min, int max);
    // The lowest position.
    int GetRangeMin() const;
    // The highest position.
    int GetRangeMax() const;
    // Moves the thumb (kept inside the range); the owner is not notified.
    void SetPos(int position);
    // The thumb's position, already the new one while a notification runs.
    int GetPos() const;
    // How far Page Up and Page Down move the thumb.
    void SetPageSize(int size);
    // How far a page moves the thumb.
    int GetPageSize() const;
    // How far the arrow keys and the wheel move the thumb.
    void SetLineSize(int size);
    // A press on the track more than `positions` from the thumb moves it
    // straight to the pressed place (SB_THUMBTRACK) and goes on as a drag
    // from there; nearer presses page as usual.
    void SetJumpBeyond(int positions);
    // How far a line moves the thumb.
    int GetLineSize() const;

    // --- Look ---------------------------------------------------------------
    // Fills the control's background with a colour; without one the window
    // behind it shows.
    void SetBackgroundColor(COLORREF color);
    // The mouse pointer over the control.
    void SetCursor(Cursor cursor);

    // --- Hooks --------------------------------------------------------------
    // Each move of the user's, after the thumb has moved: the scroll code and
    // the thumb's position (for every code, not only the thumb codes).
    void SetScrollHandler(std::function<void(UINT code, int position)> handler);
    // A key press while the slider has the focus, with its virtual-key code,
    // before the slider acts on it; returning true swallows it.
    void SetKeyHandler(std::function<bool(UINT key)> handler);

    // The underlying widget, for the platform and for tests.
    QWidget* Widget() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
