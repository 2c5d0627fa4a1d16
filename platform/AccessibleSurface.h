// What a screen reader learns of what is drawn on a window. The picture
// buttons drawn on a window are no windows of their own, so each is noted on
// the surface it is drawn on and offered as a button there, called by the
// words on its picture. A field is called by its label: the text drawn
// beside or above it.
#pragma once

#include "platform/Types.h"

#include <string>
#include <vector>

namespace platform {

class AccessibleItemSource;

// A button drawn on a window, as a screen reader sees it.
struct AccessibleItem {
    std::string name;   // Windows-1252; "" takes the label drawn beside it
    std::string detail; // what tells it from its neighbours of the same name
    Rect rect;          // in the window's client coordinates
    bool enabled = true;
};

// A line of text drawn on a window, where it stands in the window.
struct DrawnText {
    std::string text; // Windows-1252
    Rect rect;
};

// What a drawing reports to the window it draws on (a window; a bitmap or a
// printed page has none): its name, the lines of text and the buttons drawn.
class AccessibleSurface {
public:
    virtual ~AccessibleSurface() = default;

    // The name for screen readers (a page's heading).
    virtual void SetAccessibleName(const std::string& name) = 0;
    // Notes a button drawn now; it leaves the surface it was on.
    virtual void NoteAccessibleItem(AccessibleItemSource* item) = 0;
    // Notes a line of text drawn now, in client coordinates.
    virtual void NoteDrawnText(const std::string& text, const Rect& rect) = 0;
    // Forgets a button that ends or is drawn elsewhere.
    virtual void ForgetAccessibleItem(AccessibleItemSource* item) = 0;

protected:
    static void SetDrawnOn(AccessibleItemSource& item, AccessibleSurface* surface);
};

// Something drawn on a window that a screen reader should find there. It
// belongs to the surface it was last drawn on (Dc::NoteAccessibleItem) and
// leaves it when either ends.
class AccessibleItemSource {
public:
    AccessibleItemSource() = default;
    virtual ~AccessibleItemSource();
    AccessibleItemSource(const AccessibleItemSource&) = delete;
    AccessibleItemSource& operator=(const AccessibleItemSource&) = delete;

    // The item as it stands now; false while it is not on show.
    virtual bool DescribeAccessibleItem(AccessibleItem& item) const = 0;
    // The surface the item was last drawn on (null when none).
    AccessibleSurface* DrawnOn() const { return surface_; }

private:
    friend class AccessibleSurface;
    AccessibleSurface* surface_ = nullptr;
};

// The label of something at `rect` among the texts drawn around it: the
// nearest line on the same row to its left, else the nearest line just
// above it, else the nearest line just right of it (a box ticked beside its
// words), else the nearest line on its row however far to its left (the
// statement of a row of answer boxes). Lines without a letter (amounts, signs) label nothing; a label's
// closing colon and dollar sign are left out. "" when none fits.
std::string FindLabel(const std::vector<DrawnText>& texts, const Rect& rect);

} // namespace platform
