// The splash, no-disc and exit screens.
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ExitScreen.h"
#include "app/MainMenu.h"
#include "app/ModuleIntro.h"
#include "app/NoDiscScreen.h"
#include "app/SplashScreen.h"
#include "data/CFinData.h"
#include "kit/Artwork.h"
#include "platform/Sound.h"
#include "tests/support/Driver.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Places.h"
#include "tests/support/Screen.h"
#include "tests/support/TestProgram.h"

#include <QDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;
using namespace places;

namespace {

// Runs a dialog with `during` acting on it once it shows; returns its result.
int RunModal(Dialog& dialog, std::function<void(Dialog&)> during)
{
    SetModalHook([&](Dialog& d) { during(d); });
    const int result = dialog.DoModal();
    SetModalHook([](Dialog& d) { d.EndDialog(IDCANCEL); });
    return result;
}

} // namespace

TEST(Splash, ClosesOnAClickOrAKeyOrWhenItsFiveSecondsAreUp)
{
    FakeApp app(FISCOVA_PROGRAM_DIR "/");
    MessageBoxRecorder boxes;
    {
        SplashScreen splash({0, 0, 640, 480});
        EXPECT_EQ(app.Flags().currentModule, ModuleMainMenu);
        EXPECT_EQ(RunModal(splash, [](Dialog& d) { QTest::mouseClick(d.Widget(), Qt::LeftButton); }), IDOK);
        EXPECT_EQ(splash.GetClientRect(), (Rect{0, 0, 640, 480}));
    }
    {
        SplashScreen splash({0, 0, 640, 480});
        EXPECT_EQ(RunModal(splash, [](Dialog& d) { QTest::keyClick(d.Widget(), Qt::Key_Space); }), IDOK);
    }
    // Any key at all, not only those that type.
    for (const Qt::Key key : {Qt::Key_F1, Qt::Key_Shift, Qt::Key_Home, Qt::Key_Question}) {
        SplashScreen splash({0, 0, 640, 480});
        bool closedByTheKey = false;
        RunModal(splash, [&](Dialog& d) {
            QTest::keyClick(d.Widget(), key);
            closedByTheKey = !d.IsModalRunning();
        });
        EXPECT_TRUE(closedByTheKey) << key;
    }
    {
        SplashScreen splash({0, 0, 640, 480});
        EXPECT_EQ(RunModal(splash,
                           [](Dialog& d) {
                               EXPECT_EQ(d.TimerPeriod(SplashScreen::kCloseTimer), 5000u);
                               EXPECT_TRUE(d.IsWindowVisible());
                               FireTimer(d, SplashScreen::kCloseTimer);
                           }),
                  IDOK);
        EXPECT_FALSE(splash.HasTimer(SplashScreen::kCloseTimer));
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(NoDisc, InsertingTheDiscClosesItAndOkWithoutItDoesNothing)
{
    QTemporaryDir disc;
    FakeApp app(FISCOVA_PROGRAM_DIR "/");
    app.contentLocation = disc.path().toStdString();
    MessageBoxRecorder boxes;
    {
        NoDiscScreen screen({0, 0, 640, 480});
        bool stillOpenAfterOk = false;
        const int result = RunModal(screen, [&](Dialog& d) {
            const ImageButton& ok = static_cast<NoDiscScreen&>(d).Button(NoDiscScreen::kOk);
            const QPoint okCentre(ok.X() + ok.Width() / 2, ok.Y() + ok.Height() / 2);
            QTest::mouseClick(d.Widget(), Qt::LeftButton, Qt::NoModifier, okCentre);
            stillOpenAfterOk = static_cast<NoDiscScreen&>(d).IsModalRunning();
            const ImageButton& cancel = static_cast<NoDiscScreen&>(d).Button(NoDiscScreen::kCancel);
            QTest::mouseClick(d.Widget(), Qt::LeftButton, Qt::NoModifier,
                              QPoint(cancel.X() + cancel.Width() / 2, cancel.Y() + cancel.Height() / 2));
        });
        EXPECT_TRUE(stillOpenAfterOk);
        EXPECT_EQ(result, IDCANCEL);
    }
    {
        // Keys: Enter moves the focus to Cancel without acting, Space presses
        // it; Space on OK without the disc does nothing, Escape cancels.
        NoDiscScreen screen({0, 0, 640, 480});
        bool openAfterEnter = false, openAfterSpaceOnOk = false, openAfterSpaceOnCancel = true;
        RunModal(screen, [&](Dialog& d) {
            auto& s = static_cast<NoDiscScreen&>(d);
            QTest::keyClick(d.Widget(), Qt::Key_Space);
            openAfterSpaceOnOk = s.IsModalRunning();
            QTest::keyClick(d.Widget(), Qt::Key_Return);
            openAfterEnter = s.IsModalRunning() && s.FocusedButton() == NoDiscScreen::kCancel;
            QTest::keyClick(d.Widget(), Qt::Key_Space);
            openAfterSpaceOnCancel = s.IsModalRunning();
            if (s.IsModalRunning())
                s.EndDialog(IDOK); // the test goes on, failed
        });
        EXPECT_TRUE(openAfterSpaceOnOk);
        EXPECT_TRUE(openAfterEnter);
        EXPECT_FALSE(openAfterSpaceOnCancel);
        NoDiscScreen again({0, 0, 640, 480});
        bool openAfterEscape = true;
        EXPECT_EQ(RunModal(again,
                           [&](Dialog& d) {
                               QTest::keyClick(d.Widget(), Qt::Key_Escape);
                               openAfterEscape = d.IsModalRunning();
                               if (d.IsModalRunning())
                                   d.EndDialog(IDOK);
                           }),
                  IDCANCEL);
        EXPECT_FALSE(openAfterEscape);
    }
    {
        // The disc arrives while the screen is up: its check, once a
        // second, closes it with OK.
        app.discPresent = false;
        NoDiscScreen screen({0, 0, 640, 480});
        UINT period = 0;
        const int result = RunModal(screen, [&](Dialog& d) {
            Driver::Until([&] { return d.HasTimer(1); }); // started by its paint
            period = d.TimerPeriod(1);
            app.discPresent = true;
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(period, 1000u);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(ExitScreen, GoingBackRestoresTheModuleItsPaletteAndArtwork)
{
    MessageBoxRecorder boxes;
    RunningProgram program;
    Driver drive(*program.app().MainFrame());
    drive.Click(kMenuItemX, MenuItemY(3)); // credit
    Driver::Settle(100);
    const QImage before = drive.Screen();
    drive.Click(kSideX, kExitY);
    Driver::Settle(100);
    ASSERT_TRUE(program.view().Exit()->IsWindowVisible());
    EXPECT_EQ(program.app().Flags().currentModule, ModuleExit);
    drive.Click(350, 394); // go back
    EXPECT_EQ(program.app().Flags().currentModule, ModuleCredit);
    EXPECT_FALSE(program.view().Exit()->IsWindowVisible());
    Bitmap reference;
    Palette credit;
    ASSERT_TRUE(program.app().Art().LoadBitmapAndPalette("IDB_cre1ovr", reference, credit));
    EXPECT_EQ(program.app().Art().ProgramPalette().entries, credit.entries);
    const QImage after = drive.Screen();
    EXPECT_EQ(PixelOf(after, 60, 470), PixelOf(before, 60, 470));
    EXPECT_EQ(PixelOf(after, 300, 10), PixelOf(before, 300, 10));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(ExitScreen, EraseSavesDefaultsAndKeepLeavesTheFile)
{
    MessageBoxRecorder boxes;
    std::string savedWork;
    {
        RunningProgram program;
        savedWork = program.folder().SavedWorkFile();
        CFinData work;
        work.Reset();
        work.SetCreditMonths("48");
        work.SetCreditPrincipal("2500");
        work.SetGoalName(0, "Buying a house");
        ASSERT_TRUE(work.Save());

        Driver drive(*program.app().MainFrame());
        drive.Click(kMenuExit.x(), kMenuExit.y()); // exit item of the main menu
        drive.Click(350, 290 + 19);                // keep and quit
        EXPECT_TRUE(program.app().Flags().exiting);
        EXPECT_FALSE(program.app().MainFrame()->IsWindowVisible());
        CFinData kept;
        ASSERT_TRUE(kept.Load());
        EXPECT_EQ(kept.GetCreditMonths(), 48);
    }
    {
        RunningProgram program;
        Driver drive(*program.app().MainFrame());
        drive.Click(kMenuExit.x(), kMenuExit.y());
        drive.Click(350, 331 + 19); // erase and quit
        EXPECT_TRUE(program.app().Flags().exiting);
        CFinData erased;
        ASSERT_TRUE(erased.Load());
        EXPECT_EQ(erased.GetCreditMonths(), 36);
        EXPECT_EQ(erased.GetCreditRate(), 500);
        EXPECT_EQ(erased.GetCreditPrincipal(), 1000);
        EXPECT_EQ(erased.GetMonthlyNetIncome(), 1000);
        EXPECT_EQ(erased.GetGoalName(0), "");
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(ExitScreen, ThanksAndAsksInItsPlaces)
{
    MessageBoxRecorder boxes;
    RunningProgram program;
    Driver drive(*program.app().MainFrame());
    drive.Click(kMenuExit.x(), kMenuExit.y());
    ExitScreen* exit = program.view().Exit();
    ASSERT_TRUE(exit->IsWindowVisible());
    const int rows[] = {290, 331, 375};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(exit->Button(i).X(), 200);
        EXPECT_EQ(exit->Button(i).Y(), rows[i]);
    }
    const QImage screen = drive.Screen();
    EXPECT_TRUE(ContainsColour(screen, QRect(160, 255, 200, 22), RGB(252, 4, 4), 20));
    EXPECT_TRUE(ContainsColour(screen, QRect(135, 120, 300, 14), RGB(0, 0, 0), 40));
    EXPECT_TRUE(ContainsColour(screen, QRect(135, 188, 300, 14), RGB(0, 0, 0), 40));
    // The thanks are spoken a moment after the screen shows.
    EXPECT_TRUE(Driver::Until([] { return CurrentSound().find("exit.wav") != std::string::npos; }, 2000));
}
