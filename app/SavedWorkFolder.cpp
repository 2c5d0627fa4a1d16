#include "app/SavedWorkFolder.h"

#include "data/CFinData.h"
#include "kit/ContentFiles.h"
#include "platform/Files.h"

#include <cstdio>

using namespace platform;

namespace {

constexpr char kUserFolder[] = "/fiscova/";
constexpr char kDataFolder[] = "data";

std::string PlanIn(const std::string& folder)
{
    return folder + kPlanFolder + kPlanFile;
}

bool Writable(const std::string& folder)
{
    return FolderWritable(folder) && FolderWritable(folder + kDataFolder);
}

// Copies the work a writable program folder once kept, when the user's
// folder has none of its own.
void CarryOverEarlierWork(const std::string& programFolder, const std::string& userFolder)
{
    if (FileReadable(userFolder + kSavedWorkFileName) || !FileReadable(programFolder + kSavedWorkFileName))
        return;
    // The plan first: a saved-work file in the user's folder is what marks
    // the move as done.
    if (FileReadable(PlanIn(programFolder)))
        CopyFileAtomically(PlanIn(programFolder), PlanIn(userFolder));
    CopyFileAtomically(programFolder + kSavedWorkFileName, userFolder + kSavedWorkFileName);
}

} // namespace

SavedWorkFolder ChooseSavedWorkFolder(const std::string& programFolder, const std::string& userDataHome)
{
    if (ProgramFolderKeepsWork(programFolder))
        return {programFolder, true};
    return UserWorkFolder(programFolder, userDataHome);
}

bool ProgramFolderKeepsWork(const std::string& programFolder)
{
    if (!Writable(programFolder))
        return false;
    const std::string saved = programFolder + kSavedWorkFileName;
    if (!FileReadable(saved))
        return true;
    std::FILE* file = OpenFile(saved, "r+b");
    if (file)
        std::fclose(file);
    return file != nullptr;
}

SavedWorkFolder UserWorkFolder(const std::string& programFolder, const std::string& userDataHome)
{
    if (userDataHome.empty())
        return {programFolder, false};
    const std::string userFolder = userDataHome + kUserFolder;
    if (!MakeFolders(userFolder + kDataFolder) || !Writable(userFolder))
        return {userFolder, false};
    CarryOverEarlierWork(programFolder, userFolder);
    return {userFolder, true};
}
