// The main frame and the view: closing, activation, moving and iconifying,
// and where clicks go.
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "app/ExitScreen.h"
#include "app/ModuleIntro.h"
#include "data/CFinData.h"
#include "kit/DetailPanel.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"
#include "tests/support/TestProgram.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;
using namespace places;

namespace {

class Frame : public ::testing::Test {
protected:
    void EnterMoney() { program.EnterFromMenu(2); }
    MessageBoxRecorder boxes;
    RunningProgram program;
    CMainFrame& frame = *program.app().MainFrame();
    Driver drive{frame};
};

} // namespace

TEST_F(Frame, CloseRequestShowsTheExitScreenUntilExiting)
{
    EnterMoney();
    frame.Widget()->close();
    Driver::Settle();
    EXPECT_TRUE(frame.IsWindowVisible());
    ASSERT_NE(program.view().Exit(), nullptr);
    EXPECT_TRUE(program.view().Exit()->IsWindowVisible());
    EXPECT_EQ(program.app().Flags().currentModule, ModuleExit);
    EXPECT_EQ(program.app().Flags().previousModule, ModuleMoney);
    // Asking again while it shows changes nothing.
    frame.Widget()->close();
    EXPECT_EQ(program.app().Flags().previousModule, ModuleMoney);

    program.app().Flags().exiting = true;
    frame.Widget()->close();
    Driver::Settle();
    EXPECT_FALSE(frame.IsWindowVisible());
}

TEST_F(Frame, GoingToTheBackgroundKeepsAndHidesAnOpenWorksheetPanel)
{
    EnterMoney();
    ASSERT_TRUE(program.view().Intro()->IsWindowVisible());
    // The panel opens over a worksheet and the user types into it.
    DetailPanel* panel = program.app().Windows().detailPanel;
    ASSERT_NE(panel, nullptr);
    panel->Open(315, 151, 1, DetailKind::Assets);
    ASSERT_TRUE(panel->IsShowing());
    panel->Row(1).SetText("1250");
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(panel->IsShowing());
    EXPECT_FALSE(panel->IsWindowVisible());
    CFinData saved;
    ASSERT_TRUE(saved.Load());
    EXPECT_EQ(saved.GetAssetsChecking(1), 1250);
    // The introduction closes too.
    EXPECT_FALSE(program.view().Intro()->IsWindowVisible());
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
}

TEST_F(Frame, ClicksInThePageAreaNeverReachTheSideButtons)
{
    EnterMoney();
    CFinView& view = program.view();
    EXPECT_TRUE(InPageArea({129, 47}));
    EXPECT_FALSE(InPageArea({128, 300}));
    EXPECT_FALSE(InPageArea({300, 46}));
    // With no page over it, a click in the page area of the view itself
    // (where the top-ten button's neighbour stands) activates nothing.
    view.Intro()->ShowWindow(SW_HIDE);
    QTest::mouseClick(view.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 120));
    Driver::Settle();
    EXPECT_FALSE(view.Chooser()->IsWindowVisible());
    EXPECT_FALSE(program.app().Windows().topTen->IsWindowVisible());
    // The same click in the left column opens the section.
    QTest::mouseClick(view.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(64, 184));
    Driver::Settle();
    EXPECT_TRUE(view.Chooser()->IsWindowVisible());
}

TEST_F(Frame, MovingAndIconifyingParkThePopUps)
{
    EnterMoney();
    drive.Click(514, 22); // top ten
    ASSERT_TRUE(program.app().Windows().topTen->IsWindowVisible());
    frame.Widget()->move(frame.Widget()->pos() + QPoint(5, 5));
    Driver::Settle();
    EXPECT_FALSE(program.app().Windows().topTen->IsWindowVisible());

    drive.Click(514, 22);
    ASSERT_TRUE(program.app().Windows().topTen->IsWindowVisible());
    frame.Widget()->setWindowState(Qt::WindowMinimized);
    Driver::Settle();
    EXPECT_TRUE(program.app().Flags().iconic);
    EXPECT_FALSE(program.app().Windows().topTen->IsWindowVisible());
    frame.Widget()->setWindowState(Qt::WindowNoState);
    Driver::Settle();
    EXPECT_FALSE(program.app().Flags().iconic);

    // A video playing stops, and its window goes.
    program.view().SendMessage(VM_SHOW_NET_WORTH);
    Driver::Settle();
    VideoWindow* video = program.app().Windows().video;
    drive.Click(kVideo.x(), kVideo.y());
    ASSERT_TRUE(Driver::Until([&] { return video->VideoRunning() && video->Control().IsPlaying(); }, 10000));
    frame.Widget()->setWindowState(Qt::WindowMinimized);
    Driver::Settle();
    EXPECT_FALSE(video->IsWindowVisible());
    EXPECT_FALSE(video->Control().IsPlaying());
    frame.Widget()->setWindowState(Qt::WindowNoState);
    Driver::Settle();
}

TEST_F(Frame, TabReachesNoFieldOfThePageUnderTheTopTenList)
{
    EnterMoney();
    program.view().SendMessage(VM_QUICK_START);
    Driver::Settle();
    drive.Click(514, 22); // top ten
    ASSERT_TRUE(program.app().Windows().topTen->IsWindowVisible());
    // The list, once drawn, gives the keys to the main window.
    ASSERT_TRUE(Driver::Until([&] { return QApplication::focusWidget() == frame.Widget(); }));
    drive.Key(Qt::Key_Tab);
    drive.Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frame.Widget());
}
