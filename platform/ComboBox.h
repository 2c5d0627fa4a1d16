// An editable drop-down box inside a window: a list of items to choose from
// and an edit field that also takes typed text. As on Windows, the current
// selection is the item last chosen from the list; typing into the field
// leaves no item selected.
#pragma once

#include "platform/Control.h"
#include "platform/Font.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace platform {

class Window;

class ComboBox : public Control {
public:
    // A visible, empty box inside `parent`, at (0, 0) with no size until moved.
    explicit ComboBox(Window* parent);
    ~ComboBox();
    ComboBox(const ComboBox&) = delete;
    ComboBox& operator=(const ComboBox&) = delete;

    // --- Items --------------------------------------------------------------
    // Appends an item (Windows-1252) to the list; returns its index.
    int AddString(const std::string& text);
    // The number of items in the list.
    int GetCount() const;
    // The text of item `index` ("" when there is none).
    std::string GetItemText(int index) const;

    // --- Selection and text -------------------------------------------------
    // The index of the selected item, -1 when none.
    int GetCurSel() const;
    // Selects item `index` and shows its text in the field; -1 selects none
    // and empties the field. No hook runs.
    void SetCurSel(int index);
    // The text in the field (Windows-1252).
    std::string GetText() const;
    // Puts a text into the field, whatever the limit; no item is selected
    // afterwards and no hook runs.
    void SetText(const std::string& text);
    // The most characters the user can type into the field; a longer text
    // set by the program or chosen from the list stays. Negative: no limit.
    void SetLimitText(int limit);
    // The typing limit (negative: none).
    int GetLimitText() const;
    // The font of the field and of the list.
    void SetFont(const Font& font);

    // --- The list -----------------------------------------------------------
    // Opens or closes the list, as the user does with the arrow button.
    void ShowDropDown(bool show);
    // Whether the list is open.
    bool IsDropped() const;

    // --- Hooks (the user's actions only) --------------------------------------
    // After the user chose an item from the list (by mouse, arrow keys or
    // wheel); the field shows the item's text already.
    void SetSelChangeHandler(std::function<void()> handler);
    // After the user changed the text in the field by typing.
    void SetEditChangeHandler(std::function<void()> handler);

    // The underlying widget, for the platform and for tests.
    QWidget* Widget() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
