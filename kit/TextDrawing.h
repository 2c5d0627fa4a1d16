// The program's two text layouts: the page heading in the module's colour,
// and the block of introduction or result lines below it.
#pragma once

#include "platform/Dc.h"

#include <string>
#include <vector>

// The heading of a page at (8, 15) in "Handel Gothic BT", in the colour of
// the current module; it is also the page's name for screen readers.
void DrawHeading(platform::Dc& dc, const std::string& title);

// Lines at x 10 from y 45, 15 pixels apart (6 after an empty line that is
// not the first), in "Arial" 16 or, when `small`, "Verdana" 14. A block
// whose last line is "ShowResults" is a result: its first line plain, the
// following ones underlined and bold, 16 pixels apart; the marker itself is
// not drawn.
void DrawTextBlock(platform::Dc& dc, const std::vector<std::string>& lines, int count, bool small);
void DrawTextBlock(platform::Dc& dc, const std::vector<std::string>& lines, bool small = false);
// The last line of a result's block.
inline constexpr char kResultsMarker[] = "ShowResults";

// The colour of headings in `module`.
platform::COLORREF HeadingColour(int module);

// The heading font.
inline const platform::Font kHeadingFont{"Handel Gothic BT", 22, 500};
