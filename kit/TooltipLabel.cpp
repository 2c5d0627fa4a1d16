#include "kit/TooltipLabel.h"

using namespace platform;

namespace {

constexpr int kLineHeight = 17;
constexpr int kPointerDrop = 30;

} // namespace

int TooltipLabels::DrawLabel(Dc& dc, const std::string& text, int rightEdge, int y, COLORREF colour,
                             const Font& font)
{
    const Font previous = dc.SelectFont(font);
    const Size size = dc.GetTextExtent(text);
    const int x = rightEdge - size.cx;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour);
    dc.TextOut(x, y, text);
    dc.SelectFont(previous);
    for (int i = 0; i < Count(); ++i) {
        if (labels_[static_cast<size_t>(i)].texts[0] == text && labels_[static_cast<size_t>(i)].y == y)
            return i;
    }
    TooltipLabel label;
    label.x = x;
    label.y = y;
    label.width = size.cx;
    label.texts[0] = text;
    return Add(label);
}

int TooltipLabels::Add(const TooltipLabel& label)
{
    labels_.push_back(label);
    return Count() - 1;
}

void TooltipLabels::Clear()
{
    labels_.clear();
    highlighted_ = -1;
}

int TooltipLabels::HitTest(Point p) const
{
    for (int i = 0; i < Count(); ++i) {
        const TooltipLabel& l = labels_[static_cast<size_t>(i)];
        const bool firstLine =
            l.x < p.x && p.x < l.x + l.width && l.y < p.y && p.y < l.y + l.lineCount * kLineHeight;
        const bool secondLine = l.secondY >= 0 && l.x < p.x && p.x < l.x + l.secondWidth && l.secondY < p.y &&
                                p.y < l.secondY + kLineHeight;
        if (firstLine || secondLine)
            return i;
    }
    return -1;
}

int TooltipLabels::Hover(Point p, const std::function<void(int, COLORREF)>& redraw)
{
    const int hit = HitTest(p);
    if (hit >= 0) {
        labels_[static_cast<size_t>(hit)].pointer = {p.x, p.y + kPointerDrop};
        if (hit != highlighted_) {
            if (highlighted_ >= 0)
                redraw(highlighted_, kLabelNormal);
            highlighted_ = hit;
            redraw(hit, kLabelHighlighted);
        }
    } else if (highlighted_ >= 0) {
        redraw(highlighted_, kLabelNormal);
        highlighted_ = -1;
    }
    return hit;
}
