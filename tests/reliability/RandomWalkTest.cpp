// The random walk of the whole program. The number of events comes from
// FISCOVA_WALK_EVENTS (the test's own count when unset), the seed from
// FISCOVA_WALK_SEED; a failure names the event after which it was seen, so
// that the same seed and count replay it.
#include "tests/reliability/RandomWalk.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr long kDefaultEvents = 10000;
constexpr unsigned kDefaultSeed = 20261209;

long FromEnvironment(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::atol(value) : fallback;
}

} // namespace

TEST(RandomWalk, NothingBreaksWhateverTheUserDoes)
{
    const long events = FromEnvironment("FISCOVA_WALK_EVENTS", kDefaultEvents);
    const auto seed = static_cast<unsigned>(FromEnvironment("FISCOVA_WALK_SEED", kDefaultSeed));
    RandomWalk walk(seed);
    while (walk.Events() < events && walk.Step()) {
    }
    for (const std::string& problem : walk.Problems())
        ADD_FAILURE() << problem;
    std::string notSeen;
    for (const std::string& page : walk.PagesNotSeen())
        notSeen += " " + page + ";";
    std::printf(
        "walk of seed %u: %ld events, %zu problems, %d restarts, %d reports printed, %zu pages seen%s%s\n",
        seed, walk.Events(), walk.Problems().size(), walk.Restarts(), walk.ReportsPrinted(), walk.PagesSeen(),
        notSeen.empty() ? "" : ", not seen:", notSeen.c_str());
    EXPECT_EQ(walk.Events(), events);
}
