// Opening a local file with the desktop's default program (the shell's
// open verb), e.g. a web page in the browser.
#pragma once

#include <functional>
#include <string>

namespace platform {

// True when the desktop accepted the file.
bool ShellOpen(const std::string& path);

// Replaces the desktop (tests); empty restores it.
void SetShellHandler(std::function<bool(const std::string& path)> handler);

} // namespace platform
