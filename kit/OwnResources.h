// The program's own resources (main menu, splash, calculator and dialog
// artwork) are built into the executable.
#pragma once

// Makes them available to the bitmap loader; safe to call more than once.
bool RegisterOwnResources();
