#include "kit/AppServices.h"

#include <cassert>

namespace {

AppServices* g_app = nullptr;

} // namespace

AppServices& App()
{
    assert(g_app && "the application object does not exist");
    return *g_app;
}

void SetApp(AppServices* app)
{
    g_app = app;
}

void ClearApp(AppServices* app)
{
    if (g_app == app)
        g_app = nullptr;
}
