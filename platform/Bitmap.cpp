#include "platform/Bitmap.h"

#include "platform/QtBridge.h"
#include "platform/RecentlyUsed.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <climits>
#include <cstring>

namespace platform {
namespace {

// Reads a little-endian field of a BMP header.
template <typename T> T Field(std::string_view bytes, size_t offset)
{
    T value{};
    if (offset + sizeof(T) <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

constexpr size_t kInfoHeaderOffset = 14;

// Large palette pictures (pages' backgrounds) lately converted into the
// screen's format. They are shared by every bitmap that shows the same
// pixels and keyed by those pixels, which a change gives a new key; only the
// latest are kept, so that pages the user has left do not each keep a
// converted copy of their background.
RecentlyUsed<qint64, QImage> g_converted(4 << 20);

bool IsLargePalettePicture(const QImage& image)
{
    constexpr qsizetype kLargePixels = 1 << 16;
    return image.format() == QImage::Format_Indexed8 &&
           qsizetype(image.width()) * image.height() >= kLargePixels;
}

} // namespace

Bitmap::Bitmap() : image_(std::make_unique<QImage>()) {}
Bitmap::~Bitmap() = default;
Bitmap::Bitmap(Bitmap&&) noexcept = default;
Bitmap& Bitmap::operator=(Bitmap&&) noexcept = default;

bool Bitmap::LoadFromBmp(std::string_view bytes)
{
    Release();
    if (bytes.size() < kInfoHeaderOffset + 40 || bytes.size() > INT_MAX || !bytes.starts_with("BM"))
        return false;
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()),
                            "BMP"))
        return false;
    colorTable_.clear();
    for (QRgb c : image.colorTable())
        colorTable_.push_back(RGB(qRed(c), qGreen(c), qBlue(c)));
    *image_ = std::move(image);
    bitsPerPixel_ = Field<std::uint16_t>(bytes, kInfoHeaderOffset + 14);
    colorsUsed_ = static_cast<int>(Field<std::uint32_t>(bytes, kInfoHeaderOffset + 32));
    return true;
}

void Bitmap::Release()
{
    *image_ = QImage();
    timesDrawn_ = 0;
    bitsPerPixel_ = 0;
    colorsUsed_ = 0;
    colorTable_.clear();
    caption_.clear();
}

void Bitmap::ShareFrom(const Bitmap& other)
{
    *image_ = *other.image_;
    bitsPerPixel_ = other.bitsPerPixel_;
    colorsUsed_ = other.colorsUsed_;
    colorTable_ = other.colorTable_;
    caption_ = other.caption_;
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
    return colorTable_;
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

QImage Bitmap::ImageToDraw() const
{
    // A large palette picture is drawn from a copy in the screen's format
    // once it is drawn a second time: Qt would otherwise convert it again at
    // every paint. One drawn only once (the main menu's background at start)
    // is not worth the memory, nor small ones.
    if (!IsLargePalettePicture(*image_))
        return *image_;
    const qint64 key = image_->cacheKey();
    if (const QImage* converted = g_converted.Find(key))
        return *converted;
    if (timesDrawn_++ == 0)
        return *image_;
    QImage converted = image_->convertToFormat(image_->hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                         : QImage::Format_RGB32);
    const auto weight = static_cast<size_t>(converted.sizeInBytes());
    return g_converted.Keep(key, std::move(converted), weight);
}

QImage& Bitmap::MutableImage()
{
    return *image_;
}

void Bitmap::SetImage(const QImage& image)
{
    *image_ = image;
    timesDrawn_ = 0;
    bitsPerPixel_ = image.depth();
    colorsUsed_ = 0;
    colorTable_.clear();
}

} // namespace platform
