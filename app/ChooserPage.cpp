#include "app/ChooserPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/Modules.h"
#include "kit/NavBar.h"
#include "kit/ResultLines.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/surveys/SurveyResults.h"
#include "platform/Keys.h"

#include <string_view>

using namespace platform;

struct ChooserChoice {
    UINT command;
    int x, y;
};

struct ChooserKey {
    std::string_view key;
    int module; // the module whose section module holds the pictures
    const char* title;
    const char* prefix;
    int choiceCount;
    ChooserChoice choices[ChooserPage::kMaxChoices];
    const char* still; // null: no still picture
    int stillX, stillY;
    const char* panel; // null: the top-ten list stays as it is
    int promptY;
};

namespace {

constexpr char kPrompt[] = "Would you like to ...";
constexpr char kNetWorthPrompt[] = "Would you like to do a...";
constexpr char kBorrowingKey[] = "habitsur";
constexpr char kBorrowingReturnKey[] = "CRED_BORROW";
constexpr char kBorrowingSection[] = "CRED3";

constexpr ChooserKey kKeys[] = {
    {"FIN2",
     ModuleAttitudes,
     "Financial Reality Check",
     "IDB_f2_",
     1,
     {{VM_SURVEY_VALUES, 102, 310}},
     "idb_fin1stil",
     11,
     40,
     "fin1a",
     280},
    {"FIN3",
     ModuleAttitudes,
     "Spending Habits",
     "IDB_f3_",
     1,
     {{VM_SURVEY_SPENDING, 102, 310}},
     "idb_fin2stil",
     19,
     36,
     "fin2a",
     280},
    {"MAN2",
     ModuleMoney,
     "Net Worth Introduction",
     "IDB_m2_",
     2,
     {{VM_QUICK_START, 102, 310}, {VM_DETAILED_START, 102, 354}},
     "idb_man1stil",
     3,
     38,
     "man2",
     280},
    {"MAN3",
     ModuleMoney,
     "Budgeting Introduction",
     "IDB_m3_",
     3,
     {{VM_BUDGET_DETAILED, 103, 266}, {VM_SHOW_AVERAGE_BUDGET, 103, 310}, {VM_SHOW_SAVE_MORE, 103, 354}},
     "idb_man2stil",
     7,
     37,
     "man3a",
     235},
    {"MAN4",
     ModuleMoney,
     "Preparing for Emergencies:",
     "IDB_m4_",
     2,
     {{VM_LESSON_EMER, 61, 310}, {VM_SHOW_EMERGENCIES, 61, 354}},
     "idb_man3stil",
     17,
     38,
     nullptr,
     280},
    {"CRED2",
     ModuleCredit,
     "What are Credit and Debt?",
     "IDB_c2_",
     2,
     {{VM_LESSON_PCONS, 54, 302}, {VM_SHOW_COST, 54, 346}},
     "idb_cre1stil",
     16,
     38,
     nullptr,
     272},
    {"CRED3",
     ModuleCredit,
     "How Much Debt Is Too Much?",
     "IDB_c3_",
     2,
     {{VM_SURVEY_HABITS, 102, 310}, {VM_SHOW_DEBT, 102, 354}},
     "idb_cre2stil",
     46,
     38,
     "cred3b",
     280},
    {"CRED4",
     ModuleCredit,
     "Credit Reports Introduction",
     "IDB_c4_",
     3,
     {{VM_TEXT_RATINGS, 57, 266}, {VM_LESSON_AVOID, 57, 310}, {VM_TEXT_OBTAIN, 57, 354}},
     "idb_cre3stil",
     12,
     38,
     "cred4",
     235},
    {"PLAN2",
     ModulePlanning,
     "Saving & Investing Fundam",
     "IDB_p2_",
     3,
     {{VM_SHOW_RISK_INPUT, 57, 266}, {VM_CHART_GROWTH, 57, 310}, {VM_CHART_DWINDLE, 57, 354}},
     "idb_pl1stil",
     16,
     37,
     "plan2",
     235},
    {"PLAN3",
     ModulePlanning,
     "Setting Financial Goals",
     "IDB_p3_",
     2,
     {{VM_LESSON_GOAL, 57, 310}, {VM_SHOW_GOALS, 57, 354}},
     "idb_pl2stil",
     13,
     43,
     "plan3",
     280},
    {"PLAN4",
     ModulePlanning,
     "Investment Opportunities",
     "IDB_p4_",
     1,
     {{VM_LESSON_INVEST, 57, 310}},
     "idb_pl3stil",
     17,
     36,
     "plan4",
     280},
    {kBorrowingKey,
     ModuleCredit,
     "Your Borrowing Habits",
     "IDB_c3a_",
     1,
     {{VM_LESSON_HABITS, 68, 342}},
     nullptr,
     0,
     0,
     nullptr,
     318},
};

const ChooserKey* FindKey(std::string_view key)
{
    for (const ChooserKey& row : kKeys) {
        if (row.key == key)
            return &row;
    }
    return nullptr;
}

constexpr COLORREF kPromptColour = RGB(255, 0, 0);
const Font kPromptFont{"Arial", 22, FW_BOLD};

// The borrowing result below its heading block.
constexpr Point kQuotationAt{10, 100};
const Font kQuotationFont{"Arial", 15, FW_SEMIBOLD};
constexpr ResultLinesLayout kBorrowingLines{22, 130, 13, 10, 15};

} // namespace

ChooserPage::ChooserPage(Window* view) : PageWindow(view)
{
    // The bullet is the program's own.
    App().Art().LoadOwnBitmap(bullet_, "IDB_bullet");
}

bool ChooserPage::StillBelongsHere() const
{
    return row_ && row_->still && row_->module == App().Flags().currentModule;
}

int ChooserPage::PromptY() const
{
    return row_ ? row_->promptY : 280;
}

void ChooserPage::setKey(const std::string& key)
{
    key_ = key;
    row_ = FindKey(key);
    resultsMode_ = key == kBorrowingKey;
    choiceCount_ = 0;
    for (ImageButton& b : choices_) {
        b.Release();
        b.SetState(ImageButton::Normal);
        b.SetPressed(false);
    }
    still_.Release();
    headingBlock_.clear();
    if (resultsMode_)
        headingBlock_ = HeadingBlock(BorrowingResult(borrowingScore_));
    if (!row_)
        return;
    const bool ownModule = row_->module == App().Flags().currentModule;
    if (ownModule) {
        choiceCount_ = row_->choiceCount;
        for (int k = 0; k < choiceCount_; ++k) {
            const std::string name = row_->prefix + std::to_string(k + 1);
            ImageButton& b = choices_[static_cast<size_t>(k)];
            b.LoadStates(name + "OVR", name + "SEL", name + "OFF");
            b.SetPosition(row_->choices[k].x, row_->choices[k].y);
        }
        if (row_->still)
            App().Art().LoadBitmapByName(still_, row_->still);
    }
    if (row_->panel && App().Windows().topTen)
        App().Windows().topTen->SetList(row_->panel);
}

void ChooserPage::OnPaint(Dc& dc)
{
    NavBar& nav = App().Nav();
    EnableNav(key_ == kBorrowingKey, resultsMode_, false, resultsMode_);
    App().Art().DrawModuleBackground(dc);
    nav.DrawNavBar(dc);
    for (int k = 0; k < choiceCount_; ++k)
        choices_[static_cast<size_t>(k)].Draw(dc, 0);
    if (resultsMode_ && !headingBlock_.empty())
        DrawTextBlock(dc, headingBlock_, static_cast<int>(headingBlock_.size()), true);
    if (StillBelongsHere())
        App().Art().DrawBitmap(dc, still_, row_->stillX, row_->stillY);
    App().Windows().video->SetMedia("");
    dc.SelectFont(kPromptFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kPromptColour);
    dc.TextOut(20, PromptY(), key_ == "MAN2" ? kNetWorthPrompt : kPrompt);
    if (resultsMode_)
        DrawBorrowingResult(dc);
    if (row_)
        DrawHeading(dc, row_->title);
}

void ChooserPage::DrawBorrowingResult(Dc& dc)
{
    const SurveyResult& result = BorrowingResult(borrowingScore_);
    dc.SelectFont(kQuotationFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(kQuotationAt.x, kQuotationAt.y, result.quotation);
    DrawResultLines(dc, result.details, kBorrowingLines, bullet_);
    App().Windows().video->SetMedia(result.video);
}

void ChooserPage::OnMouseMove(UINT flags, Point point)
{
    bool hand = SharedMouseMove(point);
    for (int k = 0; k < choiceCount_; ++k) {
        ImageButton& b = choices_[static_cast<size_t>(k)];
        const bool hit = b.HitTest(point.x, point.y);
        int state = b.GetState();
        if (hit && state == ImageButton::Normal) {
            if ((flags & MK_LBUTTON) && b.IsPressed())
                state = ImageButton::Pressed;
            else if (!(flags & MK_LBUTTON) && !b.IsPressed())
                state = ImageButton::Over;
        } else if (!hit && state != ImageButton::Normal) {
            state = ImageButton::Normal;
        }
        if (state != b.GetState()) {
            b.SetState(state);
            ClientDc dc(this);
            b.Draw(dc, 0);
        }
        hand = hand || hit;
    }
    SetCursor(hand ? Cursor::Hand : Cursor::Arrow);
}

void ChooserPage::OnLButtonDown(UINT flags, Point point)
{
    PageWindow::OnLButtonDown(flags, point);
    for (int k = 0; k < choiceCount_; ++k) {
        ImageButton& b = choices_[static_cast<size_t>(k)];
        if (b.HitTest(point.x, point.y)) {
            b.SetState(ImageButton::Pressed);
            b.SetPressed(true);
            ClientDc dc(this);
            b.Draw(dc, 0);
        }
    }
}

void ChooserPage::OnLButtonUp(UINT, Point point)
{
    const int nav = App().Nav().NavClick(point.x, point.y);
    if (nav == 0) {
        SendToView(VM_PRINT_BORROWING);
    } else if (nav == 1) {
        PostToView(VM_SURVEY_HABITS_LAST);
        ShowWindow(SW_HIDE);
    } else if (nav == 3 && (key_ == kBorrowingKey || key_ == kBorrowingReturnKey)) {
        setKey(kBorrowingSection);
        Invalidate();
    } else if (nav == 2 || nav == 3) {
        // Results have no next page of their own; their return leads on.
        SendToView(VM_BORROWING_BACK);
        ShowWindow(SW_HIDE);
    } else {
        for (int k = 0; k < choiceCount_; ++k) {
            ImageButton& b = choices_[static_cast<size_t>(k)];
            if (b.HitTest(point.x, point.y) && b.IsPressed()) {
                b.SetState(ImageButton::Normal);
                {
                    ClientDc dc(this);
                    b.Draw(dc, 0);
                }
                SendToView(row_->choices[k].command);
                ShowWindow(SW_HIDE);
                break;
            }
        }
    }
    for (ImageButton& b : choices_)
        b.SetPressed(false);
}
