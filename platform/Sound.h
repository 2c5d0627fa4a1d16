// The one sound channel of the program, with the flags of PlaySound. The
// channel knows from each WAV file how long it plays; a backend only makes
// it audible. Tests use a silent backend, which still "plays" each sound
// for its length.
#pragma once

#include "platform/Types.h"

#include <string>

namespace platform {

inline constexpr UINT SND_SYNC = 0x0000;   // return when the sound has ended
inline constexpr UINT SND_ASYNC = 0x0001;  // return at once
inline constexpr UINT SND_NOSTOP = 0x0010; // fail instead of interrupting a sound
inline constexpr UINT SND_NOWAIT = 0x2000; // fail rather than wait for the device

class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Starts playing the file (its path resolved); false when it cannot.
    virtual bool Start(const std::string& path) = 0;
    virtual void Stop() = 0;
};

// Plays a WAV file, or with an empty path stops whatever plays. Returns
// false when the file cannot be played or, with SND_NOSTOP, when another
// sound still plays.
bool PlaySound(const std::string& path, UINT flags);
void StopSound();
// True while a sound started by PlaySound has not reached its end.
bool IsSoundPlaying();
// The sound playing now ("" when none).
std::string CurrentSound();

// The length of a WAV file in milliseconds, or -1 when it is not one.
int WavDurationMs(const std::string& path);

// Replaces the audible backend (tests); null restores it.
void SetSoundBackend(SoundBackend* backend);

} // namespace platform
