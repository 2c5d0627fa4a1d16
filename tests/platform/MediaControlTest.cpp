// The media control with a real clip of the disc: it starts playing once
// the clip is open, stays stopped when told to stop, and opens the same clip
// again when asked twice.
#include "platform/MediaControl.h"
#include "platform/Window.h"
#include "tests/support/Driver.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr char kClip[] = FISCOVA_DISC_DIR "/video/2_1_2a2.avi";

struct Player {
    Window host;
    MediaControl control{&host};
    std::vector<int> opened; // the second argument of every 3011

    Player()
    {
        control.SetEventHandler([this](int event, int, int arg) {
            if (event == MEDIA_EVENT_OPEN_STATE)
                opened.push_back(arg);
        });
    }

    bool OpenAndWait()
    {
        const size_t before = opened.size();
        control.Open(kClip);
        return Driver::Until([&] { return opened.size() > before && control.IsPlaying(); }, 10000);
    }
};

} // namespace

TEST(MediaControl, AStoppedClipStaysStoppedAndTheSameClipOpensAgain)
{
    auto player = std::make_unique<Player>();
    Player& p = *player;
    ASSERT_TRUE(p.OpenAndWait());
    EXPECT_EQ(p.opened, (std::vector<int>{MEDIA_OPEN_READY}));

    // Stopped in the middle, it does not start again by itself.
    p.control.Stop();
    Driver::Settle(500);
    EXPECT_FALSE(p.control.IsPlaying());
    EXPECT_EQ(p.opened.size(), 1u);

    // The same clip asked for again opens and plays again.
    ASSERT_TRUE(p.OpenAndWait());
    EXPECT_EQ(p.opened, (std::vector<int>{MEDIA_OPEN_READY, MEDIA_OPEN_READY}));
    p.control.Stop();
    Driver::Settle(200);
    EXPECT_FALSE(p.control.IsPlaying());

    // The media framework's threads wind down before the tests end.
    player.reset();
    Driver::Settle(300);
}
