// The exercises as the tests go through them: a running program entered at
// a module's section, its chooser's choices and the navigation bar clicked
// as a user clicks them, and the saved-work file read back field by field.
#pragma once

#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "app/PageSets.h"
#include "data/FinRecord.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"
#include "tests/support/Recorders.h"
#include "tests/support/TestProgram.h"

#include <QPoint>
#include <gtest/gtest.h>
#include <set>
#include <string>

class FEdit;

class ExerciseTest : public ::testing::Test {
protected:
    // A program whose folder leaves out the entries named in `omit`.
    explicit ExerciseTest(const std::set<std::string>& omit = {}) : program(true, omit) {}

    // Enters the module of main-menu item `menuItem` and opens the chooser
    // of its section button `section` (0 is the introduction).
    void OpenSection(int menuItem, int section);
    // Clicks choice `choice` of the chooser on screen.
    void Choose(int choice);
    void Click(QPoint p) { drive.Click(p.x(), p.y()); }
    // Clicks a point of the page area, in page coordinates.
    void ClickPage(int x, int y) { drive.Click(places::kPageX + x, places::kPageY + y); }
    // Clicks into a field of the page on screen and types over what it
    // holds; an empty text empties it. The field keeps the focus.
    void TypeInto(FEdit& field, const char* text);
    // The saved-work file as it is now.
    FinRecord SavedBytes() { return program.folder().SavedRecord(); }

    CFinView& view() { return program.view(); }
    template <class Page> Page* Get(PageId id) { return view().Pages().Get<Page>(id); }
    static bool Visible(const platform::Window* w) { return w && w->IsWindowVisible(); }
    // Waits until the page shows.
    static bool Shows(const platform::Window* page)
    {
        return Driver::Until([&] { return Visible(page); });
    }

    MessageBoxRecorder boxes;
    RunningProgram program;
    Driver drive{*program.app().MainFrame()};
};
