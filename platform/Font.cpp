#include "platform/Font.h"

#include "platform/AnsiText.h"
#include "platform/Files.h"
#include "platform/QtBridge.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QMap>
#include <QRawFont>
#include <algorithm>
#include <map>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace platform {
namespace {

struct Substitution {
    std::string_view windowsFace;
    std::string_view installedFamily;
};

// Installed faces with the metrics of the Windows faces the program names.
constexpr Substitution kSubstitutions[] = {
    {"Arial", "Liberation Sans"},         {"Courier New", "Liberation Mono"}, {"Verdana", "DejaVu Sans"},
    {"MS Sans Serif", "Liberation Sans"}, {"System", "DejaVu Sans"},
};

// A face registered from a font file under a name of the program's choice.
struct AliasedFace {
    QString family;
    QString style; // the file's own style, so that the system's other faces
                   // of the same family are never picked instead
};

QMap<QString, AliasedFace>& Aliases()
{
    static QMap<QString, AliasedFace> aliases;
    return aliases;
}

// Font files registered so far: path -> application font id.
QHash<QString, int>& AddedFiles()
{
    static QHash<QString, int> files;
    return files;
}

const AliasedFace* AliasFor(const std::string& face)
{
    const QString name = FromAnsi(face);
    for (auto it = Aliases().cbegin(); it != Aliases().cend(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return &it.value();
    }
    return nullptr;
}

QString FamilyFor(const std::string& face)
{
    const QString name = FromAnsi(face);
    for (const Substitution& s : kSubstitutions) {
        if (name.compare(QLatin1String(s.windowsFace.data(), s.windowsFace.size()), Qt::CaseInsensitive) == 0)
            return QLatin1String(s.installedFamily.data(), s.installedFamily.size());
    }
    return name;
}

QFont::Weight QtWeight(int weight)
{
    // Windows weights run 100..900 like CSS; Qt 6 uses the same scale.
    const int clamped = weight <= 0 ? FW_NORMAL : std::clamp(weight, 100, 900);
    return static_cast<QFont::Weight>(clamped);
}

int CellHeight(const QFont& f)
{
    const QFontMetrics m(f);
    return m.ascent() + m.descent();
}

QFont MakeFont(const Font& font)
{
    const AliasedFace* alias = AliasFor(font.face);
    QFont f(alias ? alias->family : FamilyFor(font.face));
    f.setWeight(QtWeight(font.weight));
    if (alias && !alias->style.isEmpty())
        f.setStyleName(alias->style);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setHintingPreference(QFont::PreferFullHinting);
    // The largest pixel size whose cell (ascent + descent) fits the height.
    const int cell = std::max(1, std::abs(font.height));
    int size = cell;
    f.setPixelSize(size);
    while (size > 1 && CellHeight(f) > cell)
        f.setPixelSize(--size);
    return f;
}

std::map<std::tuple<std::string, int, int, bool, bool>, QFont>& FontCache()
{
    static std::map<std::tuple<std::string, int, int, bool, bool>, QFont> cache;
    return cache;
}

// Font files added and not read yet, with the names they are to go by.
// Reading the first starts the system's font machinery, which takes long:
// it is left until text is first drawn or measured.
std::vector<std::pair<QString, std::string>>& PendingFiles()
{
    static std::vector<std::pair<QString, std::string>> pending;
    return pending;
}

void Register(const QString& file, const std::string& alias)
{
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0)
        return;
    AddedFiles().insert(file, id);
    FontCache().clear();
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!alias.empty() && !families.isEmpty())
        Aliases().insert(FromAnsi(alias), AliasedFace{families.first(), QRawFont(file, 12.0).styleName()});
}

void RegisterPendingFiles()
{
    if (PendingFiles().empty())
        return;
    for (const auto& [file, alias] : std::exchange(PendingFiles(), {}))
        Register(file, alias);
}

} // namespace

const QFont& ToQFont(const Font& font)
{
    RegisterPendingFiles();
    auto& cache = FontCache();
    const auto key = std::make_tuple(font.face, font.height, font.weight, font.italic, font.underline);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, MakeFont(font)).first;
    return it->second;
}

bool AddFontResource(const std::string& path, const std::string& alias)
{
    const QString file = QString::fromStdString(ResolvePath(path));
    if (!QFileInfo(file).isReadable())
        return false;
    PendingFiles().emplace_back(file, alias);
    return true;
}

bool RemoveFontResource(const std::string& path)
{
    const QString file = QString::fromStdString(ResolvePath(path));
    auto& pending = PendingFiles();
    const auto waiting =
        std::find_if(pending.begin(), pending.end(), [&](const auto& p) { return p.first == file; });
    if (waiting != pending.end()) {
        pending.erase(waiting);
        return true;
    }
    const auto it = AddedFiles().find(file);
    if (it == AddedFiles().end())
        return false;
    // The file's families are known only while it is still added.
    const QStringList families = QFontDatabase::applicationFontFamilies(it.value());
    QFontDatabase::removeApplicationFont(it.value());
    AddedFiles().erase(it);
    FontCache().clear();
    for (auto a = Aliases().begin(); a != Aliases().end();) {
        if (families.contains(a.value().family))
            a = Aliases().erase(a);
        else
            ++a;
    }
    return true;
}

} // namespace platform
