// Check boxes: the user's clicks tick and untick them and are reported after
// the toggle; the program's own changes are not reported.
#include "platform/CheckBox.h"
#include "platform/Window.h"
#include "tests/support/Driver.h"
#include "tests/support/Recorders.h"
#include "tests/support/Screen.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A window with a captioned box and a bare one, each reporting its clicks
// with the state it had when the hook ran.
struct Form {
    Window window;
    CheckBox captioned{&window, "Mortgage balance"};
    CheckBox bare{&window};
    std::vector<bool> captionedClicks;
    std::vector<bool> bareClicks;

    Form()
    {
        window.MoveWindow(40, 40, 240, 80);
        captioned.MoveWindow(10, 10, 200, 20);
        bare.MoveWindow({10, 40, 210, 60});
        captioned.SetClickHandler([this] { captionedClicks.push_back(captioned.GetCheck()); });
        bare.SetClickHandler([this] { bareClicks.push_back(bare.GetCheck()); });
        window.ShowWindow(SW_SHOW);
        Driver::Settle(20);
    }
};

void ClickAt(CheckBox& box, QPoint point)
{
    QTest::mouseClick(box.Widget(), Qt::LeftButton, Qt::NoModifier, point);
}

} // namespace

TEST(CheckBox, UserClicksToggleAndReportTheNewStateProgramChangesAreQuiet)
{
    Form form;
    EXPECT_FALSE(form.bare.GetCheck());
    EXPECT_EQ(form.bare.GetWindowRect(), (Rect{10, 40, 210, 60}));

    ClickAt(form.bare, QPoint(6, 10));
    EXPECT_TRUE(form.bare.GetCheck());
    ClickAt(form.bare, QPoint(6, 10));
    EXPECT_FALSE(form.bare.GetCheck());
    EXPECT_EQ(form.bareClicks, (std::vector<bool>{true, false}));

    // A click anywhere on the control counts, on the caption as on the box.
    ClickAt(form.captioned, QPoint(150, 10));
    EXPECT_TRUE(form.captioned.GetCheck());
    ClickAt(form.bare, QPoint(190, 10));
    EXPECT_TRUE(form.bare.GetCheck());
    EXPECT_EQ(form.bareClicks.size(), 3u);

    // The space bar ticks the box that has the focus.
    ASSERT_TRUE(Driver::Activate(form.window));
    form.captioned.SetFocus();
    ASSERT_TRUE(form.captioned.HasFocus());
    QTest::keyClick(form.captioned.Widget(), Qt::Key_Space);
    EXPECT_FALSE(form.captioned.GetCheck());
    EXPECT_EQ(form.captionedClicks, (std::vector<bool>{true, false}));

    // The program sets states without being told of them.
    form.captioned.SetCheck(true);
    form.bare.SetCheck(false);
    EXPECT_TRUE(form.captioned.GetCheck());
    EXPECT_FALSE(form.bare.GetCheck());
    EXPECT_EQ(form.captionedClicks.size(), 2u);
    EXPECT_EQ(form.bareClicks.size(), 3u);
}

TEST(CheckBox, DisabledOrHiddenBoxesIgnoreClicks)
{
    Form form;
    form.bare.EnableWindow(false);
    EXPECT_FALSE(form.bare.IsWindowEnabled());
    ClickAt(form.bare, QPoint(6, 10));
    EXPECT_FALSE(form.bare.GetCheck());
    form.bare.EnableWindow(true);
    ClickAt(form.bare, QPoint(6, 10));
    EXPECT_TRUE(form.bare.GetCheck());

    // A hidden box leaves the click to the window under it.
    form.captioned.Show(false);
    EXPECT_FALSE(form.captioned.IsShown());
    Driver(form.window).Click(16, 20);
    EXPECT_FALSE(form.captioned.GetCheck());
    form.captioned.Show(true);
    EXPECT_TRUE(form.captioned.IsShown());
    Driver(form.window).Click(16, 20);
    EXPECT_TRUE(form.captioned.GetCheck());
    EXPECT_EQ(form.captionedClicks, std::vector<bool>{true});
    EXPECT_EQ(form.bareClicks, std::vector<bool>{true});
}

TEST(CheckBox, DrawsItsTickAndItsCaptionOrNone)
{
    Form form;
    const QRect captionedBox(10, 10, 20, 20);
    const QRect bareBox(10, 40, 20, 20);
    const QImage unticked = Grab(form.window);
    // Each box draws something, the captioned one its caption beside the box,
    // the bare one nothing beyond it.
    EXPECT_NE(FirstInkRow(unticked, bareBox, kWhite), -1);
    EXPECT_GT(LastInkColumn(unticked, QRect(30, 10, 180, 20), kWhite), 60);
    EXPECT_EQ(LastInkColumn(unticked, QRect(30, 40, 180, 20), kWhite), -1);

    form.bare.SetCheck(true);
    const QImage ticked = Grab(form.window);
    EXPECT_NE(ticked.copy(bareBox), unticked.copy(bareBox));
    EXPECT_EQ(ticked.copy(captionedBox), unticked.copy(captionedBox));

    // A box as small as Windows' own, 13 pixels square, is drawn whole.
    CheckBox small(&form.window);
    small.MoveWindow(220, 10, 13, 13);
    const QImage withSmall = Grab(form.window);
    const QRect smallBox(220, 10, 13, 13);
    EXPECT_EQ(FirstInkRow(withSmall, smallBox, kWhite), 10);
    EXPECT_EQ(LastInkRow(withSmall, smallBox, kWhite), 22);
    EXPECT_EQ(LastInkColumn(withSmall, smallBox, kWhite), 232);

    // Captions are Windows-1252 texts.
    form.captioned.SetWindowText("Saving for kids\x92 college");
    EXPECT_EQ(form.captioned.GetWindowText(), "Saving for kids\x92 college");
    EXPECT_NE(Grab(form.window).copy(30, 10, 180, 20), unticked.copy(30, 10, 180, 20));
}
