// Moving through the course from the main menu: modules, side buttons,
// introductions, the top-ten panel, web pages and the exit screen.
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "app/ExitScreen.h"
#include "app/LessonPage.h"
#include "app/MainMenu.h"
#include "app/ModuleIntro.h"
#include "app/ModuleTable.h"
#include "app/TextPage.h"
#include "kit/Artwork.h"
#include "kit/ModuleArt.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Dialog.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"
#include "tests/support/Screen.h"
#include "tests/support/TestProgram.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace platform;
using namespace places;

namespace {

class Navigation : public ::testing::Test {
protected:
    void EnterModule(int item) { program.EnterFromMenu(item); }

    MessageBoxRecorder boxes;
    RunningProgram program;
    Driver drive{*program.app().MainFrame()};
};

} // namespace

TEST_F(Navigation, EachMenuItemEntersItsModule)
{
    struct Expected {
        int item;
        int module;
        const char* reference; // palette bitmap
        bool introduction;
    };
    const Expected modules[] = {
        {1, ModuleAttitudes, "IDB_fin1ovr", true}, {2, ModuleMoney, "IDB_man1ovr", true},
        {3, ModuleCredit, "IDB_cre1ovr", true},    {4, ModulePlanning, "IDB_pl1ovr", true},
        {5, ModuleHelp, "IDB_how6ovr", false},
    };
    CFinView& view = program.view();
    for (const Expected& m : modules) {
        ASSERT_TRUE(view.Menu()->IsWindowVisible());
        EnterModule(m.item);
        EXPECT_EQ(program.app().Flags().currentModule, m.module);
        EXPECT_FALSE(view.Menu()->IsWindowVisible());
        EXPECT_EQ(view.Buttons().Module(), m.module);
        if (m.introduction) {
            EXPECT_TRUE(view.Intro()->IsWindowVisible()) << m.item;
        } else {
            EXPECT_TRUE(view.Text()->IsWindowVisible());
            EXPECT_EQ(view.Text()->Key(), "howzem1.txt");
        }
        // The module's frame artwork is drawn around the page.
        const QImage screen = drive.Screen();
        const Bitmap& background = program.app().Art().ModuleBackground();
        EXPECT_EQ(PixelOf(screen, 100, 470), background.PixelAt(100, 470)) << m.item;
        EXPECT_EQ(PixelOf(screen, 300, 5), background.PixelAt(300, 5)) << m.item;
        // The main-menu button leads back.
        drive.Click(kSideX, kMainMenuY);
        EXPECT_TRUE(view.Menu()->IsWindowVisible());
        EXPECT_EQ(program.app().Flags().currentModule, ModuleMainMenu);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Navigation, OverviewsFitTheirPageAndOnlyTheirGivenFirstLinesAreCondensed)
{
    // The first line of each overview is the course's own fixed wording and
    // may be drawn condensed; the lines that follow it fit as written.
    const std::set<std::string> firstLines = {
        "Believe it or not, your attitude about money plays a significant",
        "Good money management requires a plan of action in order to ",
        "Credit and debt are two things we must learn to manage. Most",
        "Planning today can lead to a better tomorrow. In order to plan for ",
    };
    for (int item = 1; item <= 4; ++item) {
        TextOverflowRecorder fit;
        EnterModule(item);
        ASSERT_TRUE(program.view().Intro()->IsWindowVisible());
        program.view().Intro()->Invalidate();
        Driver::Settle();
        EXPECT_TRUE(fit.overflows.empty()) << item;
        for (const std::string& line : fit.condensed)
            EXPECT_TRUE(firstLines.count(line)) << "condensed: " << line;
        drive.Click(kSideX, kMainMenuY);
    }
}

TEST_F(Navigation, EachModuleShowsItsOwnSideButtons)
{
    CFinView& view = program.view();
    EnterModule(1);
    for (int i : {0, 1, 2, 4, 5, 6, 8, 9})
        EXPECT_TRUE(view.Buttons().IsDrawn(i)) << i;
    EXPECT_FALSE(view.Buttons().IsDrawn(3));
    EXPECT_FALSE(view.Buttons().IsDrawn(7));
    EXPECT_EQ(view.Buttons()[0].GetState(), ImageButton::Pressed);
    drive.Click(kSideX, kMainMenuY);

    EnterModule(5);
    for (int i = 0; i < SideButtons::kCount; ++i)
        EXPECT_EQ(view.Buttons().IsDrawn(i), i >= 4 && i <= 6) << i;
    // A click where a missing button would be does nothing.
    drive.Click(kSideX, kSectionY[1]);
    EXPECT_TRUE(view.Text()->IsWindowVisible());
    EXPECT_EQ(view.Text()->Key(), "howzem1.txt");
}

TEST_F(Navigation, SectionButtonsOpenTheirChoosers)
{
    CFinView& view = program.view();
    EnterModule(3);
    const char* keys[] = {"CRED2", "CRED3", "CRED4"};
    for (int s = 1; s <= 3; ++s) {
        drive.Click(kSideX, kSectionY[s]);
        EXPECT_TRUE(view.Chooser()->IsWindowVisible());
        EXPECT_EQ(view.Chooser()->Key(), keys[s - 1]);
        EXPECT_FALSE(view.Intro()->IsWindowVisible());
        EXPECT_EQ(view.Buttons()[s].GetState(), ImageButton::Pressed);
        EXPECT_EQ(view.Buttons()[0].GetState(), ImageButton::Normal);
    }
    drive.Click(kSideX, kSectionY[0]);
    EXPECT_TRUE(view.Intro()->IsWindowVisible());
    EXPECT_FALSE(view.Chooser()->IsWindowVisible());
}

TEST_F(Navigation, TopTenButtonOpensAndClosesThePanel)
{
    CFinView& view = program.view();
    TopTenWindow* topTen = program.app().Windows().topTen;
    EnterModule(2);
    drive.Click(kTopTen.x(), kTopTen.y());
    ASSERT_TRUE(topTen->IsWindowVisible());
    EXPECT_EQ(topTen->List(), "man1");
    EXPECT_EQ(topTen->Items().size(), 10u);
    EXPECT_FALSE(view.Intro()->IsWindowVisible()); // the panel closes the introduction
    drive.Click(kTopTen.x(), kTopTen.y());
    EXPECT_FALSE(topTen->IsWindowVisible());

    // With the panel open, a click on a section button only closes it.
    drive.Click(kTopTen.x(), kTopTen.y());
    ASSERT_TRUE(topTen->IsWindowVisible());
    drive.Click(kSideX, kSectionY[1]);
    EXPECT_FALSE(topTen->IsWindowVisible());
    EXPECT_FALSE(view.Chooser()->IsWindowVisible());
    EXPECT_EQ(view.Buttons()[SideButtons::kTopTen].GetState(), ImageButton::Normal);
    // A list seen in this run shows the button normal, a new one as new.
    EXPECT_TRUE(topTen->WasShown("man1"));
    drive.Click(kSideX, kSectionY[1]);
    EXPECT_EQ(topTen->List(), "man2");
    EXPECT_EQ(view.Buttons()[SideButtons::kTopTen].GetState(), ImageButton::New);
    topTen->SetList("man1");
    EXPECT_EQ(view.Buttons()[SideButtons::kTopTen].GetState(), ImageButton::Normal);
}

// A clock that notes, at each busy wait, what a test wants to see then.
class WatchingClock : public FakeClock {
public:
    std::function<void(unsigned ms)> onWait;
    void Sleep(unsigned ms) override
    {
        FakeClock::Sleep(ms);
        if (onWait)
            onWait(ms);
    }
};

TEST_F(Navigation, SideButtonsKeepOneSelectionAndHoldTheirPressBriefly)
{
    SetShellHandler([](const std::string&) { return true; });
    EnterModule(2);
    SideButtons& buttons = program.view().Buttons();
    EXPECT_EQ(buttons[0].GetState(), ImageButton::Pressed);
    drive.Click(kSideX, kSectionY[1]);
    EXPECT_EQ(buttons[1].GetState(), ImageButton::Pressed);
    EXPECT_EQ(buttons[0].GetState(), ImageButton::Normal);

    // The web button shows selected for 250 ms, then turns back without
    // touching the section's selection. (The click sound plays to its end
    // first.)
    WatchingClock clock;
    std::vector<std::pair<unsigned, int>> held;
    clock.onWait = [&](unsigned ms) { held.emplace_back(ms, buttons[6].GetState()); };
    drive.Click(40, kWebY);
    ASSERT_EQ(held.size(), 2u);
    EXPECT_EQ(held[1], (std::pair<unsigned, int>{250, ImageButton::Pressed}));
    EXPECT_EQ(buttons[6].GetState(), ImageButton::Normal);
    EXPECT_EQ(buttons[1].GetState(), ImageButton::Pressed);

    // The top-ten button keeps its own state and leaves the selection alone.
    drive.Click(kTopTen.x(), kTopTen.y());
    EXPECT_EQ(buttons[1].GetState(), ImageButton::Pressed);
    drive.Click(kTopTen.x(), kTopTen.y());

    // The main-menu button is held as well; the module starts again from
    // its introduction.
    held.clear();
    clock.onWait = [&](unsigned ms) { held.emplace_back(ms, buttons[4].GetState()); };
    drive.Click(kSideX, kMainMenuY);
    ASSERT_EQ(held.size(), 2u);
    EXPECT_EQ(held[1], (std::pair<unsigned, int>{250, ImageButton::Pressed}));
    EnterModule(2);
    EXPECT_EQ(buttons[0].GetState(), ImageButton::Pressed);
    EXPECT_EQ(buttons[1].GetState(), ImageButton::Normal);
    SetShellHandler(nullptr);
}

TEST_F(Navigation, EveryVisitToAnIntroductionTypesTheNextTip)
{
    CFinView& view = program.view();
    std::vector<int> tips;
    for (int visit = 0; visit < 8; ++visit) {
        EnterModule(1);
        tips.push_back(view.Intro()->TipNumber());
        ASSERT_FALSE(view.Intro()->Tip().empty());
        drive.Click(kSideX, kMainMenuY);
    }
    // Financial attitudes has six tips; the first shown is number 2.
    EXPECT_EQ(tips, (std::vector<int>{2, 3, 4, 5, 6, 1, 2, 3}));
}

TEST_F(Navigation, IntroductionAnimatesThenTypesItsTip)
{
    CFinView& view = program.view();
    SetTimeSeed(7);
    EnterModule(4);
    ModuleIntro* intro = view.Intro();
    ASSERT_TRUE(intro->PresenterRunning());
    EXPECT_EQ(intro->TimerPeriod(ModuleIntro::kFrameTimer), 200u);
    ASSERT_TRUE(Driver::TickUntil(*intro, ModuleIntro::kFrameTimer, [&] { return intro->Typing(); }));
    // The presenter went through every frame of the clip before the typing.
    const int frames[] = {10, 8}; // planning's two clips
    EXPECT_EQ(intro->Frame(), frames[intro->Clip()] - 1);
    EXPECT_EQ(intro->TimerPeriod(ModuleIntro::kFrameTimer), 10u);
    ASSERT_TRUE(Driver::TickUntil(*intro, ModuleIntro::kFrameTimer,
                                  [&] { return !intro->HasTimer(ModuleIntro::kFrameTimer); }));
    size_t length = 0;
    for (const std::string& line : intro->Tip())
        length += line.size();
    EXPECT_EQ(intro->Typed(), length);
    EXPECT_TRUE(intro->HasTimer(ModuleIntro::kRotationTimer));
    // Leaving the introduction stops both timers.
    drive.Click(kSideX, kSectionY[1]);
    EXPECT_FALSE(intro->HasTimer(ModuleIntro::kRotationTimer));
    SetTimeSeed(0);
}

TEST_F(Navigation, ExitFromTheMenuAndBackShowsTheMenu)
{
    CFinView& view = program.view();
    drive.Click(kMenuExit.x(), kMenuExit.y());
    ASSERT_TRUE(view.Exit() && view.Exit()->IsWindowVisible());
    EXPECT_EQ(program.app().Flags().currentModule, ModuleExit);
    EXPECT_EQ(program.app().Flags().previousModule, ModuleMainMenu);
    drive.Click(350, 394); // go back
    EXPECT_FALSE(view.Exit()->IsWindowVisible());
    EXPECT_TRUE(view.Menu()->IsWindowVisible());
    EXPECT_EQ(program.app().Flags().currentModule, ModuleMainMenu);
    // The menu's palette is the program palette again, and the menu is drawn.
    program.app().Flags().currentModule = ModuleMainMenu;
    Bitmap reference;
    Palette menuPalette;
    ASSERT_TRUE(program.app().Art().LoadBitmapAndPalette("IDB_menu3ovr", reference, menuPalette));
    EXPECT_EQ(program.app().Art().ProgramPalette().entries, menuPalette.entries);
    const QImage screen = drive.Screen();
    EXPECT_EQ(PixelOf(screen, 600, 200), program.view().Menu()->Background().PixelAt(600, 200));
}

TEST_F(Navigation, SecondEntryKeepsThePages)
{
    CFinView& view = program.view();
    EnterModule(2);
    drive.Click(kSideX, kSectionY[2]);
    const ChooserPage* chooser = view.Chooser();
    const ModuleIntro* intro = view.Intro();
    EXPECT_EQ(chooser->Key(), "MAN3");
    drive.Click(kSideX, kMainMenuY);
    EnterModule(2);
    EXPECT_EQ(view.Chooser(), chooser);
    EXPECT_EQ(view.Intro(), intro);
    EXPECT_EQ(chooser->Key(), "MAN3");
}

TEST_F(Navigation, WebButtonOpensThePageOrSaysTheBrowserIsMissing)
{
    std::vector<std::string> opened;
    bool accept = true;
    SetShellHandler([&](const std::string& path) {
        opened.push_back(path);
        return accept;
    });
    EnterModule(3);
    drive.Click(40, kWebY);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], program.folder().Path() + "launchzem.htm");
    EXPECT_TRUE(boxes.boxes.empty());
    accept = false;
    drive.Click(40, kWebY);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Unable to find your default Web Browser!");
    EXPECT_EQ(boxes.boxes[0].type, MB_OK | MB_ICONINFORMATION);
    SetShellHandler(nullptr);
}

TEST_F(Navigation, VideoButtonPlaysThePagesVideoAndAClickOnTheFrameClosesIt)
{
    EnterModule(4);
    drive.Click(kSideX, kSectionY[3]);
    program.view().SendMessage(VM_LESSON_INVEST);
    Driver::Settle();
    VideoWindow* video = program.app().Windows().video;
    ASSERT_EQ(video->Media(), "4_3_1.avi");
    SideButtons& buttons = program.view().Buttons();
    EXPECT_EQ(buttons[SideButtons::kVideo].GetState(), ImageButton::New);

    drive.Click(kVideo.x(), kVideo.y());
    EXPECT_TRUE(Driver::Until([&] { return video->IsWindowVisible(); }));
    // The window tells the view the clip is seen.
    EXPECT_TRUE(
        Driver::Until([&] { return buttons[SideButtons::kVideo].GetState() == ImageButton::Normal; }));
    EXPECT_TRUE(program.view().Lesson()->IsWindowVisible());

    // Any click on the frame closes it; on the button it starts again.
    drive.Click(kVideo.x(), kVideo.y());
    EXPECT_TRUE(Driver::Until([&] { return video->IsWindowVisible(); }));
    drive.Click(kBareBand.x(), kBareBand.y());
    EXPECT_FALSE(video->IsWindowVisible());
    EXPECT_EQ(buttons[SideButtons::kVideo].GetState(), ImageButton::Normal);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(NavigationWithoutDisc, CancellingTheDiscRequestCancelsOnlyTheVideo)
{
    int asked = 0;
    SetModalHook([&](Dialog& dialog) {
        ++asked;
        dialog.EndDialog(IDCANCEL);
    });
    MessageBoxRecorder boxes;
    RunningProgram program(false);
    Driver drive(*program.app().MainFrame());
    const int atStart = asked;
    drive.Click(kMenuItemX, MenuItemY(4));
    Driver::Settle(100);
    drive.Click(kSideX, kSectionY[3]);
    program.view().SendMessage(VM_LESSON_INVEST);
    Driver::Settle();

    drive.Click(kVideo.x(), kVideo.y());
    Driver::Settle();
    EXPECT_EQ(asked, atStart + 1);
    EXPECT_FALSE(program.app().Windows().video->IsWindowVisible());
    EXPECT_TRUE(program.view().Lesson()->IsWindowVisible());
    EXPECT_EQ(program.app().Flags().currentModule, ModulePlanning);
    EXPECT_TRUE(boxes.boxes.empty());
    SetModalHook([](Dialog& dialog) { dialog.EndDialog(IDCANCEL); });
}

TEST(NavigationWithOwnTips, ShortTipsAreTypedLower)
{
    MessageBoxRecorder boxes;
    RunningProgram program(true, {"facts/finsign2.txt", "facts/finsign3.txt"});
    const auto writeTip = [&](const char* file, int lines) {
        QFile tip(QString::fromStdString(program.folder().Path() + "facts/" + file));
        ASSERT_TRUE(tip.open(QIODevice::WriteOnly));
        for (int i = 0; i < lines; ++i)
            tip.write("MMMM MMMM MMMM\r\n");
    };
    writeTip("finsign2.txt", 3);
    writeTip("finsign3.txt", 7);
    Driver drive(*program.app().MainFrame());

    // The first row of the typed tip: where the screen leaves the
    // presenter's last frame.
    const auto firstTipRow = [&] {
        ModuleIntro* intro = program.view().Intro();
        EXPECT_TRUE(Driver::TickUntil(*intro, ModuleIntro::kFrameTimer, [&] {
            return intro->Typing() && !intro->HasTimer(ModuleIntro::kFrameTimer);
        }));
        const PresenterClip& clip = ModuleInfo(ModuleAttitudes).clips[intro->Clip()];
        const QImage screen = drive.Screen();
        Artwork& art = program.app().Art();
        art.LoadSectionModule(clip.library);
        Bitmap frame;
        art.LoadBitmapByName(frame, clip.prefix + std::to_string(clip.frames));
        art.LoadSectionModule(ModuleArtOf(ModuleAttitudes).sectionModule);
        const Point origin = intro->ClientToFrame({clip.frameX, clip.frameY});
        for (int y = 0; y < frame.GetSize().cy; ++y) {
            for (int x = 0; x < frame.GetSize().cx; ++x) {
                if (PixelOf(screen, origin.x + x, origin.y + y) != frame.PixelAt(x, y))
                    return y + clip.frameY - clip.tipY;
            }
        }
        return -1;
    };

    SetTimeSeed(11);
    drive.Click(kMenuItemX, MenuItemY(1));
    const int shortTip = firstTipRow();
    drive.Click(kSideX, kMainMenuY);
    drive.Click(kMenuItemX, MenuItemY(1));
    const int longTip = firstTipRow();
    SetTimeSeed(0);

    // Courier capitals start a few pixels below the top of their cell.
    EXPECT_GE(longTip, 0);
    EXPECT_LT(longTip, 6);
    EXPECT_EQ(shortTip, longTip + 26);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(NavigationWithoutFiles, MissingTipIsReported)
{
    MessageBoxRecorder boxes;
    RunningProgram program(true, {"facts/finsign2.txt"});
    Driver drive(*program.app().MainFrame());
    drive.Click(kMenuItemX, MenuItemY(1));
    Driver::Settle(100);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Unable to open file " + program.folder().Path() + "facts/finsign2.txt");
    EXPECT_TRUE(program.view().Intro()->IsWindowVisible());
    EXPECT_TRUE(program.view().Intro()->Tip().empty());
}
