#include "app/CFinView.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/DetailedWorksheet.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Font.h"
#include "platform/Sound.h"

using namespace platform;

namespace {

constexpr int kTopBandHeight = 51;
constexpr int kColumnWidth = 128;

// The frame artwork of each module, from its section module.
constexpr const char* kFrameArtwork[] = {"IDB_Fin_bak", "IDB_Man_bak", "IDB_cre_bak", "IDB_pl_bak",
                                         "IDB_h_bak"};

} // namespace

const CFinView::Route CFinView::kRoutes[] = {
    {VM_TOPTEN_CLOSED, &CFinView::SideButtonToNormal}, {VM_RESET_HOVER, &CFinView::ResetHoveredButtons},
    {VM_TOPTEN_NEW, &CFinView::SideButtonToNew},       {VM_TOPTEN_SEEN, &CFinView::SideButtonToNormal},
    {VM_VIDEO_SEEN, &CFinView::SideButtonToNormal},    {VM_VIDEO_NEW, &CFinView::SideButtonToNew},
    {VM_DEACTIVATE, &CFinView::OnDeactivateMessage},
};

CFinView::CFinView(Window* frame) : CView(frame) {}

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
    hideFrameArtwork_ = false;
}

LRESULT CFinView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const Route& route : kRoutes) {
        if (route.message == message) {
            (this->*route.action)(message);
            return 0;
        }
    }
    return CView::WindowProc(message, wParam, lParam);
}

bool CFinView::OnEraseBackground(Dc&)
{
    // The frame artwork and the pages cover the whole view.
    return true;
}

void CFinView::LoadFrameArtwork()
{
    const int module = App().GetCurrentModule();
    if (module < ModuleAttitudes || module > ModuleHelp)
        return;
    frameArt_.Release();
    App().Art().LoadBitmapByName(frameArt_, kFrameArtwork[module]);
}

void CFinView::OnDraw(Dc& dc)
{
    const int module = App().GetCurrentModule();
    if (module == ModuleExit || module == ModuleMainMenu || hideFrameArtwork_)
        return;
    Artwork& art = App().Art();
    art.DrawBitmapPart(dc, frameArt_, 0, 0, 640, kTopBandHeight, 0, 0);
    art.DrawBitmapPart(dc, frameArt_, 0, kTopBandHeight, kColumnWidth, 480 - kTopBandHeight, 0,
                       kTopBandHeight);
    sideButtons_.Draw(dc);
}

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
    if (InPageArea(point) || App().GetCurrentModule() == ModuleExit)
        return;
    if (DetailedWorksheet* detail = App().DetailPage(); detail && detail->IsShowing())
        detail->StoreEntries();
    if (TopTenWindow* topTen = App().TopTen(); topTen && topTen->IsWindowVisible()) {
        topTen->ShowWindow(SW_HIDE);
        SetSideButtonState(SideButtons::kTopTen, ImageButton::Normal);
        return;
    }
    sideButtons_.HitTest(point.x, point.y, VideoSet());
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

void CFinView::OnDeactivateMessage(UINT)
{
    StopSound();
}
