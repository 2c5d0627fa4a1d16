// The pop-up panel of the detailed worksheets ("IDD_Detail"), one for the
// whole program: for one line of a worksheet it shows the line's sub-items
// one per row, each in its own edit field; closing it writes every row into
// the record, saves it, puts the rows' total into the calling page's box
// and tells the page (WM_DETAIL_CLOSED). Kinds: the assets and liabilities
// worksheets, the loans of the debt load and the budget's categories.
#pragma once

#include "data/CFinData.h"
#include "kit/DetailRows.h"
#include "kit/ImageButton.h"
#include "platform/Bitmap.h"
#include "platform/EditControl.h"
#include "platform/Window.h"

#include <array>
#include <memory>
#include <string>

class DetailPanel : public platform::Window {
public:
    // A child of the main frame, hidden.
    explicit DetailPanel(platform::Window* frame);
    ~DetailPanel() override;

    // The box on the calling page that receives the total, and the page
    // that hears when the panel closes.
    void SetTarget(platform::EditControl* box, platform::Window* page);
    // Opens the panel for `line` of `kind` with its top-left corner at
    // (x, y) of the main frame.
    void Open(int x, int y, int line, DetailKind kind);
    // Commits and closes: the total into the box, the rows into the record.
    void Close();

    // True from opening until the panel has closed.
    bool IsShowing() const { return showing_; }
    // Writes the open panel's rows into the record and saves it; nothing
    // while the panel is closed.
    void StoreEntries();
    // Closes the panel without moving the focus: the rows into the record,
    // their total into the box; the page hears of it as of a close.
    void HidePanel();

    int RowCount() const { return rowCount_; }
    platform::EditControl& Row(int row) { return *edits_[static_cast<size_t>(row)]; }
    const char* RowLabel(int row) const;
    const ImageButton& CloseButton() const { return closeButton_; }
    // Puts the close button back to its normal picture: the pointer has
    // left the panel for the page under it.
    void ResetCloseButton();
    // The rows' total as the box receives it: the sum, or "" for 0.
    std::string TotalText() const;

protected:
    void OnPaint(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnClose() override;

private:
    // A key in row `row`; true when the panel used it.
    bool OnRowKey(int row, platform::UINT key);
    void LoadArt(DetailKind kind);
    void SetCloseState(int state);

    std::array<std::unique_ptr<platform::EditControl>, kDetailMaxRows + 1> edits_; // and the hidden slot
    const DetailLine* line_ = nullptr;
    int rowCount_ = 0;
    bool showing_ = false;
    platform::Bitmap background_;
    ImageButton closeButton_;
    platform::EditControl* target_ = nullptr;
    platform::Window* targetPage_ = nullptr;
    CFinData record_;
};
