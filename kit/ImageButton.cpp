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
    dc.NoteAccessibleItem(this);
}

std::string ImageButton::Name() const
{
    if (!name_.empty())
        return name_;
    for (int state : {Normal, Over, Pressed}) {
        if (!bitmaps_[state].Caption().empty())
            return bitmaps_[state].Caption();
    }
    return {};
}

bool ImageButton::DescribeAccessibleItem(platform::AccessibleItem& item) const
{
    if (!enabled_ || BitmapOf(state_).IsEmpty())
        return false;
    item.name = Name();
    item.detail = detail_;
    item.rect = {x_, y_ - offset_, x_ + width_, y_ - offset_ + height_};
    return true;
}

const platform::Bitmap& ImageButton::BitmapOf(int state) const
{
    return state >= Pressed && state <= NewOver ? bitmaps_[state] : bitmaps_[Normal];
}
