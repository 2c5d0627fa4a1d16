#include "app/CFinView.h"

#include "app/ChooserPage.h"
#include "app/ExitScreen.h"
#include "app/LessonPage.h"
#include "app/MainMenu.h"
#include "app/ModuleIntro.h"
#include "app/SplashScreen.h"
#include "app/TextPage.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "platform/Font.h"

using namespace platform;

namespace {

constexpr int kTopBandHeight = 51;
constexpr int kColumnWidth = 128;

} // namespace

CFinView::CFinView(Window* frame)
    : CView(frame), sideBar_(*this, [this] {
          navigation_.HidePages();
          navigation_.ShowMainMenu();
      })
{
}

CFinView::~CFinView()
{
    if (!fontPath_.empty())
        RemoveFontResource(fontPath_);
}

void CFinView::OnInitialUpdate()
{
    // The headings of every page are drawn in this face.
    fontPath_ = App().DataPath("handelgb.ttf");
    AddFontResource(fontPath_, "Handel Gothic BT");

    navigation_.CreateMainMenu();
    if (!App().IsContentDiscPresent())
        App().AskForDisc();
    const Window* frame = App().Windows().mainWindow;
    SplashScreen splash(frame ? frame->GetWindowRect() : Rect{0, 0, 640, 480});
    splash.DoModal();
    navigation_.Menu()->ShowWindow(SW_SHOW);
}

ModuleIntro* CFinView::Intro() const
{
    return pages_.Get<ModuleIntro>(PageId::Intro);
}

ChooserPage* CFinView::Chooser() const
{
    return pages_.Get<ChooserPage>(PageId::Chooser);
}

LessonPage* CFinView::Lesson() const
{
    return pages_.Get<LessonPage>(PageId::Lesson);
}

TextPage* CFinView::Text() const
{
    return pages_.Get<TextPage>(PageId::Text);
}

bool CFinView::OnEraseBackground(Dc&)
{
    // The frame artwork and the pages cover the whole view.
    return true;
}

void CFinView::OnDraw(Dc& dc)
{
    const MainMenu* menu = navigation_.Menu();
    if (App().Flags().currentModule == ModuleExit || (menu && menu->IsWindowVisible()))
        return;
    Artwork& art = App().Art();
    const Bitmap& frameArt = navigation_.FrameArt();
    art.DrawBitmapPart(dc, frameArt, 0, 0, 640, kTopBandHeight, 0, 0);
    art.DrawBitmapPart(dc, frameArt, 0, kTopBandHeight, kColumnWidth, 480 - kTopBandHeight, 0,
                       kTopBandHeight);
    sideBar_.Draw(dc);
}

LRESULT CFinView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (switchboard_.Route(message))
        return 0;
    return CView::WindowProc(message, wParam, lParam);
}

void CFinView::OnMouseMove(UINT, Point point)
{
    sideBar_.OnMouseMove(point);
}

void CFinView::OnLButtonDown(UINT, Point point)
{
    sideBar_.OnButtonDown(point);
}
