// Resource packs: the bitmaps of the program itself and of each section
// module, looked up by case-insensitive resource name. The program's own
// pack is built into the executable; a section module is a pack file
// beside the program, loaded in place of a resource-only library.
#pragma once

#include <string>

namespace platform {

class Bitmap;

enum class PackSource {
    Own,    // the program's own resources
    Module, // the section module loaded now
};

// Registers the program's own pack from the bytes built into the program.
bool RegisterOwnPack(const unsigned char* data);

// Loads a section module in place of the current one, like LoadLibrary:
// `path` names the library ("...\finatt.dll"); the pack file beside it
// carries the extension ".rcc". False when there is no such pack (the old
// one is released either way).
bool LoadModulePack(const std::string& path);
// Releases the current section module (FreeLibrary).
void FreeModulePack();
bool IsModulePackLoaded();

// Loads bitmap `name` from a pack into `bitmap`, with its caption; false
// (and an empty bitmap) when the pack has no such bitmap.
bool LoadPackBitmap(PackSource source, const std::string& name, Bitmap& bitmap);

// The words shown on bitmap `name` of a pack ("" when it shows none), as the
// pack's caption list gives them: what a screen reader says of a button.
std::string PackCaption(PackSource source, const std::string& name);

} // namespace platform
