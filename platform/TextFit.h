// The guard on every line of text the program draws: a line is measured
// against the space it is drawn in (the drawing surface's width from the
// line's x, or the column its page gives it with Dc::SetTextRight). A line
// that is too wide is drawn condensed in the same face, no more than needed
// and never below kMinTextStretch percent; a line that does not fit even
// then is reported, so that nothing is ever cut off silently.
#pragma once

#include <string>

namespace platform {

// The narrowest a line may be drawn, in percent of its natural width.
inline constexpr int kMinTextStretch = 85;

// A line that did not fit its space even condensed.
struct TextOverflow {
    std::string owner; // the window, bitmap or printed page it was drawn on
    std::string text;
    int overshoot = 0; // pixels past the space at the narrowest stretch
};

class TextFitReporter {
public:
    virtual ~TextFitReporter() = default;
    virtual void Overflow(const TextOverflow& overflow) = 0;
    // A line that fitted only condensed, to `stretch` percent.
    virtual void Condensed(const std::string& owner, const std::string& text, int stretch);
};

// Installs the place that hears of lines that do not fit (tests and the
// course tour); null stops the reports. Returns the reporter in place.
TextFitReporter* SetTextFitReporter(TextFitReporter* reporter);

// Tell the installed reporter, if any.
void ReportTextOverflow(const TextOverflow& overflow);
void ReportTextCondensed(const std::string& owner, const std::string& text, int stretch);

} // namespace platform
