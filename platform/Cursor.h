// The mouse pointers the program shows.
#pragma once

namespace platform {

enum class Cursor {
    Arrow,
    Hand, // the program's own pointing hand
};

} // namespace platform
