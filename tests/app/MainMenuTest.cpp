// The picture main menu: previews under the pointer, the badge that never
// reacts, and items that open only when pressed and released on themselves.
#include "app/MainMenu.h"
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "kit/Artwork.h"
#include "kit/Modules.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"
#include "tests/support/Screen.h"
#include "tests/support/TestProgram.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace places;

namespace {

constexpr Point kPreviewPlace{36, 9};

class MainMenuTest : public ::testing::Test {
protected:
    // Whether the screen shows preview `number` at its place.
    bool ShowsPreview(int number)
    {
        Bitmap preview;
        program.app().Art().LoadBitmapByName(preview, "IDB_PIC" + std::to_string(number));
        const QImage screen = drive.Screen();
        const Size size = preview.GetSize();
        for (const Point p : {Point{size.cx / 3, size.cy / 3}, Point{size.cx / 2, size.cy / 2},
                              Point{2 * size.cx / 3, 2 * size.cy / 3}}) {
            if (PixelOf(screen, kPreviewPlace.x + p.x, kPreviewPlace.y + p.y) != preview.PixelAt(p.x, p.y))
                return false;
        }
        return true;
    }

    MessageBoxRecorder boxes;
    RunningProgram program;
    MainMenu& menu = *program.view().Menu();
    Driver drive{*program.app().MainFrame()};
};

} // namespace

TEST_F(MainMenuTest, PointerShowsTheItemsPreview)
{
    EXPECT_EQ(menu.Preview(), 6);
    EXPECT_TRUE(ShowsPreview(6));
    EXPECT_FALSE(ShowsPreview(1));
    for (int item = 1; item <= 5; ++item) {
        drive.MoveTo(kMenuItemX, MenuItemY(item));
        EXPECT_EQ(menu.Preview(), item);
        EXPECT_TRUE(ShowsPreview(item)) << item;
        EXPECT_EQ(menu.Item(item).GetState(), ImageButton::Over);
        EXPECT_EQ(menu.GetCursor(), Cursor::Hand);
    }
    // The exit item lights up but keeps the preview; items left turn off.
    drive.MoveTo(kMenuExit.x(), kMenuExit.y());
    EXPECT_EQ(menu.Item(7).GetState(), ImageButton::Over);
    EXPECT_EQ(menu.Item(5).GetState(), ImageButton::Normal);
    EXPECT_EQ(menu.Preview(), 5);
    // Nowhere: the arrow and the general preview.
    drive.MoveTo(300, 100);
    EXPECT_EQ(menu.Preview(), 6);
    EXPECT_TRUE(ShowsPreview(6));
    EXPECT_EQ(menu.GetCursor(), Cursor::Arrow);
    EXPECT_EQ(menu.Item(7).GetState(), ImageButton::Normal);
}

TEST_F(MainMenuTest, BadgeNeverReacts)
{
    drive.MoveTo(530, 360);
    EXPECT_EQ(menu.Item(6).GetState(), ImageButton::Normal);
    EXPECT_EQ(menu.GetCursor(), Cursor::Arrow);
    drive.Click(530, 360);
    EXPECT_FALSE(menu.Item(6).IsPressed());
    EXPECT_TRUE(menu.IsWindowVisible());
    EXPECT_EQ(program.app().Flags().currentModule, ModuleMainMenu);
}

TEST_F(MainMenuTest, ReleasingOnAnotherItemOpensNothing)
{
    drive.Press(kMenuItemX, MenuItemY(1));
    EXPECT_EQ(menu.Item(1).GetState(), ImageButton::Pressed);
    drive.MoveTo(kMenuItemX, MenuItemY(3));
    EXPECT_EQ(menu.Item(1).GetState(), ImageButton::Normal);
    drive.Release(kMenuItemX, MenuItemY(3));
    EXPECT_TRUE(menu.IsWindowVisible());
    EXPECT_EQ(program.app().Flags().currentModule, ModuleMainMenu);
    // The release ended the press: coming back to the first item and
    // releasing there without a new press opens nothing either.
    drive.MoveTo(kMenuItemX, MenuItemY(1));
    drive.Release(kMenuItemX, MenuItemY(1));
    EXPECT_TRUE(menu.IsWindowVisible());

    // A press carried off the item and back onto it before the release
    // still chooses it.
    drive.Press(kMenuItemX, MenuItemY(3));
    drive.MoveTo(kMenuItemX, MenuItemY(2));
    drive.MoveTo(kMenuItemX, MenuItemY(3));
    drive.Release(kMenuItemX, MenuItemY(3));
    Driver::Settle(100);
    EXPECT_EQ(program.app().Flags().currentModule, ModuleCredit);
    EXPECT_FALSE(menu.IsWindowVisible());
}

TEST_F(MainMenuTest, AWholeClickOnAnItemOpensItsModule)
{
    // A whole click on the item opens its module.
    drive.Click(kMenuItemX, MenuItemY(3));
    Driver::Settle(100);
    EXPECT_EQ(program.app().Flags().currentModule, ModuleCredit);
    EXPECT_EQ(program.app().Flags().previousModule, ModuleMainMenu);
    EXPECT_EQ(menu.SectionModule(), "cred.dll");
    EXPECT_FALSE(menu.IsWindowVisible());
    EXPECT_TRUE(boxes.boxes.empty());
}
