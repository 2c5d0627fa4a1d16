// The neutral focus control: giving it the focus takes the focus off an
// entry field at once, whether or not its window is the active one.
#include "platform/FocusTarget.h"
#include "platform/EditControl.h"
#include "platform/Keys.h"
#include "platform/Window.h"
#include "tests/support/Driver.h"
#include "tests/support/Recorders.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {

// A shown top-level window with one entry field that counts its focus changes.
struct Form {
    KeyLog window;
    EditControl edit{&window};
    FocusTarget neutral{&window};
    int gained = 0;
    int lost = 0;

    Form()
    {
        window.MoveWindow(40, 40, 200, 80);
        edit.MoveWindow(10, 10, 120, 24);
        edit.SetFocusHandlers([this] { ++gained; }, [this] { ++lost; });
        window.ShowWindow(SW_SHOW);
    }
    bool Activate() { return Driver::Activate(window); }
};

} // namespace

TEST(FocusTarget, TakesTheFocusOffAFieldOfTheActiveWindowAtOnce)
{
    Form form;
    ASSERT_TRUE(form.Activate());
    form.edit.SetFocus();
    ASSERT_EQ(form.gained, 1);
    ASSERT_TRUE(form.edit.HasFocus());

    form.neutral.TakeFocus();
    EXPECT_EQ(form.lost, 1);
    EXPECT_FALSE(form.edit.HasFocus());
    EXPECT_TRUE(form.neutral.HasFocus());

    // Giving it the focus again tells nobody anything.
    form.neutral.TakeFocus();
    EXPECT_EQ(form.lost, 1);

    // Keys typed while it holds the focus reach the window.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(form.window.keys, std::vector<UINT>{VK_RETURN});

    // A click on the field takes the focus back from it.
    QTest::mouseClick(form.edit.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(form.edit.HasFocus());
    EXPECT_EQ(form.gained, 2);
}

TEST(FocusTarget, TakesTheFocusOffAFieldOfAWindowThatIsNotActive)
{
    Form form;
    ASSERT_TRUE(form.Activate());
    form.neutral.TakeFocus();
    const int lostBefore = form.lost;

    Window other;
    other.MoveWindow(300, 40, 100, 60);
    other.ShowWindow(SW_SHOW);
    ASSERT_TRUE(Driver::Activate(other));
    ASSERT_FALSE(form.window.Widget()->isActiveWindow());

    // The field is given the focus while its window is in the background,
    // and the page then moves the focus to the neutral control.
    form.edit.SetFocus();
    form.neutral.TakeFocus();
    EXPECT_EQ(form.lost, lostBefore + 1);
    EXPECT_TRUE(form.neutral.HasFocus());

    // When the window comes to the front the neutral control keeps the focus.
    ASSERT_TRUE(form.Activate());
    EXPECT_TRUE(form.neutral.HasFocus());
    EXPECT_FALSE(form.edit.HasFocus());
    EXPECT_EQ(form.lost, lostBefore + 1);
}

TEST(FocusTarget, AFieldThatLostTheFocusWithItsWindowIsNotToldTwice)
{
    Form form;
    ASSERT_TRUE(form.Activate());
    form.edit.SetFocus();
    ASSERT_EQ(form.gained, 1);

    // Another window comes to the front: the field loses the focus with it.
    Window other;
    other.MoveWindow(300, 40, 100, 60);
    other.ShowWindow(SW_SHOW);
    ASSERT_TRUE(Driver::Activate(other));
    ASSERT_EQ(form.lost, 1);

    // Moving the focus to the neutral control in the background leaves the
    // field alone, and the field does not get the focus back with the window.
    form.neutral.TakeFocus();
    EXPECT_EQ(form.lost, 1);
    ASSERT_TRUE(form.Activate());
    EXPECT_TRUE(form.neutral.HasFocus());
    EXPECT_EQ(form.gained, 1);
}
