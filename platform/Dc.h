// A device context: the drawing state (font, colours, pen, brush, origin,
// mapping) and the drawing operations of the program, on a window's
// backing image, an off-screen bitmap or a printed page.
#pragma once

#include "platform/Font.h"
#include "platform/Types.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>

class QPainter;
class QPaintDevice;
class QRegion;

namespace platform {

class AccessibleItemSource;
class AccessibleSurface;
class Bitmap;

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Text alignment flags.
inline constexpr UINT TA_LEFT = 0;
inline constexpr UINT TA_TOP = 0;
inline constexpr UINT TA_RIGHT = 2;
inline constexpr UINT TA_CENTER = 6;
inline constexpr UINT TA_BASELINE = 24;

// Mapping modes.
inline constexpr int MM_TEXT = 1;
inline constexpr int MM_ANISOTROPIC = 8;

// Device capabilities.
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int RASTERCAPS = 38;
inline constexpr int RC_BITBLT = 0x0001;
inline constexpr int RC_PALETTE = 0x0100;

enum class PenStyle { Solid, Null };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    COLORREF color = RGB(0, 0, 0);
};

struct Brush {
    bool null = false; // a hollow brush fills nothing
    COLORREF color = RGB(255, 255, 255);
};

class Dc {
public:
    // Draws on any Qt paint device (used by the platform itself). Images are
    // painted operation by operation, so that several device contexts may
    // draw on one window at a time, as on Windows; a printer keeps one
    // painter for the whole page (`persistent`).
    explicit Dc(QPaintDevice* device, bool persistent = false);
    virtual ~Dc();
    Dc(const Dc&) = delete;
    Dc& operator=(const Dc&) = delete;

    // Text.
    Font SelectFont(const Font& font);
    const Font& GetFont() const;
    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    UINT SetTextAlign(UINT align);
    // Draws `text` (Windows-1252) with the top of its cell at y, or with its
    // baseline at y under TA_BASELINE.
    void TextOut(int x, int y, std::string_view text);
    Size GetTextExtent(std::string_view text) const;
    // The width of the line drawn as narrow as the text guard may condense
    // it (tabs and letters from fallback typefaces do not condense).
    Size GetNarrowestTextExtent(std::string_view text) const;
    // The right edge (logical) of the column that the following lines must
    // fit in; kSurfaceEdge means the edge of the surface itself. Returns the
    // previous edge. A line that does not fit is condensed or reported
    // (platform/TextFit.h).
    int SetTextRight(int right);
    // The left edge of that column, for lines that end at a given x;
    // -kSurfaceEdge means the surface's own. Returns the previous edge.
    int SetTextLeft(int left);
    static constexpr int kSurfaceEdge = 1 << 30;
    // Names the surface in reports of lines that do not fit.
    void SetOwnerName(std::string name);

    // Lines and shapes, with Windows' conventions: lines leave out their last
    // point, rectangles their right and bottom edges.
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    void FillSolidRect(const Rect& rect, COLORREF color);
    void Ellipse(int left, int top, int right, int bottom);
    // Counter-clockwise from the radial through (x1, y1) to the one through
    // (x2, y2), on the ellipse bounded by the rectangle.
    void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);

    // Bitmaps.
    void BitBlt(int x, int y, int width, int height, const Bitmap& source, int srcX, int srcY);
    // Like BitBlt, leaving the source pixels of colour `key` out.
    void TransparentBlt(int x, int y, int width, int height, const Bitmap& source, int srcX, int srcY,
                        COLORREF key);

    // Coordinates.
    Point SetViewportOrg(int x, int y);
    Point GetViewportOrg() const;
    int SetMapMode(int mode);
    Size SetWindowExt(int cx, int cy);
    Size SetViewportExt(int cx, int cy);

    int GetDeviceCaps(int index) const;

    // Keeps drawing inside the rectangle (logical coordinates).
    void IntersectClipRect(const Rect& rect);

    // Limits drawing to a region in device coordinates (the invalid area
    // while painting).
    void SetDeviceClip(const QRegion& region);

    // The window the context draws on (none on a bitmap or a printed page):
    // the lines of text and the picture buttons drawn are noted there for
    // screen readers.
    void AttachWindow(AccessibleSurface* window);
    // Gives the window drawn on its name for screen readers (a page's
    // heading); nothing elsewhere.
    void NameWindow(const std::string& name);
    // Notes a picture button drawn now on the window; nothing elsewhere.
    void NoteAccessibleItem(AccessibleItemSource* item);

private:
    struct State;
    class Painting;
    // Where the following lines may stand: [left, right) in logical units.
    std::pair<int, int> TextSpace() const;
    // Pixels of the device to a pixel of the program's world: the display
    // scale on a window or an off-screen bitmap, 1 on a printed page.
    double Scale() const;
    QPaintDevice* device_;
    AccessibleSurface* window_ = nullptr;
    std::string owner_;
    std::unique_ptr<QPainter> persistent_;
    std::unique_ptr<State> state_;
};

} // namespace platform
