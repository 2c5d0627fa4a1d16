// The program's bitmap and palette services: bitmaps looked up by name in
// the program's own resources or in the section module of the current
// module, the program palette built from a module's reference bitmap, the
// module background and the swapping of section modules.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Dc.h"
#include "platform/Palette.h"

#include <string>

class Artwork {
public:
    Artwork();
    ~Artwork();
    Artwork(const Artwork&) = delete;
    Artwork& operator=(const Artwork&) = delete;

    // Loads `name` into `bitmap` from the source the current module selects
    // (the main menu and "idb_calcul" use the program's own resources, every
    // other module its section module). Returns the bitmap's size, or an
    // empty size after telling the user "Unable to load " + name.
    platform::Size LoadBitmapByName(platform::Bitmap& bitmap, const std::string& name);
    // Loads `name` from the program's own resources whatever the module.
    platform::Size LoadOwnBitmap(platform::Bitmap& bitmap, const std::string& name);
    // Loads `name` (the main menu from own resources, every other module
    // from its section module) and builds a palette from its colour table.
    bool LoadBitmapAndPalette(const std::string& name, platform::Bitmap& bitmap, platform::Palette& palette);
    // Rebuilds the program palette from reference bitmap `name` and realises it.
    void RealizeBitmapPalette(platform::Dc& dc, const std::string& name);
    // Realises the current module's reference bitmap's palette in the view.
    void RealizeModulePalette();

    void DrawBitmap(platform::Dc& dc, const platform::Bitmap& bitmap, int x, int y);
    void DrawBitmapPart(platform::Dc& dc, const platform::Bitmap& bitmap, int x, int y, int width, int height,
                        int srcX, int srcY);
    void DrawTransparentBitmap(platform::Dc& dc, int x, int y, int width, int height,
                               const platform::Bitmap& bitmap, int srcX, int srcY,
                               platform::COLORREF keyColour);
    // The module background, drawn so that it covers the whole view behind a
    // page at (128, 51).
    void DrawModuleBackground(platform::Dc& dc);
    const platform::Bitmap& ModuleBackground() const { return moduleBackground_; }

    // Swaps the section module.
    void LoadSectionModule(const std::string& fileName);
    // Loads the current module's background from its section module.
    void LoadModuleBackground();

    // True on displays of at least 8 bits per pixel.
    static bool IsColorDepthSufficient(platform::Dc& dc);

    // The reference bitmap that holds each module's palette.
    static const char* ReferenceBitmap(int module);
    const platform::Palette& ProgramPalette() const { return programPalette_; }

private:
    // Makes the palette of bitmap `name` the program's.
    void TakePaletteOf(const std::string& name);
    platform::Size LoadFrom(bool own, platform::Bitmap& bitmap, const std::string& name);

    platform::Palette programPalette_;
    platform::Bitmap moduleBackground_;
};
