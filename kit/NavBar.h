// The navigation bar shared by all pages: four image buttons along the
// bottom of the page area: 0 print, 1 back, 2 next, 3 return (drawn where
// next stands). Each page enables the buttons it uses every time it paints
// and turns a click into a message to the view.
#pragma once

#include "kit/ImageButton.h"

#include <functional>
#include <string>

namespace platform {
class Window;
}

class NavBar {
public:
    static constexpr int kButtons = 4;

    NavBar();

    // Loads the bitmaps stem + number + "OVR"/"OFF"/"SEL", numbers counting
    // from 11; `noPrint` leaves button 0 without bitmaps and starts at 12.
    void LoadBitmaps(const std::string& stem, bool noPrint);

    void EnableNavButton0(int flag) { buttons_[0].Enable(flag != 0); }
    void EnableNavButton1(int flag) { buttons_[1].Enable(flag != 0); }
    void EnableNavButton2(int flag) { buttons_[2].Enable(flag != 0); }
    void EnableNavButton3(int flag) { buttons_[3].Enable(flag != 0); }

    // Draws the four buttons (disabled ones draw nothing).
    void DrawNavBar(platform::Dc& dc);
    // Hover: true when the pointer is on an enabled button (or a video plays).
    bool NavHover(int x, int y);
    // Press: the button under the pointer shows pressed.
    int NavPress(int x, int y);
    // Release: the index of the pressed button under the pointer, or -1.
    int NavClick(int x, int y);

    // The windows that pop up over pages (the video, the calculator): whether
    // the video shows, while which every point counts as on a button, and
    // how to close them, which a press on the bar does first.
    void SetPopupHooks(std::function<bool()> videoShowing, std::function<void()> dismissPopups);

    // The page that shows the bar now: hover and press redraw into it.
    void SetPage(platform::Window* page) { page_ = page; }
    platform::Window* Page() const { return page_; }

    ImageButton& Button(int index) { return buttons_[index]; }

private:
    void Redraw(ImageButton& button);

    ImageButton buttons_[kButtons];
    platform::Window* page_ = nullptr;
    std::function<bool()> videoShowing_;
    std::function<void()> dismissPopups_;
};
