// The runtime library's random numbers, with its seed.
#pragma once

namespace platform {

// Seeds the sequence (srand).
void SeedRandom(unsigned seed);
// The next number, 0 to 32767 (rand).
int Random();
// The current time in seconds, as the seed the program uses.
unsigned TimeSeed();
// Makes TimeSeed return `seed` (tests); 0 restores the real time.
void SetTimeSeed(unsigned seed);

} // namespace platform
