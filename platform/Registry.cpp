#include "platform/Registry.h"

#include "platform/AnsiText.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <optional>

namespace platform {
namespace {

// Undoes the escapes of a quoted .reg value: \\ and \".
std::string Unescape(const QString& quoted)
{
    QString out;
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == u'\\' && i + 1 < quoted.size())
            ++i;
        out.append(quoted[i]);
    }
    return ToAnsi(out);
}

// The default value of `key` in one .reg file, when the file names it.
std::optional<std::string> ReadDefaultValue(const QString& fileName, const QString& key)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&file);
    bool inKey = false;
    std::optional<std::string> value;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inKey = line.mid(1, line.size() - 2).compare(key, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inKey || !line.startsWith(u'@'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString data = line.mid(eq + 1).trimmed();
        if (data.size() >= 2 && data.startsWith(u'"') && data.endsWith(u'"'))
            value = Unescape(data.mid(1, data.size() - 2));
    }
    return value;
}

} // namespace

std::string RegistryFileName()
{
    return "ZEM/Fiscova.reg";
}

bool RegQueryDefaultValue(const std::string& key, std::string& value, std::size_t bufferSize)
{
    // Standard locations list the user's folder first; read it last.
    QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    std::reverse(dirs.begin(), dirs.end());
    std::optional<std::string> found;
    for (const QString& dir : dirs) {
        if (auto v = ReadDefaultValue(dir + u'/' + QString::fromStdString(RegistryFileName()), FromAnsi(key)))
            found = std::move(v);
    }
    if (!found || found->size() + 1 > bufferSize)
        return false;
    value = *found;
    return true;
}

} // namespace platform
