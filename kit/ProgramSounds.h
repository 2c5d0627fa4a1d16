// The program's interface sounds, kept in "locsounds\" beside the program.
#pragma once

#include "platform/Sound.h"

#include <string>

// Plays data directory + "locsounds\" + name + ".wav" with PlaySound's flags.
bool PlayProgramSound(const std::string& name, platform::UINT flags);
