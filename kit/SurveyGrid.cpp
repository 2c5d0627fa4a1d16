#include "kit/SurveyGrid.h"

#include <algorithm>

using namespace platform;

void SurveyGrid::Configure(const Layout& layout, const std::string& prefix)
{
    layout_ = layout;
    layout_.rows = std::clamp(layout.rows, 0, kMaxRows);
    layout_.columns = std::clamp(layout.columns, 0, kMaxColumns);
    highlighted_ = -1;
    for (auto& row : boxes_) {
        for (ImageButton& box : row) {
            box.Release();
            box.SetState(ImageButton::Normal);
        }
    }
    for (int c = 1; c <= layout_.columns; ++c) {
        const std::string stem = "IDB_" + prefix + "_" + std::to_string(c);
        // The same three pictures serve every row of the column.
        for (int r = 0; r < layout_.rows; ++r) {
            ImageButton& box = At(r, c);
            box.LoadStates(stem + "OVR", stem + "sel", stem + "oFF");
            box.SetPosition(layout_.firstColumnX + kColumnStep * (c - 1), RowY(r) - kBoxRise);
            // Named by the statement beside the row.
            box.SetDetail("answer " + std::to_string(c) + " of " + std::to_string(layout_.columns));
            box.SetSize(kBoxWidth, ImageButton::kDefaultHeight);
        }
    }
}

int SurveyGrid::Answer(int row) const
{
    if (row < 0 || row >= layout_.rows)
        return kUnanswered;
    for (int c = 1; c <= layout_.columns; ++c) {
        if (Box(row, c).GetState() == ImageButton::Pressed)
            return c;
    }
    return kUnanswered;
}

void SurveyGrid::SetAnswer(int row, int answer)
{
    if (row < 0 || row >= layout_.rows)
        return;
    for (int c = 1; c <= layout_.columns; ++c)
        At(row, c).SetState(c == answer ? ImageButton::Pressed : ImageButton::Normal);
}

void SurveyGrid::Show(ImageButton& box, int state, Window& page)
{
    box.SetState(state);
    ClientDc dc(&page);
    box.Draw(dc, 0);
}

bool SurveyGrid::Hover(Point p, Window& page)
{
    const int before = highlighted_;
    // Boxes the pointer left first, so that a jump from one box straight
    // onto another leaves the new one lit.
    for (int r = 0; r < layout_.rows; ++r) {
        for (int c = 1; c <= layout_.columns; ++c) {
            ImageButton& box = At(r, c);
            if (box.GetState() == ImageButton::Over && !box.HitTest(p.x, p.y)) {
                Show(box, ImageButton::Normal, page);
                highlighted_ = -1;
            }
        }
    }
    bool onBox = false;
    for (int r = 0; r < layout_.rows; ++r) {
        for (int c = 1; c <= layout_.columns; ++c) {
            ImageButton& box = At(r, c);
            if (!box.HitTest(p.x, p.y))
                continue;
            onBox = true;
            if (box.GetState() == ImageButton::Normal) {
                Show(box, ImageButton::Over, page);
                highlighted_ = r;
            }
        }
    }
    if (!onBox)
        highlighted_ = -1;
    return highlighted_ != before;
}

bool SurveyGrid::Press(Point p, Window& page)
{
    for (int r = 0; r < layout_.rows; ++r) {
        for (int c = 1; c <= layout_.columns; ++c) {
            ImageButton& box = At(r, c);
            if (!box.HitTest(p.x, p.y))
                continue;
            if (box.GetState() == ImageButton::Pressed) {
                Show(box, ImageButton::Over, page);
                return true;
            }
            for (int other = 1; other <= layout_.columns; ++other)
                Show(At(r, other), ImageButton::Normal, page);
            Show(box, ImageButton::Pressed, page);
            return true;
        }
    }
    return false;
}

bool SurveyGrid::HitsBox(Point p) const
{
    for (int r = 0; r < layout_.rows; ++r) {
        for (int c = 1; c <= layout_.columns; ++c) {
            if (Box(r, c).HitTest(p.x, p.y))
                return true;
        }
    }
    return false;
}

void SurveyGrid::Draw(Dc& dc)
{
    for (int r = 0; r < layout_.rows; ++r) {
        for (int c = 1; c <= layout_.columns; ++c)
            At(r, c).Draw(dc, 0);
    }
}
