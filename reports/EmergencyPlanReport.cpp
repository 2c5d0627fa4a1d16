// The introduction of the emergency plan's report: the five emergencies the
// user chose, numbered "1) " to "5) ", between the lesson's two lines. The
// suggestions follow as the plan lesson's topics, each with the text of
// its own suggestion.
#include "reports/ReportPrinter.h"

namespace {

constexpr size_t kEmergencies = 5;

} // namespace

std::vector<std::string> ReportPrinter::PlanIntroduction(const std::vector<std::string>& lines) const
{
    std::vector<std::string> introduction;
    if (!lines.empty())
        introduction.push_back(lines.front());
    for (size_t k = 0; k < kEmergencies; ++k)
        introduction.push_back(std::to_string(k + 1) + ") " +
                               (k < data_.values.size() ? data_.values[k] : ""));
    if (lines.size() > 1)
        introduction.push_back(lines.back());
    return introduction;
}
