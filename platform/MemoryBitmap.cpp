#include "platform/MemoryBitmap.h"

#include <QImage>

namespace platform {

MemoryBitmap::MemoryBitmap(int width, int height)
{
    QImage pixels(width, height, QImage::Format_RGB32);
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
