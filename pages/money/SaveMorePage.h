// How to save more ("IDD_Fix"): eight everyday savings, each with a field
// for the amount the user could save, and what they add up to in a year.
// The amounts live in the record.
#pragma once

#include "data/CFinData.h"
#include "kit/FEdit.h"
#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

#include <array>
#include <memory>
#include <string>

class SaveMorePage : public PageWindow {
public:
    static constexpr int kRows = 8;

    explicit SaveMorePage(platform::Window* view);
    ~SaveMorePage() override;

    FEdit& Field(int row) { return *fields_[static_cast<size_t>(row)]; }
    // What the amounts in the fields save in a year; an empty field saves nothing.
    long long YearlyTotal() const;
    // The total as the page shows it.
    std::string TotalLine() const;
    // A row as the report prints it: "Save $", the field's text and the row's text.
    std::string RowLine(int row) const;

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;

private:
    // Enter and Down go to the next field, Up to the one before; Escape does nothing.
    bool OnFieldKey(int row, platform::UINT key);
    void DrawRows(platform::Dc& dc);
    void DrawTotal(platform::Dc& dc);

    CFinData record_;
    std::array<std::unique_ptr<FEdit>, kRows> fields_;
    platform::Bitmap totalArt_;
    bool firstPaint_ = false;
};
