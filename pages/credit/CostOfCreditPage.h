// The cost of credit ("IDD_Cost"): the user enters the amount of a loan,
// its annual interest rate and the months to repay it, and sees the
// monthly payment, the principal and interest repaid, the total cost of the
// item and a pie of principal against interest. The three entries live in
// the record, so the page opens with the user's last loan, or with the
// example of $1000 at 5 % over 36 months.
#pragma once

#include "data/CFinData.h"
#include "kit/FEdit.h"
#include "kit/PageWindow.h"
#include "pages/credit/LoanCost.h"
#include "platform/Bitmap.h"

#include <string>

class CostOfCreditPage : public PageWindow {
public:
    explicit CostOfCreditPage(platform::Window* view);
    ~CostOfCreditPage() override;

    FEdit& Amount() { return amount_; }
    FEdit& Rate() { return rate_; }
    FEdit& Months() { return months_; }

    // The loan in the fields as the page works it out.
    LoanCost Cost();
    // Whether the example line shows: the fields read 5 % and $1000.
    bool ShowsExample();

    // What the report prints, as the page last worked it out: the total
    // paid, the interest and the monthly payment, in plain digits.
    const std::string& TotalText() const { return totalText_; }
    const std::string& InterestText() const { return interestText_; }
    const std::string& PaymentText() const { return paymentText_; }

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
    void ShowRate();
    // Works out the loan and keeps the report's texts of it.
    LoanCost Results();
    void DrawLabels(platform::Dc& dc);
    void DrawResults(platform::Dc& dc);
    void DrawPie(platform::Dc& dc, const LoanCost& cost);

    CFinData record_;
    FEdit amount_;
    FEdit rate_;
    FEdit months_;
    platform::Bitmap sheet_;
    std::string totalText_;
    std::string interestText_;
    std::string paymentText_;
    bool loaded_ = false;
    bool firstPaint_ = false;
};
