// Screen readers see the program's windows: a window is named by its
// heading, and the buttons and fields drawn on it by their words and labels
// (platform/AccessibleSurface.h).
#pragma once

namespace platform {

// Lets screen readers see the program's windows this way; the GUI session
// calls it once.
void InstallAccessibility();

} // namespace platform
