#include "kit/OwnResources.h"

#include "platform/ResourcePack.h"

// The pack file drawn by the artwork generator, embedded as it is.
asm(".section .rodata\n"
    ".balign 16\n"
    ".global fiscova_own_pack\n"
    "fiscova_own_pack:\n"
    ".incbin \"" FISCOVA_OWN_PACK "\"\n"
    ".previous\n");
extern "C" const unsigned char fiscova_own_pack[];

bool RegisterOwnResources()
{
    static const bool registered = platform::RegisterOwnPack(fiscova_own_pack);
    return registered;
}
