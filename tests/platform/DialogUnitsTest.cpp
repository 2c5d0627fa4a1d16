// Dialog units of the 8-point dialog font: templates' places and sizes in
// pixels.
#include "platform/DialogUnits.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(DialogUnits, TemplatePlacesAndSizesConvertEachOnTheirOwn)
{
    // Pixels are rounded, a half upwards: 145 units across are 217.5 pixels.
    EXPECT_EQ(DialogPoint(145, 112), (Point{218, 182}));
    EXPECT_EQ(DialogSize(43, 13), (Size{65, 21}));
    EXPECT_EQ(DialogX(1), 2); // 1.5
    EXPECT_EQ(DialogY(1), 2); // 1.625
    EXPECT_EQ(DialogY(3), 5); // 4.875
    EXPECT_EQ(DialogX(10), 15);
    // The right edge is the left edge plus the width, not the converted
    // right edge (188 units would be 282 pixels).
    const Rect amount = DialogRect(145, 112, 43, 13);
    EXPECT_EQ(amount, (Rect{218, 182, 283, 203}));

    // Fields stacked 15 units apart stay clear of each other.
    const Rect rate = DialogRect(145, 127, 43, 13);
    const Rect months = DialogRect(145, 143, 43, 13);
    EXPECT_EQ(rate, (Rect{218, 206, 283, 227}));
    EXPECT_EQ(months, (Rect{218, 232, 283, 253}));
    EXPECT_GE(rate.top, amount.bottom);
    EXPECT_GE(months.top, rate.bottom);

    // The video window's media control fills 159 x 110 units.
    EXPECT_EQ(DialogRect(0, 0, 159, 110), (Rect{0, 0, 239, 179}));
    EXPECT_EQ(DialogRect(10, 168, 15, 8), (Rect{15, 273, 38, 286}));
}

TEST(DialogUnits, ArialTemplatesAreAPixelTallerPerCharacter)
{
    // The debt page's fields stand on its labels, 35 pixels apart.
    EXPECT_EQ(DialogRect(170, 110, 43, 13, kArialDialogFont), (Rect{255, 193, 320, 216}));
    EXPECT_EQ(DialogRect(170, 130, 43, 13, kArialDialogFont), (Rect{255, 228, 320, 251}));
    EXPECT_EQ(DialogRect(170, 150, 43, 13, kArialDialogFont), (Rect{255, 263, 320, 286}));
    // Across, the two fonts agree.
    EXPECT_EQ(DialogX(170, kArialDialogFont), DialogX(170));
}
