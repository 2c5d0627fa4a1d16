// The first page of the risk tolerance exercise (the first "IDD_Saver"):
// four amounts about the user (age, monthly net income, the value of what
// the user owns, monthly payments to creditors) that count towards the
// risk score with the statements of the survey that follows. The amounts
// live in the record; income and payments are shared with the budget and
// debt-load exercises.
#pragma once

#include "data/CFinData.h"
#include "kit/FEdit.h"
#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

#include <array>
#include <memory>

class RiskInputPage : public PageWindow {
public:
    enum Field { Age, Income, Owned, Payments, kFields };
    static constexpr int kMaxAge = 100;

    explicit RiskInputPage(platform::Window* view);
    ~RiskInputPage() override;

    FEdit& GetField(Field field) { return *fields_[static_cast<size_t>(field)]; }

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    void Store();
    void DrawLabels(platform::Dc& dc);

    CFinData record_;
    std::array<std::unique_ptr<FEdit>, kFields> fields_;
    platform::Bitmap art_;
    bool firstPaint_ = false;
};
