// The page of short named texts: the credit-report lessons ("obtain.txt",
// "ratings.txt"), the two pages of the contact-and-help module
// ("howzem1.txt" credits, "howzem2.txt" how to get in touch) and the
// financial reality results ("reality").
#pragma once

#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

#include <string>
#include <vector>

class TextPage : public PageWindow {
public:
    static constexpr size_t kMaxLines = 50;

    explicit TextPage(platform::Window* view);

    // Stores the key, reads its file (all keys but "reality") and sets the
    // navigation for it.
    void setKey(const std::string& key);
    void TakeKey(const std::string& key) override { setKey(key); }
    const std::string& Key() const { return key_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    void SetRealityScore(int score) { realityScore_ = score; }
    int RealityScore() const { return realityScore_; }

    // The link to the publisher's page on the credits page.
    static constexpr platform::Rect kLinkArea{141, 321, 290, 375};

protected:
    void OnPaint(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    bool LinkShown() const;
    bool OnLink(platform::Point p) const;
    void DrawContactHeadings(platform::Dc& dc);
    void DrawCreditReportRatings(platform::Dc& dc);
    // The reality score's level, its detail lines, video and panel.
    void DrawRealityResults(platform::Dc& dc);

    std::string key_;
    std::vector<std::string> lines_;
    int realityScore_ = 0;
    platform::Bitmap bullet_;
    platform::Bitmap picture_;
    platform::UINT back_ = 0;
    platform::UINT next_ = 0;
    platform::UINT return_ = 0;
};
