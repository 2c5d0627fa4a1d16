// The ten side buttons of a module screen: the left column (introduction,
// sections, main menu, exit, web page) and the top band (top ten, video).
// They are rebuilt each time a module is entered.
#pragma once

#include "kit/ImageButton.h"

#include <array>

class SideButtons {
public:
    static constexpr int kCount = 10;
    static constexpr int kTopTen = 8;
    static constexpr int kVideo = 9;

    // Loads the buttons of `module` from its section module and places them;
    // index 0 starts selected.
    void Build(int module);
    int Module() const { return module_; }

    // Whether button `index` is drawn / reacts at all in the current module
    // (the video button reacts only while `videoSet`).
    bool IsDrawn(int index) const;
    bool IsActive(int index, bool videoSet) const;
    // The first active button under the point, or -1.
    int HitTest(int x, int y, bool videoSet) const;

    ImageButton& operator[](int index) { return buttons_[static_cast<size_t>(index)]; }
    void Draw(platform::Dc& dc);

private:
    std::array<ImageButton, kCount> buttons_;
    int module_ = -1;
};
