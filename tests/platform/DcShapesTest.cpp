// Arcs, pies and ellipses with Windows' conventions, and pages mapped from
// logical units onto devices of other sizes.
#include "platform/Dc.h"
#include "tests/support/Screen.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The first column (inclusive) of a rectangle that holds a pixel of a
// colour other than `background`; -1 when none.
int FirstInkColumn(const QImage& image, const QRect& area, COLORREF background)
{
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (PixelOf(image, x, y) != background)
                return x;
        }
    }
    return -1;
}

bool HasInk(const QImage& image, const QRect& area)
{
    return FirstInkRow(image, area, kWhite) != -1;
}

} // namespace

TEST(DcShapes, EllipsesFillTheirBoxWithoutItsRightAndBottomEdges)
{
    QImage image = Blank(120, 60);
    {
        Dc dc(&image);
        dc.SelectPen({PenStyle::Solid, 1, kRed});
        dc.SelectBrush({false, kBlue});
        dc.Ellipse(10, 10, 50, 30);
    }
    const QRect all = image.rect();
    EXPECT_EQ(FirstInkColumn(image, all, kWhite), 10);
    EXPECT_EQ(LastInkColumn(image, all, kWhite), 49);
    EXPECT_EQ(FirstInkRow(image, all, kWhite), 10);
    EXPECT_EQ(LastInkRow(image, all, kWhite), 29);
    // Outlined with the pen at the extremes, filled with the brush inside,
    // and round: the corners of the box stay clear.
    EXPECT_EQ(PixelOf(image, 10, 20), kRed);
    EXPECT_EQ(PixelOf(image, 49, 20), kRed);
    EXPECT_EQ(PixelOf(image, 30, 10), kRed);
    EXPECT_EQ(PixelOf(image, 30, 29), kRed);
    EXPECT_EQ(PixelOf(image, 30, 20), kBlue);
    EXPECT_EQ(PixelOf(image, 12, 12), kWhite);
    EXPECT_EQ(PixelOf(image, 47, 27), kWhite);

    // A hollow brush leaves the inside alone.
    image.fill(Qt::white);
    {
        Dc dc(&image);
        dc.SelectBrush({true});
        dc.Ellipse(10, 10, 50, 30);
    }
    EXPECT_EQ(PixelOf(image, 10, 20), kBlack);
    EXPECT_EQ(PixelOf(image, 30, 20), kWhite);
}

TEST(DcShapes, PiesRunCounterClockwiseFromTheFirstRadialToTheSecond)
{
    // A circle in (10, 10)-(110, 110): from three o'clock to twelve o'clock
    // is the upper right quarter.
    QImage image = Blank(120, 120);
    {
        Dc dc(&image);
        dc.SelectPen({PenStyle::Solid, 1, kRed});
        dc.SelectBrush({false, kBlue});
        dc.Pie(10, 10, 110, 110, 110, 60, 60, 10);
    }
    EXPECT_EQ(PixelOf(image, 85, 35), kBlue);
    EXPECT_EQ(PixelOf(image, 35, 35), kWhite);
    EXPECT_EQ(PixelOf(image, 35, 85), kWhite);
    EXPECT_EQ(PixelOf(image, 85, 85), kWhite);
    // Outlined with the pen: both radii and the arc between them.
    EXPECT_TRUE(ContainsColour(image, QRect(75, 58, 20, 4), kRed));
    EXPECT_TRUE(ContainsColour(image, QRect(58, 25, 4, 20), kRed));
    EXPECT_TRUE(ContainsColour(image, QRect(92, 22, 5, 5), kRed));
    EXPECT_FALSE(ContainsColour(image, QRect(70, 70, 30, 30), kRed));

    // The same two points the other way round: the other three quarters.
    image.fill(Qt::white);
    {
        Dc dc(&image);
        dc.SelectPen({PenStyle::Solid, 1, kRed});
        dc.SelectBrush({false, kBlue});
        dc.Pie(10, 10, 110, 110, 60, 10, 110, 60);
    }
    EXPECT_EQ(PixelOf(image, 85, 35), kWhite);
    EXPECT_EQ(PixelOf(image, 35, 35), kBlue);
    EXPECT_EQ(PixelOf(image, 35, 85), kBlue);
    EXPECT_EQ(PixelOf(image, 85, 85), kBlue);

    // The points only give directions: far outside the circle, or inside it.
    image.fill(Qt::white);
    {
        Dc dc(&image);
        dc.SelectPen({PenStyle::Null});
        dc.SelectBrush({false, kBlue});
        dc.Pie(10, 10, 110, 110, 61, 100, 1000, 60);
    }
    EXPECT_EQ(PixelOf(image, 85, 85), kBlue);
    EXPECT_EQ(PixelOf(image, 35, 85), kWhite);
    EXPECT_EQ(PixelOf(image, 85, 35), kWhite);
}

TEST(DcShapes, ArcsOfAFlatEllipseFollowTheTrueRadials)
{
    // Centre (110, 35), 200 x 50. The radials at 45 degrees up to the right
    // and up to the left cross the ellipse near (134, 11) and (86, 11).
    QImage image = Blank(220, 70);
    {
        Dc dc(&image);
        dc.Arc(10, 10, 210, 60, 160, -15, 60, -15);
    }
    EXPECT_TRUE(HasInk(image, QRect(108, 9, 5, 3)));
    EXPECT_TRUE(HasInk(image, QRect(124, 9, 6, 4)));
    EXPECT_TRUE(HasInk(image, QRect(90, 9, 6, 4)));
    // Nothing beyond the radials, and nothing of the lower half.
    EXPECT_FALSE(HasInk(image, QRect(140, 0, 80, 70)));
    EXPECT_FALSE(HasInk(image, QRect(0, 0, 80, 70)));
    EXPECT_FALSE(HasInk(image, QRect(0, 36, 220, 34)));

    // From the left radial round the bottom to the right one.
    image.fill(Qt::white);
    {
        Dc dc(&image);
        dc.Arc(10, 10, 210, 60, 60, -15, 160, -15);
    }
    EXPECT_FALSE(HasInk(image, QRect(100, 9, 20, 5)));
    EXPECT_TRUE(HasInk(image, QRect(108, 57, 5, 3)));
    EXPECT_EQ(FirstInkColumn(image, image.rect(), kWhite), 10);
    EXPECT_EQ(LastInkColumn(image, image.rect(), kWhite), 209);
    EXPECT_EQ(LastInkRow(image, image.rect(), kWhite), 59);
}

TEST(DcShapes, AnisotropicMappingPutsALogicalPageOntoTheDevice)
{
    // A report page of 630 x 791 logical units on a device 1.5 times as wide
    // and twice as high.
    constexpr int kWidth = 945;
    constexpr int kHeight = 1582;
    QImage page = Blank(kWidth, kHeight);
    Dc dc(&page);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(630, 791);
    dc.SetViewportExt(kWidth, kHeight);

    // The whole logical page covers the whole device.
    dc.FillSolidRect({0, 0, 630, 791}, kBlue);
    EXPECT_EQ(PixelOf(page, 0, 0), kBlue);
    EXPECT_EQ(PixelOf(page, kWidth - 1, kHeight - 1), kBlue);
    page.fill(Qt::white);

    // A filled box from (100, 200) to (300, 400) lands on (150, 400)-(450, 800).
    dc.SelectPen({PenStyle::Null});
    dc.SelectBrush({false, kRed});
    dc.Rectangle(100, 200, 300, 400);
    EXPECT_EQ(PixelOf(page, 150, 400), kRed);
    EXPECT_EQ(PixelOf(page, 449, 799), kRed);
    EXPECT_EQ(PixelOf(page, 149, 500), kWhite);
    EXPECT_EQ(PixelOf(page, 450, 500), kWhite);
    EXPECT_EQ(PixelOf(page, 300, 399), kWhite);
    EXPECT_EQ(PixelOf(page, 300, 800), kWhite);

    // Its outline runs along the device pixels at its edges, leaving out
    // only the last device column and row, as the fill does.
    page.fill(Qt::white);
    dc.SelectPen({PenStyle::Solid, 1, kBlack});
    dc.SelectBrush({true});
    dc.Rectangle(100, 200, 300, 400);
    EXPECT_EQ(PixelOf(page, 150, 600), kBlack);
    EXPECT_EQ(PixelOf(page, 449, 600), kBlack);
    EXPECT_EQ(PixelOf(page, 300, 400), kBlack);
    EXPECT_EQ(PixelOf(page, 300, 799), kBlack);
    EXPECT_EQ(PixelOf(page, 448, 600), kWhite);
    EXPECT_EQ(PixelOf(page, 300, 798), kWhite);

    // A line across the page at y 500 is on device row 1000, and leaves out
    // only the last device pixel.
    dc.MoveTo(0, 500);
    dc.LineTo(630, 500);
    EXPECT_EQ(FirstInkRow(page, QRect(0, 900, kWidth, 200), kWhite), 1000);
    EXPECT_EQ(LastInkRow(page, QRect(0, 900, kWidth, 200), kWhite), 1000);
    EXPECT_EQ(PixelOf(page, 0, 1000), kBlack);
    EXPECT_EQ(PixelOf(page, kWidth - 1, 1000), kBlack);
    dc.MoveTo(0, 0);
    dc.LineTo(0, 100);
    EXPECT_EQ(PixelOf(page, 0, 199), kBlack);
    EXPECT_EQ(PixelOf(page, 0, 200), kWhite);

    // An ellipse of the whole page touches the device's edges.
    page.fill(Qt::white);
    dc.SelectBrush({true});
    dc.Ellipse(0, 0, 630, 791);
    EXPECT_EQ(FirstInkColumn(page, QRect(0, 780, kWidth, 20), kWhite), 0);
    EXPECT_EQ(LastInkColumn(page, QRect(0, 780, kWidth, 20), kWhite), kWidth - 1);
    EXPECT_EQ(FirstInkRow(page, QRect(460, 0, 20, kHeight), kWhite), 0);
    EXPECT_EQ(LastInkRow(page, QRect(460, 0, 20, kHeight), kWhite), kHeight - 1);
    EXPECT_EQ(PixelOf(page, 472, 791), kWhite);

    // A pie of the page's upper right quarter fills that quarter of the device.
    page.fill(Qt::white);
    dc.SelectPen({PenStyle::Solid, 1, kRed});
    dc.SelectBrush({false, kBlue});
    dc.Pie(0, 0, 630, 791, 630, 395, 315, 0);
    EXPECT_EQ(PixelOf(page, 700, 400), kBlue);
    EXPECT_EQ(PixelOf(page, 240, 400), kWhite);
    EXPECT_EQ(PixelOf(page, 700, 1200), kWhite);
    EXPECT_EQ(LastInkColumn(page, QRect(0, 780, kWidth, 10), kWhite), kWidth - 1);

    // The viewport origin is in device pixels.
    page.fill(Qt::white);
    dc.SetViewportOrg(30, 40);
    dc.SelectPen({PenStyle::Null});
    dc.SelectBrush({false, kRed});
    dc.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(PixelOf(page, 29, 45), kWhite);
    EXPECT_EQ(PixelOf(page, 30, 40), kRed);
    EXPECT_EQ(PixelOf(page, 44, 59), kRed);
    EXPECT_EQ(PixelOf(page, 45, 59), kWhite);
    EXPECT_EQ(PixelOf(page, 44, 60), kWhite);
}

TEST(DcShapes, TextOnAMappedPageIsSizedInLogicalUnits)
{
    // Twice the logical size both ways: a 20-unit font stands 40 pixels high.
    QImage page = Blank(1260, 1582);
    Dc dc(&page);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(630, 791);
    dc.SetViewportExt(1260, 1582);
    dc.SelectFont({"Arial", 20, FW_BOLD});
    dc.SetBkMode(TRANSPARENT);
    const Size extent = dc.GetTextExtent("Hg");
    EXPECT_EQ(extent.cy, 20);
    dc.TextOut(100, 300, "Hg");

    const QRect area(0, 500, 1260, 200);
    EXPECT_GE(FirstInkRow(page, area, kWhite), 600);
    EXPECT_LE(FirstInkRow(page, area, kWhite), 612);
    EXPECT_GT(LastInkRow(page, area, kWhite), 625);
    EXPECT_LT(LastInkRow(page, area, kWhite), 640);
    EXPECT_GE(FirstInkColumn(page, area, kWhite), 200);
    EXPECT_LE(FirstInkColumn(page, area, kWhite), 206);
    EXPECT_NEAR(LastInkColumn(page, area, kWhite), 200 + 2 * extent.cx, 8);
}
