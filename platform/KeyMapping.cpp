#include "platform/KeyMapping.h"

#include "platform/Keys.h"

#include <Qt>

namespace platform {
namespace {

struct KeyMapping {
    int qtKey;
    UINT virtualKey;
};

constexpr KeyMapping kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},   {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_Left, VK_LEFT},      {Qt::Key_Up, VK_UP},         {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},      {Qt::Key_Delete, VK_DELETE},
};

} // namespace

UINT VirtualKeyOf(int qtKey)
{
    for (const KeyMapping& k : kKeys) {
        if (k.qtKey == qtKey)
            return k.virtualKey;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<UINT>(qtKey);
    return 0;
}

} // namespace platform
