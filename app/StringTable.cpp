#include "app/StringTable.h"

#include <string_view>

std::string WindowClassName()
{
    const std::string_view text = kDocTemplateString;
    return std::string(text.substr(0, text.find('\n'))) + " Class";
}
