// The detail lines of a written result: a line that begins with "*" starts
// a bulleted paragraph (the "*" is not shown; the bullet stands before the
// line), and an empty line is the gap between paragraphs. Where the layout
// has a place for arrows, a line that begins with ">" is a tip under the
// paragraph before: the arrow stands before it, and it and every later
// line move right to the arrow's text.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Dc.h"

#include <string>
#include <vector>

struct ResultLinesLayout {
    int textX;
    int top;      // the first line's y
    int lineStep; // down to the next line after a line of text
    int gapStep;  // down to the next line after an empty one
    int bulletX;  // the bullet stands here, a little below its line's top
    // The arrow of a ">" line and the x of the text from it on; 0 when
    // the lines have no arrows (the ">" is then shown).
    int arrowX = 0;
    int arrowTextX = 0;
};

// Draws the lines in "Arial" 15, black, on a transparent background.
void DrawResultLines(platform::Dc& dc, const std::vector<std::string>& lines, const ResultLinesLayout& layout,
                     const platform::Bitmap& bullet, const platform::Bitmap* arrow = nullptr);
