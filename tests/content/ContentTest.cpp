// Every text file the program can ask for exists, fits its reader, and
// fits the space its page gives it, measured with the program's own fonts.
#include "app/ModuleTable.h"
#include "kit/ContentFiles.h"
#include "platform/Dc.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <regex>

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

namespace {

// The text of every file of a content folder, one string a file keyed by
// folder and name: the lines joined by single spaces, so that a sentence
// reads the same however it is wrapped. The item lists of the lessons and of
// the top-ten windows hold titles, not sentences, and are left out.
std::map<std::string, std::string> Sentences(const std::string& folder)
{
    static const std::regex spaces(R"(\s+)");
    const QString dir = QStringLiteral(FISCOVA_PROGRAM_DIR "/") + QString::fromStdString(folder) + QLatin1Char('/');
    std::map<std::string, std::string> texts;
    for (const QString& file : QDir(dir).entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        const QString base = file.chopped(4);
        const bool lessonList = std::any_of(std::begin(kLessons), std::end(kLessons), [&](const LessonGeometry& l) {
            return base == QLatin1String(l.key);
        });
        const bool topTenList = QFileInfo::exists(dir + base + "1.txt") && QFileInfo::exists(dir + base + "10.txt");
        if ((folder == "data" && lessonList) || (folder == "top10" && topTenList))
            continue;
        std::string text;
        for (const std::string& line : ReadLineList(ContentFilePath(folder + "\\", file.toStdString()), 200))
            text += line + ' ';
        texts[folder + "/" + file.toStdString()] = std::regex_replace(text, spaces, " ");
    }
    return texts;
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

// Each money fact is stated the same, correct way in every text that gives it.
TEST_F(Content, FinancialFactsAreStatedOneWayEverywhere)
{
    std::map<std::string, std::string> texts;
    for (const char* folder : {"data", "top10", "facts"})
        texts.merge(Sentences(folder));
    ASSERT_GT(texts.size(), 500u);

    const std::regex depositLimit(R"(\b(FDIC|NCUA)\b|insured bank)");
    const std::regex limitWords(R"(\blimits?\b|\bup to\b)");
    const std::regex creditShare(R"(\b20(?: percent|%) of )");
    const std::regex housingGuide(R"(\b(?:28|36) percent)");
    const std::regex complaint(R"(\bcomplain(?:ts?)? (?:to|with)\b)");
    const std::regex will(R"(\b(?:your|a|original) will\b|\bwills\b)");
    const std::string insured = "$250,000 per depositor, per insured bank or credit union, per ownership category";
    const std::string afterHousing = "take-home pay after rent or mortgage";
    for (const auto& [file, text] : texts) {
        // Deposit insurance is given with its figure.
        EXPECT_FALSE(Has(text, "legal limit")) << file;
        if (std::regex_search(text, depositLimit) && std::regex_search(text, limitWords)) {
            EXPECT_TRUE(Has(text, insured)) << file << ": " << text;
        }
        // One 20 percent rule of credit, the one the debt-load worksheet applies.
        for (auto m = std::sregex_iterator(text.begin(), text.end(), creditShare); m != std::sregex_iterator(); ++m) {
            const std::string rest = m->suffix();
            EXPECT_TRUE(rest.starts_with(afterHousing) || rest.starts_with("your " + afterHousing))
                << file << ": " << m->str() << rest.substr(0, 40);
        }
        if (Has(text, "20 percent rule")) {
            EXPECT_TRUE(Has(text, afterHousing)) << file << ": " << text;
        }
        // Housing and total debt guides are ceilings, not targets.
        for (auto m = std::sregex_iterator(text.begin(), text.end(), housingGuide); m != std::sregex_iterator(); ++m)
            EXPECT_TRUE(std::string(m->prefix()).ends_with("no more than ")) << file << ": " << m->str();
        // COBRA's length and cost, and the marketplace's window.
        if (Has(text, "COBRA") && Has(text, "premium")) {
            EXPECT_TRUE(Has(text, "18 months") && Has(text, "full premium plus a fee")) << file << ": " << text;
        }
        if (Has(text, "special enrollment")) {
            EXPECT_TRUE(Has(text, "60 days")) << file << ": " << text;
        }
        // A will kept in a safe deposit box may be out of reach when needed.
        if (Has(text, "safe deposit") && std::regex_search(text, will)) {
            EXPECT_TRUE(Has(text, "sealed")) << file << ": " << text;
        }
        // A complaint has more than one place to go.
        if (std::regex_search(text, complaint)) {
            const int routes = (Has(text, "CFPB") || Has(text, "Consumer Financial Protection Bureau")) +
                               Has(text, "ReportFraud.ftc.gov") + Has(text, "attorney general");
            EXPECT_GE(routes, 2) << file << ": " << text;
        }
        // Private refinancing of federal student loans gives up their protections.
        if (Has(text, "efinanc") && Has(text, "private") && Has(text, "student")) {
            EXPECT_TRUE(Has(text, "gives up federal")) << file << ": " << text;
        }
    }
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const auto& entry) {
        const std::string& text = entry.second;
        return Has(text, "Loan Simulator") && Has(text, "StudentAid.gov") && Has(text, "ncome-driven repayment") &&
               Has(text, "Public Service Loan Forgiveness");
    })) << "no text points to the federal loan simulator and its plans";
    EXPECT_TRUE(Has(texts["data/plan6.txt"], "$50")) << "the travel suggestion names a credit card's protection";

    // The investment triangle: stock, real-estate and international funds at
    // the top with one warned speculation topic; balanced and bond funds next.
    ItemListOptions options;
    options.blankMarkers = true;
    std::vector<std::string> topics;
    for (const ContentItem& item : ReadItemList(Path("data\\", "invest.txt"), options)) {
        if (!item.IsGap())
            topics.push_back(item.lines[0]);
    }
    ASSERT_GE(topics.size(), 16u);
    EXPECT_EQ(topics[0], "High risk");
    EXPECT_EQ(topics[6], "Moderate risk");
    EXPECT_EQ(topics[11], "Low risk");
    EXPECT_EQ(topics[15], "Very low risk");
    const auto inTier = [&](size_t first, size_t end, const std::string& name) {
        return std::find(topics.begin() + first, topics.begin() + end, name) != topics.begin() + end;
    };
    for (const char* name : {"Stock funds", "Individual stocks", "Real estate", "International funds", "Speculation"})
        EXPECT_TRUE(inTier(1, 6, name)) << name << " is not in the high-risk tier";
    for (const char* name : {"Balanced funds", "Target-date funds", "Bond funds", "Investment-grade bonds"})
        EXPECT_TRUE(inTier(7, 11, name)) << name << " is not in the moderate-risk tier";
    const auto topicText = [&](const std::string& name) {
        const size_t n = std::find(topics.begin(), topics.end(), name) - topics.begin();
        return texts["data/invest" + std::to_string(n + 1) + ".txt"];
    };
    const std::string bets = topicText("Speculation");
    for (const char* kind : {"Options", "futures", "penny stocks", "cryptocurrency", "collectibles"})
        EXPECT_TRUE(Has(bets, kind)) << kind;
    EXPECT_TRUE(Has(bets, "Warning:") && Has(bets, "afford to lose")) << bets;
    EXPECT_TRUE(Has(topicText("High risk"), "afford to lose"));
    EXPECT_TRUE(Has(topicText("Savings accounts"), "apps are not banks"));

    // The reality check's statement on paying bills.
    const auto statements = ReadItemList(Path("data\\", "pvals.txt"));
    EXPECT_EQ(std::count_if(statements.begin(), statements.end(),
                            [](const ContentItem& s) {
                                std::string text = s.lines[0];
                                for (int i = 1; i < s.lineCount; ++i)
                                    text += ' ' + s.lines[i];
                                return text == "I pay my bills and any card balances in full.";
                            }),
              1);
}
