// The page that opens each section: a title, a still picture, the question
// "Would you like to ..." and one to three picture buttons, each starting
// an exercise or lesson. With the key "habitsur" it shows the result of
// the borrowing-habits survey instead.
#pragma once

#include "kit/ImageButton.h"
#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

#include <array>
#include <string>
#include <vector>

struct ChooserKey;

class ChooserPage : public PageWindow {
public:
    static constexpr int kMaxChoices = 3;

    explicit ChooserPage(platform::Window* view);

    // Fills the page for the key ("FIN2", "MAN3", "CRED4", "PLAN2",
    // "habitsur" ...), loads its pictures and names its top-ten list.
    void setKey(const std::string& key);
    void TakeKey(const std::string& key) override { setKey(key); }
    const std::string& Key() const { return key_; }
    bool ResultsMode() const { return resultsMode_; }
    int ChoiceCount() const { return choiceCount_; }
    const ImageButton& Choice(int index) const { return choices_[static_cast<size_t>(index)]; }
    int PromptY() const;
    // The score of the borrowing-habits survey, before the key "habitsur"
    // shows its result.
    void SetBorrowingScore(int score) { borrowingScore_ = score; }
    // The result's heading block, drawn in results mode.
    const std::vector<std::string>& HeadingBlockLines() const { return headingBlock_; }
    int BorrowingScore() const { return borrowingScore_; }

protected:
    void OnPaint(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    bool StillBelongsHere() const;
    // The quotation, detail lines and video of the borrowing score.
    void DrawBorrowingResult(platform::Dc& dc);

    std::string key_;
    const ChooserKey* row_ = nullptr;
    std::array<ImageButton, kMaxChoices> choices_;
    int choiceCount_ = 0;
    platform::Bitmap still_;
    platform::Bitmap bullet_;
    std::vector<std::string> headingBlock_;
    bool resultsMode_ = false;
    int borrowingScore_ = 0;
};
