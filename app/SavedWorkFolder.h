// Where the user's work is kept: the saved-work file "findata.zem" and the
// emergency plan "data\plan.txt", always side by side. The program folder
// keeps them when the user can write there; otherwise (an installed
// program) they live in the user's own data folder, so that no entry is
// lost to permissions. The course texts stay in the program folder.
#pragma once

#include <string>

struct SavedWorkFolder {
    // The folder, ending in a separator.
    std::string path;
    // False when no file can be written there: the work of this run cannot
    // be kept, and the user is told so.
    bool writable = false;
    bool operator==(const SavedWorkFolder&) const = default;
};

// The saved-work folder for a program folder (ending in a separator) and
// the user's data home ($XDG_DATA_HOME or ~/.local/share; "" when there is
// none): the program folder when it keeps work, otherwise the user's.
SavedWorkFolder ChooseSavedWorkFolder(const std::string& programFolder, const std::string& userDataHome);

// True when the user can keep work in the program folder: files can be
// made there and in its data folder, and a saved-work file already there
// can be written (one that cannot would not load, and would then be
// replaced by an empty one).
bool ProgramFolderKeepsWork(const std::string& programFolder);

// The user's own "fiscova" folder in the data home, made when missing. When
// it holds no saved work yet, the program folder's (from a time it was
// writable) is copied into it first, plan and all, so that the user goes on
// where they left off.
SavedWorkFolder UserWorkFolder(const std::string& programFolder, const std::string& userDataHome);
