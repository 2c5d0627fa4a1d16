// Loading the current module's own art once its section module is in place:
// the navigation-bar pictures and the background behind its pages.
#pragma once

void LoadModuleArt();
