// The application object as the kit and the pages see it, in the parts its
// users need: where the program's files are and whether the disc is there
// (ProgramPlaces), the program-wide flags (ProgramFlags), the windows shared
// by all modules (SharedWindows), and the artwork services and navigation
// bar that every page draws with. ApplicationBase holds them for the
// application object in app/ and for the tests; App() reaches it.
#pragma once

#include "kit/Modules.h"

#include <string>

class Artwork;
class Calculator;
class CFinData;
class DetailPanel;
class NavBar;
class TopTenWindow;
class VideoWindow;

namespace platform {
class Window;
}

// Where the program's files are. The application answers from the program
// file's folder and the registry; tests answer from folders of their own.
class ProgramPlaces {
public:
    virtual ~ProgramPlaces() = default;
    // Data directory + name (the data directory ends in a separator).
    virtual std::string DataPath(const std::string& name) const = 0;
    // Saved-work folder + name (the folder ends in a separator): where the
    // files the program writes for the user are kept.
    virtual std::string WorkPath(const std::string& name) const = 0;
    // Content location + "\".
    virtual std::string ContentPath() const = 0;
    // True when "fileid.txt" can be opened at the content location.
    virtual bool IsContentDiscPresent() const = 0;
    // Shows the no-disc screen modally; true when it ends with OK (the disc
    // is there).
    virtual bool AskForDisc() = 0;
};

struct ProgramFlags {
    bool detailedAnalysis = false; // the net-worth worksheets ask for sub-items
    bool discDeclined = false;
    bool exiting = false;
    bool iconic = false;
    bool calculatorOpen = false; // the calculator is open for a money field
    int currentModule = ModuleMoney;
    int previousModule = ModuleMainMenu; // where the exit screen returns to
};

// Each pointer is null until its window exists.
struct SharedWindows {
    platform::Window* mainWindow = nullptr; // the main frame
    platform::Window* view = nullptr;
    VideoWindow* video = nullptr;
    TopTenWindow* topTen = nullptr;
    Calculator* calculator = nullptr;
    DetailPanel* detailPanel = nullptr;
    platform::Window* facts = nullptr;
    CFinData* record = nullptr; // the shared record
    // True once the windows shared by all modules have been created.
    bool Created() const { return topTen != nullptr; }
};

class AppServices : public ProgramPlaces {
public:
    virtual ProgramFlags& Flags() = 0;
    virtual SharedWindows& Windows() = 0;
    // The bitmap and palette services.
    virtual Artwork& Art() = 0;
    // The navigation bar shared by all pages.
    virtual NavBar& Nav() = 0;
};

// The one application object.
AppServices& App();
// Set by the application object when it is made, cleared when it ends.
void SetApp(AppServices* app);
void ClearApp(AppServices* app);
