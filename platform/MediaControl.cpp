#include "platform/MediaControl.h"

#include "platform/Files.h"
#include "platform/QtBridge.h"
#include "platform/Window.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

namespace platform {

struct MediaControl::Impl {
    explicit Impl(QWidget* parent) : video(new QVideoWidget(parent))
    {
        video->hide();
        video->setAspectRatioMode(Qt::IgnoreAspectRatio);
        player.setVideoOutput(video);
        QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, video,
                         [this](QMediaPlayer::MediaStatus s) { OnStatus(s); });
        QObject::connect(&player, &QMediaPlayer::errorOccurred, video, [this](QMediaPlayer::Error error) {
            if (error != QMediaPlayer::NoError)
                Fire(MEDIA_EVENT_OPEN_STATE, 0, 0);
        });
    }

    void OnStatus(QMediaPlayer::MediaStatus status)
    {
        switch (status) {
        case QMediaPlayer::LoadedMedia:
            Fire(MEDIA_EVENT_OPEN_STATE, 0, MEDIA_OPEN_READY);
            player.play();
            break;
        case QMediaPlayer::InvalidMedia:
            Fire(MEDIA_EVENT_OPEN_STATE, 0, 0);
            break;
        case QMediaPlayer::EndOfMedia:
            Fire(MEDIA_EVENT_PLAY_STATE, 0, MEDIA_PLAY_ENDED);
            break;
        default:
            break;
        }
    }

    void Fire(int event, int arg1, int arg2)
    {
        if (handler)
            handler(event, arg1, arg2);
    }

    QVideoWidget* video; // owned by the parent widget
    QMediaPlayer player;
    std::unique_ptr<QAudioOutput> audio;
    std::function<void(int, int, int)> handler;
};

MediaControl::MediaControl(Window* parent) : impl_(std::make_unique<Impl>(parent->Widget())) {}

MediaControl::~MediaControl()
{
    impl_->handler = nullptr;
    impl_->player.stop();
}

void MediaControl::Open(const std::string& path)
{
    fileName_ = path;
    impl_->player.setSource(QUrl::fromLocalFile(QString::fromStdString(ResolvePath(path))));
}

void MediaControl::Stop()
{
    impl_->player.stop();
}

bool MediaControl::IsPlaying() const
{
    return impl_->player.playbackState() == QMediaPlayer::PlayingState;
}

void MediaControl::SetAudible(bool audible)
{
    if (audible && !impl_->audio) {
        impl_->audio = std::make_unique<QAudioOutput>();
        impl_->player.setAudioOutput(impl_->audio.get());
    } else if (!audible && impl_->audio) {
        impl_->player.setAudioOutput(nullptr);
        impl_->audio.reset();
    }
}

void MediaControl::Show(bool show)
{
    impl_->video->setVisible(show);
}

bool MediaControl::IsShown() const
{
    return !impl_->video->isHidden();
}

void MediaControl::MoveWindow(int x, int y, int width, int height)
{
    impl_->video->setGeometry(x, y, width, height);
}

Rect MediaControl::GetWindowRect() const
{
    return FromQRect(impl_->video->geometry());
}

void MediaControl::SetEventHandler(std::function<void(int, int, int)> handler)
{
    impl_->handler = std::move(handler);
}

} // namespace platform
