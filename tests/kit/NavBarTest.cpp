// Image buttons and the shared navigation bar: strict hit tests, press,
// hover and click as the pages rely on them.
#include "kit/NavBar.h"
#include "kit/VideoWindow.h"
#include "tests/support/FakeApp.h"

#include <gtest/gtest.h>

namespace {

class NavBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page = std::make_unique<platform::Window>(app.view.get());
        page->MoveWindow(128, 51, 512, 434);
        app.Nav().SetPage(page.get());
        for (int i = 0; i < NavBar::kButtons; ++i) {
            app.Nav().Button(i).SetSize(80, 27);
            app.Nav().Button(i).Enable(false);
        }
    }
    ImageButton& Button(int i) { return app.Nav().Button(i); }

    FakeApp app;
    std::unique_ptr<platform::Window> page;
};

} // namespace

TEST(ImageButton, PointsOnTheBorderMiss)
{
    ImageButton b;
    b.SetPosition(10, 20);
    b.SetSize(30, 40);
    EXPECT_FALSE(b.HitTest(10, 30));
    EXPECT_TRUE(b.HitTest(11, 30));
    EXPECT_TRUE(b.HitTest(39, 30));
    EXPECT_FALSE(b.HitTest(40, 30));
    EXPECT_FALSE(b.HitTest(20, 20));
    EXPECT_TRUE(b.HitTest(20, 59));
    EXPECT_FALSE(b.HitTest(20, 60));
    b.Enable(false);
    EXPECT_FALSE(b.HitTest(20, 30));
}

TEST_F(NavBarTest, ButtonsStandAtTheirPlaces)
{
    EXPECT_EQ(Button(0).X(), 8);
    EXPECT_EQ(Button(1).X(), 325);
    EXPECT_EQ(Button(2).X(), 413);
    EXPECT_EQ(Button(3).X(), 413);
    for (int i = 0; i < NavBar::kButtons; ++i)
        EXPECT_EQ(Button(i).Y(), 402);
}

TEST_F(NavBarTest, FirstButtonInIndexOrderWinsASharedPlace)
{
    app.Nav().EnableNavButton2(1);
    app.Nav().EnableNavButton3(7);
    app.Nav().NavPress(450, 410);
    EXPECT_EQ(Button(2).GetState(), ImageButton::Pressed);
    EXPECT_EQ(app.Nav().NavClick(450, 410), 2);
    EXPECT_EQ(Button(2).GetState(), ImageButton::Normal);
    EXPECT_FALSE(Button(2).IsPressed());
}

TEST_F(NavBarTest, ReleasingElsewhereClicksNothingAndClearsEveryPress)
{
    app.Nav().EnableNavButton0(1);
    app.Nav().EnableNavButton1(1);
    app.Nav().NavPress(20, 410);
    EXPECT_TRUE(Button(0).IsPressed());
    // The pointer leaves the button: it shows normal but stays pressed, and
    // shows pressed again when the pointer comes back.
    EXPECT_FALSE(app.Nav().NavHover(200, 300));
    EXPECT_EQ(Button(0).GetState(), ImageButton::Normal);
    EXPECT_TRUE(app.Nav().NavHover(20, 410));
    EXPECT_EQ(Button(0).GetState(), ImageButton::Pressed);

    EXPECT_EQ(app.Nav().NavClick(340, 410), -1);
    EXPECT_FALSE(Button(0).IsPressed());
    EXPECT_FALSE(Button(1).IsPressed());
    // A later release on the button clicks nothing: the press is gone.
    EXPECT_EQ(app.Nav().NavClick(20, 410), -1);
}

TEST_F(NavBarTest, InactiveButtonIgnoresPressAndClick)
{
    app.Nav().EnableNavButton1(1);
    Button(1).SetState(ImageButton::Inactive);
    app.Nav().NavPress(340, 410);
    EXPECT_EQ(Button(1).GetState(), ImageButton::Inactive);
    EXPECT_FALSE(Button(1).IsPressed());
    EXPECT_EQ(app.Nav().NavClick(340, 410), -1);
    EXPECT_EQ(Button(1).GetState(), ImageButton::Inactive);
    // Moving the pointer off it returns it to normal.
    app.Nav().NavHover(100, 100);
    EXPECT_EQ(Button(1).GetState(), ImageButton::Normal);
}

TEST_F(NavBarTest, HoverAnswersUntilThePointerLeaves)
{
    app.Nav().EnableNavButton1(1);
    EXPECT_FALSE(app.Nav().NavHover(100, 100));
    EXPECT_TRUE(app.Nav().NavHover(340, 410));
    EXPECT_EQ(Button(1).GetState(), ImageButton::Over);
    EXPECT_TRUE(app.Nav().NavHover(341, 411)); // resting on the same button
    EXPECT_FALSE(app.Nav().NavHover(100, 100));
    EXPECT_EQ(Button(1).GetState(), ImageButton::Normal);
    // Disabled buttons neither react nor draw.
    EXPECT_FALSE(app.Nav().NavHover(20, 410));
    EXPECT_EQ(app.Nav().NavClick(20, 410), -1);
}

TEST_F(NavBarTest, WhileAVideoShowsHoverIsAlwaysHotAndPressHidesIt)
{
    VideoWindow video(app.view.get());
    app.Windows().video = &video;
    app.view->ShowWindow(platform::SW_SHOW);
    video.ShowWindow(platform::SW_SHOW);
    app.Nav().EnableNavButton1(1);
    EXPECT_TRUE(app.Nav().NavHover(10, 10));
    EXPECT_EQ(Button(1).GetState(), ImageButton::Normal);
    app.Nav().NavPress(10, 10);
    EXPECT_FALSE(video.IsWindowVisible());
    app.Windows().video = nullptr;
}
