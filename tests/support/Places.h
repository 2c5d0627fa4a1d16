// Where the user finds things on the program's 640x480 screen: the main
// menu's items, the side buttons of a module and the page area.
#pragma once

#include <QPoint>

namespace places {

// The page area's corner; pages place their controls from here.
inline constexpr int kPageX = 128;
inline constexpr int kPageY = 51;

// The middle of main-menu item 1 to 5 (module order).
inline constexpr int MenuItemY(int item)
{
    return 240 + 42 * (item - 1) + 15;
}
inline constexpr int kMenuItemX = 200;
inline constexpr QPoint kMenuExit{580, 418};

// The left column of a module screen.
inline constexpr int kSideX = 64;
inline constexpr int kSectionY[] = {126, 184, 242, 300};
inline constexpr int kMainMenuY = 369;
inline constexpr int kExitY = 409;
inline constexpr int kWebY = 452;

// The top band.
inline constexpr QPoint kTopTen{514, 22};
inline constexpr QPoint kVideo{590, 22};
// A point of the band with no button: a click there only closes pop-ups.
inline constexpr QPoint kBareBand{300, 20};

// The navigation bar along the bottom of a page: print, back, and next
// (where return stands too).
inline constexpr QPoint kNavPrint{kPageX + 8 + 40, kPageY + 402 + 13};
inline constexpr QPoint kNavBack{kPageX + 325 + 40, kPageY + 402 + 13};
inline constexpr QPoint kNavNext{kPageX + 413 + 40, kPageY + 402 + 13};

} // namespace places
