// Fonts are asked for by Windows face name, cell height in pixels and
// weight. A face-substitution table maps the Windows faces onto installed
// metric-compatible faces; the height is the character cell height
// (ascent + descent), as a positive Windows font height is.
#pragma once

#include <string>

namespace platform {

inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_SEMIBOLD = 600;
inline constexpr int FW_BOLD = 700;

struct Font {
    std::string face = "Arial";
    int height = 16;
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Makes the faces of a font file available to the program, like
// AddFontResource. A face name that the file's family does not carry
// (for example "Handel Gothic BT") can be mapped onto it with `alias`.
// Returns false when the file cannot be read.
bool AddFontResource(const std::string& path, const std::string& alias = {});
// Withdraws a font file added before.
bool RemoveFontResource(const std::string& path);

} // namespace platform
