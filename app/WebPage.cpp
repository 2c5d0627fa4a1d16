#include "app/WebPage.h"

#include "platform/MessageBox.h"
#include "platform/Shell.h"

void OpenWebPage(const std::string& path)
{
    if (!platform::ShellOpen(path))
        platform::MessageBox("Unable to find your default Web Browser!", {},
                             platform::MB_OK | platform::MB_ICONINFORMATION);
}
