#include "reports/ReportPrinter.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ContentFiles.h"
#include "platform/Bitmap.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

#include <cstdio>
#include <sstream>

using namespace platform;

namespace {

// Report units.
constexpr int kLeft = 40;
constexpr int kRight = 600; // the body keeps left of this
constexpr int kTitleY = 100;
constexpr int kIntroY = 120;
constexpr int kLineStep = 12;
constexpr int kNoticeY = 770;
constexpr int kBodyBottom = 760; // nothing of the body runs past this

const Font kNameFont{"Arial", 17, 700};
const Font kNoticeFont{"Arial", 8, 400};
const Font kAddressFont{"Arial", 10, 800};
const Font kTitleFont{"Arial", 12, 800, false, true};
const Font kIntroFont{"Arial", 11, 400};
const Font kBodyFont{"Arial", 12, 400};
const Font kUnderlinedBold{"Arial", 12, 700, false, true};
const Font kBigBold{"Arial", 14, 700};
const Font kEntryFont{"Arial", 10, 400};

constexpr char kAddress[] =
    "Corvell Learning for ZEM  -  2400 Larkspur Avenue, Suite 300, Marlow Springs, CO 80999";
constexpr char kNotice[] = "Printed from Fiscova. The figures are the ones you entered; use them for your "
                           "own planning. This is not financial advice.";

struct ReportRow {
    int request;
    const char* title;
    std::vector<std::string> introduction;
    void (ReportPrinter::*body)(Dc&);
};

// The lessons' titles and introductions, by key.
struct LessonReport {
    const char* key;
    const char* title;
    std::vector<std::string> introduction;
    int firstY; // where the entries begin
};

} // namespace

// The body routines are members; the table names them.
struct ReportPrinter::Body {
    static const std::vector<ReportRow>& Rows();
    static const std::vector<LessonReport>& Lessons();
};

const std::vector<ReportRow>& ReportPrinter::Body::Rows()
{
    static const std::vector<ReportRow> rows = {
        {1096,
         "Your Net Worth",
         {"Your net worth is determined by subtracting what you owe (Liabilities) from what you own "
          "(Assets).",
          "Given the information you have entered, your net worth has been calculated below."},
         &ReportPrinter::DrawNetWorth},
        {1108,
         "Detailed Net Worth Analysis Checklist",
         {"Conducting a detailed analysis of your net worth will require you to have several financial",
          "statements at your disposal. Here is a list of items needed for a detailed analysis of your net",
          "worth. If you cannot find the most current version of any of these statements, use the most",
          "recent statement you can find."},
         &ReportPrinter::DrawChecklist},
        {1138, nullptr, {}, &ReportPrinter::DrawContent},
    };
    return rows;
}

const std::vector<LessonReport>& ReportPrinter::Body::Lessons()
{
    static const std::vector<LessonReport> lessons = {
        {"habits",
         "Ways To Improve Your Borrowing Habits",
         {"No matter how good your credit rating and debt load, there is always room for improvement. Here",
          "are some steps you can take to improve your borrowing habits."},
         140},
        {"invest",
         "Investment Options",
         {"This chart illustrates major investment options available to you categorized by their risks",
          "and return potential."},
         140},
        {"reducing",
         "Reducing Your Debt Load",
         {"A high debt load can force you into making bad financial decisions. That's why it is important "
          "that",
          "you are constantly evaluating ways to reduce your debt. Here are some ways you can",
          "systematically reduce your debt load."},
         140},
        {"avoid",
         "How To Avoid Bad Credit Reports",
         {"Here are some ways you can avoid bad credit reports."},
         140},
        {"agency",
         "Credit Reporting Agencies",
         {"Below is a list of major credit reporting agencies to contact in case you need a copy",
          "of your credit history."},
         140},
        {"emer",
         "List Of Typical Emergencies",
         {"The following is a list of typical emergencies that you may want to consider",
          "when you are planning for emergencies."},
         140},
        {"goal",
         "View Typical Goals",
         {"Below is a list of typical goals for American households that will identify your needs. "},
         130},
    };
    return lessons;
}

namespace {

const ReportRow* RowOf(int request)
{
    for (const ReportRow& row : ReportPrinter::Body::Rows()) {
        if (row.request == request)
            return &row;
    }
    return nullptr;
}

const LessonReport* LessonOf(const std::string& key)
{
    for (const LessonReport& lesson : ReportPrinter::Body::Lessons()) {
        if (key == lesson.key)
            return &lesson;
    }
    return nullptr;
}

// The investment tiers' headings, printed without a bullet.
bool IsTierHeading(const std::string& heading)
{
    return heading == "High risk" || heading == "Low risk" || heading == "Very low risk" ||
           heading == "Moderate risk";
}

constexpr size_t kInvestHalf = 10; // headings of the first printed part

} // namespace

ReportPrinter::ReportPrinter(ReportData data) : data_(std::move(data)) {}

bool ReportPrinter::HasReport(int request)
{
    return RowOf(request) != nullptr;
}

std::string ReportPrinter::Title() const
{
    const ReportRow* row = RowOf(data_.request);
    if (!row)
        return {};
    if (row->title)
        return row->title;
    const LessonReport* lesson = LessonOf(data_.key);
    if (!lesson)
        return {};
    return data_.key == "invest" && data_.secondPart ? std::string(lesson->title) + " - continued"
                                                     : lesson->title;
}

std::vector<std::string> ReportPrinter::Introduction() const
{
    const ReportRow* row = RowOf(data_.request);
    if (row && row->title)
        return row->introduction;
    const LessonReport* lesson = LessonOf(data_.key);
    return lesson ? lesson->introduction : std::vector<std::string>{};
}

void ReportPrinter::Text(Dc& dc, int x, int y, const std::string& text)
{
    dc.TextOut(x, y, text);
    printed_.push_back({x, y, text});
}

void ReportPrinter::DrawLetterhead(Dc& dc)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SelectFont(kNameFont);
    dc.TextOut(40, 40, "Corvell");
    dc.TextOut(180, 76, "Fiscova");
    Bitmap logo;
    if (!App().Art().LoadOwnBitmap(logo, "idb_logo").IsEmpty())
        dc.BitBlt(80, 4, logo.GetSize().cx, logo.GetSize().cy, logo, 0, 0);
    dc.SelectFont(kNoticeFont);
    dc.TextOut(kLeft, kNoticeY, kNotice);
    dc.SelectFont(kAddressFont);
    dc.TextOut(kLeft, 56, kAddress);
    dc.TextOut(kLeft, 59, std::string(77, '_'));
}

void ReportPrinter::DrawTitleAndIntroduction(Dc& dc)
{
    dc.SelectFont(kIntroFont);
    const std::vector<std::string> introduction = Introduction();
    for (size_t k = 0; k < introduction.size(); ++k)
        Text(dc, kLeft, kIntroY + kLineStep * static_cast<int>(k), introduction[k]);
    dc.SelectFont(kTitleFont);
    Text(dc, kLeft, kTitleY, Title());
}

void ReportPrinter::Draw(Dc& dc)
{
    printed_.clear();
    DrawLetterhead(dc);
    DrawTitleAndIntroduction(dc);
    if (const ReportRow* row = RowOf(data_.request)) {
        dc.SelectFont(kBodyFont);
        (this->*row->body)(dc);
    }
}

void ReportPrinter::DrawNetWorth(Dc& dc)
{
    // Labels on x 100, values right-aligned on x 320; "uu" before a label
    // underlines it in bold, "bb" makes it large and bold; empty rows keep
    // the font before them. The values follow the rows that have one.
    static const char* const kRows[] = {
        "uuAssets: ",
        "Cash: ",
        "Checking: ",
        "Savings: ",
        "House: ",
        "Vehicles: ",
        "Other Tangible Assets: ",
        "Intangible Assets: ",
        "Other: ",
        "",
        "Total Assets:",
        "",
        "",
        "uuLiabilities",
        "Unpaid Utilities: ",
        "Credit Cards: ",
        "Vehicles: ",
        "Student Loans: ",
        "Mortgage: ",
        "Taxes: ",
        "Other: ",
        "",
        "Total Liabilities:",
        "",
        "________________________________________________",
        "",
        "bbNet Worth:",
    };
    // The rows that carry a value, in the order of the values.
    static const int kValueRows[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 14, 15, 16, 17, 18, 19, 20, 22, 26};
    size_t value = 0;
    int y = 150;
    for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row, y += kLineStep) {
        std::string label = kRows[row];
        if (label.rfind("uu", 0) == 0) {
            dc.SelectFont(kUnderlinedBold);
            label = label.substr(2);
        } else if (label.rfind("bb", 0) == 0) {
            dc.SelectFont(kBigBold);
            label = label.substr(2);
        } else if (label.size() > 2) {
            dc.SelectFont(kBodyFont);
        }
        if (!label.empty())
            Text(dc, 100, y, label);
        if (value < std::size(kValueRows) && kValueRows[value] == row) {
            const std::string text = value < data_.values.size() ? data_.values[value] : std::string();
            const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
            Text(dc, 320, y, text);
            dc.SetTextAlign(align);
            ++value;
        }
    }
}

void ReportPrinter::DrawChecklist(Dc& dc)
{
    static const char* const kLabels[] = {
        ") Current bank statements",
        ") Value of your home",
        ") Value of investment portfolio",
        ") Value of your vehicle",
        ") Value of your personal belongings",
        ") Student loan balance",
        ") Mortgage balance",
        ") Consumer debt balance",
        ") Vehicle loan balance",
        ") Other loan balances",
    };
    static const int kRowsY[] = {200, 215, 230, 245, 260};
    for (int i = 0; i < 10; ++i) {
        const int column = i < 5 ? 0 : 1;
        const int y = kRowsY[i % 5];
        Text(dc, column == 0 ? 40 : 270, y, data_.ticks[static_cast<size_t>(i)] ? "(x" : "(");
        Text(dc, column == 0 ? 50 : 280, y, kLabels[i]);
    }
}

namespace {

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
    const LessonReport* lesson = LessonOf(data_.key);
    if (!lesson)
        return;
    const bool invest = data_.key == "invest";
    size_t first = 0;
    size_t last = data_.headings.size();
    if (invest) {
        first = data_.secondPart ? kInvestHalf - 1 : 0;
        last = std::min(last, data_.secondPart ? 2 * kInvestHalf : kInvestHalf);
    }
    Bitmap bullet;
    int y = lesson->firstY;
    for (size_t h = first; h < last; ++h) {
        const std::string& heading = data_.headings[h];
        const std::string path = ContentFilePath("data\\", data_.key + std::to_string(h + 1) + ".txt");
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
        dc.SelectFont(Font{"Arial", 12, 700});
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
