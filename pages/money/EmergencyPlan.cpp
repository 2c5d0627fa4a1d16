#include "pages/money/EmergencyPlan.h"

namespace {

// Each alternative with how much each suggestion (0 to 13) helps with it.
struct Alternative {
    const char* name;
    int weights[EmergencyPlan::kSuggestions];
};

constexpr Alternative kAlternativeTable[EmergencyPlan::kAlternatives] = {
    {"Loss of job", {0, 10, 5, 7, 0, 0, 0, 9, 8, 7, 9, 9, 4, 0}},
    {"Loss of spouse", {10, 8, 6, 5, 8, 0, 6, 0, 0, 0, 0, 0, 9, 0}},
    {"Medical emergency", {3, 5, 10, 5, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Family emergency", {8, 7, 7, 7, 2, 5, 4, 7, 0, 0, 0, 0, 7, 0}},
    {"Business emergency", {0, 6, 1, 4, 10, 3, 0, 0, 0, 0, 8, 8, 0, 0}},
    {"Unexpected travel", {4, 0, 6, 1, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Loss due to crime", {5, 0, 5, 5, 6, 1, 10, 0, 0, 0, 0, 0, 0, 5}},
    {"Natural disaster ", {5, 1, 5, 7, 5, 10, 10, 0, 0, 0, 0, 0, 9, 0}},
    {"Other unlikely emergency", {0, 9, 7, 5, 0, 9, 0, 0, 0, 0, 0, 0, 8, 0}},
};

// What the plan says of each suggestion; two of them take a second line.
struct Suggestion {
    const char* line1;
    const char* line2;
};

constexpr Suggestion kSuggestionLines[EmergencyPlan::kSuggestions] = {
    {"Evaluate insurance coverage.", nullptr},
    {"Three to six months of salary saved.", nullptr},
    {"Get medical coverage.", nullptr},
    {"Cash on hand.", nullptr},
    {"Business insurance.", nullptr},
    {"Traveler's checks.", nullptr},
    {"Homeowner's insurance/fair market", "value insurance for valuables."},
    {"Awareness of state", "unemployment agencies."},
    {"Awareness of job-locating agencies.", nullptr},
    {"Network with other agencies.", nullptr},
    {"COBRA.", nullptr},
    {"Updated resume.", nullptr},
    {"Family support community agencies.", nullptr},
    {"Purchase disability insurance.", nullptr},
};

// Counted when no box has a choice.
constexpr int kFallbackAlternative = 8;
// The highest score a suggestion can reach: five choices of weight 10.
constexpr int kHighestScore = EmergencyPlan::kChoices * 10;

bool IsAlternative(int index)
{
    return index >= 0 && index < EmergencyPlan::kAlternatives;
}

} // namespace

const char* EmergencyPlan::AlternativeName(int index)
{
    return IsAlternative(index) ? kAlternativeTable[index].name : "";
}

EmergencyPlan::EmergencyPlan(const std::array<int, kChoices>& choices)
{
    std::array<int, kSuggestions> scores{};
    bool anyChoice = false;
    const auto add = [&](int alternative) {
        for (int s = 0; s < kSuggestions; ++s)
            scores[static_cast<size_t>(s)] += kAlternativeTable[alternative].weights[s];
    };
    for (int choice : choices) {
        if (IsAlternative(choice)) {
            add(choice);
            anyChoice = true;
        }
    }
    if (!anyChoice)
        add(kFallbackAlternative);
    for (int score = kHighestScore; score > 0 && ranking_.size() < kMaxRanked; --score) {
        for (int s = 0; s < kSuggestions && ranking_.size() < kMaxRanked; ++s) {
            if (scores[static_cast<size_t>(s)] == score)
                ranking_.push_back(s);
        }
    }
}

std::string EmergencyPlan::Text() const
{
    std::string text;
    for (size_t n = 1; n <= ranking_.size(); ++n) {
        const Suggestion& suggestion = kSuggestionLines[ranking_[n - 1]];
        text += std::to_string(n) + (n == kMaxRanked ? "." : ". ") + suggestion.line1 + "\n";
        if (suggestion.line2)
            text += std::string(suggestion.line2) + "\n";
        text += "\n";
    }
    return text;
}
