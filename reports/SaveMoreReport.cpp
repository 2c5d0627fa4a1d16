// The body of the how-to-save-more report: the eight savings lines as the
// page shows them, and the yearly total after an empty line.
#include "reports/ReportPrinter.h"

#include "reports/ReportLayout.h"

using namespace platform;
using namespace report;

namespace {

constexpr int kFirstLineY = 160;
constexpr int kSaveMoreStep = 14;
constexpr size_t kSavingsLines = 8;

} // namespace

void ReportPrinter::DrawSaveMore(Dc& dc)
{
    // The values: the eight lines, then the total, which stands one line lower.
    for (size_t i = 0; i < data_.values.size(); ++i) {
        const size_t place = i < kSavingsLines ? i : i + 1;
        Text(dc, kLeft, kFirstLineY + kSaveMoreStep * static_cast<int>(place), data_.values[i]);
    }
}
