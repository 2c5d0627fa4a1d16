// Off-screen bitmaps: a picture drawn into one reaches a window only when
// it is copied there, whole.
#include "platform/MemoryBitmap.h"
#include "platform/Window.h"
#include "tests/support/Driver.h"
#include "tests/support/Screen.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kRed = RGB(255, 0, 0);

// A window that shows an off-screen picture at (0, 0) when it paints.
class Picture : public Window {
public:
    MemoryBitmap chart{200, 120};

protected:
    void OnPaint(Dc& dc) override
    {
        dc.FillSolidRect(GetClientRect(), kWhite);
        dc.BitBlt(0, 0, 200, 120, chart.GetBitmap(), 0, 0);
    }
};

} // namespace

TEST(MemoryBitmap, DrawsOffScreenInThirtyTwoBits)
{
    MemoryBitmap bitmap(500, 344);
    EXPECT_EQ(bitmap.GetSize(), (Size{500, 344}));
    EXPECT_EQ(bitmap.GetBitmap().BitsPerPixel(), 32);
    EXPECT_EQ(bitmap.GetBitmap().PixelAt(0, 0), kBlack);
    EXPECT_EQ(bitmap.GetBitmap().PixelAt(499, 343), kBlack);

    Dc& dc = bitmap.GetDc();
    dc.FillSolidRect({0, 0, 500, 344}, kNavy);
    dc.SelectBrush({false, kRed});
    dc.SelectPen({PenStyle::Null});
    dc.Rectangle(280, 85, 470, 155);
    EXPECT_EQ(bitmap.GetBitmap().PixelAt(279, 100), kNavy);
    EXPECT_EQ(bitmap.GetBitmap().PixelAt(280, 100), kRed);
    EXPECT_EQ(bitmap.GetBitmap().PixelAt(469, 154), kRed);
    EXPECT_EQ(bitmap.GetBitmap().PixelAt(470, 154), kNavy);

    // The context keeps what was selected into it from one use to the next.
    EXPECT_EQ(&bitmap.GetDc(), &dc);
    bitmap.GetDc().Rectangle(0, 0, 10, 10);
    EXPECT_EQ(bitmap.GetBitmap().PixelAt(5, 5), kRed);
}

TEST(MemoryBitmap, ReachesTheWindowOnlyWhenCopied)
{
    Picture window;
    window.MoveWindow(40, 40, 240, 160);
    window.chart.GetDc().FillSolidRect({0, 0, 200, 120}, kNavy);
    window.ShowWindow(SW_SHOW);
    Driver::Settle(20);
    QImage shown = Grab(window);
    EXPECT_EQ(PixelOf(shown, 0, 0), kNavy);
    EXPECT_EQ(PixelOf(shown, 199, 119), kNavy);
    EXPECT_EQ(PixelOf(shown, 200, 119), kWhite);

    // Drawing off screen leaves the window as it was ...
    window.chart.GetDc().FillSolidRect({50, 20, 150, 100}, kRed);
    shown = Grab(window);
    EXPECT_EQ(PixelOf(shown, 100, 60), kNavy);

    // ... until the picture is copied, whole or in part.
    {
        ClientDc dc(&window);
        dc.BitBlt(0, 0, 100, 120, window.chart.GetBitmap(), 0, 0);
    }
    shown = Grab(window);
    EXPECT_EQ(PixelOf(shown, 60, 60), kRed);
    EXPECT_EQ(PixelOf(shown, 120, 60), kNavy);
    {
        ClientDc dc(&window);
        dc.BitBlt(140, 130, 60, 20, window.chart.GetBitmap(), 120, 10);
    }
    shown = Grab(window);
    EXPECT_EQ(PixelOf(shown, 140, 139), kNavy);
    EXPECT_EQ(PixelOf(shown, 140, 140), kRed);
    EXPECT_EQ(PixelOf(shown, 169, 149), kRed);
    EXPECT_EQ(PixelOf(shown, 170, 149), kNavy);
    window.Invalidate();
    shown = Grab(window);
    EXPECT_EQ(PixelOf(shown, 120, 60), kRed);
}
