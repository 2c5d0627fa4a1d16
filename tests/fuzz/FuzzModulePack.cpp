// Any bytes as a section module: the pack is loaded in place of the
// current one and every bitmap it lists is read.
#include "platform/Bitmap.h"
#include "platform/ResourcePack.h"
#include "tests/fuzz/FuzzScratch.h"

#include <QDirIterator>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteScratchFile("module.rcc", data, size);
    if (!platform::LoadModulePack(ScratchFolder() + "module.dll")) {
        Require(!platform::IsModulePackLoaded(), "a pack that does not load is not kept");
        return 0;
    }
    QDirIterator entries(QStringLiteral(":/module"), QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString entry = entries.next();
        if (!entry.endsWith(QStringLiteral(".bmp")))
            continue;
        platform::Bitmap bitmap;
        const QString name = entry.mid(QStringLiteral(":/module/").size()).chopped(4);
        platform::LoadPackBitmap(platform::PackSource::Module, name.toStdString(), bitmap);
    }
    platform::FreeModulePack();
    return 0;
}
