// A window: a rectangle of the screen with its own drawing and its own
// handlers for mouse, keyboard, timers and messages. Windows nest: a child
// window sits inside its parent's client area.
//
// Every window keeps a retained backing image. Paint handlers draw into it
// when the window has been invalidated; drawing outside paint (a hovered
// button, a typed character) goes through a ClientDc, which draws into the
// backing image and presents it at once.
#pragma once

#include "platform/AccessibleSurface.h"
#include "platform/Cursor.h"
#include "platform/Dc.h"
#include "platform/Types.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace platform {

class WindowWidget;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_RESTORE = 9;

// Messages the platform itself sends through WindowProc.
inline constexpr UINT WM_CLOSE = 0x0010;

// System commands of a top-level window.
inline constexpr UINT SC_MINIMIZE = 0xF020;
inline constexpr UINT SC_RESTORE = 0xF120;

class Window : public AccessibleSurface {
public:
    // Creates the window hidden, as a child of `parent`, or as a top-level
    // window when `parent` is null.
    explicit Window(Window* parent = nullptr);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // --- Messages -----------------------------------------------------------
    // Delivers a message at once and returns WindowProc's result.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues a message; it is delivered by the event loop.
    void PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // --- Visibility and place -----------------------------------------------
    void ShowWindow(int command);
    // True when the window and all its parents are shown.
    bool IsWindowVisible() const;
    // True once the window has pixels of its own: it has been drawn and not
    // let go of them since.
    bool HoldsPixels() const;
    void MoveWindow(int x, int y, int width, int height);
    void MoveWindow(const Rect& rect);
    // The client area: (0, 0) to the window's size.
    Rect GetClientRect() const;
    // The window's rectangle in its parent's client coordinates (the
    // screen's for a top-level window).
    Rect GetWindowRect() const;
    // The window's rectangle in the coordinates of its top-level window:
    // the program's whole world is the main window's client area.
    Rect GetFrameRect() const;
    Point ClientToFrame(Point p) const;
    void BringToTop();
    // Centres a top-level window, frame included, on the screen.
    void CenterOnScreen();
    Window* GetParent() const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    // The window's class, and its text when it has one, for reports.
    std::string DescribeWindow() const;
    // Makes a top-level window fixed in size, without resize handles or a
    // maximise button, with or without a caption.
    void SetFixedFrame(bool caption);

    // --- Drawing ------------------------------------------------------------
    // Marks the whole window (or a rectangle) for repainting by OnPaint. With
    // `erase`, OnEraseBackground runs first over the invalid area.
    void Invalidate(bool erase = true);
    void InvalidateRect(const Rect& rect, bool erase = true);
    // Runs a pending repaint now.
    void UpdateWindow();

    // --- Timers, focus, cursor ----------------------------------------------
    // Starts (or restarts) timer `id`; a period of 0 means the shortest, 10 ms.
    void SetTimer(UINT id, UINT periodMs);
    void KillTimer(UINT id);
    bool HasTimer(UINT id) const;
    // The period timer `id` was started with (0 when it is not running).
    UINT TimerPeriod(UINT id) const;
    void SetFocus();
    bool HasFocus() const;
    // Tab and Shift+Tab move the focus among this window's own controls and
    // those of the windows inside it, wrapping at the ends, as in a dialog.
    // A window holding the focus itself ignores them.
    void KeepTabWithin();
    void SetCursor(Cursor cursor);
    Cursor GetCursor() const;
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;

    // --- Accessibility ------------------------------------------------------
    // The window's name for screen readers.
    void SetAccessibleName(const std::string& name) override;
    std::string GetAccessibleName() const;
    // The buttons drawn on the window that are on show, in the order they
    // were first drawn; one without a name of its own is called by its label.
    std::vector<AccessibleItem> AccessibleItems() const;
    // The label drawn beside `rect` on the window (platform/AccessibleSurface.h).
    std::string LabelFor(const Rect& rect) const;
    // Notes a button drawn on the window; it leaves the window it was on.
    void NoteAccessibleItem(AccessibleItemSource* item) override;
    // Notes a line of text drawn on the window, in client coordinates.
    void NoteDrawnText(const std::string& text, const Rect& rect) override;
    void ForgetAccessibleItem(AccessibleItemSource* item) override;

    // The underlying widget, for the platform's own controls and for tests.
    QWidget* Widget() const;

protected:
    friend class WindowWidget;
    friend class ClientDc;

    // --- Handlers -----------------------------------------------------------
    // The message switch: private messages and commands arrive here. The
    // default sends WM_COMMAND to OnCommand and WM_CLOSE to OnClose.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual bool OnCommand(UINT id);
    // Paints the invalid area (the Dc clips to it).
    virtual void OnPaint(Dc& dc);
    // Clears the invalid area before painting; the default fills it white.
    virtual bool OnEraseBackground(Dc& dc);
    virtual void OnMouseMove(UINT flags, Point point);
    virtual void OnLButtonDown(UINT flags, Point point);
    virtual void OnLButtonUp(UINT flags, Point point);
    virtual void OnLButtonDblClk(UINT flags, Point point);
    virtual void OnRButtonDown(UINT flags, Point point);
    virtual void OnKeyDown(UINT key);
    virtual void OnChar(UINT character);
    virtual void OnTimer(UINT id);
    // Before the window is shown or hidden.
    virtual void OnShowWindow(bool show);
    virtual void OnSetFocus();
    virtual void OnKillFocus();
    // The top-level window was moved.
    virtual void OnMove();
    // The program came to the foreground or went to the background (top-level
    // windows only).
    virtual void OnActivateApp(bool active);
    // The top-level window was iconified (SC_MINIMIZE) or restored (SC_RESTORE).
    virtual void OnSysCommand(UINT command);
    // A close request (the close box); the default closes the window.
    virtual void OnClose();

    // Closes a top-level window for good.
    void DestroyWindow();

private:
    void Present(const Rect& rect);
    // Before a repaint of `area`: the texts and buttons there are kept only
    // when drawn again.
    void BeginRepaintNotes(const Rect& area);
    void EndRepaintNotes();
    // Names each field of the window (and of the windows inside it that do
    // not name it themselves) by its label.
    void NameFieldsByLabels();

    struct NotedItem {
        AccessibleItemSource* source;
        bool current = true;
    };
    std::vector<NotedItem> items_;
    struct NotedText {
        DrawnText drawn;
        bool current = true;
    };
    std::vector<NotedText> texts_;

    WindowWidget* widget_ = nullptr; // owned; cleared if Qt deletes it first
    Window* parent_ = nullptr;
    struct RunningTimer {
        int qtId;
        UINT periodMs;
    };
    std::map<UINT, RunningTimer> timers_; // by program timer id
    friend bool FireTimer(Window& window, UINT id);
    Cursor cursor_ = Cursor::Arrow;
};

// Runs the handler of timer `id` of `window` now, as if its period had
// passed, for tests that must not wait on the clock; false when the timer
// is not running.
bool FireTimer(Window& window, UINT id);

// Draws into a window's backing image outside painting and presents what
// was drawn as soon as it is destroyed.
class ClientDc : public Dc {
public:
    explicit ClientDc(Window* window);
    ~ClientDc() override;

private:
    Window* window_;
};

} // namespace platform
