// Reading the course's text files: line lists, item lists and damaged files.
#include "kit/ContentFiles.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

std::vector<ContentItem> Parse(const std::string& text, bool markers = false)
{
    ItemListOptions options;
    options.blankMarkers = markers;
    return ParseItemList(SplitLines(text), options);
}

std::vector<std::string> FirstLines(const std::vector<ContentItem>& items)
{
    std::vector<std::string> out;
    for (const ContentItem& i : items)
        out.push_back(i.IsGap() ? "<gap>" : i.lines[0]);
    return out;
}

} // namespace

TEST(ContentFiles, LinesSplitOnWindowsLineEnds)
{
    EXPECT_EQ(SplitLines("one\r\ntwo\r\n\r\nfour"), (std::vector<std::string>{"one", "two", "", "four"}));
    EXPECT_EQ(SplitLines("unix\nends\n"), (std::vector<std::string>{"unix", "ends"}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(SplitLines(std::string(400, 'x'))[0].size(), kMaxLineLength);
}

TEST(ContentFiles, ItemListRules)
{
    // The last item needs no empty line after it.
    EXPECT_EQ(FirstLines(Parse("First item\r\n\r\nLast item")),
              (std::vector<std::string>{"First item", "Last item"}));
    // Two empty lines in a row make no empty item.
    EXPECT_EQ(FirstLines(Parse("One\r\n\r\n\r\nTwo\r\n")), (std::vector<std::string>{"One", "Two"}));
    // A first line of two characters is not an item.
    EXPECT_EQ(FirstLines(Parse("ab\r\n\r\nabc\r\n")), (std::vector<std::string>{"abc"}));
    // Up to three lines; the line after a third is the separator, dropped.
    const auto items = Parse("Line one\r\nLine two\r\nLine three\r\nDropped\r\nNext item\r\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].lineCount, 3);
    EXPECT_EQ(items[0].lines[2], "Line three");
    EXPECT_EQ(items[1].lines[0], "Next item");
    // A one-character line ends an item.
    const auto short_ = Parse("Alone\r\n-\r\nSecond\r\n");
    ASSERT_EQ(short_.size(), 2u);
    EXPECT_EQ(short_[0].lineCount, 1);
    // "blank" is a gap only where the list uses markers.
    EXPECT_EQ(FirstLines(Parse("blank\r\n\r\nItem\r\n", true)), (std::vector<std::string>{"<gap>", "Item"}));
    EXPECT_EQ(FirstLines(Parse("blank\r\n\r\nItem\r\n", false)), (std::vector<std::string>{"blank", "Item"}));
}

TEST(ContentFiles, ReadersKeepToTheirCapacityAndReportMissingFiles)
{
    QTemporaryDir dir;
    FakeApp app(dir.path().toStdString() + "/");
    MessageBoxRecorder boxes;
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "Line " + std::to_string(i) + "\r\n";
    WriteFileBytes(dir.path().toStdString() + "/long.txt", text);
    const auto lines = ReadLineList(ContentFilePath("", "long.txt"), 50);
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_EQ(lines.back(), "Line 49");
    EXPECT_TRUE(boxes.boxes.empty());

    EXPECT_TRUE(ReadLineList(ContentFilePath("data\\", "missing.txt"), 15).empty());
    EXPECT_TRUE(ReadItemList(ContentFilePath("data\\", "missing.txt")).empty());
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, "Unable to open file " + dir.path().toStdString() + "/data/missing.txt");
}

TEST(ContentFiles, RandomAndTruncatedInputNeverBreaksTheReaders)
{
    std::mt19937 rng(20261208);
    const char alphabet[] = "ab \r\n\r\nblank\0\x92\xff";
    for (int round = 0; round < 5000; ++round) {
        std::string text(rng() % 600, '\0');
        for (char& c : text)
            c = alphabet[rng() % (sizeof alphabet - 1)];
        ItemListOptions options;
        options.blankMarkers = round % 2 == 0;
        options.capacity = 20;
        const auto items = ParseItemList(SplitLines(text), options);
        ASSERT_LE(items.size(), 20u);
        for (const ContentItem& item : items) {
            ASSERT_LE(item.lineCount, 3);
            for (int i = 0; i < item.lineCount; ++i)
                ASSERT_LE(item.lines[i].size(), kMaxLineLength);
            if (!item.IsGap()) {
                ASSERT_GT(item.lines[0].size(), 2u);
            }
        }
    }
}
