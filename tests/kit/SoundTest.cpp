// The sound channel: lengths from WAV headers, and its flags.
#include "platform/Sound.h"
#include "kit/ProgramSounds.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace platform;

TEST(Sound, FlagsDecideWhetherToWaitOrInterrupt)
{
    FakeClock clock;
    FakeApp app(FISCOVA_PROGRAM_DIR "/");
    const std::string buzz = app.DataPath("locsounds\\buzz.wav");
    const int buzzMs = WavDurationMs(buzz);
    ASSERT_GT(buzzMs, 100);

    // Synchronous: returns when the sound has ended.
    const auto before = clock.now;
    EXPECT_TRUE(PlaySound(buzz, SND_SYNC));
    EXPECT_EQ(clock.now - before, static_cast<unsigned>(buzzMs));
    EXPECT_FALSE(IsSoundPlaying());

    // Asynchronous: plays on; NOSTOP refuses to interrupt it.
    EXPECT_TRUE(PlayProgramSound("spl_mus1", SND_ASYNC));
    EXPECT_TRUE(IsSoundPlaying());
    EXPECT_FALSE(PlayProgramSound("click4", SND_NOSTOP));
    EXPECT_NE(CurrentSound().find("spl_mus1"), std::string::npos);
    clock.now += 10000;
    EXPECT_TRUE(PlayProgramSound("click4", SND_NOSTOP));

    // A missing file plays nothing; an empty name stops what plays.
    EXPECT_FALSE(PlaySound(app.DataPath("locsounds\\nothing.wav"), SND_ASYNC));
    EXPECT_TRUE(PlayProgramSound("exit", SND_ASYNC));
    EXPECT_TRUE(PlaySound("", 0));
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_EQ(WavDurationMs(app.DataPath("data\\pvals.txt")), -1);
}
