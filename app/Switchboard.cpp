#include "app/Switchboard.h"

#include "app/ChooserPage.h"
#include "app/LessonPage.h"
#include "app/ModuleNavigation.h"
#include "app/SideButtonBar.h"
#include "app/TextPage.h"
#include "app/WebPage.h"
#include "data/CFinData.h"
#include "kit/AppServices.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/credit/DebtGauge.h"
#include "pages/credit/DebtLoadPage.h"
#include "pages/credit/DebtLoadResultPage.h"
#include "pages/money/BudgetPage.h"
#include "pages/money/BudgetResultsPage.h"
#include "pages/money/EmergenciesPage.h"
#include "pages/planning/RiskResultsPage.h"
#include "pages/planning/RiskScore.h"
#include "pages/surveys/SpendingResultsPage.h"
#include "pages/surveys/SurveyPage.h"
#include "pages/surveys/SurveyScores.h"
#include "platform/Framework.h"
#include "platform/Sound.h"

using namespace platform;

namespace {

constexpr char kPublisherPage[] = "\\launchqor.htm";

// The commands that take the user back from a survey's result (or help) to
// the survey's last page.
struct SurveyReopening {
    UINT message;
    const char* file;
};
constexpr SurveyReopening kReopenings[] = {
    {VM_SURVEY_VALUES_LAST, "pvals.txt"},    {VM_SURVEY_SAVER_LAST, "saver.txt"},
    {VM_SURVEY_HABITS_LAST, "habitsur.txt"}, {VM_SURVEY_SPENDING_LAST, "spending.txt"},
    {VM_SURVEY_SAVER_AGAIN, "saver.txt"},
};

// The record as the pages last saved it.
CFinData SavedRecord()
{
    CFinData record;
    record.Reset();
    record.Load();
    return record;
}

} // namespace

// clang-format off
using S = Switchboard;
const Switchboard::Row Switchboard::kRows[] = {
    // message                  hide   opens            key            panel    action
    {VM_CHOOSER_MAN2,           false, PageId::Chooser, "MAN2",        "man2",  nullptr},
    {VM_CHECKLIST_BACK,         false, PageId::Chooser, "MAN2",        "man2",  nullptr},
    {VM_DETAILED_START,         false, PageId::Checklist, nullptr,     nullptr, &S::StartDetailedAnalysis},
    {VM_QUICK_START,            false, PageId::Assets,  nullptr,       "man2a", &S::StartQuickAnalysis},
    {VM_DETAILED_ASSETS,        false, PageId::Assets,  nullptr,       "man2b", nullptr},
    {VM_NET_WORTH_BACK,         false, PageId::None,    nullptr,       "man2",  &S::BackFromAssets},
    {VM_SHOW_ASSETS,            false, PageId::Assets,  nullptr,       nullptr, nullptr},
    {VM_SHOW_LIABILITIES,       false, PageId::Liabilities, nullptr,   nullptr, nullptr},
    {VM_BACK_TO_LIABILITIES,    false, PageId::Liabilities, nullptr,   nullptr, nullptr},
    {VM_SHOW_NET_WORTH,         false, PageId::NetWorth, nullptr,      "man2",  nullptr},
    {VM_PRINT_NET_WORTH,        false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_PRINT_CHECKLIST,        false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_PRINT_LESSON,           false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_PRINT_SAVE_MORE,        false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_CHOOSER_MAN3,           false, PageId::Chooser, "MAN3",        nullptr, nullptr},
    {VM_BUDGET_DETAILED,        false, PageId::Budget,  BudgetPage::kFirstScreen, nullptr, nullptr},
    {VM_BUDGET_QUICK,           false, PageId::Budget,  BudgetPage::kSecondScreen, nullptr, nullptr},
    {VM_BUDGET_RESULTS,         false, PageId::BudgetResults, nullptr, nullptr, &S::CopyBudgetTotals},
    {VM_SHOW_AVERAGE_BUDGET,    false, PageId::AverageBudget, nullptr, nullptr, nullptr},
    {VM_PRINT_AVERAGE_BUDGET,   false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_PRINT_BUDGET_RESULTS,   false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_AVERAGE_BUDGET_DONE,    false, PageId::Chooser, "MAN3",        nullptr, nullptr},
    {VM_BUDGET_RESULTS_DONE,    false, PageId::Chooser, "MAN3",        nullptr, nullptr},
    {1040,                      false, PageId::Chooser, "MAN3",        nullptr, nullptr},
    {1092,                      false, PageId::Chooser, "MAN3",        nullptr, nullptr},
    {VM_APP_EXIT,               false, PageId::None, nullptr,       nullptr, &S::PostAppExit},
    {VM_TOPTEN_CLOSED,          false, PageId::None, nullptr,       nullptr, &S::SideButtonToNormal},
    {VM_RESET_HOVER,            false, PageId::None, nullptr,       nullptr, &S::ResetHoveredButtons},
    {VM_SHOW_SAVE_MORE,         false, PageId::SaveMore, nullptr,      nullptr, nullptr},
    {VM_LESSON_EMER,            false, PageId::Lesson,  "emer",        "man4a", nullptr},
    {VM_SHOW_EMERGENCIES,       false, PageId::Emergencies, nullptr,   "man4b", nullptr},
    {VM_LESSON_PLAN,            false, PageId::Lesson,  "plan",        nullptr, &S::HandPlanToLesson},
    {VM_CHOOSER_MAN4,           true,  PageId::Chooser, "MAN4",        "man4",  nullptr},
    {VM_SECTION_MAN4,           true,  PageId::Chooser, "MAN4",        "man4",  nullptr},
    {VM_LESSON_PCONS,           false, PageId::Lesson,  "pcons",       "cred2a", nullptr},
    {VM_SHOW_COST,              false, PageId::CostOfCredit, nullptr,  nullptr, nullptr},
    {VM_SHOW_DEBT,              false, PageId::DebtLoad, nullptr,      "cred3a", nullptr},
    {VM_PRINT_COST,             false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_PRINT_DEBT,             false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_TEXT_RATINGS,           false, PageId::Text,    "ratings.txt", nullptr, nullptr},
    {VM_LESSON_AVOID,           false, PageId::Lesson,  "avoid",       nullptr, nullptr},
    {VM_TEXT_OBTAIN,            false, PageId::Text,    "obtain.txt",  nullptr, nullptr},
    {VM_CHOOSER_CRED2,          true,  PageId::Chooser, "CRED2",       "cred2", nullptr},
    {VM_CHOOSER_CRED3,          true,  PageId::Chooser, "CRED3",       nullptr, nullptr},
    {VM_BORROWING_BACK,         true,  PageId::Chooser, "CRED3",       nullptr, nullptr},
    {VM_CHOOSER_CRED4,          true,  PageId::Chooser, "CRED4",       nullptr, nullptr},
    {VM_SECTION_MAN2,           true,  PageId::Chooser, "MAN2",        nullptr, nullptr},
    {VM_SECTION_MAN3,           true,  PageId::Chooser, "MAN3",        nullptr, nullptr},
    {VM_INTRO,                  true,  PageId::Intro,   nullptr,       nullptr, nullptr},
    {VM_INTRO_AGAIN,            true,  PageId::Intro,   nullptr,       nullptr, nullptr},
    {VM_LESSON_HABITS,          false, PageId::Lesson,  "habits",      nullptr, nullptr},
    {VM_TEXT_HOWZEM1,           false, PageId::Text,    "howzem1.txt", nullptr, nullptr},
    {VM_CHOOSER_FIN2,           true,  PageId::Chooser, "FIN2",        "fin2",  nullptr},
    {VM_CHOOSER_FIN3,           true,  PageId::Chooser, "FIN3",        "fin3",  nullptr},
    {VM_LESSON_AGENCY,          false, PageId::Lesson,  "agency",      nullptr, nullptr},
    {VM_DEBT_RESULTS,           false, PageId::DebtLoadResult, nullptr, nullptr, &S::HandDebtToResult},
    {VM_LESSON_REDUCING,        false, PageId::Lesson,  "reducing",    nullptr, nullptr},
    {VM_TOPTEN,                 false, PageId::None, nullptr,       nullptr, &S::ShowTopTen},
    {VM_LESSON_GOAL,            false, PageId::Lesson,  "goal",        nullptr, nullptr},
    {VM_LESSON_INVEST,          false, PageId::Lesson,  "invest",      nullptr, nullptr},
    {VM_CHART_GROWTH,           false, PageId::Chart,   "growth",      nullptr, nullptr},
    {VM_SHOW_GOALS,             false, PageId::Goals,   nullptr,       nullptr, nullptr},
    {VM_CHART_DWINDLE,          false, PageId::Chart,   "dwindle",     nullptr, nullptr},
    {VM_CHART_MEET,             false, PageId::Chart,   "meet",        nullptr, nullptr},
    {VM_PRINT_GROWTH,           false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_PRINT_GOALS,            false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_CHOOSER_PLAN2,          true,  PageId::Chooser, "PLAN2",       nullptr, nullptr},
    {VM_CHOOSER_PLAN3,          true,  PageId::Chooser, "PLAN3",       nullptr, nullptr},
    {VM_CHOOSER_PLAN4,          true,  PageId::Chooser, "PLAN4",       nullptr, nullptr},
    {VM_ENTER_MODULE,           false, PageId::None, nullptr,       nullptr, &S::EnterModule},
    {VM_MOVED,                  false, PageId::None, nullptr,       nullptr, &S::OnMoved},
    {VM_PLAY_VIDEO,             false, PageId::None, nullptr,       nullptr, &S::PlayVideo},
    {VM_TOPTEN_NEW,             false, PageId::None, nullptr,       nullptr, &S::SideButtonToNew},
    {VM_TOPTEN_SEEN,            false, PageId::None, nullptr,       nullptr, &S::SideButtonToNormal},
    {VM_TEXT_HOWZEM2,           false, PageId::Text,    "howzem2.txt", nullptr, nullptr},
    {VM_VIDEO_SEEN,             false, PageId::None, nullptr,       nullptr, &S::SideButtonToNormal},
    {VM_VIDEO_NEW,              false, PageId::None, nullptr,       nullptr, &S::SideButtonToNew},
    {VM_SHOW_MAIN_MENU,         false, PageId::None, nullptr,       nullptr, &S::ShowMainMenu},
    {VM_VIDEO_CLOSED,           false, PageId::None, nullptr,       nullptr, &S::CloseVideo},
    {VM_EXIT_SCREEN,            false, PageId::None, nullptr,       nullptr, &S::ShowExitScreen},
    {VM_RETURN,                 false, PageId::None, nullptr,       nullptr, &S::ReturnFromExit},
    {VM_OPEN_QOR_PAGE,          false, PageId::None, nullptr,       nullptr, &S::OpenPublisherPage},
    {VM_HIDE_PAGES,             false, PageId::None, nullptr,       nullptr, &S::HidePagesOnce},
    {VM_PALETTE,                false, PageId::None, nullptr,       nullptr, &S::OnPaletteChanged},
    {VM_ACTIVATE,               false, PageId::None, nullptr,       nullptr, &S::OnActivate},
    {VM_DEACTIVATE,             false, PageId::None, nullptr,       nullptr, &S::OnDeactivate},
    {VM_TOPTEN_NEXT,            false, PageId::None, nullptr,       nullptr, &S::TopTenNext},
    {VM_SURVEY_HABITS,          false, PageId::Survey,  "habitsur.txt", "cred3", nullptr},
    {VM_SURVEY_VALUES,          false, PageId::Survey,  "pvals.txt",   nullptr, nullptr},
    {VM_SURVEY_SPENDING,        false, PageId::Survey,  "spending.txt", nullptr, nullptr},
    {VM_SURVEY_SAVER,           false, PageId::Survey,  "saver.txt",   nullptr, nullptr},
    {VM_SURVEY_VALUES_LAST,     false, PageId::None,    nullptr,       nullptr, &S::ReopenSurvey},
    {VM_SURVEY_SAVER_LAST,      false, PageId::None,    nullptr,       nullptr, &S::ReopenSurvey},
    {VM_SURVEY_HABITS_LAST,     false, PageId::None,    nullptr,       nullptr, &S::ReopenSurvey},
    {VM_SURVEY_SPENDING_LAST,   false, PageId::None,    nullptr,       nullptr, &S::ReopenSurvey},
    {VM_SURVEY_SAVER_AGAIN,     false, PageId::None,    nullptr,       nullptr, &S::ReopenSurvey},
    {VM_REALITY_RESULTS,        false, PageId::Text,    "reality",     nullptr, &S::ScoreReality},
    {VM_BORROWING_RESULTS,      true,  PageId::Chooser, "habitsur",    nullptr, &S::ScoreBorrowing},
    {VM_SPENDING_RESULTS,       false, PageId::SpendingResults, nullptr, nullptr, &S::CountSpendingTypes},
    {VM_PRINT_REALITY,          false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_PRINT_BORROWING,        false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_PRINT_SPENDING,         false, PageId::None,    nullptr,       nullptr, &S::Print},
    {VM_SHOW_RISK_INPUT,        false, PageId::RiskInput, nullptr,     nullptr, nullptr},
    {VM_RISK_RESULTS,           false, PageId::RiskResults, nullptr,   nullptr, &S::ScoreRisk},
    {VM_PRINT_RISK,             false, PageId::None,    nullptr,       nullptr, &S::Print},
};
// clang-format on

Switchboard::Switchboard(Window& view, PageSets& pages, SideButtonBar& sideBar, ModuleNavigation& navigation)
    : view_(view), pages_(pages), sideBar_(sideBar), navigation_(navigation), reports_(view, pages)
{
}

bool Switchboard::Route(UINT message)
{
    for (const Row& row : kRows) {
        if (row.message == message) {
            Follow(row, message);
            return true;
        }
    }
    return false;
}

void Switchboard::Follow(const Row& row, UINT message)
{
    if (row.hidePages)
        navigation_.HidePages();
    if (row.action)
        (this->*row.action)(message);
    if (row.opens != PageId::None)
        Show(row.opens, row.key);
    if (row.panel && App().Windows().topTen)
        App().Windows().topTen->SetList(row.panel);
}

void Switchboard::Show(PageId id, const char* key)
{
    PageWindow* page = pages_.Find(id);
    if (!page)
        return;
    if (key)
        page->TakeKey(key);
    // A page that stays on screen with a new key paints itself again.
    if (page->IsWindowVisible())
        page->Invalidate();
    else
        page->ShowWindow(SW_SHOW);
}

void Switchboard::Print(UINT message)
{
    reports_.Print(static_cast<int>(message));
}

void Switchboard::CopyBudgetTotals(UINT)
{
    // The results set what the budget's boxes show beside the averages.
    const auto* budget = pages_.Get<BudgetPage>(PageId::Budget);
    auto* results = pages_.Get<BudgetResultsPage>(PageId::BudgetResults);
    if (budget && results)
        results->SetUserTotals(budget->ComparedTotals());
}

void Switchboard::HandDebtToResult(UINT)
{
    // The comfort level from the income and housing on the input page, and
    // the payments as its total shows them.
    auto* debt = pages_.Get<DebtLoadPage>(PageId::DebtLoad);
    auto* result = pages_.Get<DebtLoadResultPage>(PageId::DebtLoadResult);
    if (debt && result)
        result->SetFigures(ComfortDebtLoad(debt->Income().GetIntValue(), debt->Housing().GetIntValue()),
                           debt->Total().GetText());
}

void Switchboard::StartDetailedAnalysis(UINT)
{
    App().Flags().detailedAnalysis = true;
}

void Switchboard::StartQuickAnalysis(UINT)
{
    App().Flags().detailedAnalysis = false;
}

void Switchboard::BackFromAssets(UINT)
{
    // The detailed analysis began at the checklist, the quick one at the
    // section's chooser.
    Show(App().Flags().detailedAnalysis ? PageId::Checklist : PageId::Chooser, nullptr);
}

void Switchboard::HandPlanToLesson(UINT)
{
    const auto* emergencies = pages_.Get<EmergenciesPage>(PageId::Emergencies);
    auto* lesson = pages_.Get<LessonPage>(PageId::Lesson);
    if (!emergencies || !lesson)
        return;
    // A plan that did not reach its file is listed from the page itself.
    const EmergencyPlan& plan = emergencies->Plan();
    lesson->SetPlan(plan.Ranking(), emergencies->PlanSaved() ? std::string() : plan.Text());
}

void Switchboard::ShowMainMenu(UINT)
{
    navigation_.ShowMainMenu();
}

void Switchboard::ShowTopTen(UINT)
{
    view_.KillTimer(1);
    StopSound();
    navigation_.CloseIntro();
    DismissVideo();
    TopTenWindow* topTen = App().Windows().topTen;
    topTen->OpenList();
    topTen->ShowWindow(SW_SHOW);
    topTen->BringToTop();
}

void Switchboard::TopTenNext(UINT)
{
    if (App().Windows().topTen->IsWindowVisible())
        App().Windows().topTen->SelectNext(false);
}

void Switchboard::PlayVideo(UINT)
{
    if (CurrentMediaName().empty())
        return;
    if (!App().IsContentDiscPresent() && !App().AskForDisc())
        return;
    navigation_.CloseIntro();
    App().Windows().topTen->ShowWindow(SW_HIDE);
    App().Windows().video->ShowWindow(SW_SHOW);
    App().Windows().video->BringToTop();
}

void Switchboard::CloseVideo(UINT)
{
    App().Windows().video->ShowWindow(SW_HIDE);
    sideBar_.SetState(SideButtons::kVideo, ImageButton::Normal);
}

void Switchboard::PostAppExit(UINT)
{
    if (Window* main = App().Windows().mainWindow)
        main->PostMessage(WM_COMMAND, ID_APP_EXIT);
}

void Switchboard::OpenPublisherPage(UINT)
{
    OpenWebPage(App().DataPath(kPublisherPage));
}

void Switchboard::HidePagesOnce(UINT)
{
    if (pages_.Find(PageId::Intro))
        navigation_.HidePages();
}

void Switchboard::OnActivate(UINT)
{
    navigation_.OnActivate();
}

void Switchboard::OnDeactivate(UINT)
{
    StopSound();
    navigation_.CloseIntro();
    if (PageWindow* page = pages_.Shown())
        page->OnProgramBackground();
}

void Switchboard::OnPaletteChanged(UINT)
{
    navigation_.OnPaletteChanged();
}

void Switchboard::OnMoved(UINT)
{
    navigation_.OnMoved();
}

void Switchboard::EnterModule(UINT)
{
    navigation_.EnterModule();
}

void Switchboard::ShowExitScreen(UINT)
{
    navigation_.ShowExitScreen();
}

void Switchboard::ReturnFromExit(UINT)
{
    navigation_.ReturnFromExit();
}

void Switchboard::ResetHoveredButtons(UINT)
{
    sideBar_.ResetHovered();
}

void Switchboard::SideButtonToNormal(UINT message)
{
    sideBar_.SetState(message == VM_VIDEO_SEEN ? SideButtons::kVideo : SideButtons::kTopTen,
                      ImageButton::Normal);
}

void Switchboard::SideButtonToNew(UINT message)
{
    sideBar_.SetState(message == VM_VIDEO_NEW ? SideButtons::kVideo : SideButtons::kTopTen, ImageButton::New);
}

void Switchboard::ReopenSurvey(UINT message)
{
    auto* survey = pages_.Get<SurveyPage>(PageId::Survey);
    for (const SurveyReopening& row : kReopenings) {
        if (row.message != message || !survey)
            continue;
        survey->open(row.file);
        survey->ShowLastPage();
        Show(PageId::Survey, nullptr);
    }
}

void Switchboard::ScoreReality(UINT)
{
    if (auto* text = pages_.Get<TextPage>(PageId::Text))
        text->SetRealityScore(RealityScore(SavedRecord()));
}

void Switchboard::ScoreBorrowing(UINT)
{
    if (auto* chooser = pages_.Get<ChooserPage>(PageId::Chooser))
        chooser->SetBorrowingScore(BorrowingScore(SavedRecord()));
}

void Switchboard::CountSpendingTypes(UINT)
{
    auto* results = pages_.Get<SpendingResultsPage>(PageId::SpendingResults);
    if (!results)
        return;
    const auto counts = SpendingCounts(SavedRecord());
    for (int type = 0; type < kSpendingTypes; ++type)
        results->setTypeCount(type, counts[static_cast<size_t>(type)]);
}

void Switchboard::ScoreRisk(UINT)
{
    // The lesson on investment options highlights the tiers of the score
    // for the rest of the run.
    const int score = RiskScore(SavedRecord());
    if (auto* results = pages_.Get<RiskResultsPage>(PageId::RiskResults))
        results->SetRiskScore(score);
    if (auto* lesson = pages_.Get<LessonPage>(PageId::Lesson))
        lesson->SetRiskScore(score);
}
