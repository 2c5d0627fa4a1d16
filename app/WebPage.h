// Opens a page in the user's web browser (or a file with its program), and
// tells the user when there is no browser to open it.
#pragma once

#include <string>

void OpenWebPage(const std::string& path);
