// The application object as the kit and the pages see it: where the
// program's files are, the program-wide flags and the current module.
// The application object in app/ implements it; App() reaches it.
#pragma once

#include "kit/Modules.h"

#include <string>

class CFinData;

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
};

// The one application object.
AppServices& App();
// Set by the application object when it is made, cleared when it ends.
void SetApp(AppServices* app);
void ClearApp(AppServices* app);
