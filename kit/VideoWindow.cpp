#include "kit/VideoWindow.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/Modules.h"
#include "kit/ProgramSounds.h"
#include "kit/ViewMessages.h"
#include "platform/DialogUnits.h"
#include "platform/Sound.h"

#include <algorithm>

using namespace platform;

namespace {

constexpr UINT kNarrationTimer = 1;
constexpr UINT kNarrationPollMs = 100;
constexpr size_t kShownCapacity = 200;

// Places in the view; the view fills the frame's client area.
constexpr Rect kNarrationPlace{442, 56, 442 + 191, 56 + 96};
constexpr Rect kVideoPlace{445, 58, 445 + 188, 58 + 164};
constexpr Rect kPicturePlace{16, 30, 16 + 160, 30 + 120};
// The control's place in the window's template: 159 x 110 dialog units.
constexpr Rect kTemplatePlace = DialogRect(0, 0, 159, 110);

// The narration picture of each learning module.
const char* NarrationPicture(int module)
{
    switch (module) {
    case ModuleAttitudes:
        return "idb_ex_fin";
    case ModuleMoney:
        return "idb_ex_man";
    case ModuleCredit:
        return "idb_ex_cre";
    case ModulePlanning:
        return "idb_ex_plan";
    default:
        return nullptr;
    }
}

} // namespace

VideoWindow::VideoWindow(Window* frame) : Window(frame), control_(this), shown_{std::string()}
{
    control_.MoveWindow(kTemplatePlace.left, kTemplatePlace.top, kTemplatePlace.Width(),
                        kTemplatePlace.Height());
    control_.SetAudible(true);
    control_.SetEventHandler([this](int event, int a1, int a2) { OnMediaEvent(event, a1, a2); });
}

bool VideoWindow::WasShown(const std::string& name) const
{
    return std::find(shown_.begin(), shown_.end(), name) != shown_.end();
}

void VideoWindow::PostToView(UINT message)
{
    if (Window* view = App().Windows().view)
        view->PostMessage(message);
}

void VideoWindow::SetMedia(const std::string& name)
{
    media_ = name;
    if (Window* view = App().Windows().view)
        view->SendMessage(WasShown(name) ? VM_VIDEO_SEEN : VM_VIDEO_NEW);
}

void VideoWindow::OnShowWindow(bool show)
{
    if (!show) {
        KillTimer(kNarrationTimer);
        // Nothing runs in a hidden window: a narration shown next must be
        // silenced, not taken for a video, when the window loses activation.
        videoRunning_ = false;
        control_.Stop();
        control_.Show(false);
        return;
    }
    if (IsNarration(media_))
        ShowNarration();
    else
        ShowVideo();
    if (!WasShown(media_) && shown_.size() < kShownCapacity)
        shown_.push_back(media_);
}

void VideoWindow::ShowNarration()
{
    PostToView(VM_VIDEO_SEEN);
    if (const char* picture = NarrationPicture(App().Flags().currentModule)) {
        narrationPicture_.Release();
        App().Art().LoadBitmapByName(narrationPicture_, picture);
    }
    MoveWindow(kNarrationPlace);
    control_.Show(false);
}

void VideoWindow::ShowVideo()
{
    // The frame is the program's own artwork.
    videoFrame_.Release();
    App().Art().LoadOwnBitmap(videoFrame_, "IDB_video");

    videoRunning_ = false;
    exitMark_ = false;
    control_.Open(App().ContentPath() + "video\\" + media_);
    PostToView(VM_VIDEO_SEEN);
    MoveWindow(kVideoPlace);
    control_.MoveWindow(kPicturePlace.left, kPicturePlace.top, kPicturePlace.Width(), kPicturePlace.Height());
}

void VideoWindow::OnPaint(Dc& dc)
{
    if (!IsNarration(media_)) {
        App().Art().DrawBitmap(dc, videoFrame_, 0, 0);
        return;
    }
    App().Art().DrawBitmap(dc, narrationPicture_, 0, 0);
    PlaySound(App().ContentPath() + "video\\" + media_, SND_ASYNC);
    SetTimer(kNarrationTimer, kNarrationPollMs);
}

void VideoWindow::OnTimer(UINT id)
{
    if (id != kNarrationTimer)
        return;
    // The click can only start once the narration has ended.
    if (PlayProgramSound("click4", SND_NOSTOP)) {
        KillTimer(kNarrationTimer);
        ShowWindow(SW_HIDE);
    }
}

void VideoWindow::Deactivate()
{
    if (!IsWindowVisible())
        return;
    if (videoRunning_) {
        control_.Stop();
        PostToView(VM_VIDEO_CLOSED);
    } else if (IsNarration(media_)) {
        PostToView(VM_VIDEO_CLOSED);
        StopSound();
    }
}

void VideoWindow::OnMediaEvent(int event, int, int arg2)
{
    if (event == MEDIA_EVENT_OPEN_STATE) {
        if (arg2 == MEDIA_OPEN_READY && IsWindowVisible() && !exitMark_) {
            control_.Show(true);
            videoRunning_ = true;
        } else {
            control_.Stop();
            ShowWindow(SW_HIDE);
        }
    } else if (event == MEDIA_EVENT_PLAY_STATE && arg2 == MEDIA_PLAY_ENDED) {
        ShowWindow(SW_HIDE);
    }
}

std::string CurrentMediaName()
{
    const VideoWindow* video = App().Windows().video;
    return video ? video->Media() : std::string();
}

void DismissVideo()
{
    VideoWindow* video = App().Windows().video;
    if (!video || !video->IsWindowVisible())
        return;
    video->Deactivate();
    video->ShowWindow(SW_HIDE);
}
