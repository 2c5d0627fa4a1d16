// Moving between modules: entering a module from the main menu, the exit
// screen and the way back from it, and the page sets each module creates
// on its first entry.
#include "app/CFinView.h"

#include "app/ChooserPage.h"
#include "app/ExitScreen.h"
#include "app/LessonPage.h"
#include "app/MainMenu.h"
#include "app/ModuleIntro.h"
#include "app/ModuleTable.h"
#include "app/TextPage.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/DetailedWorksheet.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Sound.h"

using namespace platform;

namespace {

constexpr Rect kClearArea{0, 0, 660, 520};
constexpr char kExitModule[] = "ZEMExit.dll";
constexpr char kExitPalette[] = "IDB_ex_3ovr";

} // namespace

void CFinView::CreateSharedPages()
{
    if (intro_)
        return;
    intro_ = std::make_unique<ModuleIntro>(this);
    chooser_ = std::make_unique<ChooserPage>(this);
    lesson_ = std::make_unique<LessonPage>(this);
    text_ = std::make_unique<TextPage>(this);
}

void CFinView::HidePages()
{
    if (TopTenWindow* topTen = App().TopTen())
        topTen->ShowWindow(SW_HIDE);
    if (VideoWindow* video = App().Video())
        video->ShowWindow(SW_HIDE);
    if (DetailedWorksheet* detail = App().DetailPage())
        detail->HidePanel();
    if (Window* calculator = App().CalculatorWindow())
        calculator->ShowWindow(SW_HIDE);
    for (Window* page :
         std::initializer_list<Window*>{lesson_.get(), intro_.get(), chooser_.get(), text_.get()}) {
        if (page)
            page->ShowWindow(SW_HIDE);
    }
    for (Window* page : setPages_)
        page->ShowWindow(SW_HIDE);
}

void CFinView::CloseIntro()
{
    if (intro_ && intro_->IsWindowVisible())
        intro_->ShowWindow(SW_HIDE);
}

void CFinView::ClearToWhite()
{
    {
        ClientDc dc(this);
        dc.FillSolidRect(kClearArea, RGB(255, 255, 255));
    }
    UpdateWindow();
}

void CFinView::EnterModule(UINT)
{
    const int module = App().GetCurrentModule();
    if (module == ModuleExit) {
        PostMessage(VM_EXIT_SCREEN);
        return;
    }
    // Each module's own pages are created on its first entry; entering it
    // again only brings its frame artwork back.
    bool* created = module == ModuleMoney       ? &moneyPagesCreated_
                    : module == ModuleCredit    ? &creditPagesCreated_
                    : module == ModuleAttitudes ? &attitudesPagesCreated_
                    : module == ModulePlanning  ? &planningPagesCreated_
                                                : nullptr;
    if (created)
        *created = true;
    LoadFrameArtwork();
    sideButtons_.Build(module);
    CreateSharedPages();
    if (module == ModuleHelp)
        PostMessage(VM_TEXT_HOWZEM1);
    else
        PostMessage(VM_INTRO);

    // Planning has no list of its own for its introduction: it names the
    // list of its first section rather than keep the last module's.
    static constexpr const char* kFirstPanels[] = {"fin1", "man1", "cred1", "plan2"};
    if (module <= ModulePlanning)
        App().TopTen()->SetList(kFirstPanels[module]);
    if (module == ModulePlanning)
        App().Video()->SetMedia("");
    Invalidate();
}

void CFinView::ShowExitScreen(UINT)
{
    KillTimer(1);
    StopSound();
    App().Video()->SetExitMark(true);
    if (exitScreen_ && exitScreen_->IsWindowVisible())
        return;
    CloseIntro();
    App().SetPreviousModule(App().GetCurrentModule());
    App().SetCurrentModule(ModuleExit);
    if (DetailedWorksheet* detail = App().DetailPage(); detail && detail->IsShowing())
        detail->StoreEntries();
    if (mainMenu_->IsWindowVisible())
        mainMenu_->ClearToWhite();
    else if (App().TopTen()->IsWindowVisible())
        App().TopTen()->ShowWindow(SW_HIDE);
    ClearToWhite();
    App().Art().LoadSectionModule(kExitModule, false);
    {
        ClientDc dc(this);
        App().Art().RealizeBitmapPalette(dc, kExitPalette);
    }
    if (App().TopTen()->IsWindowVisible()) {
        App().TopTen()->ShowWindow(SW_HIDE);
        SetSideButtonState(SideButtons::kTopTen, ImageButton::Normal);
    }
    if (!exitScreen_)
        exitScreen_ = std::make_unique<ExitScreen>(this);
    exitScreen_->ShowWindow(SW_SHOW);
    exitScreen_->BringToTop();
}

void CFinView::ReturnFromExit(UINT)
{
    const int previous = App().GetPreviousModule();
    App().SetCurrentModule(previous);
    if (previous == ModuleMainMenu) {
        mainMenu_->Invalidate();
    } else {
        App().Art().LoadSectionModule(ModuleInfo(previous).sectionModule, false);
        LoadFrameArtwork();
    }
    ClearToWhite();
    {
        ClientDc dc(this);
        App().Art().RealizeBitmapPalette(dc, Artwork::ReferenceBitmap(previous));
    }
    Invalidate();
}
