// Conversion between the program's Windows-1252 byte strings and Qt's
// Unicode strings. Only the platform layer converts; everything above it
// keeps texts as the bytes that the content files and the record hold.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString FromAnsi(std::string_view text);
std::string ToAnsi(const QString& text);

} // namespace platform
