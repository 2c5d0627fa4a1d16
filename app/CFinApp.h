// The application object: start-up and end of the program, the places it
// reads files from, the program-wide flags and the windows shared by all
// modules.
#pragma once

#include "kit/AppServices.h"
#include "platform/Framework.h"

#include <memory>
#include <string>

class CFinData;
class CMainFrame;
class CFinView;

namespace platform {
class InstanceGuard;
}

class CFinApp : public platform::CWinApp, public AppServices {
public:
    CFinApp();
    ~CFinApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    CMainFrame* MainFrame() const;
    CFinView* View() const;
    // The window that is created hidden and only ever hidden again.
    platform::Window* FactsWindow() const { return factsWindow_.get(); }

    // AppServices
    std::string DataPath(const std::string& name) const override;
    std::string ContentPath() const override;
    bool IsContentDiscPresent() const override;
    CFinData* SharedRecord() const override { return sharedRecord_.get(); }
    bool GetDetailedAnalysis() const override { return detailedAnalysis_; }
    void SetDetailedAnalysis(bool detailed) override { detailedAnalysis_ = detailed; }
    bool GetDiscDeclined() const override { return discDeclined_; }
    void SetDiscDeclined(bool declined) override { discDeclined_ = declined; }
    bool GetExiting() const override { return exiting_; }
    void SetExiting(bool exiting) override { exiting_ = exiting; }
    bool GetIconic() const override { return iconic_; }
    void SetIconic(bool iconic) override { iconic_ = iconic; }
    int GetCurrentModule() const override { return currentModule_; }
    void SetCurrentModule(int module) override { currentModule_ = module; }

    // The directory of the program file, ending in a separator.
    const std::string& DataDirectory() const { return dataDirectory_; }
    const std::string& ContentLocation() const { return contentLocation_; }

private:
    void RestoreMainWindow();

    std::unique_ptr<platform::InstanceGuard> guard_;
    std::string dataDirectory_;
    std::string contentLocation_;
    std::unique_ptr<platform::CSingleDocTemplate> docTemplate_;
    std::unique_ptr<platform::Window> factsWindow_;
    std::unique_ptr<CFinData> sharedRecord_;
    bool detailedAnalysis_ = false;
    bool discDeclined_ = false;
    bool iconic_ = false;
    bool exiting_ = false;
    int currentModule_ = ModuleMoney;
};
