// The checklist that opens the detailed net-worth analysis ("IDD_Gather"):
// ten records worth gathering, each with a box the user ticks once the
// record is at hand. A click on a label ticks its box too. The ticks live
// in the record.
#pragma once

#include "data/CFinData.h"
#include "kit/PageWindow.h"
#include "platform/CheckBox.h"

#include <array>
#include <memory>

class ChecklistPage : public PageWindow {
public:
    static constexpr int kItems = 10;

    explicit ChecklistPage(platform::Window* view);
    ~ChecklistPage() override;

    platform::CheckBox& Box(int item) { return *boxes_[static_cast<size_t>(item)]; }
    // Where item's label was drawn (empty before the first paint).
    const platform::Rect& LabelRect(int item) const { return labelRects_[static_cast<size_t>(item)]; }

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    void StoreTicks();

    CFinData record_;
    std::array<std::unique_ptr<platform::CheckBox>, kItems> boxes_;
    std::array<platform::Rect, kItems> labelRects_{};
};
