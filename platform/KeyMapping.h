// The virtual-key code of a Qt key, for the platform's windows and controls.
#pragma once

#include "platform/Types.h"

namespace platform {

// The Windows virtual-key code of `qtKey`, or 0 for keys the program does
// not know.
UINT VirtualKeyOf(int qtKey);

} // namespace platform
