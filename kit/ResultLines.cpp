#include "kit/ResultLines.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"

#include <string_view>

using namespace platform;

namespace {

constexpr char kBulletMark = '*';
constexpr char kArrowMark = '>';
constexpr int kBulletDrop = 5; // the bullet's top below its line's top
constexpr int kArrowDrop = 3;
const Font kResultFont{"Arial", 15, FW_NORMAL};

} // namespace

void DrawResultLines(Dc& dc, const std::vector<std::string>& lines, const ResultLinesLayout& layout,
                     const Bitmap& bullet, const Bitmap* arrow)
{
    const Font previous = dc.SelectFont(kResultFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    const bool arrows = layout.arrowTextX > 0;
    int x = layout.textX;
    int y = layout.top;
    for (const std::string& line : lines) {
        if (line.empty()) {
            y += layout.gapStep;
            continue;
        }
        std::string_view text = line;
        if (text.front() == kBulletMark) {
            App().Art().DrawBitmap(dc, bullet, layout.bulletX, y + kBulletDrop);
            text.remove_prefix(1);
        } else if (arrows && text.front() == kArrowMark) {
            if (arrow)
                App().Art().DrawBitmap(dc, *arrow, layout.arrowX, y + kArrowDrop);
            text.remove_prefix(1);
            x = layout.arrowTextX;
        }
        dc.TextOut(x, y, text);
        y += layout.lineStep;
    }
    dc.SelectFont(previous);
}
