// The application object: start-up and end of the program, the places it
// reads files from, the program-wide flags and the windows shared by all
// modules.
#pragma once

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/Calculator.h"
#include "kit/NavBar.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
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
    CFinView* FinView() const;

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
    int GetPreviousModule() const override { return previousModule_; }
    void SetPreviousModule(int module) override { previousModule_ = module; }
    Artwork& Art() override { return artwork_; }
    NavBar& Nav() override { return navBar_; }
    platform::Window* MainWindow() const override;
    platform::Window* View() const override;
    VideoWindow* Video() const override { return videoWindow_.get(); }
    TopTenWindow* TopTen() const override { return topTenWindow_.get(); }
    Calculator* Calc() const override { return calculator_.get(); }
    platform::Window* CalculatorWindow() const override;
    bool GetCalculatorOpen() const override { return calculatorOpen_; }
    void SetCalculatorOpen(bool open) override { calculatorOpen_ = open; }
    bool AskForDisc() override;
    DetailedWorksheet* DetailPage() const override { return detailPage_; }
    platform::Window* FactsWindow() const override { return factsWindow_.get(); }
    std::string CurrentMediaName() const override;
    bool PageWindowsExist() const override { return detailPageCreated_; }
    // The detailed-worksheet panel, once it exists.
    void SetDetailPage(DetailedWorksheet* page) { detailPage_ = page; }

    // The directory of the program file, ending in a separator.
    const std::string& DataDirectory() const { return dataDirectory_; }
    const std::string& ContentLocation() const { return contentLocation_; }

protected:
    // The full path of the program file; its folder is the data directory.
    virtual std::string ProgramFile() const { return ModuleFileName(); }

private:
    void RestoreMainWindow();

    std::unique_ptr<platform::InstanceGuard> guard_;
    NavBar navBar_;
    Artwork artwork_{navBar_};
    std::string dataDirectory_;
    std::string contentLocation_;
    std::unique_ptr<platform::CSingleDocTemplate> docTemplate_;
    std::unique_ptr<VideoWindow> videoWindow_;
    std::unique_ptr<TopTenWindow> topTenWindow_;
    std::unique_ptr<platform::Window> factsWindow_;
    std::unique_ptr<Calculator> calculator_;
    bool calculatorOpen_ = false;
    std::unique_ptr<CFinData> sharedRecord_;
    DetailedWorksheet* detailPage_ = nullptr;
    bool detailPageCreated_ = false;
    bool detailedAnalysis_ = false;
    bool discDeclined_ = false;
    bool iconic_ = false;
    bool exiting_ = false;
    int currentModule_ = ModuleMoney;
    int previousModule_ = ModuleMainMenu;
};
