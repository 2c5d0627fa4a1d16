// Dialog units of the 8-point dialog font: templates' places and sizes in
// pixels.
#include "platform/DialogUnits.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(DialogUnits, TemplatePlacesAndSizesConvertEachOnTheirOwn)
{
    // Fractions of a pixel are dropped: 145 units across are 217.5 pixels.
    EXPECT_EQ(DialogPoint(145, 112), (Point{217, 182}));
    EXPECT_EQ(DialogSize(43, 13), (Size{64, 21}));
    // The right edge is the left edge plus the width, not the converted
    // right edge (188 units would be 282 pixels).
    const Rect amount = DialogRect(145, 112, 43, 13);
    EXPECT_EQ(amount, (Rect{217, 182, 281, 203}));

    // Fields stacked 15 units apart stay clear of each other.
    const Rect rate = DialogRect(145, 127, 43, 13);
    const Rect months = DialogRect(145, 143, 43, 13);
    EXPECT_EQ(rate, (Rect{217, 206, 281, 227}));
    EXPECT_EQ(months, (Rect{217, 232, 281, 253}));
    EXPECT_GE(rate.top, amount.bottom);
    EXPECT_GE(months.top, rate.bottom);

    // The video window's media control fills 159 x 110 units.
    EXPECT_EQ(DialogRect(0, 0, 159, 110), (Rect{0, 0, 238, 178}));
    EXPECT_EQ(DialogRect(10, 168, 15, 8), (Rect{15, 273, 37, 286}));
}

TEST(DialogUnits, ArialTemplatesAreAPixelTallerPerCharacter)
{
    // The debt page's fields stand on its labels, 35 pixels apart from 198.
    EXPECT_EQ(DialogRect(170, 110, 43, 13, kArialDialogFont), (Rect{255, 192, 319, 214}));
    EXPECT_EQ(DialogRect(170, 130, 43, 13, kArialDialogFont), (Rect{255, 227, 319, 249}));
    EXPECT_EQ(DialogRect(170, 150, 43, 13, kArialDialogFont), (Rect{255, 262, 319, 284}));
    // Across, the two fonts agree.
    EXPECT_EQ(DialogX(170, kArialDialogFont), DialogX(170));
}
