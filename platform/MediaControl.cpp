#include "platform/MediaControl.h"

#include "platform/Files.h"
#include "platform/QtBridge.h"
#include "platform/Window.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

namespace platform {

// The player and its picture area, made when the first clip is opened:
// the media framework takes a while to start, and many runs never play a
// video.
struct MediaControl::Impl {
    Impl(QWidget* parent, MediaControl& owner) : owner(owner), video(new QVideoWidget(parent))
    {
        video->setAspectRatioMode(Qt::IgnoreAspectRatio);
        player.setVideoOutput(video);
        QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, video,
                         [this](QMediaPlayer::MediaStatus s) { OnStatus(s); });
        QObject::connect(&player, &QMediaPlayer::errorOccurred, video, [this](QMediaPlayer::Error error) {
            if (error != QMediaPlayer::NoError)
                this->owner.Fire(MEDIA_EVENT_OPEN_STATE, 0, 0);
        });
    }

    void OnStatus(QMediaPlayer::MediaStatus status)
    {
        switch (status) {
        case QMediaPlayer::LoadedMedia:
            // A player stopped in the middle of a clip reports it loaded
            // again: only a clip just opened starts.
            if (!opening)
                break;
            opening = false;
            owner.Fire(MEDIA_EVENT_OPEN_STATE, 0, MEDIA_OPEN_READY);
            player.play();
            break;
        case QMediaPlayer::InvalidMedia:
            opening = false;
            owner.Fire(MEDIA_EVENT_OPEN_STATE, 0, 0);
            break;
        case QMediaPlayer::EndOfMedia:
            owner.Fire(MEDIA_EVENT_PLAY_STATE, 0, MEDIA_PLAY_ENDED);
            break;
        default:
            break;
        }
    }

    MediaControl& owner;
    QVideoWidget* video; // owned by the parent widget
    QMediaPlayer player;
    bool opening = false; // a clip was given and has not been reported yet
    std::unique_ptr<QAudioOutput> audio;
};

MediaControl::MediaControl(Window* parent) : parent_(parent) {}

MediaControl::~MediaControl()
{
    handler_ = nullptr;
    if (impl_)
        impl_->player.stop();
}

MediaControl::Impl& MediaControl::Player()
{
    if (!impl_) {
        impl_ = std::make_unique<Impl>(parent_->Widget(), *this);
        impl_->video->setGeometry(ToQRect(place_));
        impl_->video->setVisible(shown_);
        if (audible_) {
            impl_->audio = std::make_unique<QAudioOutput>();
            impl_->player.setAudioOutput(impl_->audio.get());
        }
    }
    return *impl_;
}

void MediaControl::Fire(int event, int arg1, int arg2)
{
    if (handler_)
        handler_(event, arg1, arg2);
}

void MediaControl::Open(const std::string& path)
{
    fileName_ = path;
    Impl& impl = Player();
    const QUrl source = QUrl::fromLocalFile(QString::fromStdString(ResolvePath(path)));
    // The player ignores the clip it already holds: let it go first, so
    // that the same clip asked for again is opened and reported again.
    if (impl.player.source() == source)
        impl.player.setSource(QUrl());
    impl.opening = true;
    impl.player.setSource(source);
}

void MediaControl::Stop()
{
    if (!impl_)
        return;
    impl_->opening = false;
    impl_->player.stop();
}

bool MediaControl::IsPlaying() const
{
    return impl_ && impl_->player.playbackState() == QMediaPlayer::PlayingState;
}

void MediaControl::SetAudible(bool audible)
{
    audible_ = audible;
}

void MediaControl::Show(bool show)
{
    shown_ = show;
    if (impl_)
        impl_->video->setVisible(show);
}

bool MediaControl::IsShown() const
{
    return shown_;
}

void MediaControl::MoveWindow(int x, int y, int width, int height)
{
    place_ = {x, y, x + width, y + height};
    if (impl_)
        impl_->video->setGeometry(ToQRect(place_));
}

Rect MediaControl::GetWindowRect() const
{
    return place_;
}

void MediaControl::SetEventHandler(std::function<void(int, int, int)> handler)
{
    handler_ = std::move(handler);
}

} // namespace platform
