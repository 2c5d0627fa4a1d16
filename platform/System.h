// What the program asks of the system about the screen.
#pragma once

namespace platform {

inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CYBORDER = 6;

int GetSystemMetrics(int index);

} // namespace platform
