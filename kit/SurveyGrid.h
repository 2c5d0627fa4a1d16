// The check boxes of a survey page: one row of boxes beside each statement
// of the page, one box per answer column. A box is off, hover (the pointer
// is on it) or selected; a row holds at most one selected box, and a second
// click on that box takes the answer back. The row of the box under the
// pointer is the highlighted row, whose statement the page draws in yellow.
#pragma once

#include "kit/ImageButton.h"
#include "platform/Dc.h"
#include "platform/Window.h"

#include <array>
#include <string>

class SurveyGrid {
public:
    static constexpr int kMaxRows = 5;
    static constexpr int kMaxColumns = 5;
    // Columns stand this far apart; a box stands this far above its row's
    // y, and the page makes its hit area this wide.
    static constexpr int kColumnStep = 49;
    static constexpr int kBoxRise = 12;
    static constexpr int kBoxWidth = 20;
    // The answer of a row without a selected box.
    static constexpr int kUnanswered = -1;

    struct Layout {
        int rows;
        int columns;
        int firstRowY;
        int rowSpacing;
        int firstColumnX;
    };

    // Places the boxes and loads the pictures of each column: "IDB_" +
    // prefix + "_" + column + "oFF", "OVR" and "sel". Every box starts off
    // and no row is highlighted.
    void Configure(const Layout& layout, const std::string& prefix);
    const Layout& GetLayout() const { return layout_; }
    // The y of a row's statement line.
    int RowY(int row) const { return layout_.firstRowY + row * layout_.rowSpacing; }

    // The column (from 1) of the row's selected box, or kUnanswered.
    int Answer(int row) const;
    // Every box of the row off, then box `answer` selected when it is one of
    // the row's columns.
    void SetAnswer(int row, int answer);

    // Follows the pointer: a box it left goes back off, an off box it is on
    // turns to hover and lights up its row; with no box under it the light
    // goes out. Boxes that change are drawn at once on `page`. True when
    // the highlighted row changed.
    bool Hover(platform::Point p, platform::Window& page);
    // A press: a selected box goes back to hover (the answer is taken back);
    // any other box becomes the row's only selected box. True when a box
    // was hit.
    bool Press(platform::Point p, platform::Window& page);
    bool HitsBox(platform::Point p) const;
    int Highlighted() const { return highlighted_; }
    void ClearHighlight() { highlighted_ = -1; }

    void Draw(platform::Dc& dc);
    // Column counted from 1.
    const ImageButton& Box(int row, int column) const { return boxes_[row][column - 1]; }

private:
    ImageButton& At(int row, int column) { return boxes_[row][column - 1]; }
    // Gives a box a state and draws it so on the page.
    static void Show(ImageButton& box, int state, platform::Window& page);

    Layout layout_{0, 0, 0, 0, 0};
    std::array<std::array<ImageButton, kMaxColumns>, kMaxRows> boxes_;
    int highlighted_ = -1;
};
