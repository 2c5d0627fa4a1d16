// What each learning module's introduction brings: its tips and its two
// presenter clips. The modules' artwork is in kit/ModuleArt.h.
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
    const char* tipName; // "facts\" + tip name + number + ".txt"; null: no tips
    int tipCount;
    PresenterClip clips[2];
};

inline constexpr ModuleInfoRow kModuleTable[] = {
    {ModuleAttitudes,
     "finsign",
     6,
     {{"fam1.dll", "IDB_fvd1_", 7, 130, 42, 151, 152}, {"fam2.dll", "IDB_fvd2_", 9, 34, 41, 173, 161}}},
    {ModuleMoney,
     "mansign",
     7,
     {{"manm1.dll", "IDB_mvd1_", 14, 36, 36, 161, 75}, {"manm2.dll", "IDB_mvd2_", 20, 77, 40, 143, 110}}},
    {ModuleCredit,
     "credsign",
     10,
     {{"credm1.dll", "IDB_cvd1_", 10, 77, 40, 141, 109}, {"credm2.dll", "IDB_cvd2_", 11, 49, 42, 210, 108}}},
    {ModulePlanning,
     "plansign",
     10,
     {{"planm1.dll", "IDB_pvd1_", 10, 41, 42, 190, 54}, {"planm2.dll", "IDB_pvd2_", 8, 31, 41, 168, 156}}},
    {ModuleHelp, nullptr, 0, {}},
    {ModuleMainMenu, nullptr, 0, {}},
    {ModuleExit, nullptr, 0, {}},
};

inline const ModuleInfoRow& ModuleInfo(int module)
{
    return kModuleTable[module >= ModuleAttitudes && module <= ModuleExit ? module : ModuleMainMenu];
}
