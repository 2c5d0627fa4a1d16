#include "platform/TextFit.h"

#include <utility>

namespace platform {
namespace {

TextFitReporter* g_reporter = nullptr;

} // namespace

void TextFitReporter::Condensed(const std::string&, const std::string&, int) {}

TextFitReporter* SetTextFitReporter(TextFitReporter* reporter)
{
    return std::exchange(g_reporter, reporter);
}

void ReportTextOverflow(const TextOverflow& overflow)
{
    if (g_reporter)
        g_reporter->Overflow(overflow);
}

void ReportTextCondensed(const std::string& owner, const std::string& text, int stretch)
{
    if (g_reporter)
        g_reporter->Condensed(owner, text, stretch);
}

} // namespace platform
