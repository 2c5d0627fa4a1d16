#include "platform/MemoryBitmap.h"

#include "platform/DisplayScale.h"

#include <QImage>

namespace platform {

MemoryBitmap::MemoryBitmap(int width, int height)
{
    // As sharp as the windows it is copied to.
    const int scale = DisplayScale();
    QImage pixels(width * scale, height * scale, QImage::Format_RGB32);
    pixels.setDevicePixelRatio(scale);
    pixels.fill(Qt::black);
    bitmap_.SetImage(pixels);
    // The bitmap keeps its QImage at one address for its whole life.
    dc_ = std::make_unique<Dc>(&bitmap_.MutableImage());
}

MemoryBitmap::~MemoryBitmap() = default;

Dc& MemoryBitmap::GetDc()
{
    return *dc_;
}

const Bitmap& MemoryBitmap::GetBitmap() const
{
    return bitmap_;
}

Size MemoryBitmap::GetSize() const
{
    return bitmap_.GetSize();
}

} // namespace platform
