// The application object as the kit and the pages see it: where the
// program's files are, the program-wide flags and the current module.
// The application object in app/ implements it; App() reaches it.
#pragma once

#include "kit/Modules.h"

#include <string>

class Artwork;
class Calculator;
class CFinData;
class DetailedWorksheet;
class NavBar;
class TopTenWindow;
class VideoWindow;

namespace platform {
class Window;
}

class AppServices {
public:
    virtual ~AppServices() = default;

    // Data directory + name (the data directory ends in a separator).
    virtual std::string DataPath(const std::string& name) const = 0;
    // Content location + "\".
    virtual std::string ContentPath() const = 0;
    // True when "fileid.txt" can be opened at the content location.
    virtual bool IsContentDiscPresent() const = 0;
    // The shared record (null before start-up ends and after exit).
    virtual CFinData* SharedRecord() const = 0;

    virtual bool GetDetailedAnalysis() const = 0;
    virtual void SetDetailedAnalysis(bool detailed) = 0;
    virtual bool GetDiscDeclined() const = 0;
    virtual void SetDiscDeclined(bool declined) = 0;
    virtual bool GetExiting() const = 0;
    virtual void SetExiting(bool exiting) = 0;
    virtual bool GetIconic() const = 0;
    virtual void SetIconic(bool iconic) = 0;
    virtual int GetCurrentModule() const = 0;
    virtual void SetCurrentModule(int module) = 0;
    // The module to return to from the exit screen.
    virtual int GetPreviousModule() const = 0;
    virtual void SetPreviousModule(int module) = 0;

    // The bitmap and palette services.
    virtual Artwork& Art() = 0;
    // The navigation bar shared by all pages.
    virtual NavBar& Nav() = 0;
    // The main frame and the main view (null before they exist).
    virtual platform::Window* MainWindow() const = 0;
    virtual platform::Window* View() const = 0;
    // The windows shared by all modules (null before they exist).
    virtual VideoWindow* Video() const = 0;
    virtual TopTenWindow* TopTen() const = 0;
    virtual Calculator* Calc() const = 0;
    virtual platform::Window* CalculatorWindow() const = 0;
    virtual DetailedWorksheet* DetailPage() const = 0;
    virtual platform::Window* FactsWindow() const = 0;
    // Set while the calculator is open for a money field.
    virtual bool GetCalculatorOpen() const = 0;
    virtual void SetCalculatorOpen(bool open) = 0;
    // Shows the no-disc screen modally; true when it ends with OK (the disc
    // is there).
    virtual bool AskForDisc() = 0;
    // The media item the page on screen offers ("" when none).
    virtual std::string CurrentMediaName() const = 0;
    // True once the shared page windows have been created.
    virtual bool PageWindowsExist() const = 0;
};

// The one application object.
AppServices& App();
// Set by the application object when it is made, cleared when it ends.
void SetApp(AppServices* app);
void ClearApp(AppServices* app);
