// The spending results ("IDD_Tabs"): five tabs, one per spending type with
// the number of its statements the user agreed with, opened at the type
// with the highest count. Each type shows its list of topics and, beside
// it, the text of the topic that is open.
#pragma once

#include "kit/PageWindow.h"
#include "kit/TopicList.h"
#include "platform/Bitmap.h"

#include <array>
#include <string>
#include <vector>

class SpendingResultsPage : public PageWindow {
public:
    static constexpr int kTypes = 5;
    static constexpr size_t kMaxTopics = 30;
    static constexpr size_t kMaxTextLines = 40;
    // The tab strip, where a press picks a tab.
    static constexpr platform::Rect kTabStrip{22, 131, 483, 165};
    // The pointer is the hand across the whole band of the tabs.
    static constexpr int kTabBandTop = 126;
    static constexpr int kTabBandBottom = 159;
    static constexpr int kTabStep = 92;

    explicit SpendingResultsPage(platform::Window* view);

    // The count of type `type` (0 to 4).
    void setTypeCount(int type, int count);
    int TypeCount(int type) const { return counts_[static_cast<size_t>(type)]; }
    // The type whose tab the page opens at: the highest count, the lowest
    // type among equal ones.
    int FirstType() const;
    // The type shown (0 to 4), and its colour word ("yellow", "green" ...).
    int SelectedType() const { return selected_; }
    static const char* ColourWord(int type);

    const TopicList& Topics() const { return topics_; }
    int OpenTopic() const { return openTopic_; }
    int HoveredTopic() const { return hoveredTopic_; }
    const std::vector<std::string>& Text() const { return text_; }
    // Whether the page says the shown type is the user's (its count is the
    // highest and not 0).
    bool ShowsYourType() const;

protected:
    void OnPageShown() override;
    void OnPaint(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    void OpenType(int type);
    void OpenTopicText(int topic);
    void DrawTabStrip(platform::Dc& dc);
    void DrawText(platform::Dc& dc);
    void DrawTopics(platform::Dc& dc);
    // A topic's area with its bullet.
    platform::Rect TopicArea(int topic) const;

    std::array<int, kTypes> counts_{};
    int selected_ = 0;
    TopicList topics_;
    int openTopic_ = 0;
    int hoveredTopic_ = -1;
    std::vector<std::string> text_;
    platform::Bitmap background_;
    std::array<platform::Bitmap, kTypes> tabs_;
    platform::Bitmap openBullet_;
    platform::Bitmap bullet_;
};
