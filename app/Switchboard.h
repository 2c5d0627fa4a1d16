// The view's switchboard: one row per message that pages, buttons, the main
// menu and the frame send the view, saying whether the pages are hidden
// first, which page is shown with which key, which top-ten list is named,
// or what else is done.
#pragma once

#include "app/PageSets.h"
#include "app/ReportRequests.h"
#include "platform/Types.h"

class ModuleNavigation;
class SideButtonBar;

namespace platform {
class Window;
}

class Switchboard {
public:
    Switchboard(platform::Window& view, PageSets& pages, SideButtonBar& sideBar,
                ModuleNavigation& navigation);

    // Follows the row of `message`; false when the switchboard has none.
    bool Route(platform::UINT message);
    // Where print requests go.
    ReportRequests& Reports() { return reports_; }

    struct Row {
        platform::UINT message;
        bool hidePages;
        PageId opens;      // the page given `key` and shown
        const char* key;   // handed to the page before it shows
        const char* panel; // the top-ten list named afterwards
        void (Switchboard::*action)(platform::UINT message);
    };

private:
    static const Row kRows[];
    void Follow(const Row& row, platform::UINT message);
    void Show(PageId id, const char* key);

    void Print(platform::UINT message);
    void CopyBudgetTotals(platform::UINT);
    void HandDebtToResult(platform::UINT);
    void StartDetailedAnalysis(platform::UINT);
    void StartQuickAnalysis(platform::UINT);
    void BackFromAssets(platform::UINT);
    void HandPlanToLesson(platform::UINT);
    void ShowMainMenu(platform::UINT);
    void ShowTopTen(platform::UINT);
    void TopTenNext(platform::UINT);
    void PlayVideo(platform::UINT);
    void CloseVideo(platform::UINT);
    void PostAppExit(platform::UINT);
    void OpenPublisherPage(platform::UINT);
    void HidePagesOnce(platform::UINT);
    void OnActivate(platform::UINT);
    void OnDeactivate(platform::UINT);
    void OnPaletteChanged(platform::UINT);
    void OnMoved(platform::UINT);
    void EnterModule(platform::UINT);
    void ShowExitScreen(platform::UINT);
    void ReturnFromExit(platform::UINT);
    void ResetHoveredButtons(platform::UINT);
    void SideButtonToNormal(platform::UINT message);
    void SideButtonToNew(platform::UINT message);
    void ReopenSurvey(platform::UINT message);
    void ScoreReality(platform::UINT);
    void ScoreBorrowing(platform::UINT);
    void CountSpendingTypes(platform::UINT);
    void ScoreRisk(platform::UINT);

    platform::Window& view_;
    PageSets& pages_;
    SideButtonBar& sideBar_;
    ModuleNavigation& navigation_;
    ReportRequests reports_;
};
