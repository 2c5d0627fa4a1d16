// The base of every page and the contract every page keeps: it places
// itself in the view's page area when shown; when hidden it first takes the
// focus off its fields (so that a field being edited finishes its edit),
// then stores its entries, then stops its timer and any sound. It shares the
// navigation bar's mouse handling and reaches the view only by messages.
#pragma once

#include "platform/Window.h"

#include <memory>
#include <string>

namespace platform {
class FocusTarget;
}

class PageWindow : public platform::Window {
public:
    explicit PageWindow(platform::Window* view);
    ~PageWindow() override;

    // The key the view hands over before it shows the page: a section code,
    // lesson, text, survey file or chart name. Pages without one ignore it.
    virtual void TakeKey(const std::string& key);
    // The program went to the background while the page shows.
    virtual void OnProgramBackground() {}

protected:
    void OnShowWindow(bool show) override;
    // When the page becomes visible, after it is placed and registered.
    virtual void OnPageShown() {}
    // When the page is hidden, after its fields have finished their edits:
    // write entries to the record.
    virtual void OnPageHidden() {}

    // Moves the focus to the page's neutral control: a field that has it
    // finishes its edit (formats and reports its value) before this returns.
    void FocusNeutral();
    // Enables the navigation bar's print, back, next and return buttons.
    static void EnableNav(bool print, bool back, bool next, bool ret);
    platform::LRESULT SendToView(platform::UINT message, platform::WPARAM wParam = 0,
                                 platform::LPARAM lParam = 0);
    void PostToView(platform::UINT message, platform::WPARAM wParam = 0, platform::LPARAM lParam = 0);

    // The shared mouse-move step: the view's hovered side buttons go back to
    // rest, the navigation bar follows the pointer, and the cursor is the
    // hand over a navigation button. Returns whether it was over one.
    bool SharedMouseMove(platform::Point point);
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    // The shared button-down step: the navigation bar's press.
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;

    // Makes this page the one the navigation bar draws on.
    void RegisterAsCurrentPage();

    // The page's own timer, stopped whenever the page is hidden.
    static constexpr platform::UINT kPageTimer = 1;

private:
    std::unique_ptr<platform::FocusTarget> neutral_;
};

// Places a page in the view's page area: at (128, 51), as wide as the view
// minus 128 and as high as the view minus 46.
void PlacePage(platform::Window& page);

inline constexpr int kPageLeft = 128;
inline constexpr int kPageTop = 51;
