#include "kit/ImageButton.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"

void ImageButton::LoadStates(const std::string& over, const std::string& pressed, const std::string& normal)
{
    const platform::Size size = App().Art().LoadBitmapByName(bitmaps_[Over], over);
    App().Art().LoadBitmapByName(bitmaps_[Pressed], pressed);
    App().Art().LoadBitmapByName(bitmaps_[Normal], normal);
    SetSize(size.cx, size.cy);
}

platform::Size ImageButton::LoadState(State state, const std::string& name)
{
    return App().Art().LoadBitmapByName(bitmaps_[state], name);
}

void ImageButton::Release()
{
    for (platform::Bitmap& b : bitmaps_)
        b.Release();
}

bool ImageButton::HitTest(int px, int py) const
{
    return enabled_ && x_ < px && px < x_ + width_ && y_ < py && py < y_ + height_;
}

void ImageButton::Draw(platform::Dc& dc, int offset)
{
    offset_ = offset;
    if (!enabled_)
        return;
    App().Art().DrawBitmap(dc, BitmapOf(state_), x_, y_ - offset_);
}

const platform::Bitmap& ImageButton::BitmapOf(int state) const
{
    return state >= Pressed && state <= NewOver ? bitmaps_[state] : bitmaps_[Normal];
}
