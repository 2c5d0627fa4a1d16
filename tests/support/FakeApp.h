// An application object for tests of the kit and the pages: it holds the
// program-wide state in plain members and a view window of 640x480.
#pragma once

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "platform/Window.h"

#include <memory>

class FakeApp : public AppServices {
public:
    // `dataDirectory` ends in a separator; the view is created hidden.
    explicit FakeApp(std::string dataDirectory = {});
    ~FakeApp() override;

    std::string DataPath(const std::string& name) const override { return dataDirectory + name; }
    std::string ContentPath() const override { return contentLocation + "\\"; }
    bool IsContentDiscPresent() const override { return discPresent; }
    CFinData* SharedRecord() const override { return nullptr; }
    bool GetDetailedAnalysis() const override { return detailed; }
    void SetDetailedAnalysis(bool d) override { detailed = d; }
    bool GetDiscDeclined() const override { return discDeclined; }
    void SetDiscDeclined(bool d) override { discDeclined = d; }
    bool GetExiting() const override { return exiting; }
    void SetExiting(bool e) override { exiting = e; }
    bool GetIconic() const override { return iconic; }
    void SetIconic(bool i) override { iconic = i; }
    int GetCurrentModule() const override { return module; }
    void SetCurrentModule(int m) override { module = m; }
    int GetPreviousModule() const override { return previousModule; }
    void SetPreviousModule(int m) override { previousModule = m; }
    Artwork& Art() override { return art; }
    NavBar& Nav() override { return nav; }
    platform::Window* MainWindow() const override { return view.get(); }
    platform::Window* View() const override { return view.get(); }
    VideoWindow* Video() const override { return video; }
    TopTenWindow* TopTen() const override { return topTen; }
    Calculator* Calc() const override { return calculator; }
    platform::Window* CalculatorWindow() const override;
    bool GetCalculatorOpen() const override { return calculatorOpen; }
    void SetCalculatorOpen(bool open) override { calculatorOpen = open; }
    bool AskForDisc() override
    {
        ++discRequests;
        return discAnswer;
    }
    DetailedWorksheet* DetailPage() const override { return detail; }
    platform::Window* FactsWindow() const override { return nullptr; }
    std::string CurrentMediaName() const override { return mediaName; }
    bool PageWindowsExist() const override { return true; }

    std::string dataDirectory;
    std::string contentLocation;
    bool discPresent = false;
    bool detailed = false;
    bool discDeclined = false;
    bool exiting = false;
    bool iconic = false;
    int module = ModuleMoney;
    int previousModule = ModuleMainMenu;
    NavBar nav;
    Artwork art{nav};
    std::unique_ptr<platform::Window> view;
    VideoWindow* video = nullptr;
    TopTenWindow* topTen = nullptr;
    Calculator* calculator = nullptr;
    bool calculatorOpen = false;
    bool discAnswer = false; // what the no-disc screen answers
    int discRequests = 0;
    DetailedWorksheet* detail = nullptr;
    std::string mediaName;
};
