#include "platform/AccessibleSurface.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace platform {
namespace {

// How far a label may stand from what it names.
constexpr int kLabelReachLeft = 260;
constexpr int kLabelReachAbove = 30;
constexpr int kLabelReachRight = 40;
// Failing those, a line anywhere to the left on the same row: the
// statement at the start of a row of answer boxes.
constexpr int kLabelReachRow = 1 << 16;
// Edges may touch or overlap by this much.
constexpr int kLabelSlack = 3;

bool ReadsAsLabel(const std::string& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isalpha(c) || c >= 0xC0; });
}

bool OnRowOf(const Rect& text, const Rect& rect)
{
    const int middle = (rect.top + rect.bottom) / 2;
    return text.top <= middle && middle < text.bottom;
}

bool OverlapsAcross(const Rect& text, const Rect& rect)
{
    return text.left < rect.right && rect.left < text.right;
}

} // namespace

void AccessibleSurface::SetDrawnOn(AccessibleItemSource& item, AccessibleSurface* surface)
{
    item.surface_ = surface;
}

AccessibleItemSource::~AccessibleItemSource()
{
    if (surface_)
        surface_->ForgetAccessibleItem(this);
}

std::string FindLabel(const std::vector<DrawnText>& texts, const Rect& rect)
{
    // The nearest line that stands `Distance` away within `reach`, among
    // those that `Fits`.
    const auto nearest = [&](auto fits, auto distance, int reach) -> const DrawnText* {
        const DrawnText* best = nullptr;
        int bestDistance = INT_MAX;
        for (const DrawnText& t : texts) {
            if (!ReadsAsLabel(t.text) || !fits(t.rect))
                continue;
            const int d = distance(t.rect);
            if (d >= -kLabelSlack && d <= reach && d < bestDistance) {
                best = &t;
                bestDistance = d;
            }
        }
        return best;
    };
    const auto onRow = [&](const Rect& t) { return OnRowOf(t, rect); };
    const auto leftOf = [&](const Rect& t) { return rect.left - t.right; };
    const DrawnText* label = nearest(onRow, leftOf, kLabelReachLeft);
    if (!label)
        label = nearest([&](const Rect& t) { return OverlapsAcross(t, rect); },
                        [&](const Rect& t) { return rect.top - t.bottom; }, kLabelReachAbove);
    if (!label)
        label = nearest(
            onRow, [&](const Rect& t) { return t.left - rect.right; }, kLabelReachRight);
    if (!label)
        label = nearest(onRow, leftOf, kLabelReachRow);
    if (!label)
        return {};
    // "Cash on hand: $" names the field "Cash on hand".
    std::string name = label->text;
    while (!name.empty() && (name.back() == ' ' || name.back() == ':' || name.back() == '$'))
        name.pop_back();
    return name;
}

} // namespace platform
