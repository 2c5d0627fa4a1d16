// What a screen reader learns of the program's windows. A window has a name
// (a page is called by its heading). The picture buttons drawn on a window
// are no windows of their own, so each is noted on the window it is drawn
// on and offered as a button of that window, called by the words on its
// picture. A field is called by its label: the text drawn beside or above
// it on its window.
#pragma once

#include "platform/Types.h"

#include <string>
#include <vector>

namespace platform {

class Window;

// A button drawn on a window, as a screen reader sees it.
struct AccessibleItem {
    std::string name;   // Windows-1252; "" takes the label drawn beside it
    std::string detail; // what tells it from its neighbours of the same name
    Rect rect;          // in the window's client coordinates
    bool enabled = true;
};

// Something drawn on a window that a screen reader should find there. It
// belongs to the window it was last drawn on (Dc::NoteAccessibleItem) and
// leaves it when either ends.
class AccessibleItemSource {
public:
    AccessibleItemSource() = default;
    virtual ~AccessibleItemSource();
    AccessibleItemSource(const AccessibleItemSource&) = delete;
    AccessibleItemSource& operator=(const AccessibleItemSource&) = delete;

    // The item as it stands now; false while it is not on show.
    virtual bool DescribeAccessibleItem(AccessibleItem& item) const = 0;
    // The window the item was last drawn on (null when none).
    Window* DrawnOn() const { return window_; }

private:
    friend class Window;
    Window* window_ = nullptr;
};

// A line of text drawn on a window, where it stands in the window.
struct DrawnText {
    std::string text; // Windows-1252
    Rect rect;
};

// The label of something at `rect` among the texts drawn around it: the
// nearest line on the same row to its left, else the nearest line just
// above it, else the nearest line just right of it (a box ticked beside its
// words), else the nearest line on its row however far to its left (the
// statement of a row of answer boxes). Lines without a letter (amounts, signs) label nothing; a label's
// closing colon and dollar sign are left out. "" when none fits.
std::string FindLabel(const std::vector<DrawnText>& texts, const Rect& rect);

// Lets screen readers see the program's windows this way; the GUI session
// calls it once.
void InstallAccessibility();

} // namespace platform
