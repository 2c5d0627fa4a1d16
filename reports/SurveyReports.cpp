// The bodies of the attitude surveys' reports: a result's lines (the
// reality check, the borrowing habits) and the spending type's topics with
// their texts.
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
constexpr Point kBulletShift{-9, 2}; // the bullet, a little clear of its line
constexpr int kSpendingFirstY = 140;

} // namespace

void ReportPrinter::DrawSurveyResult(Dc& dc)
{
    Bitmap bullet;
    for (size_t i = 0; i < data_.values.size(); ++i) {
        const int index = static_cast<int>(i);
        const int y = index < 3 ? kResultLineY[index] : kDetailTop + kLineStep * (index - 1);
        if (y > kBodyBottom)
            break;
        std::string line = data_.values[i];
        if (line.empty())
            continue; // a gap, or a result without a quotation
        if (line.front() == kBulletMark) {
            if (bullet.IsEmpty())
                App().Art().LoadOwnBitmap(bullet, "IDB_bullet");
            dc.BitBlt(kLeft + kBulletShift.x, y + kBulletShift.y, bullet.GetSize().cx, bullet.GetSize().cy,
                      bullet, 0, 0);
            line.erase(0, 1);
        }
        dc.SelectFont(index == kLevelLine ? kBoldFont : kBodyFont);
        Text(dc, kLeft, y, line);
    }
}

void ReportPrinter::DrawSpending(Dc& dc)
{
    DrawEntries(dc, kSpendingFirstY);
}
