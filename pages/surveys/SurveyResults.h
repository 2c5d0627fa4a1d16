// The written results of the reality check and of the borrowing-habits
// survey, chosen by score: the level line under "Your answers indicate
// that:", an optional quotation, the video and the detail lines (a line
// that begins with "*" opens a bulleted paragraph; an empty one is a gap).
#pragma once

#include <string>
#include <vector>

struct SurveyResult {
    int highestScore; // the level holds the scores up to this one
    const char* level;
    const char* quotation; // "" when the result has none
    const char* video;     // "" when the result has none
    std::vector<std::string> details;
};

const SurveyResult& RealityResult(int score);
const SurveyResult& BorrowingResult(int score);

// The heading block of a result page: the opening line, the level line and
// the marker "ShowResults" that makes the block a result.
std::vector<std::string> HeadingBlock(const SurveyResult& result);
// The lines a result's report prints: the opening line, the level line, the
// quotation (empty when there is none) and the detail lines.
std::vector<std::string> ReportLines(const SurveyResult& result);
