// The emergencies list ("IDD_EmList"): five boxes in which the user picks
// the emergencies to prepare for from the list of alternatives, or types
// one of their own. Going forward ranks the ways to prepare for them,
// writes the plan to "data\plan.txt" and leaves it for the view to hand to
// the plan lesson. The choices and the typed texts live in the record.
#pragma once

#include "data/CFinData.h"
#include "kit/PageWindow.h"
#include "pages/money/EmergencyPlan.h"
#include "platform/ComboBox.h"

#include <array>
#include <memory>
#include <string>

class EmergenciesPage : public PageWindow {
public:
    static constexpr int kBoxes = EmergencyPlan::kChoices;
    // The most characters a typed emergency keeps: its field in the record
    // holds 49 and the closing zero.
    static constexpr int kTypedLimit = 49;

    explicit EmergenciesPage(platform::Window* view);
    ~EmergenciesPage() override;

    platform::ComboBox& Box(int box) { return *boxes_[static_cast<size_t>(box)]; }
    // What box `box` shows: the alternative chosen there or the text typed.
    std::string ChosenText(int box) const;
    // The plan built when the user last went forward.
    const EmergencyPlan& Plan() const { return plan_; }
    // Whether that plan made it into its file.
    bool PlanSaved() const { return planSaved_; }

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    // Puts the boxes' choices and typed texts into the record and saves it.
    void StoreChoices();
    // Ranks the suggestions for the choices and writes the plan's file.
    void BuildPlan();

    CFinData record_;
    std::array<std::unique_ptr<platform::ComboBox>, kBoxes> boxes_;
    EmergencyPlan plan_;
    bool planSaved_ = false;
    bool toldNotSaved_ = false;
    bool firstPaint_ = false;
};
