// What each module brings: its section module, palette, frame artwork,
// introduction tips and presenter clips.
#pragma once

#include "kit/Modules.h"

struct PresenterClip {
    const char* library; // the clip's own resource library
    const char* prefix;  // frame bitmaps: prefix + frame number from 1
    int frames;
    int frameX, frameY; // where the frames are drawn
    int tipX, tipY;     // where the tip is typed
};

struct ModuleInfoRow {
    int module;
    const char* sectionModule;
    const char* menuPalette; // realised when the main menu opens the module
    const char* frameArtwork;
    const char* tipName; // "facts\" + tip name + number + ".txt"; null: no tips
    int tipCount;
    PresenterClip clips[2];
};

inline constexpr ModuleInfoRow kModuleTable[] = {
    {ModuleAttitudes,
     "finatt.dll",
     "IDB_fin1ovr",
     "IDB_Fin_bak",
     "finsign",
     6,
     {{"fam1.dll", "IDB_fvd1_", 7, 130, 42, 151, 152}, {"fam2.dll", "IDB_fvd2_", 9, 34, 41, 173, 161}}},
    {ModuleMoney,
     "manym.dll",
     "IDB_man1ovr",
     "IDB_Man_bak",
     "mansign",
     7,
     {{"manm1.dll", "IDB_mvd1_", 14, 36, 36, 161, 75}, {"manm2.dll", "IDB_mvd2_", 20, 77, 40, 143, 110}}},
    {ModuleCredit,
     "cred.dll",
     "IDB_cre1ovr",
     "IDB_cre_bak",
     "credsign",
     10,
     {{"credm1.dll", "IDB_cvd1_", 10, 77, 40, 141, 109}, {"credm2.dll", "IDB_cvd2_", 11, 49, 42, 210, 108}}},
    {ModulePlanning,
     "planfut.dll",
     "IDB_pl1ovr",
     "IDB_pl_bak",
     "plansign",
     10,
     {{"planm1.dll", "IDB_pvd1_", 10, 41, 42, 190, 54}, {"planm2.dll", "IDB_pvd2_", 8, 31, 41, 168, 156}}},
    {ModuleHelp, "how.dll", "IDB_how6sel", "IDB_h_bak", nullptr, 0, {}},
    {ModuleMainMenu, nullptr, "IDB_menu3ovr", nullptr, nullptr, 0, {}},
    {ModuleExit, "ZEMExit.dll", "IDB_ex_1sel", nullptr, nullptr, 0, {}},
};

inline const ModuleInfoRow& ModuleInfo(int module)
{
    return kModuleTable[module >= ModuleAttitudes && module <= ModuleExit ? module : ModuleMainMenu];
}
