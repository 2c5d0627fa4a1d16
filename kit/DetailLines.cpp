#include "kit/DetailLines.h"

#include "data/CFinData.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/DetailPanel.h"
#include "kit/NumberFormat.h"

#include <algorithm>
#include <utility>

using namespace platform;

namespace {

constexpr COLORREF kBarKey = RGB(255, 0, 0);

DetailPanel* Panel()
{
    return App().Windows().detailPanel;
}

} // namespace

DetailLines::DetailLines(Window& page, const DetailLinesLook& look) : page_(page), look_(look) {}

DetailLines::~DetailLines() = default;

void DetailLines::Add(const std::string& label, int labelRight, int labelY, const Rect& box)
{
    Line line{label, labelRight, labelY, std::make_unique<EditControl>(&page_)};
    line.box->MoveWindow(box.left, box.top, box.Width(), box.Height());
    line.box->SetReadOnly(true);
    line.box->Show(false);
    const int index = Count();
    line.box->SetFocusHandlers(
        [this, index] {
            if (!suppressed_ && !PanelOpen())
                Select(index);
        },
        {});
    lines_.push_back(std::move(line));
}

int DetailLines::BoxValue(int line) const
{
    return std::max(0, CFinData::ParseAmount(lines_[static_cast<size_t>(line)].box->GetText()));
}

void DetailLines::SetBoxSum(int line, long long sum, bool separated)
{
    Box(line).SetText(sum == 0 ? std::string() : separated ? FormatThousands(sum) : std::to_string(sum));
}

void DetailLines::ShowSums(const CFinData& record, const std::function<bool(int line)>& separated)
{
    const bool was = suppressed_;
    suppressed_ = true;
    for (int i = 0; i < Count(); ++i)
        SetBoxSum(i, SubItemSum(record, look_.kind, look_.firstLine + i), separated(i));
    suppressed_ = was;
}

void DetailLines::ShowBoxes(bool show)
{
    const bool was = suppressed_;
    suppressed_ = true;
    for (Line& line : lines_)
        line.box->Show(show);
    suppressed_ = was;
}

void DetailLines::EnableBoxes(bool enable)
{
    for (Line& line : lines_)
        line.box->EnableWindow(enable);
}

Rect DetailLines::LabelRect(int line) const
{
    const Line& l = lines_[static_cast<size_t>(line)];
    const int barTop = l.labelY + look_.barDrop;
    return {look_.barX, barTop, look_.barX + look_.barSize.cx, barTop + look_.barSize.cy};
}

void DetailLines::Draw(Dc& dc)
{
    if (selected_ >= 0) {
        if (bar_.IsEmpty())
            App().Art().LoadBitmapByName(bar_, look_.bar);
        const Rect bar = LabelRect(selected_);
        App().Art().DrawTransparentBitmap(dc, bar.left, bar.top, bar.Width(), bar.Height(), bar_, 0, 0,
                                          kBarKey);
    }
    for (int i = 0; i < Count(); ++i) {
        const Line& l = lines_[static_cast<size_t>(i)];
        const COLORREF colour = i == selected_   ? kLabelChosen
                                : i == Hovered() ? kLabelHighlighted
                                                 : kLabelNormal;
        labels_.DrawLabel(dc, l.label, l.labelRight, l.labelY, colour, look_.font);
    }
}

void DetailLines::Redraw(int line)
{
    if (line >= 0 && line < Count())
        page_.InvalidateRect(LabelRect(line), false);
}

bool DetailLines::PanelOpen() const
{
    return Panel() && Panel()->IsShowing();
}

bool DetailLines::Hover(Point point)
{
    if (labels_.Count() == 0 || PanelOpen())
        return false;
    const int hit = labels_.Hover(point, [&](int index, COLORREF) { Redraw(index); });
    return hit >= 0;
}

bool DetailLines::HoverBesidePanel()
{
    if (!PanelOpen())
        return false;
    Panel()->ResetCloseButton();
    page_.SetCursor(Cursor::Arrow);
    return true;
}

bool DetailLines::Press(Point point)
{
    if (PanelOpen()) {
        Panel()->Close();
        return true;
    }
    const int hit = labels_.HitTest(point);
    if (hit < 0)
        return false;
    Select(hit);
    return true;
}

void DetailLines::Select(int line)
{
    if (App().Flags().iconic || line < 0 || line >= Count() || !Panel())
        return;
    page_.SetCursor(Cursor::Arrow);
    const int previous = std::exchange(selected_, line);
    Redraw(previous);
    Redraw(line);
    page_.UpdateWindow();
    const Point corner = page_.ClientToFrame({0, 0});
    Panel()->SetTarget(&Box(line), &page_);
    Panel()->Open(corner.x + look_.panel.x, corner.y + look_.panel.y, look_.firstLine + line, look_.kind);
}

void DetailLines::PanelClosed()
{
    const int previous = std::exchange(selected_, -1);
    Redraw(previous);
}
