// Message boxes. Every message box of the program goes through one place,
// so that tests can put a recorder there instead of a real box.
#pragma once

#include "platform/Types.h"

#include <string>

namespace platform {

// Buttons and icons.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_ICONSTOP = 0x0010;
inline constexpr UINT MB_ICONINFORMATION = 0x0040;
// Results.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

class MessageBoxHandler {
public:
    virtual ~MessageBoxHandler() = default;
    virtual int Show(const std::string& text, const std::string& caption, UINT type) = 0;
};

// Shows a message box modally and returns the button chosen. An empty
// caption means the program's own name.
int MessageBox(const std::string& text, const std::string& caption = {}, UINT type = MB_OK);

// The background and text colours of every message box from now on.
void SetDialogColors(COLORREF background, COLORREF text);

// Replaces the real message boxes (tests); null restores them. Returns the
// handler that was in place.
MessageBoxHandler* SetMessageBoxHandler(MessageBoxHandler* handler);

} // namespace platform
