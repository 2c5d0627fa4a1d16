// Drawing with Windows' conventions: text from the top of its cell, shapes
// without their right and bottom edges, origins and clipping.
#include "platform/Dc.h"
#include "platform/Font.h"
#include "platform/QtBridge.h"
#include "tests/support/Recorders.h"
#include "tests/support/Screen.h"

#include <QFont>
#include <QImage>
#include <QRawFont>
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

// An added font file is read when text is first measured or drawn; the
// face is known by its alias from then on, and not after it is withdrawn,
// even when it is withdrawn before ever being read.
TEST(Dc, AddedFontFilesGoByTheirAliasUntilWithdrawn)
{
    const std::string file = FISCOVA_PROGRAM_DIR "/handelgb.ttf";
    const QString family = QRawFont(QString::fromStdString(file), 12.0).familyName();
    ASSERT_FALSE(family.isEmpty());
    const Font aliased{"Fiscova Test Heading", 20, FW_BOLD};

    EXPECT_FALSE(AddFontResource(FISCOVA_PROGRAM_DIR "/nosuch.ttf", "Fiscova Test Heading"));
    ASSERT_TRUE(AddFontResource(file, "Fiscova Test Heading"));
    EXPECT_EQ(ToQFont(aliased).family(), family);
    QImage image = Blank();
    {
        Dc dc(&image);
        dc.SelectFont(aliased);
        EXPECT_GT(dc.GetTextExtent("Net Worth").cx, 0);
    }
    EXPECT_TRUE(RemoveFontResource(file));
    EXPECT_NE(ToQFont(aliased).family(), family);
    EXPECT_FALSE(RemoveFontResource(file));

    ASSERT_TRUE(AddFontResource(file, "Fiscova Test Heading"));
    EXPECT_TRUE(RemoveFontResource(file));
    EXPECT_NE(ToQFont(aliased).family(), family);
    EXPECT_FALSE(RemoveFontResource(file));
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

TEST(Dc, LinesTooWideAreCondensedJustEnoughOrReported)
{
    TextOverflowRecorder overflows;
    const std::string line = "Every line stands whole in the space it is drawn in";
    QImage image = Blank(900, 30);
    const QRect everything(0, 0, 900, 30);
    Dc dc(&image);
    dc.SetOwnerName("the test page");
    dc.SelectFont({"Arial", 16});
    dc.SetBkMode(TRANSPARENT);
    const int natural = dc.GetTextExtent(line).cx;

    // Room for the whole line: drawn at its own width.
    dc.TextOut(10, 5, line);
    const int naturalEnd = LastInkColumn(image, everything, kWhite);
    EXPECT_GT(naturalEnd, 10 + natural - 6);

    // A column 8 % narrower: condensed to end inside it, not far before it.
    image.fill(Qt::white);
    const int column = 10 + natural * 92 / 100;
    dc.SetTextRight(column);
    dc.TextOut(10, 5, line);
    const int condensedEnd = LastInkColumn(image, everything, kWhite);
    EXPECT_LT(condensedEnd, column);
    EXPECT_GT(condensedEnd, column - natural * 3 / 100);
    EXPECT_TRUE(overflows.overflows.empty());

    // Half the room: no narrower than 85 %, and reported with where and by how much.
    dc.SetTextRight(10 + natural / 2);
    dc.TextOut(10, 5, line);
    ASSERT_EQ(overflows.overflows.size(), 1u);
    EXPECT_EQ(overflows.overflows[0].owner, "the test page");
    EXPECT_EQ(overflows.overflows[0].text, line);
    EXPECT_NEAR(overflows.overflows[0].overshoot, natural * 85 / 100 - natural / 2, natural / 50 + 2);

    // The surface's own edge counts too, from wherever the line is aligned.
    dc.SetTextRight(Dc::kSurfaceEdge);
    dc.SetTextAlign(TA_RIGHT);
    dc.TextOut(natural / 2, 5, line);
    ASSERT_EQ(overflows.overflows.size(), 2u);
    dc.SetTextAlign(TA_CENTER);
    dc.TextOut(450, 5, line);
    EXPECT_EQ(overflows.overflows.size(), 2u);

    // A line that ends at its x keeps right of a column's left edge.
    image.fill(Qt::white);
    dc.SetTextAlign(TA_RIGHT);
    const int left = 800 - natural * 92 / 100;
    dc.SetTextLeft(left);
    dc.TextOut(800, 5, line);
    EXPECT_EQ(LastInkColumn(image, QRect(0, 0, left, 30), kWhite), -1);
    EXPECT_GT(LastInkColumn(image, everything, kWhite), 790);
    EXPECT_EQ(overflows.overflows.size(), 2u);
}

TEST(Dc, ScaledPagesMeasureLinesInTheirOwnUnits)
{
    TextOverflowRecorder overflows;
    QImage page = Blank(300, 400); // a page of 600 logical units across
    Dc dc(&page);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(600, 800);
    dc.SetViewportExt(300, 400);
    dc.SelectFont({"Arial", 40});
    const std::string line = "A report line of some length";
    const int natural = dc.GetTextExtent(line).cx;
    ASSERT_LT(natural, 580);
    ASSERT_GT(natural, 300);
    dc.TextOut(10, 10, line);
    EXPECT_TRUE(overflows.overflows.empty());
    dc.TextOut(600 - natural * 85 / 100 + 20, 60, line);
    EXPECT_EQ(overflows.overflows.size(), 1u);
}
