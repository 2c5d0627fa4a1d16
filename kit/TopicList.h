// A list of topics read from an item list of the course texts: each topic
// one or two lines, laid out top to bottom, named after the list and its
// number from 1 (list "green": topics "green1", "green2" ...). A click on a
// topic opens the text its name gives. The marker "blank" leaves a gap.
#pragma once

#include "platform/Dc.h"

#include <string>
#include <vector>

struct TopicLayout {
    int x;
    int top;            // the first topic's first line
    int lineHeight;     // a topic takes this much per line it shows
    int secondLineDrop; // its second line stands this far below its first
    int gap;            // what a "blank" marker leaves
};

struct Topic {
    std::string lines[2];
    int lineCount = 1;
    platform::Point places[2];
    platform::Rect area; // where the pointer is on it
    std::string key;
    std::string tooltip = "This is a tooltip!";
    // The topic's lines joined by a space.
    std::string Text() const { return lineCount > 1 ? lines[0] + " " + lines[1] : lines[0]; }
};

class TopicList {
public:
    // Reads list `name` from `path` (at most `capacity` topics; the rest of
    // a longer list is left out) and places its topics.
    void Read(const std::string& path, const std::string& name, size_t capacity, const TopicLayout& layout);
    void Clear() { topics_.clear(); }
    // Sets each topic's area from its lines as `font` draws them.
    void Measure(platform::Dc& dc, const platform::Font& font);

    const std::vector<Topic>& Topics() const { return topics_; }
    int Count() const { return static_cast<int>(topics_.size()); }
    const Topic& operator[](int index) const { return topics_[static_cast<size_t>(index)]; }
    // The topic under the point, or -1.
    int At(platform::Point p) const;

private:
    std::vector<Topic> topics_;
};
