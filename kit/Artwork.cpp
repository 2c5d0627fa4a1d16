#include "kit/Artwork.h"

#include "kit/AppServices.h"
#include "kit/ModuleArt.h"
#include "kit/Modules.h"
#include "platform/MessageBox.h"
#include "platform/ResourcePack.h"
#include "platform/Window.h"

using namespace platform;

Artwork::Artwork() = default;

Artwork::~Artwork() = default;

Size Artwork::LoadBitmapByName(Bitmap& bitmap, const std::string& name)
{
    // Only this exact spelling of the calculator icon comes from the
    // program's own resources while a learning module is current.
    return LoadFrom(App().Flags().currentModule == ModuleMainMenu || name == "idb_calcul", bitmap, name);
}

Size Artwork::LoadOwnBitmap(Bitmap& bitmap, const std::string& name)
{
    return LoadFrom(true, bitmap, name);
}

Size Artwork::LoadFrom(bool own, Bitmap& bitmap, const std::string& name)
{
    if (!LoadPackBitmap(own ? PackSource::Own : PackSource::Module, name, bitmap)) {
        MessageBox("Unable to load " + name, {}, MB_OK);
        return {};
    }
    return bitmap.GetSize();
}

bool Artwork::LoadBitmapAndPalette(const std::string& name, Bitmap& bitmap, Palette& palette)
{
    const bool own = App().Flags().currentModule == ModuleMainMenu;
    if (!LoadPackBitmap(own ? PackSource::Own : PackSource::Module, name, bitmap)) {
        MessageBox("Get Bitmap&Pal Unable to load " + name, {}, MB_OK);
        return false;
    }
    palette = PaletteForBitmap(bitmap);
    return true;
}

void Artwork::TakePaletteOf(const std::string& name)
{
    programPalette_.Clear();
    Bitmap reference;
    LoadBitmapAndPalette(name, reference, programPalette_);
}

void Artwork::RealizeBitmapPalette(Dc& dc, const std::string& name)
{
    TakePaletteOf(name);
    RealizePalette(dc, programPalette_);
}

void Artwork::RealizeModulePalette()
{
    if (programPalette_.IsEmpty())
        return;
    Window* view = App().Windows().view;
    if (!view)
        return;
    const char* reference = ModuleArtOf(App().Flags().currentModule).paletteBitmap;
    // A view with nothing drawn yet (behind the main menu at start) only
    // takes the palette: it is realized as the view draws its bitmaps.
    if (!view->HoldsPixels()) {
        TakePaletteOf(reference);
        return;
    }
    ClientDc dc(view);
    RealizeBitmapPalette(dc, reference);
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

void Artwork::LoadSectionModule(const std::string& fileName)
{
    FreeModulePack();
    // A module that fails to load is not reported here: every later load
    // from it reports the missing bitmap.
    LoadModulePack(App().DataPath(fileName));
}

void Artwork::LoadModuleBackground()
{
    const char* background = ModuleArtOf(App().Flags().currentModule).frameArtwork;
    if (!background)
        return;
    moduleBackground_.Release();
    LoadBitmapByName(moduleBackground_, background);
}

bool Artwork::IsColorDepthSufficient(Dc& dc)
{
    return dc.GetDeviceCaps(RASTERCAPS) != 0 && dc.GetDeviceCaps(BITSPIXEL) >= 8;
}

const char* Artwork::ReferenceBitmap(int module)
{
    return ModuleArtOf(module).paletteBitmap;
}
