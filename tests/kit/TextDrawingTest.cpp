// Headings and text blocks: colours, completions and line spacing.
#include "kit/TextDrawing.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Screen.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

QImage Blank()
{
    QImage image(512, 434, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The first inked row at or below `from` in the column band x 0-300.
int InkFrom(const QImage& image, int from)
{
    return FirstInkRow(image, QRect(0, from, 300, 434 - from), kWhite);
}

// The first inked row of the next line of text after the one inked at `row`.
int NextLine(const QImage& image, int row)
{
    while (FirstInkRow(image, QRect(0, row, 300, 1), kWhite) == row)
        ++row;
    return InkFrom(image, row);
}

int RightmostInk(const QImage& image, const QRect& area)
{
    for (int x = area.right(); x >= area.left(); --x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (PixelOf(image, x, y) != kWhite)
                return x;
        }
    }
    return -1;
}

} // namespace

TEST(TextDrawing, TextBlockSpacesLinesAndEmptyLines)
{
    FakeApp app;
    QImage one = Blank();
    {
        Dc dc(&one);
        DrawTextBlock(dc, {"Xx"});
    }
    const int first = InkFrom(one, 0);
    ASSERT_GE(first, 45);
    ASSERT_LT(first, 60);

    // An empty line that is not the first advances 6 pixels.
    QImage gap = Blank();
    {
        Dc dc(&gap);
        DrawTextBlock(dc, {"Xx", "", "Xx"});
    }
    EXPECT_EQ(NextLine(gap, first), first + 15 + 6);

    // An empty first line advances 15.
    QImage lead = Blank();
    {
        Dc dc(&lead);
        DrawTextBlock(dc, {"", "Xx"});
    }
    EXPECT_EQ(InkFrom(lead, 0), first + 15);

    // Consecutive lines are 15 apart; the small font draws too.
    QImage two = Blank();
    {
        Dc dc(&two);
        DrawTextBlock(dc, {"Xx", "Xx"}, 2, true);
    }
    const int small = InkFrom(two, 0);
    EXPECT_GE(small, 45);
    EXPECT_EQ(NextLine(two, small), small + 15);
}

TEST(TextDrawing, ResultsBlockUnderlinesItsLinesAndHidesTheMarker)
{
    FakeApp app;
    QImage image = Blank();
    {
        Dc dc(&image);
        DrawTextBlock(dc, {"Your answers indicate that:", "You have good borrowing habits.", "ShowResults"});
    }
    const int heading = InkFrom(image, 0);
    ASSERT_GE(heading, 45);
    const int level = InkFrom(image, 60);
    EXPECT_GE(level, 61);
    EXPECT_LT(level, 66);
    // The level line is underlined: a long horizontal run of ink.
    int longestRun = 0;
    for (int y = 61; y < 78; ++y) {
        int run = 0;
        for (int x = 10; x < 300; ++x) {
            run = PixelOf(image, x, y) != kWhite ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
    }
    EXPECT_GT(longestRun, 150);
    // Nothing below the level line: the marker is not drawn.
    EXPECT_EQ(FirstInkRow(image, QRect(0, 80, 512, 100), kWhite), -1);
}

TEST(TextDrawing, HeadingTakesTheModuleColourAndCompletesItsTitles)
{
    FakeApp app;
    const struct {
        int module;
        COLORREF colour;
    } colours[] = {
        {ModuleAttitudes, RGB(128, 0, 0)}, {ModuleMoney, RGB(0, 0, 128)},    {ModuleCredit, RGB(128, 128, 0)},
        {ModuleHelp, RGB(128, 128, 128)},  {ModulePlanning, RGB(0, 128, 0)}, {ModuleMainMenu, RGB(0, 128, 0)},
    };
    for (const auto& c : colours) {
        app.Flags().currentModule = c.module;
        QImage image = Blank();
        {
            Dc dc(&image);
            DrawHeading(dc, "Introduction");
        }
        EXPECT_TRUE(ContainsColour(image, QRect(8, 15, 200, 24), c.colour, 8)) << "module " << c.module;
        EXPECT_GE(FirstInkRow(image, QRect(0, 0, 512, 100), kWhite), 15);
    }

    app.Flags().currentModule = ModulePlanning;
    QImage cut = Blank();
    QImage other = Blank();
    {
        Dc dc(&cut);
        DrawHeading(dc, "Saving & Investing Fundam");
        Dc dc2(&other);
        DrawHeading(dc2, "Saving & Investing Fundam ");
    }
    // Only the exact title is completed with "entals".
    EXPECT_GT(RightmostInk(cut, QRect(0, 10, 512, 30)), RightmostInk(other, QRect(0, 10, 512, 30)) + 30);

    app.Flags().currentModule = ModuleCredit;
    QImage pros = Blank();
    {
        Dc dc(&pros);
        DrawHeading(dc, "Advantages and Disadvantages of Using Credit");
    }
    EXPECT_NE(FirstInkRow(pros, QRect(10, 120, 150, 20), kWhite), -1);
    EXPECT_NE(FirstInkRow(pros, QRect(10, 222, 150, 20), kWhite), -1);
    EXPECT_EQ(FirstInkRow(pros, QRect(0, 45, 512, 70), kWhite), -1);
}
