// The introduction of a learning module: an overview, an animated presenter
// and tips typed out one character at a time, a new tip every 30 seconds.
#pragma once

#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

#include <array>
#include <string>
#include <vector>

struct PresenterClip;

class ModuleIntro : public PageWindow {
public:
    explicit ModuleIntro(platform::Window* view);

    // The clip chosen for this showing (0 or 1) and its state, for tests.
    int Clip() const { return clip_; }
    int Frame() const { return frame_; }
    bool PresenterRunning() const { return running_; }
    bool Typing() const { return typing_; }
    const std::vector<std::string>& Tip() const { return tip_; }
    // The number of the tip file read last (from 1).
    int TipNumber() const;
    // Characters of the tip typed so far.
    size_t Typed() const { return typed_; }

    static constexpr int kFrameTimer = 1;    // presenter frames, then typing
    static constexpr int kRotationTimer = 2; // the next tip

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnTimer(platform::UINT id) override;

private:
    const PresenterClip& CurrentClip() const;
    void LoadFrames();
    void ReadNextTip();
    void DrawFrame(platform::Dc& dc);
    void DrawTip(platform::Dc& dc, size_t characters);
    // Types character `index` of the tip (counted over all its lines).
    void DrawCharacter(size_t index);
    platform::Point TipOrigin() const;
    size_t TipLength() const;

    int module_ = 0;
    int clip_ = 0;
    int frame_ = 0;
    bool running_ = false;
    bool typing_ = false;
    std::vector<platform::Bitmap> frames_;
    std::vector<std::string> tip_;
    size_t typed_ = 0;
    std::array<int, 4> tipCounters_{}; // per learning module
};
