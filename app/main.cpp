#include "app/CFinApp.h"
#include "app/CMainFrame.h"

int main(int argc, char** argv)
{
    platform::GuiSession session(argc, argv, {kClientWidth, kClientHeight});
    CFinApp app;
    return app.Run();
}
