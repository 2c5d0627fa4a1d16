#include "platform/Files.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

std::string TurnSlashes(const std::string& path)
{
    std::string out = path;
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

bool Exists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The entry of `dir` whose name equals `name` ignoring case, or "".
std::string FindIgnoringCase(const std::string& dir, std::string_view name)
{
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d)
        return {};
    std::string found;
    while (dirent* e = ::readdir(d)) {
        if (EqualIgnoringCase(e->d_name, name)) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(d);
    return found;
}

// A file that exists and may not be written: no write permission in its
// mode (which even the superuser respects here), or none for this user.
bool WriteProtected(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// True when the file at `path` holds exactly these bytes.
bool FileHolds(const std::string& path, const void* data, std::size_t size)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::string bytes(size + 1, '\0');
    size_t got = 0;
    for (ssize_t n; got < bytes.size() && (n = ::read(fd, bytes.data() + got, bytes.size() - got)) > 0;)
        got += static_cast<size_t>(n);
    ::close(fd);
    return got == size && std::memcmp(bytes.data(), data, size) == 0;
}

} // namespace

std::string ResolvePath(const std::string& path)
{
    const std::string turned = TurnSlashes(path);
    if (turned.empty() || Exists(turned))
        return turned;

    // Walk the elements, keeping each one that exists and replacing a
    // missing one by its case-insensitive namesake.
    std::string resolved = turned.front() == '/' ? "/" : "";
    size_t pos = resolved.size();
    while (pos <= turned.size()) {
        const size_t slash = turned.find('/', pos);
        const size_t end = slash == std::string::npos ? turned.size() : slash;
        const std::string_view element(turned.data() + pos, end - pos);
        if (!element.empty()) {
            std::string candidate = resolved + std::string(element);
            if (!Exists(candidate)) {
                const std::string match = FindIgnoringCase(resolved, element);
                if (match.empty())
                    return turned;
                candidate = resolved + match;
            }
            resolved = candidate;
            if (slash != std::string::npos)
                resolved += '/';
        }
        if (slash == std::string::npos)
            break;
        pos = slash + 1;
    }
    return resolved;
}

std::FILE* OpenFile(const std::string& path, const char* mode)
{
    return std::fopen(ResolvePath(path).c_str(), mode);
}

bool FileReadable(const std::string& path)
{
    std::FILE* f = OpenFile(path, "r");
    if (!f)
        return false;
    std::fclose(f);
    return true;
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    const std::string target = ResolvePath(path);
    // Renaming over a write-protected file would replace it; it stays.
    if (WriteProtected(target))
        return false;
    const std::string temp = target + ".saving";
    // A file that already holds these bytes is not written again; only an
    // interrupted write's leftover goes.
    if (FileHolds(target, data, size)) {
        ::unlink(temp.c_str());
        return true;
    }
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const auto* bytes = static_cast<const char*>(data);
    size_t written = 0;
    bool ok = true;
    while (ok && written < size) {
        const ssize_t n = ::write(fd, bytes + written, size - written);
        if (n > 0)
            written += static_cast<size_t>(n);
        else
            ok = false;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

bool FolderWritable(const std::string& folder)
{
    std::string probe = TurnSlashes(folder);
    if (probe.empty())
        probe = ".";
    probe += "/.fiscova-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

bool MakeFolders(const std::string& folder)
{
    const std::string path = TurnSlashes(folder);
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string above = path.substr(0, slash);
        if (::mkdir(above.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CopyFileAtomically(const std::string& from, const std::string& to)
{
    std::FILE* in = OpenFile(from, "rb");
    if (!in)
        return false;
    std::string bytes;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
        bytes.append(buffer, n);
    const bool readWhole = !std::ferror(in);
    std::fclose(in);
    return readWhole && WriteFileAtomically(to, bytes.data(), bytes.size());
}

std::string UserDataHome()
{
    // Relative paths are not valid here: the desktop's rules say to ignore them.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return dataHome;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.local/share";
    return {};
}

std::string DisplayPath(const std::string& path)
{
    std::string out;
    out.reserve(path.size());
    for (char c : TurnSlashes(path)) {
        if (c == '/' && !out.empty() && out.back() == '/')
            continue;
        out.push_back(c);
    }
    return out;
}

} // namespace platform
