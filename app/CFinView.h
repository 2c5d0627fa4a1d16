// The form view that fills the frame's client area: it paints the module's
// frame artwork (top band and left column) with the side buttons, owns the
// page windows, and its window procedure is the switchboard through which
// every page change, print request and system event passes.
#pragma once

#include "app/SideButtons.h"
#include "data/CFinData.h"
#include "platform/Bitmap.h"
#include "platform/Framework.h"

#include <memory>
#include <string>
#include <vector>

class ChooserPage;
class ExitScreen;
class LessonPage;
class MainMenu;
class ModuleIntro;
class TextPage;

class CFinView : public platform::CView {
public:
    explicit CFinView(platform::Window* frame);
    ~CFinView() override;

    void OnInitialUpdate() override;
    void OnDraw(platform::Dc& dc) override;

    SideButtons& Buttons() { return sideButtons_; }
    // Loads the current module's frame artwork from its section module.
    void LoadFrameArtwork();
    // A page may hide the frame artwork while it shows.
    void SetHideFrameArtwork(bool hide) { hideFrameArtwork_ = hide; }

    // The view's windows (null until they are created).
    MainMenu* Menu() const { return mainMenu_.get(); }
    ExitScreen* Exit() const { return exitScreen_.get(); }
    ModuleIntro* Intro() const { return intro_.get(); }
    ChooserPage* Chooser() const { return chooser_.get(); }
    LessonPage* Lesson() const { return lesson_.get(); }
    TextPage* Text() const { return text_.get(); }

    // True for points in the page area (right of the left column and below
    // the top band), where the side buttons never react.
    static bool InPageArea(platform::Point p) { return p.y > 46 && p.x > 128; }

protected:
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;
    bool OnEraseBackground(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;

private:
    // --- The switchboard (ViewSwitchboard.cpp) -----------------------------
    enum class Opens { Nothing, Chooser, Lesson, Text };
    struct Route {
        platform::UINT message;
        bool hidePages;
        Opens opens; // the page given `key` and shown
        const char* key;
        const char* panel; // the top-ten list named afterwards
        void (CFinView::*action)(platform::UINT message);
    };
    static const Route kRoutes[];
    void FollowRoute(const Route& route, platform::UINT message);
    void ShowPage(platform::Window& page);

    void ShowIntro(platform::UINT);
    void ShowMainMenu(platform::UINT);
    void ShowTopTen(platform::UINT);
    void TopTenNext(platform::UINT);
    void PlayVideo(platform::UINT);
    void CloseVideo(platform::UINT);
    void PostAppExit(platform::UINT);
    void OpenPublisherPage(platform::UINT);
    void HidePagesOnce(platform::UINT);
    void OnActivateMessage(platform::UINT);
    void OnDeactivateMessage(platform::UINT);
    void OnPaletteMessage(platform::UINT);
    void OnMovedMessage(platform::UINT);

    // --- Side buttons (CFinView.cpp) ----------------------------------------
    bool VideoSet() const;
    void RedrawSideButton(int index);
    void SetSideButtonState(int index, int state);
    void ResetHoveredButtons(platform::UINT);
    void SideButtonToNormal(platform::UINT message);
    void SideButtonToNew(platform::UINT message);
    void ActivateSideButton(int index);
    void OpenWebPage(const std::string& path);

    // --- Modules (ModuleNavigation.cpp) -------------------------------------
    void EnterModule(platform::UINT);
    void ShowExitScreen(platform::UINT);
    void ReturnFromExit(platform::UINT);
    void CreateSharedPages();
    void HidePages();
    void CloseIntro();
    void ClearToWhite();

    std::string fontPath_;
    platform::Bitmap frameArt_;
    SideButtons sideButtons_;
    CFinData record_; // the view's own copy, for navigation and reports
    bool hideFrameArtwork_ = false;

    std::unique_ptr<MainMenu> mainMenu_;
    std::unique_ptr<ExitScreen> exitScreen_;
    std::unique_ptr<ModuleIntro> intro_;
    std::unique_ptr<ChooserPage> chooser_;
    std::unique_ptr<LessonPage> lesson_;
    std::unique_ptr<TextPage> text_;
    // The pages of the modules' own sets, once created.
    std::vector<platform::Window*> setPages_;
    bool moneyPagesCreated_ = false;
    bool creditPagesCreated_ = false;
    bool attitudesPagesCreated_ = false;
    bool planningPagesCreated_ = false;
};
