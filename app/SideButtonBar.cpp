#include "app/SideButtonBar.h"

#include "app/WebPage.h"

#include "kit/AppServices.h"
#include "kit/Calculator.h"
#include "kit/DetailPanel.h"
#include "kit/ProgramSounds.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Timing.h"
#include "platform/Window.h"

#include <utility>

using namespace platform;

namespace {

constexpr unsigned kHeldButtonMs = 250;

// What the section buttons (0 to 3) of each learning module open.
struct SectionButton {
    const char* panel; // null: the top-ten list stays as it is
    UINT message;
};

constexpr SectionButton kSectionButtons[4][4] = {
    {{"fin1", VM_INTRO}, {"fin2", VM_CHOOSER_FIN2}, {"fin3", VM_CHOOSER_FIN3}, {nullptr, 0}},
    {{"man1", VM_INTRO}, {"man2", VM_SECTION_MAN2}, {"man3", VM_SECTION_MAN3}, {"man4", VM_SECTION_MAN4}},
    {{"cred1", VM_INTRO},
     {"cred2", VM_CHOOSER_CRED2},
     {"cred3", VM_CHOOSER_CRED3},
     {"cred4", VM_CHOOSER_CRED4}},
    {{nullptr, VM_INTRO},
     {nullptr, VM_CHOOSER_PLAN2},
     {nullptr, VM_CHOOSER_PLAN3},
     {nullptr, VM_CHOOSER_PLAN4}},
};

constexpr int kMainMenuButton = 4;
constexpr int kExitButton = 5;
constexpr int kWebButton = 6;

} // namespace

SideButtonBar::SideButtonBar(Window& view, std::function<void()> showMainMenu)
    : view_(view), showMainMenu_(std::move(showMainMenu))
{
}

bool SideButtonBar::VideoSet() const
{
    return !CurrentMediaName().empty();
}

void SideButtonBar::Redraw(int index)
{
    if (!buttons_.IsDrawn(index) || App().Flags().currentModule >= ModuleMainMenu)
        return;
    ClientDc dc(&view_);
    buttons_[index].Draw(dc, 0);
}

void SideButtonBar::SetState(int index, int state)
{
    buttons_[index].SetState(state);
    Redraw(index);
}

void SideButtonBar::OnMouseMove(Point point)
{
    const VideoWindow* video = App().Windows().video;
    const bool videoPlays = video && video->IsWindowVisible();
    if (InPageArea(point) || App().Flags().currentModule == ModuleExit || videoPlays)
        return;
    bool overButton = false;
    for (int i = 0; i < SideButtons::kCount; ++i) {
        if (!buttons_.IsActive(i, VideoSet()))
            continue;
        ImageButton& b = buttons_[i];
        const bool hit = b.HitTest(point.x, point.y);
        overButton = overButton || hit;
        if (hit && b.GetState() == ImageButton::Normal)
            SetState(i, ImageButton::Over);
        else if (hit && b.GetState() == ImageButton::New)
            SetState(i, ImageButton::NewOver);
        else if (!hit && b.GetState() == ImageButton::Over)
            SetState(i, ImageButton::Normal);
        else if (!hit && b.GetState() == ImageButton::NewOver)
            SetState(i, ImageButton::New);
    }
    view_.SetCursor(overButton ? Cursor::Hand : Cursor::Arrow);
}

void SideButtonBar::OnButtonDown(Point point)
{
    DismissVideo();
    DismissCalculator();
    if (InPageArea(point) || App().Flags().currentModule == ModuleExit)
        return;
    if (DetailPanel* detail = App().Windows().detailPanel; detail && detail->IsShowing())
        detail->StoreEntries();
    if (TopTenWindow* topTen = App().Windows().topTen; topTen && topTen->IsWindowVisible()) {
        topTen->ShowWindow(SW_HIDE);
        SetState(SideButtons::kTopTen, ImageButton::Normal);
        return;
    }
    const int index = buttons_.HitTest(point.x, point.y, VideoSet());
    if (index >= 0)
        Activate(index);
}

void SideButtonBar::Activate(int index)
{
    PlayProgramSound("click5", SND_NOWAIT);
    if (index <= kMainMenuButton) {
        for (int i = 0; i < SideButtons::kTopTen; ++i) {
            if (i != index && buttons_[i].GetState() == ImageButton::Pressed)
                SetState(i, ImageButton::Normal);
        }
    }
    if (index < SideButtons::kTopTen)
        SetState(index, ImageButton::Pressed);
    if (index >= kMainMenuButton && index <= kWebButton) {
        BusyWait(kHeldButtonMs);
        ImageButton& held = buttons_[index];
        held.SetState(ImageButton::Normal);
        view_.InvalidateRect({held.X(), held.Y(), held.X() + held.Width(), held.Y() + held.Height()}, false);
    }

    const int module = App().Flags().currentModule;
    TopTenWindow* topTen = App().Windows().topTen;
    VideoWindow* video = App().Windows().video;
    if (index < kMainMenuButton) {
        const SectionButton& section = kSectionButtons[module][index];
        if (section.panel && topTen)
            topTen->SetList(section.panel);
        view_.PostMessage(section.message);
    } else if (index == kMainMenuButton) {
        showMainMenu_();
    } else if (index == kExitButton) {
        view_.PostMessage(VM_EXIT_SCREEN);
    } else if (index == kWebButton) {
        // Money management's button plays the sample video of the disc.
        OpenWebPage(module == ModuleMoney ? App().ContentPath() + "video\\test.avi"
                                          : App().DataPath("\\launchzem.htm"));
    } else if (index == SideButtons::kTopTen) {
        if (topTen->IsWindowVisible()) {
            topTen->ShowWindow(SW_HIDE);
            SetState(index, ImageButton::Normal);
        } else {
            view_.PostMessage(VM_TOPTEN);
        }
    } else if (index == SideButtons::kVideo) {
        if (video->IsWindowVisible()) {
            video->ShowWindow(SW_HIDE);
            SetState(index, ImageButton::Normal);
        } else {
            view_.PostMessage(VM_PLAY_VIDEO);
        }
    }
}

void SideButtonBar::ResetHovered()
{
    for (int i = 0; i < SideButtons::kCount; ++i) {
        const int state = buttons_[i].GetState();
        if (state == ImageButton::Over)
            SetState(i, ImageButton::Normal);
        else if (state == ImageButton::NewOver)
            SetState(i, ImageButton::New);
    }
}
