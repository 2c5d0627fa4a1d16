// The course's modules. The current module selects the section module,
// the palette and the artwork in use.
#pragma once

enum Module : int {
    ModuleAttitudes = 0, // financial attitudes
    ModuleMoney = 1,     // money management
    ModuleCredit = 2,    // credit
    ModulePlanning = 3,  // planning for the future
    ModuleHelp = 4,      // contact and help
    ModuleMainMenu = 5,  // the main menu, also the splash and no-disc screens
    ModuleExit = 6,      // the exit screen
};
