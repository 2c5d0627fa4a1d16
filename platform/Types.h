// Plain value types shared by the whole program: points, sizes, rectangles,
// colours and the window-message word types.
#pragma once

#include <cstdint>

namespace platform {

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using BYTE = std::uint8_t;

// First message number that a program may use for its own messages.
inline constexpr UINT WM_USER = 1024;
// A command message: the low word of wParam is the command identifier.
inline constexpr UINT WM_COMMAND = 0x0111;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    bool IsEmpty() const { return cx <= 0 || cy <= 0; }
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle given by its edges; right and bottom lie just outside it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as red, green and blue bytes, packed 0x00BBGGRR like RGB().
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace platform
