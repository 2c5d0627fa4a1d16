// The net-worth result ("IDD_Networth"): what the user owns minus what the
// user owes, from the totals the two worksheets left in the record, with a
// wording for the quick or the detailed analysis.
#pragma once

#include "data/CFinData.h"
#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

class NetWorthPage : public PageWindow {
public:
    explicit NetWorthPage(platform::Window* view);

    // The net worth as last painted.
    long long NetWorth() const { return netWorth_; }

protected:
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    void DrawFigure(platform::Dc& dc, int height, const char* label, long long value,
                    platform::COLORREF colour, int y);

    CFinData record_;
    platform::Bitmap art_;
    long long netWorth_ = 0;
};
