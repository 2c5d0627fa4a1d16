// Virtual-key codes and mouse-key flags passed to the keyboard and mouse
// handlers, with their Windows values.
#pragma once

#include "platform/Types.h"

namespace platform {

inline constexpr UINT VK_BACK = 0x08;
inline constexpr UINT VK_TAB = 0x09;
inline constexpr UINT VK_RETURN = 0x0D;
inline constexpr UINT VK_ESCAPE = 0x1B;
inline constexpr UINT VK_SPACE = 0x20;
inline constexpr UINT VK_LEFT = 0x25;
inline constexpr UINT VK_UP = 0x26;
inline constexpr UINT VK_RIGHT = 0x27;
inline constexpr UINT VK_DOWN = 0x28;
inline constexpr UINT VK_DELETE = 0x2E;
inline constexpr UINT VK_SHIFT = 0x10;
inline constexpr UINT VK_CONTROL = 0x11;
inline constexpr UINT VK_CAPITAL = 0x14;
inline constexpr UINT VK_PRIOR = 0x21;
inline constexpr UINT VK_NEXT = 0x22;
inline constexpr UINT VK_END = 0x23;
inline constexpr UINT VK_HOME = 0x24;
inline constexpr UINT VK_INSERT = 0x2D;
inline constexpr UINT VK_F1 = 0x70;    // F2 to F12 follow
inline constexpr UINT VK_OEM_1 = 0xBA; // ;:
inline constexpr UINT VK_OEM_PLUS = 0xBB;
inline constexpr UINT VK_OEM_COMMA = 0xBC;
inline constexpr UINT VK_OEM_MINUS = 0xBD;
inline constexpr UINT VK_OEM_PERIOD = 0xBE;
inline constexpr UINT VK_OEM_2 = 0xBF; // /?
inline constexpr UINT VK_OEM_3 = 0xC0; // `~
inline constexpr UINT VK_OEM_4 = 0xDB; // [{
inline constexpr UINT VK_OEM_5 = 0xDC; // \|
inline constexpr UINT VK_OEM_6 = 0xDD; // ]}
inline constexpr UINT VK_OEM_7 = 0xDE; // '"
// Digits and letters use their upper-case ASCII codes ('0'..'9', 'A'..'Z').

inline constexpr UINT MK_LBUTTON = 0x0001;
inline constexpr UINT MK_RBUTTON = 0x0002;

} // namespace platform
