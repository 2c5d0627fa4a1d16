// The emergencies plan: the nine emergencies a user can prepare for, the
// fourteen ways to prepare, how much each way helps with each emergency,
// and the plan that ranks the ways for the emergencies the user chose.
#pragma once

#include <array>
#include <string>
#include <vector>

class EmergencyPlan {
public:
    static constexpr int kAlternatives = 9;
    static constexpr int kSuggestions = 14;
    static constexpr int kChoices = 5;
    // The plan lists at most this many suggestions.
    static constexpr size_t kMaxRanked = 10;

    // The alternative a choice box lists at `index` (0 to 8), as the box
    // shows it.
    static const char* AlternativeName(int index);

    // An empty plan: nothing ranked.
    EmergencyPlan() = default;
    // Ranks the suggestions for the alternative chosen in each of the five
    // boxes (-1 for a box without one): every choice adds its weights, one
    // chosen twice counts twice; with no choice at all, the last
    // alternative counts once. The highest scores come first, equal scores
    // in the suggestions' order, and a suggestion that scores nothing is
    // left out.
    explicit EmergencyPlan(const std::array<int, kChoices>& choices);

    // The ranked suggestion numbers (0 to 13), at most ten.
    const std::vector<int>& Ranking() const { return ranking_; }
    // The plan as the lesson lists it and "data\plan.txt" holds it: for
    // each ranked suggestion its place, ". " (only "." for the tenth), its
    // first line and a line feed, its second line and a line feed where it
    // has one, and an empty line.
    std::string Text() const;

private:
    std::vector<int> ranking_;
};
