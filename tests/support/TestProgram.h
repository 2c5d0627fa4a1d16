// The program as the tests run it: the real application object, whose
// program folder is a temporary copy of the built one (links to its packs,
// texts and sounds), so that the saved-work file of each test is its own.
#pragma once

#include "app/CFinApp.h"
#include "data/FinRecord.h"
#include "tests/support/Recorders.h"

#include <QTemporaryDir>
#include <set>
#include <string>

class ProgramFolder {
public:
    // Links every entry of the built program folder except those named in
    // `omit` (paths relative to the folder, e.g. "facts/finsign2.txt").
    explicit ProgramFolder(const std::set<std::string>& omit = {});
    std::string Path() const { return dir_.path().toStdString() + "/"; }
    std::string SavedWorkFile() const { return Path() + "findata.zem"; }
    // The saved-work file read byte by byte into the record's layout; a
    // file of another size fails the test.
    FinRecord SavedRecord() const;

private:
    QTemporaryDir dir_;
};

// While it exists, the programs the tests start treat their program folder
// as one the user cannot write, as an installed program's is, whatever the
// rights of the user running the tests.
class ReadOnlyProgramFolder {
public:
    ReadOnlyProgramFolder();
    ~ReadOnlyProgramFolder();
    ReadOnlyProgramFolder(const ReadOnlyProgramFolder&) = delete;
    ReadOnlyProgramFolder& operator=(const ReadOnlyProgramFolder&) = delete;
    static bool Active();
};

class TestApp : public CFinApp {
public:
    explicit TestApp(const ProgramFolder& folder) : folder_(folder) {}

protected:
    std::string ProgramFile() const override { return folder_.Path() + "fiscova"; }
    SavedWorkFolder ChooseWorkFolder() const override;

private:
    const ProgramFolder& folder_;
};

// A started program in its own settings and program folder, with the disc
// of this build registered (or none) and the main menu up.
class RunningProgram {
public:
    explicit RunningProgram(bool disc = true, const std::set<std::string>& omit = {});
    ~RunningProgram();

    TestApp& app() { return app_; }
    CFinView& view();
    // Clicks main-menu item 1 to 5 and waits until the module's first page
    // (its introduction, or the credits of contact and help) shows.
    void EnterFromMenu(int item);
    const ProgramFolder& folder() const { return folder_; }
    IsolatedEnvironment& environment() { return env_; }

private:
    IsolatedEnvironment env_;
    ProgramFolder folder_;
    TestApp app_;
};
