#include "pages/surveys/SurveyPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"

#include <algorithm>
#include <string_view>

using namespace platform;

struct SurveyConfig {
    std::string_view file;
    const char* title;
    const char* background;
    const char* prefix; // of the check boxes' pictures
    int columns;
    int rows;
    int pages;
    int textX;
    int firstRowY;
    int rowSpacing;
    int firstColumnX;
    Point backgroundAt;
    int counterY;
    UINT backAtFirst;
    UINT nextAtLast;
    // Where the answers live in the record, and how many there are.
    int (CFinData::*answer)(int) const;
    void (CFinData::*setAnswer)(int, int);
    int answerCount;
    // Pages of the exercise before the survey's own (counted in the page
    // counter).
    int pagesBefore;
};

namespace {

// clang-format off
constexpr SurveyConfig kSurveys[] = {
    {"pvals.txt", "Financial Reality Check", "IDB_f_s_bak", "f_s", 5, 5, 3, 15, 182, 43, 252, {0, 105}, 140,
     VM_CHOOSER_FIN2, VM_REALITY_RESULTS, &CFinData::GetValuesAnswers, &CFinData::SetValuesAnswers, 15, 0},
    {"habitsur.txt", "Assess Your Borrowing Habits", "IDB_GaugeSurv", "cr_s", 5, 5, 2, 15, 182, 43, 247, {0, 105},
     140, VM_CHOOSER_CRED3, VM_BORROWING_RESULTS, &CFinData::GetHabitsAnswers, &CFinData::SetHabitsAnswers, 10, 0},
    {"spending.txt", "Spending Habits", "IDB_f_y_bak", "f_y", 2, 5, 10, 15, 182, 43, 402, {0, 110}, 145,
     VM_CHOOSER_FIN3, VM_SPENDING_RESULTS, &CFinData::GetSpendingAnswers, &CFinData::SetSpendingAnswers, 50, 0},
    {"saver.txt", "How Much Risk Can You Tolerate?", "idb_sav2_bk", "p_y", 2, 3, 2, 30, 200, 60, 402, {0, 105},
     140, VM_SHOW_RISK_INPUT, VM_RISK_RESULTS, &CFinData::GetSaverAnswers, &CFinData::SetSaverAnswers, 6, 1},
};
// clang-format on

// Which pages of a survey a set of instructions is for.
enum class OnPages { All, First, Later, Last, BeforeLast };

struct SurveyInstructions {
    std::string_view file;
    OnPages pages;
    const char* media; // null: the media item stays as it is
    const char* panel; // null: the top-ten list stays as it is
    std::vector<std::string> lines;
};

// The first row that fits the survey and its page applies.
const SurveyInstructions kInstructions[] = {
    {"pvals.txt",
     OnPages::First,
     "1_1_1a.wav",
     nullptr,
     {"Check the box that most closely identifies how you feel about or ",
      "practice what is represented in each statement. The following exercise ",
      "will help you think through your financial attitudes, beliefs and values."}},
    {"pvals.txt",
     OnPages::Later,
     "1_1_1a.wav",
     nullptr,
     {"Check the box that most closely identifies how you feel about or practice",
      "what is represented in each statement."}},
    {"spending.txt",
     OnPages::Last,
     "1_1_2a.wav",
     "fin2a",
     {"You're almost finished. Check \"Agree\" if the statement reflects your beliefs or",
      "lifestyle. Check \"Disagree\" if you do not support the statement. Read each",
      "statement carefully before responding."}},
    {"spending.txt",
     OnPages::BeforeLast,
     "1_1_2a.wav",
     "fin2a",
     {"Check \"Agree\" if the statement reflects your beliefs or lifestyle. ",
      "Check \"Disagree\" if you do not support the statement. Read each statement ",
      "carefully before responding."}},
    {"saver.txt",
     OnPages::First,
     nullptr,
     "plan2aa",
     {"Click the \"yes\" or \"no\" check box. After you have answered",
      "all of the questions, continue by clicking on Next."}},
    {"saver.txt",
     OnPages::Later,
     nullptr,
     "plan2ab",
     {"Click the \"yes\" or \"no\" check box. After you have answered",
      "all of the questions, click on Next to find out how much risk", "you can tolerate."}},
    {"habitsur.txt",
     OnPages::All,
     "3_2_1a.wav",
     nullptr,
     {"Using credit is borrowing. You are borrowing money with the understanding that",
      "you are a responsible consumer. Answer the questions below to rate your borrowing ",
      "habits. Your borrowing habits can impact your ability to achieve financial goals."}},
};

bool Applies(OnPages pages, int page, int count)
{
    switch (pages) {
    case OnPages::First:
        return page == 0;
    case OnPages::Later:
        return page > 0;
    case OnPages::Last:
        return page == count - 1;
    case OnPages::BeforeLast:
        return page < count - 1;
    case OnPages::All:
        break;
    }
    return true;
}

const SurveyConfig* FindSurvey(std::string_view file)
{
    for (const SurveyConfig& survey : kSurveys) {
        if (survey.file == file)
            return &survey;
    }
    return nullptr;
}

const Font kStatementFont{"MS Sans Serif", 15, FW_SEMIBOLD};
constexpr COLORREF kStatementColour = RGB(255, 255, 255);
constexpr COLORREF kHighlightColour = RGB(255, 255, 0);
constexpr COLORREF kCounterColour = RGB(255, 255, 255);
constexpr int kCounterCentre = 86;
// Lines 2 and 3 of a statement stand this far below the one before; each
// of them lifts the first line by half as much, so that the statement
// stays centred on its row.
constexpr int kStatementLineStep = 12;
constexpr int kStatementLift = 6;
// A statement keeps this clear of the first column of boxes.
constexpr int kStatementMargin = 4;

} // namespace

SurveyPage::SurveyPage(Window* view) : PageWindow(view)
{
    SetWindowText("IDD_Gauge");
    record_.Reset();
}

void SurveyPage::open(const std::string& file)
{
    // A survey on screen keeps its page's answers before the page changes;
    // the view shows it again, which loads the new page.
    if (IsWindowVisible())
        ShowWindow(SW_HIDE);
    file_ = file;
    config_ = FindSurvey(file);
    page_ = 0;
    statements_.clear();
    instructions_.clear();
    background_.Release();
    grid_.Configure({0, 0, 0, 0, 0}, "");
    if (!config_)
        return;
    grid_.Configure(
        {config_->rows, config_->columns, config_->firstRowY, config_->rowSpacing, config_->firstColumnX},
        config_->prefix);
    App().Art().LoadBitmapByName(background_, config_->background);
    ItemListOptions options;
    options.capacity = kMaxStatements;
    statements_ = ReadItemList(ContentFilePath("data\\", file), options);
}

int SurveyPage::PageCount() const
{
    return config_ ? config_->pages : 0;
}

void SurveyPage::SetCurrentPage(int page)
{
    page_ = std::clamp(page, 0, std::max(0, PageCount() - 1));
}

std::string SurveyPage::PageCounter() const
{
    const int before = config_ ? config_->pagesBefore : 0;
    return "Page " + std::to_string(page_ + 1 + before) + " of " + std::to_string(PageCount() + before);
}

int SurveyPage::AnswerIndex(int row) const
{
    const int index = page_ * config_->rows + row;
    return index < config_->answerCount ? index : -1;
}

const ContentItem* SurveyPage::StatementOn(int row) const
{
    const size_t index = static_cast<size_t>(page_ * config_->rows + row);
    return index < statements_.size() ? &statements_[index] : nullptr;
}

Point SurveyPage::StatementPlace(int row) const
{
    if (!config_)
        return {};
    int y = grid_.RowY(row);
    if (const ContentItem* statement = StatementOn(row)) {
        for (int line = 1; line < 3; ++line)
            y -= statement->lines[line].empty() ? 0 : kStatementLift;
    }
    return {config_->textX, y};
}

void SurveyPage::LoadPage()
{
    if (!config_)
        return;
    // When the file cannot be read the page keeps the answers it holds.
    record_.Load();
    for (int r = 0; r < config_->rows; ++r) {
        const int index = AnswerIndex(r);
        grid_.SetAnswer(r, index < 0 ? SurveyGrid::kUnanswered : (record_.*config_->answer)(index));
    }
    instructions_.clear();
    for (const SurveyInstructions& row : kInstructions) {
        if (row.file != file_ || !Applies(row.pages, page_, config_->pages))
            continue;
        instructions_ = row.lines;
        if (row.media && App().Windows().video)
            App().Windows().video->SetMedia(row.media);
        if (row.panel && App().Windows().topTen)
            App().Windows().topTen->SetList(row.panel);
        break;
    }
}

void SurveyPage::StorePage()
{
    if (!config_)
        return;
    for (int r = 0; r < config_->rows; ++r) {
        if (const int index = AnswerIndex(r); index >= 0)
            (record_.*config_->setAnswer)(index, grid_.Answer(r));
    }
    record_.Save();
}

void SurveyPage::TurnPage(int step)
{
    StorePage();
    SetCurrentPage(page_ + step);
    LoadPage();
    grid_.ClearHighlight();
    Invalidate(false);
}

void SurveyPage::OnPageShown()
{
    LoadPage();
}

void SurveyPage::OnPageHidden()
{
    StorePage();
}

Rect SurveyPage::StatementArea() const
{
    // From the top of a three-line statement on the first row to the foot
    // of one on the last row.
    const int rise = 2 * kStatementLift;
    return {config_->textX, grid_.RowY(0) - rise, config_->firstColumnX,
            grid_.RowY(config_->rows - 1) - rise + 2 * kStatementLineStep + kStatementFont.height + 1};
}

void SurveyPage::DrawStatements(Dc& dc)
{
    dc.SelectFont(kStatementFont);
    dc.SetBkMode(TRANSPARENT);
    const int right = dc.SetTextRight(config_->firstColumnX - kStatementMargin);
    for (int r = 0; r < config_->rows; ++r) {
        const ContentItem* statement = StatementOn(r);
        if (!statement)
            continue;
        dc.SetTextColor(r == grid_.Highlighted() ? kHighlightColour : kStatementColour);
        const Point at = StatementPlace(r);
        for (int line = 0; line < 3; ++line) {
            if (!statement->lines[line].empty())
                dc.TextOut(at.x, at.y + kStatementLineStep * line, statement->lines[line]);
        }
    }
    dc.SetTextRight(right);
}

void SurveyPage::DrawPageCounter(Dc& dc)
{
    dc.SelectFont(kStatementFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kCounterColour);
    const std::string counter = PageCounter();
    dc.TextOut(kCounterCentre - dc.GetTextExtent(counter).cx / 2, config_->counterY, counter);
}

void SurveyPage::OnPaint(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (!config_)
        return;
    art.DrawBitmap(dc, background_, config_->backgroundAt.x, config_->backgroundAt.y);
    DrawHeading(dc, config_->title);
    EnableNav(false, true, true, false);
    App().Nav().DrawNavBar(dc);
    if (!instructions_.empty())
        DrawTextBlock(dc, instructions_);
    DrawStatements(dc);
    grid_.Draw(dc);
    DrawPageCounter(dc);
}

void SurveyPage::OnMouseMove(UINT, Point point)
{
    if (grid_.Hover(point, *this) && config_) {
        InvalidateRect(StatementArea(), false);
        UpdateWindow();
    }
    const bool hot = SharedMouseMove(point);
    SetCursor(hot || grid_.HitsBox(point) ? Cursor::Hand : Cursor::Arrow);
}

void SurveyPage::OnLButtonDown(UINT flags, Point point)
{
    grid_.Press(point, *this);
    PageWindow::OnLButtonDown(flags, point);
}

void SurveyPage::OnLButtonDblClk(UINT flags, Point point)
{
    // The second press of a quick double click counts as a press.
    OnLButtonDown(flags, point);
}

void SurveyPage::OnLButtonUp(UINT, Point point)
{
    const int nav = App().Nav().NavClick(point.x, point.y);
    if (nav < 0 || !config_)
        return;
    if (nav == 2 && page_ < config_->pages - 1) {
        TurnPage(1);
    } else if (nav == 1 && page_ > 0) {
        TurnPage(-1);
    } else {
        // Past either end the view takes over; hiding stores the page
        // before the view handles the message.
        if (nav == 2)
            PostToView(config_->nextAtLast);
        else if (nav == 1)
            PostToView(config_->backAtFirst);
        ShowWindow(SW_HIDE);
    }
}
