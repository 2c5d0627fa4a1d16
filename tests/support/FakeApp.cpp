#include "tests/support/FakeApp.h"

#include "kit/Calculator.h"

FakeApp::FakeApp(std::string dir) : dataDirectory(std::move(dir)), view(std::make_unique<platform::Window>())
{
    view->MoveWindow(0, 0, 640, 480);
    SetApp(this);
}

FakeApp::~FakeApp()
{
    view.reset();
    ClearApp(this);
}

platform::Window* FakeApp::CalculatorWindow() const
{
    return calculator;
}
