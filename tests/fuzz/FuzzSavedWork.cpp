// Any bytes at all as the saved-work file.
#include "data/CFinData.h"
#include "tests/fuzz/FuzzScratch.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CFinData shared;
    static const bool ready = [] {
        SetSavedWorkDirectory(ScratchFolder());
        SetSharedRecord(&shared);
        return true;
    }();
    (void)ready;
    WriteScratchFile("findata.zem", data, size);

    CFinData record;
    Require(record.Load(), "an existing file loads");
    Require(std::strcmp(record.GetFileName(), "findata.zem") == 0, "the file name is the record's own");
    for (int i = 0; i < 3; ++i)
        Require(record.GetGoalName(i).size() <= 49, "a goal name has at most 49 characters");
    for (int i = 0; i < 5; ++i)
        Require(record.GetEmergencyText(i).size() <= 49, "an emergency text has at most 49 characters");
    return 0;
}
