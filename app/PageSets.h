// The page windows of the modules and who owns them. Each page belongs to a
// set: the pages every module shares, created on the first entry into any
// module, and each learning module's own pages, created on the first entry
// into that module. A page of a created set is made when first asked for, so
// that entering a module does not wait for pages the user may never open.
// Pages live until the program ends and are afterwards only shown and hidden.
#pragma once

#include "kit/PageWindow.h"

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

// Every page the sets hold. None stands for "no page" in the tables that
// name pages.
enum class PageId {
    None,
    Intro,   // "IDD_ManIntro", the module introduction
    Chooser, // "IDD_Choose", the chooser of a section
    Lesson,  // "IDD_Help", the lesson page
    Survey,  // "IDD_Gauge", the survey page
    Text,    // "IDD_CrWrks", the text page
    // Financial attitudes.
    SpendingResults, // "IDD_Tabs", the spending types
    // Money management.
    Checklist,     // "IDD_Gather", the records to gather for the detailed net worth
    Assets,        // "IDD_Assets"
    Liabilities,   // "IDD_Liabilities"
    NetWorth,      // "IDD_Networth"
    Budget,        // "IDD_Budget", the monthly budget
    AverageBudget, // "IDD_Typ"
    BudgetResults, // "IDD_Comp"
    Emergencies,   // "IDD_EmList", the emergencies list
    SaveMore,      // "IDD_Fix", how to save more
    // Credit.
    CostOfCredit,   // "IDD_Cost"
    DebtLoad,       // "IDD_Debt", the debt load's input page
    DebtLoadResult, // "IDD_Therm"
    // Planning.
    RiskInput,   // the first "IDD_Saver", the risk tolerance survey's first page
    RiskResults, // the second "IDD_Saver", its result
    Chart,       // "IDD_Growth", the growth, dwindle and meet-goal charts
    Goals,       // "IDD_Define"
};

enum class PageSet {
    AnyModule, // created on the first entry into any module
    Attitudes,
    Money,
    Credit,
    Planning,
};

class PageSets {
public:
    explicit PageSets(platform::Window* view);
    ~PageSets();
    PageSets(const PageSets&) = delete;
    PageSets& operator=(const PageSets&) = delete;

    // Creates the sets that entering `module` needs and that do not exist
    // yet: the shared one, and the module's own.
    void CreateForModule(int module);
    bool IsCreated(PageSet set) const { return created_.count(set) != 0; }

    // The page, made now if need be, or null while its set has not been
    // created or it has not been made and its module is not the current one.
    PageWindow* Find(PageId id) const;
    template <class Page> Page* Get(PageId id) const { return static_cast<Page*>(Find(id)); }

    // Every page of the created sets that is made or can be made now, in the
    // order of the table, with its id.
    std::vector<std::pair<PageId, PageWindow*>> Existing() const;

    // Hides every page made so far (the others were never shown).
    void HideAll();
    // The page on screen, or null.
    PageWindow* Shown() const;

private:
    platform::Window* view_;
    // Pages made so far; a const lookup may make one.
    mutable std::map<PageId, std::unique_ptr<PageWindow>> pages_;
    std::set<PageSet> created_;
};
