// Any bytes as a bitmap of the program's or a section module's artwork.
#include "platform/Bitmap.h"
#include "tests/fuzz/FuzzScratch.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    platform::Bitmap bitmap;
    if (!bitmap.LoadFromBmp(std::string(reinterpret_cast<const char*>(data), size))) {
        Require(bitmap.IsEmpty(), "a bitmap that does not load is empty");
        return 0;
    }
    const platform::Size at = bitmap.GetSize();
    Require(at.cx > 0 && at.cy > 0, "a loaded bitmap has pixels");
    bitmap.PixelAt(0, 0);
    bitmap.PixelAt(at.cx - 1, at.cy - 1);
    Require(bitmap.ColorTable().size() <= 256 || bitmap.BitsPerPixel() > 8,
            "a palette has at most 256 colours");
    return 0;
}
