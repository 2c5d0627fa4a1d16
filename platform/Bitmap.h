// A device-independent bitmap: pixels at their own size, and for 8-bit
// bitmaps the colour table they were stored with.
#pragma once

#include "platform/Types.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QImage;

namespace platform {

class Bitmap {
public:
    Bitmap();
    ~Bitmap();
    Bitmap(Bitmap&&) noexcept;
    Bitmap& operator=(Bitmap&&) noexcept;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // Reads a BMP file's bytes; false (and an empty bitmap) when they are
    // not a bitmap.
    bool LoadFromBmp(std::string_view bytes);
    // Releases the pixels; drawing an empty bitmap draws nothing.
    void Release();
    // Shows what `other` shows: the pixels are shared until either bitmap
    // is drawn into.
    void ShareFrom(const Bitmap& other);

    bool IsEmpty() const;
    // The size in pixels of the program's world (an off-screen bitmap keeps
    // more pixels than that at a display scale above one).
    Size GetSize() const;
    // Bits per pixel as stored (8 for palette bitmaps, 24 or 32 otherwise).
    int BitsPerPixel() const;
    // The number of colours used that the bitmap's header gives (0 = all).
    int ColorsUsed() const;
    // The colour table of a palette bitmap (empty for true-colour ones).
    std::vector<COLORREF> ColorTable() const;
    // The colour of one pixel (of the world's pixels).
    COLORREF PixelAt(int x, int y) const;

    // The words the picture shows ("" when none or not known): a button
    // made of it is called by them.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }

    // The pixels, for the platform's drawing code.
    const QImage& Image() const;
    // The same pixels in the form that draws fastest on the screen.
    QImage ImageToDraw() const;
    // The pixels to draw into, for the platform's off-screen bitmaps.
    QImage& MutableImage();
    void SetImage(const QImage& image);

private:
    std::unique_ptr<QImage> image_;
    int bitsPerPixel_ = 0;
    int colorsUsed_ = 0;
    std::vector<COLORREF> colorTable_;
    std::string caption_;
    mutable int timesDrawn_ = 0;
};

} // namespace platform
