#include "app/ModuleNavigation.h"

#include "app/ExitScreen.h"
#include "app/MainMenu.h"
#include "app/PageSets.h"
#include "app/SideButtonBar.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/Calculator.h"
#include "kit/DetailPanel.h"
#include "kit/ModuleArt.h"
#include "kit/ModuleArtLoading.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Sound.h"

using namespace platform;

namespace {

constexpr Rect kClearArea{0, 0, 660, 520};
constexpr char kExitPalette[] = "IDB_ex_3ovr";

// The top-ten list each learning module names on entry. Planning has no
// list of its own for its introduction: it names the list of its first
// section rather than keep the last module's.
constexpr const char* kFirstPanels[] = {"fin1", "man1", "cred1", "plan2"};

} // namespace

ModuleNavigation::ModuleNavigation(Window& view, PageSets& pages, SideButtonBar& sideBar)
    : view_(view), pages_(pages), sideBar_(sideBar)
{
}

ModuleNavigation::~ModuleNavigation() = default;

void ModuleNavigation::CreateMainMenu()
{
    mainMenu_ = std::make_unique<MainMenu>(&view_);
}

void ModuleNavigation::LoadFrameArtwork()
{
    const char* name = ModuleArtOf(App().Flags().currentModule).frameArtwork;
    if (!name)
        return;
    frameArt_.Release();
    App().Art().LoadBitmapByName(frameArt_, name);
}

void ModuleNavigation::ShowMainMenu()
{
    mainMenu_->ShowWindow(SW_SHOW);
    mainMenu_->BringToTop();
}

void ModuleNavigation::HidePages()
{
    const SharedWindows& shared = App().Windows();
    if (shared.topTen)
        shared.topTen->ShowWindow(SW_HIDE);
    if (shared.video)
        shared.video->ShowWindow(SW_HIDE);
    if (shared.detailPanel)
        shared.detailPanel->HidePanel();
    if (shared.calculator)
        shared.calculator->ShowWindow(SW_HIDE);
    pages_.HideAll();
}

void ModuleNavigation::CloseIntro()
{
    if (PageWindow* intro = pages_.Find(PageId::Intro); intro && intro->IsWindowVisible())
        intro->ShowWindow(SW_HIDE);
}

void ModuleNavigation::ClearToWhite()
{
    {
        ClientDc dc(&view_);
        dc.FillSolidRect(kClearArea, RGB(255, 255, 255));
    }
    view_.UpdateWindow();
}

void ModuleNavigation::EnterModule()
{
    const int module = App().Flags().currentModule;
    if (module == ModuleExit) {
        view_.PostMessage(VM_EXIT_SCREEN);
        return;
    }
    // Each module's own pages are created on its first entry; entering it
    // again only brings its frame artwork back.
    LoadFrameArtwork();
    sideBar_.Build(module);
    pages_.CreateForModule(module);
    view_.PostMessage(module == ModuleHelp ? VM_TEXT_HOWZEM1 : VM_INTRO);
    if (module <= ModulePlanning)
        App().Windows().topTen->SetList(kFirstPanels[module]);
    if (module == ModulePlanning)
        App().Windows().video->SetMedia("");
    view_.Invalidate();
}

void ModuleNavigation::ShowExitScreen()
{
    view_.KillTimer(1);
    StopSound();
    TopTenWindow* topTen = App().Windows().topTen;
    App().Windows().video->SetExitMark(true);
    if (exitScreen_ && exitScreen_->IsWindowVisible())
        return;
    CloseIntro();
    App().Flags().previousModule = App().Flags().currentModule;
    App().Flags().currentModule = ModuleExit;
    if (DetailPanel* detail = App().Windows().detailPanel; detail && detail->IsShowing())
        detail->StoreEntries();
    if (mainMenu_->IsWindowVisible())
        mainMenu_->ClearToWhite();
    else if (topTen->IsWindowVisible())
        topTen->ShowWindow(SW_HIDE);
    ClearToWhite();
    App().Art().LoadSectionModule(ModuleArtOf(ModuleExit).sectionModule);
    LoadModuleArt();
    {
        ClientDc dc(&view_);
        App().Art().RealizeBitmapPalette(dc, kExitPalette);
    }
    if (topTen->IsWindowVisible()) {
        topTen->ShowWindow(SW_HIDE);
        sideBar_.SetState(SideButtons::kTopTen, ImageButton::Normal);
    }
    if (!exitScreen_)
        exitScreen_ = std::make_unique<ExitScreen>(&view_);
    exitScreen_->ShowWindow(SW_SHOW);
    exitScreen_->BringToTop();
}

void ModuleNavigation::ReturnFromExit()
{
    const int previous = App().Flags().previousModule;
    App().Flags().currentModule = previous;
    if (previous == ModuleMainMenu) {
        mainMenu_->Invalidate();
    } else {
        App().Art().LoadSectionModule(ModuleArtOf(previous).sectionModule);
        LoadModuleArt();
        LoadFrameArtwork();
    }
    ClearToWhite();
    {
        ClientDc dc(&view_);
        App().Art().RealizeBitmapPalette(dc, Artwork::ReferenceBitmap(previous));
    }
    view_.Invalidate();
}

void ModuleNavigation::OnActivate()
{
    if (mainMenu_)
        mainMenu_->ClearFocusMark();
    if (exitScreen_)
        exitScreen_->ClearFocusMark();
}

void ModuleNavigation::OnPaletteChanged()
{
    if (App().Flags().exiting)
        return;
    if (mainMenu_ && mainMenu_->IsWindowVisible())
        mainMenu_->Invalidate();
    if (exitScreen_ && exitScreen_->IsWindowVisible())
        exitScreen_->Invalidate();
}

void ModuleNavigation::OnMoved()
{
    if (mainMenu_)
        mainMenu_->FitToFrame();
    if (exitScreen_)
        exitScreen_->FitToFrame();
}
