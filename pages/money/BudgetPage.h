// The monthly budget ("IDD_Budget"): the take-home pay, and thirteen
// spending categories over two screens of the page, each the sum of the
// sub-items the user types into the detail panel. The page shows what
// remains of the pay after all of them, in red when the budget spends more
// than the pay. The comparison with an average household takes its user
// figures from this page.
#pragma once

#include "data/CFinData.h"
#include "kit/DetailLines.h"
#include "kit/FEdit.h"
#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

#include <array>

class BudgetPage : public PageWindow {
public:
    static constexpr int kCategories = 13;
    // The categories the comparison sets beside the average household's:
    // all but consumer debt and savings.
    static constexpr int kCompared = 11;
    static constexpr std::array<int, kCompared> kComparedCategories = {0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 12};
    // The keys the view hands over to open the page on a screen.
    static constexpr char kFirstScreen[] = "screen 1";
    static constexpr char kSecondScreen[] = "screen 2";

    explicit BudgetPage(platform::Window* view);
    ~BudgetPage() override;

    // Opens the page on its first or second screen.
    void TakeKey(const std::string& key) override;
    bool FirstScreen() const { return firstScreen_; }

    FEdit& Pay() { return pay_; }
    // The category's box, whichever screen it is on.
    platform::EditControl& Box(int category);
    DetailLines& Lines(int screen) { return lines_[static_cast<size_t>(screen)]; }
    // The pay minus every category, as the page shows it.
    long long Remaining() const;
    // The compared categories' totals as their boxes show them.
    std::array<int, kCompared> ComparedTotals() const;

    void OnProgramBackground() override;

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnTimer(platform::UINT id) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;

private:
    DetailLines& Shown() { return lines_[firstScreen_ ? 0 : 1]; }
    void Load();
    void ShowSums();
    void ShowScreen(bool first);
    void CommitPay();
    void DrawRemaining(platform::Dc& dc);

    CFinData record_;
    FEdit pay_;
    std::array<DetailLines, 2> lines_;
    platform::Bitmap art_;
    bool firstScreen_ = true;
    bool firstPaint_ = false;
};
