#include "tests/support/Recorders.h"

#include <QDir>
#include <cstdlib>
#include <fstream>
#include <sstream>

MessageBoxRecorder::MessageBoxRecorder()
{
    platform::SetMessageBoxHandler(this);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    platform::SetMessageBoxHandler(nullptr);
}

int MessageBoxRecorder::Show(const std::string& text, const std::string& caption, platform::UINT type)
{
    boxes.push_back({text, caption, type});
    return platform::IDOK;
}

FakeClock::FakeClock()
{
    platform::SetClock(this);
}

FakeClock::~FakeClock()
{
    platform::SetClock(nullptr);
}

namespace {

constexpr const char* kVariables[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_RUNTIME_DIR"};

} // namespace

IsolatedEnvironment::IsolatedEnvironment()
{
    for (const char* name : kVariables) {
        const char* value = std::getenv(name);
        saved_.emplace_back(name, value ? value : "");
    }
    const QString root = dir_.path();
    QDir(root).mkpath("config/ZEM");
    QDir(root).mkpath("system/ZEM");
    QDir(root).mkpath("runtime");
    QFile::setPermissions(root + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_CONFIG_HOME", (root + "/config").toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_DIRS", (root + "/system").toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", (root + "/runtime").toLocal8Bit().constData(), 1);
}

IsolatedEnvironment::~IsolatedEnvironment()
{
    for (const auto& [name, value] : saved_) {
        if (value.empty())
            unsetenv(name.c_str());
        else
            setenv(name.c_str(), value.c_str(), 1);
    }
}

std::string IsolatedEnvironment::Path(const std::string& name) const
{
    return dir_.path().toStdString() + "/" + name;
}

void IsolatedEnvironment::WriteRegistry(const std::string& contentLocation) const
{
    std::string escaped;
    for (char c : contentLocation) {
        if (c == '\\' || c == '"')
            escaped.push_back('\\');
        escaped.push_back(c);
    }
    WriteFileBytes(Path("config/ZEM/Fiscova.reg"), "Windows Registry Editor Version 5.00\n\n"
                                                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ZEM\\Fiscova\\cd]\n@=\"" +
                                                       escaped + "\"\n");
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
