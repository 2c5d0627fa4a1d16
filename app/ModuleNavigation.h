// Moving between modules: the main menu, entering a module (its page sets,
// frame artwork and side buttons), hiding the pages, and the exit screen
// with the way back from it.
#pragma once

#include "platform/Bitmap.h"

#include <memory>

class ExitScreen;
class MainMenu;
class PageSets;
class SideButtonBar;

namespace platform {
class Window;
}

class ModuleNavigation {
public:
    ModuleNavigation(platform::Window& view, PageSets& pages, SideButtonBar& sideBar);
    ~ModuleNavigation();

    // Made at the view's first update.
    void CreateMainMenu();
    MainMenu* Menu() const { return mainMenu_.get(); }
    // Null until the exit screen was first shown.
    ExitScreen* Exit() const { return exitScreen_.get(); }

    void ShowMainMenu();
    // Enters the current module.
    void EnterModule();
    void ShowExitScreen();
    // Leaves the exit screen for the module it was called from.
    void ReturnFromExit();

    // The current module's frame artwork, which the view draws around the
    // page area.
    const platform::Bitmap& FrameArt() const { return frameArt_; }

    // Hides the pop-up windows and every page.
    void HidePages();
    // Hides the module introduction if it is on screen.
    void CloseIntro();

    // The program came to the foreground; the palette changed; the main
    // window moved.
    void OnActivate();
    void OnPaletteChanged();
    void OnMoved();

private:
    void ClearToWhite();
    void LoadFrameArtwork();

    platform::Window& view_;
    PageSets& pages_;
    SideButtonBar& sideBar_;
    std::unique_ptr<MainMenu> mainMenu_;
    std::unique_ptr<ExitScreen> exitScreen_;
    platform::Bitmap frameArt_;
};
