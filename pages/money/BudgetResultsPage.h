// "Budget Results" ("IDD_Comp"): the user's monthly budget set beside the
// average household's for the same pay, category by category.
#pragma once

#include "data/CFinData.h"
#include "kit/PageWindow.h"
#include "pages/money/BudgetResultsChart.h"

#include <array>

class BudgetResultsPage : public PageWindow {
public:
    explicit BudgetResultsPage(platform::Window* view);

    // The user's category totals as the budget page showed them, in the
    // chart's order; the view hands them over before it shows the page.
    void SetUserTotals(const std::array<int, kSpendingCategories>& totals) { user_ = totals; }
    const BudgetResultsChart& Chart() const { return chart_; }

protected:
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    CFinData record_;
    std::array<int, kSpendingCategories> user_{};
    BudgetResultsChart chart_;
};
