// A section module comes from a file beside the program, which may be
// damaged. Qt's resource reader trusts a pack's offsets, so every pack is
// checked whole before it is registered.
#pragma once

#include <string_view>

namespace platform {

// True when `bytes` are a resource pack whose every node, name and payload
// lies inside it, each node reached once from the root.
bool IsWholePack(std::string_view bytes);

} // namespace platform
