// Any bytes as the registry file that tells where the content disc is.
#include "platform/Registry.h"
#include "tests/fuzz/FuzzScratch.h"

#include <QDir>
#include <cstdlib>

namespace {

constexpr char kKey[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\ZEM\\Fiscova\\cd";
constexpr std::size_t kBuffer = 260;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool ready = [] {
        // Only the scratch folder's file is read.
        ::setenv("XDG_CONFIG_HOME", ScratchFolder().c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", (ScratchFolder() + "none").c_str(), 1);
        return QDir().mkpath(QString::fromStdString(ScratchFolder() + "ZEM"));
    }();
    Require(ready, "the registry folder exists");
    WriteScratchFile(platform::RegistryFileName(), data, size);

    std::string value = "unchanged";
    if (platform::RegQueryDefaultValue(kKey, value, kBuffer))
        Require(value.size() + 1 <= kBuffer, "the value and its zero fit the buffer");
    else
        Require(value == "unchanged", "a failed query leaves the value alone");
    return 0;
}
