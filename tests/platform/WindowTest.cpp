// Windows: sent and posted messages, timers, painting of the invalid area,
// drawing outside paint, nesting and visibility.
#include "platform/Window.h"
#include "platform/ComboBox.h"
#include "platform/EditControl.h"
#include "tests/support/Driver.h"
#include "tests/support/Screen.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace platform;

namespace {

constexpr UINT kPing = 1024 + 7;
constexpr UINT kRecord = 1024 + 8;

class Probe : public Window {
public:
    using Window::Window;
    std::vector<WPARAM> received;
    std::vector<UINT> ticks;
    std::vector<Rect> paints;
    int closes = 0;
    COLORREF fill = RGB(0, 128, 0);

    using Window::DestroyWindow;

protected:
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == kPing)
            return static_cast<LRESULT>(w + l);
        if (message == kRecord) {
            received.push_back(w);
            return 0;
        }
        return Window::WindowProc(message, w, l);
    }
    void OnTimer(UINT id) override
    {
        ticks.push_back(id);
        if (ticks.size() == 3)
            KillTimer(id);
    }
    void OnPaint(Dc& dc) override
    {
        const Rect r = GetClientRect();
        paints.push_back(r);
        dc.FillSolidRect(r, fill);
    }
    void OnClose() override { ++closes; }
};

} // namespace

TEST(Window, SentMessagesAnswerAtOncePostedOnesArriveInOrder)
{
    Probe window;
    EXPECT_EQ(window.SendMessage(kPing, 40, 2), 42);

    window.PostMessage(kRecord, 1);
    window.PostMessage(kRecord, 2);
    window.SendMessage(kRecord, 3);
    // Only the sent one has arrived before the event loop runs.
    EXPECT_EQ(window.received, (std::vector<WPARAM>{3}));
    Driver::Settle(10);
    EXPECT_EQ(window.received, (std::vector<WPARAM>{3, 1, 2}));

    // A close request goes to OnClose, which may refuse it.
    window.SendMessage(WM_CLOSE);
    EXPECT_EQ(window.closes, 1);
}

TEST(Window, PostedMessagesToAClosedWindowAreDropped)
{
    Probe survivor;
    auto window = std::make_unique<Probe>();
    window->PostMessage(kRecord, 1);
    survivor.PostMessage(kRecord, 2);
    window.reset();
    Driver::Settle(10);
    EXPECT_EQ(survivor.received, (std::vector<WPARAM>{2}));
}

TEST(Window, TimersTickUntilKilled)
{
    Probe window;
    window.SetTimer(5, 10);
    EXPECT_TRUE(window.HasTimer(5));
    ASSERT_TRUE(Driver::Until([&] { return window.ticks.size() >= 3; }));
    EXPECT_FALSE(window.HasTimer(5));
    Driver::Settle(60);
    EXPECT_EQ(window.ticks, (std::vector<UINT>{5, 5, 5}));

    // Restarting a timer keeps one timer under its id.
    window.SetTimer(6, 1000);
    window.SetTimer(6, 1000);
    window.KillTimer(6);
    EXPECT_FALSE(window.HasTimer(6));
}

TEST(Window, PaintsOnlyWhenInvalidAndKeepsWhatItDrew)
{
    Probe window;
    window.MoveWindow(0, 0, 40, 30);
    window.ShowWindow(SW_SHOW);
    QImage shown = Grab(window);
    ASSERT_EQ(window.paints.size(), 1u);
    EXPECT_EQ(PixelOf(shown, 39, 29), RGB(0, 128, 0));

    // Without an invalidation the backing image is shown again, unpainted.
    window.fill = RGB(0, 0, 200);
    Grab(window);
    EXPECT_EQ(window.paints.size(), 1u);

    // Only the invalid rectangle takes the new drawing.
    window.InvalidateRect({0, 0, 10, 10}, false);
    window.UpdateWindow();
    shown = Grab(window);
    EXPECT_EQ(PixelOf(shown, 5, 5), RGB(0, 0, 200));
    EXPECT_EQ(PixelOf(shown, 20, 20), RGB(0, 128, 0));

    // Drawing outside paint lands in the backing image and stays.
    {
        ClientDc dc(&window);
        dc.FillSolidRect({30, 20, 40, 30}, RGB(255, 255, 0));
    }
    shown = Grab(window);
    EXPECT_EQ(PixelOf(shown, 35, 25), RGB(255, 255, 0));
}

TEST(Window, ChildrenSitInTheirParentsClientArea)
{
    Probe frame;
    frame.MoveWindow(0, 0, 200, 100);
    Probe panel(&frame);
    panel.MoveWindow(20, 10, 100, 50);
    Probe button(&panel);
    button.MoveWindow(5, 6, 10, 10);

    EXPECT_EQ(button.GetParent(), &panel);
    const Rect inFrame = button.GetFrameRect();
    EXPECT_EQ(inFrame.left, 25);
    EXPECT_EQ(inFrame.top, 16);
    EXPECT_EQ(inFrame.right, 35);
    const Point p = button.ClientToFrame({1, 1});
    EXPECT_EQ(p.x, 26);
    EXPECT_EQ(p.y, 17);

    // A shown child of a hidden parent is not visible.
    button.ShowWindow(SW_SHOW);
    panel.ShowWindow(SW_SHOW);
    EXPECT_FALSE(button.IsWindowVisible());
    frame.ShowWindow(SW_SHOW);
    EXPECT_TRUE(button.IsWindowVisible());
    panel.ShowWindow(SW_HIDE);
    EXPECT_FALSE(button.IsWindowVisible());

    // Texts keep their Windows-1252 bytes.
    frame.SetWindowText("Caf\xE9 \x80");
    EXPECT_EQ(frame.GetWindowText(), "Caf\xE9 \x80");
}

TEST(Window, TabGoesRoundTheFieldsOfADialogAndNowhereFromAWindowHoldingTheFocus)
{
    Probe frame;
    frame.MoveWindow(0, 0, 300, 200);
    Probe dialog(&frame);
    dialog.MoveWindow(0, 0, 150, 200);
    dialog.KeepTabWithin();
    EditControl first(&dialog), second(&dialog);
    first.MoveWindow(10, 10, 80, 20);
    second.MoveWindow(10, 40, 80, 20);
    ComboBox third(&dialog); // a drop-down box that takes typing
    third.MoveWindow(10, 70, 80, 20);
    // A field beside the dialog, not in it.
    Probe beside(&frame);
    beside.MoveWindow(150, 0, 150, 200);
    EditControl other(&beside);
    other.MoveWindow(10, 10, 80, 20);
    for (Window* w : {&frame, &dialog, &beside})
        w->ShowWindow(SW_SHOW);
    ASSERT_TRUE(Driver::Activate(frame));
    Driver drive(frame);

    first.SetFocus();
    drive.Key(Qt::Key_Tab);
    EXPECT_TRUE(second.HasFocus());
    drive.Key(Qt::Key_Tab);
    EXPECT_TRUE(third.HasFocus());
    drive.Key(Qt::Key_Tab);
    EXPECT_TRUE(first.HasFocus()); // round again, never to the field beside
    drive.Key(Qt::Key_Backtab);
    EXPECT_TRUE(third.HasFocus());
    drive.Key(Qt::Key_Backtab);
    EXPECT_TRUE(second.HasFocus());

    frame.SetFocus();
    drive.Key(Qt::Key_Tab);
    EXPECT_TRUE(frame.HasFocus());
    EXPECT_FALSE(first.HasFocus() || second.HasFocus() || other.HasFocus());

    // Hidden with the focus inside, the dialog lets it go elsewhere.
    second.SetFocus();
    dialog.ShowWindow(SW_HIDE);
    EXPECT_FALSE(first.HasFocus() || second.HasFocus());
}

TEST(Window, AWindowTheProgramHidesLetsGoOfItsPixelsAndIsDrawnWholeWhenShownAgain)
{
    Probe frame;
    frame.MoveWindow(0, 0, 200, 100);
    frame.ShowWindow(SW_SHOW);
    Probe page(&frame);
    page.MoveWindow(20, 10, 100, 50);
    EXPECT_FALSE(page.HoldsPixels());
    page.ShowWindow(SW_SHOW);
    Grab(frame);
    ASSERT_EQ(page.paints.size(), 1u);
    EXPECT_TRUE(page.HoldsPixels());

    page.ShowWindow(SW_HIDE);
    EXPECT_FALSE(page.HoldsPixels());
    EXPECT_TRUE(frame.HoldsPixels());

    // Drawing on the hidden window is harmless; showing it paints it whole.
    {
        ClientDc dc(&page);
        dc.FillSolidRect({0, 0, 10, 10}, RGB(255, 255, 0));
    }
    page.fill = RGB(0, 0, 200);
    page.ShowWindow(SW_SHOW);
    const QImage shown = Grab(frame);
    ASSERT_EQ(page.paints.size(), 2u);
    EXPECT_EQ(PixelOf(shown, 25, 15), RGB(0, 0, 200));
    EXPECT_EQ(PixelOf(shown, 119, 59), RGB(0, 0, 200));
    EXPECT_EQ(PixelOf(shown, 150, 80), RGB(0, 128, 0));
}
