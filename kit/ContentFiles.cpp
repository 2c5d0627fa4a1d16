#include "kit/ContentFiles.h"

#include "kit/AppServices.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

#include <cstdio>

namespace {

constexpr char kBlankMarker[] = "blank";

bool ReadWholeFile(const std::string& path, std::string& text)
{
    std::FILE* file = platform::OpenFile(path, "rb");
    if (!file) {
        platform::MessageBox("Unable to open file " + platform::DisplayPath(path));
        return false;
    }
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    std::fclose(file);
    return true;
}

} // namespace

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > kMaxLineLength)
            line.resize(kMaxLineLength);
        lines.push_back(std::move(line));
        start = next;
    }
    return lines;
}

std::vector<std::string> ReadLineList(const std::string& path, size_t capacity)
{
    std::string text;
    if (!ReadWholeFile(path, text))
        return {};
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() > capacity)
        lines.resize(capacity);
    return lines;
}

std::vector<ContentItem> ParseItemList(const std::vector<std::string>& lines, const ItemListOptions& options)
{
    std::vector<ContentItem> items;
    size_t i = 0;
    const auto next = [&]() -> const std::string* { return i < lines.size() ? &lines[i++] : nullptr; };
    while (items.size() < options.capacity) {
        const std::string* first = next();
        if (!first)
            break;
        if (first->size() <= 2)
            continue;
        ContentItem item;
        if (options.blankMarkers && *first == kBlankMarker) {
            items.push_back(item);
            continue;
        }
        item.lines[0] = *first;
        item.lineCount = 1;
        const std::string* second = next();
        if (second && second->size() >= 2) {
            item.lines[1] = *second;
            item.lineCount = 2;
            const std::string* third = next();
            if (third && third->size() >= 2) {
                item.lines[2] = *third;
                item.lineCount = 3;
                next(); // the separator after a third line
            }
        }
        items.push_back(item);
    }
    return items;
}

std::vector<ContentItem> ReadItemList(const std::string& path, const ItemListOptions& options)
{
    std::string text;
    if (!ReadWholeFile(path, text))
        return {};
    return ParseItemList(SplitLines(text), options);
}

std::string ContentFilePath(const std::string& folder, const std::string& name)
{
    return App().DataPath("\\" + folder + name);
}

std::string WorkFilePath(const std::string& folder, const std::string& name)
{
    return App().WorkPath("\\" + folder + name);
}
