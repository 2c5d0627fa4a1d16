#include "kit/ProgramSounds.h"

#include "kit/AppServices.h"

bool PlayProgramSound(const std::string& name, platform::UINT flags)
{
    return platform::PlaySound(App().DataPath("locsounds\\" + name + ".wav"), flags);
}
