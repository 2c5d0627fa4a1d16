// An off-screen bitmap: a 32-bit picture of a given size with a device
// context that draws into it. A picture drawn here whole and then copied to
// a window with one BitBlt appears at once, without flicker.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Dc.h"
#include "platform/Types.h"

#include <memory>

namespace platform {

class MemoryBitmap {
public:
    // A bitmap of width x height pixels (both positive), black, as a new
    // bitmap compatible with the screen is.
    MemoryBitmap(int width, int height);
    ~MemoryBitmap();
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;

    // The device context that draws into the bitmap; one context for the
    // bitmap's whole life, so its font, pen, brush and origin stay selected.
    Dc& GetDc();
    // The picture as drawn so far, for BitBlt onto another context.
    const Bitmap& GetBitmap() const;
    // The bitmap's size in pixels.
    Size GetSize() const;

private:
    Bitmap bitmap_;
    std::unique_ptr<Dc> dc_; // draws on bitmap_'s pixels
};

} // namespace platform
