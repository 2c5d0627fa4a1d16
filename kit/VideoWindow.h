// The video window: a small window beside the page that plays the page's
// media item from the content disc. A narration ("...wav...") shows a
// picture of the module and speaks; a video shows its pictures in a frame.
// Pages name their item in every paint with SetMedia; the view shows and
// hides the window.
#pragma once

#include "platform/Bitmap.h"
#include "platform/MediaControl.h"
#include "platform/Window.h"

#include <string>
#include <vector>

class VideoWindow : public platform::Window {
public:
    explicit VideoWindow(platform::Window* frame);

    // Names the page's item; the view then shows its video button as seen
    // (1118, also for no item) or as new (1119).
    void SetMedia(const std::string& name);
    const std::string& Media() const { return media_; }
    static bool IsNarration(const std::string& name) { return name.find("wav") != std::string::npos; }
    bool WasShown(const std::string& name) const;

    // The window lost activation (the program went to the background or the
    // user clicked elsewhere): a running video stops, a narration falls
    // silent, and the view hears about it.
    void Deactivate();
    // Set while the exit screen is up: a clip that opens then is not shown.
    void SetExitMark(bool mark) { exitMark_ = mark; }
    bool VideoRunning() const { return videoRunning_; }

    // What the media control reports.
    void OnMediaEvent(int event, int arg1, int arg2);
    platform::MediaControl& Control() { return control_; }

protected:
    void OnShowWindow(bool show) override;
    void OnPaint(platform::Dc& dc) override;
    void OnTimer(platform::UINT id) override;

private:
    void PostToView(platform::UINT message);
    void ShowNarration();
    void ShowVideo();

    platform::MediaControl control_;
    std::string media_;
    std::vector<std::string> shown_;
    platform::Bitmap narrationPicture_;
    platform::Bitmap videoFrame_;
    bool videoRunning_ = false;
    bool exitMark_ = false;
};

// Hides the video window the way a click elsewhere does: it loses
// activation first.
void DismissVideo();
// The media item the page on screen offers ("" when none).
std::string CurrentMediaName();
