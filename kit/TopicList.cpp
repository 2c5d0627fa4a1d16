#include "kit/TopicList.h"

#include "kit/ContentFiles.h"

#include <algorithm>

using namespace platform;

void TopicList::Read(const std::string& path, const std::string& name, size_t capacity,
                     const TopicLayout& layout)
{
    topics_.clear();
    ItemListOptions options;
    options.blankMarkers = true;
    // Gaps count against the reader's limit; leave room for them.
    options.capacity = capacity * 2;
    int y = layout.top;
    for (const ContentItem& item : ReadItemList(path, options)) {
        if (item.IsGap()) {
            y += layout.gap;
            continue;
        }
        if (topics_.size() >= capacity)
            break;
        Topic topic;
        // A third line is read with its topic but never shown.
        topic.lineCount = std::min(item.lineCount, 2);
        for (int line = 0; line < topic.lineCount; ++line) {
            topic.lines[line] = item.lines[line];
            topic.places[line] = {layout.x, y + layout.secondLineDrop * line};
        }
        topic.key = name + std::to_string(topics_.size() + 1);
        topics_.push_back(topic);
        y += layout.lineHeight * topic.lineCount;
    }
}

void TopicList::Measure(Dc& dc, const Font& font)
{
    const Font previous = dc.SelectFont(font);
    for (Topic& topic : topics_) {
        Rect area{};
        for (int line = 0; line < topic.lineCount; ++line) {
            const Size size = dc.GetTextExtent(topic.lines[line]);
            const Point at = topic.places[line];
            const Rect r{at.x, at.y, at.x + size.cx, at.y + size.cy};
            area = line == 0
                       ? r
                       : Rect{std::min(area.left, r.left), area.top, std::max(area.right, r.right), r.bottom};
        }
        topic.area = area;
    }
    dc.SelectFont(previous);
}

int TopicList::At(Point p) const
{
    for (int i = 0; i < Count(); ++i) {
        if (topics_[static_cast<size_t>(i)].area.Contains(p))
            return i;
    }
    return -1;
}
