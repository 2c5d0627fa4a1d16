// The whole factor by which the program's fixed world (its main window's
// client area) is shown on the screen. Every coordinate the program uses
// keeps its meaning at any factor: the windows, the mouse and the drawing
// all work in the world's own pixels, and the platform draws text, lines
// and shapes at the screen's resolution and scales bitmaps smoothly.
#pragma once

#include "platform/Types.h"

#include <optional>
#include <string>

namespace platform {

// The largest factor, at most kMaxDisplayScale, at which the world with
// room to spare for the window's frame fits on a screen of the given size
// in pixels; 1 when even twice the world does not fit.
int ChooseDisplayScale(Size world, Size screen);

// The factor the user asks for: "--scale N" (or "--scale=N") among the
// arguments, otherwise `environment` (the value of FISCOVA_SCALE, or null).
// Nothing when neither asks, or when what they give is not a whole number
// from 1 to kMaxDisplayScale (`complaint` then says why).
std::optional<int> RequestedDisplayScale(int argc, const char* const* argv, const char* environment,
                                         std::string* complaint = nullptr);

// The factor the program runs at (1 before the GUI session starts).
int DisplayScale();

inline constexpr int kMaxDisplayScale = 8;
// Pixels across and down left free around the scaled world for the window
// frame, the desktop's panels and a margin.
inline constexpr int kScreenRoomToSpare = 64;

} // namespace platform
