#include "tests/support/FakeApp.h"

FakeApp::FakeApp(std::string dir) : dataDirectory(std::move(dir))
{
    SetView(std::make_unique<platform::Window>());
    SetApp(this);
}

void FakeApp::SetView(std::unique_ptr<platform::Window> window)
{
    view = std::move(window);
    view->MoveWindow(0, 0, 640, 480);
    Windows().view = view.get();
    Windows().mainWindow = view.get();
}

FakeApp::~FakeApp()
{
    Windows() = SharedWindows{};
    view.reset();
    ClearApp(this);
}
