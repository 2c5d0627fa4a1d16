// The lines of a detailed worksheet, as the assets, liabilities, budget and
// debt-load pages share them: each line a label the user can point at and
// click, and a read-only box with the sum of the line's sub-items. A click
// on a label (or the focus arriving in a box) selects the line: a bar
// appears behind its label, which turns white, and the detail panel opens
// beside it for that line. A press anywhere while the panel is open only
// closes it. While the page arranges its fields, and until the next tick
// of its timer, focus arriving in a box selects nothing.
#pragma once

#include "kit/DetailRows.h"
#include "kit/TooltipLabel.h"
#include "platform/Bitmap.h"
#include "platform/EditControl.h"
#include "platform/Window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CFinData;
class DetailPanel;

struct DetailLinesLook {
    DetailKind kind;
    const char* bar; // the selection bar, pure red transparent
    int barX;        // its left edge
    int barDrop;     // its top, from the label's top (negative: above)
    platform::Size barSize;
    platform::Point panel; // where the panel opens, from the page's corner
    platform::Font font = kLabelFont;
    int firstLine = 0; // the panel's line of the first line here
};

class DetailLines {
public:
    DetailLines(platform::Window& page, const DetailLinesLook& look);
    ~DetailLines();

    // Adds a line whose label stands right-aligned on `labelRight` at
    // `labelY`, with its box at `box` (page coordinates).
    void Add(const std::string& label, int labelRight, int labelY, const platform::Rect& box);
    int Count() const { return static_cast<int>(lines_.size()); }
    platform::EditControl& Box(int line) { return *lines_[static_cast<size_t>(line)].box; }
    // The box's value by the digits-only rule; 0 when empty.
    int BoxValue(int line) const;
    // Shows the line's box with `sum`, or empty for 0; with separators
    // before the last three and six digits when `separated`.
    void SetBoxSum(int line, long long sum, bool separated = false);
    // Shows each line's sum of sub-items in `record`, with separators on
    // the lines `separated` names; the boxes' focus selects nothing meanwhile.
    void ShowSums(const CFinData& record, const std::function<bool(int line)>& separated);

    // Shows or hides every box (and so the detailed mode's lines).
    void ShowBoxes(bool show);
    void EnableBoxes(bool enable);
    // While raised, focus arriving in a box selects nothing.
    void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
    bool Suppressed() const { return suppressed_; }

    // Draws the labels in their colours, with the bar behind the selected one.
    void Draw(platform::Dc& dc);
    // A mouse move; true when the pointer is on a label.
    bool Hover(platform::Point point);
    // A mouse move on the page while the panel is open: the panel's close
    // button loses its highlight and the pointer is the arrow. False, and
    // nothing done, while the panel is closed.
    bool HoverBesidePanel();
    // A left-button press; true when it was the lines' (it closed the
    // panel or selected a line), false when the page handles it.
    bool Press(platform::Point point);
    // Selects `line` and opens the panel for it.
    void Select(int line);
    // The panel closed: the selection is gone.
    void PanelClosed();

    int Selected() const { return selected_; }
    int Hovered() const { return labels_.Highlighted(); }
    bool PanelOpen() const;

private:
    struct Line {
        std::string label;
        int labelRight;
        int labelY;
        std::unique_ptr<platform::EditControl> box;
    };
    platform::Rect LabelRect(int line) const;
    void Redraw(int line);

    platform::Window& page_;
    DetailLinesLook look_;
    std::vector<Line> lines_;
    TooltipLabels labels_;
    platform::Bitmap bar_;
    int selected_ = -1;
    bool suppressed_ = true;
};
