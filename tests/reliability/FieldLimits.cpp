#include "tests/reliability/FieldLimits.h"

#include "kit/FEdit.h"
#include "platform/WindowWidget.h"

#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The largest amount a 9-character field can hold.
constexpr std::int32_t kLargestAmount = 999'999'999;
// Survey answers are the columns of a grid, never more than this many.
constexpr std::int32_t kMostAnswerColumns = 10;

// The value a field's text shows: digits and at most one point, commas
// left out; false for any other text.
bool ShownValue(const std::string& text, double& value)
{
    std::string plain;
    for (char c : text) {
        if (c != ',')
            plain.push_back(c);
    }
    char* end = nullptr;
    value = std::strtod(plain.c_str(), &end);
    return !plain.empty() && end == plain.c_str() + plain.size() &&
           plain.find_first_of("+-eExX ") == std::string::npos;
}

void CheckInts(const std::int32_t* first, std::size_t count, std::int32_t lowest, std::int32_t highest,
               const char* what, std::vector<std::string>& out)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (first[i] < lowest || first[i] > highest)
            out.push_back(std::string(what) + "[" + std::to_string(i) + "] = " + std::to_string(first[i]));
    }
}

template <std::size_t N>
void CheckGroup(const std::int32_t (&group)[N], std::int32_t lowest, std::int32_t highest, const char* what,
                std::vector<std::string>& out)
{
    CheckInts(group, N, lowest, highest, what, out);
}

template <std::size_t N>
void CheckTexts(const char (&texts)[N][kTextSize], const char* what, std::vector<std::string>& out)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (!std::memchr(texts[i], 0, kTextSize))
            out.push_back(std::string(what) + "[" + std::to_string(i) + "] has no end");
    }
}

} // namespace

std::vector<std::string> ShownFieldsOutsideLimits(platform::Window& top)
{
    std::vector<std::string> out;
    for (QWidget* widget : top.Widget()->findChildren<QWidget*>()) {
        auto* field = dynamic_cast<FEdit*>(platform::WindowWidget::OwnerOf(widget));
        if (!field || field->Widget() != widget || !field->IsWindowVisible() || field->Edit().HasFocus())
            continue;
        const std::string text = field->GetText();
        if (text.empty())
            continue;
        double value = 0;
        if (!ShownValue(text, value) || value < field->MinValue() || value > field->MaxValue())
            out.push_back("a field of " + field->GetParent()->DescribeWindow() + " shows \"" + text + "\" (" +
                          std::to_string(field->MinValue()) + " to " + std::to_string(field->MaxValue()) +
                          ")");
    }
    return out;
}

std::vector<std::string> SavedFieldsOutsideLimits(const FinRecord& r)
{
    std::vector<std::string> out;
    // The amounts from the quick worksheet to the total owned, then those of
    // the save-more page, with the goal years checked on their own.
    const auto* ints = reinterpret_cast<const std::int32_t*>(&r);
    const std::size_t amountsBegin = offsetof(FinRecord, quickAssets) / 4;
    const std::size_t yearsBegin = offsetof(FinRecord, goalYears) / 4;
    const std::size_t yearsEnd = yearsBegin + 3;
    CheckInts(ints + amountsBegin, yearsBegin - amountsBegin, -1, kLargestAmount, "amount", out);
    CheckGroup(r.goalYears, -100, kLargestAmount, "goalYears", out);
    CheckInts(ints + yearsEnd, offsetof(FinRecord, analysisChecklist) / 4 - yearsEnd, -1, kLargestAmount,
              "amount", out);
    for (std::size_t i = 0; i < sizeof r.analysisChecklist; ++i) {
        if (r.analysisChecklist[i] > 1)
            out.push_back("analysisChecklist[" + std::to_string(i) +
                          "] = " + std::to_string(r.analysisChecklist[i]));
    }
    CheckGroup(r.saveMoreAmounts, -1, kLargestAmount, "saveMoreAmounts", out);
    CheckGroup(r.habitsAnswers, -1, kMostAnswerColumns, "habitsAnswers", out);
    CheckGroup(r.spendingAnswers, -1, kMostAnswerColumns, "spendingAnswers", out);
    CheckGroup(r.valuesAnswers, -1, kMostAnswerColumns, "valuesAnswers", out);
    CheckGroup(r.saverAnswers, -1, kMostAnswerColumns, "saverAnswers", out);
    // Totals add many amounts up; they must not wrap around.
    CheckInts(&r.totalAssets, 1, -1, INT32_MAX, "totalAssets", out);
    CheckInts(&r.totalLiabilities, 1, -1, INT32_MAX, "totalLiabilities", out);
    CheckTexts(r.goalName, "goalName", out);
    CheckGroup(r.emergencyChoice, -1, kLargestAmount, "emergencyChoice", out);
    CheckTexts(r.emergencyText, "emergencyText", out);
    CheckGroup(r.loanList, -1, kLargestAmount, "loanList", out);
    return out;
}
