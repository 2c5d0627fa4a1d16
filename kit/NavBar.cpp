#include "kit/NavBar.h"

#include "platform/Window.h"

#include <utility>

namespace {

struct Place {
    int x;
    int y;
};

// Buttons 2 and 3 share one place; a page enables at most one of them.
constexpr Place kPlaces[NavBar::kButtons] = {{8, 402}, {325, 402}, {413, 402}, {413, 402}};

} // namespace

NavBar::NavBar()
{
    for (int i = 0; i < kButtons; ++i)
        buttons_[i].SetPosition(kPlaces[i].x, kPlaces[i].y);
}

void NavBar::SetPopupHooks(std::function<bool()> videoShowing, std::function<void()> dismissPopups)
{
    videoShowing_ = std::move(videoShowing);
    dismissPopups_ = std::move(dismissPopups);
}

void NavBar::LoadBitmaps(const std::string& stem, bool noPrint)
{
    for (ImageButton& b : buttons_)
        b.Release();
    int number = noPrint ? 12 : 11;
    for (int i = noPrint ? 1 : 0; i < kButtons; ++i, ++number) {
        const std::string name = stem + std::to_string(number);
        buttons_[i].LoadStates(name + "OVR", name + "SEL", name + "OFF");
    }
    for (int i = 0; i < kButtons; ++i)
        buttons_[i].SetPosition(kPlaces[i].x, kPlaces[i].y);
}

void NavBar::DrawNavBar(platform::Dc& dc)
{
    for (ImageButton& b : buttons_)
        b.Draw(dc, 0);
}

bool NavBar::NavHover(int x, int y)
{
    if (videoShowing_ && videoShowing_())
        return true;
    // The answer is whether the pointer is on an enabled button, also while
    // it rests on one that already shows its hover picture.
    bool hot = false;
    for (ImageButton& b : buttons_) {
        if (!b.Enabled())
            continue;
        const bool hit = b.HitTest(x, y);
        hot = hot || hit;
        if (hit && b.GetState() == ImageButton::Normal) {
            b.SetState(b.IsPressed() ? ImageButton::Pressed : ImageButton::Over);
            Redraw(b);
        } else if (!hit && b.GetState() != ImageButton::Normal) {
            b.SetState(ImageButton::Normal);
            Redraw(b);
        }
    }
    return hot;
}

int NavBar::NavPress(int x, int y)
{
    if (dismissPopups_)
        dismissPopups_();
    for (ImageButton& b : buttons_) {
        if (b.Enabled() && b.HitTest(x, y) && b.GetState() != ImageButton::Pressed &&
            b.GetState() != ImageButton::Inactive) {
            b.SetState(ImageButton::Pressed);
            b.SetPressed(true);
            Redraw(b);
        }
    }
    return -1;
}

int NavBar::NavClick(int x, int y)
{
    for (int i = 0; i < kButtons; ++i) {
        ImageButton& b = buttons_[i];
        if (b.Enabled() && b.HitTest(x, y) && b.IsPressed()) {
            if (b.GetState() != ImageButton::Inactive) {
                b.SetState(ImageButton::Normal);
                Redraw(b);
            }
            b.SetPressed(false);
            return i;
        }
        b.SetPressed(false);
    }
    return -1;
}

void NavBar::Redraw(ImageButton& button)
{
    if (!page_)
        return;
    platform::ClientDc dc(page_);
    button.Draw(dc, 0);
}
