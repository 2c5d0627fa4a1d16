#include "platform/Random.h"

#include <ctime>

namespace platform {
namespace {

unsigned g_state = 1;
unsigned g_fixedSeed = 0;

} // namespace

void SeedRandom(unsigned seed)
{
    g_state = seed;
}

int Random()
{
    // The classic linear congruential generator of the C runtime.
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFF);
}

unsigned TimeSeed()
{
    return g_fixedSeed ? g_fixedSeed : static_cast<unsigned>(std::time(nullptr));
}

void SetTimeSeed(unsigned seed)
{
    g_fixedSeed = seed;
}

} // namespace platform
