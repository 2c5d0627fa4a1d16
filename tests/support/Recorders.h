// Stand-ins for the platform's seams: they record what the program asked
// for instead of showing or waiting.
#pragma once

#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "platform/TextFit.h"
#include "platform/Timing.h"
#include "platform/Window.h"

#include <QTemporaryDir>
#include <set>
#include <string>
#include <vector>

// Records message boxes while it exists; every box is answered with OK.
class MessageBoxRecorder : public platform::MessageBoxHandler {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder() override;
    int Show(const std::string& text, const std::string& caption, platform::UINT type) override;

    struct Box {
        std::string text;
        std::string caption;
        platform::UINT type;
    };
    std::vector<Box> boxes;

private:
    platform::MessageBoxHandler* previous_;
};

// Records lines drawn too wide for their space, and those drawn condensed
// to fit, while it exists.
class TextOverflowRecorder : public platform::TextFitReporter {
public:
    TextOverflowRecorder();
    ~TextOverflowRecorder() override;
    void Overflow(const platform::TextOverflow& overflow) override;
    void Condensed(const std::string& owner, const std::string& text, int stretch) override;

    std::vector<platform::TextOverflow> overflows;
    std::set<std::string> condensed;

private:
    platform::TextFitReporter* previous_;
};

// Reports every line drawn too wide on the standard error and counts them;
// lines drawn condensed to fit are listed once each.
class ReportingOverflows : public platform::TextFitReporter {
public:
    void Overflow(const platform::TextOverflow& overflow) override;
    void Condensed(const std::string& owner, const std::string& text, int stretch) override;
    int count = 0;
    std::set<std::string> condensed;
};

// A clock whose waits take no real time; it only moves when waited on.
class FakeClock : public platform::Clock {
public:
    FakeClock();
    ~FakeClock() override;
    std::uint64_t TickCount() override { return now; }
    void Sleep(unsigned ms) override { now += ms; }

    std::uint64_t now = 1000;
};

// A temporary folder that stands in for the user's configuration and
// runtime and data folders while it exists (XDG_CONFIG_HOME, XDG_CONFIG_DIRS,
// XDG_RUNTIME_DIR, XDG_DATA_HOME), so that tests never see the machine's own
// files.
class IsolatedEnvironment {
public:
    IsolatedEnvironment();
    ~IsolatedEnvironment();
    std::string Path(const std::string& name) const;
    // Writes a registry file giving the content location (user folder).
    void WriteRegistry(const std::string& contentLocation) const;

private:
    QTemporaryDir dir_;
    std::vector<std::pair<std::string, std::string>> saved_;
};

// A sound backend that plays nothing; the channel still times each sound.
class SilentSound : public platform::SoundBackend {
public:
    bool Start(const std::string&) override { return true; }
    void Stop() override {}
};

// Answers every message box with OK and reports it on the standard error;
// the notes saying where a report's PDF went are counted apart.
class ReportingBoxes : public platform::MessageBoxHandler {
public:
    int Show(const std::string& text, const std::string& caption, platform::UINT type) override;
    int count = 0;
    int reportNotes = 0;
};

// A window that keeps the messages it receives (a stand-in for the view or
// a page).
class MessageLog : public platform::Window {
public:
    using Window::Window;
    std::vector<std::pair<platform::UINT, platform::LPARAM>> messages;
    std::vector<platform::UINT> Numbers() const;
    int Count(platform::UINT message) const;
    platform::UINT Last() const { return messages.empty() ? 0 : messages.back().first; }

protected:
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;
};

// A window that keeps the keys pressed in it (and passed on to it by its
// controls).
class KeyLog : public platform::Window {
public:
    using Window::Window;
    std::vector<platform::UINT> keys;

protected:
    void OnKeyDown(platform::UINT key) override { keys.push_back(key); }
};

// Writes a WAV file of `ms` milliseconds of silence (8 kHz, 8-bit mono).
void WriteWav(const std::string& path, std::uint32_t ms);

// Reads a whole file as bytes ("" when it cannot be read).
std::string ReadFileBytes(const std::string& path);
// Writes bytes to a file, replacing it.
void WriteFileBytes(const std::string& path, const std::string& bytes);
