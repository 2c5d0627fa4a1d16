// Every text file the program can ask for exists, fits its reader, and
// fits the space its page gives it, measured with the program's own fonts.
#include "app/ModuleTable.h"
#include "kit/ContentFiles.h"
#include "platform/Dc.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace platform;

namespace {

const Font kArial14Bold{"Arial", 14, FW_SEMIBOLD};
const Font kArial15Bold{"Arial", 15, FW_SEMIBOLD};
const Font kArial16{"Arial", 16, FW_NORMAL};
const Font kStatementFont{"MS Sans Serif", 15, FW_SEMIBOLD};
const Font kTipFont{"Courier New", 15, FW_SEMIBOLD};

constexpr int kPageWidth = 512;
constexpr int kNavBarTop = 400;
// A newly chosen tip is drawn where the top-ten window has just restored the
// detail area from its background, the rectangle from (255, 0), 230 x 380;
// anything drawn outside it would stay on screen under the next tip.
constexpr int kTipX = 271;
constexpr int kTipTop = 83;
constexpr int kTipAreaRight = 255 + 230;
constexpr int kTipAreaBottom = 0 + 380;

class Content : public ::testing::Test {
protected:
    std::string Path(const std::string& folder, const std::string& name) const
    {
        return ContentFilePath(folder, name);
    }
    int Width(const Font& font, const std::string& text)
    {
        dc.SelectFont(font);
        return dc.GetTextExtent(text).cx;
    }
    // Every line of `lines` fits between x and the right edge.
    void ExpectFits(const std::vector<std::string>& lines, const Font& font, int x, int right,
                    const std::string& file)
    {
        for (const std::string& line : lines)
            EXPECT_LE(x + Width(font, line), right) << file << ": \"" << line << "\"";
    }
    // A lesson text is shown line by line and printed four lines an entry, one
    // paragraph to an entry: an entry that fills all four lines must be the
    // last, or on screen its paragraph runs into the next one.
    void ExpectEntriesOfFourLines(const std::vector<std::string>& text, const std::string& file)
    {
        EXPECT_EQ(text.size() % 4, 0u) << file << ": the report prints four lines an entry";
        for (size_t last = 3; last + 1 < text.size(); last += 4) {
            EXPECT_TRUE(text[last].empty() || text[last + 1].empty())
                << file << ": \"" << text[last] << "\" runs into \"" << text[last + 1] << "\"";
        }
    }
    std::vector<std::string> Lines(const std::string& folder, const std::string& name, size_t capacity)
    {
        const auto lines = ReadLineList(Path(folder, name), capacity + 1);
        EXPECT_FALSE(lines.empty()) << folder << name;
        EXPECT_LE(lines.size(), capacity) << folder << name << " is longer than its reader takes";
        return lines;
    }

    FakeApp app{FISCOVA_PROGRAM_DIR "/"};
    MessageBoxRecorder boxes; // any missing file shows up here
    QImage surface{10, 10, QImage::Format_RGB32};
    Dc dc{&surface};

    void TearDown() override
    {
        for (const auto& box : boxes.boxes)
            ADD_FAILURE() << box.text;
    }
};

// The lesson keys and where their topic texts stand.
struct LessonGeometry {
    const char* key;
    int textX;
    bool planning; // the panel stands further right in the planning module
};
constexpr LessonGeometry kLessons[] = {
    {"pcons", 260, false},  {"emer", 268, false},     {"avoid", 260, false}, {"habits", 260, false},
    {"agency", 260, false}, {"reducing", 260, false}, {"goal", 303, true},   {"invest", 303, true},
};

} // namespace

TEST_F(Content, TopTenListsAndTheirTips)
{
    const char* lists[] = {"cred1",  "cred2",  "cred2a", "cred2b", "cred3",   "cred3a",  "cred3b",  "cred4",
                           "cred4b", "cred4c", "fin1",   "fin1a",  "fin1b",   "fin2",    "fin2a",   "fin2b",
                           "fin3",   "man1",   "man2",   "man2a",  "man2b",   "man3",    "man3a",   "man4",
                           "man4a",  "man4b",  "plan2",  "plan2a", "plan2aa", "plan2ab", "plan2ac", "plan2b",
                           "plan2c", "plan3",  "plan3a", "plan3b", "plan4",   "plan4a"};
    for (const char* list : lists) {
        ItemListOptions options;
        options.blankMarkers = true;
        const auto items = ReadItemList(Path("top10\\", std::string(list) + ".txt"), options);
        ASSERT_EQ(items.size(), 10u) << list;
        int y = 53;
        for (size_t n = 0; n < items.size(); ++n) {
            const ContentItem& item = items[n];
            for (int i = 0; i < item.lineCount; ++i)
                EXPECT_LE((i == 0 ? 10 : 26) + Width(kArial14Bold, item.lines[i]), 252)
                    << list << " " << item.lines[i];
            y += 13 * item.lineCount;
            const auto tip = Lines("top10\\", list + std::to_string(n + 1) + ".txt", 50);
            ExpectFits(tip, kArial16, kTipX, kTipAreaRight, list + std::to_string(n + 1));
            // The cell of the last line ends inside the restored area.
            EXPECT_LE(kTipTop + 15 * static_cast<int>(tip.size()), kTipAreaBottom) << list << n + 1;
        }
        EXPECT_LE(y, 396) << list << ": the items run into the close button";
    }
    // The magazine named after the sixth line of one tip still fits.
    const auto quoted = Lines("top10\\", "cred2a4.txt", 50);
    ASSERT_GT(quoted.size(), 5u);
    EXPECT_LE(kTipX + Width(kArial16, quoted[5]) + 10 +
                  Width({"Arial", 16, FW_NORMAL, true}, "Parade Magazine,"),
              kTipAreaRight);
}

TEST_F(Content, IntroductionTipsFitEveryPresentersBoard)
{
    for (const ModuleInfoRow& module : kModuleTable) {
        for (int n = 1; module.tipName && n <= module.tipCount; ++n) {
            const std::string name = module.tipName + std::to_string(n) + ".txt";
            const auto tip = Lines("facts\\", name, 15);
            for (const PresenterClip& clip : module.clips) {
                ExpectFits(tip, kTipFont, clip.tipX, clip.tipX + 280, name);
                const int top = clip.tipY + (tip.size() < 6 ? 26 : 0);
                EXPECT_LE(top + 13 * static_cast<int>(tip.size()), 318) << name << " under " << clip.prefix;
            }
        }
    }
}

TEST_F(Content, LessonsListsAndTopicTexts)
{
    for (const LessonGeometry& lesson : kLessons) {
        ItemListOptions options;
        options.blankMarkers = true;
        const std::string key = lesson.key;
        const auto items = ReadItemList(Path("data\\", key + ".txt"), options);
        ASSERT_FALSE(items.empty()) << key;
        int rows = 0;
        int topics = 0;
        const int panel = lesson.planning ? 298 : 260;
        for (const ContentItem& item : items) {
            rows += item.IsGap() ? 1 : std::min(item.lineCount, 2);
            if (item.IsGap())
                continue;
            ++topics;
            const Font& font = key == "invest" ? kArial14Bold : kArial15Bold;
            if (key == "invest") {
                EXPECT_LE(Width(font, item.lines[0]), 240) << key << " " << item.lines[0];
            } else {
                EXPECT_LE(Width(font, item.lines[0]), panel - 4) << key << " " << item.lines[0];
                if (item.lineCount > 1) {
                    EXPECT_LE(16 + Width(font, item.lines[1]), panel - 4) << key << " " << item.lines[1];
                }
            }
            const auto text = Lines("data\\", key + std::to_string(topics) + ".txt", 40);
            ExpectFits(text, kArial16, lesson.textX + 10, kPageWidth - 4, key + std::to_string(topics));
            EXPECT_LE(130 + 15 * static_cast<int>(text.size()), kNavBarTop) << key << topics;
            ExpectEntriesOfFourLines(text, key + std::to_string(topics));
        }
        EXPECT_LE(topics, 30) << key;
        const int rowHeight = key == "pcons" ? 17 : 20;
        if (key != "invest")
            EXPECT_LE(120 + rowHeight * rows, kNavBarTop) << key;
        else
            EXPECT_GE(topics, 16) << "the four tiers start at topics 1, 7, 12 and 16";
    }
    // The books named after lines of two goal topics still fit.
    const Font italic{"Arial", 16, FW_NORMAL, true};
    const auto goal3 = Lines("data\\", "goal3.txt", 40);
    const auto goal4 = Lines("data\\", "goal4.txt", 40);
    ASSERT_GT(goal3.size(), 5u);
    ASSERT_GT(goal4.size(), 10u);
    EXPECT_LE(313 + Width(kArial16, goal3[5] + " ") + Width(italic, "Personal Finance,"), kPageWidth);
    EXPECT_LE(313 + Width(kArial16, goal4[10] + " ") + Width(italic, "The Family Money Book,"), kPageWidth);
}

TEST_F(Content, EmergencyPlanSuggestions)
{
    for (int n = 1; n <= 14; ++n) {
        const std::string name = "plan" + std::to_string(n) + ".txt";
        const auto text = Lines("data\\", name, 40);
        ExpectFits(text, kArial16, 278, kPageWidth - 4, name);
        EXPECT_LE(130 + 15 * static_cast<int>(text.size()), kNavBarTop) << name;
        ExpectEntriesOfFourLines(text, name); // the plan report prints them as lesson texts
    }
}

TEST_F(Content, SurveysHaveTheirStatementsAndRoomForThem)
{
    struct Survey {
        const char* file;
        size_t statements;
        int textX;
        int firstBoxX;
    };
    const Survey surveys[] = {
        {"pvals.txt", 15, 15, 252},
        {"habitsur.txt", 10, 15, 247},
        {"spending.txt", 50, 15, 402},
        {"saver.txt", 6, 30, 402},
    };
    for (const Survey& s : surveys) {
        const auto items = ReadItemList(Path("data\\", s.file));
        EXPECT_EQ(items.size(), s.statements) << s.file;
        for (const ContentItem& item : items) {
            for (int i = 0; i < item.lineCount; ++i)
                EXPECT_LE(s.textX + Width(kStatementFont, item.lines[i]), s.firstBoxX - 4)
                    << s.file << " " << item.lines[i];
        }
    }
}

TEST_F(Content, SpendingTypesListsAndTexts)
{
    for (const char* type : {"yellow", "green", "red", "blue", "white"}) {
        ItemListOptions options;
        options.blankMarkers = true;
        const auto items = ReadItemList(Path("data\\", std::string(type) + ".txt"), options);
        ASSERT_FALSE(items.empty()) << type;
        int y = 225;
        int topics = 0;
        for (const ContentItem& item : items) {
            y += item.IsGap() ? 16 : 16 * std::min(item.lineCount, 2);
            if (item.IsGap())
                continue;
            ++topics;
            EXPECT_LE(20 + Width(kArial14Bold, item.lines[0]), 262) << type << " " << item.lines[0];
            const auto text = Lines("data\\", type + std::to_string(topics) + ".txt", 40);
            ExpectFits(text, kArial16, 277, kPageWidth - 2, type + std::to_string(topics));
            EXPECT_LE(191 + 14 * static_cast<int>(text.size()), kNavBarTop) << type << topics;
        }
        EXPECT_LE(y, kNavBarTop) << type;
    }
}

TEST_F(Content, TextPagesFitAboveTheirLowerParts)
{
    struct TextPage {
        const char* file;
        int bottom; // where the page's own drawing below the text begins
    };
    const TextPage pages[] = {
        {"obtain.txt", 398}, {"howzem1.txt", 318}, {"howzem2.txt", 320}, {"ratings.txt", 398}};
    for (const TextPage& page : pages) {
        const auto lines = Lines("data\\", page.file, 50);
        ExpectFits(lines, kArial16, 10, kPageWidth - 4, page.file);
        int y = 45;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (!lines[i].empty()) {
                EXPECT_LE(y + 15, page.bottom) << page.file << ": \"" << lines[i] << "\"";
            }
            y += lines[i].empty() && i > 0 ? 6 : 15;
        }
    }
}
