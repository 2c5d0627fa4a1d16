#include "kit/ResultLines.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"

using namespace platform;

namespace {

constexpr char kBulletMark = '*';
constexpr int kBulletDrop = 5; // the bullet's top below its line's top
const Font kResultFont{"Arial", 15, FW_NORMAL};

} // namespace

void DrawResultLines(Dc& dc, const std::vector<std::string>& lines, const ResultLinesLayout& layout,
                     const Bitmap& bullet)
{
    const Font previous = dc.SelectFont(kResultFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    int y = layout.top;
    for (const std::string& line : lines) {
        if (line.empty()) {
            y += layout.gapStep;
            continue;
        }
        if (line.front() == kBulletMark) {
            App().Art().DrawBitmap(dc, bullet, layout.bulletX, y + kBulletDrop);
            dc.TextOut(layout.textX, y, std::string_view(line).substr(1));
        } else {
            dc.TextOut(layout.textX, y, line);
        }
        y += layout.lineStep;
    }
    dc.SelectFont(previous);
}
