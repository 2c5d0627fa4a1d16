// The application object: start-up and end of the program, the places it
// reads files from, the program-wide flags and the windows shared by all
// modules.
#pragma once

#include "app/SavedWorkFolder.h"
#include "kit/ApplicationBase.h"
#include "kit/Calculator.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "platform/Framework.h"

#include <memory>
#include <string>

class CFinData;
class DetailPanel;
class CMainFrame;
class CFinView;

namespace platform {
class InstanceGuard;
}

class CFinApp : public platform::CWinApp, public ApplicationBase {
public:
    CFinApp();
    ~CFinApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    CMainFrame* MainFrame() const;
    CFinView* FinView() const;

    // ProgramPlaces
    std::string DataPath(const std::string& name) const override;
    std::string WorkPath(const std::string& name) const override;
    std::string ContentPath() const override;
    bool IsContentDiscPresent() const override;
    bool AskForDisc() override;

    // The directory of the program file, ending in a separator.
    const std::string& DataDirectory() const { return dataDirectory_; }
    // Where the saved-work file and the plan are kept: the data directory
    // when the user can write there, otherwise the user's own data folder.
    const std::string& WorkDirectory() const { return workDirectory_; }
    const std::string& ContentLocation() const { return contentLocation_; }

protected:
    // The full path of the program file; its folder is the data directory.
    virtual std::string ProgramFile() const { return ModuleFileName(); }
    // Chooses the saved-work folder for the data directory.
    virtual SavedWorkFolder ChooseWorkFolder() const;

private:
    void RestoreMainWindow();

    std::unique_ptr<platform::InstanceGuard> guard_;
    std::string dataDirectory_;
    std::string workDirectory_;
    bool workWritable_ = true;
    std::string contentLocation_;
    std::unique_ptr<platform::CSingleDocTemplate> docTemplate_;
    std::unique_ptr<VideoWindow> videoWindow_;
    std::unique_ptr<TopTenWindow> topTenWindow_;
    std::unique_ptr<platform::Window> factsWindow_;
    std::unique_ptr<DetailPanel> detailPanel_;
    std::unique_ptr<Calculator> calculator_;
    std::unique_ptr<CFinData> sharedRecord_;
};
