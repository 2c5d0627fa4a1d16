#include "platform/Sound.h"

#include "platform/Files.h"
#include "platform/Timing.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <cstdio>
#include <cstring>
#include <memory>

namespace platform {
namespace {

class QtSoundBackend : public SoundBackend {
public:
    bool Start(const std::string& path) override
    {
        if (!player_) {
            player_ = std::make_unique<QMediaPlayer>();
            output_ = std::make_unique<QAudioOutput>();
            player_->setAudioOutput(output_.get());
        }
        player_->stop();
        player_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
        player_->play();
        return true;
    }
    void Stop() override
    {
        if (player_)
            player_->stop();
    }

private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

struct Channel {
    SoundBackend* backend = nullptr;
    std::string current;
    std::uint64_t endsAt = 0;

    SoundBackend& Backend()
    {
        static QtSoundBackend audible;
        return backend ? *backend : audible;
    }
    bool Playing() const { return !current.empty() && GetTickCount() < endsAt; }
};

Channel& TheChannel()
{
    static Channel channel;
    return channel;
}

std::uint32_t U32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

} // namespace

int WavDurationMs(const std::string& path)
{
    std::FILE* f = OpenFile(path, "rb");
    if (!f)
        return -1;
    unsigned char header[12];
    std::uint32_t byteRate = 0;
    long long dataSize = -1;
    if (std::fread(header, 1, 12, f) == 12 && std::memcmp(header, "RIFF", 4) == 0 &&
        std::memcmp(header + 8, "WAVE", 4) == 0) {
        unsigned char chunk[8];
        while (dataSize < 0 && std::fread(chunk, 1, 8, f) == 8) {
            const std::uint32_t size = U32(chunk + 4);
            if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
                unsigned char fmt[16];
                if (std::fread(fmt, 1, 16, f) != 16)
                    break;
                byteRate = U32(fmt + 8);
                std::fseek(f, static_cast<long>(size - 16 + (size & 1)), SEEK_CUR);
            } else if (std::memcmp(chunk, "data", 4) == 0) {
                dataSize = size;
            } else {
                std::fseek(f, static_cast<long>(size + (size & 1)), SEEK_CUR);
            }
        }
    }
    std::fclose(f);
    if (dataSize < 0 || byteRate == 0)
        return -1;
    return static_cast<int>(dataSize * 1000 / byteRate);
}

bool PlaySound(const std::string& path, UINT flags)
{
    Channel& channel = TheChannel();
    if (path.empty()) {
        StopSound();
        return true;
    }
    if ((flags & SND_NOSTOP) && channel.Playing())
        return false;
    const int duration = WavDurationMs(path);
    StopSound();
    if (duration < 0)
        return false;
    const std::string resolved = ResolvePath(path);
    if (!channel.Backend().Start(resolved))
        return false;
    channel.current = resolved;
    channel.endsAt = GetTickCount() + static_cast<std::uint64_t>(duration);
    if (!(flags & SND_ASYNC))
        BusyWait(static_cast<unsigned>(duration));
    return true;
}

void StopSound()
{
    Channel& channel = TheChannel();
    if (!channel.current.empty())
        channel.Backend().Stop();
    channel.current.clear();
    channel.endsAt = 0;
}

bool IsSoundPlaying()
{
    return TheChannel().Playing();
}

std::string CurrentSound()
{
    return TheChannel().Playing() ? TheChannel().current : std::string();
}

void SetSoundBackend(SoundBackend* backend)
{
    StopSound();
    TheChannel().backend = backend;
}

} // namespace platform
