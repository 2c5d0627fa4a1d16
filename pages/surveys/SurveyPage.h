// The survey page ("IDD_Gauge"): it runs every statement survey of the
// course, told apart by the name of its statement file ("pvals.txt",
// "habitsur.txt", "spending.txt", "saver.txt"). The user ticks one box per
// statement, page by page; each page's answers go into the record, and the
// saved-work file, whenever the page turns or the survey is left. Next on
// the last page asks the view for the survey's result.
#pragma once

#include "data/CFinData.h"
#include "kit/ContentFiles.h"
#include "kit/PageWindow.h"
#include "kit/SurveyGrid.h"
#include "platform/Bitmap.h"

#include <string>
#include <vector>

struct SurveyConfig;

class SurveyPage : public PageWindow {
public:
    // A statement file longer than this is read up to it.
    static constexpr size_t kMaxStatements = 100;

    explicit SurveyPage(platform::Window* view);

    // Sets the page up for the survey of statement file `file` on its first
    // page, with nothing highlighted, and reads the statements. A page on
    // screen is hidden first (which stores its answers).
    void open(const std::string& file);
    void TakeKey(const std::string& key) override { open(key); }
    // Moves to a page (before the page shows): one past the last, or
    // before the first, stands for the nearest page there is.
    void SetCurrentPage(int page);
    void ShowLastPage() { SetCurrentPage(PageCount() - 1); }

    const std::string& File() const { return file_; }
    int CurrentPage() const { return page_; }
    int PageCount() const;
    const std::vector<ContentItem>& Statements() const { return statements_; }
    const std::vector<std::string>& InstructionLines() const { return instructions_; }
    const SurveyGrid& Grid() const { return grid_; }
    // "Page n of m" as the page shows it.
    std::string PageCounter() const;
    // Where the first line of the statement on a row stands.
    platform::Point StatementPlace(int row) const;

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonDblClk(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    // The record's index of the statement on a row of the current page, or
    // -1 past the survey's answers.
    int AnswerIndex(int row) const;
    const ContentItem* StatementOn(int row) const;
    // Reloads the record, shows the page's answers and instructions.
    void LoadPage();
    // Writes the page's answers into the record and the record to the file.
    void StorePage();
    void TurnPage(int step);
    void DrawStatements(platform::Dc& dc);
    void DrawPageCounter(platform::Dc& dc);
    platform::Rect StatementArea() const;

    std::string file_;
    const SurveyConfig* config_ = nullptr;
    int page_ = 0;
    std::vector<ContentItem> statements_;
    std::vector<std::string> instructions_;
    SurveyGrid grid_;
    platform::Bitmap background_;
    CFinData record_;
};
