#include "kit/GrowingBar.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"

#include <algorithm>

using namespace platform;

GrowingBar::GrowingBar(Window& page, UINT timer, Point start)
    : start_(start), growth_(page, timer, [this](Dc& dc, int x) { DrawElement(dc, x); })
{
}

void GrowingBar::SetLength(int length)
{
    length_ = std::max(0, length);
}

int GrowingBar::Drawn() const
{
    return growth_.Running() ? std::min(growth_.Position(), length_) : length_;
}

void GrowingBar::Paint(Dc& dc)
{
    if (growPending_) {
        growPending_ = false;
        growth_.Start(0, length_, kStep);
        return;
    }
    growth_.Stop();
    for (int x = 0; x < length_; ++x)
        DrawElement(dc, x);
}

bool GrowingBar::OnTimer(UINT id)
{
    return growth_.OnTimer(id);
}

void GrowingBar::DrawElement(Dc& dc, int x) const
{
    if (element_)
        App().Art().DrawBitmap(dc, *element_, start_.x + x, start_.y);
}
