#include "app/ModuleIntro.h"

#include "app/ModuleTable.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ContentFiles.h"
#include "kit/ModuleArt.h"
#include "kit/NavBar.h"
#include "kit/ProgramSounds.h"
#include "kit/TextDrawing.h"
#include "kit/VideoWindow.h"
#include "platform/Random.h"

using namespace platform;

namespace {

constexpr UINT kFrameMs = 200;
constexpr UINT kFirstTypingMs = 10;
constexpr UINT kRotationTypingMs = 150;
constexpr UINT kRotationMs = 30000;
constexpr size_t kTipLines = 15;
constexpr int kTipLineStep = 13;
constexpr int kShortTipDrop = 26; // tips of fewer than 6 lines sit lower
constexpr size_t kShortTip = 6;
const Font kTipFont{"Courier New", 15, FW_SEMIBOLD};
const Font kOverviewFont{"MS Sans Serif", 19, FW_SEMIBOLD};
constexpr Point kOverviewPlace{8, 325};
constexpr int kOverviewStep = 14;

// Each learning module's overview, below the presenter.
const std::vector<std::string> kOverviews[4] = {
    {"Believe it or not, your attitude about money plays a significant",
     "role in how you earn, spend and save it. Your beliefs come",
     "from your family, your friends and your own experiences.",
     "Here you will take a financial reality check and discover your",
     "spending type, so that you can see what drives your money",
     "decisions and choose habits that move you toward your goals.", "Start with a section on the left."},
    {"Good money management requires a plan of action in order to ",
     "reach your goals. Here you will work out your net worth, build",
     "a monthly budget, compare it with an average household, find",
     "ways to save more, and plan ahead for the emergencies that", "can strike any family."},
    {"Credit and debt are two things we must learn to manage. Most",
     "of us borrow at some point: for a car, a home, an education or",
     "an emergency. Used wisely, credit helps you reach your goals;",
     "used carelessly, it takes over your budget. Here you will learn",
     "the true cost of credit, check whether your debt load is too",
     "high, and learn how to read and protect your credit report.", "Start with a section on the left."},
    {"Planning today can lead to a better tomorrow. In order to plan for ",
     "the future, you need to know where you want to go. Here you",
     "will see how money grows and how inflation shrinks it, set",
     "your goals, find out how much risk you can tolerate, and", "explore the ways to save and invest."},
};

} // namespace

ModuleIntro::ModuleIntro(Window* view) : PageWindow(view) {}

const PresenterClip& ModuleIntro::CurrentClip() const
{
    return ModuleInfo(module_).clips[clip_];
}

int ModuleIntro::TipNumber() const
{
    return tipCounters_[static_cast<size_t>(module_)] + 1;
}

void ModuleIntro::OnPageShown()
{
    module_ = std::clamp(App().Flags().currentModule, 0, 3);
    SeedRandom(TimeSeed());
    clip_ = Random() % 2;
    LoadFrames();
    ReadNextTip();
    frame_ = 0;
    typed_ = 0;
    typing_ = false;
    running_ = true;
    KillTimer(kRotationTimer);
    SetTimer(kFrameTimer, kFrameMs);
}

void ModuleIntro::OnPageHidden()
{
    KillTimer(kFrameTimer);
    KillTimer(kRotationTimer);
    running_ = false;
    typing_ = false;
    // The frames are loaded again when the introduction shows.
    frames_.clear();
}

void ModuleIntro::LoadFrames()
{
    const PresenterClip& clip = CurrentClip();
    Artwork& art = App().Art();
    // The frames come from the clip's own library; the module's section
    // module comes back afterwards.
    art.LoadSectionModule(clip.library);
    frames_.clear();
    frames_.resize(static_cast<size_t>(clip.frames));
    for (int i = 0; i < clip.frames; ++i)
        art.LoadBitmapByName(frames_[static_cast<size_t>(i)], clip.prefix + std::to_string(i + 1));
    art.LoadSectionModule(ModuleArtOf(module_).sectionModule);
}

void ModuleIntro::ReadNextTip()
{
    const ModuleInfoRow& info = ModuleInfo(module_);
    int& counter = tipCounters_[static_cast<size_t>(module_)];
    counter = (counter + 1) % info.tipCount;
    tip_ = ReadLineList(ContentFilePath("facts\\", info.tipName + std::to_string(counter + 1) + ".txt"),
                        kTipLines);
    typed_ = 0;
}

size_t ModuleIntro::TipLength() const
{
    size_t length = 0;
    for (const std::string& line : tip_)
        length += line.size();
    return length;
}

Point ModuleIntro::TipOrigin() const
{
    const PresenterClip& clip = CurrentClip();
    return {clip.tipX, clip.tipY + (tip_.size() < kShortTip ? kShortTipDrop : 0)};
}

void ModuleIntro::DrawFrame(Dc& dc)
{
    const PresenterClip& clip = CurrentClip();
    const size_t index = static_cast<size_t>(std::clamp(frame_, 0, clip.frames - 1));
    if (index < frames_.size())
        App().Art().DrawBitmap(dc, frames_[index], clip.frameX, clip.frameY);
}

void ModuleIntro::DrawTip(Dc& dc, size_t characters)
{
    dc.SelectFont(kTipFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    const Point origin = TipOrigin();
    for (size_t i = 0; i < tip_.size() && characters > 0; ++i) {
        const size_t n = std::min(characters, tip_[i].size());
        dc.TextOut(origin.x, origin.y + kTipLineStep * static_cast<int>(i), tip_[i].substr(0, n));
        characters -= n;
    }
}

void ModuleIntro::DrawCharacter(size_t index)
{
    const Point origin = TipOrigin();
    for (size_t line = 0; line < tip_.size(); ++line) {
        if (index >= tip_[line].size()) {
            index -= tip_[line].size();
            continue;
        }
        ClientDc dc(this);
        dc.SelectFont(kTipFont);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 0));
        const int x = origin.x + dc.GetTextExtent(tip_[line].substr(0, index)).cx;
        dc.TextOut(x, origin.y + kTipLineStep * static_cast<int>(line), tip_[line].substr(index, 1));
        return;
    }
}

void ModuleIntro::OnPaint(Dc& dc)
{
    App().Windows().video->SetMedia("");
    App().Art().DrawModuleBackground(dc);
    DrawHeading(dc, "Introduction");
    EnableNav(false, false, false, false);
    dc.SelectFont(kOverviewFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    const std::vector<std::string>& overview = kOverviews[module_];
    for (size_t i = 0; i < overview.size(); ++i)
        dc.TextOut(kOverviewPlace.x, kOverviewPlace.y + kOverviewStep * static_cast<int>(i), overview[i]);
    if (running_) {
        DrawFrame(dc);
        DrawTip(dc, typed_);
    }
}

void ModuleIntro::OnTimer(UINT id)
{
    if (id == kRotationTimer) {
        ReadNextTip();
        {
            ClientDc dc(this);
            DrawFrame(dc);
        }
        typing_ = true;
        SetTimer(kFrameTimer, kRotationTypingMs);
        return;
    }
    if (id != kFrameTimer)
        return;
    if (!typing_) {
        if (frame_ + 1 < CurrentClip().frames) {
            ++frame_;
            ClientDc dc(this);
            DrawFrame(dc);
            return;
        }
        // The animation is over: the tip is typed next.
        typing_ = true;
        SetTimer(kFrameTimer, kFirstTypingMs);
        SetTimer(kRotationTimer, kRotationMs);
        return;
    }
    if (typed_ >= TipLength()) {
        KillTimer(kFrameTimer);
        return;
    }
    DrawCharacter(typed_);
    ++typed_;
    PlayProgramSound("type", SND_ASYNC);
    if (typed_ >= TipLength())
        KillTimer(kFrameTimer);
}
