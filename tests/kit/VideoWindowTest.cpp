// The video window: narrations and videos, the view's video button, the
// end of a narration, losing activation and the media control's events;
// and every recording of the disc opening in the media control.
#include "kit/VideoWindow.h"
#include "kit/ProgramSounds.h"
#include "kit/ViewMessages.h"
#include "platform/Sound.h"
#include "tests/support/Driver.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class Video : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.contentLocation = FISCOVA_DISC_DIR;
        app.SetView(std::make_unique<MessageLog>());
        app.view->MoveWindow(0, 0, 640, 480);
        app.view->ShowWindow(SW_SHOW);
        video = std::make_unique<VideoWindow>(app.view.get());
        video->Control().SetAudible(false);
        app.Windows().video = video.get();
    }
    void TearDown() override
    {
        app.Windows().video = nullptr;
        video.reset();
    }
    MessageLog& Log() { return static_cast<MessageLog&>(*app.view); }

    FakeApp app{FISCOVA_PROGRAM_DIR "/"};
    MessageBoxRecorder boxes;
    std::unique_ptr<VideoWindow> video;
};

} // namespace

TEST_F(Video, ItemsWithWavInTheirNameAreNarrations)
{
    EXPECT_TRUE(VideoWindow::IsNarration("2_1_1.wav"));
    EXPECT_TRUE(VideoWindow::IsNarration("wavy.avi"));
    EXPECT_FALSE(VideoWindow::IsNarration("3_1_2.avi"));
    EXPECT_FALSE(VideoWindow::IsNarration(""));
}

TEST_F(Video, SetMediaTellsTheViewWhetherTheItemIsNew)
{
    video->SetMedia("");
    EXPECT_EQ(Log().Last(), VM_VIDEO_SEEN);
    video->SetMedia("3_1_2.avi");
    EXPECT_EQ(Log().Last(), VM_VIDEO_NEW);
    video->ShowWindow(SW_SHOW);
    video->ShowWindow(SW_HIDE);
    video->SetMedia("2_1_1.wav");
    EXPECT_EQ(Log().Last(), VM_VIDEO_NEW);
    video->SetMedia("3_1_2.avi");
    EXPECT_EQ(Log().Last(), VM_VIDEO_SEEN);
}

TEST_F(Video, NarrationPlaysBesideThePageAndHidesWhenItEnds)
{
    FakeClock clock;
    app.Flags().currentModule = ModuleCredit;
    app.Art().LoadSectionModule("cred.dll");
    video->SetMedia("3_2_1c.wav");
    video->ShowWindow(SW_SHOW);
    Driver::Settle();
    EXPECT_EQ(video->GetWindowRect(), (Rect{442, 56, 442 + 191, 56 + 96}));
    EXPECT_FALSE(video->Control().IsShown());
    EXPECT_NE(CurrentSound().find("3_2_1c.wav"), std::string::npos);
    ASSERT_TRUE(video->HasTimer(1));
    // While the narration plays, the poll's click cannot start.
    EXPECT_FALSE(PlayProgramSound("click4", SND_NOSTOP));
    clock.now +=
        static_cast<unsigned>(WavDurationMs(std::string(FISCOVA_DISC_DIR) + "/video/3_2_1c.wav")) + 1;
    ASSERT_TRUE(Driver::Until([&] { return !video->IsWindowVisible(); }, 2000));
    EXPECT_FALSE(video->HasTimer(1));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Video, LosingActivationSilencesTheNarration)
{
    app.Flags().currentModule = ModuleMoney;
    app.Art().LoadSectionModule("manym.dll");
    // A video played to its end before does not count as running any more.
    video->SetMedia("3_1_2.avi");
    video->ShowWindow(SW_SHOW);
    video->OnMediaEvent(MEDIA_EVENT_OPEN_STATE, 0, MEDIA_OPEN_READY);
    ASSERT_TRUE(video->VideoRunning());
    video->OnMediaEvent(MEDIA_EVENT_PLAY_STATE, 0, MEDIA_PLAY_ENDED);
    ASSERT_FALSE(video->IsWindowVisible());
    EXPECT_FALSE(video->VideoRunning());

    video->SetMedia("2_1_1.wav");
    video->ShowWindow(SW_SHOW);
    Driver::Settle();
    ASSERT_TRUE(IsSoundPlaying());
    Log().messages.clear();
    video->Deactivate();
    EXPECT_FALSE(IsSoundPlaying());
    Driver::Settle();
    EXPECT_EQ(Log().Numbers(), (std::vector<UINT>{VM_VIDEO_CLOSED}));
}

TEST_F(Video, VideoShowsInItsFrameAndFollowsTheControlsEvents)
{
    video->SetMedia("3_1_2.avi");
    video->ShowWindow(SW_SHOW);
    EXPECT_EQ(video->GetWindowRect(), (Rect{445, 58, 445 + 188, 58 + 164}));
    EXPECT_EQ(video->Control().GetWindowRect(), (Rect{16, 30, 16 + 160, 30 + 120}));
    EXPECT_EQ(video->Control().FileName(), std::string(FISCOVA_DISC_DIR) + "\\video\\3_1_2.avi");
    video->OnMediaEvent(MEDIA_EVENT_OPEN_STATE, 0, MEDIA_OPEN_READY);
    EXPECT_TRUE(video->Control().IsShown());
    EXPECT_TRUE(video->VideoRunning());
    // Losing activation stops a running video and tells the view.
    Driver::Settle();
    Log().messages.clear();
    video->Deactivate();
    Driver::Settle();
    EXPECT_EQ(Log().Numbers(), (std::vector<UINT>{VM_VIDEO_CLOSED}));
    video->OnMediaEvent(MEDIA_EVENT_PLAY_STATE, 0, MEDIA_PLAY_ENDED);
    EXPECT_FALSE(video->IsWindowVisible());

    // A clip that cannot be opened, or opens while the exit screen is up,
    // hides the window.
    video->ShowWindow(SW_SHOW);
    video->OnMediaEvent(MEDIA_EVENT_OPEN_STATE, 0, 3);
    EXPECT_FALSE(video->IsWindowVisible());
    video->ShowWindow(SW_SHOW);
    video->SetExitMark(true);
    video->OnMediaEvent(MEDIA_EVENT_OPEN_STATE, 0, MEDIA_OPEN_READY);
    EXPECT_FALSE(video->IsWindowVisible());
}

TEST(Disc, EveryRecordingOpensAndPlays)
{
    Window host;
    MediaControl control(&host);
    int lastEvent = 0;
    int lastArg = -1;
    control.SetEventHandler([&](int event, int, int arg) {
        lastEvent = event;
        lastArg = arg;
    });
    const QDir videos(FISCOVA_DISC_DIR "/video");
    // Narrations play through the sound channel, for their whole length.
    const QStringList narrations = videos.entryList({"*.wav"}, QDir::Files);
    EXPECT_EQ(narrations.size(), 14);
    for (const QString& file : narrations) {
        const std::string path = videos.filePath(file).toStdString();
        EXPECT_GE(WavDurationMs(path), 10000) << file.toStdString();
        EXPECT_TRUE(PlaySound(path, SND_ASYNC)) << file.toStdString();
        StopSound();
    }
    // Videos open in the media control.
    const QStringList files = videos.entryList({"*.avi"}, QDir::Files);
    ASSERT_EQ(files.size(), 31);
    for (const QString& file : files) {
        lastEvent = 0;
        control.Open(videos.filePath(file).toStdString());
        EXPECT_TRUE(Driver::Until([&] { return lastEvent == MEDIA_EVENT_OPEN_STATE; }, 10000))
            << file.toStdString();
        EXPECT_EQ(lastArg, MEDIA_OPEN_READY) << file.toStdString();
        control.Stop();
    }
}
