// The body of a lesson's report: each topic's heading with the entries of
// its text file, as many as fit above the notice at the foot of the page.
#include "reports/ReportPrinter.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ContentFiles.h"
#include "platform/Bitmap.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "reports/ReportLayout.h"

#include <cstdio>
#include <sstream>

using namespace platform;
using namespace report;

namespace {

// The investment tiers' headings, printed without a bullet.
bool IsTierHeading(const std::string& heading)
{
    return heading == "High risk" || heading == "Low risk" || heading == "Very low risk" ||
           heading == "Moderate risk";
}

constexpr size_t kInvestHalf = 10; // headings of the first printed part

// The entries of a lesson text: four lines each, trimmed and joined.
std::vector<std::string> ReadEntries(const std::string& path, bool& opened)
{
    std::FILE* file = OpenFile(path, "rb");
    opened = file != nullptr;
    std::string bytes;
    if (file) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, n);
        std::fclose(file);
    }
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        const size_t start = line.find_first_not_of(" \t");
        lines.push_back(start == std::string::npos ? std::string() : line.substr(start));
    }
    std::vector<std::string> entries;
    for (size_t i = 0; i < lines.size(); i += 4) {
        std::string entry;
        for (size_t j = i; j < std::min(lines.size(), i + 4); ++j) {
            if (lines[j].empty())
                continue;
            entry += (entry.empty() ? "" : " ") + lines[j];
        }
        entries.push_back(entry);
    }
    return entries;
}

// Breaks `text` into lines that fit `width` report units in the current font.
std::vector<std::string> Wrap(Dc& dc, const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word;
    std::string line;
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && dc.GetTextExtent(longer).cx > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

void ReportPrinter::DrawContent(Dc& dc)
{
    if (const LessonReport* lesson = FindLessonReport(data_.key))
        DrawEntries(dc, lesson->firstY);
}

void ReportPrinter::DrawEntries(Dc& dc, int firstY)
{
    const bool invest = data_.key == "invest";
    size_t first = 0;
    size_t last = data_.headings.size();
    if (invest) {
        first = data_.secondPart ? kInvestHalf - 1 : 0;
        last = std::min(last, data_.secondPart ? 2 * kInvestHalf : kInvestHalf);
    }
    Bitmap bullet;
    int y = firstY;
    for (size_t h = first; h < last; ++h) {
        const std::string& heading = data_.headings[h];
        const std::string path = h < data_.headingFiles.size()
                                     ? data_.headingFiles[h]
                                     : ContentFilePath("data\\", data_.key + std::to_string(h + 1) + ".txt");
        bool opened = false;
        const std::vector<std::string> entries = ReadEntries(path, opened);
        if (!opened)
            MessageBox("Unable to open " + path);
        // A heading goes only with room for its first entry, and entries
        // only whole: nothing runs past the notice at the foot.
        dc.SelectFont(kEntryFont);
        std::vector<std::vector<std::string>> wrapped;
        for (const std::string& entry : entries)
            wrapped.push_back(Wrap(dc, entry, kRight - kLeft));
        const int firstEntry = wrapped.empty() ? 0 : 10 * static_cast<int>(wrapped.front().size());
        if (y + kLineStep + 2 + firstEntry > kBodyBottom)
            break;
        y += kLineStep;
        dc.SelectFont(kBoldFont);
        if (invest && !IsTierHeading(heading)) {
            if (bullet.IsEmpty())
                App().Art().LoadOwnBitmap(bullet, "IDB_bullet");
            dc.BitBlt(33, y + 2, bullet.GetSize().cx, bullet.GetSize().cy, bullet, 0, 0);
        }
        Text(dc, kLeft, y, heading);
        dc.SelectFont(kEntryFont);
        y += 2; // below the heading's taller letters
        bool full = false;
        for (const std::vector<std::string>& entry : wrapped) {
            if (y + 10 * static_cast<int>(entry.size()) > kBodyBottom) {
                full = true;
                break;
            }
            for (const std::string& line : entry) {
                y += 10;
                Text(dc, kLeft, y, line);
            }
        }
        if (full)
            break;
        y += 4;
    }
}
