#include "app/LessonPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ContentFiles.h"
#include "kit/Modules.h"
#include "kit/NavBar.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/planning/RiskLevels.h"

#include <string_view>

using namespace platform;

struct LessonKey {
    std::string_view key;
    const char* background;
    std::vector<std::string> instructions;
    const char* title;
    int textX;
    bool back, print; // return is shown for every key, next for none
    UINT backCommand, nextCommand;
    const char* media; // null: chosen by the risk score
    const char* panel; // null: the top-ten list stays as it is
};

namespace {

const LessonKey kKeys[] = {
    {"pcons",
     "IDB_ProConBK",
     {"As with most things in life, there are advantages and",
      "disadvantages to using credit. Click on the items below",
      "to determine how to capitalize on the advantages of", "credit and how to avoid the disadvantages."},
     "Advantages and Disadvantages of Using Credit",
     260,
     false,
     false,
     0,
     VM_CHOOSER_CRED2,
     "3_1_1a.avi",
     nullptr},
    {"emer",
     "IDB_man_call",
     {"The following is a list of typical emergencies",
      "that people may face. Click an emergency for details."},
     "List of Typical Emergencies",
     268,
     false,
     true,
     0,
     VM_SECTION_MAN4,
     "2_3_1.wav",
     nullptr},
    {"avoid",
     "IDB_ProConBK",
     {"You can avoid a bad credit report by:"},
     "How To Avoid Bad Credit Reports",
     260,
     false,
     true,
     VM_CHOOSER_CRED4,
     VM_CHOOSER_CRED4,
     "3_3_2.avi",
     "cred4b"},
    {"habits",
     "IDB_ProConBK",
     {"Borrowing is not bad; it's how responsible or irresponsible we are",
      "in repaying the debt that makes it good or bad. Some steps you",
      "can take to improve your borrowing habits are listed below:"},
     "Improve Your Borrowing Habits",
     260,
     false,
     true,
     0,
     VM_BORROWING_RESULTS,
     "3_2_1c.wav",
     nullptr},
    {"agency",
     "IDB_ProConBK",
     {"Below is a list of major credit reporting agencies.",
      "Click on a name to get more information about it."},
     "Credit Reporting Agencies",
     260,
     true,
     true,
     VM_TEXT_OBTAIN,
     VM_CHOOSER_CRED4,
     "3_3_3a.wav",
     nullptr},
    {"reducing",
     "IDB_ProConBK",
     {"Getting back on financial track is a concern for many individuals and families.",
      "Reducing the amount of debt you have is a great way to get back on track.",
      "Several ways to reduce debt follow. Determine which methods will work for you."},
     "Reducing Your Debt Load",
     260,
     false,
     true,
     VM_DEBT_RESULTS,
     VM_DEBT_RESULTS,
     "3_2_2b.avi",
     nullptr},
    {"plan",
     "IDB_man_call",
     {"Now that you have identified emergencies that are",
      "important to you, follow some of these suggestions to", "help you plan for them."},
     "Emergency Expense Plan",
     268,
     true,
     true,
     VM_SHOW_EMERGENCIES,
     VM_SECTION_MAN4,
     "2_3_2b.wav",
     nullptr},
    {"goal",
     "IDB_tri_call",
     {"Defining a goal consists of identifying what is important to you, determining how",
      "much money you will need to attain it, and knowing when you will need the money.",
      "Below is a list of typical goals for the average American household. Select a goal",
      "to see more information:"},
     "View Typical Goals",
     303,
     false,
     true,
     0,
     VM_CHOOSER_PLAN3,
     "4_2_1.avi",
     "plan3a"},
    {"invest",
     "IDB_tri_call",
     {"This chart illustrates major investment options available to you, categorized",
      "by their risks and return potential. Click an option for more information."},
     "Investment and Saving Opportunities",
     303,
     false,
     true,
     0,
     VM_CHOOSER_PLAN4,
     nullptr,
     "plan4a"},
};

constexpr char kInvestProfileLine[] = "The highlighted items in green are appropriate for your risk profile.";

// The tiers of the investment triangle, one group of topics each.
constexpr int kTierX = 1;
constexpr int kTierY[4] = {102, 182, 249, 317};
constexpr int kTierFirstTopic[4] = {1, 7, 12, 16};
constexpr int kTierTopicY[4] = {106, 185, 251, 319};
constexpr int kInvestCentre = 150;

// Before the risk survey has been completed the triangle shows every tier.
constexpr char kNoScoreMedia[] = "4_3_1.avi";

const RiskLevel* LevelFor(int score)
{
    return score < 0 ? nullptr : &RiskLevelFor(score);
}

// The goal lesson names two books in italics after lines of two topics.
struct BookTitle {
    int topic; // from 1
    size_t line;
    const char* title;
};
constexpr BookTitle kBookTitles[] = {{3, 5, "Personal Finance,"}, {4, 10, "The Family Money Book,"}};

constexpr COLORREF kTopicColour = RGB(0, 0, 0);
constexpr COLORREF kOpenTopicColour = RGB(0, 0, 255);
constexpr COLORREF kInvestTopicColour = RGB(255, 255, 255);
constexpr COLORREF kInvestOpenColour = RGB(255, 255, 0);
constexpr COLORREF kTextColour = RGB(255, 255, 255);
constexpr int kTextTop = 130;
constexpr int kTextStep = 15;

const LessonKey* FindKey(std::string_view key)
{
    for (const LessonKey& row : kKeys) {
        if (row.key == key)
            return &row;
    }
    return nullptr;
}

} // namespace

LessonPage::LessonPage(Window* view) : PageWindow(view) {}

bool LessonPage::IsInvest() const
{
    return key_ == "invest";
}

std::vector<std::string> LessonPage::InstructionLines() const
{
    if (!row_)
        return {};
    std::vector<std::string> lines = row_->instructions;
    if (IsInvest() && riskScore_ >= 0)
        lines.push_back(kInvestProfileLine);
    return lines;
}

bool LessonPage::TierHighlighted(int tier) const
{
    const RiskLevel* level = LevelFor(riskScore_);
    return !level || level->tiers[static_cast<size_t>(tier - 1)];
}

std::string LessonPage::TopicFile(int index) const
{
    if (key_ == "plan") {
        const int suggestion =
            index < static_cast<int>(ranking_.size()) ? ranking_[static_cast<size_t>(index)] : 0;
        return ContentFilePath("data\\", "plan" + std::to_string(suggestion + 1) + ".txt");
    }
    return ContentFilePath("data\\", key_ + std::to_string(index + 1) + ".txt");
}

std::string LessonPage::ListFile() const
{
    return key_ == "plan" ? WorkFilePath(kPlanFolder, kPlanFile) : ContentFilePath("data\\", key_ + ".txt");
}

void LessonPage::open(const std::string& key)
{
    key_ = key;
    row_ = FindKey(key);
    topics_.clear();
    text_.clear();
    openTopic_ = 0;
    hoveredTopic_ = -1;
    if (!row_)
        return;
    background_.Release();
    App().Art().LoadBitmapByName(background_, row_->background);
    for (int tier = 0; tier < 4 && IsInvest(); ++tier) {
        tiers_[static_cast<size_t>(tier)].Release();
        const std::string name =
            "IDB_Tri" + std::to_string(tier + 1) + (TierHighlighted(tier + 1) ? "_sel" : "_off");
        App().Art().LoadBitmapByName(tiers_[static_cast<size_t>(tier)], name);
    }
    if (key == "agency")
        App().Windows().video->SetMedia(row_->media);
    ReadList();
    ReadText(0);
}

void LessonPage::ReadList()
{
    ItemListOptions options;
    options.blankMarkers = true;
    options.capacity = kMaxTopics * 2;
    const std::vector<ContentItem> items = key_ == "plan" && !unsavedPlan_.empty()
                                               ? ParseItemList(SplitLines(unsavedPlan_), options)
                                               : ReadItemList(ListFile(), options);
    int row = 0;
    for (const ContentItem& item : items) {
        if (item.IsGap()) {
            ++row;
            continue;
        }
        if (topics_.size() >= kMaxTopics)
            break;
        Topic topic;
        topic.lineCount = std::min(item.lineCount, 2);
        topic.lines[0] = item.lines[0];
        topic.lines[1] = item.lines[1];
        // A topic takes a row, two with a second line.
        topic.row = row;
        topics_.push_back(topic);
        row += topic.lineCount;
    }
    LayOutTopics();
}

void LessonPage::LayOutTopics()
{
    ClientDc dc(this);
    const bool invest = IsInvest();
    dc.SelectFont(Font{"Arial", invest ? 14 : 15, FW_SEMIBOLD});
    const int rowHeight = invest ? 12 : key_ == "pcons" ? 17 : 20;
    const int secondLineDrop = invest ? 11 : 14;
    int tier = -1;
    int tierRow = 0;
    for (size_t i = 0; i < topics_.size(); ++i) {
        Topic& t = topics_[i];
        int top = 120 + rowHeight * t.row;
        if (invest) {
            const int number = static_cast<int>(i) + 1;
            for (int g = 0; g < 4; ++g) {
                if (number == kTierFirstTopic[g]) {
                    tier = g;
                    tierRow = 0;
                }
            }
            top = (tier >= 0 ? kTierTopicY[tier] : 106) + rowHeight * tierRow;
            tierRow += t.lineCount;
        }
        Rect area{};
        for (int line = 0; line < t.lineCount; ++line) {
            const Size size = dc.GetTextExtent(t.lines[line]);
            t.y[line] = top + secondLineDrop * line;
            t.x[line] = invest ? kInvestCentre - size.cx / 2 : 16 * line;
            const Rect r{t.x[line], t.y[line], t.x[line] + size.cx, t.y[line] + size.cy};
            area = line == 0
                       ? r
                       : Rect{std::min(area.left, r.left), area.top, std::max(area.right, r.right), r.bottom};
        }
        t.area = area;
    }
}

void LessonPage::ReadText(int index)
{
    textFile_ = TopicFile(index);
    text_ = ReadLineList(textFile_, kMaxTextLines);
}

void LessonPage::OnPageShown()
{
    if (!row_)
        return;
    if (IsInvest()) {
        const RiskLevel* level = LevelFor(riskScore_);
        App().Windows().video->SetMedia(level ? level->video : kNoScoreMedia);
    } else if (key_ != "agency") {
        App().Windows().video->SetMedia(row_->media);
    }
    if (row_->panel)
        App().Windows().topTen->SetList(row_->panel);
}

Point LessonPage::BackgroundPlace() const
{
    return App().Flags().currentModule == ModulePlanning ? Point{298, 121} : Point{260, 110};
}

void LessonPage::DrawBackground(Dc& dc)
{
    const Point at = BackgroundPlace();
    App().Art().DrawBitmap(dc, background_, at.x, at.y);
}

void LessonPage::DrawTopic(Dc& dc, int index)
{
    const Topic& t = topics_[static_cast<size_t>(index)];
    const bool invest = IsInvest();
    const bool open = index == openTopic_;
    bool tierHeading = false;
    for (int first : kTierFirstTopic)
        tierHeading = tierHeading || (invest && index + 1 == first);
    dc.SelectFont(Font{"Arial", invest ? 14 : 15, FW_SEMIBOLD, false, tierHeading});
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(invest ? (open ? kInvestOpenColour : kInvestTopicColour)
                           : (open ? kOpenTopicColour : kTopicColour));
    // Topics keep left of the text column.
    const int right = dc.SetTextRight(row_->textX);
    for (int line = 0; line < t.lineCount; ++line)
        dc.TextOut(t.x[line], t.y[line], t.lines[line]);
    dc.SetTextRight(right);
}

void LessonPage::DrawText(Dc& dc)
{
    const Font font{"Arial", 16, FW_NORMAL};
    dc.SelectFont(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kTextColour);
    const int x = row_->textX + 10;
    for (size_t i = 0; i < text_.size(); ++i) {
        const int y = kTextTop + kTextStep * static_cast<int>(i);
        dc.TextOut(x, y, text_[i]);
        for (const BookTitle& book : kBookTitles) {
            if (key_ == "goal" && openTopic_ + 1 == book.topic && i == book.line) {
                const int end = x + dc.GetTextExtent(text_[i] + " ").cx;
                dc.SelectFont(Font{font.face, font.height, font.weight, true});
                dc.TextOut(end, y, book.title);
                dc.SelectFont(font);
            }
        }
    }
}

void LessonPage::OnPaint(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (!row_)
        return;
    DrawBackground(dc);
    for (int tier = 0; tier < 4 && IsInvest(); ++tier)
        art.DrawBitmap(dc, tiers_[static_cast<size_t>(tier)], kTierX, kTierY[tier]);
    DrawHeading(dc, row_->title);
    NavBar& nav = App().Nav();
    EnableNav(row_->print, row_->back, false, true);
    nav.DrawNavBar(dc);
    DrawTextBlock(dc, InstructionLines());
    for (int i = 0; i < static_cast<int>(topics_.size()); ++i)
        DrawTopic(dc, i);
    DrawText(dc);
}

int LessonPage::TopicAt(Point p) const
{
    for (int i = 0; i < static_cast<int>(topics_.size()); ++i) {
        if (topics_[static_cast<size_t>(i)].area.Contains(p))
            return i;
    }
    return -1;
}

void LessonPage::OnMouseMove(UINT, Point point)
{
    const bool hot = SharedMouseMove(point);
    hoveredTopic_ = TopicAt(point);
    SetCursor(hot || hoveredTopic_ >= 0 ? Cursor::Hand : Cursor::Arrow);
}

void LessonPage::OnLButtonDown(UINT flags, Point point)
{
    const int topic = TopicAt(point);
    if (topic >= 0 && topic != openTopic_ && row_) {
        ReadText(topic);
        // The text panel and both topics are painted again.
        const Point at = BackgroundPlace();
        const Size size = background_.GetSize();
        InvalidateRect({at.x, at.y, at.x + size.cx, at.y + size.cy}, false);
        InvalidateRect(topics_[static_cast<size_t>(openTopic_)].area, false);
        InvalidateRect(topics_[static_cast<size_t>(topic)].area, false);
        openTopic_ = topic;
        UpdateWindow();
    }
    PageWindow::OnLButtonDown(flags, point);
}

void LessonPage::OnLButtonUp(UINT, Point point)
{
    if (!row_)
        return;
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        SendToView(VM_PRINT_LESSON);
        if (IsInvest()) {
            printSecondPart_ = true;
            SendToView(VM_PRINT_LESSON);
            printSecondPart_ = false;
        }
        return;
    case 1:
        PostToView(row_->backCommand);
        break;
    case 2:
    case 3:
        SendToView(row_->nextCommand);
        break;
    default:
        return;
    }
    ShowWindow(SW_HIDE);
}
