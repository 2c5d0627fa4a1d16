#include "app/PageSets.h"

#include "app/ChooserPage.h"
#include "app/LessonPage.h"
#include "app/ModuleIntro.h"
#include "app/TextPage.h"
#include "kit/AppServices.h"
#include "kit/Modules.h"
#include "pages/credit/CostOfCreditPage.h"
#include "pages/credit/DebtLoadPage.h"
#include "pages/credit/DebtLoadResultPage.h"
#include "pages/money/AssetsPage.h"
#include "pages/money/AverageBudgetPage.h"
#include "pages/money/BudgetPage.h"
#include "pages/money/BudgetResultsPage.h"
#include "pages/money/ChecklistPage.h"
#include "pages/money/EmergenciesPage.h"
#include "pages/money/LiabilitiesPage.h"
#include "pages/money/NetWorthPage.h"
#include "pages/money/SaveMorePage.h"
#include "pages/planning/ChartPage.h"
#include "pages/planning/GoalsPage.h"
#include "pages/planning/RiskInputPage.h"
#include "pages/planning/RiskResultsPage.h"
#include "pages/surveys/SpendingResultsPage.h"
#include "pages/surveys/SurveyPage.h"

#include <algorithm>

using namespace platform;

namespace {

template <class Page> std::unique_ptr<PageWindow> Make(Window* view)
{
    return std::make_unique<Page>(view);
}

struct PageRow {
    PageId id;
    PageSet set;
    std::unique_ptr<PageWindow> (*make)(Window* view);
};

// In the order each set creates its pages.
constexpr PageRow kPages[] = {
    {PageId::Intro, PageSet::AnyModule, &Make<ModuleIntro>},
    {PageId::Chooser, PageSet::AnyModule, &Make<ChooserPage>},
    {PageId::Lesson, PageSet::AnyModule, &Make<LessonPage>},
    {PageId::Survey, PageSet::AnyModule, &Make<SurveyPage>},
    {PageId::Text, PageSet::AnyModule, &Make<TextPage>},
    {PageId::SpendingResults, PageSet::Attitudes, &Make<SpendingResultsPage>},
    {PageId::Checklist, PageSet::Money, &Make<ChecklistPage>},
    {PageId::Assets, PageSet::Money, &Make<AssetsPage>},
    {PageId::Emergencies, PageSet::Money, &Make<EmergenciesPage>},
    {PageId::Liabilities, PageSet::Money, &Make<LiabilitiesPage>},
    {PageId::NetWorth, PageSet::Money, &Make<NetWorthPage>},
    {PageId::Budget, PageSet::Money, &Make<BudgetPage>},
    {PageId::AverageBudget, PageSet::Money, &Make<AverageBudgetPage>},
    {PageId::BudgetResults, PageSet::Money, &Make<BudgetResultsPage>},
    {PageId::SaveMore, PageSet::Money, &Make<SaveMorePage>},
    {PageId::CostOfCredit, PageSet::Credit, &Make<CostOfCreditPage>},
    {PageId::DebtLoad, PageSet::Credit, &Make<DebtLoadPage>},
    {PageId::DebtLoadResult, PageSet::Credit, &Make<DebtLoadResultPage>},
    {PageId::RiskInput, PageSet::Planning, &Make<RiskInputPage>},
    {PageId::RiskResults, PageSet::Planning, &Make<RiskResultsPage>},
    {PageId::Chart, PageSet::Planning, &Make<ChartPage>},
    {PageId::Goals, PageSet::Planning, &Make<GoalsPage>},
};

// The own set of each module; contact and help has none.
struct ModuleSet {
    int module;
    PageSet set;
};

constexpr ModuleSet kModuleSets[] = {
    {ModuleAttitudes, PageSet::Attitudes},
    {ModuleMoney, PageSet::Money},
    {ModuleCredit, PageSet::Credit},
    {ModulePlanning, PageSet::Planning},
};

// A page draws its art from the section pack of the module that is current
// when it is made: a module's own page is made only while that module is
// current, a shared one while any module is.
bool MayMakeNow(PageSet set)
{
    const int current = App().Flags().currentModule;
    if (set == PageSet::AnyModule)
        return current >= ModuleAttitudes && current <= ModuleHelp;
    return std::any_of(std::begin(kModuleSets), std::end(kModuleSets),
                       [&](const ModuleSet& row) { return row.set == set && row.module == current; });
}

} // namespace

PageSets::PageSets(Window* view) : view_(view) {}

PageSets::~PageSets()
{
    // Later pages may refer to earlier ones: destroy in reverse order.
    for (auto it = std::rbegin(kPages); it != std::rend(kPages); ++it)
        pages_.erase(it->id);
}

void PageSets::CreateForModule(int module)
{
    for (const ModuleSet& row : kModuleSets) {
        if (row.module == module)
            created_.insert(row.set);
    }
    created_.insert(PageSet::AnyModule);
}

PageWindow* PageSets::Find(PageId id) const
{
    if (const auto it = pages_.find(id); it != pages_.end())
        return it->second.get();
    const auto row =
        std::find_if(std::begin(kPages), std::end(kPages), [id](const PageRow& r) { return r.id == id; });
    if (row == std::end(kPages) || !IsCreated(row->set) || !MayMakeNow(row->set))
        return nullptr;
    std::unique_ptr<PageWindow> page = row->make(view_);
    PageWindow* made = page.get();
    pages_[id] = std::move(page);
    return made;
}

std::vector<std::pair<PageId, PageWindow*>> PageSets::Existing() const
{
    std::vector<std::pair<PageId, PageWindow*>> existing;
    for (const PageRow& row : kPages) {
        if (PageWindow* page = Find(row.id))
            existing.emplace_back(row.id, page);
    }
    return existing;
}

void PageSets::HideAll()
{
    for (const auto& [id, page] : pages_)
        page->ShowWindow(SW_HIDE);
}

PageWindow* PageSets::Shown() const
{
    for (const auto& [id, page] : pages_) {
        if (page->IsWindowVisible())
            return page.get();
    }
    return nullptr;
}
