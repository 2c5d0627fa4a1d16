// Worksheet labels follow the pointer: one highlighted label at a time.
#include "kit/TooltipLabel.h"

#include <gtest/gtest.h>
#include <vector>

using namespace platform;

TEST(TooltipLabels, HoverMovesTheHighlightAndRedrawsOnlyChanges)
{
    TooltipLabels labels;
    TooltipLabel cash;
    cash.x = 50;
    cash.y = 120;
    cash.width = 100;
    TooltipLabel checking = cash;
    checking.y = 146;
    TooltipLabel twoLines = cash;
    twoLines.y = 200;
    twoLines.secondY = 217;
    twoLines.width = 60;
    twoLines.secondWidth = 120;
    labels.Add(cash);
    labels.Add(checking);
    labels.Add(twoLines);

    std::vector<std::pair<int, COLORREF>> redrawn;
    const auto record = [&](int index, COLORREF colour) { redrawn.emplace_back(index, colour); };

    EXPECT_EQ(labels.Hover({60, 125}, record), 0);
    EXPECT_EQ(labels.Highlighted(), 0);
    ASSERT_EQ(redrawn.size(), 1u);
    EXPECT_EQ(redrawn[0], std::make_pair(0, kLabelHighlighted));
    EXPECT_EQ(labels.At(0).pointer, (Point{60, 155}));

    redrawn.clear();
    labels.Hover({61, 126}, record); // still on the same label
    EXPECT_TRUE(redrawn.empty());

    labels.Hover({60, 150}, record);
    ASSERT_EQ(redrawn.size(), 2u);
    EXPECT_EQ(redrawn[0], std::make_pair(0, kLabelNormal));
    EXPECT_EQ(redrawn[1], std::make_pair(1, kLabelHighlighted));

    // The border is outside; leaving every label clears the highlight.
    redrawn.clear();
    EXPECT_EQ(labels.Hover({50, 150}, record), -1);
    EXPECT_EQ(labels.Highlighted(), -1);
    EXPECT_EQ(redrawn.back(), std::make_pair(1, kLabelNormal));

    // A second line counts with its own width.
    EXPECT_EQ(labels.HitTest({160, 220}), 2);
    EXPECT_EQ(labels.HitTest({160, 205}), -1);
}
