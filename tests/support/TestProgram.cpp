#include "tests/support/TestProgram.h"

#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ModuleIntro.h"
#include "app/TextPage.h"
#include "platform/Files.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

ProgramFolder::ProgramFolder(const std::set<std::string>& omit)
{
    const QDir built(FISCOVA_PROGRAM_DIR);
    const QDir here(dir_.path());
    for (const QString& entry : built.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry == "findata.zem" || omit.count(entry.toStdString()))
            continue;
        const QFileInfo info(built.filePath(entry));
        if (!info.isDir()) {
            QFile::link(info.absoluteFilePath(), here.filePath(entry));
            continue;
        }
        // Folders are made anew so that single files can be left out.
        here.mkdir(entry);
        const QDir sub(info.absoluteFilePath());
        for (const QString& file : sub.entryList(QDir::Files)) {
            if (!omit.count((entry + "/" + file).toStdString()))
                QFile::link(sub.filePath(file), here.filePath(entry + "/" + file));
        }
    }
}

namespace {

bool g_readOnlyProgramFolder = false;

} // namespace

ReadOnlyProgramFolder::ReadOnlyProgramFolder()
{
    g_readOnlyProgramFolder = true;
}

ReadOnlyProgramFolder::~ReadOnlyProgramFolder()
{
    g_readOnlyProgramFolder = false;
}

bool ReadOnlyProgramFolder::Active()
{
    return g_readOnlyProgramFolder;
}

SavedWorkFolder TestApp::ChooseWorkFolder() const
{
    if (ReadOnlyProgramFolder::Active())
        return UserWorkFolder(DataDirectory(), platform::UserDataHome());
    return CFinApp::ChooseWorkFolder();
}

FinRecord ProgramFolder::SavedRecord() const
{
    const std::string bytes = ReadFileBytes(SavedWorkFile());
    FinRecord record{};
    EXPECT_EQ(bytes.size(), sizeof(FinRecord));
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof(FinRecord)));
    return record;
}

RunningProgram::RunningProgram(bool disc, const std::set<std::string>& omit) : folder_(omit), app_(folder_)
{
    if (disc)
        env_.WriteRegistry(FISCOVA_DISC_DIR);
    EXPECT_TRUE(app_.InitInstance());
}

RunningProgram::~RunningProgram()
{
    app_.ExitInstance();
}

CFinView& RunningProgram::view()
{
    return *app_.FinView();
}

void RunningProgram::EnterFromMenu(int item)
{
    Driver(*app_.MainFrame()).Click(places::kMenuItemX, places::MenuItemY(item));
    const auto firstPageShows = [&] {
        const platform::Window* first =
            item == 5 ? static_cast<platform::Window*>(view().Text()) : view().Intro();
        return first && first->IsWindowVisible();
    };
    EXPECT_TRUE(Driver::Until(firstPageShows)) << "menu item " << item;
}
