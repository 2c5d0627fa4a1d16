// The media control of the video window: it opens a clip, shows its
// pictures in a child area of its window, stops, and reports two events:
// 3011 when the clip has been opened (second argument 6: open and ready to
// show; anything else: it could not be opened) and 3012 when playback has
// ended (second argument 0).
#pragma once

#include "platform/Types.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {

class Window;

inline constexpr int MEDIA_EVENT_OPEN_STATE = 3011;
inline constexpr int MEDIA_EVENT_PLAY_STATE = 3012;
inline constexpr int MEDIA_OPEN_READY = 6;
inline constexpr int MEDIA_PLAY_ENDED = 0;

class MediaControl {
public:
    // A control inside `parent`, hidden.
    explicit MediaControl(Window* parent);
    ~MediaControl();
    MediaControl(const MediaControl&) = delete;
    MediaControl& operator=(const MediaControl&) = delete;

    // Loads the clip at `path` (and starts it playing once it is ready).
    void Open(const std::string& path);
    void Stop();
    // The clip given last ("" when none).
    const std::string& FileName() const { return fileName_; }
    bool IsPlaying() const;
    // Plays the sound track too (the program); tests leave it silent. Set it
    // before the first clip is opened.
    void SetAudible(bool audible);

    void Show(bool show);
    bool IsShown() const;
    void MoveWindow(int x, int y, int width, int height);
    Rect GetWindowRect() const;

    // Receives events 3011 and 3012 with their two arguments.
    void SetEventHandler(std::function<void(int event, int arg1, int arg2)> handler);

private:
    struct Impl;
    Impl& Player();
    void Fire(int event, int arg1, int arg2);

    Window* parent_;
    std::unique_ptr<Impl> impl_;
    std::string fileName_;
    std::function<void(int, int, int)> handler_;
    Rect place_;
    bool shown_ = false;
    bool audible_ = false;
};

} // namespace platform
