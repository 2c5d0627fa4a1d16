// What the program shows and saves must stay inside each field's limits,
// whatever the user did and whatever the saved-work file held.
#pragma once

#include "data/FinRecord.h"

#include <string>
#include <vector>

namespace platform {
class Window;
}

// Every money field shown in `top` (a top-level window, with all its
// children) whose text is not a value between the field's minimum and
// maximum. A field being typed into is left out:
// it holds its limits once left.
std::vector<std::string> ShownFieldsOutsideLimits(platform::Window& top);

// Every field of a saved record outside what the program can write: amounts
// of at most 9 digits or -1, goal years from -100, checklist ticks 0 or 1,
// survey answers -1 or a choice, texts ended within their 50 bytes.
std::vector<std::string> SavedFieldsOutsideLimits(const FinRecord& record);
