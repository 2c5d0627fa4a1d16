// Any bytes as a course text file, read the ways the pages read them: as a
// line list (text and lesson pages, tips, top-ten details), an item list
// (survey statements), an item list with gap markers (lessons and top-ten
// lists) and a topic list.
#include "kit/ContentFiles.h"
#include "kit/TopicList.h"
#include "tests/fuzz/FuzzScratch.h"

namespace {

constexpr size_t kLines = 50;
constexpr size_t kStatements = 50;
constexpr size_t kTopics = 12;

void CheckItems(const std::vector<ContentItem>& items, size_t capacity)
{
    Require(items.size() <= capacity, "no more items than asked for");
    for (const ContentItem& item : items) {
        Require(item.lineCount >= 0 && item.lineCount <= 3, "an item has 0 to 3 lines");
        for (int i = 0; i < item.lineCount; ++i)
            Require(item.lines[i].size() >= 2 && item.lines[i].size() <= kMaxLineLength,
                    "an item's line is 2 to 255 characters");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = WriteScratchFile("content.txt", data, size);

    const std::vector<std::string> lines = ReadLineList(path, kLines);
    Require(lines.size() <= kLines, "no more lines than asked for");
    for (const std::string& line : lines)
        Require(line.size() <= kMaxLineLength && line.find('\n') == std::string::npos,
                "a line is one line of at most 255 characters");

    ItemListOptions statements;
    statements.capacity = kStatements;
    CheckItems(ReadItemList(path, statements), kStatements);

    ItemListOptions withGaps;
    withGaps.blankMarkers = true;
    withGaps.capacity = kTopics * 2;
    CheckItems(ReadItemList(path, withGaps), kTopics * 2);

    TopicList topics;
    topics.Read(path, "green", kTopics, TopicLayout{10, 40, 20, 14, 10});
    Require(topics.Count() <= static_cast<int>(kTopics), "no more topics than asked for");
    for (const Topic& topic : topics.Topics())
        Require(topic.lineCount >= 1 && topic.lineCount <= 2, "a topic shows one or two lines");
    return 0;
}
