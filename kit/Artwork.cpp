#include "kit/Artwork.h"

#include "kit/AppServices.h"
#include "kit/Modules.h"
#include "kit/NavBar.h"
#include "platform/MessageBox.h"
#include "platform/ResourcePack.h"
#include "platform/Window.h"

using namespace platform;

namespace {

struct ModuleArt {
    const char* referenceBitmap; // holds the module's palette
    const char* background;      // frame artwork; null for modules without
    const char* navStem;         // navigation-bar bitmaps
};

// Indexed by module code.
constexpr ModuleArt kModuleArt[] = {
    {"IDB_fin1ovr", "IDB_fin_bak", "IDB_fin"}, // financial attitudes
    {"IDB_man1ovr", "IDB_Man_bak", "IDB_Man"}, // money management
    {"IDB_cre1ovr", "IDB_CRE_bak", "IDB_CRE"}, // credit
    {"IDB_pl1ovr", "IDB_pl_bak", "IDB_pl"},    // planning
    {"IDB_how6ovr", "IDB_h_bak", "IDB_how"},   // contact and help
    {"IDB_menu3ovr", nullptr, nullptr},        // main menu
    {"IDB_ex_1sel", nullptr, nullptr},         // exit screen
};

const ModuleArt& ArtOf(int module)
{
    return kModuleArt[module >= 0 && module <= ModuleExit ? module : ModuleMainMenu];
}

} // namespace

Artwork::Artwork(NavBar& navBar) : navBar_(navBar) {}

Artwork::~Artwork() = default;

Size Artwork::LoadBitmapByName(Bitmap& bitmap, const std::string& name)
{
    // Only this exact spelling of the calculator icon comes from the
    // program's own resources while a learning module is current.
    const bool own = App().GetCurrentModule() == ModuleMainMenu || name == "idb_calcul";
    if (!LoadPackBitmap(own ? PackSource::Own : PackSource::Module, name, bitmap)) {
        MessageBox("Unable to load " + name, {}, MB_OK);
        return {};
    }
    return bitmap.GetSize();
}

bool Artwork::LoadBitmapAndPalette(const std::string& name, Bitmap& bitmap, Palette& palette)
{
    const bool own = App().GetCurrentModule() == ModuleMainMenu;
    if (!LoadPackBitmap(own ? PackSource::Own : PackSource::Module, name, bitmap)) {
        MessageBox("Get Bitmap&Pal Unable to load " + name, {}, MB_OK);
        return false;
    }
    palette = PaletteForBitmap(bitmap);
    return true;
}

void Artwork::RealizeBitmapPalette(Dc& dc, const std::string& name)
{
    programPalette_.Clear();
    Bitmap reference;
    LoadBitmapAndPalette(name, reference, programPalette_);
    RealizePalette(dc, programPalette_);
}

void Artwork::RealizeModulePalette()
{
    if (programPalette_.IsEmpty())
        return;
    Window* view = App().View();
    if (!view)
        return;
    ClientDc dc(view);
    RealizeBitmapPalette(dc, ArtOf(App().GetCurrentModule()).referenceBitmap);
}

void Artwork::DrawBitmap(Dc& dc, const Bitmap& bitmap, int x, int y)
{
    RealizePalette(dc, programPalette_);
    const Size size = bitmap.GetSize();
    dc.BitBlt(x, y, size.cx, size.cy, bitmap, 0, 0);
}

void Artwork::DrawBitmapPart(Dc& dc, const Bitmap& bitmap, int x, int y, int width, int height, int srcX,
                             int srcY)
{
    RealizePalette(dc, programPalette_);
    dc.BitBlt(x, y, width, height, bitmap, srcX, srcY);
}

void Artwork::DrawTransparentBitmap(Dc& dc, int x, int y, int width, int height, const Bitmap& bitmap,
                                    int srcX, int srcY, COLORREF keyColour)
{
    RealizePalette(dc, programPalette_);
    dc.TransparentBlt(x, y, width, height, bitmap, srcX, srcY, keyColour);
}

void Artwork::DrawModuleBackground(Dc& dc)
{
    DrawBitmap(dc, moduleBackground_, -128, -46);
}

void Artwork::LoadSectionModule(const std::string& fileName, bool keepArt)
{
    FreeModulePack();
    // A module that fails to load is not reported here: every later load
    // from it reports the missing bitmap.
    LoadModulePack(App().DataPath(fileName));
    if (!keepArt)
        LoadModuleArt();
}

void Artwork::LoadModuleArt()
{
    const ModuleArt& art = ArtOf(App().GetCurrentModule());
    if (!art.background)
        return;
    navBar_.LoadBitmaps(art.navStem, App().GetCurrentModule() == ModuleHelp);
    moduleBackground_.Release();
    LoadBitmapByName(moduleBackground_, art.background);
}

bool Artwork::IsColorDepthSufficient(Dc& dc)
{
    return dc.GetDeviceCaps(RASTERCAPS) != 0 && dc.GetDeviceCaps(BITSPIXEL) >= 8;
}

const char* Artwork::ReferenceBitmap(int module)
{
    return ArtOf(module).referenceBitmap;
}
