#include "app/SideButtons.h"

#include "kit/Modules.h"

#include <string>

namespace {

// Bitmap name prefix by module.
constexpr const char* kPrefixes[] = {"IDB_FIN", "IDB_MAN", "IDB_cre", "IDB_PL", "IDB_how"};

// Which modules show each button: bit m set for module m.
constexpr unsigned kLearning = 0b01111; // modules 0 to 3
constexpr unsigned kAll = 0b11111;      // modules 0 to 4
constexpr unsigned kShownIn[SideButtons::kCount] = {
    kLearning, kLearning, kLearning,
    0b01110, // section 4: financial attitudes has three sections
    kAll,      kAll,      kAll,
    0, // never placed
    kLearning, kLearning,
};

constexpr int kColumnTop = 97;   // buttons 0 to 3 stack from here
constexpr int kLowerTop = 349;   // buttons 4 to 6 stack from here
constexpr int kWebBoxWidth = 75; // button 6 reacts to this box
constexpr int kWebBoxHeight = 66;
constexpr int kTopTenX = 478;
constexpr int kVideoX = 553;

} // namespace

void SideButtons::Build(int module)
{
    module_ = module;
    int columnY = kColumnTop;
    int lowerY = kLowerTop;
    for (int i = 0; i < kCount; ++i) {
        ImageButton& b = buttons_[static_cast<size_t>(i)];
        b.Release();
        b.SetState(ImageButton::Normal);
        b.SetPressed(false);
        if (!IsDrawn(i))
            continue;
        const std::string name = kPrefixes[module] + std::to_string(i + 1);
        b.LoadStates(name + "OVR", name + "SEL", name + "OFF");
        if (i == kTopTen || i == kVideo) {
            b.LoadState(ImageButton::New, name + "new");
            b.LoadState(ImageButton::NewOver, name + "snw");
            b.SetPosition(i == kTopTen ? kTopTenX : kVideoX, 0);
        } else if (i <= 3) {
            b.SetPosition(0, columnY);
            columnY += b.Height();
        } else {
            b.SetPosition(0, lowerY);
            lowerY += b.Height();
            if (i == 6)
                b.SetSize(kWebBoxWidth, kWebBoxHeight);
        }
    }
    buttons_[0].SetState(ImageButton::Pressed);
}

bool SideButtons::IsDrawn(int index) const
{
    return module_ >= ModuleAttitudes && module_ <= ModuleHelp && (kShownIn[index] >> module_) & 1u;
}

bool SideButtons::IsActive(int index, bool videoSet) const
{
    return IsDrawn(index) && (index != kVideo || videoSet);
}

int SideButtons::HitTest(int x, int y, bool videoSet) const
{
    for (int i = 0; i < kCount; ++i) {
        if (IsActive(i, videoSet) && buttons_[static_cast<size_t>(i)].HitTest(x, y))
            return i;
    }
    return -1;
}

void SideButtons::Draw(platform::Dc& dc)
{
    for (int i = 0; i < kCount; ++i) {
        if (IsDrawn(i))
            buttons_[static_cast<size_t>(i)].Draw(dc, 0);
    }
}
