// The page of a report as its body routines lay it out: report units, the
// fonts of the body, and the lessons' titles and introductions.
#pragma once

#include "platform/Dc.h"

#include <string>
#include <vector>

namespace report {

// Report units.
inline constexpr int kLeft = 40;
inline constexpr int kRight = 600; // the body keeps left of this
inline constexpr int kTitleY = 100;
inline constexpr int kIntroY = 120;
inline constexpr int kLineStep = 12;
inline constexpr int kNoticeY = 770;
inline constexpr int kBodyBottom = 760; // nothing of the body runs past this

inline const platform::Font kIntroFont{"Arial", 11, 400};
inline const platform::Font kBodyFont{"Arial", 12, 400};
inline const platform::Font kBoldFont{"Arial", 12, 700};
inline const platform::Font kUnderlinedBold{"Arial", 12, 700, false, true};
inline const platform::Font kBigBold{"Arial", 14, 700};
inline const platform::Font kEntryFont{"Arial", 10, 400};

// A lesson's report: its title and introduction, by the lesson's key.
struct LessonReport {
    const char* key;
    const char* title;
    std::vector<std::string> introduction;
    int firstY; // where the entries begin
};

// The lesson's report, or null for a lesson without one.
const LessonReport* FindLessonReport(const std::string& key);

} // namespace report
