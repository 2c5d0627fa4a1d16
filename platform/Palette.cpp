#include "platform/Palette.h"

#include "platform/Bitmap.h"
#include "platform/Dc.h"

namespace platform {

Palette PaletteForBitmap(const Bitmap& bitmap)
{
    Palette palette;
    const int bits = bitmap.BitsPerPixel();
    int count = bitmap.ColorsUsed();
    if (count == 0)
        count = bits >= 31 ? 0x7FFFFFFF : 1 << bits;
    if (count > 256) {
        palette.halftone = true;
        return palette;
    }
    std::vector<COLORREF> table = bitmap.ColorTable();
    table.resize(static_cast<size_t>(count), RGB(0, 0, 0));
    palette.entries = std::move(table);
    return palette;
}

int RealizePalette(Dc& dc, const Palette& palette)
{
    if (!(dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) || palette.IsEmpty())
        return 0;
    return static_cast<int>(palette.entries.size());
}

} // namespace platform
