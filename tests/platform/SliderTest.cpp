// Track bars: the user's keys, drags and clicks reach the owner as
// horizontal scroll notifications; a click on the track moves the thumb
// straight there.
#include "platform/Slider.h"
#include "platform/Keys.h"
#include "platform/Window.h"
#include "tests/support/Driver.h"
#include "tests/support/Recorders.h"
#include "tests/support/Screen.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace platform;

namespace {

using Notification = std::pair<UINT, int>;
using Notifications = std::vector<Notification>;

// A shown window with a slider 260 pixels long that logs its notifications,
// each with the position GetPos gave while it ran.
struct Form {
    Window window;
    Slider slider{&window};
    Notifications heard;
    std::vector<int> readBack;

    Form()
    {
        window.MoveWindow(40, 40, 300, 60);
        slider.MoveWindow(20, 10, 260, 30);
        slider.SetScrollHandler([this](UINT code, int position) {
            heard.emplace_back(code, position);
            readBack.push_back(slider.GetPos());
        });
        window.ShowWindow(SW_SHOW);
        EXPECT_TRUE(Driver::Activate(window));
        slider.SetFocus();
    }
    // Takes what was heard since the last call.
    Notifications Heard()
    {
        for (size_t i = 0; i < heard.size(); ++i)
            EXPECT_EQ(readBack[i], heard[i].second) << "notification " << i;
        readBack.clear();
        return std::exchange(heard, {});
    }
    void Key(Qt::Key key) { QTest::keyClick(slider.Widget(), key); }
    QWidget* Bar() const { return slider.Widget(); }
};

} // namespace

TEST(Slider, KeysMoveByLinesPagesAndToTheEndsAsOnWindows)
{
    Form form;
    EXPECT_EQ(form.slider.GetRangeMin(), 0);
    EXPECT_EQ(form.slider.GetRangeMax(), 100);
    EXPECT_EQ(form.slider.GetPageSize(), 20);

    // The program's own moves are not reported, and stay inside the range.
    form.slider.SetPos(37);
    EXPECT_EQ(form.slider.GetPos(), 37);
    form.slider.SetPos(140);
    EXPECT_EQ(form.slider.GetPos(), 100);
    form.slider.SetPos(37);
    EXPECT_TRUE(form.Heard().empty());

    form.Key(Qt::Key_Right);
    EXPECT_EQ(form.Heard(), (Notifications{{SB_LINERIGHT, 38}, {SB_ENDSCROLL, 38}}));
    form.Key(Qt::Key_Down);
    EXPECT_EQ(form.Heard(), (Notifications{{SB_LINERIGHT, 39}, {SB_ENDSCROLL, 39}}));
    form.Key(Qt::Key_Up);
    form.Key(Qt::Key_Left);
    EXPECT_EQ(form.Heard(),
              (Notifications{{SB_LINELEFT, 38}, {SB_ENDSCROLL, 38}, {SB_LINELEFT, 37}, {SB_ENDSCROLL, 37}}));
    form.Key(Qt::Key_PageDown);
    form.Key(Qt::Key_PageUp);
    form.Key(Qt::Key_PageUp);
    EXPECT_EQ(form.Heard(), (Notifications{{SB_PAGERIGHT, 57},
                                           {SB_ENDSCROLL, 57},
                                           {SB_PAGELEFT, 37},
                                           {SB_ENDSCROLL, 37},
                                           {SB_PAGELEFT, 17},
                                           {SB_ENDSCROLL, 17}}));
    form.slider.SetPageSize(10);
    form.Key(Qt::Key_PageUp);
    form.Key(Qt::Key_PageUp);
    form.Key(Qt::Key_End);
    form.Key(Qt::Key_Home);
    EXPECT_EQ(form.Heard(), (Notifications{{SB_PAGELEFT, 7},
                                           {SB_ENDSCROLL, 7},
                                           {SB_PAGELEFT, 0},
                                           {SB_ENDSCROLL, 0},
                                           {SB_RIGHT, 100},
                                           {SB_ENDSCROLL, 100},
                                           {SB_LEFT, 0},
                                           {SB_ENDSCROLL, 0}}));

    // The owner sees keys first and may keep them from the slider.
    std::vector<UINT> keys;
    form.slider.SetKeyHandler([&](UINT key) {
        keys.push_back(key);
        return key == VK_DOWN;
    });
    form.Key(Qt::Key_Down);
    EXPECT_TRUE(form.Heard().empty());
    form.Key(Qt::Key_Right);
    EXPECT_EQ(form.Heard(), (Notifications{{SB_LINERIGHT, 1}, {SB_ENDSCROLL, 1}}));
    EXPECT_EQ(keys, (std::vector<UINT>{VK_DOWN, VK_RIGHT}));
}

TEST(Slider, AClickOnTheTrackMovesThePageTowardsIt)
{
    Form form;
    const int width = form.Bar()->width();
    QTest::mouseClick(form.Bar(), Qt::LeftButton, Qt::NoModifier, QPoint(width * 3 / 4, 15));
    EXPECT_EQ(form.slider.GetPos(), 20);
    EXPECT_EQ(form.Heard(), (Notifications{{SB_PAGERIGHT, 20}, {SB_ENDSCROLL, 20}}));
    QTest::mouseClick(form.Bar(), Qt::LeftButton, Qt::NoModifier, QPoint(width * 3 / 4, 15));
    EXPECT_EQ(form.slider.GetPos(), 40);
    QTest::mouseClick(form.Bar(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 15));
    EXPECT_EQ(form.slider.GetPos(), 20);
    EXPECT_EQ(form.Heard(),
              (Notifications{{SB_PAGERIGHT, 40}, {SB_ENDSCROLL, 40}, {SB_PAGELEFT, 20}, {SB_ENDSCROLL, 20}}));

    // Held down, it goes on until the thumb is where the button is.
    QTest::mousePress(form.Bar(), Qt::LeftButton, Qt::NoModifier, QPoint(width * 3 / 4, 15));
    EXPECT_TRUE(Driver::Until([&] { return form.slider.GetPos() > 40; }, 3000));
    Driver::Settle(700);
    QTest::mouseRelease(form.Bar(), Qt::LeftButton, Qt::NoModifier, QPoint(width * 3 / 4, 15));
    const int held = form.slider.GetPos();
    EXPECT_NEAR(held, 75, 4);
    const Notifications heard = form.Heard();
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back(), (Notification{SB_ENDSCROLL, held}));
}

TEST(Slider, AClickFarFromTheThumbCanTakeItStraightThere)
{
    Form form;
    form.slider.SetJumpBeyond(6);
    const int width = form.Bar()->width();
    int previous = -1;
    for (int percent : {75, 25, 50, 100, 0}) {
        SCOPED_TRACE(percent);
        const int x = std::clamp(width * percent / 100, 1, width - 2);
        QTest::mouseClick(form.Bar(), Qt::LeftButton, Qt::NoModifier, QPoint(x, 15));
        const int position = form.slider.GetPos();
        // Not a page step towards the click: close to the clicked place.
        EXPECT_NEAR(position, percent, 6);
        EXPECT_NE(position, previous);
        EXPECT_EQ(form.Heard(),
                  (Notifications{
                      {SB_THUMBTRACK, position}, {SB_THUMBPOSITION, position}, {SB_ENDSCROLL, position}}));
        previous = position;
    }

    // A disabled slider takes no clicks.
    form.slider.EnableWindow(false);
    QTest::mouseClick(form.Bar(), Qt::LeftButton, Qt::NoModifier, QPoint(width / 2, 15));
    EXPECT_EQ(form.slider.GetPos(), previous);
    EXPECT_TRUE(form.Heard().empty());
}

TEST(Slider, DraggingTheThumbTracksItThenReportsWhereItStopped)
{
    Form form;
    QWidget* bar = form.Bar();
    // A press on the thumb in the middle moves nothing.
    form.slider.SetPos(50);
    const int middle = form.slider.GetPos();

    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 15));
    EXPECT_EQ(form.slider.GetPos(), middle);
    for (int dx : {10, 20, 40})
        SendMouseMove(bar, QPoint(bar->width() / 2 + dx, 15), Qt::LeftButton);
    const int dragged = form.slider.GetPos();
    EXPECT_GT(dragged, middle + 10);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2 + 40, 15));

    const Notifications heard = form.Heard();
    ASSERT_GE(heard.size(), 4u);
    for (size_t i = 0; i + 2 < heard.size(); ++i)
        EXPECT_EQ(heard[i].first, SB_THUMBTRACK);
    EXPECT_EQ(heard[heard.size() - 3].second, dragged);
    EXPECT_EQ(heard[heard.size() - 2], (Notification{SB_THUMBPOSITION, dragged}));
    EXPECT_EQ(heard.back(), (Notification{SB_ENDSCROLL, dragged}));
}

TEST(Slider, PaintsItsBackgroundInTheOwnersColour)
{
    Form form;
    const QImage plain = Grab(form.window);
    // The corner of the control, away from the track and the thumb.
    EXPECT_EQ(PixelOf(plain, 21, 11), RGB(255, 255, 255));
    form.slider.SetBackgroundColor(RGB(0, 0, 128));
    const QImage navy = Grab(form.window);
    EXPECT_EQ(PixelOf(navy, 21, 11), RGB(0, 0, 128));
    EXPECT_EQ(PixelOf(navy, 278, 38), RGB(0, 0, 128));
    EXPECT_EQ(PixelOf(navy, 19, 11), RGB(255, 255, 255));
    // The track and the thumb are still drawn over it.
    int otherPixels = 0;
    for (int y = 10; y < 40; ++y) {
        for (int x = 20; x < 280; ++x)
            otherPixels += PixelOf(navy, x, y) != RGB(0, 0, 128);
    }
    EXPECT_GT(otherPixels, 200);
}
