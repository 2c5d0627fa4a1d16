// The picture main menu: the five modules and the exit, each with a preview
// picture shown while the pointer rests on it.
#pragma once

#include "kit/ImageButton.h"
#include "platform/Bitmap.h"
#include "platform/Window.h"

#include <array>
#include <string>

class MainMenu : public platform::Window {
public:
    static constexpr int kItems = 7;
    static constexpr int kExitItem = 7;
    static constexpr int kBadgeItem = 6; // a picture only

    explicit MainMenu(platform::Window* view);

    // Covers the frame's client area.
    void FitToFrame();
    // The next paint gives the keyboard focus back to the main window.
    void ClearFocusMark() { focusTaken_ = false; }
    // Fills the menu with white (before a module or the exit screen comes).
    void ClearToWhite();
    const ImageButton& Item(int item) const { return items_[static_cast<size_t>(item - 1)]; }
    int Preview() const { return preview_; }
    const platform::Bitmap& Background() const { return background_; }
    // The section module of the module entered last.
    const std::string& SectionModule() const { return sectionModule_; }

protected:
    void OnShowWindow(bool show) override;
    void OnPaint(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    void OnLButtonDblClk(platform::UINT flags, platform::Point point) override;
    void OnRButtonDown(platform::UINT flags, platform::Point point) override;

private:
    int ItemAt(platform::Point p) const;
    void DrawPreview(platform::Dc& dc);
    void Choose(int item);

    std::array<ImageButton, kItems> items_;
    std::array<platform::Bitmap, 6> previews_;
    std::array<bool, 6> previewRead_{};
    platform::Bitmap background_;
    int preview_ = 6; // 1 to 6; 6 when no item is under the pointer
    bool focusTaken_ = false;
    bool paintedOnce_ = false;
    std::string sectionModule_;
};
