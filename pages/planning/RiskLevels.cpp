#include "pages/planning/RiskLevels.h"

#include "kit/TextDrawing.h"

#include <iterator>

namespace {

constexpr char kOpening[] = "Your answers suggest that you:";

// From the highest level down. A line's trailing space is the page's own.
constexpr RiskLevel kLevels[] = {
    {19,
     "May be prepared to consider investment alternatives with more risk.",
     "4_1_1c1.avi",
     {true, false, false, false},
     {"*Spend time learning more about the investment products ", "you select before investing your money.",
      "", "*The potential to earn more money will mean your money will",
      "assume more risk. Make sure you are comfortable risking money.", "",
      "*Consider the following tips before investing:", "",
      ">Seek investments with growing power--growth stocks ", "and mutual funds.", "",
      ">Seek investments with a history of good returns.", "",
      ">Start with a small percentage of income and increase.", "",
      ">Diversify; don't put all your money in one place."}},
    {13,
     "May want to concentrate on moderate investment opportunities.",
     "4_1_1c2.avi",
     {false, true, false, false},
     {"*Identify educational resources and learn more about ", "investments with moderate risk.", "",
      "*Consider these tips before investing:", "", ">Seek a mixture of moderate investments, such",
      "as mutual funds and bonds.", "", ">Be careful about committing too much income.", "",
      ">Make sure you have an adequate emergency fund.", "",
      ">Capitalize on dollar-cost averaging. Make a fixed ", "regular investment monthly."}},
    {0,
     "May want to seek low-risk investment opportunities.",
     "4_1_1c3.avi",
     {false, false, true, true},
     {"*Money invested has the potential to grow faster. Investing ",
      "is a financial goal for many individuals and families.", "",
      "*Consider these tips as you focus on becoming an investor:", "",
      ">Check your debt load. If it is higher than the 20% recommended,",
      "think of ways to decrease debt and increase income.", "",
      ">Open a savings account and add to it each payday. Remember,",
      "a small amount is better than no amount.", "",
      ">Purchase savings bonds. Twenty-five dollars can buy a $50 bond."}},
};

} // namespace

const RiskLevel& RiskLevelFor(int score)
{
    for (const RiskLevel& level : kLevels) {
        if (score >= level.lowestScore)
            return level;
    }
    return kLevels[std::size(kLevels) - 1];
}

std::vector<std::string> RiskTips(const RiskLevel& level)
{
    std::vector<std::string> lines;
    for (const char* line : level.tips) {
        if (!line)
            break;
        lines.emplace_back(line);
    }
    return lines;
}

std::vector<std::string> RiskHeadingBlock(const RiskLevel& level)
{
    return {kOpening, level.sentence, kResultsMarker};
}

std::vector<std::string> RiskReportLines(const RiskLevel& level)
{
    std::vector<std::string> lines = {kOpening, level.sentence, ""};
    const std::vector<std::string> tips = RiskTips(level);
    lines.insert(lines.end(), tips.begin(), tips.end());
    return lines;
}
