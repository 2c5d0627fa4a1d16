// Drawing with Windows' conventions: text from the top of its cell, shapes
// without their right and bottom edges, origins and clipping.
#include "platform/Dc.h"
#include "tests/support/Screen.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

QImage Blank(int width = 120, int height = 60)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(Dc, TextHangsFromTheTopOfItsCell)
{
    for (const char* face : {"Arial", "MS Sans Serif", "Times New Roman", "Handel Gothic BT"}) {
        SCOPED_TRACE(face);
        QImage image = Blank();
        {
            Dc dc(&image);
            dc.SelectFont({face, 20, FW_BOLD});
            dc.SetBkMode(TRANSPARENT);
            EXPECT_EQ(dc.GetTextExtent("Hg").cy, 20);
            dc.TextOut(10, 20, "Hg");
        }
        // Ink starts at or below the top of the cell and ends inside it.
        const QRect area(0, 0, 120, 60);
        EXPECT_GE(FirstInkRow(image, area, kWhite), 20);
        EXPECT_LE(FirstInkRow(image, area, kWhite), 26);
        EXPECT_LT(LastInkRow(image, area, kWhite), 40);
    }

    // With baseline alignment the capitals stand on y.
    QImage image = Blank();
    {
        Dc dc(&image);
        dc.SelectFont({"Arial", 20});
        dc.SetTextAlign(TA_BASELINE);
        dc.TextOut(10, 30, "H");
    }
    EXPECT_EQ(LastInkRow(image, QRect(0, 0, 120, 60), kWhite), 29);
}

TEST(Dc, ShapesLeaveOutTheirLastPointAndEdges)
{
    QImage image = Blank();
    {
        Dc dc(&image);
        dc.MoveTo(0, 5);
        dc.LineTo(10, 5);
        dc.SelectBrush({false, kBlack});
        dc.Rectangle(20, 20, 30, 30);
        dc.FillSolidRect({40, 20, 50, 30}, RGB(255, 0, 0));
    }
    EXPECT_EQ(PixelOf(image, 9, 5), kBlack);
    EXPECT_EQ(PixelOf(image, 10, 5), kWhite);
    EXPECT_EQ(PixelOf(image, 29, 29), kBlack);
    EXPECT_EQ(PixelOf(image, 30, 25), kWhite);
    EXPECT_EQ(PixelOf(image, 25, 30), kWhite);
    EXPECT_EQ(PixelOf(image, 49, 29), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(image, 50, 29), kWhite);
}

TEST(Dc, OriginAndClipMoveAndLimitDrawing)
{
    QImage image = Blank();
    {
        Dc dc(&image);
        dc.SetViewportOrg(-128, -46);
        EXPECT_EQ(dc.GetViewportOrg().x, -128);
        dc.FillSolidRect({128, 46, 138, 56}, kBlack);
        dc.SetViewportOrg(0, 0);
        dc.IntersectClipRect({60, 0, 70, 10});
        dc.FillSolidRect({50, 0, 80, 20}, RGB(0, 0, 255));
    }
    EXPECT_EQ(PixelOf(image, 0, 0), kBlack);
    EXPECT_EQ(PixelOf(image, 9, 9), kBlack);
    EXPECT_EQ(PixelOf(image, 10, 10), kWhite);
    EXPECT_EQ(PixelOf(image, 65, 5), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(image, 55, 5), kWhite);
    EXPECT_EQ(PixelOf(image, 65, 15), kWhite);
}
