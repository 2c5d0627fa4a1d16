#include "platform/ResourcePack.h"

#include "platform/AnsiText.h"
#include "platform/Bitmap.h"
#include "platform/Files.h"
#include "platform/PackCheck.h"
#include "platform/RecentlyUsed.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QResource>
#include <algorithm>
#include <cctype>

namespace platform {
namespace {

const QString kOwnRoot = QStringLiteral("/own");
const QString kModuleRoot = QStringLiteral("/module");

QString g_modulePack;   // the registered pack file, empty when none
QString g_modulePackId; // the file and a digest of its bytes

// Bitmaps decoded lately, by pack and name, so that a page shown again, or
// a module entered again, does not decode its pictures again (pixels a page
// still holds are shared with it, not copied).
RecentlyUsed<QString, Bitmap> g_decoded(4 << 20);

// The words on each picture of a pack, by lower-cased name; read when first
// asked for.
struct Captions {
    bool read = false;
    QHash<QString, QString> byName;
};
Captions g_captions[2]; // by PackSource

const QString kCaptionsFile = QStringLiteral("captions.tsv");

// Resource names are case-insensitive: packs hold them lower-cased.
QString ResourcePath(PackSource source, const std::string& name)
{
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return QStringLiteral(":") + (source == PackSource::Own ? kOwnRoot : kModuleRoot) + u'/' +
           QString::fromStdString(lower) + QStringLiteral(".bmp");
}

const QHash<QString, QString>& CaptionsOf(PackSource source)
{
    Captions& captions = g_captions[static_cast<int>(source)];
    if (!captions.read) {
        captions.read = true;
        QFile file(QStringLiteral(":") + (source == PackSource::Own ? kOwnRoot : kModuleRoot) + u'/' +
                   kCaptionsFile);
        if (file.open(QIODevice::ReadOnly)) {
            for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
                const qsizetype tab = line.indexOf(u'\t');
                if (tab > 0)
                    captions.byName.insert(line.left(tab), line.mid(tab + 1));
            }
        }
    }
    return captions.byName;
}

// The module pack changed: its captions are read again when asked for.
void ForgetModuleCaptions()
{
    g_captions[static_cast<int>(PackSource::Module)] = {};
}

// The pack file that stands for a library file name.
std::string PackFileFor(const std::string& libraryPath)
{
    const size_t dot = libraryPath.find_last_of('.');
    const size_t slash = libraryPath.find_last_of("/\\");
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? libraryPath.substr(0, dot) : libraryPath) + ".rcc";
}

} // namespace

bool RegisterOwnPack(const unsigned char* data)
{
    return QResource::registerResource(data, kOwnRoot);
}

bool LoadModulePack(const std::string& path)
{
    FreeModulePack();
    const QString file = QString::fromStdString(ResolvePath(PackFileFor(path)));
    // A damaged pack is refused as a missing one is.
    QFile pack(file);
    if (!pack.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = pack.readAll();
    if (!IsWholePack(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))) ||
        !QResource::registerResource(file, kModuleRoot))
        return false;
    g_modulePack = file;
    g_modulePackId = file + u'#' + QString::number(qHash(bytes), 16);
    return true;
}

void FreeModulePack()
{
    ForgetModuleCaptions();
    if (g_modulePack.isEmpty())
        return;
    QResource::unregisterResource(g_modulePack, kModuleRoot);
    g_modulePack.clear();
    g_modulePackId.clear();
}

bool IsModulePackLoaded()
{
    return !g_modulePack.isEmpty();
}

bool LoadPackBitmap(PackSource source, const std::string& name, Bitmap& bitmap)
{
    bitmap.Release();
    if (source == PackSource::Module && g_modulePack.isEmpty())
        return false;
    const QString path = ResourcePath(source, name);
    const QString key = (source == PackSource::Own ? kOwnRoot : g_modulePackId) + path;
    if (const Bitmap* decoded = g_decoded.Find(key)) {
        bitmap.ShareFrom(*decoded);
        return true;
    }
    // Read in place: a stored picture is not copied before it is decoded.
    const QResource resource(path);
    if (!resource.isValid())
        return false;
    const QByteArray bytes = resource.uncompressedData();
    if (!bitmap.LoadFromBmp(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))))
        return false;
    bitmap.SetCaption(PackCaption(source, name));
    Bitmap kept;
    kept.ShareFrom(bitmap);
    g_decoded.Keep(key, std::move(kept), static_cast<size_t>(bitmap.Image().sizeInBytes()));
    return true;
}

std::string PackCaption(PackSource source, const std::string& name)
{
    if (source == PackSource::Module && g_modulePack.isEmpty())
        return {};
    return ToAnsi(CaptionsOf(source).value(QString::fromStdString(name).toLower()));
}

} // namespace platform
