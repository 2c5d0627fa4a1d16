#include "pages/planning/ChoiceButtons.h"

#include <string>

using namespace platform;

ChoiceButtons::ChoiceButtons(const std::vector<Point>& places, int hitWidth) : hitWidth_(hitWidth)
{
    for (const Point& place : places) {
        auto button = std::make_unique<ImageButton>();
        button->SetPosition(place.x, place.y);
        buttons_.push_back(std::move(button));
    }
}

void ChoiceButtons::Select(int index)
{
    for (int k = 0; k < Count(); ++k)
        buttons_[static_cast<size_t>(k)]->SetState(k == index ? ImageButton::Pressed : ImageButton::Normal);
}

int ChoiceButtons::Selected() const
{
    for (int k = 0; k < Count(); ++k) {
        if (Button(k).GetState() == ImageButton::Pressed)
            return k;
    }
    return -1;
}

void ChoiceButtons::Enable(int index, bool enabled)
{
    buttons_[static_cast<size_t>(index)]->Enable(enabled);
}

int ChoiceButtons::HitTest(Point point) const
{
    for (int k = 0; k < Count(); ++k) {
        if (Button(k).HitTest(point.x, point.y))
            return k;
    }
    return -1;
}

void ChoiceButtons::Draw(Dc& dc)
{
    if (!loaded_) {
        // The pictures come from the planning module's artwork, there only
        // once the module is entered.
        loaded_ = true;
        for (int k = 0; k < Count(); ++k) {
            ImageButton& button = *buttons_[static_cast<size_t>(k)];
            const std::string stem = "idb_p" + std::to_string(k + 1) + "_r_";
            const Size size = button.LoadState(ImageButton::Normal, stem + "OFF");
            button.LoadState(ImageButton::Over, stem + "OFF");
            button.LoadState(ImageButton::Pressed, stem + "SEL");
            button.SetSize(hitWidth_, size.cy);
        }
    }
    for (const auto& button : buttons_)
        button->Draw(dc, 0);
}
