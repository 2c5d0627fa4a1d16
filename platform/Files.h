// File access with Windows path habits: the program builds paths by plain
// concatenation with backslashes and names files in any letter case.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// Turns "\" into "/", then, when the path does not exist as written, looks
// for each missing element in its folder ignoring letter case. Returns the
// path as written (slashes turned) when nothing matches.
std::string ResolvePath(const std::string& path);

// fopen on the resolved path. Modes are those of fopen.
std::FILE* OpenFile(const std::string& path, const char* mode);

// True when the file can be opened for reading.
bool FileReadable(const std::string& path);

// Writes `size` bytes to `path` so that the file is replaced whole or not
// at all: the bytes go to a temporary file beside it, which is flushed to
// disk and then renamed over the old file. A write-protected file is left
// as it is and the write fails. A temporary file left by an interrupted
// write is written over by the next one. A file that already holds these
// bytes is left as it is.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// True when files can be made in `folder`: a file is created there and
// removed again, which answers for permissions, read-only mounts and
// access lists alike.
bool FolderWritable(const std::string& folder);

// Makes `folder` and every missing folder above it (private to the user, as
// the user's data folders are); true when it exists afterwards.
bool MakeFolders(const std::string& folder);

// Copies a readable file over `to` with WriteFileAtomically; false when
// `from` cannot be read or `to` cannot be written.
bool CopyFileAtomically(const std::string& from, const std::string& to);

// The user's data folder of the desktop: $XDG_DATA_HOME when it is an
// absolute path, otherwise $HOME/.local/share; "" without either.
std::string UserDataHome();

// The path shown to the user in messages: slashes turned, doubled slashes
// collapsed.
std::string DisplayPath(const std::string& path);

} // namespace platform
