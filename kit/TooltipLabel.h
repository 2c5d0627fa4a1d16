// Worksheet labels that react to the mouse: hovered labels turn blue, the
// chosen one white. A page registers each label the first time it paints
// it and asks the set which label the pointer is on.
#pragma once

#include "platform/Dc.h"

#include <functional>
#include <string>
#include <vector>

struct TooltipLabel {
    int x = 0;
    int y = 0;
    int secondY = -1; // top of a second line, -1 for one-line labels
    int width = 0;
    int secondWidth = 0;
    int lineCount = 1;
    std::string texts[4];
    platform::Point pointer; // last pointer position over the label, y + 30
};

inline constexpr platform::COLORREF kLabelNormal = platform::RGB(0, 0, 0);
inline constexpr platform::COLORREF kLabelHighlighted = platform::RGB(0, 0, 255);
inline constexpr platform::COLORREF kLabelChosen = platform::RGB(255, 255, 255);
inline const platform::Font kLabelFont{"MS Sans Serif", 15, 800};

class TooltipLabels {
public:
    // Draws a one-line label right-aligned on `rightEdge` and, the first
    // time, registers it; returns its index.
    int DrawLabel(platform::Dc& dc, const std::string& text, int rightEdge, int y, platform::COLORREF colour,
                  const platform::Font& font = kLabelFont);
    // Registers a label record as it is.
    int Add(const TooltipLabel& label);
    void Clear();

    // The label under the point, or -1.
    int HitTest(platform::Point p) const;
    // Mouse move: moves the highlight to the label under the pointer and
    // asks `redraw` to paint labels whose colour changed. Returns the label
    // under the pointer, or -1.
    int Hover(platform::Point p, const std::function<void(int index, platform::COLORREF colour)>& redraw);

    int Count() const { return static_cast<int>(labels_.size()); }
    int Highlighted() const { return highlighted_; }
    void SetHighlighted(int index) { highlighted_ = index; }
    const TooltipLabel& At(int index) const { return labels_[static_cast<size_t>(index)]; }

private:
    std::vector<TooltipLabel> labels_;
    int highlighted_ = -1;
};
