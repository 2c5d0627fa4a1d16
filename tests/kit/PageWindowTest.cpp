// A page built on the page base: background, heading, navigation bar and
// text block at their places, and the shared mouse handling.
#include "kit/PageWindow.h"
#include "kit/FEdit.h"
#include "kit/ModuleArtLoading.h"
#include "kit/NavBar.h"
#include "kit/TextDrawing.h"
#include "kit/ViewMessages.h"
#include "tests/support/Driver.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"
#include "tests/support/Screen.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class SamplePage : public PageWindow {
public:
    using PageWindow::PageWindow;
    int shown = 0;
    int hidden = 0;

protected:
    void OnPageShown() override { ++shown; }
    void OnPageHidden() override { ++hidden; }
    void OnPaint(Dc& dc) override
    {
        App().Art().DrawModuleBackground(dc);
        DrawHeading(dc, "Sample Page");
        NavBar& nav = App().Nav();
        nav.EnableNavButton0(0);
        nav.EnableNavButton1(1);
        nav.EnableNavButton2(1);
        nav.EnableNavButton3(0);
        nav.DrawNavBar(dc);
        DrawTextBlock(dc, {"The first line of the page.", "The second line."});
    }
};

// A page with one money field, which it stores when it is hidden, as every
// worksheet does; it notes what happened in which order.
class FieldPage : public PageWindow {
public:
    explicit FieldPage(Window* view) : PageWindow(view) { field.MoveWindow(20, 60, 100, 20); }
    FEdit field{this};
    std::vector<std::string> events;

protected:
    void OnPageHidden() override { events.push_back("stored " + field.GetText()); }
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == WM_FIELD_LEFT)
            events.push_back("left " + field.GetText());
        return PageWindow::WindowProc(message, w, l);
    }
};

// Counts the view's hover resets.
class CountingView : public Window {
public:
    int resets = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == VM_RESET_HOVER)
            ++resets;
        return Window::WindowProc(message, w, l);
    }
};

class PageWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.SetView(std::make_unique<CountingView>());
        app.view->MoveWindow(0, 0, 640, 480);
        app.view->ShowWindow(SW_SHOW);
        app.Flags().currentModule = ModuleMoney;
        app.Art().LoadSectionModule("manym.dll");
        LoadModuleArt();
        page = std::make_unique<SamplePage>(app.view.get());
    }
    void TearDown() override { page.reset(); }

    FakeApp app{FISCOVA_PROGRAM_DIR "/"};
    MessageBoxRecorder boxes;
    std::unique_ptr<SamplePage> page;
};

} // namespace

TEST_F(PageWindowTest, ShownPageFillsThePageAreaWithItsParts)
{
    page->ShowWindow(SW_SHOW);
    EXPECT_EQ(page->shown, 1);
    EXPECT_EQ(page->GetWindowRect(), (Rect{128, 51, 640, 485}));
    EXPECT_EQ(app.Nav().Page(), page.get());

    const QImage image = Grab(*page);
    image.save(QString::fromStdString(std::string(FISCOVA_BINARY_DIR) + "/sample-page.png"));
    // The module background, shifted so that page (0,0) shows its (128,46).
    const Bitmap& background = app.Art().ModuleBackground();
    EXPECT_EQ(PixelOf(image, 300, 200), background.PixelAt(428, 246));
    EXPECT_EQ(PixelOf(image, 500, 300), background.PixelAt(628, 346));
    // The heading in the money module's navy.
    EXPECT_TRUE(ContainsColour(image, QRect(8, 15, 150, 22), RGB(0, 0, 128), 10));
    // The enabled navigation buttons show their normal picture, the others nothing.
    const Bitmap& back = app.Nav().Button(1).BitmapOf(ImageButton::Normal);
    ASSERT_FALSE(back.IsEmpty());
    EXPECT_EQ(PixelOf(image, 325 + back.GetSize().cx / 2, 402 + back.GetSize().cy / 2),
              back.PixelAt(back.GetSize().cx / 2, back.GetSize().cy / 2));
    EXPECT_EQ(PixelOf(image, 40, 415), background.PixelAt(168, 415 + 46 - 51 + 51));
    // The text block in black from y 45.
    EXPECT_TRUE(ContainsColour(image, QRect(10, 45, 200, 30), RGB(0, 0, 0), 40));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(PageWindowTest, MouseOverTheBarShowsTheHandAndResetsSideButtons)
{
    page->ShowWindow(SW_SHOW);
    Grab(*page);
    auto* view = static_cast<CountingView*>(app.view.get());
    SendMouseMove(page->Widget(), QPoint(340, 412));
    QCoreApplication::processEvents();
    EXPECT_GE(view->resets, 1);
    EXPECT_EQ(page->GetCursor(), Cursor::Hand);
    EXPECT_EQ(app.Nav().Button(1).GetState(), ImageButton::Over);
    SendMouseMove(page->Widget(), QPoint(200, 200));
    QCoreApplication::processEvents();
    EXPECT_EQ(page->GetCursor(), Cursor::Arrow);
    EXPECT_EQ(app.Nav().Button(1).GetState(), ImageButton::Normal);

    page->ShowWindow(SW_HIDE);
    EXPECT_EQ(page->hidden, 1);
}

TEST_F(PageWindowTest, AFieldStillBeingEditedFinishesItsEditBeforeThePageStores)
{
    FakeClock clock; // the clamp's buzz takes no time
    FieldPage fields(app.view.get());
    fields.field.SetMaxValue(999999);
    fields.ShowWindow(SW_SHOW);
    ASSERT_TRUE(Driver::Activate(*app.view));
    fields.field.SetFocus();
    ASSERT_TRUE(fields.field.Edit().HasFocus());
    QTest::keyClicks(fields.field.Edit().Widget(), "1234567");
    fields.ShowWindow(SW_HIDE);
    // The field clamps and formats its value and tells the page, and only
    // then does the page store it.
    const std::vector<std::string> expected = {"left 999,999", "stored 999,999"};
    EXPECT_EQ(fields.events, expected);
    EXPECT_FALSE(fields.field.Edit().HasFocus());

    // Shown and hidden again without an edit, the page stores what stands.
    fields.ShowWindow(SW_SHOW);
    fields.ShowWindow(SW_HIDE);
    EXPECT_EQ(fields.events.back(), "stored 999,999");
    EXPECT_EQ(fields.events.size(), 3u);
}
