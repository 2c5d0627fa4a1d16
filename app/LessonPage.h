// The lesson page: a list of short topics with, beside it, the text of the
// topic that is open. It serves the credit, emergency, goal and investment
// lessons; "invest" also highlights the tiers of the investment triangle
// that suit the user's risk score.
#pragma once

#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

#include <array>
#include <string>
#include <vector>

struct LessonKey;

class LessonPage : public PageWindow {
public:
    static constexpr size_t kMaxTopics = 30;
    static constexpr size_t kMaxTextLines = 40;

    struct Topic {
        std::string lines[2];
        int lineCount = 1;
        int x[2] = {0, 0};
        int y[2] = {0, 0};
        int row = 0;         // list row of its first line
        platform::Rect area; // where a click opens it
        std::string tooltip = "This is a tooltip!";
    };

    explicit LessonPage(platform::Window* view);

    // Sets the page up for the key, reads its list and first text.
    void open(const std::string& key);
    void TakeKey(const std::string& key) override { open(key); }
    const std::string& Key() const { return key_; }
    const std::vector<Topic>& Topics() const { return topics_; }
    int OpenTopic() const { return openTopic_; }
    int HoveredTopic() const { return hoveredTopic_; }
    const std::vector<std::string>& Text() const { return text_; }
    const std::string& TextFile() const { return textFile_; }
    std::vector<std::string> InstructionLines() const;

    // The emergency plan: its ranked suggestion numbers (0 to 13), and its
    // list when the plan could not be written to its file (empty when it
    // was): the page then lists that instead of what the file holds.
    void SetPlan(std::vector<int> ranking, std::string unsavedList)
    {
        ranking_ = std::move(ranking);
        unsavedPlan_ = std::move(unsavedList);
    }
    // The file that topic `index` (from 0) opens.
    std::string TopicFile(int index) const;
    // The file of the topic list: the lesson's own, or the plan that the
    // emergencies list wrote for the user.
    std::string ListFile() const;
    // The risk score, -1 until the risk survey has been completed.
    void SetRiskScore(int score) { riskScore_ = score; }
    int RiskScore() const { return riskScore_; }
    // Which tiers of the triangle are highlighted (1 to 4).
    bool TierHighlighted(int tier) const;
    // Set while the report prints the second half of the investment options.
    bool PrintSecondPart() const { return printSecondPart_; }

protected:
    void OnPageShown() override;
    void OnPaint(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    bool IsInvest() const;
    void ReadList();
    void ReadText(int index);
    void LayOutTopics();
    int TopicAt(platform::Point p) const;
    platform::Point BackgroundPlace() const;
    void DrawBackground(platform::Dc& dc);
    void DrawTopic(platform::Dc& dc, int index);
    void DrawText(platform::Dc& dc);

    std::string key_;
    const LessonKey* row_ = nullptr;
    std::string textFile_;
    std::vector<Topic> topics_;
    std::vector<std::string> text_;
    int openTopic_ = 0;
    int hoveredTopic_ = -1;
    std::vector<int> ranking_;
    std::string unsavedPlan_;
    int riskScore_ = -1;
    bool printSecondPart_ = false;
    platform::Bitmap background_;
    std::array<platform::Bitmap, 4> tiers_;
};
