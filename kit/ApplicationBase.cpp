#include "kit/ApplicationBase.h"

#include "kit/Calculator.h"
#include "kit/VideoWindow.h"

ApplicationBase::ApplicationBase()
{
    // A press on the navigation bar first closes what pops up over pages.
    nav_.SetPopupHooks([this] { return windows_.video && windows_.video->IsWindowVisible(); },
                       [] {
                           DismissVideo();
                           DismissCalculator();
                       });
}
