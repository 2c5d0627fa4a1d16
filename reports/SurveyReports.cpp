// The bodies of the surveys' reports: a result's lines (the reality check,
// the borrowing habits, the risk tolerance) and the spending type's topics
// with their texts.
#include "reports/ReportPrinter.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "platform/Bitmap.h"
#include "reports/ReportLayout.h"

using namespace platform;
using namespace report;

namespace {

// The opening line, the level line and the quotation stand apart; the
// detail lines follow one a line.
constexpr int kResultLineY[] = {142, 154, 178};
constexpr int kDetailTop = 170;
constexpr int kLevelLine = 1;
constexpr char kBulletMark = '*';
constexpr char kArrowMark = '>';     // a tip under a paragraph (the risk result's)
constexpr Point kMarkerShift{-9, 2}; // a bullet or arrow, a little clear of its line
constexpr int kSpendingFirstY = 140;

} // namespace

void ReportPrinter::DrawSurveyResult(Dc& dc)
{
    // The result's markers, each the picture printed before its line.
    struct Marker {
        char mark;
        const char* picture;
        Bitmap bitmap;
    };
    Marker markers[] = {{kBulletMark, "IDB_bullet", {}}, {kArrowMark, "IDB_arrow", {}}};
    for (size_t i = 0; i < data_.values.size(); ++i) {
        const int index = static_cast<int>(i);
        const int y = index < 3 ? kResultLineY[index] : kDetailTop + kLineStep * (index - 1);
        if (y > kBodyBottom)
            break;
        std::string line = data_.values[i];
        if (line.empty())
            continue; // a gap, or a result without a quotation
        for (Marker& marker : markers) {
            if (line.front() != marker.mark)
                continue;
            if (marker.bitmap.IsEmpty())
                App().Art().LoadOwnBitmap(marker.bitmap, marker.picture);
            const Size size = marker.bitmap.GetSize();
            dc.BitBlt(kLeft + kMarkerShift.x, y + kMarkerShift.y, size.cx, size.cy, marker.bitmap, 0, 0);
            line.erase(0, 1);
            break;
        }
        dc.SelectFont(index == kLevelLine ? kBoldFont : kBodyFont);
        Text(dc, kLeft, y, line);
    }
}

void ReportPrinter::DrawSpending(Dc& dc)
{
    DrawEntries(dc, kSpendingFirstY);
}
