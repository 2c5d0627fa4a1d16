#include "tests/support/Recorders.h"

#include <QDir>
#include <algorithm>
#include <cstdio>
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

TextOverflowRecorder::TextOverflowRecorder() : previous_(platform::SetTextFitReporter(this)) {}

TextOverflowRecorder::~TextOverflowRecorder()
{
    platform::SetTextFitReporter(previous_);
}

void TextOverflowRecorder::Overflow(const platform::TextOverflow& overflow)
{
    overflows.push_back(overflow);
}

void TextOverflowRecorder::Condensed(const std::string&, const std::string& text, int)
{
    condensed.insert(text);
}

void ReportingOverflows::Overflow(const platform::TextOverflow& overflow)
{
    ++count;
    std::fprintf(stderr, "text does not fit in %s by %d pixels: \"%s\"\n", overflow.owner.c_str(),
                 overflow.overshoot, overflow.text.c_str());
}

void ReportingOverflows::Condensed(const std::string& owner, const std::string& text, int stretch)
{
    if (condensed.insert(text).second)
        std::fprintf(stderr, "condensed to %d %% in %s: \"%s\"\n", stretch, owner.c_str(), text.c_str());
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

constexpr const char* kVariables[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_RUNTIME_DIR",
                                      "XDG_DATA_HOME"};

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
    QDir(root).mkpath("data");
    QFile::setPermissions(root + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_CONFIG_HOME", (root + "/config").toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_DIRS", (root + "/system").toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", (root + "/runtime").toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/data").toLocal8Bit().constData(), 1);
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

int ReportingBoxes::Show(const std::string& text, const std::string&, platform::UINT)
{
    if (text.rfind("The report \"", 0) == 0 && text.find("It was saved as ") != std::string::npos) {
        ++reportNotes;
        return platform::IDOK;
    }
    std::fprintf(stderr, "message box: %s\n", text.c_str());
    ++count;
    return platform::IDOK;
}

std::vector<platform::UINT> MessageLog::Numbers() const
{
    std::vector<platform::UINT> numbers;
    for (const auto& m : messages)
        numbers.push_back(m.first);
    return numbers;
}

int MessageLog::Count(platform::UINT message) const
{
    return static_cast<int>(
        std::count_if(messages.begin(), messages.end(), [&](const auto& m) { return m.first == message; }));
}

platform::LRESULT MessageLog::WindowProc(platform::UINT message, platform::WPARAM wParam,
                                         platform::LPARAM lParam)
{
    messages.emplace_back(message, lParam);
    return Window::WindowProc(message, wParam, lParam);
}

void WriteWav(const std::string& path, std::uint32_t ms)
{
    const std::uint32_t bytes = 8 * ms;
    // RIFF, size, WAVE, "fmt ", 16, PCM mono, 8000 Hz, 8000 bytes/s, 8-bit, "data", size
    const std::uint32_t header[] = {0x46464952, 36 + bytes, 0x45564157, 0x20746d66, 16,   0x00010001,
                                    8000,       8000,       0x00080001, 0x61746164, bytes};
    std::string file(reinterpret_cast<const char*>(header), sizeof header);
    file += std::string(bytes, '\x80');
    WriteFileBytes(path, file);
}
