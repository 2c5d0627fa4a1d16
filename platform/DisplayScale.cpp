#include "platform/DisplayScale.h"

#include <QGuiApplication>
#include <cmath>
#include <cstring>

namespace platform {
namespace {

constexpr char kScaleOption[] = "--scale";

// A whole number from 1 to kMaxDisplayScale, written plainly.
std::optional<int> ParseScale(const char* text)
{
    if (!text || !*text || std::strlen(text) > 2)
        return std::nullopt;
    int value = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9')
            return std::nullopt;
        value = value * 10 + (*c - '0');
    }
    if (value < 1 || value > kMaxDisplayScale)
        return std::nullopt;
    return value;
}

std::optional<int> Checked(const char* text, const char* source, std::string* complaint)
{
    const std::optional<int> scale = ParseScale(text);
    if (!scale && complaint)
        *complaint = std::string(source) + " \"" + (text ? text : "") +
                     "\" is not a whole number from 1 to " + std::to_string(kMaxDisplayScale) +
                     "; the scale is chosen from the screen";
    return scale;
}

} // namespace

int ChooseDisplayScale(Size world, Size screen)
{
    if (world.cx <= 0 || world.cy <= 0)
        return 1;
    int scale = 1;
    while (scale < kMaxDisplayScale && (scale + 1) * world.cx + kScreenRoomToSpare <= screen.cx &&
           (scale + 1) * world.cy + kScreenRoomToSpare <= screen.cy)
        ++scale;
    return scale;
}

std::optional<int> RequestedDisplayScale(int argc, const char* const* argv, const char* environment,
                                         std::string* complaint)
{
    const size_t optionLength = std::strlen(kScaleOption);
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, kScaleOption) == 0)
            return Checked(i + 1 < argc ? argv[i + 1] : nullptr, kScaleOption, complaint);
        if (std::strncmp(arg, kScaleOption, optionLength) == 0 && arg[optionLength] == '=')
            return Checked(arg + optionLength + 1, kScaleOption, complaint);
    }
    if (environment && *environment)
        return Checked(environment, "FISCOVA_SCALE", complaint);
    return std::nullopt;
}

int DisplayScale()
{
    if (!qGuiApp)
        return 1;
    return std::max(1, static_cast<int>(std::lround(qGuiApp->devicePixelRatio())));
}

} // namespace platform
