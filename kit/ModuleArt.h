// The artwork of each module: its section module, the bitmap that holds its
// palette, its frame artwork (also the background behind its pages) and the
// stem of its navigation-bar pictures. Indexed by module code.
#pragma once

#include "kit/Modules.h"

struct ModuleArtRow {
    int module;
    const char* sectionModule; // null: the program's own resources
    const char* paletteBitmap; // realised whenever the module is current
    const char* menuPalette;   // realised when the main menu opens the module
    const char* frameArtwork;  // null for modules without a frame
    const char* navStem;       // navigation-bar bitmaps; null: no bar
};

// clang-format off
inline constexpr ModuleArtRow kModuleArt[] = {
    // module           section module  palette         menu palette    frame          nav stem
    {ModuleAttitudes,   "finatt.dll",   "IDB_fin1ovr",  "IDB_fin1ovr",  "IDB_Fin_bak", "IDB_fin"},
    {ModuleMoney,       "manym.dll",    "IDB_man1ovr",  "IDB_man1ovr",  "IDB_Man_bak", "IDB_Man"},
    {ModuleCredit,      "cred.dll",     "IDB_cre1ovr",  "IDB_cre1ovr",  "IDB_cre_bak", "IDB_CRE"},
    {ModulePlanning,    "planfut.dll",  "IDB_pl1ovr",   "IDB_pl1ovr",   "IDB_pl_bak",  "IDB_pl"},
    {ModuleHelp,        "how.dll",      "IDB_how6ovr",  "IDB_how6sel",  "IDB_h_bak",   "IDB_how"},
    {ModuleMainMenu,    nullptr,        "IDB_menu3ovr", "IDB_menu3ovr", nullptr,       nullptr},
    {ModuleExit,        "ZEMExit.dll",  "IDB_ex_1sel",  "IDB_ex_1sel",  nullptr,       nullptr},
};
// clang-format on

inline const ModuleArtRow& ModuleArtOf(int module)
{
    return kModuleArt[module >= ModuleAttitudes && module <= ModuleExit ? module : ModuleMainMenu];
}
