// The debt load's input page ("IDD_Debt", "Know Your Borrowing Habits"):
// the monthly net income, the rent or mortgage, and the total monthly
// payment to all creditors, which the user itemises in the detail panel's
// loan list. A click on the total's label (or into the total) opens the
// panel. Next leads to the result, which weighs the payments against the
// twenty percent rule.
#pragma once

#include "data/CFinData.h"
#include "kit/DetailLines.h"
#include "kit/FEdit.h"
#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

#include <string>

class DebtLoadPage : public PageWindow {
public:
    explicit DebtLoadPage(platform::Window* view);
    ~DebtLoadPage() override;

    FEdit& Income() { return income_; }
    FEdit& Housing() { return housing_; }
    // The read-only total of the loan list.
    platform::EditControl& Total() { return lines_.Box(0); }
    DetailLines& Lines() { return lines_; }

    void OnProgramBackground() override;

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;

private:
    void Load();
    void ShowTotal();
    void Store();

    CFinData record_;
    FEdit income_;
    FEdit housing_;
    DetailLines lines_;
    platform::Bitmap backdrop_;
    bool loaded_ = false;
    bool firstPaint_ = false;
};
