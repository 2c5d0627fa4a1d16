#include "kit/ModuleArtLoading.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ModuleArt.h"
#include "kit/NavBar.h"

void LoadModuleArt()
{
    const int module = App().Flags().currentModule;
    if (const char* stem = ModuleArtOf(module).navStem)
        App().Nav().LoadBitmaps(stem, module == ModuleHelp);
    App().Art().LoadModuleBackground();
}
