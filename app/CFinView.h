// The form view that fills the frame's client area. It paints the module's
// frame artwork (top band and left column) with the side buttons and wires
// the parts that do the view's work: the side-button bar, the page sets,
// module navigation and the switchboard through which every page change
// and system event passes.
#pragma once

#include "app/ModuleNavigation.h"
#include "app/PageSets.h"
#include "app/SideButtonBar.h"
#include "app/Switchboard.h"
#include "platform/Framework.h"

#include <string>

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

    SideButtons& Buttons() { return sideBar_.Buttons(); }
    PageSets& Pages() { return pages_; }
    ReportRequests& Reports() { return switchboard_.Reports(); }
    // The view's windows (null until they are created).
    MainMenu* Menu() const { return navigation_.Menu(); }
    ExitScreen* Exit() const { return navigation_.Exit(); }
    ModuleIntro* Intro() const;
    ChooserPage* Chooser() const;
    LessonPage* Lesson() const;
    TextPage* Text() const;

protected:
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;
    bool OnEraseBackground(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;

private:
    std::string fontPath_;
    PageSets pages_{this};
    SideButtonBar sideBar_;
    ModuleNavigation navigation_{*this, pages_, sideBar_};
    Switchboard switchboard_{*this, pages_, sideBar_, navigation_};
};
