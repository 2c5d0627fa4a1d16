#include "kit/TextDrawing.h"

#include "kit/AppServices.h"
#include "kit/Modules.h"

using namespace platform;

namespace {

constexpr char kFundamentals[] = "Saving & Investing Fundam";
constexpr char kCreditProsAndCons[] = "Advantages and Disadvantages of Using Credit";

} // namespace

COLORREF HeadingColour(int module)
{
    switch (module) {
    case ModuleAttitudes:
        return RGB(128, 0, 0);
    case ModuleMoney:
        return RGB(0, 0, 128);
    case ModuleCredit:
        return RGB(128, 128, 0);
    case ModuleHelp:
        return RGB(128, 128, 128);
    default:
        return RGB(0, 128, 0);
    }
}

void DrawHeading(Dc& dc, const std::string& title)
{
    dc.NameWindow(title);
    const Font previous = dc.SelectFont(kHeadingFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(HeadingColour(App().Flags().currentModule));
    dc.TextOut(8, 15, title);
    // The chooser's title is cut short; the heading completes it.
    if (title == kFundamentals)
        dc.TextOut(dc.GetTextExtent(title).cx + 5, 15, "entals");
    if (title == kCreditProsAndCons) {
        dc.SelectFont(Font{kHeadingFont.face, 18, kHeadingFont.weight, false, true});
        dc.TextOut(10, 120, "ADVANTAGES");
        dc.TextOut(10, 222, "DISADVANTAGES");
    }
    dc.SelectFont(previous);
}

void DrawTextBlock(Dc& dc, const std::vector<std::string>& lines, int count, bool small)
{
    count = std::min<int>(count, static_cast<int>(lines.size()));
    if (count <= 0)
        return;
    const bool results = lines[count - 1] == kResultsMarker;
    const Font previous = dc.SelectFont(small ? Font{"Verdana", 14, FW_SEMIBOLD}
                                              : Font{"Arial", 16, results ? FW_SEMIBOLD : FW_NORMAL});
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    if (results) {
        dc.TextOut(10, 45, lines[0]);
        dc.SelectFont(Font{"Arial", 16, FW_SEMIBOLD, false, true});
        for (int i = 1, y = 61; i < count - 1; ++i, y += 16)
            dc.TextOut(10, y, lines[i]);
    } else {
        int y = 45;
        for (int i = 0; i < count; ++i) {
            dc.TextOut(10, y, lines[i]);
            y += lines[i].empty() && i > 0 ? 6 : 15;
        }
    }
    dc.SelectFont(previous);
}

void DrawTextBlock(Dc& dc, const std::vector<std::string>& lines, bool small)
{
    DrawTextBlock(dc, lines, static_cast<int>(lines.size()), small);
}
