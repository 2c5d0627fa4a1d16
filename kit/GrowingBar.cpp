#include "kit/GrowingBar.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"

#include <algorithm>

using namespace platform;

namespace {

// The shortest period a timer takes.
constexpr UINT kFastestTicks = 0;

} // namespace

GrowingBar::GrowingBar(Window& page, UINT timer, Point start) : page_(page), timer_(timer), start_(start) {}

void GrowingBar::SetLength(int length)
{
    length_ = std::max(0, length);
}

int GrowingBar::Drawn() const
{
    return std::min(drawn_, length_);
}

void GrowingBar::Paint(Dc& dc)
{
    if (growPending_) {
        growPending_ = false;
        drawn_ = 0;
        page_.SetTimer(timer_, kFastestTicks);
        return;
    }
    page_.KillTimer(timer_);
    drawn_ = length_;
    if (!element_)
        return;
    Artwork& art = App().Art();
    for (int x = 0; x < length_; ++x)
        art.DrawBitmap(dc, *element_, start_.x + x, start_.y);
}

bool GrowingBar::OnTimer(UINT id)
{
    if (id != timer_)
        return false;
    if (drawn_ < length_ && element_) {
        ClientDc dc(&page_);
        App().Art().DrawBitmap(dc, *element_, start_.x + drawn_, start_.y);
    }
    drawn_ += kStep;
    if (drawn_ >= length_)
        page_.KillTimer(timer_);
    return true;
}
