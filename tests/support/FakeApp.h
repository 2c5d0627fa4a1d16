// An application object for tests of the kit and the pages: its files are
// in a folder the test names, its disc is there or not as the test says,
// and it has a view window of 640x480. Flags and shared windows are set
// through Flags() and Windows() as the program sets them.
#pragma once

#include "kit/ApplicationBase.h"
#include "platform/Window.h"

#include <memory>

class FakeApp : public ApplicationBase {
public:
    // `dataDirectory` ends in a separator; the view is created hidden.
    explicit FakeApp(std::string dataDirectory = {});
    ~FakeApp() override;

    std::string DataPath(const std::string& name) const override { return dataDirectory + name; }
    std::string WorkPath(const std::string& name) const override { return dataDirectory + name; }
    std::string ContentPath() const override { return contentLocation + "\\"; }
    bool IsContentDiscPresent() const override { return discPresent; }
    bool AskForDisc() override
    {
        ++discRequests;
        return discAnswer;
    }

    // Puts `window` in the place of the view (and of the main window).
    void SetView(std::unique_ptr<platform::Window> window);

    std::string dataDirectory;
    std::string contentLocation;
    bool discPresent = false;
    bool discAnswer = false; // what the no-disc screen answers
    int discRequests = 0;
    std::unique_ptr<platform::Window> view;
};
