#include "platform/Shell.h"

#include "platform/Files.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {
namespace {

std::function<bool(const std::string&)>& Handler()
{
    static std::function<bool(const std::string&)> handler;
    return handler;
}

} // namespace

bool ShellOpen(const std::string& path)
{
    const std::string resolved = DisplayPath(ResolvePath(path));
    if (Handler())
        return Handler()(resolved);
    if (!QFileInfo::exists(QString::fromStdString(resolved)))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(resolved)));
}

void SetShellHandler(std::function<bool(const std::string&)> handler)
{
    Handler() = std::move(handler);
}

} // namespace platform
