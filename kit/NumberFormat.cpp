#include "kit/NumberFormat.h"

#include <cstdio>
#include <string_view>

namespace {

// Separators stand before these positions counted from the end; a third
// group is never made.
constexpr std::string::size_type kSeparatorPlaces[] = {3, 6};

} // namespace

std::string FormatThousands(const std::string& digits)
{
    const bool negative = !digits.empty() && digits[0] == '-';
    const std::string_view text = negative ? std::string_view(digits).substr(1) : std::string_view(digits);
    const std::string::size_type n = text.size();
    std::string result = negative ? "-" : "";
    for (std::string::size_type i = 0; i < n; ++i) {
        for (const std::string::size_type place : kSeparatorPlaces) {
            if (n > place && i == n - place)
                result += ',';
        }
        result += text[i];
    }
    return result;
}

std::string FormatThousands(long long value)
{
    return FormatThousands(std::to_string(value));
}

std::string FormatTwoDecimals(double value)
{
    const int length = std::snprintf(nullptr, 0, "%.2f", value);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::string::size_type>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.2f", value);
    text.resize(static_cast<std::string::size_type>(length));
    if (text.back() == '0') {
        text.pop_back();
        if (text.back() == '0') {
            text.pop_back();
            if (!text.empty() && text.back() == '.')
                text.pop_back();
        }
    }
    return text;
}
