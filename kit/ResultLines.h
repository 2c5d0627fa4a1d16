// The detail lines of a written result: a line that begins with "*" starts
// a bulleted paragraph (the "*" is not shown; the bullet stands before the
// line), and an empty line is the gap between paragraphs.
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
};

// Draws the lines in "Arial" 15, black, on a transparent background.
void DrawResultLines(platform::Dc& dc, const std::vector<std::string>& lines, const ResultLinesLayout& layout,
                     const platform::Bitmap& bullet);
