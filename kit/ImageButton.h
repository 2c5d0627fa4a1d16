// A clickable picture: a hot rectangle that shows one of six bitmaps by its
// state. Side buttons, the main menu, the navigation bar and most pages use
// it. Screen readers find it on the window it is drawn on, called by the
// words on its picture.
#pragma once

#include "platform/AccessibleSurface.h"
#include "platform/Bitmap.h"
#include "platform/Dc.h"

#include <string>
#include <utility>

class ImageButton : public platform::AccessibleItemSource {
public:
    enum State {
        Normal = 0,
        Pressed = 1, // also "selected"
        Over = 2,
        Inactive = 3,
        New = 4,
        NewOver = 5,
    };

    // The size of a button before a bitmap gives it its own.
    static constexpr int kDefaultWidth = 33;
    static constexpr int kDefaultHeight = 27;

    ImageButton() = default;
    ImageButton(const ImageButton&) = delete;
    ImageButton& operator=(const ImageButton&) = delete;

    // Loads the over, pressed and normal bitmaps by name from the source the
    // current module selects; the size becomes that of the over bitmap.
    void LoadStates(const std::string& over, const std::string& pressed, const std::string& normal);
    // Loads one bitmap of a state; returns its size.
    platform::Size LoadState(State state, const std::string& name);
    // Releases every bitmap.
    void Release();

    // True when enabled and x < px < x + width and y < py < y + height.
    bool HitTest(int px, int py) const;
    void SetState(int state) { state_ = state; }
    int GetState() const { return state_; }
    // Draws the bitmap of the current state at (x, y - offset) when enabled.
    void Draw(platform::Dc& dc, int offset);

    void SetPosition(int x, int y)
    {
        x_ = x;
        y_ = y;
    }
    void SetSize(int width, int height)
    {
        width_ = width;
        height_ = height;
    }
    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Enabled() const { return enabled_; }
    void Enable(bool enabled) { enabled_ = enabled; }
    bool IsPressed() const { return pressed_; }
    void SetPressed(bool pressed) { pressed_ = pressed; }
    const platform::Bitmap& BitmapOf(int state) const;

    // The name screen readers say, for a picture without words; by default
    // the words on the picture, else the label drawn beside the button.
    void SetName(std::string name) { name_ = std::move(name); }
    // What tells the button from others of the same name ("answer 2 of 5").
    void SetDetail(std::string detail) { detail_ = std::move(detail); }
    std::string Name() const;
    bool DescribeAccessibleItem(platform::AccessibleItem& item) const override;

private:
    int offset_ = 0;
    int x_ = 0;
    int y_ = 0;
    int width_ = kDefaultWidth;
    int height_ = kDefaultHeight;
    bool pressed_ = false;
    bool enabled_ = true;
    platform::Bitmap bitmaps_[6]; // indexed by state
    int state_ = Normal;
    std::string name_;
    std::string detail_;
};
