#include "app/CFinApp.h"

int main(int argc, char** argv)
{
    platform::GuiSession session(argc, argv);
    CFinApp app;
    return app.Run();
}
