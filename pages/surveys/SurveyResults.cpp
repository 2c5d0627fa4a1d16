#include "pages/surveys/SurveyResults.h"

#include "kit/TextDrawing.h"

#include <climits>

namespace {

constexpr char kOpening[] = "Your answers indicate that:";

const SurveyResult kRealityLevels[] = {
    {39,
     "You are approaching the financial track.",
     "",
     "",
     {"*You may have unrealistic money beliefs and practices. In order",
      "to have more financial success, you must be willing to change",
      "your attitudes and actions when it comes to money.", "",
      "*Make a commitment to yourself. You'll learn new skills to",
      "replace old unsuccessful habits through this series."}},
    {50,
     "You are getting on financial track.",
     "",
     "",
     {"*Your money attitudes and practices are somewhat unrealistic",
      "and will continue to disappoint you unless you make changes.", "",
      "*You have probably experienced some difficulty in achieving the",
      "things you would like. You may feel frustrated, and a little",
      "out of control in your financial life. Don't give up. This", "series is for you.", "",
      "*The exercise on setting goals will give you renewed hope in", "your financial future.", "",
      "*The upcoming exercise on spending types will help you examine", "why you use money the way you do."}},
    {59,
     "You are on financial track and getting started.",
     "",
     "",
     {"*You have moderately realistic attitudes and practices with money.", "",
      "*Learn more about improving money management habits and", "your financial future through this series.",
      "", "*Pay close attention to the section on \"setting realistic", "and achievable goals.\""}},
    {66,
     "You are on financial track and moving.",
     "",
     "",
     {"*You have healthy and realistic attitudes and practices when", "it comes to money.", "",
      "*This series will help you put into practice more of those", "things you know you should do."}},
    {INT_MAX,
     "You are on financial track and moving fast.",
     "",
     "",
     {"*You have very healthy and realistic attitudes and habits", "when it comes to money.", "",
      "*This series will complement the knowledge you already have,",
      "give you additional tips to improve your skills, and strengthen",
      "what looks to be a promising financial future."}},
};

// The middle level once listed the tip on limiting credit cards a second
// time at its end; it is shown once.
const SurveyResult kBorrowingLevels[] = {
    {20,
     "You have great borrowing habits.",
     "\"Congratulations! Keep up the good work.\"",
     "3_2_1b1.avi",
     {"*You tend to be a cautious and attentive credit user, and are making", "credit work for you.", "",
      "*You understand the cost of credit and know how to capitalize on the", "advantages of using it.", "",
      "*You understand credit is costly but, by making more than minimum payments,",
      "paying the full balance when the monthly statement arrives, and",
      "knowing when to charge and when not to charge, you come out a winner.", "",
      "*You will continue to have positive experiences as long as you continue", "positive practices."}},
    {30,
     "You have good borrowing habits.",
     "\"With a little practice, your good borrowing habits will become even better.\"",
     "3_2_1b2.avi",
     {"*Remember, borrowing is not as costly if you understand how to make it", "work for you.", "",
      "*Try to limit the number of credit cards you use and how often you use them.", "",
      "*If you have open credit accounts that are not being used, close them.",
      "Request that all accounts closed are reported to the credit bureau. Open",
      "accounts are seen as potential debt by creditors and can count against you.", "",
      "*Make more than the minimum payment when possible", "and always make your payments on time. "}},
    {INT_MAX,
     "You may need to work on your borrowing habits.",
     "\"Remember, habits can be changed.\"",
     "3_2_1b3.avi",
     {"*Be selective with your credit use. Credit use is one of the quickest",
      "ways to build or destroy a financial reputation.", "",
      "*Plan your purchases and avoid the temptation to overuse credit.",
      "If shopping with credit cards in your pocket is too tempting,", "leave them at home.", "",
      "*Calculate the cost of purchases made with credit. Remember,", "carrying a monthly balance is costly.",
      "", "*Make sure you are aware of what your credit report says about you.",
      "Change negative information by changing bad habits."}},
};

template <size_t N> const SurveyResult& LevelFor(const SurveyResult (&levels)[N], int score)
{
    for (const SurveyResult& level : levels) {
        if (score <= level.highestScore)
            return level;
    }
    return levels[N - 1];
}

} // namespace

const SurveyResult& RealityResult(int score)
{
    return LevelFor(kRealityLevels, score);
}

const SurveyResult& BorrowingResult(int score)
{
    return LevelFor(kBorrowingLevels, score);
}

std::vector<std::string> HeadingBlock(const SurveyResult& result)
{
    return {kOpening, result.level, kResultsMarker};
}

std::vector<std::string> ReportLines(const SurveyResult& result)
{
    std::vector<std::string> lines = {kOpening, result.level, result.quotation};
    lines.insert(lines.end(), result.details.begin(), result.details.end());
    return lines;
}
