// The program shown at twice its size (this binary runs with FISCOVA_SCALE=2):
// the scale each screen gets, the world of 640x480 that every coordinate
// keeps, clicks that reach the same buttons through the window system, text
// and lines drawn at the screen's resolution and bitmaps scaled smoothly.
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "app/ModuleIntro.h"
#include "app/PageSets.h"
#include "pages/money/AssetsPage.h"
#include "platform/Bitmap.h"
#include "platform/DisplayScale.h"
#include "platform/MemoryBitmap.h"
#include "platform/System.h"
#include "platform/Window.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"
#include "tests/support/Screen.h"
#include "tests/support/TestProgram.h"

#include <QBuffer>
#include <QSet>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using namespace platform;
using namespace places;

namespace {

constexpr Size kWorld{640, 480};
constexpr int kScale = 2;

// Clicks at a point of the main window the way the window system delivers
// a click: to the top-level window at the screen's pixels, from where Qt
// finds the window under the point.
void ClickThroughWindowSystem(Window& frame, QPoint p)
{
    QWindow* window = frame.Widget()->windowHandle();
    QTest::mouseMove(window, p);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, p);
    Driver::Settle();
}

// A window that draws what a test gives it.
class Canvas : public Window {
public:
    Canvas() : Window(nullptr)
    {
        MoveWindow(0, 0, 200, 120);
        ShowWindow(SW_SHOW);
    }
    std::function<void(Dc&)> draw;

protected:
    void OnPaint(Dc& dc) override
    {
        dc.FillSolidRect(GetClientRect(), RGB(255, 255, 255));
        if (draw)
            draw(dc);
    }
};

// The window's backing image at the screen's pixels.
QImage Painted(Canvas& canvas)
{
    canvas.Invalidate();
    canvas.UpdateWindow();
    return canvas.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A bitmap from BMP bytes made of `image`.
Bitmap BitmapOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.LoadFromBmp(bytes.toStdString()));
    return bitmap;
}

} // namespace

TEST(DisplayScale, EachScreenGetsTheLargestScaleWithRoomToSpare)
{
    struct Case {
        Size screen;
        int scale;
    };
    const Case cases[] = {
        {{640, 480}, 1},   {{800, 600}, 1},   {{1024, 768}, 1},  {{1280, 960}, 1},
        {{1280, 1024}, 1}, {{1366, 768}, 1},  {{1440, 900}, 1},  {{1920, 1080}, 2},
        {{1920, 1200}, 2}, {{2560, 1440}, 2}, {{2560, 1600}, 3}, {{3840, 2160}, 4},
        {{5120, 2880}, 5}, {{7680, 4320}, 8}, {{1080, 1920}, 1}, {{0, 0}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseDisplayScale(kWorld, c.screen), c.scale) << c.screen.cx << "x" << c.screen.cy;
    // Without a world there is nothing to scale.
    EXPECT_EQ(ChooseDisplayScale({}, {3840, 2160}), 1);
}

TEST(DisplayScale, TheUserChoosesByOptionOrEnvironment)
{
    const auto ask = [](std::vector<const char*> args, const char* environment,
                        std::string* complaint = nullptr) {
        args.insert(args.begin(), "fiscova");
        return RequestedDisplayScale(static_cast<int>(args.size()), args.data(), environment, complaint);
    };
    EXPECT_EQ(ask({}, nullptr), std::nullopt);
    EXPECT_EQ(ask({"--scale", "3"}, nullptr), 3);
    EXPECT_EQ(ask({"--scale=2"}, nullptr), 2);
    EXPECT_EQ(ask({}, "4"), 4);
    EXPECT_EQ(ask({}, ""), std::nullopt);
    // The option wins over the environment.
    EXPECT_EQ(ask({"--scale", "1"}, "3"), 1);
    // What is not a whole number from 1 to 8 leaves the choice to the screen, and says why.
    for (const char* bad : {"0", "9", "2.5", "-1", "two", "", "12345"}) {
        std::string complaint;
        EXPECT_EQ(ask({"--scale", bad}, "2", &complaint), std::nullopt) << bad;
        EXPECT_NE(complaint.find("--scale \"" + std::string(bad) + "\" is not a whole number from 1 to 8"),
                  std::string::npos)
            << complaint;
    }
    std::string complaint;
    EXPECT_EQ(ask({"--scale"}, nullptr, &complaint), std::nullopt);
    EXPECT_FALSE(complaint.empty());
    complaint.clear();
    EXPECT_EQ(ask({}, "x", &complaint), std::nullopt);
    EXPECT_NE(complaint.find("FISCOVA_SCALE"), std::string::npos);
}

TEST(AtScaleTwo, TheProgramKeepsItsWorldAndShowsItTwiceAsLarge)
{
    ASSERT_EQ(DisplayScale(), kScale) << "run with FISCOVA_SCALE=2";
    MessageBoxRecorder boxes;
    RunningProgram program;
    CMainFrame& frame = *program.app().MainFrame();
    EXPECT_EQ(frame.GetClientRect(), (Rect{0, 0, 640, 480}));
    EXPECT_EQ(program.view().GetClientRect(), (Rect{0, 0, 640, 480}));
    EXPECT_EQ(frame.Widget()->devicePixelRatio(), kScale);
    // The screen is measured in the world's pixels too.
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), frame.Widget()->screen()->geometry().width());
    const QImage shown = Grab(frame);
    EXPECT_EQ(shown.size(), QSize(1280, 960));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(AtScaleTwo, ClicksAtTheWorldsCoordinatesReachTheSameButtons)
{
    MessageBoxRecorder boxes;
    RunningProgram program;
    CMainFrame& frame = *program.app().MainFrame();
    CFinView& view = program.view();
    Driver drive(frame);
    // The money item of the main menu, the first section button, the quick
    // analysis: the same places as at the world's own size.
    ClickThroughWindowSystem(frame, {kMenuItemX, MenuItemY(2)});
    ASSERT_TRUE(Driver::Until([&] { return view.Intro() && view.Intro()->IsWindowVisible(); }));
    ClickThroughWindowSystem(frame, {kSideX, kSectionY[1]});
    ASSERT_TRUE(Driver::Until([&] { return view.Chooser() && view.Chooser()->IsWindowVisible(); }));
    const ImageButton& quick = view.Chooser()->Choice(0);
    ClickThroughWindowSystem(
        frame, {kPageX + quick.X() + quick.Width() / 2, kPageY + quick.Y() + quick.Height() / 2});
    auto* assets = view.Pages().Get<AssetsPage>(PageId::Assets);
    ASSERT_TRUE(Driver::Until([&] { return assets && assets->IsWindowVisible(); }));
    // A field takes the focus and the typing where it is clicked; the
    // next button saves what was typed.
    const Rect cash = assets->QuickField(0).GetWindowRect();
    ClickThroughWindowSystem(frame, {kPageX + cash.left + 20, kPageY + cash.top + 10});
    drive.Type("1500");
    EXPECT_EQ(assets->QuickField(0).GetText(), "1500");
    ClickThroughWindowSystem(frame, kNavNext);
    ASSERT_TRUE(Driver::Until([&] { return !assets->IsWindowVisible(); }));
    EXPECT_EQ(program.folder().SavedRecord().quickAssets[0], 1500);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(AtScaleTwo, TextAndLinesAreDrawnAtTheScreensResolution)
{
    Canvas canvas;
    canvas.draw = [](Dc& dc) {
        dc.SelectFont(Font{"Arial", 16, FW_BOLD});
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(10, 10, "Fiscova saves");
        dc.SelectPen(Pen{PenStyle::Solid, 1, RGB(0, 0, 255)});
        dc.MoveTo(10, 60);
        dc.LineTo(110, 60);
        dc.SelectBrush(Brush{true});
        dc.Rectangle(120, 40, 150, 70);
    };
    const QImage image = Painted(canvas);
    ASSERT_EQ(image.size(), QSize(400, 240));
    // Glyphs have edges inside a world pixel: a picture drawn at the
    // world's size and enlarged would have none.
    int finerThanAWorldPixel = 0;
    for (int y = 20; y < 60; y += 2) {
        for (int x = 20; x < 200; x += 2) {
            if (image.pixel(x, y) != image.pixel(x + 1, y) || image.pixel(x, y) != image.pixel(x, y + 1))
                ++finerThanAWorldPixel;
        }
    }
    EXPECT_GT(finerThanAWorldPixel, 50);
    // A line of one world pixel is two screen pixels thick, crisp, on the
    // world pixels it covers at its own size: x 10 to 109 of row 60.
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_EQ(image.pixel(20, 120), blue);
    EXPECT_EQ(image.pixel(20, 121), blue);
    EXPECT_NE(image.pixel(20, 119), blue);
    EXPECT_NE(image.pixel(20, 122), blue);
    EXPECT_EQ(image.pixel(219, 120), blue);
    EXPECT_NE(image.pixel(220, 120), blue);
    // The rectangle's outline runs along world pixels 120 to 149 and 40 to 69.
    for (const QPoint p : {QPoint(240, 100), QPoint(241, 100), QPoint(299, 100), QPoint(298, 100),
                           QPoint(260, 80), QPoint(260, 81), QPoint(260, 139), QPoint(260, 138)})
        EXPECT_EQ(image.pixel(p), blue) << p.x() << "," << p.y();
    for (const QPoint p :
         {QPoint(239, 100), QPoint(242, 100), QPoint(300, 100), QPoint(260, 79), QPoint(260, 140)})
        EXPECT_EQ(image.pixel(p), qRgb(255, 255, 255)) << p.x() << "," << p.y();
}

TEST(AtScaleTwo, BitmapsAreScaledSmoothlyAndKeepTheirTransparentKey)
{
    // Black and white columns, and a red key in the middle of the second bitmap.
    QImage stripes(8, 8, QImage::Format_RGB32);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            stripes.setPixel(x, y, x < 4 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const Bitmap plain = BitmapOf(stripes);
    stripes.setPixel(2, 4, qRgb(255, 0, 0));
    const Bitmap keyed = BitmapOf(stripes);
    EXPECT_EQ(plain.GetSize(), (Size{8, 8}));

    Canvas canvas;
    canvas.draw = [&](Dc& dc) {
        dc.FillSolidRect({0, 0, 200, 120}, RGB(0, 128, 0));
        dc.BitBlt(10, 10, 8, 8, plain, 0, 0);
        dc.TransparentBlt(40, 10, 8, 8, keyed, 0, 0, RGB(255, 0, 0));
    };
    const QImage image = Painted(canvas);
    // Between the black and the white columns, greys that neither holds.
    QSet<QRgb> across;
    for (int x = 20; x < 36; ++x)
        across.insert(image.pixel(x, 28));
    EXPECT_GT(across.size(), 2) << "the bitmap was enlarged without smoothing";
    // The key shows the green beneath (smoothed with the black beside it),
    // with no red left.
    EXPECT_TRUE(ContainsColour(image, QRect(80 + 4, 20 + 8, 2, 2), RGB(0, 128, 0), 70));
    EXPECT_FALSE(ContainsColour(image, QRect(80, 20, 16, 16), RGB(255, 0, 0), 60));
}

TEST(AtScaleTwo, OffscreenBitmapsAreAsSharpAsTheWindows)
{
    MemoryBitmap surface(50, 30);
    EXPECT_EQ(surface.GetSize(), (Size{50, 30}));
    surface.GetDc().FillSolidRect({0, 0, 50, 30}, RGB(255, 255, 255));
    surface.GetDc().SelectFont(Font{"Arial", 16, FW_BOLD});
    surface.GetDc().TextOut(2, 2, "Aa");
    EXPECT_EQ(surface.GetBitmap().Image().size(), QSize(100, 60));
    EXPECT_EQ(surface.GetBitmap().PixelAt(40, 25), RGB(255, 255, 255));

    Canvas canvas;
    canvas.draw = [&](Dc& dc) { dc.BitBlt(0, 0, 50, 30, surface.GetBitmap(), 0, 0); };
    const QImage image = Painted(canvas);
    // Copied pixel for pixel: the screen shows what the bitmap holds.
    const QImage held = surface.GetBitmap().Image().convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            differing += image.pixel(x, y) != held.pixel(x, y);
    EXPECT_EQ(differing, 0);
}
