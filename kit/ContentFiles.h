// Readers of the course's text files: Windows-1252 text with CR LF line
// ends, read either as a line list (one string per screen line) or as an
// item list (entries of one to three lines separated by empty lines).
#pragma once

#include <string>
#include <vector>

// Lines longer than this are cut: no screen or page has room for more.
inline constexpr size_t kMaxLineLength = 255;

// Every line of the file, at most `capacity` of them. A file that cannot be
// opened gives "Unable to open file " + its path and no lines.
std::vector<std::string> ReadLineList(const std::string& path, size_t capacity);

struct ContentItem {
    std::string lines[3];
    int lineCount = 0; // 0 for a "blank" gap
    bool IsGap() const { return lineCount == 0; }
};

struct ItemListOptions {
    // "blank" at the start of an item is a gap marker, not an item.
    bool blankMarkers = false;
    // At most this many items (and gaps) are read.
    size_t capacity = 100;
};

// The items of the file in order. A line that starts an item must be longer
// than 2 characters (shorter ones are skipped); after it, a line shorter
// than 2 characters ends the item, and a third line is followed by a
// separator line that is read and dropped.
std::vector<ContentItem> ReadItemList(const std::string& path, const ItemListOptions& options = {});

// The same rules on text already in memory (the file's bytes).
std::vector<std::string> SplitLines(const std::string& text);
std::vector<ContentItem> ParseItemList(const std::vector<std::string>& lines, const ItemListOptions& options);

// Path of a file in a folder of the data directory: data directory + "\" +
// folder + name.
std::string ContentFilePath(const std::string& folder, const std::string& name);

// Path of a file the program writes for the user, in a folder of the
// saved-work folder: saved-work folder + "\" + folder + name.
std::string WorkFilePath(const std::string& folder, const std::string& name);

// The emergency plan: written by the emergencies list, read by its lesson;
// it lives beside the saved-work file.
inline constexpr char kPlanFolder[] = "data\\";
inline constexpr char kPlanFile[] = "plan.txt";
