// Logical palettes. On a true-colour screen there is no palette device:
// selecting and realising a palette changes nothing, exactly as on Windows.
#pragma once

#include "platform/Types.h"

#include <vector>

namespace platform {

class Bitmap;
class Dc;

struct Palette {
    std::vector<COLORREF> entries;
    bool halftone = false; // the system's halftone palette

    bool IsEmpty() const { return entries.empty() && !halftone; }
    void Clear()
    {
        entries.clear();
        halftone = false;
    }
};

// The palette that shows `bitmap` in its own colours: its colour table for
// bitmaps of up to 256 colours (the count its header gives, or 2 to the
// power of its bits per pixel when the header gives 0), the halftone
// palette for true-colour bitmaps.
Palette PaletteForBitmap(const Bitmap& bitmap);

// Selects `palette` into `dc` as a foreground palette and realises it when
// the device is palette-based; returns the number of entries realised.
int RealizePalette(Dc& dc, const Palette& palette);

} // namespace platform
