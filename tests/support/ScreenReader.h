// The program as a screen reader meets it: the names of the pages, buttons
// and fields on show.
#pragma once

#include <QAccessibleInterface>
#include <string>
#include <vector>

namespace platform {
class Window;
}

// What is on show in the main window without a name: every page (a page
// window or a screen of the shell), every button drawn on a window and
// every field. Each is described for a failure message.
std::vector<std::string> UnnamedOnScreen(platform::Window& frame);

// The names of the buttons drawn on `window`, in order.
std::vector<std::string> ButtonNames(platform::Window& window);

// What a screen reader finds at a point of `window`'s client area: the
// innermost element there (null when nothing).
QAccessibleInterface* AccessibleAt(platform::Window& window, int x, int y);
