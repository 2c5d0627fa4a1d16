// What an application object holds of the kit's parts: the flags, the
// shared windows, the artwork services and the navigation bar, wired
// together. The program's application object and the tests' stand-in both
// build on it and add only where the program's files are.
#pragma once

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"

class ApplicationBase : public AppServices {
public:
    ApplicationBase();
    ApplicationBase(const ApplicationBase&) = delete;
    ApplicationBase& operator=(const ApplicationBase&) = delete;

    ProgramFlags& Flags() override { return flags_; }
    SharedWindows& Windows() override { return windows_; }
    Artwork& Art() override { return art_; }
    NavBar& Nav() override { return nav_; }

private:
    ProgramFlags flags_;
    SharedWindows windows_;
    NavBar nav_;
    Artwork art_;
};
