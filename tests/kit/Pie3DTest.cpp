// The pie on its rim: where the boundaries point, and that each slice shows
// its colour on top and, in front, down its rim to a black edge.
#include "kit/Pie3D.h"

#include "tests/support/Screen.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace platform;

TEST(Pie3D, BoundariesGoRoundCounterClockwiseFromTheRight)
{
    EXPECT_EQ(PieBoundary(0), (Point{30, 0}));   // right
    EXPECT_EQ(PieBoundary(23), (Point{1, -29})); // a quarter of the way is nearly straight up
    EXPECT_EQ(PieBoundary(50), (Point{-25, 5})); // just past left
    EXPECT_EQ(PieBoundary(75), (Point{7, 33}));  // down, a little right
    EXPECT_EQ(PieBoundary(100), (Point{40, 0})); // right again
    // Every boundary of a growing share lies further round than the one before.
    const auto angle = [](Point p) {
        const double a = std::atan2(-p.y, p.x);
        return a < -1e-9 ? a + 2 * M_PI : a;
    };
    for (int percent = 1; percent < 100; ++percent)
        EXPECT_GE(angle(PieBoundary(percent)), angle(PieBoundary(percent - 1))) << percent;
}

TEST(Pie3D, SlicesShowTheirColoursOnTopAndDownTheirRims)
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    const Pie3D pie{{20, 40, 180, 100}, 20};
    const Point boundaries[] = {kPieStart, PieBoundary(50), kPieStart};
    const COLORREF colours[] = {RGB(0, 255, 0), RGB(255, 0, 0)};
    {
        Dc dc(&image, true);
        DrawPie3D(dc, pie, boundaries, colours);
    }
    // The top lies on the ellipse raised by the depth: centre (100, 50).
    EXPECT_EQ(PixelOf(image, 100, 32), RGB(0, 255, 0)); // upper half: the first slice
    EXPECT_EQ(PixelOf(image, 100, 68), RGB(255, 0, 0)); // lower half: the second
    // Below the top, in front, the rim of the second slice, then its black edge.
    EXPECT_EQ(PixelOf(image, 100, 88), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(image, 100, 99), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(image, 100, 101), RGB(255, 255, 255));
    // The slices' tops are outlined: a black line along the top's edge.
    EXPECT_EQ(PixelOf(image, 100, 20), RGB(0, 0, 0));
    // Nothing of the rim shows behind the top.
    EXPECT_EQ(PixelOf(image, 100, 18), RGB(255, 255, 255));
}
