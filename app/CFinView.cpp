#include "app/CFinView.h"

#include "app/ChooserPage.h"
#include "app/ExitScreen.h"
#include "app/LessonPage.h"
#include "app/MainMenu.h"
#include "app/ModuleIntro.h"
#include "app/ModuleTable.h"
#include "app/SplashScreen.h"
#include "app/TextPage.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/Calculator.h"
#include "kit/DetailedWorksheet.h"
#include "kit/ProgramSounds.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Font.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/Timing.h"

using namespace platform;

namespace {

constexpr int kTopBandHeight = 51;
constexpr int kColumnWidth = 128;
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

CFinView::CFinView(Window* frame) : CView(frame) {}

CFinView::~CFinView()
{
    text_.reset();
    lesson_.reset();
    chooser_.reset();
    intro_.reset();
    exitScreen_.reset();
    mainMenu_.reset();
    if (!fontPath_.empty())
        RemoveFontResource(fontPath_);
}

void CFinView::OnInitialUpdate()
{
    // The headings of every page are drawn in this face.
    fontPath_ = App().DataPath("handelgb.ttf");
    AddFontResource(fontPath_, "Handel Gothic BT");
    hideFrameArtwork_ = false;

    mainMenu_ = std::make_unique<MainMenu>(this);
    if (!App().IsContentDiscPresent())
        App().AskForDisc();
    const Window* frame = App().MainWindow();
    SplashScreen splash(frame ? frame->GetWindowRect() : Rect{0, 0, 640, 480});
    splash.DoModal();
    mainMenu_->ShowWindow(SW_SHOW);
}

bool CFinView::OnEraseBackground(Dc&)
{
    // The frame artwork and the pages cover the whole view.
    return true;
}

void CFinView::LoadFrameArtwork()
{
    const char* name = ModuleInfo(App().GetCurrentModule()).frameArtwork;
    if (!name)
        return;
    frameArt_.Release();
    App().Art().LoadBitmapByName(frameArt_, name);
}

void CFinView::OnDraw(Dc& dc)
{
    const int module = App().GetCurrentModule();
    if (module == ModuleExit || hideFrameArtwork_ || (mainMenu_ && mainMenu_->IsWindowVisible()))
        return;
    Artwork& art = App().Art();
    art.DrawBitmapPart(dc, frameArt_, 0, 0, 640, kTopBandHeight, 0, 0);
    art.DrawBitmapPart(dc, frameArt_, 0, kTopBandHeight, kColumnWidth, 480 - kTopBandHeight, 0,
                       kTopBandHeight);
    sideButtons_.Draw(dc);
}

// --- Side buttons --------------------------------------------------------------

bool CFinView::VideoSet() const
{
    return !App().CurrentMediaName().empty();
}

void CFinView::RedrawSideButton(int index)
{
    if (!sideButtons_.IsDrawn(index) || App().GetCurrentModule() >= ModuleMainMenu)
        return;
    ClientDc dc(this);
    sideButtons_[index].Draw(dc, 0);
}

void CFinView::SetSideButtonState(int index, int state)
{
    sideButtons_[index].SetState(state);
    RedrawSideButton(index);
}

void CFinView::OnMouseMove(UINT, Point point)
{
    const VideoWindow* video = App().Video();
    const bool videoPlays = video && video->IsWindowVisible();
    if (InPageArea(point) || App().GetCurrentModule() == ModuleExit || videoPlays)
        return;
    bool overButton = false;
    for (int i = 0; i < SideButtons::kCount; ++i) {
        if (!sideButtons_.IsActive(i, VideoSet()))
            continue;
        ImageButton& b = sideButtons_[i];
        const bool hit = b.HitTest(point.x, point.y);
        overButton = overButton || hit;
        if (hit && b.GetState() == ImageButton::Normal)
            SetSideButtonState(i, ImageButton::Over);
        else if (hit && b.GetState() == ImageButton::New)
            SetSideButtonState(i, ImageButton::NewOver);
        else if (!hit && b.GetState() == ImageButton::Over)
            SetSideButtonState(i, ImageButton::Normal);
        else if (!hit && b.GetState() == ImageButton::NewOver)
            SetSideButtonState(i, ImageButton::New);
    }
    SetCursor(overButton ? Cursor::Hand : Cursor::Arrow);
}

void CFinView::OnLButtonDown(UINT, Point point)
{
    DismissVideo();
    DismissCalculator();
    if (InPageArea(point) || App().GetCurrentModule() == ModuleExit)
        return;
    if (DetailedWorksheet* detail = App().DetailPage(); detail && detail->IsShowing())
        detail->StoreEntries();
    if (TopTenWindow* topTen = App().TopTen(); topTen && topTen->IsWindowVisible()) {
        topTen->ShowWindow(SW_HIDE);
        SetSideButtonState(SideButtons::kTopTen, ImageButton::Normal);
        return;
    }
    const int index = sideButtons_.HitTest(point.x, point.y, VideoSet());
    if (index >= 0)
        ActivateSideButton(index);
}

void CFinView::ActivateSideButton(int index)
{
    PlayProgramSound("click5", SND_NOWAIT);
    if (index <= kMainMenuButton) {
        for (int i = 0; i < SideButtons::kTopTen; ++i) {
            if (i != index && sideButtons_[i].GetState() == ImageButton::Pressed)
                SetSideButtonState(i, ImageButton::Normal);
        }
    }
    if (index < SideButtons::kTopTen)
        SetSideButtonState(index, ImageButton::Pressed);
    if (index >= kMainMenuButton && index <= kWebButton) {
        BusyWait(kHeldButtonMs);
        sideButtons_[index].SetState(ImageButton::Normal);
        InvalidateRect({sideButtons_[index].X(), sideButtons_[index].Y(),
                        sideButtons_[index].X() + sideButtons_[index].Width(),
                        sideButtons_[index].Y() + sideButtons_[index].Height()},
                       false);
    }

    const int module = App().GetCurrentModule();
    if (index < kMainMenuButton) {
        const SectionButton& section = kSectionButtons[module][index];
        if (section.panel && App().TopTen())
            App().TopTen()->SetList(section.panel);
        PostMessage(section.message);
    } else if (index == kMainMenuButton) {
        HidePages();
        ShowMainMenu(VM_SHOW_MAIN_MENU);
    } else if (index == kExitButton) {
        PostMessage(VM_EXIT_SCREEN);
    } else if (index == kWebButton) {
        // Money management's button plays the sample video of the disc.
        OpenWebPage(module == ModuleMoney ? App().ContentPath() + "video\\test.avi"
                                          : App().DataPath("\\launchzem.htm"));
    } else if (index == SideButtons::kTopTen) {
        if (App().TopTen()->IsWindowVisible()) {
            App().TopTen()->ShowWindow(SW_HIDE);
            SetSideButtonState(index, ImageButton::Normal);
        } else {
            PostMessage(VM_TOPTEN);
        }
    } else if (index == SideButtons::kVideo) {
        if (App().Video()->IsWindowVisible()) {
            App().Video()->ShowWindow(SW_HIDE);
            SetSideButtonState(index, ImageButton::Normal);
        } else {
            PostMessage(VM_PLAY_VIDEO);
        }
    }
}

void CFinView::OpenWebPage(const std::string& path)
{
    if (!ShellOpen(path))
        MessageBox("Unable to find your default Web Browser!", {}, MB_OK | MB_ICONINFORMATION);
}

void CFinView::ResetHoveredButtons(UINT)
{
    for (int i = 0; i < SideButtons::kCount; ++i) {
        const int state = sideButtons_[i].GetState();
        if (state == ImageButton::Over)
            SetSideButtonState(i, ImageButton::Normal);
        else if (state == ImageButton::NewOver)
            SetSideButtonState(i, ImageButton::New);
    }
}

void CFinView::SideButtonToNormal(UINT message)
{
    const bool video = message == VM_VIDEO_SEEN;
    SetSideButtonState(video ? SideButtons::kVideo : SideButtons::kTopTen, ImageButton::Normal);
}

void CFinView::SideButtonToNew(UINT message)
{
    SetSideButtonState(message == VM_VIDEO_NEW ? SideButtons::kVideo : SideButtons::kTopTen,
                       ImageButton::New);
}
