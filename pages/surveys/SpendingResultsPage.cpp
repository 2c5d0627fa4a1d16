#include "pages/surveys/SpendingResultsPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ContentFiles.h"
#include "kit/NavBar.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"

#include <algorithm>

using namespace platform;

namespace {

// The colour word of each type names its topic list and texts.
constexpr const char* kColourWords[SpendingResultsPage::kTypes] = {"yellow", "green", "red", "blue", "white"};

const std::vector<std::string> kInstructions = {
    "There are five major spending types. Which spending type(s) below has the",
    "highest score?  Click on the spending type to read what it says about what",
    "money means to you. If two or more types are tied it may indicate that",
    "you are not driven as strongly by a single force regarding money matters.",
    "A balance of various spending types can be healthy.",
};

constexpr char kTitle[] = "Spending Habits Survey Results";
constexpr char kMedia[] = "1_1_2e.avi";
constexpr char kPanel[] = "fin2b";

constexpr Point kBackgroundAt{0, 165};
constexpr Point kTabsAt{0, 130};
constexpr int kFirstTabX = 42;
constexpr int kTypeLabelY = 137;
constexpr int kScoreLabelY = 150;
constexpr int kScoreLabelShift = 8; // the score stands this far left of its type
const Font kTabFont{"Arial", 15, FW_SEMIBOLD};

constexpr TopicLayout kTopicLayout{20, 225, 16, 12, 16};
const Font kTopicFont{"Arial", 14, FW_SEMIBOLD};
constexpr int kBulletLead = 9; // the bullet stands this far left of its topic
constexpr int kBulletDrop = 5;

// The text of the open topic, on its part of the background.
constexpr Rect kTextArea{267, 165, 267 + 230, 165 + 210};
constexpr int kTextX = 277;
constexpr int kTextTop = 191;
constexpr int kTextStep = 14;
constexpr int kShadowOffset = 2;
const Font kTextFont{"Arial", 16, FW_NORMAL};

constexpr Point kYourTypeAt{20, 175};
constexpr int kYourTypeStep = 14;
constexpr COLORREF kYourTypeColour = RGB(141, 171, 191);

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

} // namespace

SpendingResultsPage::SpendingResultsPage(Window* view) : PageWindow(view)
{
    SetWindowText("IDD_Tabs");
    Artwork& art = App().Art();
    art.LoadBitmapByName(background_, "IDB_res_bk");
    for (int k = 0; k < kTypes; ++k)
        art.LoadBitmapByName(tabs_[static_cast<size_t>(k)], "IDB_res_tb" + std::to_string(k + 1));
    art.LoadBitmapByName(openBullet_, "idb_bulletY");
    art.LoadBitmapByName(bullet_, "idb_bulletw");
}

const char* SpendingResultsPage::ColourWord(int type)
{
    return kColourWords[std::clamp(type, 0, kTypes - 1)];
}

void SpendingResultsPage::setTypeCount(int type, int count)
{
    if (type >= 0 && type < kTypes)
        counts_[static_cast<size_t>(type)] = count;
}

int SpendingResultsPage::FirstType() const
{
    // The first of equal highest counts; all zero gives the first type.
    return static_cast<int>(std::max_element(counts_.begin(), counts_.end()) - counts_.begin());
}

bool SpendingResultsPage::ShowsYourType() const
{
    const int highest = *std::max_element(counts_.begin(), counts_.end());
    return highest != 0 && TypeCount(selected_) == highest;
}

void SpendingResultsPage::OnPageShown()
{
    OpenType(FirstType());
}

void SpendingResultsPage::OpenType(int type)
{
    selected_ = std::clamp(type, 0, kTypes - 1);
    const std::string word = ColourWord(selected_);
    openTopic_ = 0;
    hoveredTopic_ = -1;
    topics_.Clear();
    topics_.Read(ContentFilePath("data\\", word + ".txt"), word, kMaxTopics, kTopicLayout);
    {
        ClientDc dc(this);
        topics_.Measure(dc, kTopicFont);
    }
    text_ = ReadLineList(ContentFilePath("data\\", word + "1.txt"), kMaxTextLines);
}

void SpendingResultsPage::OpenTopicText(int topic)
{
    text_ = ReadLineList(ContentFilePath("data\\", topics_[topic].key + ".txt"), kMaxTextLines);
}

Rect SpendingResultsPage::TopicArea(int topic) const
{
    Rect area = topics_[topic].area;
    area.left -= kBulletLead;
    return area;
}

void SpendingResultsPage::DrawTabStrip(Dc& dc)
{
    App().Art().DrawBitmap(dc, tabs_[static_cast<size_t>(selected_)], kTabsAt.x, kTabsAt.y);
    dc.SelectFont(kTabFont);
    dc.SetBkMode(TRANSPARENT);
    for (int k = 0; k < kTypes; ++k) {
        const int x = kFirstTabX + kTabStep * k;
        dc.SetTextColor(k == selected_ ? kYellow : kBlack);
        dc.TextOut(x, kTypeLabelY, "Type " + std::to_string(k + 1));
        dc.TextOut(x - kScoreLabelShift, kScoreLabelY, "(Score " + std::to_string(TypeCount(k)) + ")");
    }
}

void SpendingResultsPage::DrawText(Dc& dc)
{
    dc.SelectFont(kTextFont);
    dc.SetBkMode(TRANSPARENT);
    // The text keeps inside its part of the background, which a new topic
    // restores.
    const int right = dc.SetTextRight(kTextArea.right);
    for (size_t i = 0; i < text_.size(); ++i) {
        const int y = kTextTop + kTextStep * static_cast<int>(i);
        dc.SetTextColor(kBlack);
        dc.TextOut(kTextX + kShadowOffset, y + kShadowOffset, text_[i]);
        dc.SetTextColor(kWhite);
        dc.TextOut(kTextX, y, text_[i]);
    }
    dc.SetTextRight(right);
}

void SpendingResultsPage::DrawTopics(Dc& dc)
{
    dc.SelectFont(kTopicFont);
    dc.SetBkMode(TRANSPARENT);
    const int right = dc.SetTextRight(kTextArea.left);
    for (int i = 0; i < topics_.Count(); ++i) {
        const Topic& topic = topics_[i];
        const bool open = i == openTopic_;
        App().Art().DrawBitmap(dc, open ? openBullet_ : bullet_, topic.places[0].x - kBulletLead,
                               topic.places[0].y + kBulletDrop);
        dc.SetTextColor(open ? kYellow : kWhite);
        for (int line = 0; line < topic.lineCount; ++line)
            dc.TextOut(topic.places[line].x, topic.places[line].y, topic.lines[line]);
    }
    dc.SetTextRight(right);
    if (ShowsYourType()) {
        dc.SelectFont(kTabFont);
        dc.SetTextColor(kYourTypeColour);
        dc.TextOut(kYourTypeAt.x, kYourTypeAt.y, "Your responses on the activity");
        dc.TextOut(kYourTypeAt.x, kYourTypeAt.y + kYourTypeStep, "you just completed indicate that ...");
    }
}

void SpendingResultsPage::OnPaint(Dc& dc)
{
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(kMedia);
    if (TopTenWindow* topTen = App().Windows().topTen)
        topTen->SetList(kPanel);
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    art.DrawBitmap(dc, background_, kBackgroundAt.x, kBackgroundAt.y);
    DrawTabStrip(dc);
    DrawText(dc);
    DrawTopics(dc);
    EnableNav(true, true, false, true);
    App().Nav().DrawNavBar(dc);
    DrawTextBlock(dc, kInstructions);
    DrawHeading(dc, kTitle);
}

void SpendingResultsPage::OnMouseMove(UINT, Point point)
{
    const bool hot = SharedMouseMove(point);
    hoveredTopic_ = topics_.At(point);
    const bool onTabs = point.y >= kTabBandTop && point.y <= kTabBandBottom;
    SetCursor(hot || hoveredTopic_ >= 0 || onTabs ? Cursor::Hand : Cursor::Arrow);
}

void SpendingResultsPage::OnLButtonDown(UINT flags, Point point)
{
    if (kTabStrip.Contains(point)) {
        OpenType(std::min((point.x - (kTabStrip.left - 1)) / kTabStep, kTypes - 1));
        Invalidate(false);
    } else if (const int topic = topics_.At(point); topic >= 0 && topic != openTopic_) {
        OpenTopicText(topic);
        InvalidateRect(kTextArea, false);
        InvalidateRect(TopicArea(openTopic_), false);
        InvalidateRect(TopicArea(topic), false);
        openTopic_ = topic;
        UpdateWindow();
    }
    PageWindow::OnLButtonDown(flags, point);
}

void SpendingResultsPage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        SendToView(VM_PRINT_SPENDING);
        return;
    case 1:
        PostToView(VM_SURVEY_SPENDING_LAST);
        break;
    case 2:
    case 3:
        SendToView(VM_CHOOSER_FIN3);
        break;
    default:
        return;
    }
    ShowWindow(SW_HIDE);
}
