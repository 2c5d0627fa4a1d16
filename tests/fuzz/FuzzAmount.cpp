// What the user typed, turned into a stored amount.
#include "data/CFinData.h"
#include "tests/fuzz/FuzzScratch.h"

#include <algorithm>
#include <climits>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int amount = CFinData::ParseAmount(text);
    // Only the digits of the first 11 characters count.
    long long expected = -1;
    for (char c : text.substr(0, 11)) {
        if (c >= '0' && c <= '9')
            expected = std::min<long long>((expected < 0 ? 0 : expected) * 10 + (c - '0'), INT_MAX);
    }
    Require(amount == expected, "the amount is the value of the first 11 characters' digits");
    return 0;
}
