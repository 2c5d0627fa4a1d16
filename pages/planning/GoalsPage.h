// The goals page ("IDD_Define"): the user names three financial goals and
// gives, for each, the money it requires and the years until it is needed.
// The names come from a list of typical goals or are typed; the times are
// kept to the half year. The goals live in the record, where the meet-goal
// chart reads them.
#pragma once

#include "data/CFinData.h"
#include "kit/FEdit.h"
#include "kit/PageWindow.h"
#include "platform/ComboBox.h"

#include <array>
#include <memory>
#include <string>

class GoalsPage : public PageWindow {
public:
    static constexpr int kGoals = 3;
    static constexpr int kNameLimit = 45;

    explicit GoalsPage(platform::Window* view);
    ~GoalsPage() override;

    platform::ComboBox& NameBox(int goal) { return *names_[static_cast<size_t>(goal)]; }
    FEdit& AmountField(int goal) { return *amounts_[static_cast<size_t>(goal)]; }
    FEdit& TimeField(int goal) { return *times_[static_cast<size_t>(goal)]; }

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;

private:
    void Load();
    void Store();
    void ShowTimes();

    CFinData record_;
    std::array<std::unique_ptr<platform::ComboBox>, kGoals> names_;
    std::array<std::unique_ptr<FEdit>, kGoals> amounts_;
    std::array<std::unique_ptr<FEdit>, kGoals> times_;
    bool firstPaint_ = false;
};

// The time a goal is stored with, in hundredths of a year, for the years the
// user typed: kept to the half year (a fraction under a quarter is dropped,
// one over three quarters makes a whole year, except at 45 years or more),
// and one year for none.
int GoalTimeToStore(double years);
