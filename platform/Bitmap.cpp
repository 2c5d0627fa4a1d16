#include "platform/Bitmap.h"

#include "platform/QtBridge.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <cstring>

namespace platform {
namespace {

// Reads a little-endian field of a BMP header.
template <typename T> T Field(const std::string& bytes, size_t offset)
{
    T value{};
    if (offset + sizeof(T) <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

constexpr size_t kInfoHeaderOffset = 14;

} // namespace

Bitmap::Bitmap() : image_(std::make_unique<QImage>()) {}
Bitmap::~Bitmap() = default;
Bitmap::Bitmap(Bitmap&&) noexcept = default;
Bitmap& Bitmap::operator=(Bitmap&&) noexcept = default;

bool Bitmap::LoadFromBmp(const std::string& bytes)
{
    Release();
    if (bytes.size() < kInfoHeaderOffset + 40 || bytes.compare(0, 2, "BM") != 0)
        return false;
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()),
                            "BMP"))
        return false;
    *image_ = std::move(image);
    bitsPerPixel_ = Field<std::uint16_t>(bytes, kInfoHeaderOffset + 14);
    colorsUsed_ = static_cast<int>(Field<std::uint32_t>(bytes, kInfoHeaderOffset + 32));
    return true;
}

void Bitmap::Release()
{
    *image_ = QImage();
    bitsPerPixel_ = 0;
    colorsUsed_ = 0;
    caption_.clear();
}

bool Bitmap::IsEmpty() const
{
    return image_->isNull();
}

Size Bitmap::GetSize() const
{
    const double scale = image_->devicePixelRatio();
    return {static_cast<int>(image_->width() / scale), static_cast<int>(image_->height() / scale)};
}

int Bitmap::BitsPerPixel() const
{
    return bitsPerPixel_;
}

int Bitmap::ColorsUsed() const
{
    return colorsUsed_;
}

std::vector<COLORREF> Bitmap::ColorTable() const
{
    std::vector<COLORREF> table;
    for (QRgb c : image_->colorTable())
        table.push_back(RGB(qRed(c), qGreen(c), qBlue(c)));
    return table;
}

COLORREF Bitmap::PixelAt(int x, int y) const
{
    const double scale = image_->devicePixelRatio();
    const int px = static_cast<int>(x * scale);
    const int py = static_cast<int>(y * scale);
    if (x < 0 || y < 0 || !image_->valid(px, py))
        return 0;
    return FromQColor(image_->pixelColor(px, py));
}

const QImage& Bitmap::Image() const
{
    return *image_;
}

QImage& Bitmap::MutableImage()
{
    return *image_;
}

void Bitmap::SetImage(const QImage& image)
{
    *image_ = image;
    bitsPerPixel_ = image.depth();
    colorsUsed_ = 0;
}

} // namespace platform
