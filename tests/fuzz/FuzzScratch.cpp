#include "tests/fuzz/FuzzScratch.h"

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

const std::string& ScratchFolder()
{
    static QTemporaryDir dir;
    static const std::string path = dir.path().toStdString() + "/";
    return path;
}

std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    const std::string path = ScratchFolder() + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    Require(f != nullptr, "the scratch file can be written");
    if (size > 0)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
    return path;
}

void Require(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}
