// The three levels of risk tolerance a score falls in: the sentence the
// results page gives, its video, its tips, and the tiers of the investment
// triangle that suit it.
#pragma once

#include <array>
#include <string>
#include <vector>

inline constexpr int kInvestmentTiers = 4;
// The results page has room for this many lines of tips.
inline constexpr int kRiskTipLines = 17;

struct RiskLevel {
    int lowestScore; // the level holds the scores from this one up
    const char* sentence;
    const char* video;
    std::array<bool, kInvestmentTiers> tiers; // highlighted on the investment triangle
    // A line that begins with "*" opens a bulleted paragraph, one that
    // begins with ">" is a tip under it, an empty one is a gap; the lines
    // after the last are left out.
    std::array<const char*, kRiskTipLines> tips;
};

const RiskLevel& RiskLevelFor(int score);
// The level's tips, up to its last line.
std::vector<std::string> RiskTips(const RiskLevel& level);

// The heading block of the results page: the opening line, the level's
// sentence and the marker that makes the block a result.
std::vector<std::string> RiskHeadingBlock(const RiskLevel& level);
// The lines the results report prints: the opening line, the sentence, an
// empty line where other results have a quotation, and the tips.
std::vector<std::string> RiskReportLines(const RiskLevel& level);
